#include "standin/trace.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>

#include "standin/capi.h"
#include "standin/text.h"

namespace standin {
namespace {

struct TraceFile {
  std::mutex lock;
  bool opened = false;  // the environment has been read
  HANDLE file = INVALID_HANDLE_VALUE;
  // Held across processes around each append: the program's sub-processes trace into the same
  // file, and Wine does not make appends to a shared file atomic.
  HANDLE appending = nullptr;
};

TraceFile& State() {
  // Never destroyed: engine threads may still trace while the DLL unloads.
  static TraceFile* state = new TraceFile;
  return *state;
}

// Caller holds the lock.
void OpenLocked(TraceFile& state, bool empty_file) {
  state.opened = true;
  std::wstring path = EnvironmentValue(L"OSTREL_STANDIN_TRACE");
  if (path.empty()) return;
  const std::wstring mutex_name =
      L"ostrel-standin-trace-" + std::to_wstring(std::hash<std::wstring>{}(path));
  if (state.appending != nullptr) CloseHandle(state.appending);
  state.appending = CreateMutexW(nullptr, FALSE, mutex_name.c_str());
  state.file = CreateFileW(
      path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, empty_file ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

void Trace(std::string_view line) {
  TraceFile& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  if (!state.opened) OpenLocked(state, false);
  if (state.file == INVALID_HANDLE_VALUE) return;
  std::string text(line);
  text += '\n';
  DWORD written = 0;
  // An abandoned mutex (a process ended while appending) is ours all the same.
  const DWORD wait =
      state.appending != nullptr ? WaitForSingleObject(state.appending, 5000) : WAIT_FAILED;
  const bool held = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
  WriteFile(state.file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  if (held) ReleaseMutex(state.appending);
}

std::string TraceValue(std::wstring_view text) {
  std::string utf8 = Utf16ToUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  for (unsigned char c : utf8) {
    if (c <= 0x20 || c == 0x7F || c == '%') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

Faults ReadFaults() {
  Faults faults;
  std::wstring list = EnvironmentValue(L"OSTREL_STANDIN_FAULT");
  size_t begin = 0;
  while (begin <= list.size()) {
    size_t end = list.find(L',', begin);
    if (end == std::wstring::npos) end = list.size();
    std::wstring item = list.substr(begin, end - begin);
    if (item == L"init-fail") {
      faults.init_fail = true;
    } else if (item == L"context-never") {
      faults.context_never = true;
    } else if (item.rfind(L"context-late=", 0) == 0) {
      faults.context_late_ms = _wtoi(item.c_str() + 13);
      if (faults.context_late_ms < 0) faults.context_late_ms = 0;
    }
    begin = end + 1;
  }
  return faults;
}

void ResetTrace(bool empty_file) {
  TraceFile& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  if (state.file != INVALID_HANDLE_VALUE) CloseHandle(state.file);
  state.file = INVALID_HANDLE_VALUE;
  OpenLocked(state, empty_file);
}

}  // namespace standin
