// How long the program takes to come up and to go, and how much memory its processes hold, seen
// from outside as a user would see them and set against a bare Win32 program (bare_window.exe)
// in the same run: the two start in turn, A B A B, so a change of the machine's load hits both.
//
//   main_window_bench [runs]     (default 7, plus one warm-up pair that is not counted)
//
// Each program run goes from process start to the main window shown, the browser created and the
// start page loaded, then waits kSettle and reads the working sets of the browser process and of
// the engine's sub-processes, and closes the window with WM_CLOSE. The bare program is read the
// same time after its window is shown. The program writes its own milestones (OSTREL_MILESTONES,
// engine/core/milestones.h) for the breakdown of the time before the window, counted from the
// process's creation. Events are noticed by polling every 2 ms, which bounds the resolution.
// A third program, bare_engine.exe (the bare window with one engine browser and no client), is
// read the same way: the difference to the bare window is what the engine holds in the browser
// process, so the program's own share can be told apart from the stand-in engine's.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/e2e_support.h"
#include "tests/e2e/http_server.h"

namespace {

using Clock = std::chrono::steady_clock;
using e2e::FindLine;
using namespace std::chrono_literals;

constexpr auto kPoll = 2ms;
constexpr auto kTimeout = 60s;
// Time for the processes to finish what the load started before their memory is read.
constexpr auto kSettle = 1000ms;
// The sentinel's default wait after the browser has closed (browser/cef_sentinel.cpp).
constexpr double kSentinelMinimumWaitMs = 1500;
constexpr wchar_t kProductCaption[] = L"Ostrel-Mini版";
constexpr wchar_t kBareCaption[] = L"Bare window";
constexpr wchar_t kBareEngineCaption[] = L"Bare engine";
const char* const kMilestones[] = {
    "entry",        "engine library loaded", "engine initialised", "main window created",
    "window shown", "dialogs created"};

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double MiB(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

// The working set of a process: Wine reports the resident set of its Unix process.
double WorkingSetMiB(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return 0;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  const bool ok = GetProcessMemoryInfo(process, &counters, sizeof counters);
  CloseHandle(process);
  return ok ? MiB(counters.WorkingSetSize) : 0;
}

HWND WindowOf(const e2e::Process& program, const wchar_t* caption) {
  for (HWND window : program.VisibleWindows()) {
    if (e2e::WindowText(window).starts_with(caption)) return window;
  }
  return nullptr;
}

// Every counted run's value of each figure, the figures in the order they first came.
struct Figures {
  std::map<std::string, std::vector<double>> series;
  std::vector<std::string> order;
  void Add(const std::string& name, double value) {
    if (!series.count(name)) order.push_back(name);
    series[name].push_back(value);
  }
};

struct BareRun {
  double shown = 0, memory = 0;
};

std::optional<BareRun> MeasureBare(const std::filesystem::path& exe) {
  BareRun run;
  const Clock::time_point start = Clock::now();
  e2e::Process program(exe, {});
  HWND window = nullptr;
  while (!(window = WindowOf(program, kBareCaption))) {
    if (Clock::now() - start > kTimeout || !program.Running()) return std::nullopt;
    std::this_thread::sleep_for(kPoll);
  }
  run.shown = Milliseconds(Clock::now() - start);
  std::this_thread::sleep_for(kSettle);
  run.memory = WorkingSetMiB(program.id());
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (program.WaitForExit(kTimeout) != DWORD{0}) return std::nullopt;
  return run;
}

// The engine host is read once its page has loaded and its renderer runs, like the program, and
// then ended, with its sub-processes, before anything else starts.
std::optional<double> MeasureBareEngine(const std::filesystem::path& exe,
                                        const e2e::ProgramCopy& copy, e2e::LaunchOptions options,
                                        const std::wstring& address) {
  std::error_code ignored;
  std::filesystem::remove(copy.trace(), ignored);
  options.arguments = address;
  std::optional<double> memory;
  {
    const Clock::time_point start = Clock::now();
    e2e::Process host(exe, options);
    for (;;) {
      const std::vector<std::string> trace = copy.TraceLines();
      if (WindowOf(host, kBareEngineCaption) && !FindLine(trace, "load-end id=1").empty() &&
          !FindLine(trace, "child-started type=renderer").empty()) {
        break;
      }
      if (Clock::now() - start > kTimeout || !host.Running()) return std::nullopt;
      std::this_thread::sleep_for(kPoll);
    }
    std::this_thread::sleep_for(kSettle);
    memory = WorkingSetMiB(host.id());
  }
  const Clock::time_point ended = Clock::now();
  while (!e2e::ProcessesOf(exe).empty()) {
    if (Clock::now() - ended > kTimeout) return std::nullopt;
    std::this_thread::sleep_for(kPoll);
  }
  return memory;
}

struct ProgramRun {
  double shown = 0, created = 0, loaded = 0, closed = 0, browser_memory = 0;
  std::map<std::string, double> child_memory;      // by type, the largest of that type
  std::map<std::string, double> milestones;        // the browser process's, ms since creation
  std::map<std::string, double> child_milestones;  // "<type>: <what>", the latest of that type
};

std::vector<std::string> Lines(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// "child-started type=gpu-process pid=42": pid -> type.
std::map<DWORD, std::string> ChildTypes(const std::vector<std::string>& trace) {
  std::map<DWORD, std::string> types;
  for (const std::string& line : trace) {
    if (!line.starts_with("child-started ")) continue;
    const size_t type = line.find("type="), pid = line.find(" pid=");
    if (type == std::string::npos || pid == std::string::npos) continue;
    std::string name = line.substr(type + 5, pid - type - 5);
    std::erase(name, '"');
    types[static_cast<DWORD>(std::strtoul(line.c_str() + pid + 5, nullptr, 10))] = name;
  }
  return types;
}

void ReadMilestones(const std::filesystem::path& file, DWORD browser,
                    const std::map<DWORD, std::string>& children, ProgramRun& run) {
  for (const std::string& line : Lines(file)) {
    std::istringstream in(line);
    DWORD pid = 0;
    double ms = 0;
    std::string what;
    if (!(in >> pid >> ms) || !std::getline(in >> std::ws, what)) continue;
    if (pid == browser) {
      run.milestones[what] = ms;
    } else if (auto child = children.find(pid); child != children.end()) {
      double& value = run.child_milestones[child->second + ": " + what];
      value = std::max(value, ms);
    }
  }
}

// One start and close of the program; nothing when a step did not happen in time.
std::optional<ProgramRun> MeasureProgram(const e2e::ProgramCopy& copy,
                                         const e2e::LaunchOptions& options,
                                         const std::filesystem::path& milestones) {
  std::error_code ignored;
  std::filesystem::remove(copy.trace(), ignored);
  std::filesystem::remove(milestones, ignored);
  ProgramRun run;
  const Clock::time_point start = Clock::now();
  e2e::Process program(copy.exe(), options);
  HWND window = nullptr;
  bool created = false, loaded = false, renderer = false;
  std::vector<std::string> trace;
  while (!(window && loaded && renderer)) {
    const Clock::duration now = Clock::now() - start;
    if (now > kTimeout || !program.Running()) {
      std::fprintf(stderr, "run failed: window %s, browser %s, page %s\n", window ? "yes" : "no",
                   created ? "yes" : "no", loaded ? "yes" : "no");
      return std::nullopt;
    }
    if (!window && (window = WindowOf(program, kProductCaption))) run.shown = Milliseconds(now);
    trace = copy.TraceLines();
    if (!created && !FindLine(trace, "after-created id=1").empty()) {
      created = true;
      run.created = Milliseconds(now);
    }
    if (!loaded && !FindLine(trace, "load-end id=1").empty()) {
      loaded = true;
      run.loaded = Milliseconds(now);
    }
    // Close only once the page's renderer runs, so every run ends the same processes.
    renderer = !FindLine(trace, "child-started type=renderer").empty();
    std::this_thread::sleep_for(kPoll);
  }
  std::this_thread::sleep_for(kSettle);
  trace = copy.TraceLines();
  const std::map<DWORD, std::string> children = ChildTypes(trace);
  run.browser_memory = WorkingSetMiB(program.id());
  for (const auto& [pid, type] : children) {
    double& memory = run.child_memory[type];
    memory = std::max(memory, WorkingSetMiB(pid));
  }
  const Clock::time_point asked = Clock::now();
  PostMessageW(window, WM_CLOSE, 0, 0);
  const std::optional<DWORD> exit_code = program.WaitForExit(kTimeout);
  run.closed = Milliseconds(Clock::now() - asked);
  if (exit_code != DWORD{0}) {
    std::fprintf(stderr, "run failed: the program did not end with exit code 0\n");
    return std::nullopt;
  }
  trace = copy.TraceLines();
  if (FindLine(trace, "shutdown live=0").empty()) {
    std::fprintf(stderr, "run failed: the engine reported objects still alive at shutdown\n");
    return std::nullopt;
  }
  ReadMilestones(milestones, program.id(), children, run);
  return run;
}

// Ratios with two decimals, memory with one, times in whole milliseconds.
void PrintRow(const std::string& name, const std::vector<double>& values) {
  const int decimals = name.starts_with("ratio") ? 2 : name.starts_with("memory") ? 1 : 0;
  std::printf("%-44s", name.c_str());
  for (double value : {*std::min_element(values.begin(), values.end()), Median(values),
                       *std::max_element(values.begin(), values.end())}) {
    std::printf(" %8.*f", decimals, value);
  }
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
  if (runs < 1) {
    std::fprintf(stderr, "usage: main_window_bench [runs]   (runs >= 1, default 7)\n");
    return 2;
  }
  const e2e::StartAddress start = e2e::LoopbackStartAddress();
  if (start.port == 0) {
    std::fprintf(stderr, "the build's start address is not a loopback HTTP address\n");
    return 2;
  }
  std::map<std::string, e2e::HttpServer::Reply> pages;
  pages[start.path].body =
      "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
      "<title>Bench</title></head><body><p>Start page</p></body></html>";
  e2e::HttpServer server(std::move(pages));
  if (server.port() == 0) {
    std::fprintf(stderr, "the web server could not listen\n");
    return 1;
  }
  wchar_t own[MAX_PATH];
  const DWORD own_length = GetModuleFileNameW(nullptr, own, MAX_PATH);
  const std::filesystem::path bare =
      std::filesystem::path(std::wstring(own, own_length)).parent_path() / L"bare_window.exe";
  e2e::ProgramCopy copy;
  const std::filesystem::path milestones = copy.dir() / L"milestones.txt";
  // Beside the copy's engine library and files, which it loads from its own folder.
  const std::filesystem::path bare_engine = copy.dir() / L"bare_engine.exe";
  std::filesystem::copy_file(bare.parent_path() / L"bare_engine.exe", bare_engine);
  const std::wstring address = L"http://127.0.0.1:" + std::to_wstring(start.port) +
                               std::wstring(start.path.begin(), start.path.end());
  e2e::LaunchOptions options{.trace_file = copy.trace()};
  options.environment = {{L"OSTREL_STANDIN_PORT_MAP",
                          std::to_wstring(start.port) + L"=" + std::to_wstring(server.port())},
                         {L"OSTREL_MILESTONES", milestones.wstring()}};

  Figures figures;
  for (int i = 0; i <= runs; ++i) {
    const std::optional<BareRun> b = MeasureBare(bare);
    if (!b) {
      std::fprintf(stderr, "run failed: the bare window program\n");
      return 1;
    }
    const std::optional<double> engine = MeasureBareEngine(bare_engine, copy, options, address);
    if (!engine) {
      std::fprintf(stderr, "run failed: the bare engine program\n");
      return 1;
    }
    const std::optional<ProgramRun> p = MeasureProgram(copy, options, milestones);
    if (!p) return 1;
    if (i == 0) continue;  // warm-up: first loads of the copy's files
    std::printf(
        "run %d: bare shown %.0f ms %.1f MiB; program shown %.0f, created %.0f, "
        "loaded %.0f, closed %.0f ms, browser %.1f MiB\n",
        i, b->shown, b->memory, p->shown, p->created, p->loaded, p->closed, p->browser_memory);
    std::fflush(stdout);
    figures.Add("bare window: start -> shown", b->shown);
    figures.Add("program: start -> main window shown", p->shown);
    figures.Add("program: start -> browser created", p->created);
    figures.Add("program: start -> start page loaded", p->loaded);
    figures.Add("program: WM_CLOSE -> process exit", p->closed);
    figures.Add("ratio shown / bare shown", p->shown / b->shown);
    figures.Add("ratio close / sentinel's minimum wait", p->closed / kSentinelMinimumWaitMs);
    for (const char* what : kMilestones) {
      auto found = p->milestones.find(what);
      if (found != p->milestones.end())
        figures.Add(std::string("inside: -> ") + what, found->second);
    }
    for (const auto& [what, ms] : p->child_milestones) figures.Add("sub-process " + what, ms);
    figures.Add("memory MiB: bare window", b->memory);
    figures.Add("memory MiB: browser process", p->browser_memory);
    figures.Add("ratio browser / bare", p->browser_memory / b->memory);
    figures.Add("memory MiB: bare engine", *engine);
    // The browser process less what the engine holds in it (bare engine less bare window).
    const double program_share = p->browser_memory - (*engine - b->memory);
    figures.Add("memory MiB: browser process less the engine", program_share);
    figures.Add("ratio browser less the engine / bare", program_share / b->memory);
    for (const auto& [type, memory] : p->child_memory) {
      figures.Add("memory MiB: sub-process " + type, memory);
      figures.Add("ratio " + type + " / bare", memory / b->memory);
    }
  }
  std::printf(
      "\n%d pairs (after one warm-up pair); times in ms, inside times from the process's"
      " creation\n",
      runs);
  std::printf("%-44s %8s %8s %8s\n", "measure", "min", "median", "max");
  for (const std::string& name : figures.order) PrintRow(name, figures.series[name]);
  return 0;
}
