// The preferences dialog (the browser's proxy and one custom request header) and the text
// viewer, and the main window's "Preferences..." command that fills the dialog from the browser
// control and writes it back on OK.

#include <cwctype>
#include <optional>

#include "forms/mini_browser_form.h"

namespace {

constexpr int kFieldLeft = 108;
constexpr int kWideFieldLeft = 184;
constexpr int kFieldWidth = 286;
constexpr int kRowHeight = 27;
constexpr int kFirstRow = 20;

constexpr int Row(int index) { return kFirstRow + index * kRowHeight; }

// The port field's text as a number; nothing when it holds none (only an empty field can, as it
// takes at most five digits).
std::optional<int> PortNumber(const std::wstring& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const wchar_t c : text) {
    if (!std::iswdigit(c)) return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value;
}

}  // namespace

TPreferencesFrm::TPreferencesFrm() {
  FFont.Create(L"Tahoma", 11);
  Create({.caption = L"Preferences",
          .clientWidth = 428,
          .clientHeight = 388,
          .borderStyle = bsSingle,
          .borderIcons = biSystemMenu,
          .stayOnTop = true,
          .padding = {10, 10, 10, 10},
          .font = FFont.Handle()});
  const HFONT font = FFont.Handle();
  ProxyGbx.Create(
      {.parent = this, .align = alTop, .bounds = {0, 0, 0, 250}, .text = L" Proxy ", .font = font});
  AddLabel(ProxyGbx, Row(0), L"Type");
  ProxyTypeCbx.Create(
      {.parent = &ProxyGbx,
       .bounds = {kFieldLeft, Row(0) - 3, kFieldWidth, 21},
       .font = font,
       .editable = false,
       .items = {L"Direct", L"Autodetect", L"System", L"Fixed servers", L"PAC script"},
       .itemIndex = 0});
  AddLabel(ProxyGbx, Row(1), L"Server");
  ProxySchemeCb.Create({.parent = &ProxyGbx,
                        .bounds = {kFieldLeft, Row(1) - 3, 70, 21},
                        .font = font,
                        .editable = false,
                        .items = {L"HTTP", L"SOCKS4", L"SOCKS5"},
                        .itemIndex = 0});
  ProxyServerEdt.Create(
      {.parent = &ProxyGbx,
       .bounds = {kWideFieldLeft, Row(1) - 3, kFieldLeft + kFieldWidth - kWideFieldLeft, 21},
       .font = font});
  const std::pair<TEdit*, const wchar_t*> texts[] = {{&ProxyPortEdt, L"Port"},
                                                     {&ProxyUsernameEdt, L"Username"},
                                                     {&ProxyPasswordEdt, L"Password"},
                                                     {&ProxyScriptURLEdt, L"Script URL"},
                                                     {&ProxyByPassListEdt, L"ByPass list"}};
  int row = 2;
  for (const auto& [edit, label] : texts) {
    AddLabel(ProxyGbx, Row(row), label);
    edit->Create({.parent = &ProxyGbx,
                  .bounds = {kFieldLeft, Row(row) - 3, kFieldWidth, 21},
                  .font = font,
                  .password = edit == &ProxyPasswordEdt,
                  .digitsOnly = edit == &ProxyPortEdt,
                  .maxLength = edit == &ProxyPortEdt ? 5 : 0});
    ++row;
  }
  ProxyPortEdt.SetText(L"80");
  AddLabel(ProxyGbx, Row(row), L"Maximum connections per proxy");
  MaxConnectionsPerProxyEdt.Create({.parent = &ProxyGbx,
                                    .bounds = {kWideFieldLeft, Row(row) - 3, 60, 21},
                                    .font = font,
                                    .minValue = 7,
                                    .maxValue = 99,
                                    .value = 32});

  HeaderGbx.Create({.parent = this,
                    .align = alTop,
                    .bounds = {0, 250, 0, 84},
                    .text = L" Custom header ",
                    .font = font});
  AddLabel(HeaderGbx, Row(0), L"Name");
  HeaderNameEdt.Create(
      {.parent = &HeaderGbx, .bounds = {kFieldLeft, Row(0) - 3, kFieldWidth, 21}, .font = font});
  AddLabel(HeaderGbx, Row(1), L"Value");
  HeaderValueEdt.Create(
      {.parent = &HeaderGbx, .bounds = {kFieldLeft, Row(1) - 3, kFieldWidth, 21}, .font = font});

  ButtonPnl.Create({.parent = this,
                    .align = alBottom,
                    .bounds = {0, 0, 0, 25},
                    .font = font,
                    .padding = {30, 0, 30, 0}});
  for (const bool ok : {true, false}) {
    (ok ? Button1 : Button2)
        .Create({.parent = &ButtonPnl,
                 .align = ok ? alLeft : alRight,
                 .bounds = {0, 0, 120, 25},
                 .text = ok ? L"Ok" : L"Cancel",
                 .font = font,
                 .isDefault = ok,
                 .isCancel = !ok,
                 .modalResult = ok ? mrOk : mrCancel});
  }
}

