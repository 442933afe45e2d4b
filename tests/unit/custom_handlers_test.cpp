// The client and handler objects of a browser control, driven the way the engine drives them:
// through their engine structures. Which handlers exist, what reaches the control and what comes
// back, what they answer once detached, and that every reference is given back. Fake engine
// objects stand in for the engine's arguments (no engine library needed).

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/cef_string.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/routing/custom_client_handler.h"
#include "engine/routing/custom_request_handlers.h"
#include "tests/unit/fake_chromium_events.h"
#include "tests/unit/fake_engine_object.h"

namespace {

using FakeBrowser = FakeEngineObject<cef_browser_t>;
using FakeFrame = FakeEngineObject<cef_frame_t>;
using FakeRequest = FakeEngineObject<cef_request_t>;

// A structure as the engine holds it: with one reference, given back when the holder goes.
template <class S>
class EngineHold {
 public:
  explicit EngineHold(S* data) noexcept : FData(data) {}
  template <class T>
  static EngineHold Of(const CefRefPtr<T>& object) {
    return EngineHold(static_cast<S*>(EngineDataFromInterface(object)));
  }
  EngineHold(const EngineHold&) = delete;
  EngineHold& operator=(const EngineHold&) = delete;
  ~EngineHold() { Release(); }

  // Gives the reference back now; the remaining count (0: the object is gone), -1 for null.
  int Release() {
    S* data = std::exchange(FData, nullptr);
    return data != nullptr ? data->base.release(&data->base) : -1;
  }
  S* get() const noexcept { return FData; }
  S* operator->() const noexcept { return FData; }

 private:
  S* FData;
};

CefRefPtr<TCustomClientHandler> NewClient(IChromiumEvents* events, bool devTools = false) {
  return MakeRefCounted<TCustomClientHandler>(events, devTools);
}

// Whether each getter of the client offers a handler, in the client's field order.
std::vector<bool> Offered(cef_client_t* c) {
  std::vector<bool> offered;
  auto take = [&](auto* handler) {
    offered.push_back(handler != nullptr);
    if (handler != nullptr) handler->base.release(&handler->base);
  };
  take(c->get_load_handler(c));
  take(c->get_focus_handler(c));
  take(c->get_context_menu_handler(c));
  take(c->get_dialog_handler(c));
  take(c->get_keyboard_handler(c));
  take(c->get_display_handler(c));
  take(c->get_download_handler(c));
  take(c->get_jsdialog_handler(c));
  take(c->get_life_span_handler(c));
  take(c->get_render_handler(c));
  take(c->get_request_handler(c));
  take(c->get_drag_handler(c));
  take(c->get_find_handler(c));
  return offered;
}

// ---- Which handlers a client creates ----

TEST(ClientHandlerCreation, AControlWithoutLoadEventsGetsNoLoadHandler) {
  FakeChromiumEvents events;
  events.Want({"WantsLifeSpanHandler", "WantsRequestHandler"});  // what every control says
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);

  EXPECT_EQ(c->get_load_handler(c.get()), nullptr);
  EXPECT_EQ(Offered(c.get()), (std::vector<bool>{false, false, false, false, false, false, false,
                                                 false, true, false, true, false, false}));
  EXPECT_EQ(client->RefCount(), 2);
}

TEST(ClientHandlerCreation, PredicatesAreAskedOnceInTheirOrder) {
  FakeChromiumEvents events;
  events.WantEverything();
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);

  EXPECT_EQ(events.Calls(),
            (std::vector<std::string>{
                "WantsLoadHandler", "WantsFocusHandler", "WantsContextMenuHandler",
                "WantsDialogHandler", "WantsKeyboardHandler", "WantsDisplayHandler",
                "WantsDownloadHandler", "WantsJsDialogHandler", "WantsLifeSpanHandler",
                "WantsRenderHandler", "WantsRequestHandler", "WantsResourceRequestHandler",
                "WantsCookieAccessFilter", "WantsDragHandler", "WantsFindHandler"}));
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EXPECT_EQ(Offered(c.get()), std::vector<bool>(13, true));
}

