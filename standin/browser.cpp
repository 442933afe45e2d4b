// Group "browser": creation, the browser's state and the close sequence.
//
// cef_browser_host_create_browser validates its arguments, returns 1 and creates the browser
// later on the UI thread: identifier (counting from 1), the window tree (browser_window.cpp),
// after-created, render-view-ready, a renderer sub-process, then the initial address loads.
// Closing: close_browser(force) -> do_close on the UI thread; answered false, the engine destroys
// the browser window; answered true ("delay"), it waits until the window's parent destroys it.
// Once the window is gone: on_before_close, the renderer ends, every reference is released.

#include "standin/browser.h"

#include <atomic>
#include <map>

#include "standin/children.h"
#include "standin/net_objects.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {
namespace {

struct Registry {
  std::mutex lock;
  std::map<int, std::shared_ptr<Browser>> open;
  std::atomic<int> next_id{1};
};

Registry& Browsers() {
  static Registry* registry = new Registry;
  return *registry;
}

std::string Id(int id) { return " id=" + std::to_string(id); }

}  // namespace

Browser::Browser(int browser_id, CreateParams& params)
    : id(browser_id),
      popup(params.popup),
      dev_tools(params.dev_tools),
      client_(std::move(params.client)),
      context_(std::move(params.context)),
      extra_info_(std::move(params.extra_info)),
      opener_(params.opener),
      initial_url_(params.url) {}

Browser::~Browser() = default;

std::shared_ptr<Browser> Browser::Create(CreateParams params) {
  const int id = Browsers().next_id.fetch_add(1);
  std::shared_ptr<Browser> browser(new Browser(id, params));
  if (!browser->CreateWindows(params.window, params.name)) {
    Trace("create-browser-failed" + Id(id) + " error=" + std::to_string(GetLastError()));
    return nullptr;
  }
  browser->self_ = browser;
  browser->browser_object_ = NewBrowserObject(browser);
  browser->host_object_ = NewHostObject(browser);
  browser->frame_object_ = NewFrameObject(browser);
  {
    Registry& registry = Browsers();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.open[id] = browser;
  }
  browser->ReportCreated();
  return browser;
}

void Browser::ReportCreated() {
  Trace("after-created" + Id(id) + " thread=" + ThreadName(CurrentEngineThread()) +
        (popup ? " popup=1" : "") + (dev_tools ? " dev-tools=1" : ""));
  std::weak_ptr<Browser> weak = shared_from_this();
  PostClosure(TID_PROCESS_LAUNCHER, [weak, id = id] {
    const int child =
        StartChild(L"renderer", L"--renderer-client-id=" + std::to_wstring(id), nullptr);
    bool kept = false;
    if (auto browser = weak.lock()) {
      std::lock_guard<std::mutex> guard(browser->lock_);
      if (!browser->closed_) browser->renderer_child_ = child;
      kept = !browser->closed_;
    }
    if (!kept) EndChild(child);  // closed before the renderer came up
  });
  if (auto handler = Get(&cef_client_t::get_life_span_handler);
      handler && handler->on_after_created) {
    handler->on_after_created(handler.get(), NewBrowserRef());
  }
  // The engine's windows exist now: the render view is ready.
  Trace("render-view-ready" + Id(id));
  if (auto handler = Get(&cef_client_t::get_request_handler);
      handler && handler->on_render_view_ready) {
    handler->on_render_view_ready(handler.get(), NewBrowserRef());
  }
  if (!initial_url_.empty()) Navigate(initial_url_, TT_EXPLICIT, 0, nullptr);
}

cef_browser_t* Browser::NewBrowserRef() {
  std::lock_guard<std::mutex> guard(lock_);
  if (!browser_object_) return nullptr;
  AddRefProgramObject(browser_object_);
  return browser_object_;
}

cef_browser_host_t* Browser::NewHostRef() {
  std::lock_guard<std::mutex> guard(lock_);
  if (!host_object_) return nullptr;
  AddRefProgramObject(host_object_);
  return host_object_;
}

