#include "upgrade/http/ul_http_address.h"

#include <vector>

#include "upgrade/http/ul_http_text.h"
#include "upgrade/support/ul_text.h"

std::wstring TulAddress::Object() const { return Path + EncodeExtraInfo(ExtraInfo); }

bool CrackAddress(std::wstring_view url, TulAddress& address) {
  const std::wstring full = AddressWithScheme(url);
  std::vector<wchar_t> scheme(33), host(257), user(129), password(129), path(2049), extra(2049);
  URL_COMPONENTSW parts{};
  parts.dwStructSize = sizeof(parts);
  const auto give = [](std::vector<wchar_t>& buffer, LPWSTR& field, DWORD& length) {
    field = buffer.data();
    length = static_cast<DWORD>(buffer.size());
  };
  give(scheme, parts.lpszScheme, parts.dwSchemeLength);
  give(host, parts.lpszHostName, parts.dwHostNameLength);
  give(user, parts.lpszUserName, parts.dwUserNameLength);
  give(password, parts.lpszPassword, parts.dwPasswordLength);
  give(path, parts.lpszUrlPath, parts.dwUrlPathLength);
  give(extra, parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (!InternetCrackUrlW(full.c_str(), static_cast<DWORD>(full.size()), ICU_DECODE, &parts)) {
    return false;
  }
  address.Scheme = LowerAscii(parts.lpszScheme);
  address.Host = parts.lpszHostName;
  address.Port = parts.nPort;
  address.UserName = parts.lpszUserName;
  address.Password = parts.lpszPassword;
  address.Path = parts.lpszUrlPath;
  address.ExtraInfo = parts.lpszExtraInfo;
  return true;
}