TEST(ClientHandlerCreation, ADevToolsClientOffersOnlyTheKeyboardHandler) {
  FakeChromiumEvents events;
  events.WantEverything();
  CefRefPtr<TCustomClientHandler> devTools = NewClient(&events, true);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(devTools);

  EXPECT_EQ(events.Calls(), std::vector<std::string>{"WantsKeyboardHandler"});
  EXPECT_EQ(Offered(c.get()), (std::vector<bool>{false, false, false, false, true, false, false,
                                                 false, false, false, false, false, false}));

  FakeChromiumEvents noKeys;
  noKeys.WantEverything();
  noKeys.SetAnswer("WantsKeyboardHandler", false);
  CefRefPtr<TCustomClientHandler> quiet = NewClient(&noKeys, true);
  EngineHold<cef_client_t> q = EngineHold<cef_client_t>::Of(quiet);
  EXPECT_EQ(Offered(q.get()), std::vector<bool>(13, false));
}

TEST(ClientHandlerCreation, WithoutAControlThereAreNoHandlersAndNoMessageIsHandled) {
  CefRefPtr<TCustomClientHandler> client = NewClient(nullptr);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EXPECT_EQ(Offered(c.get()), std::vector<bool>(13, false));

  FakeBrowser browser;
  EXPECT_EQ(c->on_process_message_received(c.get(), browser.Get(), nullptr, PID_RENDERER, nullptr),
            0);
  EXPECT_EQ(browser.refs, 0);
}

// ---- What reaches the control ----

class ArgumentEvents : public FakeChromiumEvents {
 public:
  void HandleLoadStart(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                       cef_transition_type_t transitionType) override {
    Record(__func__);
    sameObjects = browser->SameAs(expectedBrowser) && frame->SameAs(expectedFrame);
    transition = transitionType;
  }
  void HandleLoadError(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                       cef_errorcode_t errorCode, const ustring& errorText,
                       const ustring& failedUrl) override {
    Record(__func__);
    error = errorCode;
    texts = {errorText, failedUrl};
  }
  void HandleTitleChange(const CefRefPtr<ICefBrowser>&, const ustring& title) override {
    Record(__func__);
    texts = {title};
  }
  bool HandleCanSendCookie(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                           const CefRefPtr<ICefRequest>& request,
                           const cef_cookie_t* cookie) override {
    Record(__func__);
    sameObjects = request->SameAs(expectedRequest);
    seenCookie = cookie;
    return false;
  }

  void* expectedBrowser = nullptr;
  void* expectedFrame = nullptr;
  void* expectedRequest = nullptr;
  bool sameObjects = false;
  cef_transition_type_t transition = TT_LINK;
  cef_errorcode_t error = ERR_NONE;
  std::vector<ustring> texts;
  const cef_cookie_t* seenCookie = nullptr;
};

TEST(HandlerRouting, LoadEventsReachTheControlConvertedAndReleaseTheirArguments) {
  ArgumentEvents events;
  events.Want({"WantsLoadHandler", "WantsDisplayHandler"});
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EngineHold<cef_load_handler_t> load(c->get_load_handler(c.get()));
  EngineHold<cef_display_handler_t> display(c->get_display_handler(c.get()));
  FakeBrowser browser;
  FakeFrame frame;
  events.expectedBrowser = browser.Get();
  events.expectedFrame = frame.Get();
  events.ClearCalls();

  load->on_load_start(load.get(), browser.Get(), frame.Get(), TT_RELOAD);
  EXPECT_TRUE(events.sameObjects);
  EXPECT_EQ(events.transition, TT_RELOAD);

  const ustring text = L"net::ERR_CONNECTION_REFUSED";
  const ustring url = L"http://127.0.0.1:1/\xD83D\xDE00";  // a pair of surrogates
  const cef_string_t textRecord = BorrowEngineString(text);
  const cef_string_t urlRecord = BorrowEngineString(url);
  browser.refs = 1;
  frame.refs = 1;
  load->on_load_error(load.get(), browser.Get(), frame.Get(), ERR_CONNECTION_REFUSED, &textRecord,
                      &urlRecord);
  EXPECT_EQ(events.error, ERR_CONNECTION_REFUSED);
  EXPECT_EQ(events.texts, (std::vector<ustring>{text, url}));

  const ustring title = L"Ostrel-Mini\x7248";
  const cef_string_t titleRecord = BorrowEngineString(title);
  browser.refs = 1;
  display->on_title_change(display.get(), browser.Get(), &titleRecord);
  EXPECT_EQ(events.texts, std::vector<ustring>{title});

  EXPECT_EQ(events.Calls(),
            (std::vector<std::string>{"HandleLoadStart", "HandleLoadError", "HandleTitleChange"}));
  EXPECT_EQ(browser.refs, 0);
  EXPECT_EQ(frame.refs, 0);
  EXPECT_EQ(browser.add_ref_calls, 0);
}

