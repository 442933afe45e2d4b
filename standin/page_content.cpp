#include "standin/page_content.h"

#include <wininet.h>

#include <cwctype>
#include <fstream>
#include <iterator>

#include "standin/text.h"

namespace standin {
namespace {

int Hex(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::string PercentDecode(const std::wstring& text) {
  std::string bytes = Utf16ToUtf8(text);
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '%' && i + 2 < bytes.size() && Hex(bytes[i + 1]) >= 0 &&
        Hex(bytes[i + 2]) >= 0) {
      out += static_cast<char>(Hex(bytes[i + 1]) * 16 + Hex(bytes[i + 2]));
      i += 2;
    } else {
      out += bytes[i];
    }
  }
  return out;
}

std::string Base64Decode(const std::string& text) {
  std::string out;
  int bits = 0, value = 0;
  for (char c : text) {
    int digit = -1;
    if (c >= 'A' && c <= 'Z') digit = c - 'A';
    if (c >= 'a' && c <= 'z') digit = c - 'a' + 26;
    if (c >= '0' && c <= '9') digit = c - '0' + 52;
    if (c == '+' || c == '-') digit = 62;
    if (c == '/' || c == '_') digit = 63;
    if (digit < 0) continue;  // padding and blanks
    value = (value << 6) | digit;
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>((value >> bits) & 0xFF);
    }
  }
  return out;
}

std::wstring Entity(const std::wstring& name) {
  if (name == L"amp") return L"&";
  if (name == L"lt") return L"<";
  if (name == L"gt") return L">";
  if (name == L"quot") return L"\"";
  if (name == L"apos" || name == L"#39") return L"'";
  if (name == L"nbsp") return L" ";
  if (name.size() > 1 && name[0] == L'#') {
    const long code = name[1] == L'x' ? wcstol(name.c_str() + 2, nullptr, 16)
                                      : wcstol(name.c_str() + 1, nullptr, 10);
    if (code > 0 && code < 0xD800) return std::wstring(1, static_cast<wchar_t>(code));
  }
  return L"&" + name + L";";
}

// Markup removed, entities replaced, blanks collapsed; block ends become line breaks.
std::wstring PlainText(const std::wstring& html) {
  std::wstring out;
  bool blank = true;
  for (size_t i = 0; i < html.size(); ++i) {
    const wchar_t c = html[i];
    if (c == L'<') {
      const size_t end = html.find(L'>', i);
      if (end == std::wstring::npos) break;
      std::wstring tag = AsciiLower(html.substr(i + 1, end - i - 1));
      for (const wchar_t* skipped : {L"script", L"style", L"title", L"head"}) {
        if (tag.rfind(skipped, 0) == 0) {
          const size_t close = AsciiLower(html).find(std::wstring(L"</") + skipped, end);
          i = close == std::wstring::npos ? html.size() : html.find(L'>', close);
          if (i == std::wstring::npos) i = html.size();
          tag.clear();
          break;
        }
      }
      if (!tag.empty() && i < html.size()) {
        i = end;
        const bool block = tag == L"br" || tag == L"br/" || tag.rfind(L"/p", 0) == 0 ||
                           tag.rfind(L"/h", 0) == 0 || tag.rfind(L"/div", 0) == 0 ||
                           tag.rfind(L"/li", 0) == 0 || tag.rfind(L"/tr", 0) == 0;
        if (block && !out.empty() && out.back() != L'\n') {
          while (!out.empty() && out.back() == L' ') out.pop_back();
          out += L'\n';
          blank = true;
        }
      }
      continue;
    }
    if (c == L'&') {
      const size_t end = html.find(L';', i);
      if (end != std::wstring::npos && end - i < 10) {
        out += Entity(html.substr(i + 1, end - i - 1));
        i = end;
        blank = false;
        continue;
      }
    }
    if (std::iswspace(c)) {
      if (!blank) out += L' ';
      blank = true;
      continue;
    }
    out += c;
    blank = false;
  }
  while (!out.empty() && std::iswspace(out.back())) out.pop_back();
  return out;
}

std::wstring Attribute(const std::wstring& tag, const std::wstring& name) {
  const std::wstring lower = AsciiLower(tag);
  size_t at = lower.find(name + L"=");
  if (at == std::wstring::npos) return std::wstring();
  at += name.size() + 1;
  if (at < tag.size() && (tag[at] == L'"' || tag[at] == L'\'')) {
    const size_t end = tag.find(tag[at], at + 1);
    return tag.substr(at + 1, end == std::wstring::npos ? std::wstring::npos : end - at - 1);
  }
  const size_t end = tag.find_first_of(L" >", at);
  return tag.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
}

}  // namespace

