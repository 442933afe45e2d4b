// Throughput of TulCustomHTTP against a bare WinInet read loop, both downloading the same large
// file from the loopback test server into a file, in the same run, with the client's default
// buffer (4 KiB) and with 64 KiB, with its default cache options and, with 64 KiB, also without
// the temporary file WinInet otherwise keeps of the body. The client reports progress to the
// main thread, as the upgrade's progress window has it do.
//
//   http_client_bench PORTS_FILE [runs]   (default 5 runs of each, after one warm-up of each)

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ui/application.h"
#include "upgrade/http/ul_http.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint64_t kFileSize = 64ull << 20;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The same steps as the client's, nothing else: connect, request, send, read, write.
double BareLoop(int port, const std::wstring& path, const std::wstring& target, DWORD buffer) {
  const Clock::time_point start = Clock::now();
  HINTERNET session = InternetOpenW(L"bare", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  HINTERNET connection = InternetConnectW(session, L"127.0.0.1", static_cast<INTERNET_PORT>(port),
                                          nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  HINTERNET request = HttpOpenRequestW(connection, L"GET", path.c_str(), nullptr, nullptr, nullptr,
                                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
  HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  uint64_t total = 0;
  if (HttpSendRequestW(request, nullptr, 0, nullptr, 0)) {
    std::vector<char> data(buffer);
    DWORD count = 0, written = 0;
    while (InternetReadFile(request, data.data(), buffer, &count) && count != 0) {
      WriteFile(file, data.data(), count, &written, nullptr);
      total += count;
    }
  }
  CloseHandle(file);
  for (HINTERNET handle : {request, connection, session}) InternetCloseHandle(handle);
  return total == kFileSize ? Seconds(Clock::now() - start) : -1;
}

double Client(int port, const std::wstring& path, const std::wstring& target, uint32_t buffer,
              bool tempFile) {
  const Clock::time_point start = Clock::now();
  TulCustomHTTP http;
  bool done = false;
  uint64_t blocks = 0;
  http.URL = L"http://127.0.0.1:" + std::to_wstring(port) + path;
  http.OutputFileName = target;
  http.TransferBufferSize = buffer;
  http.CacheOptions.Include(coAlwaysReload);
  http.CacheOptions.Include(coNoCacheWrite);
  if (!tempFile) http.CacheOptions.Exclude(coCreateTempFilesIfCantCache);
  http.OnProgress = [&](TulCustomHTTP&, const TulHTTPProgress&) { ++blocks; };
  http.OnDone = [&](TulCustomHTTP&, const std::wstring&, uint64_t size, TulStream*) {
    done = size == kFileSize;
  };
  if (!http.Read(true) || !done || blocks == 0) return -1;
  return Seconds(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !Application().Initialize()) {
    std::fprintf(stderr, "usage: http_client_bench PORTS_FILE [runs]\n");
    return 2;
  }
  int port = 0;
  std::ifstream ports(argv[1]);
  for (std::string line; std::getline(ports, line);) {
    if (line.rfind("http=", 0) == 0) port = std::stoi(line.substr(5));
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const std::wstring path = L"/data/" + std::to_wstring(kFileSize) + L"/bench";
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring target = std::wstring(folder) + L"ostrel-http-bench.bin";

  std::printf("%d MiB from 127.0.0.1:%d into a file, %d runs each (median, MiB/s)\n",
              static_cast<int>(kFileSize >> 20), port, runs);
  std::printf("%-22s %10s %10s %6s\n", "buffer", "bare loop", "client", "ratio");
  int failures = 0;
  struct Row {
    uint32_t buffer;
    bool tempFile;  // WinInet's copy of the body, coCreateTempFilesIfCantCache (the default)
  };
  for (const Row row : {Row{4096, true}, Row{65536, true}, Row{65536, false}}) {
    const uint32_t buffer = row.buffer;
    std::vector<double> bare, client;
    for (int run = 0; run <= runs; ++run) {  // run 0 warms up
      const double b = BareLoop(port, path, target, buffer);
      const double c = Client(port, path, target, buffer, row.tempFile);
      failures += (b < 0) + (c < 0);
      if (run > 0 && b > 0 && c > 0) {
        bare.push_back(static_cast<double>(kFileSize >> 20) / b);
        client.push_back(static_cast<double>(kFileSize >> 20) / c);
      }
    }
    if (bare.empty()) continue;
    const std::string name = std::to_string(buffer) + (row.tempFile ? "" : " (no temp file)");
    std::printf("%-22s %10.1f %10.1f %6.2f\n", name.c_str(), Median(bare), Median(client),
                Median(client) / Median(bare));
  }
  DeleteFileW(target.c_str());
  if (failures != 0) std::printf("%d downloads failed\n", failures);
  return failures == 0 ? 0 : 1;
}