TEST(HandlerRouting, AnswersOfTheControlReachTheEngine) {
  ArgumentEvents events;
  events.WantEverything();
  events.SetAnswer("HandleClose", true);
  events.SetAnswer("HandleProcessMessageReceived", true);
  events.beforeResourceLoad = RV_CANCEL;
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EngineHold<cef_life_span_handler_t> lifeSpan(c->get_life_span_handler(c.get()));
  EngineHold<cef_request_handler_t> request(c->get_request_handler(c.get()));
  EngineHold<cef_resource_request_handler_t> resource(request->get_resource_request_handler(
      request.get(), nullptr, nullptr, nullptr, 1, 0, nullptr, nullptr));
  ASSERT_NE(resource.get(), nullptr);
  EngineHold<cef_cookie_access_filter_t> filter(
      resource->get_cookie_access_filter(resource.get(), nullptr, nullptr, nullptr));
  ASSERT_NE(filter.get(), nullptr);

  EXPECT_EQ(lifeSpan->do_close(lifeSpan.get(), nullptr), 1);
  EXPECT_EQ(c->on_process_message_received(c.get(), nullptr, nullptr, PID_RENDERER, nullptr), 1);
  EXPECT_EQ(resource->on_before_resource_load(resource.get(), nullptr, nullptr, nullptr, nullptr),
            RV_CANCEL);

  // The cookie record is the engine's and goes through as it is.
  FakeRequest engineRequest;
  events.expectedRequest = engineRequest.Get();
  const cef_cookie_t cookie{};
  EXPECT_EQ(filter->can_send_cookie(filter.get(), nullptr, nullptr, engineRequest.Get(), &cookie),
            0);
  EXPECT_TRUE(events.sameObjects);
  EXPECT_EQ(events.seenCookie, &cookie);
  EXPECT_EQ(engineRequest.refs, 0);
}

// ---- In/out arguments ----

class InOutEvents : public FakeChromiumEvents {
 public:
  bool HandlePreKeyEvent(const CefRefPtr<ICefBrowser>&, const cef_key_event_t* event, MSG*,
                         bool& isKeyboardShortcut) override {
    Record(__func__);
    seenKeyEvent = event;
    arrived = isKeyboardShortcut;
    if (flagAnswer) isKeyboardShortcut = *flagAnswer;
    return false;
  }
  bool HandleJsdialog(const CefRefPtr<ICefBrowser>&, const ustring&, cef_jsdialog_type_t,
                      const ustring&, const ustring&, const CefRefPtr<ICefJsDialogCallback>&,
                      bool& suppressMessage) override {
    Record(__func__);
    arrived = suppressMessage;
    if (flagAnswer) suppressMessage = *flagAnswer;
    return false;
  }
  void HandleProtocolExecution(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                               const CefRefPtr<ICefRequest>&, bool& allowOsExecution) override {
    Record(__func__);
    arrived = allowOsExecution;
    if (flagAnswer) allowOsExecution = *flagAnswer;
  }
  void HandleGetResourceRequestHandler(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                       const CefRefPtr<ICefRequest>&, bool, bool, const ustring&,
                                       bool& disableDefaultHandling,
                                       CefRefPtr<ICefResourceRequestHandler>& handler,
                                       bool& useInternalHandler) override {
    Record(__func__);
    arrived = useInternalHandler;
    if (flagAnswer) disableDefaultHandling = *flagAnswer;
    if (useControlHandler) {
      useInternalHandler = false;
      handler = controlHandler;
    }
  }
  bool HandleBeforePopup(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, const ustring&,
                         const ustring&, cef_window_open_disposition_t, bool,
                         const cef_popup_features_t*, cef_window_info_t*,
                         CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t*,
                         CefRefPtr<ICefDictionaryValue>&, bool&) override {
    Record(__func__);
    if (popupClient) client = *popupClient;
    return false;
  }
  bool HandleBeforePluginLoad(const ustring&, const ustring&, bool, const ustring&,
                              const CefRefPtr<ICefWebPluginInfo>&,
                              cef_plugin_policy_t& pluginPolicy) override {
    Record(__func__);
    pluginPolicy = PLUGIN_POLICY_BLOCK;
    return true;
  }
  void HandleContextGetResourceRequestHandler(
      const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, const CefRefPtr<ICefRequest>&,
      bool, bool, const ustring&, bool& disableDefaultHandling,
      CefRefPtr<ICefResourceRequestHandler>& handler) override {
    Record(__func__);
    disableDefaultHandling = false;
    handler = controlHandler;
  }