cef_frame_t* Browser::NewFrameRef() {
  std::lock_guard<std::mutex> guard(lock_);
  if (!frame_object_) return nullptr;
  AddRefProgramObject(frame_object_);
  return frame_object_;
}

ProgramRef<cef_client_t> Browser::Client() {
  std::lock_guard<std::mutex> guard(lock_);
  if (client_) AddRefProgramObject(client_.get());
  return ProgramRef<cef_client_t>(client_.get());
}

ProgramRef<cef_request_context_t> Browser::Context() {
  std::lock_guard<std::mutex> guard(lock_);
  if (context_) AddRefProgramObject(context_.get());
  return ProgramRef<cef_request_context_t>(context_.get());
}

void Browser::LoadUrl(const std::wstring& url) {
  auto self = shared_from_this();
  PostClosure(TID_UI, [self, url] { self->Navigate(url, TT_EXPLICIT, 0, nullptr); });
}

void Browser::LoadString(const std::wstring& html, const std::wstring& url) {
  auto self = shared_from_this();
  auto content = std::make_shared<std::string>(Utf16ToUtf8(html));
  PostClosure(TID_UI, [self, url, content] { self->Navigate(url, TT_EXPLICIT, 0, content); });
}

void Browser::GoBack() {
  auto self = shared_from_this();
  PostClosure(TID_UI, [self] {
    std::wstring url;
    {
      std::lock_guard<std::mutex> guard(self->lock_);
      if (self->history_index_ <= 0) return;
      url = self->history_[self->history_index_ - 1];
    }
    self->Navigate(url, static_cast<cef_transition_type_t>(TT_EXPLICIT | TT_FORWARD_BACK_FLAG), -1,
                   nullptr);
  });
}

void Browser::GoForward() {
  auto self = shared_from_this();
  PostClosure(TID_UI, [self] {
    std::wstring url;
    {
      std::lock_guard<std::mutex> guard(self->lock_);
      if (self->history_index_ + 1 >= static_cast<int>(self->history_.size())) return;
      url = self->history_[self->history_index_ + 1];
    }
    self->Navigate(url, static_cast<cef_transition_type_t>(TT_EXPLICIT | TT_FORWARD_BACK_FLAG), 1,
                   nullptr);
  });
}

void Browser::Reload() {
  auto self = shared_from_this();
  PostClosure(TID_UI, [self] {
    std::wstring url;
    {
      std::lock_guard<std::mutex> guard(self->lock_);
      if (self->history_index_ < 0) return;
      url = self->history_[self->history_index_];
    }
    self->Navigate(url, TT_RELOAD, 2, nullptr);
  });
}

void Browser::CloseBrowser(bool force) {
  auto self = shared_from_this();
  PostClosure(TID_UI, [self, force] {
    if (self->IsClosed() || self->IsClosing()) return;
    {
      std::lock_guard<std::mutex> guard(self->lock_);
      if (self->close_held_) {
        self->held_close_ = force;
        Trace("close-held" + Id(self->id) + " force=" + (force ? "1" : "0"));
        return;
      }
    }
    auto handler = self->Get(&cef_client_t::get_life_span_handler);
    int keep = 0;
    if (handler && handler->do_close)
      keep = handler->do_close(handler.get(), self->NewBrowserRef());
    Trace("do-close" + Id(self->id) + " force=" + (force ? "1" : "0") +
          " result=" + std::to_string(keep ? 1 : 0));
    if (keep) return;  // the program closes the window (or cancelled)
    {
      std::lock_guard<std::mutex> guard(self->lock_);
      self->closing_ = true;
    }
    if (HWND window = self->Window()) DestroyWindow(window);
  });
}

void Browser::HoldClose(bool hold) {
  std::optional<bool> held;
  {
    std::lock_guard<std::mutex> guard(lock_);
    close_held_ = hold;
    if (!hold) held = std::exchange(held_close_, std::nullopt);
  }
  Trace((hold ? "close-hold" : "close-release") + Id(id));
  if (held) CloseBrowser(*held);
}

