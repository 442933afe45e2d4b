// Runs the program for a long time the way a user would, looking for what a short test cannot
// see: processes, engine objects, handles, windows or memory that pile up.
//
//   soak_bench cycles [n]   n starts and closes in a row (default 100): each run must exit with
//                           0, leave no process of the program behind, and the engine must
//                           report no object alive at its shutdown.
//   soak_bench churn [n]    one run with n pop-ups opened and closed, n navigations and 2n/5
//                           developer-tools toggles (default 50); its kernel handles, windows and
//                           private memory after cycle n/5 and after cycle n must differ by less
//                           than 5 %.
//
// The exit code is 0 when every check held. Under Wine GetGuiResources answers 0 and
// GetProcessHandleCount too: handles are counted in the system's handle table, USER objects as
// the process's windows, GDI objects not at all.

#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/e2e_support.h"
#include "tests/e2e/http_server.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using e2e::FindLine;

constexpr auto kTimeout = 30s;
constexpr double kAllowedGrowth = 0.05;
constexpr wchar_t kProductCaption[] = L"Ostrel-Mini版";

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const Clock::time_point end = Clock::now() + timeout;
  while (!done()) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

std::string Page(const std::string& title) {
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
         "</title></head><body><p>" + title + "</p></body></html>";
}

// The program with its start page and two more pages served, and the stand-in's control file.
class Session {
 public:
  Session()
      : start_(e2e::LoopbackStartAddress()),
        server_({{start_.path, {.body = Page("Soak")}},
                 {"/a", {.body = Page("A")}},
                 {"/b", {.body = Page("B")}},
                 {"/popup", {.body = Page("Popup")}}}) {}

  bool Ready() const { return start_.port != 0 && server_.port() != 0; }

  std::unique_ptr<e2e::Process> Launch() {
    std::error_code ignored;
    std::filesystem::remove(copy_.trace(), ignored);
    std::ofstream(control_).flush();
    e2e::LaunchOptions options{.trace_file = copy_.trace()};
    options.environment = {{L"OSTREL_STANDIN_PORT_MAP",
                            std::to_wstring(start_.port) + L"=" + std::to_wstring(server_.port())},
                           {L"OSTREL_STANDIN_CONTROL", control_.wstring()}};
    return std::make_unique<e2e::Process>(copy_.exe(), options);
  }

  void Command(const std::string& line) { std::ofstream(control_, std::ios::app) << line << "\n"; }
  std::string Address(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(start_.port) + path;
  }
  std::vector<std::string> Trace() const { return copy_.TraceLines(); }
  const e2e::ProgramCopy& copy() const { return copy_; }

  // Lines of the trace that are `event` for browser `id`, e.g. ("load-end", 1).
  int Count(const std::string& event, int id) const {
    const std::string exact = event + " id=" + std::to_string(id);
    int n = 0;
    for (const std::string& line : Trace()) {
      if (line == exact || line.starts_with(exact + " ")) ++n;
    }
    return n;
  }

  // The id of the `nth` pop-up the page opened, or of the `nth` developer-tools browser (the
  // engine creates both as pop-ups); 0 if none.
  int NthCreated(bool dev_tools, int nth) const {
    int seen = 0;
    for (const std::string& line : Trace()) {
      if (line.starts_with("after-created id=") && line.find(" popup=1") != std::string::npos &&
          (line.find(" dev-tools=1") != std::string::npos) == dev_tools && ++seen == nth) {
        return std::atoi(line.c_str() + 17);
      }
    }
    return 0;
  }

 private:
  e2e::StartAddress start_;
  e2e::HttpServer server_;
  e2e::ProgramCopy copy_;
  std::filesystem::path control_ = copy_.dir() / L"standin-control.txt";
};

// The engine ended cleanly: it reported nothing alive and killed no sub-process.
bool CleanEngineEnd(const std::vector<std::string>& trace) {
  return !FindLine(trace, "shutdown live=0").empty() && FindLine(trace, "leak ").empty() &&
         FindLine(trace, "child-killed ").empty();
}

