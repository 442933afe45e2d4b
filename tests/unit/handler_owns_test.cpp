// The owned client and handler structures: their layout, how an engine callback reaches the
// handler's operation, which references the arguments and results carry, and what a callback
// answers when its structure has no handler of the right class behind it. Fake engine objects
// stand in for the engine's arguments (no engine library needed).

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/cef_api.h"
#include "engine/handlers/cef_client_own.h"
#include "engine/handlers/cef_request_context_handler_own.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_x509certificate_ref.h"
#include "tests/unit/fake_engine_object.h"

namespace {

using FakeBrowser = FakeEngineObject<cef_browser_t>;
using FakeFrame = FakeEngineObject<cef_frame_t>;
using FakeRequest = FakeEngineObject<cef_request_t>;
using FakeCertificate = FakeEngineObject<cef_x509certificate_t>;
using FakeCallback = FakeEngineObject<cef_select_client_certificate_callback_t>;

// An owned class with nothing overridden, and access to its structure.
template <class Own>
class Plain : public Own {
 public:
  template <class S>
  S* Structure() {
    return this->template Data<S>();
  }
};

template <class Own, class S>
void ExpectEveryFunctionFilled(size_t expected_size) {
  CefRefPtr<Plain<Own>> own = MakeRefCounted<Plain<Own>>();
  S* data = own->template Structure<S>();
  EXPECT_EQ(sizeof(S), expected_size);
  EXPECT_EQ(data->base.size, expected_size);
  const size_t slots = (expected_size - sizeof(cef_base_ref_counted_t)) / sizeof(void*);
  const auto* first = reinterpret_cast<const unsigned char*>(data) + sizeof(cef_base_ref_counted_t);
  for (size_t i = 0; i < slots; ++i) {
    void* slot;
    std::memcpy(&slot, first + i * sizeof(void*), sizeof(slot));
    EXPECT_NE(slot, nullptr) << "function " << i << " of a structure of " << expected_size;
  }
}

TEST(HandlerStructures, SizesMatchTheEngineAndEveryFunctionIsFilled) {
  ExpectEveryFunctionFilled<TCefClientOwn, cef_client_t>(152);
  ExpectEveryFunctionFilled<TCefLoadHandlerOwn, cef_load_handler_t>(72);
  ExpectEveryFunctionFilled<TCefFocusHandlerOwn, cef_focus_handler_t>(64);
  ExpectEveryFunctionFilled<TCefContextMenuHandlerOwn, cef_context_menu_handler_t>(72);
  ExpectEveryFunctionFilled<TCefDialogHandlerOwn, cef_dialog_handler_t>(48);
  ExpectEveryFunctionFilled<TCefKeyboardHandlerOwn, cef_keyboard_handler_t>(56);
  ExpectEveryFunctionFilled<TCefDisplayHandlerOwn, cef_display_handler_t>(112);
  ExpectEveryFunctionFilled<TCefDownloadHandlerOwn, cef_download_handler_t>(56);
  ExpectEveryFunctionFilled<TCefJsDialogHandlerOwn, cef_jsdialog_handler_t>(72);
  ExpectEveryFunctionFilled<TCefLifeSpanHandlerOwn, cef_life_span_handler_t>(72);
  ExpectEveryFunctionFilled<TCefRenderHandlerOwn, cef_render_handler_t>(168);
  ExpectEveryFunctionFilled<TCefRequestHandlerOwn, cef_request_handler_t>(120);
  ExpectEveryFunctionFilled<TCefResourceRequestHandlerOwn, cef_resource_request_handler_t>(104);
  ExpectEveryFunctionFilled<TCefCookieAccessFilterOwn, cef_cookie_access_filter_t>(56);
  ExpectEveryFunctionFilled<TCefDragHandlerOwn, cef_drag_handler_t>(56);
  ExpectEveryFunctionFilled<TCefFindHandlerOwn, cef_find_handler_t>(48);
  ExpectEveryFunctionFilled<TCefRequestContextHandlerOwn, cef_request_context_handler_t>(64);
}

// ---- Routing and argument references ----

class RecordingLoadHandler final : public Plain<TCefLoadHandlerOwn> {
 public:
  void OnLoadingStateChange(const CefRefPtr<ICefBrowser>& browser, bool isLoading, bool canGoBack,
                            bool canGoForward) override {
    seenBrowser = browser;
    flags = {isLoading, canGoBack, canGoForward};
  }
  void OnLoadError(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                   cef_errorcode_t errorCode, const ustring& errorText,
                   const ustring& failedUrl) override {
    browserMatches = browser->SameAs(static_cast<void*>(expectedBrowser));
    frameMatches = frame->SameAs(static_cast<void*>(expectedFrame));
    error = errorCode;
    text = errorText;
    url = failedUrl;
  }

