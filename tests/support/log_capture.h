#ifndef OSTREL_TESTS_SUPPORT_LOG_CAPTURE_H_
#define OSTREL_TESTS_SUPPORT_LOG_CAPTURE_H_

// Collects the program's log lines (base/log.h) while it lives, from every thread; the debugger
// output has them again afterwards. One at a time.

#include <mutex>
#include <string>
#include <vector>

#include "base/log.h"

class TLogCapture {
 public:
  TLogCapture() {
    Lines().clear();
    SetLogSink(&Collect);
  }
  ~TLogCapture() { SetLogSink(nullptr); }
  TLogCapture(const TLogCapture&) = delete;
  TLogCapture& operator=(const TLogCapture&) = delete;

  std::vector<std::wstring> Taken() const {
    const std::lock_guard<std::mutex> hold(Lock());
    return Lines();
  }

 private:
  static std::mutex& Lock() {
    static std::mutex lock;
    return lock;
  }
  static std::vector<std::wstring>& Lines() {
    static std::vector<std::wstring> lines;
    return lines;
  }
  static void Collect(std::wstring_view message, int32_t /*severity*/) {
    const std::lock_guard<std::mutex> hold(Lock());
    Lines().emplace_back(message);
  }
};

#endif  // OSTREL_TESTS_SUPPORT_LOG_CAPTURE_H_
