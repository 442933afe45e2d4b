#ifndef OSTREL_UI_WINDOW_H_
#define OSTREL_UI_WINDOW_H_

// TWindow: the one C++ object behind each window of the program (forms, panels, controls,
// hidden windows). Windows of our own classes bind their object on WM_NCCREATE in
// GWLP_USERDATA; the system's controls are subclassed (SetWindowSubclass) with the object as
// reference data (and a window property, to find it from its handle). Both unbind on
// WM_NCDESTROY, so a late message never reaches a dead object,
// and a parent sends WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* back to the child's object.
// Everything here runs on the UI thread; other threads post (ui/ui_task.h).
//
// Lifetime: Destroy() destroys the window while the object lives (its handlers run). The
// destructor unbinds first and then destroys the window silently. An object whose own window
// procedure is on the stack is deleted later (DeleteLater in ui/ui_task.h), never in place.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/layout.h"

class TWindow;

// Raises an event through a copy of the handler, so the handler may replace the event or
// release the object holding it.
template <typename Event, typename... Args>
void RaiseEvent(const Event& event, Args&&... args) {
  if (!event) return;
  Event handler = event;
  handler(std::forward<Args>(args)...);
}

// What every control's CreateArgs has in common. Sizes are design units: pixels at the form's
// design DPI (96 unless the form says otherwise), scaled for the screen when the control is made.
struct TPlacement {
  TWindow* parent = nullptr;
  TAlign align = alNone;
  TBounds bounds;
  std::wstring_view text;
  HFONT font = nullptr;  // nullptr: the parent's
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
};

// The placement part of any CreateArgs (fields of the same names).
template <typename Args>
TPlacement PlacementOf(const Args& args) {
  TPlacement placement{args.parent, args.align, args.bounds};
  if constexpr (requires { args.text; }) placement.text = args.text;
  placement.font = args.font;
  placement.visible = args.visible;
  placement.enabled = args.enabled;
  if constexpr (requires { args.tabStop; }) placement.tabStop = args.tabStop;
  return placement;
}

class TWindow {
 public:
  TWindow();
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  HWND Handle() const { return FHandle; }
  // The object bound to `window`; nullptr for a window that is not ours (or already unbound).
  static TWindow* FromHandle(HWND window);

  // ---- Geometry: device pixels, parent client coordinates (screen for top-level windows) ----
  const TBounds& Bounds() const { return FBounds; }
  void SetBounds(const TBounds& bounds);
  int Left() const { return FBounds.left; }
  int Top() const { return FBounds.top; }
  int Width() const { return FBounds.width; }
  int Height() const { return FBounds.height; }
  void SetWidth(int width);
  void SetHeight(int height);
  int ClientWidth() const;
  int ClientHeight() const;
  // A design value (pixels at the form's design DPI) in screen pixels.
  int Scale(int designValue) const;
  int DesignDpi() const { return FDesignDpi; }

  // ---- Dock layout (ui/layout.h) of this window's children ----
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);
  const TPadding& Padding() const { return FPadding; }
  void SetPadding(const TPadding& padding);  // device pixels
  // The part of the client area docked children share (a group box leaves out its frame).
  virtual TBounds AlignArea() const;
  void Realign();
  TWindow* Parent() const { return FParent; }
  const std::vector<TWindow*>& Children() const { return FChildren; }

  // ---- State ----
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const;
  virtual void SetEnabled(bool enabled);
  std::wstring Text() const;
  virtual void SetText(std::wstring_view text);
  HFONT Font() const { return FFont; }
  void SetFont(HFONT font);
  // CLR_INVALID keeps the system's colour.
  void SetColors(COLORREF text, COLORREF background);
  void SetFocus();
  bool Focused() const;
  void Invalidate();

  // Destroys the window now; the object stays and learns of it (Handle() becomes nullptr).
  void Destroy();
  // Expires when the object is destroyed: work that comes back later checks it first.
  std::weak_ptr<const void> LifeToken() const { return FLife; }
  // True when the control wants `key` itself instead of the dialog keys (Tab, arrows, Return,
  // Escape) moving the focus; asked for the focused window and its parents.
  virtual bool WantsKey(WPARAM key) const;

 protected:
  struct TCreateParams {
    const wchar_t* className = nullptr;
    bool custom = true;  // our own class (registered on first use) or a system control
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);  // own classes only
    UINT classStyle = 0;                                              // own classes only
    DWORD style = 0;
    DWORD exStyle = 0;
    std::wstring_view text;
    HWND parent = nullptr;  // parent, owner, or HWND_MESSAGE
    TBounds bounds;         // device pixels
    HMENU menu = nullptr;   // child: the control id
  };
  bool CreateHandle(const TCreateParams& params);
  // A child control: scales the placement, creates and binds it, gives it its font and places it.
  bool CreateChild(const wchar_t* className, bool custom, DWORD style, DWORD exStyle,
                   const TPlacement& placement);

  // Messages of this window; call the base for what the override does not handle.
  virtual LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultProc(UINT message, WPARAM wparam, LPARAM lparam);
  // Notifications sent to the parent, handed back to the control that sent them.
  virtual bool OnCommand(WORD code);
  virtual bool OnNotify(NMHDR& header, LRESULT& result);
  // WM_CTLCOLOR*: the brush to paint with, or nullptr for the system's.
  virtual HBRUSH ControlColor(UINT message, HDC dc);
  // Moves the window to `bounds` (a combo box adds its list's height).
  virtual void PlaceHandle(const TBounds& bounds);
  // After WM_NCDESTROY, the object already unbound.
  virtual void HandleDestroyed() {}

  TBounds FBounds;
  bool FVisible = true;
  int FDesignDpi = 96;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam,
                                     LPARAM lparam) noexcept;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR id, DWORD_PTR data) noexcept;
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam) noexcept;
  void Unbind();
  void Destroyed() noexcept;

  HWND FHandle = nullptr;
  bool FSubclassed = false;
  TWindow* FParent = nullptr;
  std::vector<TWindow*> FChildren;
  TAlign FAlign = alNone;
  TPadding FPadding;
  HFONT FFont = nullptr;
  COLORREF FTextColor = CLR_INVALID;
  COLORREF FBackColor = CLR_INVALID;
  HBRUSH FBackBrush = nullptr;
  std::shared_ptr<int> FLife;
};

// A hidden window: a target for PostMessage from any thread, handled on the thread that created
// it. Message-only, or top-level where it must hear the session ending (WM_QUERYENDSESSION).
// OnMessage returns true when it handled the message (result in `result`).
class TMessageWindow : public TWindow {
 public:
  bool Create(bool topLevel = false);
  std::function<bool(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)> OnMessage;

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override;
};

#endif  // OSTREL_UI_WINDOW_H_