// Opens the main window, closes it and checks the end; false with a message on a failure.
bool StartAndClose(Session& session, int cycle) {
  auto program = session.Launch();
  HWND window = program->WaitForWindow(kProductCaption, kTimeout);
  if (!window || !WaitUntil([&] { return session.Count("load-end", 1) > 0; }, kTimeout)) {
    std::fprintf(stderr, "cycle %d: the start page did not load\n", cycle);
    return false;
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  const std::optional<DWORD> exit_code = program->WaitForExit(kTimeout);
  if (exit_code != DWORD{0}) {
    std::fprintf(stderr, "cycle %d: exit code %ld\n", cycle,
                 exit_code ? static_cast<long>(*exit_code) : -1L);
    return false;
  }
  if (!WaitUntil([&] { return e2e::ProcessesOf(session.copy().exe()).empty(); }, 5s)) {
    std::fprintf(stderr, "cycle %d: processes of the program left behind\n", cycle);
    return false;
  }
  if (!CleanEngineEnd(session.Trace())) {
    std::fprintf(stderr, "cycle %d: the engine did not end cleanly (objects alive or killed)\n",
                 cycle);
    return false;
  }
  return true;
}

int RunCycles(int cycles) {
  Session session;
  if (!session.Ready()) return 2;
  const Clock::time_point start = Clock::now();
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    if (!StartAndClose(session, cycle)) return 1;
    if (cycle % 10 == 0) {
      std::printf("%d cycles, %.0f s\n", cycle,
                  std::chrono::duration<double>(Clock::now() - start).count());
      std::fflush(stdout);
    }
  }
  std::printf(
      "%d of %d start/close cycles: exit code 0, no process left, no engine object "
      "alive\n",
      cycles, cycles);
  return 0;
}

// ---- churn ----

struct Counts {
  double handles = 0, threads = 0, windows = 0, private_mib = 0;
};

// The process's entries in the system's handle table (SystemHandleInformation).
int KernelHandles(DWORD pid) {
  struct Entry {
    ULONG pid;
    BYTE type, flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
  };
  struct Table {
    ULONG count;
    Entry entries[1];
  };
  std::vector<BYTE> buffer(1 << 20);
  ULONG needed = 0;
  while (NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16), buffer.data(),
                                  static_cast<ULONG>(buffer.size()), &needed) != 0) {
    if (buffer.size() > (64u << 20)) return -1;
    buffer.resize(buffer.size() * 2);
  }
  const auto* table = reinterpret_cast<const Table*>(buffer.data());
  int n = 0;
  for (ULONG i = 0; i < table->count; ++i) n += table->entries[i].pid == pid;
  return n;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

struct WindowCount {
  DWORD pid;
  int count;
};

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  auto* windows = reinterpret_cast<WindowCount*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == windows->pid) {
    ++windows->count;
    EnumChildWindows(window, &CountChild, reinterpret_cast<LPARAM>(&windows->count));
  }
  return TRUE;
}

int Threads(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int n = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    n += entry.th32OwnerProcessID == pid;
  }
  CloseHandle(snapshot);
  return n;
}

Counts Measure(DWORD pid) {
  Counts counts;
  counts.handles = KernelHandles(pid);
  counts.threads = Threads(pid);
  WindowCount windows{pid, 0};
  EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&windows));
  // Message-only windows (the UI task queue's, the engine's) are not top-level ones.
  HWND message_only = nullptr;
  while ((message_only = FindWindowExW(HWND_MESSAGE, message_only, nullptr, nullptr))) {
    CountTopLevel(message_only, reinterpret_cast<LPARAM>(&windows));
  }
  counts.windows = windows.count;
  if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid)) {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
      // Wine leaves PrivateUsage at 0; PagefileUsage holds the committed private memory.
      const SIZE_T private_bytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
      counts.private_mib = static_cast<double>(private_bytes) / (1024.0 * 1024.0);
    }
    CloseHandle(process);
  }
  return counts;
}

bool Step(bool done, const char* what, int cycle) {
  if (!done) std::fprintf(stderr, "cycle %d: %s did not happen in time\n", cycle, what);
  return done;
}

