#ifndef OSTREL_BROWSER_PREFERENCE_TEXTS_H_
#define OSTREL_BROWSER_PREFERENCE_TEXTS_H_

// The texts the browser control writes for the engine's preferences: the WebRTC policy names,
// the proxy's mode and server, and the lines of a saved preferences file. Pure: no <windows.h>.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum TCefWebRTCHandlingPolicy : int32_t {
  hpDefault = 0,
  hpDefaultPublicAndPrivateInterfaces = 1,
  hpDefaultPublicInterfaceOnly = 2,
  hpDisableNonProxiedUDP = 3,
};

enum TCefProxyScheme : int32_t {
  psHTTP = 0,
  psSOCKS4 = 1,
  psSOCKS5 = 2,
};

// The engine's name of the policy; empty for hpDefault, which writes nothing.
std::wstring WebRTCPolicyName(TCefWebRTCHandlingPolicy policy);

// The proxy "mode" of ProxyType: 1 automatic detection, 2 system settings, 3 fixed servers,
// 4 PAC script, anything else direct.
std::wstring ProxyModeName(int32_t proxyType);
// "socks5://host:1080", "host:8080": the fixed server of the scheme.
std::wstring ProxyServerText(TCefProxyScheme scheme, std::wstring_view server, int32_t port);

// ---- Lines of a preferences file: "name : value" ----

// `prefix` + "." + `key`, or the key alone without a prefix.
std::wstring PreferenceName(std::wstring_view prefix, std::wstring_view key);
// "name : value", or the value alone for an unnamed one (a list item).
std::wstring PreferenceLine(std::wstring_view name, std::wstring_view value);
std::wstring BooleanText(bool value);
// Shortest general form with up to 15 significant digits and `decimalSeparator`.
std::wstring DoubleText(double value, wchar_t decimalSeparator);
// "(count){item,item}"; "(0){}" for none.
std::wstring ListText(const std::vector<std::wstring>& items);
// The items joined by commas; an item that is empty or holds a blank, a control character, a
// comma or a double quote is written in double quotes, with inner quotes doubled, so that
// SplitDelimitedList gives the items back.
std::wstring CommaText(const std::vector<std::wstring>& items);

#endif  // OSTREL_BROWSER_PREFERENCE_TEXTS_H_
