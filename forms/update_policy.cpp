#include "forms/update_policy.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <utility>

#include "base/log.h"
#include "upgrade/http/ul_http_text.h"

namespace {

struct TPolicyValue {
  DWORD Type = REG_NONE;
  DWORD Number = 0;
  std::wstring Text;
  const wchar_t* Where = L"";
};

// The value `name` of the policy key, the computer's before the user's; nothing where neither
// has it.
std::optional<TPolicyValue> PolicyValue(const wchar_t* name) {
  for (const auto& [root, where] :
       {std::pair{HKEY_LOCAL_MACHINE, L"HKLM"}, std::pair{HKEY_CURRENT_USER, L"HKCU"}}) {
    wchar_t data[512];
    DWORD type = REG_NONE, size = sizeof(data);
    const LSTATUS status =
        RegGetValueW(root, kUpdatePolicyKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size);
    if (status == ERROR_FILE_NOT_FOUND) continue;
    TPolicyValue value{.Type = status == ERROR_SUCCESS ? type : REG_NONE, .Where = where};
    if (value.Type == REG_DWORD) std::memcpy(&value.Number, data, sizeof(value.Number));
    if (value.Type == REG_SZ) value.Text.assign(data, wcsnlen(data, size / sizeof(wchar_t)));
    return value;
  }
  return std::nullopt;
}

}  // namespace

TUpdatePolicy ReadUpdatePolicy() {
  TUpdatePolicy policy;
  const auto ignored = [&](const TPolicyValue& value, const wchar_t* name, const wchar_t* want) {
    WriteLogLine(std::wstring(L"Update policy ignored: ") + value.Where + L"\\" + kUpdatePolicyKey +
                     L" " + name + L" is not " + want,
                 kLogWarning);
  };
  if (const std::optional<TPolicyValue> check = PolicyValue(L"UpdateCheck")) {
    if (check->Type == REG_DWORD) {
      policy.CheckAllowed = check->Number != 0;
    } else {
      ignored(*check, L"UpdateCheck", L"a DWORD");
    }
  }
  if (const std::optional<TPolicyValue> host = PolicyValue(L"UpdateHost")) {
    if (host->Type == REG_SZ && IsHostAndPort(host->Text)) {
      policy.Host = host->Text;
    } else {
      ignored(*host, L"UpdateHost", L"a host[:port]");
    }
  }
  return policy;
}
