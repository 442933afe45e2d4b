#ifndef OSTREL_UPGRADE_HTTP_UL_HTTP_ADDRESS_H_
#define OSTREL_UPGRADE_HTTP_UL_HTTP_ADDRESS_H_

// An address taken apart by the system's URL cracker, escape sequences decoded, as the HTTP
// client uses it.

#include <windows.h>
#include <wininet.h>

#include <string>
#include <string_view>

struct TulAddress {
  std::wstring Scheme;  // lower case
  std::wstring Host;
  INTERNET_PORT Port = 0;
  std::wstring UserName;
  std::wstring Password;
  std::wstring Path;
  std::wstring ExtraInfo;  // query and fragment as given
  bool IsFile() const { return Scheme == L"file"; }
  bool IsHttps() const { return Scheme == L"https"; }
  // What the request asks for: the path and the re-encoded extra part.
  std::wstring Object() const;
};

// "http://" goes in front of an address without "://". False when the cracker refuses it.
bool CrackAddress(std::wstring_view url, TulAddress& address);

#endif  // OSTREL_UPGRADE_HTTP_UL_HTTP_ADDRESS_H_
