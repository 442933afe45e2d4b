#include "browser/chromium.h"

#include <utility>

#include "base/ui_thread.h"
#include "browser/chromium_raise.h"
#include "engine/application/cef_application.h"
#include "engine/core/cef_api.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_browser_host_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_request_context_ref.h"
#include "engine/routing/custom_client_handler.h"
#include "engine/routing/custom_request_handlers.h"
#include "ui/window.h"

using chromium_raise::Raise;

namespace {

// Frees the engine's copies of the settings texts once the engine has read the record: a
// browser's settings are copied by the engine while it creates the browser.
class SettingsTextsScope {
 public:
  explicit SettingsTextsScope(TCefBrowserSettings& settings) : FSettings(settings) {}
  ~SettingsTextsScope() { ClearBrowserSettingsTexts(FSettings); }
  SettingsTextsScope(const SettingsTextsScope&) = delete;
  SettingsTextsScope& operator=(const SettingsTextsScope&) = delete;

 private:
  TCefBrowserSettings& FSettings;
};

}  // namespace

TChromium::TChromium(TForm* owner)
    : FOwner(owner), FTaskEvents(MakeRefCounted<TChromiumEventsLink>(this)) {
  FEventsLinks.push_back(FTaskEvents);
  ResetBrowserSettingsRecord(FBrowserSettings);
  ResetBrowserSettingsRecord(FDevBrowserSettings);
  GuardRoutine(L"TChromium.AfterConstruction", [this] {
    FCompWindow = std::make_unique<TMessageWindow>();
    FCompWindow->OnMessage = [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
      return CompWndProc(message, wParam, result);
    };
    if (FCompWindow->Create()) FCompHandle = FCompWindow->Handle();
  });
}

TChromium::~TChromium() {
  // A destructor cannot pass an exception on, whatever the exception rule says.
  try {
    UnhookEngineWindows();
    DestroyClientHandler();
    DestroyReqContextHandler();
    WaitForHandlerCalls();
    GuardRoutine(L"TChromium.Destroy", [this] {
      FCompHandle = nullptr;
      FCompWindow.reset();
      ForgetBrowser();
      // Texts left in the records were allocated by the engine; after it is unloaded there
      // is nothing left to free them with.
      if (EngineLibraryLoaded()) {
        ClearBrowserSettingsTexts(FBrowserSettings);
        ClearBrowserSettingsTexts(FDevBrowserSettings);
      }
    });
  } catch (...) {
  }
}

// ---- Hidden window ----

bool TChromium::CompWndProc(UINT message, WPARAM wParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case kChromiumPrefsAvailable:
      Raise(OnPrefsAvailable, *this, wParam != 0);
      return true;
    case kChromiumDragStart:  // windowless drag and drop only
      return true;
    default:
      return false;
  }
}

bool TChromium::PostCompMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = FCompHandle.load();
  return PostToWindow(window, message, wParam, lParam);
}

// ---- State ----

bool TChromium::Initialized() const {
  return FInitialized.load() && !FClosing.load() && HasBrowser();
}

CefRefPtr<ICefBrowser> TChromium::Browser() const {
  const std::lock_guard<std::mutex> hold(FLock);
  return FBrowser;
}

bool TChromium::HasBrowser() const {
  const std::lock_guard<std::mutex> hold(FLock);
  return static_cast<bool>(FBrowser);
}

CefRefPtr<ICefClient> TChromium::CefClient() const {
  const std::lock_guard<std::mutex> hold(FLock);
  return FHandler;
}

bool TChromium::HasClientHandler() const { return static_cast<bool>(CefClient()); }

bool TChromium::MultithreadApp() const {
  return GlobalCEFApp != nullptr && GlobalCEFApp->MultiThreadedMessageLoop();
}

bool TChromium::IsSameBrowser(Ref<ICefBrowser> browser) const {
  if (!browser || !Initialized()) return false;
  const CefRefPtr<ICefBrowser> main = Browser();
  return main && main->IsSame(browser);
}

bool TChromium::IsMainBrowser(Ref<ICefBrowser> browser) const {
  const int id = FBrowserId.load();
  return browser && id != 0 && browser->GetIdentifier() == id;
}

// ---- Client and request-context handlers ----

bool TChromium::CreateClientHandler(bool isOSR) {
  CefRefPtr<ICefClient> client;
  return CreateClientHandler(client, isOSR);
}

