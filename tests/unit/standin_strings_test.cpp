// The stand-in engine's string records: the copy flag, clearing, comparison, conversions with
// surrogate pairs and ill-formed input, user-free strings and case mapping.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/unit/standin_test_support.h"

namespace {

using standin_test::Engine;
using standin_test::Text;

TEST(StandinStrings, CopyAllocatesATerminatedBufferWithADtor) {
  const std::wstring source = L"abc";
  cef_string_t record{};
  ASSERT_EQ(1, Engine().cef_string_utf16_set(source.c_str(), source.size(), &record, 1));
  EXPECT_NE(source.c_str(), record.str);
  EXPECT_EQ(3u, record.length);
  EXPECT_EQ(L'\0', record.str[3]);
  EXPECT_NE(nullptr, record.dtor);
  Engine().cef_string_utf16_clear(&record);
  EXPECT_EQ(nullptr, record.str);
  EXPECT_EQ(0u, record.length);
  EXPECT_EQ(nullptr, record.dtor);
}

TEST(StandinStrings, WithoutCopyTheBufferIsBorrowed) {
  std::wstring source = L"abc";
  cef_string_t record{};
  ASSERT_EQ(1, Engine().cef_string_utf16_set(source.c_str(), source.size(), &record, 0));
  EXPECT_EQ(source.c_str(), record.str);
  EXPECT_EQ(nullptr, record.dtor);
  Engine().cef_string_utf16_clear(&record);  // frees nothing
  EXPECT_EQ(L"abc", source);
}

TEST(StandinStrings, CopyingAnEmptyTextLeavesTheRecordWithoutBuffer) {
  cef_string_t record{};
  Engine().cef_string_utf16_set(L"x", 1, &record, 1);
  ASSERT_EQ(1, Engine().cef_string_utf16_set(L"", 0, &record, 1));
  EXPECT_EQ(nullptr, record.str);
  EXPECT_EQ(0u, record.length);
  EXPECT_EQ(nullptr, record.dtor);
}

TEST(StandinStrings, SettingARecordToItsOwnTextKeepsIt) {
  cef_string_t record{};
  Engine().cef_string_utf16_set(L"same", 4, &record, 1);
  ASSERT_EQ(1, Engine().cef_string_utf16_set(record.str, record.length, &record, 1));
  EXPECT_EQ(L"same", Text(record));
  Engine().cef_string_utf16_clear(&record);
}

TEST(StandinStrings, NullArgumentsAreTolerated) {
  EXPECT_EQ(0, Engine().cef_string_utf16_set(L"a", 1, nullptr, 1));
  cef_string_t record{};
  EXPECT_EQ(1, Engine().cef_string_utf16_set(nullptr, 5, &record, 1));
  EXPECT_EQ(0u, record.length);
  Engine().cef_string_utf16_clear(nullptr);
  Engine().cef_string_userfree_utf16_free(nullptr);
  EXPECT_EQ(0, Engine().cef_string_utf16_cmp(nullptr, &record));
}

TEST(StandinStrings, CompareOrdersByCodeUnitThenLength) {
  auto compare = [](const std::wstring& a, const std::wstring& b) {
    cef_string_t ra = standin_test::Borrow(a);
    cef_string_t rb = standin_test::Borrow(b);
    return Engine().cef_string_utf16_cmp(&ra, &rb);
  };
  EXPECT_EQ(0, compare(L"", L""));
  EXPECT_EQ(-1, compare(L"ab", L"abc"));
  EXPECT_EQ(1, compare(L"b", L"abc"));
  EXPECT_EQ(1, compare(L"\xE9", L"z"));  // unsigned code units
  cef_string_utf8_t a{const_cast<char*>("\xC3\xA9"), 2, nullptr};
  cef_string_utf8_t b{const_cast<char*>("z"), 1, nullptr};
  EXPECT_EQ(1, Engine().cef_string_utf8_cmp(&a, &b));
}

TEST(StandinStrings, SurrogatePairsSurviveBothDirections) {
  const std::wstring text = L"a\xD83D\xDE00z";  // U+1F600 between two letters
  cef_string_utf8_t utf8{};
  ASSERT_EQ(1, Engine().cef_string_utf16_to_utf8(text.c_str(), text.size(), &utf8));
  EXPECT_EQ(std::string("a\xF0\x9F\x98\x80z"), std::string(utf8.str, utf8.length));
  cef_string_t back{};
  ASSERT_EQ(1, Engine().cef_string_utf8_to_utf16(utf8.str, utf8.length, &back));
  EXPECT_EQ(4u, back.length);
  EXPECT_EQ(text, Text(back));
  Engine().cef_string_utf8_clear(&utf8);
  Engine().cef_string_utf16_clear(&back);
}

TEST(StandinStrings, IllFormedUtf8BecomesReplacementCharacters) {
  // A stray continuation byte, a truncated 3-byte sequence, an encoded surrogate, an overlong.
  const std::string bad =
      "A\x80"
      "B\xE2\x82"
      "C\xED\xA0\x80"
      "D\xC0\xAF";
  cef_string_t out{};
  EXPECT_EQ(0, Engine().cef_string_utf8_to_utf16(bad.data(), bad.size(), &out));
  EXPECT_EQ(
      L"A\xFFFD"
      L"B\xFFFD"
      L"C\xFFFD\xFFFD\xFFFD"
      L"D\xFFFD\xFFFD",
      Text(out));
  Engine().cef_string_utf16_clear(&out);
}

TEST(StandinStrings, UnpairedSurrogateIsReplacedAndReported) {
  const std::wstring lone = L"x\xDC00y";
  cef_string_utf8_t out{};
  EXPECT_EQ(0, Engine().cef_string_wide_to_utf8(lone.c_str(), lone.size(), &out));
  EXPECT_EQ(std::string("x\xEF\xBF\xBDy"), std::string(out.str, out.length));
  Engine().cef_string_utf8_clear(&out);
}

TEST(StandinStrings, AsciiAndWideConversionsCopy) {
  cef_string_t utf16{};
  ASSERT_EQ(1, Engine().cef_string_ascii_to_utf16("Hi!", 3, &utf16));
  EXPECT_EQ(L"Hi!", Text(utf16));
  cef_string_wide_t wide{};
  ASSERT_EQ(1, Engine().cef_string_utf16_to_wide(utf16.str, utf16.length, &wide));
  EXPECT_NE(utf16.str, wide.str);
  EXPECT_EQ(L"Hi!", std::wstring(wide.str, wide.length));
  Engine().cef_string_utf16_clear(&utf16);
  Engine().cef_string_wide_clear(&wide);
}

TEST(StandinStrings, UserFreeStringsStartEmptyAndFreeTheirBuffer) {
  cef_string_userfree_t value = Engine().cef_string_userfree_utf16_alloc();
  ASSERT_NE(nullptr, value);
  EXPECT_EQ(nullptr, value->str);
  EXPECT_EQ(0u, value->length);
  Engine().cef_string_utf16_set(L"owned", 5, value, 1);
  Engine().cef_string_userfree_utf16_free(value);  // buffer and record
  cef_string_userfree_utf8_t narrow = Engine().cef_string_userfree_utf8_alloc();
  Engine().cef_string_utf8_set("x", 1, narrow, 1);
  Engine().cef_string_userfree_utf8_free(narrow);
}

TEST(StandinStrings, CaseMappingKeepsTheLength) {
  const std::wstring text = L"Straße ÄÖ \xD83D\xDE00";
  cef_string_t lower{};
  cef_string_t upper{};
  ASSERT_EQ(1, Engine().cef_string_utf16_to_lower(text.c_str(), text.size(), &lower));
  ASSERT_EQ(1, Engine().cef_string_utf16_to_upper(text.c_str(), text.size(), &upper));
  EXPECT_EQ(L"straße äö \xD83D\xDE00", Text(lower));
  EXPECT_EQ(text.size(), upper.length);
  EXPECT_EQ(L"STRA", Text(upper).substr(0, 4));
  Engine().cef_string_utf16_clear(&lower);
  Engine().cef_string_utf16_clear(&upper);
}

}  // namespace
