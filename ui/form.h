#ifndef OSTREL_UI_FORM_H_
#define OSTREL_UI_FORM_H_

// TForm: a top-level window holding controls (the main window, dialogs, the upgrade windows).
// A form is created hidden; the derived class builds its controls (members) in its constructor.
// The form reports (close asked, shown, destroyed) and its owner's handlers decide.

#include <functional>
#include <memory>
#include <string_view>

#include "ui/window.h"

// Values of the system's dialog results (IDOK ...), so a message box answer compares directly.
enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrClose = 8,
};
enum TCloseAction : int { caNone, caHide, caFree, caMinimize };
enum TFormBorderStyle : int { bsNone, bsSingle, bsSizeable, bsDialog };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum TWindowState : int { wsNormal, wsMinimized, wsMaximized };
enum TFormPosition : int { poScreenCenter, poDesigned, poDefault };

class TButton;

class TForm : public TWindow {
 public:
  struct CreateArgs {
    std::wstring_view caption;
    int clientWidth = 400;  // design units, like every size below
    int clientHeight = 300;
    TFormPosition position = poScreenCenter;  // centred again each time it is shown
    int left = 0;                             // poDesigned only
    int top = 0;
    TFormBorderStyle borderStyle = bsSizeable;
    unsigned borderIcons = biSystemMenu | biMinimize | biMaximize;
    bool stayOnTop = false;
    TPadding padding;
    HFONT font = nullptr;    // nullptr: the system's message font
    HICON icon = nullptr;    // nullptr: the application's icon
    int designDpi = 96;      // the DPI the sizes were written for
    TForm* owner = nullptr;  // nullptr: the application's main form (none for the main form)
    bool dialogKeys = true;  // Tab, Return, Escape and Alt+letter work as in a dialog
  };

  TForm() = default;
  ~TForm() override;

  // Creates the window, hidden.
  bool Create(const CreateArgs& args);

  std::function<void()> OnCreate;  // raised by TApplication::CreateForm once constructed
  std::function<void()> OnShow;    // each time the form is about to show
  std::function<void(bool& canClose)> OnCloseQuery;
  // Not raised for modal forms. The default action: caFree for the main form, else caHide.
  std::function<void(TCloseAction& action)> OnClose;
  std::function<void()> OnDestroy;  // the window goes; its controls still exist

  void SetVisible(bool visible) override;  // showing also activates
  // What the close box does: asks OnCloseQuery, then hides, frees (Release) or ends the modal
  // loop with mrCancel.
  void Close();
  bool CloseQuery();
  // Destroys the window now and deletes the object from a UI task, unless the application owns
  // the form (TApplication::CreateForm). Only for forms made with `new`.
  void Release();

  // Shows the form and runs messages until ModalResult is set, the form closes or the
  // application ends; every other window of the thread is disabled meanwhile. Returns the
  // result (mrCancel when the form could not be shown or was closed).
  int ShowModal();
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int result) { FModalResult = result; }
  bool Modal() const { return FModal; }

  void SetCaption(std::wstring_view caption) { SetText(caption); }
  void SetClientSize(int width, int height);  // device pixels
  void SetStayOnTop(bool stayOnTop);          // not moved, sized or activated
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  unsigned BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(unsigned icons);
  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);  // while hidden: applied when shown
  bool DialogKeys() const { return FDialogKeys; }

  // Return clicks the default button, Escape the cancel button (set by TButton).
  void SetDefaultButton(TButton* button);
  void SetCancelButton(TButton* button);
  // Whether Return (default) or Escape (cancel) has a button of this form to click.
  bool HasDefaultButton() const { return HasButton(FDefaultButton); }
  bool HasCancelButton() const { return HasButton(FCancelButton); }

  // The form whose window holds `window` (itself for a form); nullptr when none.
  static TForm* FormOf(const TWindow* window);

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  struct TButtonRef {
    TButton* button = nullptr;
    std::weak_ptr<const void> life;
  };
  void ApplyStyle();
  void FitIntoWorkArea();
  void CentreOnScreen();
  static void ClickButton(const TButtonRef& ref);
  static bool HasButton(const TButtonRef& ref) {
    return ref.button != nullptr && !ref.life.expired();
  }

  TFormBorderStyle FBorderStyle = bsSizeable;
  unsigned FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TFormPosition FPosition = poScreenCenter;
  bool FDialogKeys = true;
  bool FModal = false;
  bool FReleased = false;
  int FModalResult = mrNone;
  int FPendingState = -1;  // a TWindowState set while hidden, or -1
  HWND FLastFocus = nullptr;
  TButtonRef FDefaultButton;
  TButtonRef FCancelButton;
};

#endif  // OSTREL_UI_FORM_H_
