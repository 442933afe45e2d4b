// The browser control's operations on its main browser's host and request context: host
// resolution, image download, cookie-store and network maintenance, navigation history, audio,
// input, focus and the notifications the engine needs about the window. Each does nothing (or
// answers false, 0, empty) unless the control is Initialized.

#include <algorithm>
#include <optional>

#include "browser/chromium.h"
#include "engine/application/cef_application.h"
#include "engine/refs/cef_cookie_manager_ref.h"
#include "engine/refs/cef_navigation_entry_ref.h"
#include "engine/routing/custom_callbacks.h"
#include "ui/form.h"

// ---- Network, cookies and history ----

void TChromium::ResolveHost(const ustring& aURL) {
  if (aURL.empty() || !Initialized()) return;
  if (const CefRefPtr<ICefRequestContext> context = HostRequestContext(Browser())) {
    context->ResolveHost(aURL, MakeRefCounted<TCefCustomResolveCallback>(TaskEvents()));
  }
}

void TChromium::DownloadImage(const ustring& imageUrl, bool isFavicon, uint32_t maxImageSize,
                              bool bypassCache) {
  CallHost(&ICefBrowserHost::DownloadImage, imageUrl, isFavicon, maxImageSize, bypassCache,
           MakeRefCounted<TCefCustomDownloadImageCallback>(TaskEvents()));
}

namespace {

CefRefPtr<ICefCookieManager> CookieManagerOf(Ref<ICefRequestContext> context) {
  return context ? context->GetCookieManager(nullptr) : nullptr;
}

}  // namespace

bool TChromium::FlushCookieStore(bool aFlushImmediately) {
  const CefRefPtr<ICefCookieManager> cookies =
      CookieManagerOf(Initialized() ? HostRequestContext(Browser()) : nullptr);
  if (!cookies) return false;
  if (aFlushImmediately) return cookies->FlushStore(nullptr);
  return cookies->FlushStore(MakeRefCounted<TCefFlushStoreCompletionCallback>(TaskEvents()));
}

bool TChromium::DeleteCookies(const ustring& url, const ustring& cookieName) {
  const CefRefPtr<ICefCookieManager> cookies =
      CookieManagerOf(Initialized() ? HostRequestContext(Browser()) : nullptr);
  if (!cookies) return false;
  return cookies->DeleteCookies(url, cookieName,
                                MakeRefCounted<TCefCustomDeleteCookiesCallback>(TaskEvents()));
}

namespace {

// The context's `operation` with a new `Callback`, or none when `immediately`.
template <class Callback>
bool ClearContext(Ref<ICefRequestContext> context,
                  void (ICefRequestContext::*operation)(Ref<ICefCompletionCallback>),
                  bool immediately, CefRefPtr<TChromiumEventsLink> events) {
  if (!context) return false;
  CefRefPtr<ICefCompletionCallback> callback;
  if (!immediately) callback = MakeRefCounted<Callback>(std::move(events));
  ((*context).*operation)(callback);
  return true;
}

}  // namespace

bool TChromium::ClearCertificateExceptions(bool aClearImmediately) {
  return ClearContext<TCefClearCertificateExceptionsCompletionCallback>(
      Initialized() ? HostRequestContext(Browser()) : nullptr,
      &ICefRequestContext::ClearCertificateExceptions, aClearImmediately, TaskEvents());
}

bool TChromium::ClearHttpAuthCredentials(bool aClearImmediately) {
  return ClearContext<TCefClearHttpAuthCredentialsCompletionCallback>(
      Initialized() ? HostRequestContext(Browser()) : nullptr,
      &ICefRequestContext::ClearHttpAuthCredentials, aClearImmediately, TaskEvents());
}

bool TChromium::CloseAllConnections(bool aCloseImmediately) {
  return ClearContext<TCefCloseAllConnectionsCompletionCallback>(
      Initialized() ? HostRequestContext(Browser()) : nullptr,
      &ICefRequestContext::CloseAllConnections, aCloseImmediately, TaskEvents());
}

void TChromium::GetNavigationEntries(bool currentOnly) {
  CallHost(&ICefBrowserHost::GetNavigationEntries,
           MakeRefCounted<TCustomCefNavigationEntryVisitor>(TaskEvents()), currentOnly);
}

