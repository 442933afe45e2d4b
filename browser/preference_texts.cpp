#include "browser/preference_texts.h"

#include <cwchar>

std::wstring WebRTCPolicyName(TCefWebRTCHandlingPolicy policy) {
  switch (policy) {
    case hpDefaultPublicAndPrivateInterfaces:
      return L"default_public_and_private_interfaces";
    case hpDefaultPublicInterfaceOnly:
      return L"default_public_interface_only";
    case hpDisableNonProxiedUDP:
      return L"disable_non_proxied_udp";
    default:
      return {};
  }
}

std::wstring ProxyModeName(int32_t proxyType) {
  switch (proxyType) {
    case 1:
      return L"auto_detect";
    case 2:
      return L"system";
    case 3:
      return L"fixed_servers";
    case 4:
      return L"pac_script";
    default:
      return L"direct";
  }
}

std::wstring ProxyServerText(TCefProxyScheme scheme, std::wstring_view server, int32_t port) {
  std::wstring text = scheme == psSOCKS4 ? L"socks4://" : scheme == psSOCKS5 ? L"socks5://" : L"";
  text.append(server);
  text += L':';
  text += std::to_wstring(port);
  return text;
}

std::wstring PreferenceName(std::wstring_view prefix, std::wstring_view key) {
  std::wstring name(prefix);
  if (!name.empty()) name += L'.';
  name.append(key);
  return name;
}

std::wstring PreferenceLine(std::wstring_view name, std::wstring_view value) {
  std::wstring line(name);
  if (!line.empty()) line += L" : ";
  line.append(value);
  return line;
}

std::wstring BooleanText(bool value) { return value ? L"True" : L"False"; }

std::wstring DoubleText(double value, wchar_t decimalSeparator) {
  wchar_t buffer[64];
  std::swprintf(buffer, sizeof buffer / sizeof buffer[0], L"%.15G", value);
  std::wstring text(buffer);
  for (wchar_t& c : text) {
    if (c == L'.') c = decimalSeparator;
  }
  return text;
}

std::wstring ListText(const std::vector<std::wstring>& items) {
  std::wstring text = L"(" + std::to_wstring(items.size()) + L"){";
  for (const std::wstring& item : items) text += item + L",";
  if (!items.empty()) text.pop_back();
  return text + L"}";
}

std::wstring CommaText(const std::vector<std::wstring>& items) {
  std::wstring text;
  for (size_t i = 0; i < items.size(); ++i) {
    const std::wstring& item = items[i];
    if (i > 0) text += L',';
    bool quote = item.empty();
    for (wchar_t c : item) quote = quote || c <= L' ' || c == L',' || c == L'"';
    if (!quote) {
      text += item;
      continue;
    }
    text += L'"';
    for (wchar_t c : item) text.append(c == L'"' ? 2 : 1, c);
    text += L'"';
  }
  return text;
}
