#include "tests/e2e/e2e_support.h"

#include <fstream>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

fs::path ExeDir() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

// Returns the old value so the caller can put it back.
std::optional<std::wstring> SetEnv(const wchar_t* name, const std::wstring& value) {
  std::optional<std::wstring> old;
  if (DWORD n = GetEnvironmentVariableW(name, nullptr, 0)) {
    std::wstring buf(n, L'\0');
    buf.resize(GetEnvironmentVariableW(name, buf.data(), n));
    old = buf;
  }
  SetEnvironmentVariableW(name, value.empty() ? nullptr : value.c_str());
  return old;
}

}  // namespace

fs::path BinDir() {
  if (DWORD n = GetEnvironmentVariableW(L"OSTREL_BIN_DIR", nullptr, 0)) {
    std::wstring dir(n, L'\0');
    dir.resize(GetEnvironmentVariableW(L"OSTREL_BIN_DIR", dir.data(), n));
    return dir;
  }
  return ExeDir().parent_path() / L"bin";
}

fs::path VariantsDir() { return BinDir().parent_path() / L"variants"; }

ProgramCopy::ProgramCopy() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  dir_ = fs::path(temp) / (L"ostrel-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                           std::to_wstring(GetTickCount64()));
  fs::create_directories(dir_);
  fs::copy(BinDir(), dir_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

ProgramCopy::~ProgramCopy() {
  std::error_code ignored;
  // A just-ended process may hold its files for a moment.
  for (int attempt = 0; attempt < 20 && fs::exists(dir_, ignored); ++attempt) {
    fs::remove_all(dir_, ignored);
    if (ignored) std::this_thread::sleep_for(100ms);
  }
}

std::vector<std::string> ProgramCopy::TraceLines() const {
  std::vector<std::string> lines;
  std::ifstream in(trace());
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

Process::Process(const fs::path& exe, const LaunchOptions& options) {
  std::wstring command = L"\"" + exe.wstring() + L"\"";
  if (!options.arguments.empty()) command += L" " + options.arguments;
  const fs::path cwd = options.current_dir.empty() ? exe.parent_path() : options.current_dir;

  auto oldTrace = SetEnv(L"OSTREL_STANDIN_TRACE", options.trace_file.wstring());
  auto oldFault = SetEnv(L"OSTREL_STANDIN_FAULT", options.fault);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  const BOOL started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, cwd.c_str(), &startup, &info_);
  SetEnv(L"OSTREL_STANDIN_TRACE", oldTrace.value_or(L""));
  SetEnv(L"OSTREL_STANDIN_FAULT", oldFault.value_or(L""));
  if (!started) throw std::runtime_error("CreateProcessW failed: " + std::to_string(GetLastError()));
}

Process::~Process() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

std::optional<DWORD> Process::WaitForExit(std::chrono::milliseconds timeout) {
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::vector<HWND> Process::VisibleWindows() const {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{info_.dwProcessId, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == s->pid && IsWindowVisible(window)) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Process::WaitForWindow(const std::wstring& caption, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    for (HWND window : VisibleWindows())
      if (WindowText(window).rfind(caption, 0) == 0) return window;
    std::this_thread::sleep_for(50ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return nullptr;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring MessageBoxText(HWND box) {
  // The text control of a standard message box has the identifier 0xFFFF.
  HWND label = GetDlgItem(box, 0xFFFF);
  return label ? WindowText(label) : std::wstring();
}

void DismissMessageBox(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

std::string FindLine(const std::vector<std::string>& lines, const std::string& prefix) {
  for (const auto& line : lines)
    if (line.rfind(prefix, 0) == 0) return line;
  return {};
}

}  // namespace e2e
