// TulStringList: adding with its size limit and duplicate rules, sorting, names and values,
// the four searches, and taking entries out.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "upgrade/support/ul_string_list.h"

namespace {

std::vector<std::wstring> Entries(const TulStringList& list) {
  std::vector<std::wstring> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(list.Strings(i));
  return entries;
}
using Texts = std::vector<std::wstring>;

TEST(TulStringListAdd, AFullListDropsItsFirstEntry) {
  TulStringList list;
  list.SetMaxSize(2);
  EXPECT_EQ(list.Add(L"one"), 0);
  EXPECT_EQ(list.Add(L"two"), 1);
  EXPECT_EQ(list.Add(L"three"), 1);
  EXPECT_EQ(Entries(list), (Texts{L"two", L"three"}));
  // A limit lowered below the count is reached again by the next Add.
  list.SetMaxSize(1);
  EXPECT_EQ(list.Add(L"four"), 0);
  EXPECT_EQ(Entries(list), (Texts{L"four"}));
  list.SetMaxSize(0);
  EXPECT_EQ(list.Add(L"five"), -1);
  EXPECT_EQ(Entries(list), (Texts{L"four"}));
}

TEST(TulStringListAdd, IgnoresDuplicatesAlsoInUnsortedLists) {
  TulStringList list;  // duplicates ignored, case ignored, unsorted: the framework's defaults
  list.Add(L"http://b/x.dll");
  list.Add(L"http://a/y.dll");
  list.Add(L"http://c/z.dll");
  EXPECT_EQ(list.Add(L"http://a/y.dll"), 1);
  EXPECT_EQ(list.Add(L"HTTP://C/Z.DLL"), 2);
  EXPECT_EQ(list.Count(), 3);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.Add(L"HTTP://C/Z.DLL"), 3);
}

TEST(TulStringListAdd, AcceptsOrRefusesDuplicatesAsSet) {
  TulStringList list;
  list.SetDuplicates(dupAccept);
  list.Add(L"a");
  EXPECT_EQ(list.Add(L"a"), 1);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add(L"A"), EStringListError);
  EXPECT_EQ(list.Count(), 2);
}

TEST(TulStringListAdd, KeepsASortedListInOrder) {
  TulStringList list;
  list.Add(L"pear");
  list.Add(L"Apple");
  list.SetSorted(true);
  EXPECT_EQ(Entries(list), (Texts{L"Apple", L"pear"}));
  EXPECT_EQ(list.Add(L"banana"), 1);
  EXPECT_EQ(list.Add(L"zucchini"), 3);
  EXPECT_EQ(list.Add(L"APPLE"), 0);  // already there
  EXPECT_EQ(list.IndexOf(L"PEAR"), 2);
  EXPECT_EQ(list.IndexOf(L"cherry"), -1);
  EXPECT_THROW(list.SetStrings(0, L"x"), EStringListError);
  // The limit drops the first entry, then the new one goes to its place.
  list.SetMaxSize(4);
  EXPECT_EQ(list.Add(L"cherry"), 1);
  EXPECT_EQ(Entries(list), (Texts{L"banana", L"cherry", L"pear", L"zucchini"}));
}

TEST(TulStringListNames, SplitsAtTheSeparatorOfItsSide) {
  TulStringList list;
  list.Add(L"http://host/get?a=1=C:\\x.dll");
  list.Add(L"http://host/plain.dll");
  EXPECT_EQ(list.GetName(0), L"http://host/get?a");
  EXPECT_EQ(list.GetValue(0), L"1=C:\\x.dll");
  EXPECT_EQ(list.GetName(1), L"http://host/plain.dll");
  EXPECT_EQ(list.GetValue(1), L"");
  list.SetNVSeparatorMainSide(nvsRight);
  EXPECT_EQ(list.GetName(0), L"http://host/get?a=1");
  EXPECT_EQ(list.GetValue(0), L"C:\\x.dll");
  list.SetNVSeparator(L" -> ");
  list.Add(L"a -> b -> c");
  EXPECT_EQ(list.GetName(2), L"a -> b");
  EXPECT_EQ(list.GetValue(2), L"c");
}