  std::optional<bool> flagAnswer;
  std::optional<bool> arrived;
  const cef_key_event_t* seenKeyEvent = nullptr;
  bool useControlHandler = false;
  CefRefPtr<ICefResourceRequestHandler> controlHandler;
  std::optional<CefRefPtr<ICefBaseRefCounted>> popupClient;
};

TEST(HandlerInOut, BooleansAreReadFromTheEngineAndWrittenBackAsZeroOrOne) {
  InOutEvents events;
  events.WantEverything();
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EngineHold<cef_keyboard_handler_t> keyboard(c->get_keyboard_handler(c.get()));
  EngineHold<cef_jsdialog_handler_t> jsDialog(c->get_jsdialog_handler(c.get()));
  EngineHold<cef_request_handler_t> request(c->get_request_handler(c.get()));
  EngineHold<cef_resource_request_handler_t> resource(request->get_resource_request_handler(
      request.get(), nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr));

  const cef_key_event_t keyEvent{};
  int shortcut = 7;  // any non-zero value is true
  keyboard->on_pre_key_event(keyboard.get(), nullptr, &keyEvent, nullptr, &shortcut);
  EXPECT_EQ(events.arrived, true);
  EXPECT_EQ(events.seenKeyEvent, &keyEvent);
  EXPECT_EQ(shortcut, 1);

  events.flagAnswer = true;
  int suppress = 0;
  jsDialog->on_jsdialog(jsDialog.get(), nullptr, nullptr, JSDIALOGTYPE_ALERT, nullptr, nullptr,
                        nullptr, &suppress);
  EXPECT_EQ(events.arrived, false);
  EXPECT_EQ(suppress, 1);

  events.flagAnswer = false;
  int allow = -1;
  resource->on_protocol_execution(resource.get(), nullptr, nullptr, nullptr, &allow);
  EXPECT_EQ(events.arrived, true);
  EXPECT_EQ(allow, 0);

  events.flagAnswer = true;
  int disable = 0;
  EngineHold<cef_resource_request_handler_t> again(request->get_resource_request_handler(
      request.get(), nullptr, nullptr, nullptr, 0, 0, nullptr, &disable));
  EXPECT_EQ(disable, 1);
}

TEST(HandlerInOut, ResourceRequestHandlerIsTheOwnOneUnlessTheControlClearsTheFlag) {
  InOutEvents events;
  events.Want({"WantsRequestHandler", "WantsResourceRequestHandler"});
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EngineHold<cef_request_handler_t> request(c->get_request_handler(c.get()));
  auto ask = [&] {
    return request->get_resource_request_handler(request.get(), nullptr, nullptr, nullptr, 1, 0,
                                                 nullptr, nullptr);
  };

  // Left set: the request handler's own one, the same object every time.
  EngineHold<cef_resource_request_handler_t> own(ask());
  EXPECT_EQ(events.arrived, true);
  ASSERT_NE(own.get(), nullptr);
  EngineHold<cef_resource_request_handler_t> ownAgain(ask());
  EXPECT_EQ(ownAgain.get(), own.get());
  events.ClearCalls();
  own->on_before_resource_load(own.get(), nullptr, nullptr, nullptr, nullptr);
  EXPECT_TRUE(events.Called("HandleBeforeResourceLoad"));

  // Cleared: whatever the control gave, with one reference for the engine.
  CefRefPtr<TCustomResourceRequestHandler> theirs =
      MakeRefCounted<TCustomResourceRequestHandler>(nullptr);
  events.useControlHandler = true;
  events.controlHandler = theirs;
  EngineHold<cef_resource_request_handler_t> given(ask());
  EXPECT_EQ(ObjectFromEngineData(given.get()), static_cast<ICefBaseRefCounted*>(theirs.get()));
  EXPECT_EQ(theirs->RefCount(), 3);  // the test, the control, the engine
  EXPECT_EQ(given.Release(), 2);

  events.controlHandler = nullptr;
  EXPECT_EQ(ask(), nullptr);
}