bool TChromium::CreateClientHandler(CefRefPtr<ICefClient>& client, bool isOSR) {
  if (HasClientHandler()) return false;
  return GuardRoutine(L"TChromium.CreateClientHandler", false, [&] {
    FIsOSR = isOSR;
    // Created outside the lock: the handler asks this control which handlers it wants.
    const auto custom = MakeRefCounted<TCustomClientHandler>(this, false);
    CefRefPtr<ICefClient> handler = custom;
    const std::lock_guard<std::mutex> hold(FLock);
    FEventsLinks.push_back(custom->EventsLink());
    FHandler = handler;
    client = std::move(handler);
    return true;
  });
}

void TChromium::DestroyClientHandler() {
  GuardRoutine(L"TChromium.DestroyClientHandler", [this] {
    CefRefPtr<ICefClient> handler;
    {
      const std::lock_guard<std::mutex> hold(FLock);
      handler = std::move(FHandler);
    }
    if (handler) handler->RemoveReferences();
  });
}

void TChromium::EnsureRequestContextHandler() {
  if (FReqContextHandler || !(OnRequestContextInitialized || OnBeforePluginLoad)) return;
  const auto handler = MakeRefCounted<TCustomRequestContextHandler>(this);
  {
    const std::lock_guard<std::mutex> hold(FLock);
    FEventsLinks.push_back(handler->EventsLink());
  }
  FReqContextHandler = handler;
}

void TChromium::DestroyReqContextHandler() {
  GuardRoutine(L"TChromium.DestroyReqContextHandler", [this] {
    if (const CefRefPtr<ICefRequestContextHandler> handler = std::exchange(FReqContextHandler, {}))
      handler->RemoveReferences();
  });
}

bool TChromium::ShareRequestContext(CefRefPtr<ICefRequestContext>& context,
                                    Ref<ICefRequestContextHandler> handler) {
  context = nullptr;
  if (!Initialized()) return false;
  return GuardRoutine(L"TChromium.ShareRequestContext", false, [&] {
    const CefRefPtr<ICefBrowser> browser = Browser();
    const CefRefPtr<ICefBrowserHost> host = browser ? browser->GetHost() : nullptr;
    if (!host) return false;
    context = TCefRequestContextRef::Shared(host->GetRequestContext(), handler);
    return static_cast<bool>(context);
  });
}

// Handler objects outlive the control when the engine still holds them. Detached, they no longer
// report here, but a call that began before may still be running on an engine thread.
void TChromium::WaitForHandlerCalls() {
  std::vector<CefRefPtr<TChromiumEventsLink>> links;
  {
    const std::lock_guard<std::mutex> hold(FLock);
    links.swap(FEventsLinks);
  }
  for (Ref<TChromiumEventsLink> link : links) {
    link->Detach();
    link->WaitForCalls();
  }
}

// ---- Creation ----

bool TChromium::CreateBrowser(TWindow* parent, const ustring& windowName,
                              Ref<ICefRequestContext> context, Ref<ICefDictionaryValue> extraInfo) {
  if (parent == nullptr) return CreateBrowser(HWND{}, RECT{}, windowName, context, extraInfo);
  // A control whose window does not exist yet would give a windowless browser by accident.
  if (parent->Handle() == nullptr) return false;
  RECT rect{};
  GetClientRect(parent->Handle(), &rect);
  return CreateBrowser(parent->Handle(), rect, windowName, context, extraInfo);
}

bool TChromium::CreateBrowser(HWND parentHandle, const RECT& parentRect, const ustring& windowName,
                              Ref<ICefRequestContext> context, Ref<ICefDictionaryValue> extraInfo) {
  if (FClosing || HasBrowser() || FBrowserId != 0 || GlobalCEFApp == nullptr ||
      !GlobalCEFApp->GlobalContextInitialized() || !EngineLibraryLoaded()) {
    return false;
  }
  if (!CreateClientHandler(parentHandle == nullptr)) return false;
  const bool created = GuardRoutine(L"TChromium.CreateBrowser", false, [&] {
    return CreateEngineBrowser(parentHandle, parentRect, windowName, context, extraInfo);
  });
  // The engine never calls the client of a browser it refused: back to idle, so that a later
  // call can succeed instead of being refused for good.
  if (!created && !HasBrowser()) DestroyClientHandler();
  return created;
}

