#include "tests/http/http_test_support.h"

#include <wininet.h>

#include <fstream>
#include <map>
#include <sstream>

namespace http_test {
namespace {

constexpr uint64_t kPatternPeriod = 65521;

const std::map<std::string, int>& Ports() {
  static const std::map<std::string, int> ports = [] {
    std::map<std::string, int> read;
    std::ifstream file(OSTREL_HTTP_SERVER_STATE L"\\ports");
    std::string line;
    while (std::getline(file, line)) {
      const size_t equals = line.find('=');
      if (equals != std::string::npos)
        read[line.substr(0, equals)] = std::stoi(line.substr(equals + 1));
    }
    return read;
  }();
  return ports;
}

std::string Stream(TulStream* stream) {
  std::string bytes;
  if (stream == nullptr) return bytes;
  bytes.resize(static_cast<size_t>(stream->Size()));
  stream->Seek(0);
  bytes.resize(stream->Read(bytes.data(), bytes.size()));
  return bytes;
}

}  // namespace

int Port(const char* server) {
  const auto found = Ports().find(server);
  return found == Ports().end() ? 0 : found->second;
}

std::wstring Url(const char* server, const std::wstring& path) {
  const bool secure = std::string(server) == "https" || std::string(server) == "rogue";
  return std::wstring(secure ? L"https" : L"http") + L"://127.0.0.1:" +
         std::to_wstring(Port(server)) + path;
}

std::wstring TextUrl(const std::wstring& tag, const std::string& body) {
  std::wstring hex;
  for (unsigned char c : body) {
    hex += L"0123456789abcdef"[c >> 4];
    hex += L"0123456789abcdef"[c & 15];
  }
  return Url("http", L"/text/" + tag + L"/" + (hex.empty() ? L"00" : hex));
}

std::string Pattern(uint64_t start, uint64_t end) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(end - start));
  for (uint64_t i = start; i < end; ++i) {
    const uint64_t j = i % kPatternPeriod;
    bytes += static_cast<char>((j * 31 + (j >> 8)) & 0xFF);
  }
  return bytes;
}

std::string RequestsWith(const std::string& tag) {
  const std::wstring url = Url("http", L"/_log/" + std::wstring(tag.begin(), tag.end()));
  HINTERNET session = InternetOpenW(L"log reader", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  HINTERNET request = InternetOpenUrlW(session, url.c_str(), nullptr, 0,
                                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
  std::string log;
  char buffer[4096];
  DWORD count = 0;
  while (request != nullptr && InternetReadFile(request, buffer, sizeof(buffer), &count) &&
         count != 0) {
    log.append(buffer, count);
  }
  if (request != nullptr) InternetCloseHandle(request);
  InternetCloseHandle(session);
  return log;
}

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

std::wstring TempFile(const std::wstring& name) {
  const std::wstring folder = OSTREL_HTTP_SERVER_STATE L"\\files";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring file = folder + L"\\" + name;
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(file.c_str());
  return file;
}

std::string ReadFileBytes(const std::wstring& file) {
  std::ifstream in(file.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::wstring& file, const std::string& bytes) {
  std::ofstream(file.c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

bool FileExists(const std::wstring& file) {
  return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TRecorder::TRecorder(TulCustomHTTP& http) : client(http) {
  http.OnDone = [this](TulCustomHTTP&, const std::wstring&, uint64_t size, TulStream* stream) {
    ++done;
    fileSize = size;
    body = Stream(stream);
    ended = true;
  };
  http.OnConnLost = [this](TulCustomHTTP&, const std::wstring&, uint64_t size, uint64_t read,
                           TulStream* stream) {
    ++connLost;
    fileSize = size;
    bytesRead = read;
    body = Stream(stream);
  };
  http.OnHTTPError = [this](TulCustomHTTP&, int status, TulStream* stream) {
    httpError = status;
    body = Stream(stream);
  };
  http.OnHostUnreachable = [this](TulCustomHTTP&) { ++hostUnreachable; };
  http.OnOutputFileError = [this](TulCustomHTTP&) { ++outputFileError; };
  http.OnAnyError = [this](TulCustomHTTP&) {
    ++anyError;
    ended = true;
  };
  http.OnAborted = [this](TulCustomHTTP&) {
    ++aborted;
    ended = true;
  };
  http.OnProgress = [this](TulCustomHTTP&, const TulHTTPProgress& figures) {
    progress.push_back(figures);
  };
  // A test ends in bounded time even against a server that stops answering.
  http.Timeouts = {5000, 5000, 5000};
}

bool TRecorder::WaitIdle(DWORD timeoutMs) {
  return ui_test::PumpUntil([&] { return ended && !client.Busy() && !client.ThreadBusy(); },
                            timeoutMs);
}

void HttpTest::SetUp() {
  UiTest::SetUp();
  ASSERT_NE(Port("http"), 0) << "the loopback servers are not running (CTest fixture http_servers)";
}

bool HttpTest::Fetch(const std::wstring& url) {
  events.ended = false;
  http.URL = url;
  return http.Read() && events.WaitIdle();
}

}  // namespace http_test
