// The browser control's commands and queries on its main browser: navigation, zoom, developer
// tools, printing, find, snapshot, frames, page content and the editing commands. Each does
// nothing (or answers false, 0, empty) unless the control is Initialized.

#include <climits>

#include "browser/cef_window_parent.h"
#include "browser/chromium.h"
#include "engine/core/exception_policy.h"
#include "engine/routing/custom_callbacks.h"
#include "engine/routing/custom_client_handler.h"

// ---- The main browser's objects ----

CefRefPtr<ICefBrowserHost> TChromium::Host() const {
  const CefRefPtr<ICefBrowser> browser = Initialized() ? Browser() : nullptr;
  return browser ? browser->GetHost() : nullptr;
}

CefRefPtr<ICefFrame> TChromium::SelectFrame(const TFrameSelector& frame) const {
  const CefRefPtr<ICefBrowser> browser = Initialized() ? Browser() : nullptr;
  if (!browser) return nullptr;
  CefRefPtr<ICefFrame> selected;
  if (frame.FByFrame) {
    selected = frame.FFrame;
  } else if (frame.FIdentifier != 0) {
    selected = browser->GetFrameByident(frame.FIdentifier);
  } else if (!frame.FName.empty()) {
    selected = browser->GetFrame(frame.FName);
  } else {
    selected = browser->GetMainFrame();
  }
  return selected && selected->IsValid() ? selected : nullptr;
}

CefRefPtr<ICefFrame> TChromium::EditingFrame() const {
  const CefRefPtr<ICefBrowser> browser = Initialized() ? Browser() : nullptr;
  if (!browser) return nullptr;
  CefRefPtr<ICefFrame> frame = browser->GetFocusedFrame();
  if (!frame) frame = browser->GetMainFrame();
  return frame && frame->IsValid() ? frame : nullptr;
}

// ---- Navigation ----

void TChromium::LoadURL(const ustring& aURL, const TFrameSelector& frame) {
  if (const CefRefPtr<ICefFrame> target = SelectFrame(frame)) target->LoadUrl(aURL);
}

void TChromium::LoadString(const ustring& aString, const ustring& aURL) {
  if (const CefRefPtr<ICefFrame> target = SelectFrame({})) target->LoadString(aString, aURL);
}

void TChromium::LoadRequest(Ref<ICefRequest> aRequest) {
  if (const CefRefPtr<ICefFrame> target = SelectFrame({})) target->LoadRequest(aRequest);
}

void TChromium::GoBack() {
  if (CanGoBack()) CallBrowser(&ICefBrowser::GoBack);
}

void TChromium::GoForward() {
  if (CanGoForward()) CallBrowser(&ICefBrowser::GoForward);
}

void TChromium::Reload() { CallBrowser(&ICefBrowser::Reload); }
void TChromium::ReloadIgnoreCache() { CallBrowser(&ICefBrowser::ReloadIgnoreCache); }
void TChromium::StopLoad() { CallBrowser(&ICefBrowser::StopLoad); }
void TChromium::StartDownload(const ustring& aURL) {
  CallHost(&ICefBrowserHost::StartDownload, aURL);
}
bool TChromium::IsLoading() { return CallBrowser(&ICefBrowser::IsLoading); }
bool TChromium::CanGoBack() { return CallBrowser(&ICefBrowser::CanGoBack); }
bool TChromium::CanGoForward() { return CallBrowser(&ICefBrowser::CanGoForward); }
bool TChromium::IsPopUp() { return CallBrowser(&ICefBrowser::IsPopup); }
bool TChromium::HasDocument() { return CallBrowser(&ICefBrowser::HasDocument); }

ustring TChromium::DocumentURL() {
  const CefRefPtr<ICefFrame> frame = SelectFrame({});
  return frame ? frame->GetUrl() : ustring();
}

bool TChromium::HasValidMainFrame() { return static_cast<bool>(SelectFrame({})); }

bool TChromium::FrameIsFocused() {
  return static_cast<bool>(CallBrowser(&ICefBrowser::GetFocusedFrame));
}

// ---- Zoom ----

double TChromium::ZoomLevel() { return CallHost(&ICefBrowserHost::GetZoomLevel); }
void TChromium::SetZoomLevel(double value) { CallHost(&ICefBrowserHost::SetZoomLevel, value); }
double TChromium::ZoomPct() { return ZoomLevelToPct(ZoomLevel()); }

void TChromium::SetZoomPct(double value) {
  if (Initialized() && value > 0) SetZoomLevel(ZoomPctToLevel(value));
}