bool TChromium::CreateEngineBrowser(HWND parentHandle, const RECT& parentRect,
                                    const ustring& windowName, Ref<ICefRequestContext> context,
                                    Ref<ICefDictionaryValue> extraInfo) {
  AssertUiThread();
  FillBrowserSettings(&FBrowserSettings);
  const SettingsTextsScope texts(FBrowserSettings);
  FillWindowInfo(parentHandle, parentRect, windowName);
  EnsureRequestContextHandler();
  CefRefPtr<ICefRequestContext> requestContext = context;
  if (!requestContext && FReqContextHandler) {
    requestContext =
        TCefRequestContextRef::Shared(TCefRequestContextRef::Global(), FReqContextHandler);
  }
  const ustring url = FDefaultUrl;
  const cef_string_t engineUrl = BorrowEngineString(url);
  // Every object goes to the engine with a reference of its own.
  auto* client = static_cast<cef_client_t*>(EngineDataFromInterface(CefClient()));
  auto* extra = static_cast<cef_dictionary_value_t*>(EngineDataFromInterface(extraInfo));
  auto* engineContext =
      static_cast<cef_request_context_t*>(EngineDataFromInterface(requestContext));
  if (MultithreadApp()) {
    return cef_browser_host_create_browser(&FWindowInfo, client, &engineUrl, &FBrowserSettings,
                                           extra, engineContext) != 0;
  }
  const CefRefPtr<ICefBrowser> browser =
      TCefBrowserRef::UnWrap(cef_browser_host_create_browser_sync(
          &FWindowInfo, client, &engineUrl, &FBrowserSettings, extra, engineContext));
  if (!browser) return false;
  const int id = browser->GetIdentifier();
  {
    const std::lock_guard<std::mutex> hold(FLock);
    FBrowser = browser;
  }
  FBrowserId = id;
  FInitialized = id != 0;
  return FInitialized.load();
}

void TChromium::FillWindowInfo(HWND parentHandle, const RECT& parentRect,
                               const ustring& windowName) {
  FWindowName = windowName;
  if (FIsOSR) {
    WindowlessWindowInfo(FWindowInfo, FCompHandle.load(), FWindowName);
  } else {
    ChildWindowInfo(FWindowInfo, parentHandle, parentRect, FWindowName);
  }
}

void TChromium::FillBrowserSettings(cef_browser_settings_t* settings) {
  if (settings != nullptr) {
    FillBrowserSettingsRecord(*settings, FOptions, FFontOptions, FDefaultEncoding);
  }
}

// ---- Life span ----

void TChromium::HandleAfterCreated(Ref<ICefBrowser> browser) {
  if (browser) ++FOpenBrowsers;
  if (MultithreadApp() && browser) {
    const int id = browser->GetIdentifier();
    const std::lock_guard<std::mutex> hold(FLock);
    // The first browser is the main one; pop-ups come later and never replace it.
    if (!FBrowser) {
      FBrowser = browser;
      FBrowserId = id;
      FInitialized = id != 0;
    }
  }
  ApplyPreferences(browser);
  Raise(OnAfterCreated, *this, browser);
}

bool TChromium::HandleClose(Ref<ICefBrowser> browser) {
  TCefCloseBrowserAction action = cbaClose;
  Raise(OnClose, *this, browser, action);
  if (action == cbaCancel) return true;
  if (IsMainBrowser(browser)) FClosing = true;
  // Delayed: the engine must not close the window now; the program destroys its parent.
  return action == cbaDelay;
}

void TChromium::HandleBeforeClose(Ref<ICefBrowser> browser) {
  if (IsMainBrowser(browser)) {
    FInitialized = false;
    ForgetBrowser();
  }
  // The page's pop-ups share the client handler: detached sooner, their closes would go
  // unreported.
  if (browser && --FOpenBrowsers == 0) DestroyClientHandler();
  Raise(OnBeforeClose, *this, browser);
}

void TChromium::ForgetBrowser() {
  CefRefPtr<ICefBrowser> browser;
  {
    const std::lock_guard<std::mutex> hold(FLock);
    browser = std::move(FBrowser);
  }
  FBrowserId = 0;
}

void TChromium::CloseBrowser(bool forceClose) {
  AssertUiThread();
  if (!Initialized()) return;
  const CefRefPtr<ICefBrowser> browser = Browser();
  if (!browser) return;
  if (const CefRefPtr<ICefBrowserHost> host = browser->GetHost()) host->CloseBrowser(forceClose);
}