TEST(TulStringListNames, SettingANameOrValueRebuildsTheEntry) {
  TulStringList list;
  list.Add(L"http://h/a.dll=a.dll");
  list.Add(L"http://h/b.dll");
  list.SetValue(0, L"C:\\App\\a.dll");
  EXPECT_EQ(list.Strings(0), L"http://h/a.dll=C:\\App\\a.dll");
  list.SetName(0, L"http://h/c.dll");
  EXPECT_EQ(list.Strings(0), L"http://h/c.dll=C:\\App\\a.dll");
  list.SetValue(1, L"b.dll");  // no separator: unchanged
  EXPECT_EQ(list.Strings(1), L"http://h/b.dll");
}

TEST(TulStringListSearch, FindsNamesAndValuesWholeOrInPart) {
  TulStringList list;
  list.Add(L"Alpha=One");
  list.Add(L"beta=Two");
  list.Add(L"gamma");
  EXPECT_EQ(list.IndexOfName(L"BETA", true), 1);
  EXPECT_EQ(list.IndexOfName(L"BETA", false), -1);
  EXPECT_EQ(list.IndexOfName(L"gamma", false), 2);
  EXPECT_EQ(list.IndexOfValue(L"two", true), 1);
  EXPECT_EQ(list.IndexOfValue(L"", false), 2);
  EXPECT_EQ(list.IndexOfNamePart(L"LPH", true), 0);
  EXPECT_EQ(list.IndexOfNamePart(L"LPH", false), -1);
  EXPECT_EQ(list.IndexOfValuePart(L"w", false), 1);
  EXPECT_EQ(list.IndexOfValuePart(L"Three", true), -1);
}

TEST(TulStringListTaking, TakesEntriesOutInOrder) {
  TulStringList list;
  EXPECT_EQ(list.GetFIFO(), L"");
  list.Add(L"a");
  list.Add(L"b");
  list.Add(L"c");
  EXPECT_EQ(list.GetFIFO(), L"a");
  EXPECT_EQ(list.GetAndDeleteItem(1), L"c");
  list.DeleteFirstItem();
  EXPECT_EQ(list.Count(), 0);
  list.DeleteFirstItem();
  EXPECT_THROW(list.GetAndDeleteItem(0), EStringListError);
  EXPECT_THROW(list.Strings(-1), EStringListError);
}

TEST(TulStringListTaking, ReleasesTheObjectsOfEntriesItDrops) {
  auto object = std::make_shared<int>(7);
  std::weak_ptr<int> watch = object;
  TulStringList list;
  list.SetMaxSize(1);
  list.AddObject(L"a", std::move(object));
  EXPECT_EQ(*std::static_pointer_cast<int>(list.Objects(0)), 7);
  list.Add(L"b");
  EXPECT_TRUE(watch.expired());
}

TEST(TulStringListValues, ListsTheNonEmptyValuesLineByLine) {
  TulStringList list;
  EXPECT_EQ(list.ValuesText(), L"");
  list.Add(L"http://h/a.dll=C:\\App\\a.dll");
  list.Add(L"http://h/b.dll");
  list.Add(L"http://h/c.dll=");
  list.Add(L"http://h/d.dll=C:\\Data\\d.dll");
  EXPECT_EQ(list.ValuesText(), L"C:\\App\\a.dll\r\nC:\\Data\\d.dll\r\n");
}

TEST(CompareTextOrdinal, OrdersByCodeUnitsAndFoldsAsciiCase) {
  EXPECT_LT(CompareTextOrdinal(L"a", L"b", false), 0);
  EXPECT_LT(CompareTextOrdinal(L"B", L"a", false), 0);
  EXPECT_GT(CompareTextOrdinal(L"B", L"a", true), 0);
  EXPECT_EQ(CompareTextOrdinal(L"AbC", L"aBc", true), 0);
  EXPECT_LT(CompareTextOrdinal(L"ab", L"abc", true), 0);
}

}  // namespace
