#include "standin/children.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "standin/refcount.h"
#include "standin/text.h"
#include "standin/trace.h"

namespace standin {
namespace {

// A sub-process whose browser process neither ends it nor exits gives up after this long.
constexpr DWORD kLongestChildLifetimeMs = 10 * 60 * 1000;

struct Child {
  std::wstring type;
  DWORD pid = 0;
  HANDLE process = nullptr;
  HANDLE end_event = nullptr;
  HANDLE wait = nullptr;  // the thread-pool wait that traces "child-ended"
  std::atomic<bool> end_traced{false};
};

struct Children {
  std::mutex lock;
  std::wstring program;  // from the settings; empty: this executable
  int next_number = 1;
  std::map<int, std::unique_ptr<Child>> running;
  bool hold_ends = false;
  std::vector<int> held;  // children whose end waits for the release
};

Children& State() {
  static Children* children = new Children;  // never destroyed, like the trace file
  return *children;
}

std::wstring ChildProgram() {
  const std::wstring hook = EnvironmentValue(L"OSTREL_STANDIN_CHILDREN");
  if (!hook.empty()) return hook;
  {
    Children& children = State();
    std::lock_guard<std::mutex> guard(children.lock);
    if (!children.program.empty()) return children.program;
  }
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, n);
}

void TraceChildEnded(Child& child) {
  if (child.end_traced.exchange(true)) return;
  Trace("child-ended type=" + TraceValue(child.type) + " pid=" + std::to_string(child.pid));
}

void CALLBACK ChildExited(void* context, BOOLEAN) {
  TraceChildEnded(*static_cast<Child*>(context));
}

// The child's command line: the program, --type, the switches the browser process runs with
// (the program's additions from on_before_command_line_processing included), then ours.
std::shared_ptr<CommandLineData> ChildCommandLine(const std::wstring& program,
                                                  const std::wstring& type) {
  auto line = std::make_shared<CommandLineData>();
  line->SetProgram(program);
  line->AppendSwitch(L"type", type);
  for (const auto& [name, value] : ProcessCommandLine()->Switches()) {
    if (name == L"type" || name.rfind(L"standin-", 0) == 0) continue;
    line->AppendSwitch(name, value);
  }
  return line;
}

void Forget(int number, bool terminate) {
  std::unique_ptr<Child> child;
  {
    Children& children = State();
    std::lock_guard<std::mutex> guard(children.lock);
    auto found = children.running.find(number);
    if (found == children.running.end()) return;
    child = std::move(found->second);
    children.running.erase(found);
  }
  if (terminate && WaitForSingleObject(child->process, 0) == WAIT_TIMEOUT) {
    TerminateProcess(child->process, 1);
    Trace("child-killed type=" + TraceValue(child->type) + " pid=" + std::to_string(child->pid));
    WaitForSingleObject(child->process, 1000);
  }
  // Blocks until a running ChildExited returns, so `child` outlives it.
  UnregisterWaitEx(child->wait, INVALID_HANDLE_VALUE);
  // Unregistering cancels an exit callback that the thread pool had not started yet.
  if (WaitForSingleObject(child->process, 0) == WAIT_OBJECT_0) TraceChildEnded(*child);
  CloseHandle(child->end_event);
  CloseHandle(child->process);
}

// Like the real engine, a sub-process that has ended is let go of while the browser process
// runs on: each page's renderer would otherwise hold a process handle and an event until the
// shutdown.
void ForgetEnded() {
  std::vector<int> ended;
  {
    Children& children = State();
    std::lock_guard<std::mutex> guard(children.lock);
    for (auto& [number, child] : children.running) {
      if (WaitForSingleObject(child->process, 0) == WAIT_OBJECT_0) ended.push_back(number);
    }
  }
  for (int number : ended) Forget(number, false);
}

}  // namespace

void SetChildProgram(const std::wstring& browser_subprocess_path) {
  Children& children = State();
  std::lock_guard<std::mutex> guard(children.lock);
  children.program = browser_subprocess_path;
}