bool Browser::CanGoBack() {
  std::lock_guard<std::mutex> guard(lock_);
  return history_index_ > 0;
}

bool Browser::CanGoForward() {
  std::lock_guard<std::mutex> guard(lock_);
  return history_index_ + 1 < static_cast<int>(history_.size());
}

bool Browser::IsLoading() {
  std::lock_guard<std::mutex> guard(lock_);
  return loading_;
}

bool Browser::HasDocument() {
  std::lock_guard<std::mutex> guard(lock_);
  return history_index_ >= 0 && !closed_;
}

bool Browser::IsClosing() {
  std::lock_guard<std::mutex> guard(lock_);
  return closing_;
}

bool Browser::IsClosed() {
  std::lock_guard<std::mutex> guard(lock_);
  return closed_;
}

Page Browser::CurrentPage() {
  std::lock_guard<std::mutex> guard(lock_);
  return page_;
}

std::vector<std::wstring> Browser::History(int* current) {
  std::lock_guard<std::mutex> guard(lock_);
  if (current) *current = history_index_;
  return history_;
}

HWND Browser::Window() {
  std::lock_guard<std::mutex> guard(lock_);
  return window_;
}

HWND Browser::RenderWindow() {
  std::lock_guard<std::mutex> guard(lock_);
  return render_;
}

void Browser::OnWindowDestroyed() {
  auto keep = shared_from_this();
  int renderer = 0;
  std::shared_ptr<Browser> tools;
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (closed_) return;
    closed_ = closing_ = true;
    window_ = widget_ = render_ = nullptr;
    ++load_sequence_;  // a load still on its way is dropped
    renderer = renderer_child_;
    tools = std::move(dev_tools_browser);
  }
  {
    Registry& registry = Browsers();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.open.erase(id);
  }
  if (tools) tools->CloseBrowser(true);
  Trace("before-close" + Id(id));
  if (auto handler = Get(&cef_client_t::get_life_span_handler);
      handler && handler->on_before_close) {
    handler->on_before_close(handler.get(), NewBrowserRef());
  }
  if (renderer) EndChild(renderer);
  ReleaseObjects();
  self_.reset();
}

void Browser::ReleaseObjects() {
  cef_browser_t* browser;
  cef_browser_host_t* host;
  cef_frame_t* frame;
  ProgramRef<cef_client_t> client;
  ProgramRef<cef_request_context_t> context;
  ProgramRef<cef_dictionary_value_t> extra;
  {
    std::lock_guard<std::mutex> guard(lock_);
    browser = std::exchange(browser_object_, nullptr);
    host = std::exchange(host_object_, nullptr);
    frame = std::exchange(frame_object_, nullptr);
    client = std::move(client_);
    context = std::move(context_);
    extra = std::move(extra_info_);
  }
  ReleaseProgramObject(frame);
  ReleaseProgramObject(host);
  ReleaseProgramObject(browser);
}