CefRefPtr<ICefNavigationEntry> TChromium::VisibleNavigationEntry() {
  return CallHost(&ICefBrowserHost::GetVisibleNavigationEntry);
}

ustring TChromium::RequestContextCache() {
  if (!Initialized()) return GlobalCEFApp != nullptr ? GlobalCEFApp->Cache() : ustring();
  const CefRefPtr<ICefRequestContext> context = HostRequestContext(Browser());
  return context ? context->GetCachePath() : ustring();
}

bool TChromium::RequestContextIsGlobal() {
  const CefRefPtr<ICefRequestContext> context =
      Initialized() ? HostRequestContext(Browser()) : nullptr;
  return context && context->IsGlobal();
}

// ---- Audio, input, focus and window notifications ----

bool TChromium::AudioMuted() { return CallHost(&ICefBrowserHost::IsAudioMuted); }
void TChromium::SetAudioMuted(bool value) { CallHost(&ICefBrowserHost::SetAudioMuted, value); }
void TChromium::SetFocus(bool focus) { CallHost(&ICefBrowserHost::SetFocus, focus); }
void TChromium::SendKeyEvent(const cef_key_event_t& event) {
  CallHost(&ICefBrowserHost::SendKeyEvent, event);
}
void TChromium::SendMouseClickEvent(const cef_mouse_event_t& event, cef_mouse_button_type_t type,
                                    bool mouseUp, int clickCount) {
  CallHost(&ICefBrowserHost::SendMouseClickEvent, event, type, mouseUp, clickCount);
}
void TChromium::SendMouseMoveEvent(const cef_mouse_event_t& event, bool mouseLeave) {
  CallHost(&ICefBrowserHost::SendMouseMoveEvent, event, mouseLeave);
}
void TChromium::SendMouseWheelEvent(const cef_mouse_event_t& event, int deltaX, int deltaY) {
  CallHost(&ICefBrowserHost::SendMouseWheelEvent, event, deltaX, deltaY);
}
void TChromium::SendTouchEvent(const cef_touch_event_t& event) {
  CallHost(&ICefBrowserHost::SendTouchEvent, event);
}
void TChromium::SendFocusEvent(bool setFocus) {
  CallHost(&ICefBrowserHost::SendFocusEvent, setFocus);
}
void TChromium::SendCaptureLostEvent() { CallHost(&ICefBrowserHost::SendCaptureLostEvent); }

void TChromium::SimulateMouseWheel(int aDeltaX, int aDeltaY) {
  const cef_mouse_event_t origin{};
  SendMouseWheelEvent(origin, aDeltaX, aDeltaY);
}

void TChromium::NotifyMoveOrResizeStarted() {
  CallHost(&ICefBrowserHost::NotifyMoveOrResizeStarted);
}
void TChromium::WasResized() { CallHost(&ICefBrowserHost::WasResized); }
void TChromium::WasHidden(bool hidden) { CallHost(&ICefBrowserHost::WasHidden, hidden); }
void TChromium::NotifyScreenInfoChanged() { CallHost(&ICefBrowserHost::NotifyScreenInfoChanged); }

void TChromium::Invalidate(cef_paint_element_type_t kind) {
  if (FIsOSR) {
    CallHost(&ICefBrowserHost::Invalidate, kind);
    return;
  }
  if (!Initialized()) return;
  const HWND window = RenderHandle() != nullptr ? RenderHandle() : WindowHandle();
  if (window != nullptr) InvalidateRect(window, nullptr, TRUE);
}

HWND TChromium::WindowHandle() { return CallHost(&ICefBrowserHost::GetWindowHandle); }

bool TChromium::SetNewBrowserParent(HWND aNewParentHwnd) {
  const HWND window = WindowHandle();
  return window != nullptr && ::SetParent(window, aNewParentHwnd) != nullptr;
}

// ---- Windowless mode ----