  void* expectedBrowser = nullptr;
  void* expectedFrame = nullptr;
  bool browserMatches = false;
  bool frameMatches = false;
  cef_errorcode_t error = ERR_NONE;
  ustring text;
  ustring url;
  CefRefPtr<ICefBrowser> seenBrowser;
  std::vector<bool> flags;
};

TEST(HandlerCallbacks, ArgumentsReachTheOperationConvertedAndTheirReferencesAreReleasedOnce) {
  CefRefPtr<RecordingLoadHandler> handler = MakeRefCounted<RecordingLoadHandler>();
  auto* data = handler->Structure<cef_load_handler_t>();
  FakeBrowser browser;
  FakeFrame frame;
  handler->expectedBrowser = browser.Get();
  handler->expectedFrame = frame.Get();
  const ustring text = L"net::ERR_NAME_NOT_RESOLVED";
  const ustring url = L"http://unknown.invalid/\xD83D\xDE00";  // a pair of surrogates
  const cef_string_t text_record = BorrowEngineString(text);
  const cef_string_t url_record = BorrowEngineString(url);

  data->on_load_error(data, browser.Get(), frame.Get(), ERR_NAME_NOT_RESOLVED, &text_record,
                      &url_record);

  EXPECT_TRUE(handler->browserMatches);
  EXPECT_TRUE(handler->frameMatches);
  EXPECT_EQ(handler->error, ERR_NAME_NOT_RESOLVED);
  EXPECT_EQ(handler->text, text);
  EXPECT_EQ(handler->url, url);
  EXPECT_EQ(browser.refs, 0);
  EXPECT_EQ(browser.release_calls, 1);
  EXPECT_EQ(browser.add_ref_calls, 0);
  EXPECT_EQ(frame.refs, 0);
  EXPECT_EQ(frame.release_calls, 1);
  EXPECT_EQ(frame.add_ref_calls, 0);
}

TEST(HandlerCallbacks, AnArgumentTheHandlerKeepsIsReleasedWhenTheHandlerDropsIt) {
  CefRefPtr<RecordingLoadHandler> handler = MakeRefCounted<RecordingLoadHandler>();
  auto* data = handler->Structure<cef_load_handler_t>();
  FakeBrowser browser;

  data->on_loading_state_change(data, browser.Get(), 1, 0, 7);

  EXPECT_EQ(handler->flags, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(browser.refs, 1);
  handler->seenBrowser = nullptr;
  EXPECT_EQ(browser.refs, 0);
  EXPECT_EQ(browser.release_calls, 1);
}

class ThrowingFocusHandler final : public Plain<TCefFocusHandlerOwn> {
 public:
  bool OnSetFocus(const CefRefPtr<ICefBrowser>&, cef_focus_source_t) override {
    throw std::runtime_error("handler failure");
  }
};

TEST(HandlerCallbacks, AnExceptionEndsInTheNeutralResultAndStillReleasesTheArguments) {
  CefRefPtr<ThrowingFocusHandler> handler = MakeRefCounted<ThrowingFocusHandler>();
  auto* data = handler->Structure<cef_focus_handler_t>();
  FakeBrowser browser;
  EXPECT_EQ(data->on_set_focus(data, browser.Get(), FOCUS_SOURCE_NAVIGATION), 0);
  EXPECT_EQ(browser.refs, 0);
}

// What the program writes to its own log (the system debugger output, while no engine library
// is loaded) during the recorder's life. OutputDebugString raises a notice that a vectored
// handler sees first; taking it here means no debugger is asked.
class DebugOutputRecorder {
 public:
  DebugOutputRecorder() : FHandler(AddVectoredExceptionHandler(1, &Notice)) { gRecorder = this; }
  ~DebugOutputRecorder() {
    RemoveVectoredExceptionHandler(FHandler);
    gRecorder = nullptr;
  }
  DebugOutputRecorder(const DebugOutputRecorder&) = delete;
  DebugOutputRecorder& operator=(const DebugOutputRecorder&) = delete;

  int LinesWith(std::wstring_view text) const {
    const std::lock_guard<std::mutex> lock(FMutex);
    int count = 0;
    for (const std::wstring& line : FLines) count += line.find(text) != std::wstring::npos;
    return count;
  }

 private:
  static LONG CALLBACK Notice(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    std::wstring line;
    if (record->ExceptionCode == DBG_PRINTEXCEPTION_WIDE_C && record->NumberParameters >= 2) {
      line = reinterpret_cast<const wchar_t*>(record->ExceptionInformation[1]);
    } else if (record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2) {
      for (const char* c = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
           *c != '\0'; ++c) {
        line.push_back(static_cast<unsigned char>(*c));
      }
    } else {
      return EXCEPTION_CONTINUE_SEARCH;
    }
    if (DebugOutputRecorder* recorder = gRecorder) {
      const std::lock_guard<std::mutex> lock(recorder->FMutex);
      recorder->FLines.push_back(std::move(line));
    }
    return EXCEPTION_CONTINUE_EXECUTION;
  }

  static inline std::atomic<DebugOutputRecorder*> gRecorder{nullptr};
  mutable std::mutex FMutex;
  std::vector<std::wstring> FLines;
  void* FHandler;
};

class ThrowingLoadHandler final : public Plain<TCefLoadHandlerOwn> {
 public:
  void OnLoadEnd(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, int) override {
    throw std::runtime_error("load end failure");
  }
};

TEST(HandlerCallbacks, AnExceptionStopsAtTheCallbackAndIsLoggedOnceUnderTheOperationsName) {
  ASSERT_FALSE(EngineLibraryLoaded());  // so the log line goes to the debugger output
  CefRefPtr<ThrowingLoadHandler> loadHandler = MakeRefCounted<ThrowingLoadHandler>();
  auto* loadData = loadHandler->Structure<cef_load_handler_t>();
  CefRefPtr<ThrowingFocusHandler> focusHandler = MakeRefCounted<ThrowingFocusHandler>();
  auto* focusData = focusHandler->Structure<cef_focus_handler_t>();
  FakeBrowser browser;
  FakeFrame frame;
  DebugOutputRecorder log;

  // Reaching the next line at all means nothing unwound out of the callback.
  loadData->on_load_end(loadData, browser.Get(), frame.Get(), 200);
  EXPECT_EQ(focusData->on_set_focus(focusData, nullptr, FOCUS_SOURCE_SYSTEM), 0);

  EXPECT_EQ(browser.refs, 0);
  EXPECT_EQ(frame.refs, 0);
  EXPECT_EQ(log.LinesWith(L"Exception stopped in ICefLoadHandler.OnLoadEnd: load end failure"), 1);
  EXPECT_EQ(log.LinesWith(L"Exception stopped in ICefFocusHandler.OnSetFocus: handler failure"), 1);
}

// A structure of the right type whose back-pointer names an object of another class.
template <class S>
struct ForeignStructure {
  ICefBaseRefCounted* back_pointer;
  S data{};
};

TEST(HandlerCallbacks, AnotherClassBehindTheStructureGetsNeutralResultsAndLeavesInOutAlone) {
  CefRefPtr<Plain<TCefFindHandlerOwn>> other = MakeRefCounted<Plain<TCefFindHandlerOwn>>();
  FakeBrowser browser;
  FakeRequest request;

  CefRefPtr<Plain<TCefKeyboardHandlerOwn>> keyboard =
      MakeRefCounted<Plain<TCefKeyboardHandlerOwn>>();
  ForeignStructure<cef_keyboard_handler_t> foreignKeyboard{other.get()};
  int shortcut = 7;
  EXPECT_EQ(keyboard->Structure<cef_keyboard_handler_t>()->on_pre_key_event(
                &foreignKeyboard.data, browser.Get(), nullptr, nullptr, &shortcut),
            0);
  EXPECT_EQ(shortcut, 7);
  EXPECT_EQ(browser.refs, 0);  // wrapped before the owner check, so released all the same

  CefRefPtr<Plain<TCefResourceRequestHandlerOwn>> resource =
      MakeRefCounted<Plain<TCefResourceRequestHandlerOwn>>();
  ForeignStructure<cef_resource_request_handler_t> foreignResource{other.get()};
  EXPECT_EQ(resource->Structure<cef_resource_request_handler_t>()->on_before_resource_load(
                &foreignResource.data, nullptr, nullptr, request.Get(), nullptr),
            RV_CONTINUE);
  EXPECT_EQ(request.refs, 0);

  CefRefPtr<Plain<TCefCookieAccessFilterOwn>> filter =
      MakeRefCounted<Plain<TCefCookieAccessFilterOwn>>();
  ForeignStructure<cef_cookie_access_filter_t> foreignFilter{other.get()};
  EXPECT_EQ(filter->Structure<cef_cookie_access_filter_t>()->can_send_cookie(
                &foreignFilter.data, nullptr, nullptr, nullptr, nullptr),
            1);

  CefRefPtr<Plain<TCefClientOwn>> client = MakeRefCounted<Plain<TCefClientOwn>>();
  ForeignStructure<cef_client_t> foreignClient{other.get()};
  EXPECT_EQ(client->Structure<cef_client_t>()->get_load_handler(&foreignClient.data), nullptr);
  ForeignStructure<cef_client_t> noOwner{nullptr};
  EXPECT_EQ(client->Structure<cef_client_t>()->get_request_handler(&noOwner.data), nullptr);
}

TEST(HandlerCallbacks, DefaultsLetTheEngineGoItsOwnWay) {
  CefRefPtr<Plain<TCefResourceRequestHandlerOwn>> resource =
      MakeRefCounted<Plain<TCefResourceRequestHandlerOwn>>();
  auto* data = resource->Structure<cef_resource_request_handler_t>();
  EXPECT_EQ(data->on_before_resource_load(data, nullptr, nullptr, nullptr, nullptr), RV_CONTINUE);
  EXPECT_EQ(data->get_cookie_access_filter(data, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(data->get_resource_handler(data, nullptr, nullptr, nullptr), nullptr);

  CefRefPtr<Plain<TCefCookieAccessFilterOwn>> filter =
      MakeRefCounted<Plain<TCefCookieAccessFilterOwn>>();
  auto* filterData = filter->Structure<cef_cookie_access_filter_t>();
  EXPECT_EQ(filterData->can_send_cookie(filterData, nullptr, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(filterData->can_save_cookie(filterData, nullptr, nullptr, nullptr, nullptr, nullptr),
            1);

  CefRefPtr<Plain<TCefLifeSpanHandlerOwn>> lifeSpan =
      MakeRefCounted<Plain<TCefLifeSpanHandlerOwn>>();
  auto* lifeSpanData = lifeSpan->Structure<cef_life_span_handler_t>();
  EXPECT_EQ(lifeSpanData->do_close(lifeSpanData, nullptr), 0);
}

// ---- Results handed to the engine ----

class ClientWithLoadHandler final : public Plain<TCefClientOwn> {
 public:
  CefRefPtr<ICefLoadHandler> GetLoadHandler() override { return handler; }
  CefRefPtr<Plain<TCefLoadHandlerOwn>> handler = MakeRefCounted<Plain<TCefLoadHandlerOwn>>();
};

TEST(ClientGetters, AHandlerGoesOutWithOneReferenceAndAMissingOneAsNull) {
  CefRefPtr<ClientWithLoadHandler> client = MakeRefCounted<ClientWithLoadHandler>();
  auto* data = client->Structure<cef_client_t>();
  ASSERT_EQ(client->handler->RefCount(), 1);

  cef_load_handler_t* given = data->get_load_handler(data);
  EXPECT_EQ(given, client->handler->Structure<cef_load_handler_t>());
  EXPECT_EQ(client->handler->RefCount(), 2);
  EXPECT_EQ(given->base.release(&given->base), 1);  // the engine drops what it was given

  EXPECT_EQ(data->get_context_menu_handler(data), nullptr);
  EXPECT_EQ(data->get_dialog_handler(data), nullptr);
  EXPECT_EQ(data->get_display_handler(data), nullptr);
  EXPECT_EQ(data->get_download_handler(data), nullptr);
  EXPECT_EQ(data->get_drag_handler(data), nullptr);
  EXPECT_EQ(data->get_find_handler(data), nullptr);
  EXPECT_EQ(data->get_focus_handler(data), nullptr);
  EXPECT_EQ(data->get_jsdialog_handler(data), nullptr);
  EXPECT_EQ(data->get_keyboard_handler(data), nullptr);
  EXPECT_EQ(data->get_life_span_handler(data), nullptr);
  EXPECT_EQ(data->get_render_handler(data), nullptr);
  EXPECT_EQ(data->get_request_handler(data), nullptr);
  EXPECT_EQ(client->RefCount(), 1);
}

// Each getter slot must call its own getter: a mix-up would hand the engine a structure of the
// wrong type.
class ClientWithEveryHandler final : public Plain<TCefClientOwn> {
 public:
  template <class Own>
  using P = CefRefPtr<Plain<Own>>;
  CefRefPtr<ICefContextMenuHandler> GetContextMenuHandler() override { return contextMenu; }
  CefRefPtr<ICefDialogHandler> GetDialogHandler() override { return dialog; }
  CefRefPtr<ICefDisplayHandler> GetDisplayHandler() override { return display; }
  CefRefPtr<ICefDownloadHandler> GetDownloadHandler() override { return download; }
  CefRefPtr<ICefDragHandler> GetDragHandler() override { return drag; }
  CefRefPtr<ICefFindHandler> GetFindHandler() override { return find; }
  CefRefPtr<ICefFocusHandler> GetFocusHandler() override { return focus; }
  CefRefPtr<ICefJsDialogHandler> GetJsdialogHandler() override { return jsDialog; }
  CefRefPtr<ICefKeyboardHandler> GetKeyboardHandler() override { return keyboard; }
  CefRefPtr<ICefLifeSpanHandler> GetLifeSpanHandler() override { return lifeSpan; }
  CefRefPtr<ICefRenderHandler> GetRenderHandler() override { return render; }
  CefRefPtr<ICefRequestHandler> GetRequestHandler() override { return request; }

  P<TCefContextMenuHandlerOwn> contextMenu = MakeRefCounted<Plain<TCefContextMenuHandlerOwn>>();
  P<TCefDialogHandlerOwn> dialog = MakeRefCounted<Plain<TCefDialogHandlerOwn>>();
  P<TCefDisplayHandlerOwn> display = MakeRefCounted<Plain<TCefDisplayHandlerOwn>>();
  P<TCefDownloadHandlerOwn> download = MakeRefCounted<Plain<TCefDownloadHandlerOwn>>();
  P<TCefDragHandlerOwn> drag = MakeRefCounted<Plain<TCefDragHandlerOwn>>();
  P<TCefFindHandlerOwn> find = MakeRefCounted<Plain<TCefFindHandlerOwn>>();
  P<TCefFocusHandlerOwn> focus = MakeRefCounted<Plain<TCefFocusHandlerOwn>>();
  P<TCefJsDialogHandlerOwn> jsDialog = MakeRefCounted<Plain<TCefJsDialogHandlerOwn>>();
  P<TCefKeyboardHandlerOwn> keyboard = MakeRefCounted<Plain<TCefKeyboardHandlerOwn>>();
  P<TCefLifeSpanHandlerOwn> lifeSpan = MakeRefCounted<Plain<TCefLifeSpanHandlerOwn>>();
  P<TCefRenderHandlerOwn> render = MakeRefCounted<Plain<TCefRenderHandlerOwn>>();
  P<TCefRequestHandlerOwn> request = MakeRefCounted<Plain<TCefRequestHandlerOwn>>();
};

template <class S, class Own>
void ExpectHandedOver(S* given, const CefRefPtr<Plain<Own>>& expected) {
  EXPECT_EQ(given, expected->template Structure<S>());
  EXPECT_EQ(expected->RefCount(), 2);
  if (given != nullptr) given->base.release(&given->base);
}

TEST(ClientGetters, EachSlotHandsOutItsOwnHandler) {
  CefRefPtr<ClientWithEveryHandler> c = MakeRefCounted<ClientWithEveryHandler>();
  auto* data = c->Structure<cef_client_t>();
  ExpectHandedOver(data->get_context_menu_handler(data), c->contextMenu);
  ExpectHandedOver(data->get_dialog_handler(data), c->dialog);
  ExpectHandedOver(data->get_display_handler(data), c->display);
  ExpectHandedOver(data->get_download_handler(data), c->download);
  ExpectHandedOver(data->get_drag_handler(data), c->drag);
  ExpectHandedOver(data->get_find_handler(data), c->find);
  ExpectHandedOver(data->get_focus_handler(data), c->focus);
  ExpectHandedOver(data->get_jsdialog_handler(data), c->jsDialog);
  ExpectHandedOver(data->get_keyboard_handler(data), c->keyboard);
  ExpectHandedOver(data->get_life_span_handler(data), c->lifeSpan);
  ExpectHandedOver(data->get_render_handler(data), c->render);
  ExpectHandedOver(data->get_request_handler(data), c->request);
}

class ResourceHandlerWithFilter final : public Plain<TCefResourceRequestHandlerOwn> {
 public:
  CefRefPtr<ICefCookieAccessFilter> GetCookieAccessFilter(
      const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
      const CefRefPtr<ICefRequest>& request) override {
    sawRequest = request != nullptr;
    return filter;
  }
  cef_return_value_t OnBeforeResourceLoad(const CefRefPtr<ICefBrowser>&,
                                          const CefRefPtr<ICefFrame>&,
                                          const CefRefPtr<ICefRequest>&,
                                          const CefRefPtr<ICefRequestCallback>&) override {
    return RV_CONTINUE_ASYNC;
  }
  CefRefPtr<Plain<TCefCookieAccessFilterOwn>> filter =
      MakeRefCounted<Plain<TCefCookieAccessFilterOwn>>();
  bool sawRequest = false;
};

TEST(HandlerResults, ObjectAndEnumerationResultsReachTheEngine) {
  CefRefPtr<ResourceHandlerWithFilter> handler = MakeRefCounted<ResourceHandlerWithFilter>();
  auto* data = handler->Structure<cef_resource_request_handler_t>();
  FakeRequest request;

  cef_cookie_access_filter_t* filter =
      data->get_cookie_access_filter(data, nullptr, nullptr, request.Get());
  EXPECT_TRUE(handler->sawRequest);
  EXPECT_EQ(filter, handler->filter->Structure<cef_cookie_access_filter_t>());
  EXPECT_EQ(handler->filter->RefCount(), 2);
  filter->base.release(&filter->base);
  EXPECT_EQ(request.refs, 0);

  EXPECT_EQ(data->on_before_resource_load(data, nullptr, nullptr, nullptr, nullptr),
            RV_CONTINUE_ASYNC);
}

class CertificateCounter final : public Plain<TCefRequestHandlerOwn> {
 public:
  bool OnSelectClientCertificate(
      const CefRefPtr<ICefBrowser>&, bool isProxy, const ustring& host, int port,
      const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
      const CefRefPtr<ICefSelectClientCertificateCallback>& callback) override {
    seen = certificates.size();
    proxy = isProxy;
    where = host + L":" + std::to_wstring(port);
    return callback != nullptr;
  }
  size_t seen = 0;
  bool proxy = false;
  ustring where;
};

TEST(HandlerCallbacks, EveryCertificateOfTheArrayIsWrappedAndReleasedOnce) {
  CefRefPtr<CertificateCounter> handler = MakeRefCounted<CertificateCounter>();
  auto* data = handler->Structure<cef_request_handler_t>();
  FakeCertificate first;
  FakeCertificate second;
  FakeCallback callback;
  cef_x509certificate_t* const certificates[] = {first.Get(), second.Get()};
  const ustring host = L"proxy.example";
  const cef_string_t host_record = BorrowEngineString(host);

  EXPECT_EQ(data->on_select_client_certificate(data, nullptr, 1, &host_record, 8080, 2,
                                               certificates, callback.Get()),
            1);

  EXPECT_EQ(handler->seen, 2u);
  EXPECT_TRUE(handler->proxy);
  EXPECT_EQ(handler->where, L"proxy.example:8080");
  EXPECT_EQ(first.release_calls, 1);
  EXPECT_EQ(second.release_calls, 1);
  EXPECT_EQ(callback.release_calls, 1);
}

}  // namespace