void TPreferencesFrm::AddLabel(TWindow& parent, int top, std::wstring_view text) {
  FLabels.push_back(std::make_unique<TLabel>());
  FLabels.back()->Create({.parent = &parent, .bounds = {12, top, 0, 0}, .text = text});
}

TSimpleTextViewerFrm::TSimpleTextViewerFrm() {
  Create({.caption = L"Simple text viewer",
          .clientWidth = 694,
          .clientHeight = 572,
          .borderStyle = bsSingle,
          .borderIcons = biSystemMenu});
  Memo1.Create(
      {.parent = this, .align = alClient, .multiLine = true, .scrollBars = true, .readOnly = true});
}

void TMiniBrowserFrm::Preferences1Click() {
  if (PreferencesFrm == nullptr) return;
  TPreferencesFrm& dialog = *PreferencesFrm;
  TChromium& browser = *Chromium1;
  const TCefProxyScheme scheme = browser.ProxyScheme();
  dialog.ProxySchemeCb.SetItemIndex(scheme == psSOCKS4 ? 1 : scheme == psSOCKS5 ? 2 : 0);
  dialog.ProxyTypeCbx.SetItemIndex(browser.ProxyType());
  dialog.ProxyServerEdt.SetText(browser.ProxyServer());
  dialog.ProxyPortEdt.SetText(std::to_wstring(browser.ProxyPort()));
  dialog.ProxyUsernameEdt.SetText(browser.ProxyUsername());
  dialog.ProxyPasswordEdt.SetText(browser.ProxyPassword());
  dialog.ProxyScriptURLEdt.SetText(browser.ProxyScriptURL());
  dialog.ProxyByPassListEdt.SetText(browser.ProxyByPassList());
  dialog.HeaderNameEdt.SetText(browser.CustomHeaderName());
  dialog.HeaderValueEdt.SetText(browser.CustomHeaderValue());
  dialog.MaxConnectionsPerProxyEdt.SetValue(browser.MaxConnectionsPerProxy());
  if (dialog.ShowModal() != mrOk) return;

  browser.SetProxyType(dialog.ProxyTypeCbx.ItemIndex());
  browser.SetProxyServer(dialog.ProxyServerEdt.Text());
  const std::wstring portText = dialog.ProxyPortEdt.Text();
  const std::optional<int> port = PortNumber(portText);
  if (!port) {
    // What was written stays; nothing further is, and nothing is applied.
    MessageDlg(L"'" + portText + L"' is not a valid integer value", L"Error", MB_OK | MB_ICONERROR);
    return;
  }
  browser.SetProxyPort(*port);
  browser.SetProxyUsername(dialog.ProxyUsernameEdt.Text());
  browser.SetProxyPassword(dialog.ProxyPasswordEdt.Text());
  browser.SetProxyScriptURL(dialog.ProxyScriptURLEdt.Text());
  browser.SetProxyByPassList(dialog.ProxyByPassListEdt.Text());
  browser.SetCustomHeaderName(dialog.HeaderNameEdt.Text());
  browser.SetCustomHeaderValue(dialog.HeaderValueEdt.Text());
  browser.SetMaxConnectionsPerProxy(dialog.MaxConnectionsPerProxyEdt.Value());
  const int schemeIndex = dialog.ProxySchemeCb.ItemIndex();
  browser.SetProxyScheme(schemeIndex == 1 ? psSOCKS4 : schemeIndex == 2 ? psSOCKS5 : psHTTP);
  browser.UpdatePreferences();
}
