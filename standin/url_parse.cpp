// Group "parser", part two: URL parsing and building, MIME types.
//
// cef_parse_url canonicalises like the engine's URL class for the schemes the program meets:
// - http, https, ws, wss, ftp: scheme and host in lower case, any run of slashes or backslashes
//   after "scheme:" accepted, default port dropped, empty path becomes "/", "." and ".."
//   segments resolved, blanks, quotes, angle brackets, controls and non-ASCII (as UTF-8)
//   percent-escaped; origin "scheme://host[:port]/".
// - file: host usually empty, Windows drive letters as "/C:/...", origin "file:///".
// - every other scheme (data, about, mailto, ...): everything after "scheme:" is the path (up to
//   '?' and '#'); only controls and non-ASCII are escaped; the origin is empty.
// It returns 0, leaving parts untouched, for a text without a valid scheme, a standard URL with
// an empty or malformed host, or a bad port. Not simulated: IDN hosts (non-ASCII hosts are
// refused) and numeric IPv4 forms such as "127.1" (kept as written).

#include <cstring>
#include <string>
#include <vector>

#include "standin/capi.h"
#include "standin/text.h"

namespace {

struct Url {
  std::wstring scheme, username, password, host, port, path, query, ref;
  bool has_query = false, has_ref = false, standard = false;
  std::wstring Spec() const;
  std::wstring Origin() const;
};

std::wstring Url::Spec() const {
  std::wstring spec = scheme + L":";
  if (standard) {
    spec += L"//";
    if (!username.empty() || !password.empty()) {
      spec += username;
      if (!password.empty()) spec += L":" + password;
      spec += L"@";
    }
    spec += host;
    if (!port.empty()) spec += L":" + port;
  }
  spec += path;
  if (has_query) spec += L"?" + query;
  if (has_ref) spec += L"#" + ref;
  return spec;
}

std::wstring Url::Origin() const {
  if (!standard) return std::wstring();
  return scheme + L"://" + host + (port.empty() ? L"" : L":" + port) + L"/";
}

bool IsAlpha(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHex(wchar_t c) { return IsDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

// Escapes the characters for which escape_ascii says so, and every non-ASCII character as its
// UTF-8 bytes; existing escapes stay as they are.
template <typename Predicate>
std::wstring Escape(std::wstring_view text, Predicate escape_ascii) {
  static const char kHex[] = "0123456789ABCDEF";
  std::wstring out;
  for (unsigned char c : standin::Utf16ToUtf8(text)) {
    if (c >= 0x80 || escape_ascii(c)) {
      out += L'%';
      out += static_cast<wchar_t>(kHex[c >> 4]);
      out += static_cast<wchar_t>(kHex[c & 15]);
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return out;
}

bool PathEscape(unsigned char c) {
  return c <= 0x20 || c == 0x7F || std::strchr("\"<>`{}", c) != nullptr;
}
bool QueryEscape(unsigned char c) { return c <= 0x20 || c == 0x7F || std::strchr("\"<>'", c); }
bool RefEscape(unsigned char c) { return c <= 0x20 || c == 0x7F || std::strchr("\"<>`", c); }
bool UserinfoEscape(unsigned char c) {
  return c <= 0x20 || c == 0x7F || std::strchr("\"#<>?`{}/:;=@[\\]^|", c) != nullptr;
}
bool OpaqueEscape(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool IsDotSegment(std::wstring_view s, bool two) {
  const std::wstring lower = standin::AsciiLower(s);
  return two ? (lower == L".." || lower == L".%2e" || lower == L"%2e." || lower == L"%2e%2e")
             : (lower == L"." || lower == L"%2e");
}

// Resolves "." and ".." in a path that starts with '/'; backslashes count as slashes.
std::wstring CanonicalPath(std::wstring_view raw) {
  std::wstring path(raw);
  for (wchar_t& c : path) {
    if (c == L'\\') c = L'/';
  }
  if (path.empty() || path[0] != L'/') path.insert(path.begin(), L'/');
  std::vector<std::wstring> segments;
  size_t begin = 1;
  for (;;) {
    size_t end = path.find(L'/', begin);
    const bool last = end == std::wstring::npos;
    std::wstring segment = path.substr(begin, last ? std::wstring::npos : end - begin);
    if (IsDotSegment(segment, true)) {
      if (!segments.empty()) segments.pop_back();
      if (last) segments.emplace_back();
    } else if (IsDotSegment(segment, false)) {
      if (last) segments.emplace_back();
    } else {
      segments.push_back(std::move(segment));
    }
    if (last) break;
    begin = end + 1;
  }
  std::wstring out;
  for (const std::wstring& segment : segments) out += L"/" + segment;
  if (out.empty()) out = L"/";
  return Escape(out, PathEscape);
}

// Percent-decoded, lower-cased, checked host; empty for an invalid one.
std::wstring CanonicalHost(std::wstring_view raw) {
  std::string bytes;
  const std::string utf8 = standin::Utf16ToUtf8(raw);
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '%' && i + 2 < utf8.size() && IsHex(utf8[i + 1]) && IsHex(utf8[i + 2])) {
      bytes += static_cast<char>(std::stoi(utf8.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      bytes += utf8[i];
    }
  }
  std::wstring host;
  for (unsigned char c : bytes) {
    if (c >= 0x80) return std::wstring();  // would need IDN
    host += static_cast<wchar_t>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  }
  if (host.empty()) return host;
  if (host.front() == L'[') {
    if (host.size() < 3 || host.back() != L']') return std::wstring();
    for (size_t i = 1; i + 1 < host.size(); ++i) {
      if (!IsHex(host[i]) && host[i] != L':' && host[i] != L'.') return std::wstring();
    }
    return host;
  }
  for (wchar_t c : host) {
    if (c <= 0x20 || c == 0x7F || std::wcschr(L" #%/:<>?@[\\]^|", c)) return std::wstring();
  }
  return host;
}

int DefaultPort(const std::wstring& scheme) {
  if (scheme == L"http" || scheme == L"ws") return 80;
  if (scheme == L"https" || scheme == L"wss") return 443;
  if (scheme == L"ftp") return 21;
  return -1;
}

// Splits "path?query#ref" into the URL's last three parts (raw).
void SplitTail(std::wstring_view tail, std::wstring* path, Url* url) {
  const size_t hash = tail.find(L'#');
  if (hash != std::wstring_view::npos) {
    url->has_ref = true;
    url->ref = Escape(tail.substr(hash + 1), RefEscape);
    tail = tail.substr(0, hash);
  }
  const size_t question = tail.find(L'?');
  if (question != std::wstring_view::npos) {
    url->has_query = true;
    url->query = Escape(tail.substr(question + 1), QueryEscape);
    tail = tail.substr(0, question);
  }
  *path = std::wstring(tail);
}

bool ParseAuthority(std::wstring_view authority, Url* url) {
  const size_t at = authority.rfind(L'@');
  if (at != std::wstring_view::npos) {
    std::wstring_view userinfo = authority.substr(0, at);
    const size_t colon = userinfo.find(L':');
    url->username = Escape(userinfo.substr(0, colon), UserinfoEscape);
    if (colon != std::wstring_view::npos) {
      url->password = Escape(userinfo.substr(colon + 1), UserinfoEscape);
    }
    authority = authority.substr(at + 1);
  }
  std::wstring_view host = authority;
  std::wstring_view port;
  const size_t bracket = authority.rfind(L']');
  const size_t colon = authority.rfind(L':');
  if (colon != std::wstring_view::npos && (bracket == std::wstring_view::npos || colon > bracket)) {
    host = authority.substr(0, colon);
    port = authority.substr(colon + 1);
  }
  url->host = CanonicalHost(host);
  if (url->host.empty()) return false;
  if (!port.empty()) {
    long value = 0;
    for (wchar_t c : port) {
      if (!IsDigit(c)) return false;
      value = value * 10 + (c - L'0');
      if (value > 65535) return false;
    }
    if (value != DefaultPort(url->scheme)) url->port = std::to_wstring(value);
  }
  return true;
}

bool IsDriveSpec(std::wstring_view text) {
  return text.size() >= 2 && IsAlpha(text[0]) && (text[1] == L':' || text[1] == L'|') &&
         (text.size() == 2 || text[2] == L'/' || text[2] == L'\\');
}

bool ParseFile(std::wstring_view rest, Url* url) {
  size_t slashes = 0;
  while (slashes < rest.size() && (rest[slashes] == L'/' || rest[slashes] == L'\\')) ++slashes;
  std::wstring raw_path;
  SplitTail(rest.substr(slashes), &raw_path, url);
  std::wstring_view after(raw_path);
  // Two or four and more slashes introduce a host (a UNC path); three always mean a local file.
  if (slashes >= 2 && slashes != 3 && !IsDriveSpec(after)) {
    const size_t end = after.find_first_of(L"/\\");
    const std::wstring_view host = after.substr(0, end);
    if (!host.empty()) {
      url->host = CanonicalHost(host);
      if (url->host.empty() || url->host.find(L':') != std::wstring::npos) return false;
    }
    after = end == std::wstring_view::npos ? std::wstring_view() : after.substr(end);
  }
  std::wstring path(after);
  if (IsDriveSpec(path)) {
    path[0] = static_cast<wchar_t>(path[0] >= L'a' ? path[0] - 32 : path[0]);
    path[1] = L':';
  }
  url->path = CanonicalPath(path);
  return true;
}

bool ParseUrl(std::wstring_view input, Url* url) {
  std::wstring text;
  size_t first = 0, last = input.size();
  while (first < last && input[first] <= 0x20) ++first;
  while (last > first && input[last - 1] <= 0x20) --last;
  for (wchar_t c : input.substr(first, last - first)) {
    if (c != L'\t' && c != L'\r' && c != L'\n') text += c;
  }
  const size_t colon = text.find(L':');
  if (colon == std::wstring::npos || colon == 0 || !IsAlpha(text[0])) return false;
  for (size_t i = 0; i < colon; ++i) {
    const wchar_t c = text[i];
    if (!IsAlpha(c) && !IsDigit(c) && c != L'+' && c != L'-' && c != L'.') return false;
  }
  url->scheme = standin::AsciiLower(std::wstring_view(text).substr(0, colon));
  std::wstring_view rest = std::wstring_view(text).substr(colon + 1);
  if (url->scheme == L"file") {
    url->standard = true;
    return ParseFile(rest, url);
  }
  if (DefaultPort(url->scheme) < 0) {
    std::wstring raw_path;
    SplitTail(rest, &raw_path, url);
    url->path = Escape(raw_path, OpaqueEscape);
    return true;
  }
  url->standard = true;
  size_t begin = 0;
  while (begin < rest.size() && (rest[begin] == L'/' || rest[begin] == L'\\')) ++begin;
  rest = rest.substr(begin);
  const size_t end = rest.find_first_of(L"/\\?#");
  if (!ParseAuthority(rest.substr(0, end), url)) return false;
  std::wstring raw_path;
  SplitTail(end == std::wstring_view::npos ? std::wstring_view() : rest.substr(end), &raw_path,
            url);
  url->path = CanonicalPath(raw_path);
  return true;
}

struct MimeType {
  const wchar_t* extension;
  const wchar_t* type;
};

constexpr MimeType kMimeTypes[] = {
    {L"html", L"text/html"},        {L"htm", L"text/html"},
    {L"css", L"text/css"},          {L"txt", L"text/plain"},
    {L"js", L"text/javascript"},    {L"json", L"application/json"},
    {L"xml", L"text/xml"},          {L"png", L"image/png"},
    {L"jpg", L"image/jpeg"},        {L"jpeg", L"image/jpeg"},
    {L"gif", L"image/gif"},         {L"bmp", L"image/bmp"},
    {L"ico", L"image/x-icon"},      {L"svg", L"image/svg+xml"},
    {L"webp", L"image/webp"},       {L"pdf", L"application/pdf"},
    {L"zip", L"application/zip"},   {L"exe", L"application/octet-stream"},
    {L"mp4", L"video/mp4"},         {L"mp3", L"audio/mpeg"},
    {L"wasm", L"application/wasm"}, {L"woff", L"font/woff"},
};

}  // namespace

extern "C" {

int cef_parse_url(const cef_string_t* url, struct _cef_urlparts_t* parts) {
  Url parsed;
  if (!parts || !ParseUrl(standin::FromRecord(url), &parsed)) return 0;
  standin::SetRecord(&parts->spec, parsed.Spec());
  standin::SetRecord(&parts->scheme, parsed.scheme);
  standin::SetRecord(&parts->username, parsed.username);
  standin::SetRecord(&parts->password, parsed.password);
  standin::SetRecord(&parts->host, parsed.host);
  standin::SetRecord(&parts->port, parsed.port);
  standin::SetRecord(&parts->origin, parsed.Origin());
  standin::SetRecord(&parts->path, parsed.path);
  standin::SetRecord(&parts->query, parsed.query);
  return 1;
}

// From spec when it is set, else from scheme and host (both required) and the other parts.
int cef_create_url(const struct _cef_urlparts_t* parts, cef_string_t* url) {
  if (!parts || !url) return 0;
  std::wstring text = standin::FromRecord(&parts->spec);
  if (text.empty()) {
    const std::wstring scheme = standin::FromRecord(&parts->scheme);
    const std::wstring host = standin::FromRecord(&parts->host);
    if (scheme.empty() || host.empty()) return 0;
    text = scheme + L"://";
    const std::wstring user = standin::FromRecord(&parts->username);
    const std::wstring password = standin::FromRecord(&parts->password);
    if (!user.empty()) text += user + (password.empty() ? L"" : L":" + password) + L"@";
    text += host;
    const std::wstring port = standin::FromRecord(&parts->port);
    if (!port.empty()) text += L":" + port;
    std::wstring path = standin::FromRecord(&parts->path);
    if (!path.empty() && path[0] != L'/') path.insert(path.begin(), L'/');
    text += path;
    const std::wstring query = standin::FromRecord(&parts->query);
    if (!query.empty()) text += L"?" + query;
  }
  Url parsed;
  if (!ParseUrl(text, &parsed)) return 0;
  return standin::SetRecord(url, parsed.Spec()) ? 1 : 0;
}

// Not simulated yet.
cef_string_userfree_t cef_format_url_for_security_display(const cef_string_t*) { return nullptr; }

// A small built-in table; unknown extensions give null (the empty string).
cef_string_userfree_t cef_get_mime_type(const cef_string_t* extension) {
  const std::wstring wanted = standin::AsciiLower(standin::FromRecord(extension));
  for (const MimeType& entry : kMimeTypes) {
    if (wanted == entry.extension) return standin::NewUserFree(entry.type);
  }
  return nullptr;
}

void cef_get_extensions_for_mime_type(const cef_string_t* mime_type, cef_string_list_t extensions) {
  if (!extensions) return;
  const std::wstring wanted = standin::AsciiLower(standin::FromRecord(mime_type));
  for (const MimeType& entry : kMimeTypes) {
    if (wanted != entry.type) continue;
    cef_string_t record{const_cast<wchar_t*>(entry.extension), std::wcslen(entry.extension),
                        nullptr};
    cef_string_list_append(extensions, &record);
  }
}

}  // extern "C"
