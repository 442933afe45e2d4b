#ifndef OSTREL_UPGRADE_SUPPORT_UL_TEXT_H_
#define OSTREL_UPGRADE_SUPPORT_UL_TEXT_H_

// Text helpers of the upgrade library: command lines, addresses, Base64 and percentages. Free of
// <windows.h> (also built natively, tests/native).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

// A registered command line taken apart: the program to run and what follows it.
struct TulCommandLine {
  std::wstring Program;
  std::wstring Parameters;
};
// Quoted, unquoted ("C:\App\app.exe /s", "notepad.exe %1") and RUNDLL host lines
// ("rundll32.exe "C:\x\viewer.dll",Show %1"), whose program is the library they run.
TulCommandLine SplitCommandLine(std::wstring_view commandLine);

// "http://" in front of an address without "://".
std::wstring AddressWithScheme(std::wstring_view address);

// Standard alphabet with "=" padding; a CR LF follows every 20th group of three bytes, so lines
// hold 80 characters.
std::string EncodeBase64(std::string_view bytes);
// The bytes of unbroken standard Base64 with its padding; nothing for anything else.
std::optional<std::string> DecodeBase64(std::string_view text);

// part × 100 / total, rounded and kept within 0 to 100; 0 when total is 0.
uint8_t Percentage(int64_t total, int64_t part);

#endif  // OSTREL_UPGRADE_SUPPORT_UL_TEXT_H_
