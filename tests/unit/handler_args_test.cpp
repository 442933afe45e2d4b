// The arguments that handler callbacks may change: Booleans, enumerations and integers passed by
// pointer, engine objects passed as `T**`, and string records. Each is read before the handler's
// operation and written back after it, only when the structure has a handler of the right
// class. String records need the engine's string functions, so those tests load the stand-in.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/core/cef_string_collections.h"
#include "engine/handlers/cef_client_own.h"
#include "engine/handlers/cef_request_context_handler_own.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/loaded_engine.h"

namespace {

using FakeBrowser = FakeEngineObject<cef_browser_t>;
using FakeClient = FakeEngineObject<cef_client_t>;
using FakeDictionary = FakeEngineObject<cef_dictionary_value_t>;

template <class Own>
class Plain : public Own {
 public:
  template <class S>
  S* Structure() {
    return this->template Data<S>();
  }
};

template <class S>
struct ForeignStructure {
  ICefBaseRefCounted* back_pointer;
  S data{};
};

// ---- Booleans, enumerations, integers ----

class ShortcutKeyboard final : public Plain<TCefKeyboardHandlerOwn> {
 public:
  bool OnPreKeyEvent(const CefRefPtr<ICefBrowser>&, const cef_key_event_t* event, MSG* osEvent,
                     bool& isKeyboardShortcut) override {
    seen = isKeyboardShortcut;
    recordsPassedThrough = event == expectedEvent && osEvent == expectedMessage;
    isKeyboardShortcut = !isKeyboardShortcut;
    return true;
  }
  const cef_key_event_t* expectedEvent = nullptr;
  MSG* expectedMessage = nullptr;
  bool seen = false;
  bool recordsPassedThrough = false;
};

TEST(HandlerInOutArgs, ABooleanIsReadAsNonZeroAndWrittenBackAsZeroOrOne) {
  CefRefPtr<ShortcutKeyboard> handler = MakeRefCounted<ShortcutKeyboard>();
  auto* data = handler->Structure<cef_keyboard_handler_t>();
  cef_key_event_t event{};
  MSG message{};
  handler->expectedEvent = &event;
  handler->expectedMessage = &message;

  int shortcut = 0;
  EXPECT_EQ(data->on_pre_key_event(data, nullptr, &event, &message, &shortcut), 1);
  EXPECT_FALSE(handler->seen);
  EXPECT_TRUE(handler->recordsPassedThrough);
  EXPECT_EQ(shortcut, 1);

  shortcut = 42;
  data->on_pre_key_event(data, nullptr, &event, &message, &shortcut);
  EXPECT_TRUE(handler->seen);
  EXPECT_EQ(shortcut, 0);

  // No pointer: the handler still runs, nothing is written.
  EXPECT_EQ(data->on_pre_key_event(data, nullptr, &event, &message, nullptr), 1);
}

class PolicyChanger final : public Plain<TCefRequestContextHandlerOwn> {
 public:
  bool OnBeforePluginLoad(const ustring& mimeType, const ustring&, bool isMainFrame, const ustring&,
                          const CefRefPtr<ICefWebPluginInfo>&,
                          cef_plugin_policy_t& pluginPolicy) override {
    seen = pluginPolicy;
    mainFrame = isMainFrame;
    mime = mimeType;
    pluginPolicy = PLUGIN_POLICY_BLOCK;
    return true;
  }
  cef_plugin_policy_t seen = PLUGIN_POLICY_DISABLE;
  bool mainFrame = false;
  ustring mime;
};

TEST(HandlerInOutArgs, AnEnumerationGoesInAndComesBackUnconverted) {
  CefRefPtr<PolicyChanger> handler = MakeRefCounted<PolicyChanger>();
  auto* data = handler->Structure<cef_request_context_handler_t>();
  const ustring mime = L"application/pdf";
  const cef_string_t mime_record = BorrowEngineString(mime);
  cef_plugin_policy_t policy = PLUGIN_POLICY_ALLOW;

  EXPECT_EQ(data->on_before_plugin_load(data, &mime_record, nullptr, 1, nullptr, nullptr, &policy),
            1);
  EXPECT_EQ(handler->seen, PLUGIN_POLICY_ALLOW);
  EXPECT_TRUE(handler->mainFrame);
  EXPECT_EQ(handler->mime, mime);
  EXPECT_EQ(policy, PLUGIN_POLICY_BLOCK);

  // Without a handler of this class behind the structure the policy stays.
  CefRefPtr<Plain<TCefFindHandlerOwn>> other = MakeRefCounted<Plain<TCefFindHandlerOwn>>();
  ForeignStructure<cef_request_context_handler_t> foreign{other.get()};
  policy = PLUGIN_POLICY_ALLOW;
  EXPECT_EQ(data->on_before_plugin_load(&foreign.data, &mime_record, nullptr, 1, nullptr, nullptr,
                                        &policy),
            0);
  EXPECT_EQ(policy, PLUGIN_POLICY_ALLOW);
}

class OffsetScreen final : public Plain<TCefRenderHandlerOwn> {
 public:
  bool GetScreenPoint(const CefRefPtr<ICefBrowser>&, int viewX, int viewY, int& screenX,
                      int& screenY) override {
    screenX = viewX + 100;
    screenY = viewY + 200;
    return true;
  }
};

TEST(HandlerInOutArgs, OutIntegersAreWrittenBack) {
  CefRefPtr<OffsetScreen> handler = MakeRefCounted<OffsetScreen>();
  auto* data = handler->Structure<cef_render_handler_t>();
  int x = -1;
  int y = -1;
  EXPECT_EQ(data->get_screen_point(data, nullptr, 3, 4, &x, &y), 1);
  EXPECT_EQ(x, 103);
  EXPECT_EQ(y, 204);
}

class InternalResourceHandler final : public Plain<TCefRequestHandlerOwn> {
 public:
  CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, const CefRefPtr<ICefRequest>&,
      bool isNavigation, bool, const ustring& requestInitiator,
      bool& disableDefaultHandling) override {
    navigation = isNavigation;
    initiator = requestInitiator;
    disableDefaultHandling = true;
    return resource;
  }
  CefRefPtr<Plain<TCefResourceRequestHandlerOwn>> resource =
      MakeRefCounted<Plain<TCefResourceRequestHandlerOwn>>();
  bool navigation = false;
  ustring initiator;
};

