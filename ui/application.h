#ifndef OSTREL_UI_APPLICATION_H_
#define OSTREL_UI_APPLICATION_H_

// TApplication: the windowing side of the browser process. The entry initialises it, creates
// the forms in their order (the first one is the main form), runs the message loop until the
// main form has gone and finalises it. Every message the loop takes passes OnMessage before it
// is dispatched. One per process: Application(). UI thread only.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TForm;

class TApplication {
 public:
  TApplication() = default;
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Common controls and the UI task queue. False when the queue's window could not be made.
  bool Initialize();

  // The main form owns the task-bar button. Without a hidden application window this is always
  // so here; on, the main form also asks for it explicitly (WS_EX_APPWINDOW).
  bool MainFormOnTaskbar() const { return FMainFormOnTaskbar; }
  void SetMainFormOnTaskbar(bool value) { FMainFormOnTaskbar = value; }

  // Constructs a form the application owns (deleted by Finalize); the first becomes the main
  // form, whose end ends Run. Raises the form's OnCreate.
  template <typename T, typename... Args>
  T* CreateForm(Args&&... args) {
    auto* form = new T(std::forward<Args>(args)...);
    AdoptForm(form);
    return form;
  }
  TForm* MainForm() const { return FMainForm; }
  bool OwnsForm(const TForm* form) const;

  // Shows the main form (`showCommand` as given to the entry) and handles messages until
  // WM_QUIT (Terminate, or the main form destroyed). Returns at once without a main form.
  void Run(int showCommand = SW_SHOWNORMAL);
  // Waits for one message and handles it; false once WM_QUIT arrived (Terminated()).
  bool HandleMessage();
  // Handles the messages already waiting, then returns.
  void ProcessMessages();
  // Posts WM_QUIT: the running loop ends once it has handled the messages queued before.
  void Terminate();
  bool Terminated() const { return FTerminated; }  // WM_QUIT has been taken

  // After Run: destroys the owned forms (last created first), then runs or frees the UI tasks
  // still queued and closes the queue.
  void Finalize();

  // Sees every message the loop takes, before dispatch; `handled` stops its dispatch.
  std::function<void(MSG& message, bool& handled)> OnMessage;

  // The caption of message boxes and the upgrade windows (default: the program file's name).
  const std::wstring& Title() const;
  void SetTitle(std::wstring_view title) { FTitle = title; }
  // The icon of the forms (default: the system's application icon).
  HICON Icon() const;
  void SetIcon(HICON icon) { FIcon = icon; }

  // Called by ~TForm.
  void ForgetForm(TForm* form);

 private:
  void AdoptForm(TForm* form);
  void ProcessMessage(MSG& message);
  bool IsDialogKey(MSG& message);

  bool FMainFormOnTaskbar = false;
  bool FTerminated = false;
  TForm* FMainForm = nullptr;
  std::vector<TForm*> FForms;  // owned
  mutable std::wstring FTitle;
  HICON FIcon = nullptr;
};

TApplication& Application();

#endif  // OSTREL_UI_APPLICATION_H_
