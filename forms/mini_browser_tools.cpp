// The configuration menu ("≡" in the navigation bar) with the browser's tools, and the
// navigation buttons. Everything here runs on the main thread; the asynchronous results come
// back through the handlers in mini_browser_commands.cpp.

#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/application/cef_application.h"
#include "engine/core/exception_policy.h"
#include "engine/support/engine_utilities.h"
#include "forms/command_texts.h"
#include "forms/mini_browser_form.h"
#include "ostrel_config.h"

namespace {

constexpr wchar_t kAnyFileFilter[] = L"Any file (*.*)|*.*";
constexpr wchar_t kHtmlOrPdfFilter[] = L"HTML files (*.html)|*.HTML;*.HTM|PDF files (*.pdf)|*.PDF";
constexpr wchar_t kPdfFilter[] = L"PDF files (*.pdf)|*.PDF";
constexpr wchar_t kSampleImageUrl[] = L"https://www.w3.org/Icons/w3c_home.png";
constexpr POINT kNoElement{INT_MIN, INT_MIN};

}  // namespace

void TMiniBrowserFrm::BuildPopupMenu1() {
  TMenuItem& items = PopupMenu1.Items;
  DevTools1 = items.Add(L"DevTools", [this] {
    if (FDevToolsVisible) {
      CloseDevToolsPanel();
    } else {
      OpenDevToolsPanel(kNoElement);
    }
  });
  items.Add(L"-");
  items.Add(L"Open file with a FILE URL...", [this] { Openfile1Click(); });
  items.Add(L"Open file with a DATA URL...", [this] { OpenfilewithaDAT1Click(); });
  items.Add(L"-");
  items.Add(L"Print", [this] { Chromium1->Print(); });
  items.Add(L"Print to PDF", [this] { PrintinPDF1Click(); });
  items.Add(L"-");
  TMenuItem* zoom = items.Add(L"Zoom");
  zoom->Add(L"Inc zoom", [this] { Chromium1->IncZoomStep(); });
  zoom->Add(L"Dec zoom", [this] { Chromium1->DecZoomStep(); });
  zoom->Add(L"Reset zoom", [this] { Chromium1->ResetZoomStep(); });
  items.Add(L"-");
  items.Add(L"Preferences...", [this] { Preferences1Click(); });
  items.Add(L"Resolve host...", [this] { Resolvehost1Click(); });
  items.Add(L"Download image...", [this] { Downloadimage1Click(); });
  items.Add(L"Simulate keyboard presses", [this] { Simulatekeyboardpresses1Click(); });
  items.Add(L"Flush cookies", [this] { Flushcookies1Click(); });
  items.Add(L"-");
  items.Add(L"Memory info...", [this] { Memoryinfo1Click(); });
  PopupMenu1.OnPopup = [this] {
    DevTools1->Caption = FDevToolsVisible ? L"Hide DevTools" : L"Show DevTools";
  };

  BackBtn.OnClick = [this] { Chromium1->GoBack(); };
  ForwardBtn.OnClick = [this] { Chromium1->GoForward(); };
  ReloadBtn.OnClick = [this] { Chromium1->Reload(); };
  StopBtn.OnClick = [this] { Chromium1->StopLoad(); };
  GoBtn.OnClick = [this] { Chromium1->LoadURL(URLCbx.Text()); };
  ConfigBtn.OnClick = [this] { ConfigBtnClick(); };
}

void TMiniBrowserFrm::ConfigBtnClick() {
  POINT corner{ConfigBtn.Left(), ConfigBtn.Top() + ConfigBtn.Height()};
  ClientToScreen(ConfigPnl.Handle(), &corner);
  PopupMenu1.Popup(corner.x, corner.y, this);
}

void TMiniBrowserFrm::Openfile1Click() {
  const std::wstring file = AskFileName(OpenDialog1, kAnyFileFilter);
  if (!file.empty()) Chromium1->LoadURL(L"file:///" + file);
}

void TMiniBrowserFrm::OpenfilewithaDAT1Click() {
  const std::wstring file = AskFileName(OpenDialog1, kHtmlOrPdfFilter);
  if (file.empty()) return;
  GuardRoutine(L"TMiniBrowserFrm.OpenfilewithaDAT1Click", [&] {
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A file that cannot be read loads nothing, rather than an empty page in place of this one.
    if (!in.is_open() || in.bad()) return;
    const wchar_t* mime = OpenDialog1.FilterIndex == 1 ? L"text/html" : L"application/pdf";
    Chromium1->LoadURL(MakeDataUri(bytes.data(), bytes.size(), mime, L"utf-8"));
  });
}

void TMiniBrowserFrm::PrintinPDF1Click() {
  const std::wstring file = AskFileName(SaveDialog1, kPdfFilter, L"pdf");
  if (file.empty()) return;
  const ustring address = Chromium1->DocumentURL();
  Chromium1->PrintToPDF(file, address, address);
}

void TMiniBrowserFrm::Resolvehost1Click() {
  const std::wstring host = InputBox(L"Resolve host", L"URL :", OSTREL_START_URL);
  if (!host.empty()) Chromium1->ResolveHost(host);
}

void TMiniBrowserFrm::Downloadimage1Click() {
  const std::wstring address = InputBox(L"Download Image", L"URL:", kSampleImageUrl);
  if (!address.empty()) Chromium1->DownloadImage(address, false, 0, false);
}

void TMiniBrowserFrm::Simulatekeyboardpresses1Click() {
  for (const wchar_t key : std::wstring_view(L"QWERTY")) {
    for (const cef_key_event_type_t kind : {KEYEVENT_RAWKEYDOWN, KEYEVENT_CHAR, KEYEVENT_KEYUP}) {
      cef_key_event_t event{};
      event.type = kind;
      event.windows_key_code = key;
      Chromium1->SendKeyEvent(event);
    }
  }
}

void TMiniBrowserFrm::Flushcookies1Click() {
  if (!Chromium1->FlushCookieStore(false))
    ShowMessage(L"There was a problem flushing the cookies.");
}

void TMiniBrowserFrm::Memoryinfo1Click() {
  if (GlobalCEFApp == nullptr) return;
  ShowMessage(MemoryInfoText(GlobalCEFApp->UsedMemory(), GlobalCEFApp->TotalSystemMemory(),
                             GlobalCEFApp->AvailableSystemMemory(),
                             GlobalCEFApp->SystemMemoryLoad()));
}
