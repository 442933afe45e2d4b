#include "tests/e2e/http_server.h"

#include <string_view>

#include "ostrel_config.h"

namespace e2e {
StartAddress LoopbackStartAddress() {
  StartAddress address;
  const std::wstring_view url = OSTREL_START_URL;
  std::wstring_view rest;
  for (const std::wstring_view host : {L"http://127.0.0.1", L"http://localhost"}) {
    if (url.substr(0, host.size()) == host) rest = url.substr(host.size());
  }
  if (rest.empty() || (rest[0] != L':' && rest[0] != L'/')) return {};
  int port = 80;
  if (rest[0] == L':') {
    port = 0;
    rest.remove_prefix(1);
    while (!rest.empty() && rest[0] >= L'0' && rest[0] <= L'9') {
      port = port * 10 + (rest[0] - L'0');
      rest.remove_prefix(1);
    }
  }
  if (port <= 0 || port > 65535 || (!rest.empty() && rest[0] != L'/')) return {};
  address.port = port;
  // The stand-in asks for the path exactly as the address gives it (no query in a start address).
  if (!rest.empty()) address.path.assign(rest.begin(), rest.end());
  return address;
}

}  // namespace e2e
