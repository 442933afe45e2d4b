#include "engine/support/text_functions.h"

namespace {

bool IsBlank(wchar_t c) { return c <= L' '; }

}  // namespace

std::vector<std::wstring> SplitDelimitedList(std::wstring_view text) {
  constexpr wchar_t kDelimiter = L',';
  constexpr wchar_t kQuote = L'"';
  std::vector<std::wstring> items;
  size_t pos = 0;
  auto skip_blanks = [&] {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
  };
  skip_blanks();
  while (pos < text.size()) {
    std::wstring item;
    if (text[pos] == kQuote) {
      ++pos;
      while (pos < text.size()) {
        if (text[pos] == kQuote) {
          if (pos + 1 < text.size() && text[pos + 1] == kQuote) {
            item += kQuote;
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        item += text[pos++];
      }
    } else {
      const size_t start = pos;
      while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != kDelimiter) ++pos;
      item.assign(text.substr(start, pos - start));
    }
    items.push_back(std::move(item));
    skip_blanks();
    if (pos < text.size() && text[pos] == kDelimiter) {
      ++pos;
      // A comma at the very end still closes an (empty) item.
      if (pos == text.size()) items.emplace_back();
      skip_blanks();
    }
  }
  return items;
}

std::wstring HexText(uint32_t value, int digits) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text(static_cast<size_t>(digits), L'0');
  for (int i = digits - 1; i >= 0 && value != 0; --i) {
    text[static_cast<size_t>(i)] = kDigits[value & 0xF];
    value >>= 4;
  }
  return text;
}
