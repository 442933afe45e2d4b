#include "upgrade/support/ul_text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Removes the first `count` double quotes.
std::wstring WithoutQuotes(std::wstring_view text, int count) {
  std::wstring result;
  for (wchar_t c : text) {
    if (c == L'"' && count > 0) {
      --count;
    } else {
      result += c;
    }
  }
  return result;
}

std::wstring_view TrimQuotes(std::wstring_view text) {
  text = TrimText(text);
  while (!text.empty() && text.front() == L'"') text = TrimText(text.substr(1));
  while (!text.empty() && text.back() == L'"') text = TrimText(text.substr(0, text.size() - 1));
  return text;
}

// A RUNDLL host ("rundll32.exe") runs a library: "host library,entry arguments" or, when the
// split left the library in the parameters, "host" and "library,entry arguments". The library
// is the program; the entry point and its arguments are the parameters.
void ReduceRundllLine(TulCommandLine& line) {
  const std::wstring lower = LowerAscii(line.Program);
  const size_t at = lower.find(L"rundll");
  if (at == std::wstring::npos) return;
  const size_t slash = lower.find_last_of(L"\\/", at);
  const size_t start = slash == std::wstring::npos ? 0 : slash + 1;
  const size_t end = std::min(lower.find(L' ', at), lower.size());
  static constexpr std::array<std::wstring_view, 4> kHosts{L"rundll32.exe", L"rundll32",
                                                           L"rundll.exe", L"rundll"};
  const std::wstring_view host = std::wstring_view(lower).substr(start, end - start);
  if (std::find(kHosts.begin(), kHosts.end(), host) == kHosts.end()) return;
  if (const std::wstring_view library = TrimQuotes(std::wstring_view(line.Program).substr(end));
      !library.empty()) {
    line.Program = library;
    return;
  }
  const std::wstring parameters = line.Parameters;
  const size_t comma = parameters.find(L',');
  line.Program = TrimQuotes(std::wstring_view(parameters).substr(0, comma));
  line.Parameters = comma == std::wstring::npos ? L"" : parameters.substr(comma + 1);
}

}  // namespace

TulCommandLine SplitCommandLine(std::wstring_view commandLine) {
  const std::wstring_view text = TrimText(commandLine);
  TulCommandLine line;
  const size_t first = text.find(L'"');
  const size_t second = first == std::wstring_view::npos ? first : text.find(L'"', first + 1);
  if (second != std::wstring_view::npos) {
    if (first == 0) {
      line.Program = text.substr(1, second - 1);
      line.Parameters = WithoutQuotes(TrimText(text.substr(second + 1)), 2);
    } else {
      line.Program = TrimText(text.substr(0, first));
      line.Parameters = WithoutQuotes(text.substr(first), 2);
    }
  } else {
    const bool hasExtension = !ExtractFileExt(text).empty();
    static constexpr std::array<std::wstring_view, 5> kSeparators{L" -", L" /", L" \\", L",",
                                                                  L" %"};
    for (const std::wstring_view separator : kSeparators) {
      const size_t at = text.find(separator);
      if (at == std::wstring_view::npos) continue;
      const std::wstring_view program = text.substr(0, at);
      // "C:\My -Files\app.exe": the separator was part of the path; ",x" names no program.
      if (program.empty() || (hasExtension && ExtractFileExt(program).empty())) continue;
      line.Program = program;
      line.Parameters = text.substr(separator == L"," ? at + 1 : at);
      break;
    }
    if (line.Program.empty()) line.Program = text;
  }
  ReduceRundllLine(line);
  line.Program = TrimText(line.Program);
  line.Parameters = TrimText(line.Parameters);
  return line;
}

std::wstring AddressWithScheme(std::wstring_view address) {
  std::wstring result(address);
  if (result.find(L"://") == std::wstring::npos) result.insert(0, L"http://");
  return result;
}

std::string EncodeBase64(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string result;
  result.reserve(bytes.size() / 3 * 4 + bytes.size() / 60 * 2 + 4);
  size_t at = 0;
  for (int group = 1; at + 3 <= bytes.size(); at += 3, ++group) {
    const uint32_t value = static_cast<uint8_t>(bytes[at]) << 16 |
                           static_cast<uint8_t>(bytes[at + 1]) << 8 |
                           static_cast<uint8_t>(bytes[at + 2]);
    for (int shift = 18; shift >= 0; shift -= 6) result += kAlphabet[value >> shift & 63];
    if (group % 20 == 0) result += "\r\n";
  }
  if (const size_t left = bytes.size() - at; left > 0) {
    uint32_t value = static_cast<uint8_t>(bytes[at]) << 16;
    if (left == 2) value |= static_cast<uint8_t>(bytes[at + 1]) << 8;
    result += kAlphabet[value >> 18 & 63];
    result += kAlphabet[value >> 12 & 63];
    result += left == 2 ? kAlphabet[value >> 6 & 63] : '=';
    result += '=';
  }
  return result;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  const size_t padding = text.ends_with("==") ? 2 : text.ends_with('=') ? 1 : 0;
  std::string bytes;
  bytes.reserve(text.size() / 4 * 3);
  uint32_t value = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    uint32_t digit = 0;
    if (c >= 'A' && c <= 'Z') {
      digit = static_cast<uint32_t>(c - 'A');
    } else if (c >= 'a' && c <= 'z') {
      digit = static_cast<uint32_t>(c - 'a' + 26);
    } else if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0' + 52);
    } else if (c == '+' || c == '/') {
      digit = c == '+' ? 62 : 63;
    } else if (c != '=' || at < text.size() - padding) {
      return std::nullopt;
    }
    value = value << 6 | digit;
    if (at % 4 == 3) {
      for (int shift = 16; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift & 255);
      value = 0;
    }
  }
  bytes.resize(bytes.size() - padding);
  return bytes;
}

uint8_t Percentage(int64_t total, int64_t part) {
  if (total == 0) return 0;
  const double percent = std::round(static_cast<double>(part) * 100.0 / static_cast<double>(total));
  return static_cast<uint8_t>(std::clamp(percent, 0.0, 100.0));
}
