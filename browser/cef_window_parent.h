#ifndef OSTREL_BROWSER_CEF_WINDOW_PARENT_H_
#define OSTREL_BROWSER_CEF_WINDOW_PARENT_H_

// The host window control: the windowed control inside which the engine creates its browser
// window as the only child. It docks like any other control (alClient for the main browser,
// alRight for developer tools) and keeps the engine window filling its client area.
//
// The engine window belongs to the engine's UI thread, not ours: sizing it works across
// threads, destroying it directly does not (DestroyChildWindow then reports false). Destroying
// the host control destroys the engine window with it, which is how the close handshake lets
// the engine finish closing a browser. UI thread only.

#include <windows.h>

#include "ui/window.h"

class TCEFWinControl : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
  };
  bool Create(const CreateArgs& args);

  // The engine's browser window: the first child of this control's window; nullptr while the
  // control has no window or no child.
  virtual HWND ChildWindowHandle() const;
  // Places the child at (0, 0) with the control's client size, keeping its Z order.
  void UpdateSize();
  // Repaints the control and every window inside it.
  void InvalidateChildren();
  // True when a child existed and was destroyed (only possible for a child of this thread).
  bool DestroyChildWindow();

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override;
};

class TCEFWindowParent : public TCEFWinControl {
 public:
  // Every key but Return, Escape and the arrows belongs to the page, so Tab moves through the
  // page instead of to the next control. Arrows go the way the dialog code below says (the
  // page's); Return and Escape the page's too, unless the form has a default or cancel button
  // for them.
  bool WantsKey(WPARAM key) const override;

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override;
};

#endif  // OSTREL_BROWSER_CEF_WINDOW_PARENT_H_
