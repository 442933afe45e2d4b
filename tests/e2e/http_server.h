#ifndef OSTREL_TESTS_E2E_HTTP_SERVER_H_
#define OSTREL_TESTS_E2E_HTTP_SERVER_H_

// The web server of the tests that start the real program, and the start address it serves.

#include <string>

#include "tests/support/loopback_server.h"

namespace e2e {

using HttpServer = test_support::LoopbackServer;

// The start address the program was built with, when it is a plain-HTTP loopback address that a
// test can serve (through the stand-in's port map); otherwise port 0.
struct StartAddress {
  int port = 0;
  std::string path = "/";
};
StartAddress LoopbackStartAddress();

}  // namespace e2e

#endif  // OSTREL_TESTS_E2E_HTTP_SERVER_H_
