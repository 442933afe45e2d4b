// Engine strings and string collections. The conversions that need no engine run anywhere; the
// others use the stand-in engine library, loaded through the application object as the program
// does.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/application/cef_application.h"
#include "engine/core/cef_api.h"
#include "engine/core/cef_string.h"
#include "engine/core/cef_string_collections.h"
#include "tests/unit/loaded_engine.h"

namespace {

// One code point outside the Basic Multilingual Plane (two code units) between two ASCII ones.
const ustring kWithSurrogates = ustring(L"a") + wchar_t(0xD83D) + wchar_t(0xDE00) + L"b";

// ---- Without the engine ----

TEST(EngineStringBorrow, EmptyStringGivesLengthZeroAndAPointer) {
  const ustring empty;
  const cef_string_t record = BorrowEngineString(empty);
  EXPECT_NE(record.str, nullptr);
  EXPECT_EQ(record.length, 0u);
  EXPECT_EQ(record.dtor, nullptr);
}

TEST(EngineStringBorrow, PointsIntoTheProgramString) {
  const ustring text = L"https://example.org/";
  const cef_string_t record = BorrowEngineString(text);
  EXPECT_EQ(record.str, text.c_str());
  EXPECT_EQ(record.length, text.length());
  EXPECT_EQ(record.dtor, nullptr);
}

TEST(EngineStringBorrow, SurrogatePairsKeepTheirCodeUnitLength) {
  const cef_string_t record = BorrowEngineString(kWithSurrogates);
  EXPECT_EQ(record.length, 4u);
  EXPECT_EQ(CopyEngineString(&record), kWithSurrogates);
}

TEST(EngineStringCopy, NullAndEmptyRecordsGiveEmptyStrings) {
  EXPECT_EQ(CopyEngineString(nullptr), L"");
  const cef_string_t zero{};
  EXPECT_EQ(CopyEngineString(&zero), L"");
}

TEST(EngineStringCopy, UsesTheLengthNotATerminator) {
  wchar_t buffer[] = L"abcdef";
  const cef_string_t record{buffer, 3, nullptr};
  EXPECT_EQ(CopyEngineString(&record), L"abc");
}

TEST(EngineStringNotLoaded, ConversionsThatNeedTheEngineTouchNothing) {
  ASSERT_FALSE(EngineLibraryLoaded());
  wchar_t buffer[] = L"kept";
  cef_string_t record{buffer, 4, nullptr};

  EXPECT_EQ(CopyAndClearEngineString(&record), L"");
  EXPECT_EQ(record.str, buffer);
  EXPECT_EQ(record.length, 4u);

  EXPECT_EQ(CopyAndFreeUserFreeString(&record), L"");
  EXPECT_EQ(record.str, buffer);

  SetEngineString(&record, L"other");
  EXPECT_EQ(record.str, buffer);
  EXPECT_EQ(record.length, 4u);

  const cef_string_t allocated = AllocEngineString(L"text");
  EXPECT_EQ(allocated.str, nullptr);
  EXPECT_EQ(allocated.length, 0u);
  EXPECT_EQ(allocated.dtor, nullptr);

  EXPECT_EQ(CopyAndFreeUserFreeString(nullptr), L"");
}

TEST(EngineStringNotLoaded, CollectionsHaveNoHandleAndStayEmpty) {
  ASSERT_FALSE(EngineLibraryLoaded());
  CefRefPtr<ICefStringList> list = MakeRefCounted<TCefStringListOwn>();
  EXPECT_EQ(list->GetHandle(), nullptr);
  list->AppendItem(L"a");
  EXPECT_EQ(list->GetSize(), 0u);
  std::vector<ustring> target;
  list->CopyToStrings(target);
  EXPECT_TRUE(target.empty());
  EXPECT_EQ(list->CopyList(), nullptr);

  CefRefPtr<ICefStringMap> map = MakeRefCounted<TCefStringMapOwn>();
  EXPECT_FALSE(map->AppendPair(L"k", L"v"));
  EXPECT_EQ(map->FindValue(L"k"), L"");

  CefRefPtr<ICefStringMultimap> multimap = MakeRefCounted<TCefStringMultimapOwn>();
  EXPECT_FALSE(multimap->AppendPair(L"k", L"v"));
  EXPECT_EQ(multimap->FindCount(L"k"), 0u);
}

// ---- With the stand-in engine ----

using EngineStringWithEngine = LoadedEngine;

TEST_F(EngineStringWithEngine, AllocatedRecordOwnsAnEngineCopy) {
  ustring text = L"Ostrel";
  cef_string_t record = AllocEngineString(text);
  EXPECT_NE(record.str, text.c_str());
  EXPECT_EQ(record.length, 6u);
  EXPECT_NE(record.dtor, nullptr);
  text = L"changed";
  EXPECT_EQ(CopyAndClearEngineString(&record), L"Ostrel");
  EXPECT_EQ(record.str, nullptr);
  EXPECT_EQ(record.length, 0u);
}

TEST_F(EngineStringWithEngine, EmptyStringAllocatesNothing) {
  const cef_string_t record = AllocEngineString(L"");
  EXPECT_EQ(record.str, nullptr);
  EXPECT_EQ(record.length, 0u);
}

TEST_F(EngineStringWithEngine, SetReplacesTheDestination) {
  cef_string_t record = AllocEngineString(L"first");
  SetEngineString(&record, L"second value");
  EXPECT_EQ(CopyEngineString(&record), L"second value");
  EXPECT_NE(record.dtor, nullptr);
  SetEngineString(&record, L"");
  EXPECT_EQ(record.length, 0u);
  cef_string_utf16_clear(&record);
  SetEngineString(nullptr, L"ignored");
}

TEST_F(EngineStringWithEngine, SurrogatePairsSurviveTheRoundTrip) {
  cef_string_t record = AllocEngineString(kWithSurrogates);
  EXPECT_EQ(record.length, 4u);
  EXPECT_EQ(CopyAndClearEngineString(&record), kWithSurrogates);

  cef_string_userfree_t user_free = cef_string_userfree_utf16_alloc();
  ASSERT_NE(user_free, nullptr);
  SetEngineString(user_free, kWithSurrogates);
  EXPECT_EQ(user_free->length, 4u);
  EXPECT_EQ(CopyAndFreeUserFreeString(user_free), kWithSurrogates);
}

TEST_F(EngineStringWithEngine, NullUserFreeStringIsEmpty) {
  EXPECT_EQ(CopyAndFreeUserFreeString(nullptr), L"");
}

TEST_F(EngineStringWithEngine, ListCopiesItsItemsInIndexOrder) {
  CefRefPtr<ICefStringList> list = MakeRefCounted<TCefStringListOwn>();
  ASSERT_NE(list->GetHandle(), nullptr);
  list->AppendItem(L"one");
  list->AppendItem(L"");
  list->AppendItem(kWithSurrogates);
  ASSERT_EQ(list->GetSize(), 3u);

  std::vector<ustring> target = {L"already there"};
  list->CopyToStrings(target);
  EXPECT_EQ(target, (std::vector<ustring>{L"already there", L"one", L"", kWithSurrogates}));
  EXPECT_EQ(list->GetItem(0), L"one");
  EXPECT_EQ(list->GetItem(3), L"");

  cef_string_list_t copy = list->CopyList();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(cef_string_list_size(copy), 3u);
  cef_string_list_free(copy);

  list->ClearItems();
  EXPECT_EQ(list->GetSize(), 0u);
  list->AddStringsFrom({L"x", L"y"});
  EXPECT_EQ(list->GetSize(), 2u);
  EXPECT_EQ(list->GetItem(1), L"y");
}

TEST_F(EngineStringWithEngine, BorrowedListIsReadButNotFreed) {
  cef_string_list_t handle = cef_string_list_alloc();
  {
    CefRefPtr<ICefStringList> borrowed = MakeRefCounted<TCefStringListRef>(handle);
    borrowed->AppendItem(L"kept");
  }
  EXPECT_EQ(cef_string_list_size(handle), 1u);
  cef_string_list_free(handle);
}

TEST_F(EngineStringWithEngine, MapFindsValuesByKeyAndIndex) {
  CefRefPtr<ICefStringMap> map = MakeRefCounted<TCefStringMapOwn>();
  EXPECT_TRUE(map->AppendPair(L"Content-Type", L"text/html"));
  EXPECT_TRUE(map->AppendPair(L"Server", L"stand-in"));
  EXPECT_EQ(map->GetSize(), 2u);
  EXPECT_EQ(map->FindValue(L"Server"), L"stand-in");
  EXPECT_EQ(map->FindValue(L"Missing"), L"");
  EXPECT_EQ(map->GetKeyAt(0), L"Content-Type");
  EXPECT_EQ(map->GetValueAt(0), L"text/html");
  EXPECT_EQ(map->GetKeyAt(7), L"");
  map->ClearItems();
  EXPECT_EQ(map->GetSize(), 0u);
}

TEST_F(EngineStringWithEngine, MultimapKeepsARepeatedKeyAsTwoEntriesInOrder) {
  CefRefPtr<ICefStringMultimap> headers = MakeRefCounted<TCefStringMultimapOwn>();
  // Appended in key order: the engine keeps its multimap sorted by key, equal keys as added.
  EXPECT_TRUE(headers->AppendPair(L"Server", L"stand-in"));
  EXPECT_TRUE(headers->AppendPair(L"Set-Cookie", L"a=1"));
  EXPECT_TRUE(headers->AppendPair(L"Set-Cookie", L"b=2"));
  ASSERT_EQ(headers->GetSize(), 3u);
  EXPECT_EQ(headers->FindCount(L"Set-Cookie"), 2u);
  EXPECT_EQ(headers->GetEnumerate(L"Set-Cookie", 0), L"a=1");
  EXPECT_EQ(headers->GetEnumerate(L"Set-Cookie", 1), L"b=2");
  EXPECT_EQ(headers->GetEnumerate(L"Set-Cookie", 2), L"");

  std::vector<std::pair<ustring, ustring>> lines;
  for (size_t i = 0; i < headers->GetSize(); ++i) {
    lines.emplace_back(headers->GetKeyAt(i), headers->GetValueAt(i));
  }
  const std::vector<std::pair<ustring, ustring>> expected = {
      {L"Server", L"stand-in"}, {L"Set-Cookie", L"a=1"}, {L"Set-Cookie", L"b=2"}};
  EXPECT_EQ(lines, expected);
  headers->ClearItems();
  EXPECT_EQ(headers->GetSize(), 0u);
}

}  // namespace
