#include "tests/e2e/e2e_support.h"

#include <commctrl.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>
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

ProgramCopy::ProgramCopy(const fs::path& below) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  root_ = fs::path(temp) / (L"ostrel-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(GetTickCount64()));
  dir_ = below.empty() ? root_ : root_ / below;
  fs::create_directories(dir_);
  fs::copy(BinDir(), dir_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

ProgramCopy::~ProgramCopy() {
  // A test that failed half-way may leave the program or the engine's sub-processes running; a
  // sub-process that finds its files gone would wait on an error box for ever.
  for (DWORD pid : ProcessesOf(exe())) {
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      TerminateProcess(process, 99);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
  std::error_code ignored;
  // A just-ended process may hold its files for a moment.
  for (int attempt = 0; attempt < 20 && fs::exists(root_, ignored); ++attempt) {
    fs::remove_all(root_, ignored);
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

  // The program inherits this process's environment, changed for the moment of the start.
  auto variables = options.environment;
  variables.emplace_back(L"OSTREL_STANDIN_TRACE", options.trace_file.wstring());
  variables.emplace_back(L"OSTREL_STANDIN_FAULT", options.fault);
  std::vector<std::optional<std::wstring>> old;
  for (const auto& [name, value] : variables) old.push_back(SetEnv(name.c_str(), value));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  const BOOL started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, cwd.c_str(), &startup, &info_);
  const DWORD error = GetLastError();
  for (size_t i = variables.size(); i-- > 0;) {
    SetEnv(variables[i].first.c_str(), old[i].value_or(L""));
  }
  if (!started) throw std::runtime_error("CreateProcessW failed: " + std::to_string(error));
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
  // Sent, not GetWindowText: that gives only the caption of another process's control. A hung
  // program gives an empty text instead of hanging the test.
  auto send = [window](UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, 5000, &result)
               ? static_cast<size_t>(result)
               : 0;
  };
  std::wstring text(send(WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
  text.resize(send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  return text;
}

std::wstring MessageBoxText(HWND box) {
  // The text control of a standard message box has the identifier 0xFFFF.
  HWND label = GetDlgItem(box, 0xFFFF);
  return label ? WindowText(label) : std::wstring();
}

void DismissMessageBox(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

void Click(HWND button) {
  PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

std::string FindLine(const std::vector<std::string>& lines, const std::string& prefix) {
  for (const auto& line : lines)
    if (line.rfind(prefix, 0) == 0) return line;
  return {};
}

std::string WaitForTraceLine(const ProgramCopy& copy, const std::string& prefix,
                             std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    std::string line = FindLine(copy.TraceLines(), prefix);
    if (!line.empty() || std::chrono::steady_clock::now() >= deadline) return line;
    std::this_thread::sleep_for(20ms);
  }
}

std::wstring StatusBarPanelText(HWND status_bar, int panel) {
  // SB_GETTEXTW writes into a buffer of the status bar's own process: lend it one there.
  DWORD pid = 0;
  GetWindowThreadProcessId(status_bar, &pid);
  HANDLE process = OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE,
      pid);
  if (process == nullptr) return L"<no access>";
  std::wstring text;
  DWORD_PTR length = 0;
  constexpr UINT kFlags = SMTO_ABORTIFHUNG | SMTO_BLOCK;
  if (SendMessageTimeoutW(status_bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0, kFlags,
                          5000, &length)) {
    const size_t count = LOWORD(length) + 1;
    if (void* remote = VirtualAllocEx(process, nullptr, count * sizeof(wchar_t),
                                      MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
      DWORD_PTR ignored = 0;
      text.assign(count, L'\0');
      SIZE_T read = 0;
      if (SendMessageTimeoutW(status_bar, SB_GETTEXTW, static_cast<WPARAM>(panel),
                              reinterpret_cast<LPARAM>(remote), kFlags, 5000, &ignored) &&
          ReadProcessMemory(process, remote, text.data(), count * sizeof(wchar_t), &read)) {
        text.resize(wcsnlen(text.c_str(), count));
      } else {
        text = L"<unreadable>";
      }
      VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
  }
  CloseHandle(process);
  return text;
}

std::vector<DWORD> ProcessesOf(const fs::path& exe) {
  auto lower = [](std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
  };
  const std::wstring wanted = lower(exe.wstring());
  const std::wstring name = lower(exe.filename().wstring());
  std::vector<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (lower(entry.szExeFile) != name) continue;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (process == nullptr) continue;  // ended since the snapshot
    wchar_t path[MAX_PATH * 2];
    DWORD size = static_cast<DWORD>(std::size(path));
    if (QueryFullProcessImageNameW(process, 0, path, &size) && lower(path) == wanted) {
      found.push_back(entry.th32ProcessID);
    }
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return found;
}

std::vector<std::pair<DWORD, std::wstring>> CommandLinesOf(const std::wstring& exe_name) {
  // The command line is read from the process's own parameter block (its PEB).
  using QueryProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  static const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  struct BasicInformation {
    LONG exit_status;
    BYTE* peb;
    ULONG_PTR affinity, priority, pid, parent;
  };
  struct CountedText {
    USHORT length, maximum;
    wchar_t* buffer;
  };
  std::vector<std::pair<DWORD, std::wstring>> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE || query == nullptr) return found;
  PROCESSENTRY32W entry{.dwSize = sizeof entry};
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (lstrcmpiW(entry.szExeFile, exe_name.c_str()) != 0) continue;
    HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID);
    if (process == nullptr) continue;
    BasicInformation basic{};
    BYTE* parameters = nullptr;
    CountedText text{};
    // PEB.ProcessParameters at 0x20, RTL_USER_PROCESS_PARAMETERS.CommandLine at 0x70 (x64).
    if (query(process, 0, &basic, sizeof basic, nullptr) == 0 &&
        ReadProcessMemory(process, basic.peb + 0x20, &parameters, sizeof parameters, nullptr) &&
        ReadProcessMemory(process, parameters + 0x70, &text, sizeof text, nullptr)) {
      std::wstring line(text.length / sizeof(wchar_t), L'\0');
      if (ReadProcessMemory(process, text.buffer, line.data(), text.length, nullptr))
        found.emplace_back(entry.th32ProcessID, line);
    }
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return found;
}

std::wstring Wide(const std::string& utf8) {
  std::wstring out(static_cast<size_t>(MultiByteToWideChar(
                       CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0)),
                   L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                      static_cast<int>(out.size()));
  return out;
}

std::string Utf8(const std::wstring& text) {
  std::string out(
      static_cast<size_t>(WideCharToMultiByte(
          CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr)),
      '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                      static_cast<int>(out.size()), nullptr, nullptr);
  return out;
}

fs::path DocumentsFolder() {
  wchar_t folder[MAX_PATH] = L"";
  SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, folder);
  return folder;
}

void EndProcess(DWORD pid) {
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

}  // namespace e2e
