#ifndef OSTREL_TESTS_SUPPORT_LOOPBACK_SERVER_H_
#define OSTREL_TESTS_SUPPORT_LOOPBACK_SERVER_H_

// A small HTTP/1.0 server on 127.0.0.1 (port chosen by the system) for the tests and
// measurements: it answers GET requests from a path table, unknown paths with 404. Winsock is
// loaded at run time, so the test programs need no socket import library.

#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test_support {

class LoopbackServer {
 public:
  struct Reply {
    int status = 200;
    std::string content_type = "text/html; charset=utf-8";
    std::string body;
    std::string extra_headers;  // "Name: value\r\n" lines
    // Instead of `body`: this many bytes of PatternByte, sent in pieces.
    std::uint64_t generated_size = 0;
    bool announce_length = true;  // false: no Content-Length; the end of the body closes
    // Non-zero: after this many bytes of the body, wait for Release() before the rest.
    std::uint64_t hold_after = 0;
  };
  // Byte `index` of a generated body.
  static char PatternByte(std::uint64_t index) {
    return static_cast<char>((index * 2654435761u + index / 65521) >> 7);
  }
  explicit LoopbackServer(std::map<std::string, Reply> replies);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // 0 when the server could not listen.
  int port() const { return port_; }
  std::wstring Url(const std::string& path) const;
  // Request lines and headers received, one string per request.
  std::vector<std::string> Requests();
  // The paths requested so far, in order.
  std::vector<std::string> RequestedPaths();
  // Lets held replies send the rest of their bodies.
  void Release();

 private:
  void Serve();
  void Answer(SOCKET peer);
  bool Send(SOCKET peer, const char* data, size_t size);

  const std::map<std::string, Reply> replies_;
  HMODULE winsock_ = nullptr;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<bool> released_{false};
  std::mutex lock_;
  std::vector<std::string> requests_;
  std::vector<std::thread> answering_;  // one per connection; joined at the end
  std::thread thread_;
};

}  // namespace test_support

#endif  // OSTREL_TESTS_SUPPORT_LOOPBACK_SERVER_H_