TEST(HandlerInOut, WithoutResourceEventsTheOwnResourceRequestHandlerIsNull) {
  InOutEvents events;
  events.Want({"WantsRequestHandler"});
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EngineHold<cef_request_handler_t> request(c->get_request_handler(c.get()));

  EXPECT_EQ(request->get_resource_request_handler(request.get(), nullptr, nullptr, nullptr, 1, 0,
                                                  nullptr, nullptr),
            nullptr);
  EXPECT_TRUE(events.Called("HandleGetResourceRequestHandler"));
  EXPECT_FALSE(events.Called("WantsCookieAccessFilter"));
}

TEST(HandlerInOut, PopupClientIsKeptReplacedOrClearedWithTheRightReferences) {
  InOutEvents events;
  events.Want({"WantsLifeSpanHandler"});
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EngineHold<cef_life_span_handler_t> lifeSpan(c->get_life_span_handler(c.get()));
  auto popup = [&](cef_client_t** slot) {
    lifeSpan->on_before_popup(lifeSpan.get(), nullptr, nullptr, nullptr, nullptr, WOD_NEW_POPUP, 1,
                              nullptr, nullptr, slot, nullptr, nullptr, nullptr);
  };

  FakeEngineObject<cef_client_t> engineClient;
  cef_client_t* slot = engineClient.Get();
  popup(&slot);  // the control leaves the client alone
  EXPECT_EQ(slot, engineClient.Get());
  EXPECT_EQ(engineClient.add_ref_calls, 0);

  CefRefPtr<TCustomClientHandler> replacement = NewClient(nullptr);
  events.popupClient = replacement;
  engineClient.refs = 1;
  slot = engineClient.Get();
  popup(&slot);
  EXPECT_EQ(ObjectFromEngineData(slot), static_cast<ICefBaseRefCounted*>(replacement.get()));
  EXPECT_EQ(replacement->RefCount(), 3);  // the test, the control, the engine
  EXPECT_EQ(slot->base.release(&slot->base), 2);

  events.popupClient = CefRefPtr<ICefBaseRefCounted>();
  slot = static_cast<cef_client_t*>(client->Wrap());  // the pointer comes with a reference
  popup(&slot);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(client->RefCount(), 2);  // the test and the engine's hold of the browser's client
}

// ---- Detached ----

