#include "tests/e2e/running_program.h"

#include <algorithm>
#include <fstream>
#include <thread>

namespace e2e {

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

std::vector<HWND> Descendants(HWND parent, const std::function<bool(HWND)>& wanted) {
  struct Search {
    const std::function<bool(HWND)>& wanted;
    std::vector<HWND> found;
  } search{wanted, {}};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (s->wanted(window)) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindDescendant(HWND parent, const std::wstring& class_name) {
  const auto found =
      Descendants(parent, [&](HWND window) { return ClassOf(window) == class_name; });
  return found.empty() ? nullptr : found.front();
}

int IndexOf(const std::vector<std::string>& lines, const std::string& prefix) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
  return -1;
}

int CountOf(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

void ExpectCleanEngineEnd(const std::vector<std::string>& trace) {
  const int shutdown = IndexOf(trace, "shutdown ");
  ASSERT_GE(shutdown, 0) << "the engine was not shut down";
  EXPECT_EQ(trace[static_cast<size_t>(shutdown)], "shutdown live=0") << "engine objects leaked";
  for (const char* type : {"gpu-process", "utility"}) {
    const int ended = IndexOf(trace, std::string("child-ended type=") + type);
    EXPECT_TRUE(ended >= 0 && ended < shutdown)
        << type << " did not end before shutdown: " << ::testing::PrintToString(trace);
  }
  for (const char* bad : {"child-killed", "leak ", "overrelease ", "use-after-release ", "misuse "})
    EXPECT_EQ(FindLine(trace, bad), "");
}

std::string PageWithTitle(const std::string& title) {
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
         "</title></head><body><p>" + title + "</p></body></html>";
}

HWND WaitForWindowOfClass(const Process& program, const std::wstring& class_name,
                          std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : program.VisibleWindows()) {
          if (ClassOf(window) == class_name) found = window;
        }
        return found != nullptr;
      },
      timeout);
  return found;
}

RunningProgram::RunningProgram(Pages pages)
    : server_([&] {
        pages.emplace(start_.path, HttpServer::Reply{.body = PageWithTitle("测试首页")});
        return std::move(pages);
      }()) {}

}  // namespace e2e
