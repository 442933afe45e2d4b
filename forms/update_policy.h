#ifndef OSTREL_FORMS_UPDATE_POLICY_H_
#define OSTREL_FORMS_UPDATE_POLICY_H_

// What an organisation's administrators decide about the upgrade check, where Group Policy
// writes it: the computer's key first, then the user's, each value on its own
// (installer/policies holds the administrative template).
//   UpdateCheck  DWORD   0: the update host is never asked, neither at start nor on request
//   UpdateHost   string  "host[:port]" of a mirror of the update folder, asked instead (over
//                        HTTPS, and only a file signed with a key the build trusts counts)

#include <string>

inline constexpr wchar_t kUpdatePolicyKey[] = L"SOFTWARE\\Policies\\Ostrel\\Ostrel-Mini";

struct TUpdatePolicy {
  bool CheckAllowed = true;
  std::wstring Host;  // empty: the build's own
};

// A value that is there but not of its kind (a string for UpdateCheck, a host with a path...) is
// passed over, with a line in the program's log saying so.
TUpdatePolicy ReadUpdatePolicy();

#endif  // OSTREL_FORMS_UPDATE_POLICY_H_
