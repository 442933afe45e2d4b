#ifndef OSTREL_UI_MESSAGES_H_
#define OSTREL_UI_MESSAGES_H_

// The program's own window messages, all in one place with what their parameters carry, and the
// one way another thread reaches the main thread.
//
// Engine threads, workers and timers never touch a window. They either post one of these
// messages to a window the main thread owns (PostToWindow), or queue a callable with
// uitask::Post (ui_task.h), which wakes the main thread with a message of its own. Nothing else
// is sent across threads: a sent message waits for a main thread that may itself be waiting for
// the sender. The one exception is the upgrade worker's synchronisation (kThreadSyncMessage),
// which waits by design; every wait of the main thread keeps such messages flowing.

#include <windows.h>

// TChromium's hidden window.
inline constexpr UINT kChromiumPrefsAvailable = 0x8A00;  // wParam: 1 preferences written, 0 not
inline constexpr UINT kChromiumDragStart = 0x8A02;       // windowless drag start (not used here)

// TCEFSentinel's hidden window; no parameters.
inline constexpr UINT MSG_SENTINEL_START = 0x8A0A;  // start the timer
inline constexpr UINT MSG_SENTINEL_CLOSE = 0x8A0B;  // raise OnClose

// The main window; no parameters.
inline constexpr UINT MSG_BROWSER_CREATED = WM_APP + 0xA03;  // the main browser exists
inline constexpr UINT MSG_DESTROY_HOST = WM_APP + 0xA06;     // destroy the browser's host window

// The main window's commands (context menu, keys, results of the engine's operations).
inline constexpr UINT MSG_SHOW_DEVTOOLS = 0x8101;  // wParam: x << 16 | y (16 bits each), 0: F12
inline constexpr UINT MSG_HIDE_DEVTOOLS = 0x8102;
inline constexpr UINT MSG_COPY_HTML = 0x8103;
inline constexpr UINT MSG_SHOW_HEADERS = 0x8104;
inline constexpr UINT MSG_COPY_FRAME_IDS = 0x8105;
inline constexpr UINT MSG_COPY_FRAME_NAMES = 0x8106;
inline constexpr UINT MSG_SAVE_PREFERENCES = 0x8107;
inline constexpr UINT MSG_COPY_TEXT = 0x8108;
inline constexpr UINT MSG_TAKE_SNAPSHOT = 0x8109;
inline constexpr UINT MSG_SHOW_NAVIGATION = 0x810A;
inline constexpr UINT MSG_COOKIES_FLUSHED = 0x810B;

// The upgrade workers' shared window ("TulThreadWindow"): run the pending call of the run in
// lParam, whose number is in wParam; number 0 asks to free that run, whose thread has ended.
inline constexpr UINT kThreadSyncMessage = 0x8FFF;

// Posts `message` to `window`, a window of the main thread. False when there is no window to
// post to: PostMessage without a window would queue the message to the calling thread instead,
// an engine thread that never reads it.
inline bool PostToWindow(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) noexcept {
  return window != nullptr && PostMessageW(window, message, wParam, lParam) != FALSE;
}

#endif  // OSTREL_UI_MESSAGES_H_