TEST(HandlerInOutArgs, ResourceRequestHandlerComesWithItsFlagAndOneReference) {
  CefRefPtr<InternalResourceHandler> handler = MakeRefCounted<InternalResourceHandler>();
  auto* data = handler->Structure<cef_request_handler_t>();
  const ustring initiator = L"http://127.0.0.1:8765";
  const cef_string_t initiator_record = BorrowEngineString(initiator);
  int disable = 0;

  cef_resource_request_handler_t* given = data->get_resource_request_handler(
      data, nullptr, nullptr, nullptr, 1, 0, &initiator_record, &disable);

  EXPECT_EQ(given, handler->resource->Structure<cef_resource_request_handler_t>());
  EXPECT_EQ(handler->resource->RefCount(), 2);
  given->base.release(&given->base);
  EXPECT_EQ(disable, 1);
  EXPECT_TRUE(handler->navigation);
  EXPECT_EQ(handler->initiator, initiator);
}

// ---- Engine objects in and out (the pop-up's client and extra information) ----

class PopupHandler final : public Plain<TCefLifeSpanHandlerOwn> {
 public:
  using Action = std::function<void(CefRefPtr<ICefBaseRefCounted>& client,
                                    CefRefPtr<ICefDictionaryValue>& extraInfo, bool& noJs)>;
  bool OnBeforePopup(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                     const ustring& targetUrl, const ustring&, cef_window_open_disposition_t,
                     bool userGesture, const cef_popup_features_t*, cef_window_info_t* windowInfo,
                     CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t* settings,
                     CefRefPtr<ICefDictionaryValue>& extraInfo, bool& noJavascriptAccess) override {
    url = targetUrl;
    gesture = userGesture;
    if (windowInfo != nullptr) windowInfo->width = 640;  // records may be changed in place
    if (settings != nullptr) settings->javascript = STATE_DISABLED;
    hadClient = client != nullptr;
    if (action) action(client, extraInfo, noJavascriptAccess);
    return cancel;
  }
  Action action;
  bool cancel = false;
  ustring url;
  bool gesture = false;
  bool hadClient = false;
};

class Popup : public ::testing::Test {
 protected:
  int Call() {
    return data->on_before_popup(data, browser.Get(), nullptr, &url_record, nullptr, WOD_NEW_POPUP,
                                 1, &features, &windowInfo, &client, &settings, &extraInfo, &noJs);
  }

  CefRefPtr<PopupHandler> handler = MakeRefCounted<PopupHandler>();
  cef_life_span_handler_t* data = handler->Structure<cef_life_span_handler_t>();
  FakeBrowser browser;
  FakeClient engineClient;
  FakeDictionary engineExtraInfo;
  ustring url = L"http://127.0.0.1:8765/popup";
  cef_string_t url_record = BorrowEngineString(url);
  cef_popup_features_t features{};
  cef_window_info_t windowInfo{};
  cef_browser_settings_t settings{};
  cef_client_t* client = engineClient.Get();
  cef_dictionary_value_t* extraInfo = engineExtraInfo.Get();
  int noJs = 0;
};