TEST(HandlerDetaching, AfterRemoveReferencesEveryCallbackIsNeutralAndRaisesNothing) {
  InOutEvents events;
  events.WantEverything();
  events.SetAnswer("HandleClose", true);
  events.SetAnswer("HandleCanSendCookie", false);
  events.SetAnswer("HandleCanSaveCookie", false);
  events.beforeResourceLoad = RV_CANCEL;
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EngineHold<cef_load_handler_t> load(c->get_load_handler(c.get()));
  EngineHold<cef_keyboard_handler_t> keyboard(c->get_keyboard_handler(c.get()));
  EngineHold<cef_life_span_handler_t> lifeSpan(c->get_life_span_handler(c.get()));
  EngineHold<cef_request_handler_t> request(c->get_request_handler(c.get()));
  EngineHold<cef_resource_request_handler_t> resource(request->get_resource_request_handler(
      request.get(), nullptr, nullptr, nullptr, 1, 0, nullptr, nullptr));
  EngineHold<cef_cookie_access_filter_t> filter(
      resource->get_cookie_access_filter(resource.get(), nullptr, nullptr, nullptr));
  ASSERT_NE(filter.get(), nullptr);

  client->RemoveReferences();
  events.ClearCalls();

  FakeBrowser browser;
  EXPECT_EQ(
      resource->on_before_resource_load(resource.get(), browser.Get(), nullptr, nullptr, nullptr),
      RV_CONTINUE);
  EXPECT_EQ(filter->can_send_cookie(filter.get(), nullptr, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(filter->can_save_cookie(filter.get(), nullptr, nullptr, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(resource->get_cookie_access_filter(resource.get(), nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(request->get_resource_request_handler(request.get(), nullptr, nullptr, nullptr, 1, 0,
                                                  nullptr, nullptr),
            nullptr);
  EXPECT_EQ(lifeSpan->do_close(lifeSpan.get(), nullptr), 0);
  load->on_load_start(load.get(), nullptr, nullptr, TT_LINK);
  int shortcut = 0;
  EXPECT_EQ(keyboard->on_pre_key_event(keyboard.get(), nullptr, nullptr, nullptr, &shortcut), 0);
  EXPECT_EQ(shortcut, 0);
  EXPECT_EQ(c->on_process_message_received(c.get(), nullptr, nullptr, PID_RENDERER, nullptr), 0);

  EXPECT_TRUE(events.Calls().empty());
  EXPECT_EQ(browser.refs, 0);
}

TEST(HandlerDetaching, RequestContextHandlerForwardsThenTurnsNeutral) {
  InOutEvents events;
  CefRefPtr<TCustomRequestContextHandler> handler =
      MakeRefCounted<TCustomRequestContextHandler>(&events);
  EngineHold<cef_request_context_handler_t> h =
      EngineHold<cef_request_context_handler_t>::Of(handler);
  auto askHandler = [&](int* disable) {
    return h->get_resource_request_handler(h.get(), nullptr, nullptr, nullptr, 0, 1, nullptr,
                                           disable);
  };

  CefRefPtr<TCustomResourceRequestHandler> theirs =
      MakeRefCounted<TCustomResourceRequestHandler>(nullptr);
  events.controlHandler = theirs;

  h->on_request_context_initialized(h.get(), nullptr);
  cef_plugin_policy_t policy = PLUGIN_POLICY_ALLOW;
  EXPECT_EQ(h->on_before_plugin_load(h.get(), nullptr, nullptr, 1, nullptr, nullptr, &policy), 1);
  EXPECT_EQ(policy, PLUGIN_POLICY_BLOCK);
  int disable = 1;
  EngineHold<cef_resource_request_handler_t> given(askHandler(&disable));
  EXPECT_EQ(ObjectFromEngineData(given.get()), static_cast<ICefBaseRefCounted*>(theirs.get()));
  EXPECT_EQ(given.Release(), 2);
  EXPECT_EQ(disable, 0);
  EXPECT_EQ(events.Calls(),
            (std::vector<std::string>{"HandleRequestContextInitialized", "HandleBeforePluginLoad",
                                      "HandleContextGetResourceRequestHandler"}));

  handler->RemoveReferences();
  events.ClearCalls();
  policy = PLUGIN_POLICY_ALLOW;
  disable = 1;
  h->on_request_context_initialized(h.get(), nullptr);
  EXPECT_EQ(h->on_before_plugin_load(h.get(), nullptr, nullptr, 1, nullptr, nullptr, &policy), 0);
  EXPECT_EQ(policy, PLUGIN_POLICY_ALLOW);
  EXPECT_EQ(askHandler(&disable), nullptr);
  EXPECT_EQ(disable, 1);
  EXPECT_TRUE(events.Calls().empty());
}

// ---- References ----

// A control that forgets RemoveReferences: the client going detaches what the engine still holds.
TEST(HandlerReferences, NothingIsLeftAliveOnceTheProgramAndTheEngineLetGo) {
  FakeChromiumEvents events;
  events.WantEverything();
  CefRefPtr<TCustomClientHandler> client = NewClient(&events);
  EngineHold<cef_client_t> c = EngineHold<cef_client_t>::Of(client);
  EngineHold<cef_load_handler_t> load(c->get_load_handler(c.get()));
  EngineHold<cef_request_handler_t> request(c->get_request_handler(c.get()));
  EngineHold<cef_resource_request_handler_t> resource(request->get_resource_request_handler(
      request.get(), nullptr, nullptr, nullptr, 1, 0, nullptr, nullptr));
  EngineHold<cef_cookie_access_filter_t> filter(
      resource->get_cookie_access_filter(resource.get(), nullptr, nullptr, nullptr));

  client = nullptr;
  EXPECT_EQ(c.Release(), 0);  // the client goes; the handlers the engine holds stay
  load->on_load_start(load.get(), nullptr, nullptr, TT_LINK);
  EXPECT_EQ(load.Release(), 0);
  EXPECT_EQ(request.Release(), 0);
  EXPECT_EQ(resource.Release(), 0);
  EXPECT_EQ(filter.Release(), 0);
  EXPECT_FALSE(events.Called("HandleLoadStart"));
}

}  // namespace
