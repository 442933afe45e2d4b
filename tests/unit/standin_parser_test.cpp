// The stand-in engine's Base64, URI escaping and URL parsing.

#include <string>

#include <gtest/gtest.h>

#include "tests/unit/standin_test_support.h"

namespace {

using standin_test::Borrow;
using standin_test::Engine;
using standin_test::TakeUserFree;
using standin_test::Text;

std::wstring Encode64(const std::string& bytes) {
  return TakeUserFree(Engine().cef_base64encode(bytes.data(), bytes.size()));
}

// The decoded bytes, or "<null>" when the engine gave no value.
std::string Decode64(const std::wstring& text) {
  cef_string_t record = Borrow(text);
  cef_binary_value_t* value = Engine().cef_base64decode(&record);
  if (!value) return "<null>";
  std::string bytes(value->get_size(value), '\0');
  value->get_data(value, bytes.data(), bytes.size(), 0);
  value->base.release(&value->base);
  return bytes;
}

TEST(StandinParser, Base64RoundTrip) {
  EXPECT_EQ(L"", Encode64(""));  // null user-free string
  EXPECT_EQ(L"YQ==", Encode64("a"));
  EXPECT_EQ(L"YWI=", Encode64("ab"));
  EXPECT_EQ(L"YWJj", Encode64("abc"));
  EXPECT_EQ(L"/+8A", Encode64(std::string("\xFF\xEF\x00", 3)));
  EXPECT_EQ("abc", Decode64(L"YWJj"));
  EXPECT_EQ(std::string("\xFF\xEF\x00", 3), Decode64(L"/+8A"));
  EXPECT_EQ("a", Decode64(L"YQ=="));
}

TEST(StandinParser, Base64DecodeRefusesMalformedText) {
  EXPECT_EQ("<null>", Decode64(L""));
  EXPECT_EQ("<null>", Decode64(L"YQ"));     // not padded to 4
  EXPECT_EQ("<null>", Decode64(L"Y Q=="));  // blank
  EXPECT_EQ("<null>", Decode64(L"Y=Q="));   // padding inside
}

TEST(StandinParser, BinaryValueIsCountedAndReadInParts) {
  const size_t live = Engine().live_object_count();
  cef_binary_value_t* value = Engine().cef_binary_value_create("abcdef", 6);
  ASSERT_NE(nullptr, value);
  EXPECT_EQ(live + 1, Engine().live_object_count());
  char part[4] = {};
  EXPECT_EQ(3u, value->get_data(value, part, 3, 3));
  EXPECT_EQ(std::string("def"), std::string(part, 3));
  EXPECT_EQ(0u, value->get_data(value, part, 3, 6));
  EXPECT_EQ(1, value->base.has_one_ref(&value->base));
  EXPECT_EQ(0, value->base.release(&value->base));
  EXPECT_EQ(live, Engine().live_object_count());
  EXPECT_EQ(nullptr, Engine().cef_binary_value_create(nullptr, 3));
}

std::wstring UriEncode(const std::wstring& text, int use_plus) {
  cef_string_t record = Borrow(text);
  return TakeUserFree(Engine().cef_uriencode(&record, use_plus));
}

std::wstring UriDecode(const std::wstring& text, cef_uri_unescape_rule_t rule) {
  cef_string_t record = Borrow(text);
  return TakeUserFree(Engine().cef_uridecode(&record, 1, rule));
}

TEST(StandinParser, UriEncodeEscapesReservedCharacters) {
  EXPECT_EQ(L"a%2Bb/c%3D%3D", UriEncode(L"a+b/c==", 0));
  EXPECT_EQ(L"a%20b", UriEncode(L"a b", 0));
  EXPECT_EQ(L"a+b", UriEncode(L"a b", 1));
  EXPECT_EQ(L"%C3%A9-_.~", UriEncode(L"\xE9-_.~", 0));
}

TEST(StandinParser, UriDecodeFollowsTheRule) {
  EXPECT_EQ(L"a%20b", UriDecode(L"a%20b", UU_NONE));
  EXPECT_EQ(L"a%20b%2Fc", UriDecode(L"a%20b%2Fc", UU_NORMAL));
  EXPECT_EQ(L"a b/c", UriDecode(L"a%20b%2Fc", static_cast<cef_uri_unescape_rule_t>(
                                                  UU_NORMAL | UU_SPACES | UU_PATH_SEPARATORS)));
  EXPECT_EQ(L"\xE9x", UriDecode(L"%C3%A9x", UU_NORMAL));
  EXPECT_EQ(L"%C3x", UriDecode(L"%C3x", UU_NORMAL));  // incomplete UTF-8 stays escaped
  EXPECT_EQ(L"a b", UriDecode(L"a+b", UU_REPLACE_PLUS_WITH_SPACE));
}

struct Parts {
  bool ok = false;
  std::wstring spec, scheme, username, password, host, port, origin, path, query;
};

Parts Parse(const std::wstring& url) {
  cef_string_t record = Borrow(url);
  cef_urlparts_t raw{};
  Parts parts;
  parts.ok = Engine().cef_parse_url(&record, &raw) != 0;
  cef_string_t* fields[] = {&raw.spec, &raw.scheme, &raw.username, &raw.password, &raw.host,
                            &raw.port, &raw.origin, &raw.path,     &raw.query};
  std::wstring* out[] = {&parts.spec, &parts.scheme, &parts.username, &parts.password, &parts.host,
                         &parts.port, &parts.origin, &parts.path,     &parts.query};
  for (int i = 0; i < 9; ++i) {
    *out[i] = Text(*fields[i]);
    Engine().cef_string_utf16_clear(fields[i]);
  }
  return parts;
}

TEST(StandinParser, ParseHttpUrl) {
  Parts p = Parse(L"  HTTP://User:Pw@Example.COM:8080/a/./b/../c d?x=1 2#frag ");
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(L"http://User:Pw@example.com:8080/a/c%20d?x=1%202#frag", p.spec);
  EXPECT_EQ(L"http", p.scheme);
  EXPECT_EQ(L"User", p.username);
  EXPECT_EQ(L"Pw", p.password);
  EXPECT_EQ(L"example.com", p.host);
  EXPECT_EQ(L"8080", p.port);
  EXPECT_EQ(L"http://example.com:8080/", p.origin);
  EXPECT_EQ(L"/a/c%20d", p.path);
  EXPECT_EQ(L"x=1%202", p.query);
}

TEST(StandinParser, ParseDropsDefaultPortAndAddsRootPath) {
  Parts p = Parse(L"https://example.org:443");
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(L"https://example.org/", p.spec);
  EXPECT_EQ(L"", p.port);
  EXPECT_EQ(L"/", p.path);
  EXPECT_EQ(L"https://example.org/", p.origin);
}

TEST(StandinParser, ParseFileAndDataUrls) {
  Parts file = Parse(L"file:///c:/dir\\x.txt");
  ASSERT_TRUE(file.ok);
  EXPECT_EQ(L"file:///C:/dir/x.txt", file.spec);
  EXPECT_EQ(L"", file.host);
  EXPECT_EQ(L"/C:/dir/x.txt", file.path);
  EXPECT_EQ(L"file:///", file.origin);

  Parts data = Parse(L"data:text/plain;base64,YWJj");
  ASSERT_TRUE(data.ok);
  EXPECT_EQ(L"data", data.scheme);
  EXPECT_EQ(L"text/plain;base64,YWJj", data.path);
  EXPECT_EQ(L"", data.origin);
}

TEST(StandinParser, ParseRefusesInvalidUrls) {
  EXPECT_FALSE(Parse(L"").ok);
  EXPECT_FALSE(Parse(L"no scheme here").ok);
  EXPECT_FALSE(Parse(L"http://").ok);
  EXPECT_FALSE(Parse(L"http://host:99999/").ok);
  EXPECT_FALSE(Parse(L"http://exa mple.com/").ok);
  EXPECT_FALSE(Parse(L"1http://x/").ok);
}

TEST(StandinParser, CreateUrlFromParts) {
  const std::wstring scheme = L"http", host = L"Host", path = L"p", query = L"q=1";
  cef_urlparts_t parts{};
  parts.scheme = Borrow(scheme);
  parts.host = Borrow(host);
  parts.path = Borrow(path);
  parts.query = Borrow(query);
  cef_string_t url{};
  ASSERT_EQ(1, Engine().cef_create_url(&parts, &url));
  EXPECT_EQ(L"http://host/p?q=1", Text(url));
  Engine().cef_string_utf16_clear(&url);
}

}  // namespace