TEST_F(Popup, KeptObjectsLeaveTheEnginePointersUntouchedAndAddNoReference) {
  handler->cancel = true;
  EXPECT_EQ(Call(), 1);

  EXPECT_EQ(handler->url, url);
  EXPECT_TRUE(handler->gesture);
  EXPECT_TRUE(handler->hadClient);
  EXPECT_EQ(windowInfo.width, 640);
  EXPECT_EQ(settings.javascript, STATE_DISABLED);
  EXPECT_EQ(client, engineClient.Get());
  EXPECT_EQ(extraInfo, engineExtraInfo.Get());
  // The reference that came with each pointer was the callee's to release.
  EXPECT_EQ(engineClient.add_ref_calls, 0);
  EXPECT_EQ(engineClient.release_calls, 1);
  EXPECT_EQ(engineExtraInfo.add_ref_calls, 0);
  EXPECT_EQ(engineExtraInfo.release_calls, 1);
  EXPECT_EQ(browser.refs, 0);
  EXPECT_EQ(noJs, 0);
}

TEST_F(Popup, ReplacedObjectsGoToTheEngineWithOneReferenceEach) {
  CefRefPtr<Plain<TCefClientOwn>> ownClient = MakeRefCounted<Plain<TCefClientOwn>>();
  FakeDictionary otherExtraInfo;
  handler->action = [&](CefRefPtr<ICefBaseRefCounted>& aClient,
                        CefRefPtr<ICefDictionaryValue>& aExtraInfo, bool& aNoJs) {
    aClient = ownClient;
    aExtraInfo = TCefDictionaryValueRef::UnWrap(otherExtraInfo.Get());  // takes its reference
    aNoJs = true;
  };
  EXPECT_EQ(Call(), 0);

  EXPECT_EQ(client, ownClient->Structure<cef_client_t>());
  EXPECT_EQ(ownClient->RefCount(), 2);  // the test's and the engine's
  EXPECT_EQ(extraInfo, otherExtraInfo.Get());
  EXPECT_EQ(otherExtraInfo.refs, 1);  // only the engine's now
  EXPECT_EQ(engineClient.refs, 0);
  EXPECT_EQ(engineExtraInfo.refs, 0);
  EXPECT_EQ(noJs, 1);
  client->base.release(&client->base);
}

TEST_F(Popup, ClearedObjectsBecomeNullForTheEngine) {
  handler->action = [](CefRefPtr<ICefBaseRefCounted>& aClient,
                       CefRefPtr<ICefDictionaryValue>& aExtraInfo, bool&) {
    aClient = nullptr;
    aExtraInfo = nullptr;
  };
  Call();
  EXPECT_EQ(client, nullptr);
  EXPECT_EQ(extraInfo, nullptr);
  EXPECT_EQ(engineClient.refs, 0);
  EXPECT_EQ(engineExtraInfo.refs, 0);
}

TEST_F(Popup, TheProgramsOwnClientKeptStaysWithoutAnExtraReference) {
  CefRefPtr<Plain<TCefClientOwn>> ownClient = MakeRefCounted<Plain<TCefClientOwn>>();
  client = static_cast<cef_client_t*>(EngineDataFromInterface(ownClient));  // the engine's +1
  ASSERT_EQ(ownClient->RefCount(), 2);
  Call();
  EXPECT_EQ(client, ownClient->Structure<cef_client_t>());
  EXPECT_EQ(ownClient->RefCount(), 1);
}

TEST_F(Popup, WithoutAHandlerOfThisClassNothingChangesButReferencesAreReleased) {
  CefRefPtr<Plain<TCefFindHandlerOwn>> other = MakeRefCounted<Plain<TCefFindHandlerOwn>>();
  ForeignStructure<cef_life_span_handler_t> foreign{other.get()};
  noJs = 1;
  EXPECT_EQ(data->on_before_popup(&foreign.data, browser.Get(), nullptr, &url_record, nullptr,
                                  WOD_NEW_POPUP, 1, &features, &windowInfo, &client, &settings,
                                  &extraInfo, &noJs),
            0);
  EXPECT_EQ(client, engineClient.Get());
  EXPECT_EQ(extraInfo, engineExtraInfo.Get());
  EXPECT_EQ(noJs, 1);
  EXPECT_EQ(windowInfo.width, 0);
  EXPECT_EQ(engineClient.refs, 0);
  EXPECT_EQ(engineExtraInfo.refs, 0);
  EXPECT_EQ(browser.refs, 0);
}

// ---- Strings and string lists (engine string functions) ----

