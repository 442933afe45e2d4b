#ifndef OSTREL_TESTS_HTTP_HTTP_TEST_SUPPORT_H_
#define OSTREL_TESTS_HTTP_HTTP_TEST_SUPPORT_H_

// The HTTP client's tests: the loopback servers (tests/http/http_test_server.py, started by a
// CTest fixture that writes their ports to a file), the bytes they send, the requests they saw,
// and a recorder of a client's events.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/ui_test_support.h"
#include "upgrade/http/ul_http.h"

namespace http_test {

// The port of a server: "http", "https", "rogue", "proxy" or "proxyauth"; 0 when unknown.
int Port(const char* server);
// "http://127.0.0.1:PORT" + path (https for the servers "https" and "rogue").
std::wstring Url(const char* server, const std::wstring& path);
// The address of a text the "http" server sends back as it is (an info file, say).
std::wstring TextUrl(const std::wstring& tag, const std::string& body);
// Bytes [start, end) of what /data/ sends.
std::string Pattern(uint64_t start, uint64_t end);
// The heads of the requests the servers saw whose request line contains `tag`.
std::string RequestsWith(const std::string& tag);
int Count(const std::string& text, const std::string& part);
// A fresh file name in build/tests/http-files (the file itself does not exist).
std::wstring TempFile(const std::wstring& name);
std::string ReadFileBytes(const std::wstring& file);
void WriteFileBytes(const std::wstring& file, const std::string& bytes);
bool FileExists(const std::wstring& file);

// Every outcome of a transfer, as the client's events report it (main thread).
struct TRecorder {
  explicit TRecorder(TulCustomHTTP& http);
  // Pumps messages until the transfer has ended and the client is idle again.
  bool WaitIdle(DWORD timeoutMs = 20000);

  TulCustomHTTP& client;
  bool ended = false;
  int done = 0, connLost = 0, hostUnreachable = 0, anyError = 0, aborted = 0, outputFileError = 0;
  int httpError = 0;  // the status OnHTTPError reported
  uint64_t fileSize = 0, bytesRead = 0;
  std::string body;  // what a memory output held at the end
  std::vector<TulHTTPProgress> progress;
};

// A client with its recorder; Fetch starts a download of `url` and waits until it has ended.
class HttpTest : public ui_test::UiTest {
 protected:
  void SetUp() override;
  bool Fetch(const std::wstring& url);

  TulCustomHTTP http;
  TRecorder events{http};
};

}  // namespace http_test

#endif  // OSTREL_TESTS_HTTP_HTTP_TEST_SUPPORT_H_
