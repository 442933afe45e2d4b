#ifndef OSTREL_TESTS_E2E_E2E_SUPPORT_H_
#define OSTREL_TESTS_E2E_E2E_SUPPORT_H_

// Helpers for tests that start the real OstrelMini.exe under the stand-in engine and look at
// what a user would see: its windows, message boxes, files and exit code.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// build/bin: the program folder with the stand-in engine and its resource files.
fs::path BinDir();
// build/variants: stand-in libraries that misbehave on purpose (wrong version, missing export).
fs::path VariantsDir();

// A private copy of the program folder (in the folders `below`, when given), removed at the end
// of the test.
class ProgramCopy {
 public:
  explicit ProgramCopy(const fs::path& below = {});
  ~ProgramCopy();
  ProgramCopy(const ProgramCopy&) = delete;
  ProgramCopy& operator=(const ProgramCopy&) = delete;

  const fs::path& dir() const { return dir_; }
  fs::path exe() const { return dir_ / L"OstrelMini.exe"; }
  fs::path trace() const { return dir_ / L"standin-trace.txt"; }
  // Every line of the stand-in's trace file so far.
  std::vector<std::string> TraceLines() const;

 private:
  fs::path root_;
  fs::path dir_;
};

struct LaunchOptions {
  std::wstring arguments;
  fs::path current_dir;  // empty: the program's folder
  fs::path trace_file;   // empty: no trace
  std::wstring fault;    // stand-in misbehaviour, e.g. L"init-fail"
  // Further variables for the program, e.g. {L"OSTREL_STANDIN_PORT_MAP", L"8765=50123"}.
  std::vector<std::pair<std::wstring, std::wstring>> environment;
};

class Process {
 public:
  Process(const fs::path& exe, const LaunchOptions& options);
  ~Process();  // ends the process if it is still running
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD id() const { return info_.dwProcessId; }
  bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  // Waits for the process to end and gives its exit code; nothing when it is still running.
  std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout);
  // Visible top-level windows that belong to this process.
  std::vector<HWND> VisibleWindows() const;
  // Waits for a visible top-level window of this process whose caption starts with `caption`.
  HWND WaitForWindow(const std::wstring& caption, std::chrono::milliseconds timeout) const;

 private:
  PROCESS_INFORMATION info_{};
};

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& text);

std::wstring WindowText(HWND window);
// The text of a standard message box (its static text control).
std::wstring MessageBoxText(HWND box);
// Presses the message box's OK button.
void DismissMessageBox(HWND box);
// Presses `button` of another process as its click would: the notification to its parent
// (BM_CLICK's simulated mouse press was seen to get lost at times under Wine).
void Click(HWND button);

// Finds the line that starts with `prefix` in `lines`; empty when there is none.
std::string FindLine(const std::vector<std::string>& lines, const std::string& prefix);
// Waits for a trace line starting with `prefix`; empty when none came in time.
std::string WaitForTraceLine(const ProgramCopy& copy, const std::string& prefix,
                             std::chrono::milliseconds timeout);

// The text of one panel of a status bar in another process.
std::wstring StatusBarPanelText(HWND status_bar, int panel);
// Running processes started from `exe` (compared by full path), e.g. the program and the
// engine's sub-processes of one program copy.
std::vector<DWORD> ProcessesOf(const fs::path& exe);
// The documents folder of the user the tests run as (downloads land there).
fs::path DocumentsFolder();
// Ends the process `pid` (e.g. a file manager a test made the program start) and waits for it.
void EndProcess(DWORD pid);
// Running processes of the program file named `exe_name` (e.g. L"explorer.exe"), with their
// command lines.
std::vector<std::pair<DWORD, std::wstring>> CommandLinesOf(const std::wstring& exe_name);

}  // namespace e2e

#endif  // OSTREL_TESTS_E2E_E2E_SUPPORT_H_