void TChromium::SetZoomStep(uint8_t value) {
  if (!Initialized() || value >= kZoomStepCount) return;
  FZoomStep = value;
  ApplyZoomStep();
}

void TChromium::IncZoomStep() {
  if (FZoomStep + 1 < kZoomStepCount) SetZoomStep(static_cast<uint8_t>(FZoomStep + 1));
}

void TChromium::DecZoomStep() {
  if (FZoomStep > 0) SetZoomStep(static_cast<uint8_t>(FZoomStep - 1));
}

void TChromium::ResetZoomStep() { SetZoomStep(kZoomStepDefault); }

void TChromium::ApplyZoomStep() { SetZoomPct(ZoomStepPercentage(FZoomStep)); }

// ---- Developer tools, printing, find, snapshot ----

void TChromium::ShowDevTools(POINT inspectElementAt, TCEFWinControl* aDevTools) {
  const CefRefPtr<ICefBrowserHost> host = Host();
  if (!host) return;
  GuardRoutine(L"TChromium.ShowDevTools", [&] {
    ResetBrowserSettingsRecord(FDevBrowserSettings);
    // Controls have no names here: the main window's tools panel is "DevTools" either way.
    static const ustring kDevToolsName = L"DevTools";
    if (aDevTools != nullptr && aDevTools->Handle() != nullptr) {
      RECT rect{};
      GetClientRect(aDevTools->Handle(), &rect);
      ChildWindowInfo(FDevWindowInfo, aDevTools->Handle(), rect, kDevToolsName);
    } else {
      PopupWindowInfo(FDevWindowInfo, host->GetWindowHandle(), kDevToolsName);
    }
    const auto client = MakeRefCounted<TCustomClientHandler>(this, true);
    {
      const std::lock_guard<std::mutex> hold(FLock);
      FEventsLinks.push_back(client->EventsLink());
    }
    const bool inspect = inspectElementAt.x != INT_MIN && inspectElementAt.y != INT_MIN;
    const cef_point_t point{inspectElementAt.x, inspectElementAt.y};
    host->ShowDevTools(FDevWindowInfo, client, FDevBrowserSettings, inspect ? &point : nullptr);
  });
}

void TChromium::CloseDevTools(TCEFWinControl* aDevTools) {
  const CefRefPtr<ICefBrowserHost> host = Host();
  if (!host) return;
  // Out of the control first: the engine destroys the tools' window, not the control's.
  if (aDevTools != nullptr) {
    if (const HWND child = aDevTools->ChildWindowHandle()) ::SetParent(child, nullptr);
  }
  host->CloseDevTools();
}

bool TChromium::HasDevTools() { return CallHost(&ICefBrowserHost::HasDevTools); }
void TChromium::Print() { CallHost(&ICefBrowserHost::Print); }

void TChromium::PrintToPDF(const ustring& aFilePath, const ustring& aTitle, const ustring& aURL) {
  const CefRefPtr<ICefBrowserHost> host = Host();
  if (!host) return;
  const TPDFPrintOptions& options = FPDFPrintOptions;
  cef_pdf_print_settings_t settings{};
  settings.header_footer_title = BorrowEngineString(aTitle);
  settings.header_footer_url = BorrowEngineString(aURL);
  settings.page_width = options.page_width;
  settings.page_height = options.page_height;
  settings.scale_factor = options.scale_factor;
  settings.margin_top = options.margin_top;
  settings.margin_right = options.margin_right;
  settings.margin_bottom = options.margin_bottom;
  settings.margin_left = options.margin_left;
  settings.margin_type = options.margin_type;
  settings.header_footer_enabled = options.header_footer_enabled;
  settings.selection_only = options.selection_only;
  settings.landscape = options.landscape;
  settings.backgrounds_enabled = options.backgrounds_enabled;
  host->PrintToPdf(aFilePath, settings, MakeRefCounted<TCefCustomPDFPrintCallBack>(TaskEvents()));
}

void TChromium::Find(int aIdentifier, const ustring& aSearchText, bool aForward, bool aMatchCase,
                     bool aFindNext) {
  CallHost(&ICefBrowserHost::Find, aIdentifier, aSearchText, aForward, aMatchCase, aFindNext);
}

void TChromium::StopFinding(bool aClearSelection) {
  CallHost(&ICefBrowserHost::StopFinding, aClearSelection);
}

