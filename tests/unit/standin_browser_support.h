#ifndef OSTREL_TESTS_UNIT_STANDIN_BROWSER_SUPPORT_H_
#define OSTREL_TESTS_UNIT_STANDIN_BROWSER_SUPPORT_H_

// The program's side of a browser, played by a test against the stand-in engine: an app with a
// browser-process handler, a client whose handlers record every notification (with the engine
// thread it arrived on), a parent window, and a small HTTP server on 127.0.0.1. All engine
// structures are filled by the test (FakeEngineObject), so the counts show what the stand-in
// took and gave back.

#include <windows.h>
#include <winsock2.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/loopback_server.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/standin_test_support.h"

namespace standin_test {

inline std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

inline std::string EngineThread() {
  if (Engine().cef_currently_on(TID_UI)) return "ui";
  if (Engine().cef_currently_on(TID_IO)) return "io";
  return "other";
}

// Runs the calling thread's messages until `done` holds or `ms` passed; true when it held.
inline bool PumpUntil(const std::function<bool()>& done, int ms = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

// A struct S of the test with a pointer back to its owner; the callbacks find the owner
// from `self`, as the program's owned objects do.
template <class S, class Owner>
struct Part {
  FakeEngineObject<S> object;  // first: an S* is a Part*
  Owner* owner = nullptr;
  static Owner* Of(const void* self) { return reinterpret_cast<const Part*>(self)->owner; }
  // The getter's result: a pointer carrying one reference for the engine.
  S* Give() {
    FakeEngineObject<S>::AddRef(object.Base());
    return object.Get();
  }
};

template <class S>
void Release(S* object) {
  if (object) object->base.release(&object->base);
}

// The browser-process side: cef_initialize with an app whose handler reports the context.
class FakeProgram {
 public:
  FakeProgram();
  ~FakeProgram();
  bool Start(const std::wstring& subprocess_path = L"");
  void Stop();

  Part<cef_app_t, FakeProgram> app;
  Part<cef_browser_process_handler_t, FakeProgram> handler;
  std::atomic<bool> context_ready{false};
  std::mutex lock;
  std::vector<std::string> child_launches;  // the --type of each on_before_child_process_launch

 private:
  bool started_ = false;
};

// A client whose handlers record the notifications as "name args @thread".
class FakeClient {
 public:
  FakeClient();
  FakeClient(const FakeClient&) = delete;
  FakeClient& operator=(const FakeClient&) = delete;

  void Record(const std::string& event);
  std::vector<std::string> Events();
  std::vector<std::string> Events(const std::string& prefix);
  bool WaitFor(const std::string& prefix, int ms = 10000);

  // The references the engine still holds on the client and its handlers (0 once released).
  int EngineReferences();

  Part<cef_client_t, FakeClient> client;
  Part<cef_life_span_handler_t, FakeClient> life_span;
  Part<cef_load_handler_t, FakeClient> load;
  Part<cef_display_handler_t, FakeClient> display;
  Part<cef_request_handler_t, FakeClient> request;
  Part<cef_resource_request_handler_t, FakeClient> resource;
  Part<cef_keyboard_handler_t, FakeClient> keyboard;
  Part<cef_context_menu_handler_t, FakeClient> context_menu;
  Part<cef_jsdialog_handler_t, FakeClient> jsdialog;
  Part<cef_download_handler_t, FakeClient> download;

  // Answers of the program.
  std::atomic<int> do_close_answer{0};                        // 1: "delay"
  std::atomic<int> consume_key{0};                            // key code the pre-key event consumes
  std::wstring download_path;                                 // cont() path for before-download
  std::function<void(cef_jsdialog_callback_t*)> on_jsdialog;  // takes the callback's reference
  std::function<void(cef_request_callback_t*)> on_certificate;

  // The first browser reported by after-created (one reference, released at before-close).
  std::atomic<cef_browser_t*> browser{nullptr};
  std::atomic<cef_browser_t*> popup{nullptr};
  std::atomic<bool> after_created_on_ui{false};
  std::map<std::wstring, std::wstring> last_request_headers;  // from on_before_resource_load
  std::map<std::wstring, std::wstring> last_response_headers;

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  std::vector<std::string> events_;
};

// A parent window of the test thread for the engine's browser window.
class ParentWindow {
 public:
  ParentWindow();
  ~ParentWindow();
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

using LoopbackServer = test_support::LoopbackServer;

// The window description of a child browser filling `parent`.
cef_window_info_t ChildWindowInfo(HWND parent, int width, int height);
cef_browser_settings_t BrowserSettings();

}  // namespace standin_test

#endif  // OSTREL_TESTS_UNIT_STANDIN_BROWSER_SUPPORT_H_
