#ifndef OSTREL_UPGRADE_HTTP_UL_LOGIN_H_
#define OSTREL_UPGRADE_HTTP_UL_LOGIN_H_

// TulLoginComponent: a user name and password, kept in a component's stored form as the
// scrambled binary property "LInfo" so that they do not stand there as plain text. Scrambling
// is no protection against anyone who has the program. Free of <windows.h>.

#include <optional>
#include <string>
#include <string_view>

class TulLoginComponent {
 public:
  virtual ~TulLoginComponent() = default;

  const std::wstring& Username() const { return FLoginUsername; }
  void SetUsername(std::wstring_view value) { FLoginUsername = value; }
  const std::wstring& Password() const { return FLoginPassword; }
  void SetPassword(std::wstring_view value) { FLoginPassword = value; }

  // "LInfo" is stored only when there is something to store.
  bool StoresLoginInfo() const { return !FLoginUsername.empty() || !FLoginPassword.empty(); }
  // For each of user name and password: a 16-bit length (low byte scrambled), then the UTF-16
  // code units (each scrambled), all little-endian.
  std::string WriteLoginInfo() const;
  // Takes both values from a stored "LInfo"; false, changing nothing, when it is malformed.
  bool ReadLoginInfo(std::string_view stored);

 protected:
  std::wstring FLoginUsername;
  std::wstring FLoginPassword;
};

#endif  // OSTREL_UPGRADE_HTTP_UL_LOGIN_H_