void Browser::Abandon() {
  auto keep = shared_from_this();
  Trace("misuse shutdown-with-open-browser" + Id(id));
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const bool posted = PostClosure(TID_UI, [keep, done] {
    HWND window;
    {
      std::lock_guard<std::mutex> guard(keep->lock_);
      keep->closed_ = true;  // no before-close for an abandoned browser
      window = keep->window_;
    }
    if (window) DestroyWindow(window);
    SetEvent(done);
  });
  // The window's destruction sends messages to its parent's thread (this one, usually): they
  // are answered while waiting, or both threads would wait for each other.
  const ULONGLONG give_up = GetTickCount64() + 5000;
  while (posted && GetTickCount64() < give_up &&
         MsgWaitForMultipleObjects(1, &done, FALSE, 100, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  CloseHandle(done);
  {
    Registry& registry = Browsers();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.open.erase(id);
  }
  ReleaseObjects();
  self_.reset();
}

std::shared_ptr<Browser> FindBrowser(int id) {
  Registry& registry = Browsers();
  std::lock_guard<std::mutex> guard(registry.lock);
  auto found = registry.open.find(id);
  return found == registry.open.end() ? nullptr : found->second;
}

std::vector<std::shared_ptr<Browser>> OpenBrowsers() {
  Registry& registry = Browsers();
  std::lock_guard<std::mutex> guard(registry.lock);
  std::vector<std::shared_ptr<Browser>> browsers;
  for (auto& [id, browser] : registry.open) browsers.push_back(browser);
  return browsers;
}

void AbandonBrowsers() {
  for (auto& browser : OpenBrowsers()) browser->Abandon();
  // The engine runs once per process; in-process tests initialise it again and count from 1.
  Browsers().next_id = 1;
}

}  // namespace standin

namespace {

using standin::Trace;

// The checks of the engine's creation functions; false makes them fail at once.
bool ValidCreate(const cef_window_info_t* window, const cef_browser_settings_t* settings) {
  const char* reason = nullptr;
  if (!standin::EngineThreadsRunning()) {
    reason = "not-initialized";
  } else if (!window) {
    reason = "no-window-info";
  } else if (!settings || settings->size != sizeof(cef_browser_settings_t)) {
    reason = "settings-size";
  } else if (window->windowless_rendering_enabled) {
    reason = "windowless-unsupported";
  } else if (window->parent_window && !IsWindow(window->parent_window)) {
    reason = "parent-not-a-window";
  }
  if (reason) Trace(std::string("create-browser result=0 reason=") + reason);
  return reason == nullptr;
}

standin::CreateParams Params(const cef_window_info_t* window, cef_client_t* client,
                             const cef_string_t* url, cef_dictionary_value_t* extra_info,
                             cef_request_context_t* context) {
  standin::CreateParams params;
  // Adopted first: the references are released on every path, failures included.
  params.client.reset(client);
  params.extra_info.reset(extra_info);
  params.context.reset(context);
  params.url = standin::FromRecord(url);
  if (window) {
    params.window = *window;
    params.name = standin::FromRecord(&window->window_name);
    params.window.window_name = cef_string_t{};
  }
  if (!params.context) params.context.reset(standin::NewGlobalRequestContext());
  return params;
}

}  // namespace

extern "C" {

int cef_browser_host_create_browser(const cef_window_info_t* windowInfo, cef_client_t* client,
                                    const cef_string_t* url,
                                    const struct _cef_browser_settings_t* settings,
                                    cef_dictionary_value_t* extra_info,
                                    cef_request_context_t* request_context) {
  auto params = std::make_shared<standin::CreateParams>(
      Params(windowInfo, client, url, extra_info, request_context));
  if (!ValidCreate(windowInfo, settings)) return 0;
  Trace("create-browser result=1 url=" + standin::TraceValue(params->url));
  const bool posted =
      standin::PostClosure(TID_UI, [params] { standin::Browser::Create(std::move(*params)); });
  return posted ? 1 : 0;
}

cef_browser_t* cef_browser_host_create_browser_sync(const cef_window_info_t* windowInfo,
                                                    cef_client_t* client, const cef_string_t* url,
                                                    const struct _cef_browser_settings_t* settings,
                                                    cef_dictionary_value_t* extra_info,
                                                    cef_request_context_t* request_context) {
  standin::CreateParams params = Params(windowInfo, client, url, extra_info, request_context);
  if (!ValidCreate(windowInfo, settings)) return nullptr;
  if (!standin::CurrentlyOn(TID_UI)) {
    Trace("misuse create-browser-sync-off-ui-thread");  // the engine refuses it too
    return nullptr;
  }
  Trace("create-browser-sync url=" + standin::TraceValue(params.url));
  auto browser = standin::Browser::Create(std::move(params));
  return browser ? browser->NewBrowserRef() : nullptr;
}

}  // extern "C"
