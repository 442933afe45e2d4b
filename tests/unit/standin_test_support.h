#ifndef OSTREL_TESTS_UNIT_STANDIN_TEST_SUPPORT_H_
#define OSTREL_TESTS_UNIT_STANDIN_TEST_SUPPORT_H_

// Helpers for the tests of the stand-in engine (build/bin/libcef.dll, loaded into the test
// process): its entry points and test hooks, engine string records, and a trace file.

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/capi/cef_capi.h"
#include "standin/standin_hooks.h"

namespace standin_test {

// Every entry point of the stand-in, resolved by name, plus its test hooks.
struct Api {
#define STANDIN_TEST_MEMBER(group, group_name, name) name##_func name = nullptr;
  CEF_ENTRY_POINTS(STANDIN_TEST_MEMBER)
#undef STANDIN_TEST_MEMBER
  standin_live_object_count_func live_object_count = nullptr;
  standin_reset_trace_func reset_trace = nullptr;
  HMODULE module = nullptr;
};

// build/bin, or OSTREL_BIN_DIR when set; the tests run from build/tests.
inline std::wstring BinDir() {
  wchar_t buffer[MAX_PATH];
  DWORD n = GetEnvironmentVariableW(L"OSTREL_BIN_DIR", buffer, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::wstring(buffer, n);
  n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring exe(buffer, n);
  return exe.substr(0, exe.find_last_of(L"\\/")) + L"\\..\\bin";
}

template <typename Function>
Function Resolve(HMODULE module, const char* name) {
  // Through void*: a direct cast between function pointer types is warned about.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Loaded once per test process; every test sees the same engine state.
inline const Api& Engine() {
  static const Api api = [] {
    Api loaded;
    const std::wstring path = BinDir() + L"\\libcef.dll";
    loaded.module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!loaded.module) return loaded;
#define STANDIN_TEST_RESOLVE(group, group_name, name) \
  loaded.name = Resolve<name##_func>(loaded.module, #name);
    CEF_ENTRY_POINTS(STANDIN_TEST_RESOLVE)
#undef STANDIN_TEST_RESOLVE
    loaded.live_object_count =
        Resolve<standin_live_object_count_func>(loaded.module, "standin_live_object_count");
    loaded.reset_trace = Resolve<standin_reset_trace_func>(loaded.module, "standin_reset_trace");
    return loaded;
  }();
  return api;
}

// A record borrowing `text` (no copy, no dtor), as the program passes strings in.
inline cef_string_t Borrow(const std::wstring& text) {
  return cef_string_t{const_cast<wchar_t*>(text.c_str()), text.size(), nullptr};
}

inline std::wstring Text(const cef_string_t& record) {
  return record.str ? std::wstring(record.str, record.length) : std::wstring();
}

// Reads a user-free string and frees it; null reads as empty.
inline std::wstring TakeUserFree(cef_string_userfree_t value) {
  std::wstring text = value ? Text(*value) : std::wstring();
  Engine().cef_string_userfree_utf16_free(value);
  return text;
}

// Points OSTREL_STANDIN_TRACE (and OSTREL_STANDIN_FAULT) at fresh values for one test.
class TraceFile {
 public:
  explicit TraceFile(const wchar_t* faults = L"") {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    wchar_t name[MAX_PATH];
    GetTempFileNameW(folder, L"stt", 0, name);
    path_ = name;
    SetEnvironmentVariableW(L"OSTREL_STANDIN_TRACE", path_.c_str());
    SetEnvironmentVariableW(L"OSTREL_STANDIN_FAULT", faults);
    Engine().reset_trace();
  }
  ~TraceFile() {
    SetEnvironmentVariableW(L"OSTREL_STANDIN_TRACE", nullptr);
    SetEnvironmentVariableW(L"OSTREL_STANDIN_FAULT", nullptr);
    Engine().reset_trace();
    DeleteFileW(path_.c_str());
  }
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::ifstream in(path_.c_str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // Lines starting with `prefix`.
  std::vector<std::string> Lines(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const std::string& line : Lines()) {
      if (line.rfind(prefix, 0) == 0) matching.push_back(line);
    }
    return matching;
  }

 private:
  std::wstring path_;
};

}  // namespace standin_test

#endif  // OSTREL_TESTS_UNIT_STANDIN_TEST_SUPPORT_H_