class TooltipChanger final : public Plain<TCefDisplayHandlerOwn> {
 public:
  bool OnTooltip(const CefRefPtr<ICefBrowser>&, ustring& text) override {
    seen = text;
    text = replacement;
    return true;
  }
  void OnFaviconUrlChange(const CefRefPtr<ICefBrowser>&,
                          const std::vector<ustring>& iconUrls) override {
    icons = iconUrls;
  }
  ustring seen;
  ustring replacement;
  std::vector<ustring> icons;
};

class RedirectChanger final : public Plain<TCefResourceRequestHandlerOwn> {
 public:
  void OnResourceRedirect(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                          const CefRefPtr<ICefRequest>&, const CefRefPtr<ICefResponse>&,
                          ustring& newUrl) override {
    seen = newUrl;
    newUrl = replacement;
  }
  ustring seen;
  ustring replacement;
};

using HandlerStringArgs = LoadedEngine;

TEST_F(HandlerStringArgs, TooltipIsTakenAndGivenBackAsAnEngineOwnedRecord) {
  CefRefPtr<TooltipChanger> handler = MakeRefCounted<TooltipChanger>();
  auto* data = handler->Structure<cef_display_handler_t>();
  cef_string_t text = AllocEngineString(L"old tip");

  handler->replacement = L"new tip \xD83D\xDE00";
  EXPECT_EQ(data->on_tooltip(data, nullptr, &text), 1);
  EXPECT_EQ(handler->seen, L"old tip");
  EXPECT_EQ(CopyEngineString(&text), handler->replacement);
  EXPECT_NE(text.dtor, nullptr);

  handler->replacement.clear();
  data->on_tooltip(data, nullptr, &text);
  EXPECT_EQ(text.length, 0u);
  cef_string_utf16_clear(&text);
}

TEST_F(HandlerStringArgs, TooltipStaysWhenNoHandlerOfThisClassIsBehindTheStructure) {
  CefRefPtr<TooltipChanger> handler = MakeRefCounted<TooltipChanger>();
  CefRefPtr<Plain<TCefFindHandlerOwn>> other = MakeRefCounted<Plain<TCefFindHandlerOwn>>();
  ForeignStructure<cef_display_handler_t> foreign{other.get()};
  cef_string_t text = AllocEngineString(L"kept");
  EXPECT_EQ(handler->Structure<cef_display_handler_t>()->on_tooltip(&foreign.data, nullptr, &text),
            0);
  EXPECT_EQ(CopyEngineString(&text), L"kept");
  cef_string_utf16_clear(&text);
}

TEST(HandlerInOutArgs, WithoutTheEngineStringFunctionsATooltipRecordKeepsItsText) {
  ASSERT_FALSE(EngineLibraryLoaded());
  CefRefPtr<TooltipChanger> handler = MakeRefCounted<TooltipChanger>();
  auto* data = handler->Structure<cef_display_handler_t>();
  const ustring tip = L"engine text";
  cef_string_t text = BorrowEngineString(tip);
  handler->replacement = L"lost";
  data->on_tooltip(data, nullptr, &text);
  EXPECT_EQ(text.str, tip.c_str());
  EXPECT_EQ(CopyEngineString(&text), tip);
}

TEST_F(HandlerStringArgs, RedirectAddressIsReplacedOnlyWhenTheHandlerGivesOne) {
  CefRefPtr<RedirectChanger> handler = MakeRefCounted<RedirectChanger>();
  auto* data = handler->Structure<cef_resource_request_handler_t>();
  cef_string_t url = AllocEngineString(L"http://127.0.0.1:8765/a");

  handler->replacement.clear();
  data->on_resource_redirect(data, nullptr, nullptr, nullptr, nullptr, &url);
  EXPECT_EQ(handler->seen, L"http://127.0.0.1:8765/a");
  EXPECT_EQ(CopyEngineString(&url), L"http://127.0.0.1:8765/a");

  handler->replacement = L"http://127.0.0.1:8765/b";
  data->on_resource_redirect(data, nullptr, nullptr, nullptr, nullptr, &url);
  EXPECT_EQ(CopyEngineString(&url), L"http://127.0.0.1:8765/b");
  cef_string_utf16_clear(&url);
}

TEST_F(HandlerStringArgs, AStringListArrivesAsStringsInIndexOrder) {
  CefRefPtr<TooltipChanger> handler = MakeRefCounted<TooltipChanger>();
  auto* data = handler->Structure<cef_display_handler_t>();
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  list->AddStringsFrom({L"/a.ico", L"/b.png", L"/c.svg"});

  data->on_favicon_urlchange(data, nullptr, list->GetHandle());
  EXPECT_EQ(handler->icons, (std::vector<ustring>{L"/a.ico", L"/b.png", L"/c.svg"}));
  EXPECT_EQ(list->GetSize(), 3u);  // the engine's list is left alone
}

}  // namespace