bool TChromium::TakeSnapshot(HBITMAP& aBitmap) {
  if (FIsOSR) return false;
  const HWND window = WindowHandle();
  if (window == nullptr) return false;
  RECT rect{};
  GetClientRect(window, &rect);
  const HDC source = GetDC(window);
  if (source == nullptr) return false;
  if (aBitmap != nullptr) DeleteObject(aBitmap);
  aBitmap = CreateCompatibleBitmap(source, rect.right, rect.bottom);
  bool copied = false;
  if (aBitmap != nullptr) {
    const HDC target = CreateCompatibleDC(source);
    const HGDIOBJ previous = SelectObject(target, aBitmap);
    copied = BitBlt(target, 0, 0, rect.right, rect.bottom, source, 0, 0, SRCCOPY) != FALSE;
    SelectObject(target, previous);
    DeleteDC(target);
  }
  ReleaseDC(window, source);
  return copied;
}

// ---- Frames and page content ----

size_t TChromium::FrameCount() { return CallBrowser(&ICefBrowser::GetFrameCount); }

bool TChromium::GetFrameIdentifiers(size_t& aFrameCount,
                                    std::vector<int64_t>& aFrameIdentifierArray) {
  if (aFrameCount == 0) return false;
  return GuardRoutine(L"TCefBrowserRef.GetFrameIdentifiers", false, [&] {
    return CallBrowser(&ICefBrowser::GetFrameIdentifiers, aFrameCount, aFrameIdentifierArray);
  });
}

bool TChromium::GetFrameNames(std::vector<ustring>* aFrameNames) {
  if (aFrameNames == nullptr || !Initialized()) return false;
  return CallBrowser(&ICefBrowser::GetFrameNames, *aFrameNames);
}

void TChromium::RetrieveHTML(const TFrameSelector& frame) {
  if (const CefRefPtr<ICefFrame> target = SelectFrame(frame)) {
    target->GetSource(MakeRefCounted<TCustomCefStringVisitor>(TaskEvents()));
  }
}

void TChromium::RetrieveText(const TFrameSelector& frame) {
  if (const CefRefPtr<ICefFrame> target = SelectFrame(frame)) {
    target->GetText(MakeRefCounted<TCustomCefStringVisitor>(TaskEvents()));
  }
}

void TChromium::ExecuteJavaScript(const ustring& aCode, const ustring& aScriptURL,
                                  const TFrameSelector& frame, int aStartLine) {
  GuardRoutine(L"TChromium.ExecuteJavaScript", [&] {
    if (const CefRefPtr<ICefFrame> target = SelectFrame(frame)) {
      target->ExecuteJavaScript(aCode, aScriptURL, aStartLine);
    }
  });
}

void TChromium::SendProcessMessage(cef_process_id_t targetProcess, Ref<ICefProcessMessage> message,
                                   const TFrameSelector& frame) {
  GuardRoutine(L"TChromium.SendProcessMessage", [&] {
    if (const CefRefPtr<ICefFrame> target = SelectFrame(frame)) {
      target->SendProcessMessage(targetProcess, message);
    }
  });
}

CefRefPtr<ICefBaseRefCounted> TChromium::CreateUrlRequest(Ref<ICefRequest> request,
                                                          Ref<ICefBaseRefCounted> client,
                                                          const TFrameSelector& frame) {
  return GuardRoutine(L"TChromium.CreateUrlRequest", CefRefPtr<ICefBaseRefCounted>(), [&] {
    const CefRefPtr<ICefFrame> target = SelectFrame(frame);
    return target ? target->CreateUrlrequest(request, client) : nullptr;
  });
}

namespace {

template <class Command>
void RunEditCommand(const CefRefPtr<ICefFrame>& frame, Command command) {
  if (frame) ((*frame).*command)();
}

}  // namespace

void TChromium::ClipboardCopy() { RunEditCommand(EditingFrame(), &ICefFrame::Copy); }
void TChromium::ClipboardPaste() { RunEditCommand(EditingFrame(), &ICefFrame::Paste); }
void TChromium::ClipboardCut() { RunEditCommand(EditingFrame(), &ICefFrame::Cut); }
void TChromium::ClipboardUndo() { RunEditCommand(EditingFrame(), &ICefFrame::Undo); }
void TChromium::ClipboardRedo() { RunEditCommand(EditingFrame(), &ICefFrame::Redo); }
void TChromium::ClipboardDel() { RunEditCommand(EditingFrame(), &ICefFrame::Del); }
void TChromium::SelectAll() { RunEditCommand(EditingFrame(), &ICefFrame::SelectAll); }
