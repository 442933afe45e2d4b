#ifndef OSTREL_UPGRADE_HTTP_UL_HTTP_TEXT_H_
#define OSTREL_UPGRADE_HTTP_UL_HTTP_TEXT_H_

// The HTTP client's rules that need no system: the extra part of an address as it is sent, the
// range header, the realm of a challenge, the status texts, the progress figures, and the
// composition of a multipart body. Free of <windows.h> (also built natively, tests/native).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Query and fragment as the request sends them: a space, "#", "%", "*", "+", "<", ">", a control
// character and every character from U+20AC on become "%" and the code in upper-case hex, at
// least two digits ("中" gives "%4E2D").
std::wstring EncodeExtraInfo(std::wstring_view extra);

// A number header (status code, Content-Length) as the server wrote it: decimal digits only,
// blanks around them allowed; empty for a sign, any other character or a value beyond 64 bits.
std::optional<uint64_t> HeaderNumber(std::wstring_view text);

// "RANGE: bytes=start-end\r\n", the end left out when it is 0.
std::wstring RangeHeader(uint32_t start, uint32_t end);

// The realm of a WWW-Authenticate value: what follows the first `="`, less the value's last
// character (the closing quote); the whole value when it has no `="`.
std::wstring RealmOf(std::wstring_view authenticate);

// The text of a WinInet status notification ("Unknown status" for a number not in the table).
std::wstring_view StatusText(unsigned long statusId);

// The new address of a redirect notification: the text up to its terminating character.
std::wstring RedirectTarget(const wchar_t* text, size_t length);

// "host" or "host:port" naming a server, nothing more: a host name of letters, digits, "-" and
// "." (up to 253 characters, no empty part) or a dotted address, and a port from 1 to 65535.
bool IsHostAndPort(std::wstring_view text);

// The last component of an address path, "/" and "\" both separating.
std::wstring FileNameOfPath(std::wstring_view path);

struct TulProgressFigures {
  uint8_t PercentsDone = 0;
  uint32_t ElapsedTime = 0;   // seconds
  int64_t EstimatedTime = 0;  // seconds left
  float TransferRate = 0;     // KiB/s
};
// `size` and `done` are the body's figures of this transfer; `start` the bytes a resumed file
// had already; `elapsedMs` the time since the transfer began.
TulProgressFigures ProgressFigures(uint64_t size, uint64_t done, uint64_t start,
                                   uint64_t elapsedMs);

// One byte per character, as the body's text is sent; a character beyond one byte becomes "?".
std::string ByteText(std::wstring_view text);

// The head of a multipart field: boundary line, disposition with the field's name and, with a
// file name, that name and its content type, then the empty line. The field's data and CR LF
// follow it.
std::string MultipartFieldHead(std::wstring_view boundary, std::wstring_view fieldName,
                               std::wstring_view fileName, std::wstring_view contentType);
// "--" + boundary + "--" + CR LF: closes the body.
std::string MultipartTail(std::wstring_view boundary);

#endif  // OSTREL_UPGRADE_HTTP_UL_HTTP_TEXT_H_
