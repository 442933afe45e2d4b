#include "forms/browser_texts.h"

#include <algorithm>
#include <array>

namespace {

bool IsDeviceName(std::wstring_view name) {
  // Windows opens the device for these whatever the extension ("con.txt" too).
  std::wstring stem(name.substr(0, name.find(L'.')));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  for (wchar_t& c : stem) c = (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
  static constexpr std::array<std::wstring_view, 6> kPlain = {L"CON", L"PRN",    L"AUX",
                                                              L"NUL", L"CONIN$", L"CONOUT$"};
  if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) return true;
  // Windows takes the superscripts ¹ ² ³ for digits here too ("COM¹" is a port).
  return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
         ((stem[3] >= L'1' && stem[3] <= L'9') ||
          std::wstring_view(L"\u00B9\u00B2\u00B3").find(stem[3]) != std::wstring_view::npos);
}

bool IsRefusedCharacter(wchar_t c) {
  return c < 32 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
}

void TrimTrailingDotsAndBlanks(std::wstring& name) {
  while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.pop_back();
}

// A file name holds at most 255 UTF-16 units: a longer one is cut in its stem, so that the
// extension (when it is a short one) still says what the file is. Trailing dots and blanks go;
// a stem cut down to nothing becomes the default name.
void TrimAndShorten(std::wstring& name) {
  constexpr size_t kLimit = 255;
  constexpr size_t kLongestKeptExtension = 16;
  TrimTrailingDotsAndBlanks(name);
  if (name.size() <= kLimit) return;
  const size_t dot = name.find_last_of(L'.');
  std::wstring extension;
  if (dot != std::wstring::npos && dot > 0 && name.size() - dot <= kLongestKeptExtension)
    extension = name.substr(dot);
  name.resize(kLimit - extension.size());
  if (name.back() >= 0xD800 && name.back() <= 0xDBFF) name.pop_back();  // half a character
  TrimTrailingDotsAndBlanks(name);
  if (name.empty()) name = kDefaultDownloadName;
  name += extension;
}

}  // namespace

std::wstring LoadErrorPageHtml(std::wstring_view errorText, int errorCode) {
  std::wstring page = L"<html><body bgcolor=\"white\"><h2>打开OstrelMini失败，错误原因：";
  page += errorText;
  page += L" (" + std::to_wstring(errorCode) + L").</h2></body></html>";
  return page;
}

std::wstring DownloadStatusText(const TDownloadProgress& download) {
  const std::wstring path(download.fullPath);
  if (download.complete) return path + L" 已完成";
  if (download.canceled) return path + L" 已取消";
  if (!download.inProgress) return {};
  if (download.percent < 0)
    return path + L" : " + std::to_wstring(download.receivedBytes) + L" bytes 已接收";
  return path + L" : " + std::to_wstring(download.percent) + L"%";
}

std::wstring SafeDownloadName(std::wstring_view suggested) {
  const size_t slash = suggested.find_last_of(L"/\\");
  if (slash != std::wstring_view::npos) suggested.remove_prefix(slash + 1);
  std::wstring name(suggested);
  std::replace_if(name.begin(), name.end(), IsRefusedCharacter, L'_');
  TrimAndShorten(name);
  if (name.empty()) return kDefaultDownloadName;
  if (IsDeviceName(name)) {
    name.insert(0, 1, L'_');
    TrimAndShorten(name);  // the mark stays in front
  }
  return name;
}

std::wstring DownloadTargetPath(std::wstring_view folder, std::wstring_view suggested) {
  std::wstring path(folder);
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path + SafeDownloadName(suggested);
}

std::vector<std::wstring> HeaderViewerLines(std::span<const std::wstring> request,
                                            std::span<const std::wstring> response) {
  const std::wstring rule(26, L'-');
  std::vector<std::wstring> lines{rule, L"Request headers : ", rule};
  lines.insert(lines.end(), request.begin(), request.end());
  lines.insert(lines.end(), {L"", rule, L"Response headers : ", rule});
  lines.insert(lines.end(), response.begin(), response.end());
  return lines;
}

std::wstring CertificateErrorLogText(int errorCode, std::wstring_view requestUrl) {
  return L"Certificate error code:" + std::to_wstring(errorCode) + L" - URL:" +
         std::wstring(requestUrl);
}
