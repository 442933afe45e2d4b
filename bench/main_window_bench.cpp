// How long the program takes to come up and to go, measured from outside as a user would see it:
// process start to main window shown, to browser created and to start page loaded, and the
// close request to the end of the process. It runs OstrelMini.exe from a private copy of the
// program folder, serves the start page itself (through the stand-in engine's port map) and
// reads the stand-in's trace file for the engine's events.
//
//   main_window_bench [runs]     (default 5, plus one warm-up run that is not counted)
//
// Events are noticed by polling every 2 ms, which bounds the resolution of every figure.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
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
constexpr wchar_t kProductCaption[] = L"Ostrel-Mini版";

struct Measure {
  const char* name;
  std::vector<double> ms;
};

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

HWND MainWindowOf(const e2e::Process& program) {
  for (HWND window : program.VisibleWindows()) {
    const std::wstring caption = e2e::WindowText(window);
    if (caption.starts_with(kProductCaption)) return window;
  }
  return nullptr;
}

struct Run {
  double shown = 0, created = 0, loaded = 0, closed = 0;
};

// One start and close of the program; nothing when a step did not happen in time.
std::optional<Run> MeasureOnce(const e2e::ProgramCopy& copy, const e2e::LaunchOptions& options) {
  std::error_code ignored;
  std::filesystem::remove(copy.trace(), ignored);
  Run run;
  const Clock::time_point start = Clock::now();
  e2e::Process program(copy.exe(), options);
  HWND window = nullptr;
  bool created = false, loaded = false, renderer = false;
  while (!(window && loaded && renderer)) {
    const Clock::duration now = Clock::now() - start;
    if (now > kTimeout || !program.Running()) {
      std::fprintf(stderr, "run failed: window %s, browser %s, page %s\n", window ? "yes" : "no",
                   created ? "yes" : "no", loaded ? "yes" : "no");
      return std::nullopt;
    }
    if (!window && (window = MainWindowOf(program))) run.shown = Milliseconds(now);
    const auto trace = copy.TraceLines();
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
  const Clock::time_point asked = Clock::now();
  PostMessageW(window, WM_CLOSE, 0, 0);
  const std::optional<DWORD> exit_code = program.WaitForExit(kTimeout);
  run.closed = Milliseconds(Clock::now() - asked);
  if (exit_code != DWORD{0}) {
    std::fprintf(stderr, "run failed: the program did not end with exit code 0\n");
    return std::nullopt;
  }
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  if (runs < 1) {
    std::fprintf(stderr, "usage: main_window_bench [runs]   (runs >= 1, default 5)\n");
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
  e2e::ProgramCopy copy;
  e2e::LaunchOptions options{.trace_file = copy.trace()};
  options.environment = {{L"OSTREL_STANDIN_PORT_MAP",
                          std::to_wstring(start.port) + L"=" + std::to_wstring(server.port())}};

  std::vector<Measure> measures = {{"start -> main window shown", {}},
                                   {"start -> browser created", {}},
                                   {"start -> start page loaded", {}},
                                   {"WM_CLOSE -> process exit", {}}};
  for (int i = 0; i <= runs; ++i) {
    const std::optional<Run> run = MeasureOnce(copy, options);
    if (!run) return 1;
    if (i == 0) continue;  // warm-up: first loads of the copy's files
    measures[0].ms.push_back(run->shown);
    measures[1].ms.push_back(run->created);
    measures[2].ms.push_back(run->loaded);
    measures[3].ms.push_back(run->closed);
    std::printf("run %d: shown %.0f, created %.0f, loaded %.0f, closed %.0f ms\n", i, run->shown,
                run->created, run->loaded, run->closed);
  }
  std::printf("\n%d runs (after one warm-up run), in ms:\n", runs);
  std::printf("%-30s %8s %8s %8s\n", "measure", "min", "median", "max");
  for (const Measure& m : measures) {
    std::printf("%-30s %8.0f %8.0f %8.0f\n", m.name, *std::min_element(m.ms.begin(), m.ms.end()),
                Median(m.ms), *std::max_element(m.ms.begin(), m.ms.end()));
  }
  return 0;
}