int RunChurn(int cycles) {
  Session session;
  if (!session.Ready()) return 2;
  auto program = session.Launch();
  HWND window = program->WaitForWindow(kProductCaption, kTimeout);
  if (!window || !WaitUntil([&] { return session.Count("load-end", 1) > 0; }, kTimeout)) {
    std::fprintf(stderr, "the start page did not load\n");
    return 1;
  }
  const int early = cycles / 5;
  Counts at_early, at_end;
  int tools_opened = 0, toggles = 0, tools = 0;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    session.Command("popup url=" + session.Address("/popup"));
    int popup = 0;
    if (!Step(WaitUntil([&] { return (popup = session.NthCreated(false, cycle)) != 0; }, kTimeout),
              "the pop-up", cycle) ||
        !Step(WaitUntil([&] { return session.Count("load-end", popup) > 0; }, kTimeout),
              "the pop-up's load", cycle)) {
      return 1;
    }
    session.Command("close browser=" + std::to_string(popup));
    if (!Step(WaitUntil([&] { return session.Count("before-close", popup) > 0; }, kTimeout),
              "the pop-up's close", cycle)) {
      return 1;
    }
    const int loads = session.Count("load-end", 1);
    session.Command("load url=" + session.Address(cycle % 2 ? "/a" : "/b"));
    if (!Step(WaitUntil([&] { return session.Count("load-end", 1) > loads; }, kTimeout),
              "the navigation", cycle)) {
      return 1;
    }
    // F12 opens the tools in two cycles of five and closes them in the next but one.
    if (cycle % 5 == 1 || cycle % 5 == 3) {
      session.Command("key browser=1 code=123 type=rawkeydown");
      session.Command("key browser=1 code=123 type=keyup");
      ++toggles;
      if (cycle % 5 == 1) {
        ++tools_opened;
        if (!Step(WaitUntil([&] { return (tools = session.NthCreated(true, tools_opened)) != 0; },
                            kTimeout),
                  "opening the developer tools", cycle)) {
          return 1;
        }
      } else if (!Step(
                     WaitUntil([&] { return session.Count("before-close", tools) > 0; }, kTimeout),
                     "closing the developer tools", cycle)) {
        return 1;
      }
    }
    std::this_thread::sleep_for(100ms);  // the window's own follow-up messages
    const Counts counts = Measure(program->id());
    if (cycle == early) at_early = counts;
    if (cycle == cycles) at_end = counts;
    if (cycle % 10 == 0) {
      std::printf("cycle %d: %0.f handles, %0.f windows, %.1f MiB private\n", cycle, counts.handles,
                  counts.windows, counts.private_mib);
      std::fflush(stdout);
    }
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  const std::optional<DWORD> exit_code = program->WaitForExit(kTimeout);
  bool ok = exit_code == DWORD{0} && CleanEngineEnd(session.Trace());
  if (!ok) std::fprintf(stderr, "the program did not end cleanly\n");
  std::printf("%d pop-ups, %d navigations, %d developer-tools toggles\n", cycles, cycles, toggles);
  std::printf("%-20s %10s %10s %8s\n", "after cycle", std::to_string(early).c_str(),
              std::to_string(cycles).c_str(), "growth");
  auto row = [&](const char* name, double a, double b) {
    const double growth = a > 0 ? (b - a) / a : 0;
    std::printf("%-20s %10.1f %10.1f %7.1f%%\n", name, a, b, growth * 100);
    if (growth >= kAllowedGrowth) ok = false;
  };
  row("kernel handles", at_early.handles, at_end.handles);
  row("threads", at_early.threads, at_end.threads);
  row("windows", at_early.windows, at_end.windows);
  row("private MiB", at_early.private_mib, at_end.private_mib);
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  const int n = argc > 2 ? std::atoi(argv[2]) : 0;
  if (mode == "cycles") return RunCycles(n > 0 ? n : 100);
  if (mode == "churn") return RunChurn(n >= 5 ? n : 50);
  std::fprintf(stderr, "usage: soak_bench cycles [n] | churn [n]\n");
  return 2;
}