bool TChromium::HasView() { return CallHost(&ICefBrowserHost::HasView); }
void TChromium::SetAccessibilityState(TCefState state) {
  CallHost(&ICefBrowserHost::SetAccessibilityState, state);
}
int TChromium::WindowlessFrameRate() { return CallHost(&ICefBrowserHost::GetWindowlessFrameRate); }
void TChromium::SetWindowlessFrameRate(int frameRate) {
  CallHost(&ICefBrowserHost::SetWindowlessFrameRate, frameRate);
}
void TChromium::SendExternalBeginFrame() { CallHost(&ICefBrowserHost::SendExternalBeginFrame); }
void TChromium::DragTargetDragEnter(Ref<ICefDragData> dragData, const cef_mouse_event_t& event,
                                    cef_drag_operations_mask_t allowedOps) {
  CallHost(&ICefBrowserHost::DragTargetDragEnter, dragData, event, allowedOps);
}
void TChromium::DragTargetDragOver(const cef_mouse_event_t& event,
                                   cef_drag_operations_mask_t allowedOps) {
  CallHost(&ICefBrowserHost::DragTargetDragOver, event, allowedOps);
}
void TChromium::DragTargetDragLeave() { CallHost(&ICefBrowserHost::DragTargetDragLeave); }
void TChromium::DragTargetDrop(const cef_mouse_event_t& event) {
  CallHost(&ICefBrowserHost::DragTargetDrop, event);
}
void TChromium::DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op) {
  CallHost(&ICefBrowserHost::DragSourceEndedAt, x, y, op);
}
void TChromium::DragSourceSystemDragEnded() {
  CallHost(&ICefBrowserHost::DragSourceSystemDragEnded);
}
void TChromium::ImeSetComposition(const ustring& text,
                                  const std::vector<cef_composition_underline_t>& underlines,
                                  const cef_range_t& replacementRange,
                                  const cef_range_t& selectionRange) {
  CallHost(&ICefBrowserHost::ImeSetComposition, text, underlines, replacementRange, selectionRange);
}
void TChromium::ImeCommitText(const ustring& text, const cef_range_t& replacementRange,
                              int relativeCursorPos) {
  CallHost(&ICefBrowserHost::ImeCommitText, text, replacementRange, relativeCursorPos);
}
void TChromium::ImeFinishComposingText(bool keepSelection) {
  CallHost(&ICefBrowserHost::ImeFinishComposingText, keepSelection);
}
void TChromium::ImeCancelComposition() { CallHost(&ICefBrowserHost::ImeCancelComposition); }

// ---- Owning-window placement ----

namespace {

// The virtual desktop, its left and top raised to 0 when negative.
RECT PlacementArea() {
  return RECT{std::max(GetSystemMetrics(SM_XVIRTUALSCREEN), 0),
              std::max(GetSystemMetrics(SM_YVIRTUALSCREEN), 0),
              GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int Placed(int value, int low, int extent, int size) {
  return std::min(std::max(value, low), extent - size);
}

// The form moved to `x` and `y` on the placement area; a coordinate not given stays as it is.
void PlaceForm(TForm* form, std::optional<int> x, std::optional<int> y) {
  if (form == nullptr) return;
  const RECT area = PlacementArea();
  TBounds bounds = form->Bounds();
  if (x) bounds.left = Placed(*x, area.left, area.right, bounds.width);
  if (y) bounds.top = Placed(*y, area.top, area.bottom, bounds.height);
  form->SetBounds(bounds);
}

}  // namespace

void TChromium::MoveFormTo(int x, int y) { PlaceForm(FOwner, x, y); }

void TChromium::MoveFormBy(int x, int y) {
  if (FOwner != nullptr) MoveFormTo(FOwner->Left() + x, FOwner->Top() + y);
}

void TChromium::SetFormLeftTo(int x) { PlaceForm(FOwner, x, std::nullopt); }

void TChromium::SetFormTopTo(int y) { PlaceForm(FOwner, std::nullopt, y); }

void TChromium::ResizeFormWidthTo(int x) {
  if (FOwner == nullptr) return;
  FOwner->SetWidth(std::max(x, 100) + FOwner->Width() - FOwner->ClientWidth());
}

void TChromium::ResizeFormHeightTo(int y) {
  if (FOwner == nullptr) return;
  FOwner->SetHeight(std::max(y, 100) + FOwner->Height() - FOwner->ClientHeight());
}