void ParseDocument(const std::string& body, const std::wstring& mime_type, Page* page) {
  page->source = body;
  page->title.clear();
  page->links.clear();
  const std::wstring text = Utf8ToUtf16(body);
  if (AsciiLower(mime_type).find(L"html") == std::wstring::npos) {
    page->text = text;
    page->title = page->url;
    return;
  }
  const std::wstring lower = AsciiLower(text);
  const size_t title = lower.find(L"<title");
  if (title != std::wstring::npos) {
    const size_t begin = lower.find(L'>', title);
    const size_t end = lower.find(L"</title", begin);
    if (begin != std::wstring::npos && end != std::wstring::npos) {
      page->title = PlainText(text.substr(begin + 1, end - begin - 1));
    }
  }
  if (page->title.empty()) page->title = page->url;
  for (size_t at = lower.find(L"<a "); at != std::wstring::npos; at = lower.find(L"<a ", at + 1)) {
    const size_t tag_end = lower.find(L'>', at);
    const size_t close = lower.find(L"</a", tag_end);
    if (tag_end == std::wstring::npos || close == std::wstring::npos) break;
    const std::wstring href = Attribute(text.substr(at, tag_end - at), L"href");
    if (!href.empty()) {
      page->links.emplace_back(PlainText(text.substr(tag_end + 1, close - tag_end - 1)), href);
    }
  }
  page->text = PlainText(text);
}

std::wstring SchemeOf(const std::wstring& url) {
  const size_t colon = url.find(L':');
  if (colon == std::wstring::npos || colon == 0) return std::wstring();
  for (size_t i = 0; i < colon; ++i) {
    if (!std::iswalnum(url[i]) && url[i] != L'+' && url[i] != L'-' && url[i] != L'.') {
      return std::wstring();
    }
  }
  return AsciiLower(url.substr(0, colon));
}

bool IsLoopbackUrl(const std::wstring& url) {
  URL_COMPONENTSW parts{};
  parts.dwStructSize = sizeof parts;
  wchar_t host[256];
  parts.lpszHostName = host;
  parts.dwHostNameLength = ARRAYSIZE(host);
  if (!InternetCrackUrlW(url.c_str(), 0, 0, &parts)) return false;
  const std::wstring name = AsciiLower(std::wstring(host, parts.dwHostNameLength));
  return name == L"localhost" || name.rfind(L"127.", 0) == 0 || name == L"[::1]" || name == L"::1";
}

bool FetchLocal(const std::wstring& url, Fetched* fetched) {
  const std::wstring scheme = SchemeOf(url);
  fetched->final_url = url;
  if (scheme == L"about") {
    fetched->mime_type = L"text/html";
    return true;  // about:blank and friends: an empty document, no HTTP status
  }
  if (scheme == L"devtools") {
    fetched->status = 200;
    fetched->mime_type = L"text/html";
    fetched->body = "<title>DevTools</title><p>Developer tools of the stand-in engine.</p>";
    return true;
  }
  if (scheme == L"data") {
    const size_t comma = url.find(L',');
    if (comma == std::wstring::npos) {
      fetched->error = ERR_INVALID_URL;
      return true;
    }
    std::wstring header = AsciiLower(url.substr(5, comma - 5));
    const bool base64 = header.size() >= 7 && header.compare(header.size() - 7, 7, L";base64") == 0;
    fetched->mime_type = header.substr(0, header.find(L';'));
    if (fetched->mime_type.empty()) fetched->mime_type = L"text/plain";
    const std::string data = PercentDecode(url.substr(comma + 1));
    fetched->body = base64 ? Base64Decode(data) : data;
    fetched->status = 200;
    return true;
  }
  if (scheme == L"file") {
    std::wstring path = url.substr(5);
    while (path.size() > 1 && path[0] == L'/' && path[1] == L'/') path.erase(0, 1);
    if (path.size() > 2 && path[0] == L'/' && path[2] == L':') path.erase(0, 1);  // /C:/x
    path = Utf8ToUtf16(PercentDecode(path.substr(0, path.find_first_of(L"?#"))));
    for (wchar_t& c : path) {
      if (c == L'/') c = L'\\';
    }
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) {
      fetched->error = ERR_FILE_NOT_FOUND;
      return true;
    }
    fetched->body.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const std::wstring lower = AsciiLower(path);
    const bool html = lower.size() > 4 && (lower.rfind(L".htm") == lower.size() - 4 ||
                                           lower.rfind(L".html") == lower.size() - 5);
    fetched->mime_type = html ? L"text/html" : L"text/plain";
    fetched->status = 200;
    return true;
  }
  return false;
}

}  // namespace standin