int StartChild(const std::wstring& type, const std::wstring& extra,
               cef_browser_process_handler_t* handler) {
  const std::wstring program = ChildProgram();
  if (AsciiLower(program) == L"off") {
    Trace("child-skipped type=" + TraceValue(type));
    return 0;
  }
  ForgetEnded();
  int number = 0;
  {
    Children& children = State();
    std::lock_guard<std::mutex> guard(children.lock);
    number = children.next_number++;
  }
  const std::wstring event_name =
      L"ostrel-standin-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(number);
  std::shared_ptr<CommandLineData> line = ChildCommandLine(program, type);
  if (handler && handler->on_before_child_process_launch) {
    auto* view = new CommandLine(line, false, false);
    handler->on_before_child_process_launch(handler, view->Share());
    view->Detach();  // like the real engine, the object is invalid after the callback
    view->Release();
  }
  line->AppendSwitch(L"standin-parent", std::to_wstring(GetCurrentProcessId()));
  line->AppendSwitch(L"standin-end", event_name);
  std::wstring command = line->CommandLineString();
  if (!extra.empty()) command += L" " + extra;

  auto child = std::make_unique<Child>();
  child->type = type;
  child->end_event = CreateEventW(nullptr, TRUE, FALSE, event_name.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!child->end_event || !CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE,
                                           0, nullptr, nullptr, &startup, &info)) {
    Trace("child-failed type=" + TraceValue(type) + " error=" + std::to_string(GetLastError()));
    if (child->end_event) CloseHandle(child->end_event);
    return 0;
  }
  CloseHandle(info.hThread);
  child->pid = info.dwProcessId;
  child->process = info.hProcess;
  Trace("child-started type=" + TraceValue(type) + " pid=" + std::to_string(child->pid));
  Child* raw = child.get();
  {
    Children& children = State();
    std::lock_guard<std::mutex> guard(children.lock);
    children.running.emplace(number, std::move(child));
  }
  // The callback only writes a trace line: run in the wait thread, it needs no worker thread.
  RegisterWaitForSingleObject(&raw->wait, raw->process, &ChildExited, raw, INFINITE,
                              WT_EXECUTEONLYONCE | WT_EXECUTEINWAITTHREAD);
  return number;
}

void EndChild(int number) {
  std::string held;
  {
    Children& children = State();
    std::lock_guard<std::mutex> guard(children.lock);
    auto found = children.running.find(number);
    if (found == children.running.end()) return;
    const Child& child = *found->second;
    if (!children.hold_ends) {
      SetEvent(child.end_event);
      return;
    }
    children.held.push_back(number);
    held = "child-end-held type=" + TraceValue(child.type) + " pid=" + std::to_string(child.pid);
  }
  Trace(held);
}

void HoldChildEnds(bool hold) {
  std::vector<int> held;
  {
    Children& children = State();
    std::lock_guard<std::mutex> guard(children.lock);
    children.hold_ends = hold;
    if (!hold) held = std::exchange(children.held, {});
  }
  for (int number : held) EndChild(number);
}

void EndAllChildren(unsigned wait_ms) {
  std::vector<int> numbers;
  std::vector<HANDLE> processes;
  {
    Children& children = State();
    std::lock_guard<std::mutex> guard(children.lock);
    children.hold_ends = false;
    children.held.clear();
    for (auto& [number, child] : children.running) {
      SetEvent(child->end_event);
      numbers.push_back(number);
      processes.push_back(child->process);
    }
  }
  if (!processes.empty()) {
    WaitForMultipleObjects(static_cast<DWORD>(processes.size()), processes.data(), TRUE, wait_ms);
  }
  for (int number : numbers) Forget(number, true);
}

int RunningChildCount() {
  Children& children = State();
  std::lock_guard<std::mutex> guard(children.lock);
  int count = 0;
  for (auto& [number, child] : children.running) {
    if (WaitForSingleObject(child->process, 0) == WAIT_TIMEOUT) ++count;
  }
  return count;
}

void WaitForEndOfChild(CommandLineData& line) {
  const std::wstring parent = line.SwitchValue(L"standin-parent");
  if (parent.empty()) return;
  HANDLE handles[2] = {OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(_wtoi(parent.c_str()))),
                       nullptr};
  if (!handles[0]) return;  // already gone
  const std::wstring end = line.SwitchValue(L"standin-end");
  if (!end.empty()) handles[1] = OpenEventW(SYNCHRONIZE, FALSE, end.c_str());
  WaitForMultipleObjects(handles[1] ? 2 : 1, handles, FALSE, kLongestChildLifetimeMs);
  for (HANDLE handle : handles) {
    if (handle) CloseHandle(handle);
  }
}

}  // namespace standin
