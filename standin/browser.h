#ifndef OSTREL_STANDIN_BROWSER_H_
#define OSTREL_STANDIN_BROWSER_H_

// A browser of the stand-in engine: its state, its windows and the three engine objects the
// program sees (browser, host, main frame). The Browser holds one reference to each object until
// it has closed; each object keeps the Browser alive through a shared pointer, so a program that
// keeps an object after before-close still calls into a valid (closed) browser.
//
// Threads: creation, navigation commits, closing and every handler callback run on the engine UI
// thread, which owns the windows; resource-request callbacks run on the IO thread. State read
// by the program's threads is guarded by the Browser's lock.

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "standin/capi.h"
#include "standin/refcount.h"

namespace standin {

struct Page {
  std::wstring url;
  std::wstring title;
  std::wstring text;                                         // the page's text, markup removed
  std::vector<std::pair<std::wstring, std::wstring>> links;  // (text, address)
  std::string source;                                        // as received
  int status = 0;
  std::wstring error;  // "net::ERR_..." for a failed load
};

struct CreateParams {
  cef_window_info_t window{};  // window_name cleared; see `name`
  std::wstring name;
  std::wstring url;
  ProgramRef<cef_client_t> client;
  ProgramRef<cef_request_context_t> context;
  ProgramRef<cef_dictionary_value_t> extra_info;
  bool popup = false;
  bool dev_tools = false;
  HWND opener = nullptr;
};

class Browser : public std::enable_shared_from_this<Browser> {
 public:
  // Creates the browser, its windows and objects on the UI thread, then reports after-created
  // and render-view-ready and starts loading. Null when the window cannot be created.
  static std::shared_ptr<Browser> Create(CreateParams params);
  ~Browser();
  Browser(const Browser&) = delete;
  Browser& operator=(const Browser&) = delete;

  const int id;
  const bool popup;
  const bool dev_tools;
  int64 FrameId() const { return (static_cast<int64>(id) << 32) | 1; }

  // New references for the receiver (callback arguments, getter results).
  cef_browser_t* NewBrowserRef();
  cef_browser_host_t* NewHostRef();
  cef_frame_t* NewFrameRef();
  ProgramRef<cef_client_t> Client();
  ProgramRef<cef_request_context_t> Context();

  // The handler the client's getter gives now (empty without client or handler).
  template <typename Handler>
  ProgramRef<Handler> Get(Handler* (CEF_CALLBACK* cef_client_t::*getter)(cef_client_t*)) {
    ProgramRef<cef_client_t> client = Client();
    if (!client || !(client.get()->*getter)) return ProgramRef<Handler>();
    return ProgramRef<Handler>((client.get()->*getter)(client.get()));
  }

  // Any thread: posted to the UI thread.
  void LoadUrl(const std::wstring& url);
  void LoadString(const std::wstring& html, const std::wstring& url);
  void GoBack();
  void GoForward();
  void Reload();
  void StopLoad();
  void CloseBrowser(bool force);
  // While held, a close request waits (as behind a page slow to let go);
  // releasing runs the last one that waited.
  void HoldClose(bool hold);

  // Any thread.
  bool CanGoBack();
  bool CanGoForward();
  bool IsLoading();
  bool HasDocument();
  bool IsClosing();
  bool IsClosed();
  Page CurrentPage();
  // The addresses of the history and the index of the current one (-1 before the first load).
  std::vector<std::wstring> History(int* current);
  HWND Window();
  HWND RenderWindow();
  HWND Opener() const { return opener_; }
  std::atomic<double> zoom_level{0};
  std::atomic<bool> audio_muted{false};
  std::shared_ptr<Browser> dev_tools_browser;  // UI thread

  // UI thread: the window messages of the render window that the engine answers.
  void OnRenderInput(UINT message, WPARAM wparam, LPARAM lparam);
  // UI thread: a key event through the keyboard handler (pre-key event, then key event).
  void KeyEvent(const cef_key_event_t& event, MSG* os_event);
  // UI thread: the context menu at (x, y); choose > 0 picks that command instead of showing
  // the menu, choose < 0 dismisses it.
  void ContextMenu(int x, int y, int choose);
  // UI thread: the display handler's status message.
  void StatusMessage(const std::wstring& text);
  // UI thread: the display handler's loading progress (0 to 1).
  void LoadingProgress(double progress);
  // UI thread: the page entered (true) or left full-screen mode, as requestFullscreen() and
  // exitFullscreen() (or Escape) make the engine report it.
  void FullScreenModeChange(bool fullscreen);
  void Paint(HDC dc, const RECT& client);
  // UI thread: the browser window is gone; the close completes.
  void OnWindowDestroyed();
  // cef_shutdown with the browser still open: drops it without callbacks.
  void Abandon();

 private:
  friend class Navigation;
  Browser(int browser_id, CreateParams& params);
  bool CreateWindows(const cef_window_info_t& window, const std::wstring& name);
  void ReportCreated();
  void Navigate(const std::wstring& url, cef_transition_type_t transition, int history_step,
                std::shared_ptr<std::string> content);
  void ReleaseObjects();

  std::mutex lock_;
  ProgramRef<cef_client_t> client_;
  ProgramRef<cef_request_context_t> context_;
  ProgramRef<cef_dictionary_value_t> extra_info_;
  HWND opener_ = nullptr;
  std::wstring initial_url_;
  cef_browser_t* browser_object_ = nullptr;  // one reference each, until closed
  cef_browser_host_t* host_object_ = nullptr;
  cef_frame_t* frame_object_ = nullptr;
  HWND window_ = nullptr, widget_ = nullptr, render_ = nullptr;
  std::vector<std::wstring> history_;
  int history_index_ = -1;
  Page page_;
  bool loading_ = false;
  int load_sequence_ = 0;
  std::wstring pending_url_;
  bool closing_ = false;
  bool closed_ = false;
  bool close_held_ = false;
  std::optional<bool> held_close_;  // the force of the close request waiting
  int renderer_child_ = 0;
  std::vector<RECT> link_rects_;
  int hovered_link_ = -1;
  std::shared_ptr<Browser> self_;  // keeps the browser alive while its window exists
};

// The browsers that exist (created and not yet closed).
std::shared_ptr<Browser> FindBrowser(int id);
std::vector<std::shared_ptr<Browser>> OpenBrowsers();
// Abandons every open browser (cef_shutdown); the next engine run counts identifiers from 1.
void AbandonBrowsers();

// The engine objects of a browser (browser_objects.cpp).
cef_browser_t* NewBrowserObject(std::shared_ptr<Browser> browser);
cef_browser_host_t* NewHostObject(std::shared_ptr<Browser> browser);
cef_frame_t* NewFrameObject(std::shared_ptr<Browser> browser);
std::shared_ptr<Browser> BrowserOf(cef_browser_t* object);

}  // namespace standin

#endif  // OSTREL_STANDIN_BROWSER_H_
