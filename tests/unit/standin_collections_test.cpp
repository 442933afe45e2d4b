// The stand-in engine's string list, map and multimap. Maps are ordered by key, like the
// engine's; the program reads them by index and must not expect insertion order.

#include <string>

#include <gtest/gtest.h>

#include "tests/unit/standin_test_support.h"

namespace {

using standin_test::Borrow;
using standin_test::Engine;
using standin_test::Text;

std::wstring ListValue(cef_string_list_t list, size_t index) {
  cef_string_t value{};
  if (!Engine().cef_string_list_value(list, index, &value)) return L"<none>";
  std::wstring text = Text(value);
  Engine().cef_string_utf16_clear(&value);
  return text;
}

template <typename Read>
std::wstring ReadWith(Read read) {
  cef_string_t value{};
  if (!read(&value)) return L"<none>";
  std::wstring text = Text(value);
  Engine().cef_string_utf16_clear(&value);
  return text;
}

TEST(StandinCollections, ListKeepsOrderAndCopies) {
  cef_string_list_t list = Engine().cef_string_list_alloc();
  std::wstring first = L"one";
  cef_string_t record = Borrow(first);
  Engine().cef_string_list_append(list, &record);
  first = L"changed";  // the list holds its own copy
  const std::wstring second = L"two";
  record = Borrow(second);
  Engine().cef_string_list_append(list, &record);
  Engine().cef_string_list_append(list, nullptr);  // an empty entry
  ASSERT_EQ(3u, Engine().cef_string_list_size(list));
  EXPECT_EQ(L"one", ListValue(list, 0));
  EXPECT_EQ(L"two", ListValue(list, 1));
  EXPECT_EQ(L"", ListValue(list, 2));
  EXPECT_EQ(L"<none>", ListValue(list, 3));

  cef_string_list_t copy = Engine().cef_string_list_copy(list);
  Engine().cef_string_list_clear(list);
  EXPECT_EQ(0u, Engine().cef_string_list_size(list));
  EXPECT_EQ(3u, Engine().cef_string_list_size(copy));
  Engine().cef_string_list_free(list);
  Engine().cef_string_list_free(copy);
}

TEST(StandinCollections, NullHandlesReadAsEmpty) {
  EXPECT_EQ(0u, Engine().cef_string_list_size(nullptr));
  EXPECT_EQ(L"<none>", ListValue(nullptr, 0));
  EXPECT_EQ(nullptr, Engine().cef_string_list_copy(nullptr));
  const std::wstring key = L"k";
  cef_string_t k = Borrow(key);
  EXPECT_EQ(0, Engine().cef_string_map_append(nullptr, &k, &k));
  EXPECT_EQ(0u, Engine().cef_string_multimap_find_count(nullptr, &k));
  Engine().cef_string_list_free(nullptr);
  Engine().cef_string_map_free(nullptr);
  Engine().cef_string_multimap_free(nullptr);
}

TEST(StandinCollections, MapIsSortedByKeyAndKeepsTheFirstValue) {
  cef_string_map_t map = Engine().cef_string_map_alloc();
  const std::wstring keys[] = {L"beta", L"alpha", L"beta"};
  const std::wstring values[] = {L"2", L"1", L"3"};
  for (int i = 0; i < 3; ++i) {
    cef_string_t k = Borrow(keys[i]);
    cef_string_t v = Borrow(values[i]);
    EXPECT_EQ(1, Engine().cef_string_map_append(map, &k, &v));
  }
  ASSERT_EQ(2u, Engine().cef_string_map_size(map));
  EXPECT_EQ(L"alpha",
            ReadWith([&](cef_string_t* o) { return Engine().cef_string_map_key(map, 0, o); }));
  EXPECT_EQ(L"1",
            ReadWith([&](cef_string_t* o) { return Engine().cef_string_map_value(map, 0, o); }));
  const std::wstring beta = L"beta";
  cef_string_t key = Borrow(beta);
  EXPECT_EQ(L"2",
            ReadWith([&](cef_string_t* o) { return Engine().cef_string_map_find(map, &key, o); }));
  const std::wstring gamma = L"gamma";
  key = Borrow(gamma);
  EXPECT_EQ(L"<none>",
            ReadWith([&](cef_string_t* o) { return Engine().cef_string_map_find(map, &key, o); }));
  EXPECT_EQ(L"<none>",
            ReadWith([&](cef_string_t* o) { return Engine().cef_string_map_key(map, 2, o); }));
  Engine().cef_string_map_clear(map);
  EXPECT_EQ(0u, Engine().cef_string_map_size(map));
  Engine().cef_string_map_free(map);
}

TEST(StandinCollections, MultimapKeepsEveryValueOfAKeyInOrder) {
  cef_string_multimap_t map = Engine().cef_string_multimap_alloc();
  const std::wstring pairs[][2] = {
      {L"Set-Cookie", L"a=1"}, {L"Content-Type", L"text/html"}, {L"Set-Cookie", L"b=2"}};
  for (const auto& pair : pairs) {
    cef_string_t k = Borrow(pair[0]);
    cef_string_t v = Borrow(pair[1]);
    EXPECT_EQ(1, Engine().cef_string_multimap_append(map, &k, &v));
  }
  ASSERT_EQ(3u, Engine().cef_string_multimap_size(map));
  const std::wstring cookie = L"Set-Cookie";
  cef_string_t key = Borrow(cookie);
  EXPECT_EQ(2u, Engine().cef_string_multimap_find_count(map, &key));
  EXPECT_EQ(L"b=2", ReadWith([&](cef_string_t* o) {
              return Engine().cef_string_multimap_enumerate(map, &key, 1, o);
            }));
  EXPECT_EQ(L"<none>", ReadWith([&](cef_string_t* o) {
              return Engine().cef_string_multimap_enumerate(map, &key, 2, o);
            }));
  // Index order is key order: Content-Type, then both Set-Cookie values.
  EXPECT_EQ(L"Content-Type",
            ReadWith([&](cef_string_t* o) { return Engine().cef_string_multimap_key(map, 0, o); }));
  EXPECT_EQ(L"a=1", ReadWith([&](cef_string_t* o) {
              return Engine().cef_string_multimap_value(map, 1, o);
            }));
  EXPECT_EQ(L"b=2", ReadWith([&](cef_string_t* o) {
              return Engine().cef_string_multimap_value(map, 2, o);
            }));
  Engine().cef_string_multimap_clear(map);
  EXPECT_EQ(0u, Engine().cef_string_multimap_size(map));
  Engine().cef_string_multimap_free(map);
}

}  // namespace
