#include "upgrade/http/ul_http_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cwchar>
#include <utility>

#include "upgrade/support/ul_text.h"

namespace {

bool NeedsEscape(wchar_t c) {
  return c < 0x20 || c >= 0x20AC ||
         std::wstring_view(L" #%*+<>").find(c) != std::wstring_view::npos;
}

}  // namespace

bool IsHostAndPort(std::wstring_view text) {
  const size_t colon = text.find(L':');
  const std::wstring_view host = text.substr(0, colon);
  if (host.empty() || host.size() > 253 || host.front() == L'.' || host.back() == L'.' ||
      host.find(L"..") != std::wstring_view::npos ||
      !std::ranges::all_of(host, [](wchar_t c) {
        return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
               c == L'-' || c == L'.';
      })) {
    return false;
  }
  if (colon == std::wstring_view::npos) return true;
  const std::wstring_view port = text.substr(colon + 1);
  if (port.empty() || port.size() > 5 ||
      !std::ranges::all_of(port, [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
    return false;
  }
  const int number = std::stoi(std::wstring(port));
  return number >= 1 && number <= 65535;
}

std::wstring EncodeExtraInfo(std::wstring_view extra) {
  std::wstring result;
  result.reserve(extra.size());
  for (const wchar_t c : extra) {
    if (!NeedsEscape(c)) {
      result += c;
      continue;
    }
    wchar_t code[8];
    std::swprintf(code, std::size(code), L"%%%02X", static_cast<unsigned>(c));
    result += code;
  }
  return result;
}

std::optional<uint64_t> HeaderNumber(std::wstring_view text) {
  text = TrimText(text);
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    const auto digit = static_cast<uint64_t>(c - L'0');
    if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::wstring RangeHeader(uint32_t start, uint32_t end) {
  std::wstring header = L"RANGE: bytes=" + std::to_wstring(start) + L"-";
  if (end != 0) header += std::to_wstring(end);
  return header + L"\r\n";
}

std::wstring RealmOf(std::wstring_view authenticate) {
  const size_t at = authenticate.find(L"=\"");
  if (at == std::wstring_view::npos) return std::wstring(authenticate);
  const size_t from = at + 2;
  if (authenticate.size() <= from) return L"";
  return std::wstring(authenticate.substr(from, authenticate.size() - from - 1));
}

std::wstring_view StatusText(unsigned long statusId) {
  static constexpr std::array<std::pair<unsigned long, std::wstring_view>, 19> kTexts{{
      {10, L"Resolving name"},     {11, L"Name resolved"},          {20, L"Connecting to server"},
      {21, L"Connected"},          {30, L"Sending Request"},        {31, L"Request sent"},
      {40, L"Receiving response"}, {41, L"Response received"},      {42, L"CTL Response received"},
      {43, L"Prefetch"},           {50, L"Closing connection"},     {51, L"Connection closed"},
      {60, L"Handle created"},     {70, L"Handle closing"},         {100, L"Request complete"},
      {110, L"Redirect"},          {120, L"Intermediate response"}, {200, L"State change"},
      {0, L"Unknown status"},
  }};
  for (const auto& [id, text] : kTexts) {
    if (id == statusId) return text;
  }
  return kTexts.back().second;
}

std::wstring RedirectTarget(const wchar_t* text, size_t length) {
  if (text == nullptr) return L"";
  return std::wstring(text, wcsnlen(text, length));
}

std::wstring FileNameOfPath(std::wstring_view path) {
  const size_t slash = path.find_last_of(L"/\\");
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

TulProgressFigures ProgressFigures(uint64_t size, uint64_t done, uint64_t start,
                                   uint64_t elapsedMs) {
  TulProgressFigures figures;
  figures.PercentsDone =
      Percentage(static_cast<int64_t>(size + start), static_cast<int64_t>(done + start));
  figures.ElapsedTime = static_cast<uint32_t>(elapsedMs / 1000);
  const double elapsed = figures.ElapsedTime;
  if (done != 0) {
    // A length the server made up (a huge Content-Length) must not overflow the estimate.
    const double total = static_cast<double>(size) / static_cast<double>(done) * elapsed;
    figures.EstimatedTime = std::llround(std::min(total, 1e15)) - figures.ElapsedTime;
  }
  const double kib = static_cast<double>(done) / 1024.0;
  figures.TransferRate = static_cast<float>(elapsed == 0 ? kib : kib / elapsed);
  return figures;
}

std::string ByteText(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const wchar_t c : text) bytes += c < 0x100 ? static_cast<char>(c) : '?';
  return bytes;
}

std::string MultipartFieldHead(std::wstring_view boundary, std::wstring_view fieldName,
                               std::wstring_view fileName, std::wstring_view contentType) {
  std::string head = "--" + ByteText(boundary) + "\r\n" +
                     "Content-Disposition: form-data; name=\"" + ByteText(fieldName) + "\"";
  if (!fileName.empty()) {
    head += "; filename=\"" + ByteText(fileName) + "\"\r\nContent-Type: " + ByteText(contentType);
  }
  return head + "\r\n\r\n";
}

std::string MultipartTail(std::wstring_view boundary) {
  return "--" + ByteText(boundary) + "--\r\n";
}
