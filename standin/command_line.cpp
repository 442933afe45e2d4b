#include "standin/command_line.h"

#include <shellapi.h>

#include <utility>

#include "standin/text.h"
#include "standin/trace.h"

namespace standin {
namespace {

size_t SwitchPrefixLength(std::wstring_view arg) {
  if (arg.substr(0, 2) == L"--") return 2;
  if (!arg.empty() && (arg[0] == L'-' || arg[0] == L'/')) return 1;
  return 0;
}

// The engine's quoting for CommandLineToArgvW: only texts with a blank, a backslash or a quote.
std::wstring Quote(const std::wstring& arg) {
  if (arg.find_first_of(L" \\\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  for (size_t i = 0; i < arg.size(); ++i) {
    if (arg[i] == L'\\') {
      size_t end = arg.find_first_not_of(L'\\', i);
      if (end == std::wstring::npos) end = arg.size();
      // A run of backslashes before a quote (or before the closing quote) is doubled.
      const size_t run = end - i;
      out.append(end == arg.size() || arg[end] == L'"' ? 2 * run : run, L'\\');
      i = end - 1;
    } else if (arg[i] == L'"') {
      out += L"\\\"";
    } else {
      out += arg[i];
    }
  }
  out += L'"';
  return out;
}

std::wstring TrimBlanks(std::wstring_view text) {
  const size_t first = text.find_first_not_of(L" \t\r\n");
  if (first == std::wstring_view::npos) return std::wstring();
  const size_t last = text.find_last_not_of(L" \t\r\n");
  return std::wstring(text.substr(first, last - first + 1));
}

}  // namespace

CommandLineData::CommandLineData(const CommandLineData& other) {
  auto& source = const_cast<CommandLineData&>(other);
  std::lock_guard<std::mutex> guard(source.lock_);
  argv_ = source.argv_;
  begin_args_ = source.begin_args_;
  switches_ = source.switches_;
}

void CommandLineData::InitFromString(std::wstring_view text) {
  std::lock_guard<std::mutex> guard(lock_);
  argv_.assign(1, std::wstring());
  begin_args_ = 1;
  switches_.clear();
  const std::wstring trimmed = TrimBlanks(text);
  if (trimmed.empty()) return;  // CommandLineToArgvW would invent this program's path
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(trimmed.c_str(), &argc);
  if (!argv) return;
  if (argc > 0) argv_[0] = TrimBlanks(argv[0]);
  bool parse_switches = true;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg = TrimBlanks(argv[i]);
    parse_switches = parse_switches && arg != L"--";
    const size_t prefix = SwitchPrefixLength(arg);
    if (parse_switches && prefix > 0 && prefix < arg.size()) {
      const size_t equals = arg.find(L'=');
      if (equals == std::wstring::npos) {
        AppendSwitchLocked(arg, std::wstring_view());
      } else {
        AppendSwitchLocked(std::wstring_view(arg).substr(0, equals),
                           std::wstring_view(arg).substr(equals + 1));
      }
    } else {
      argv_.push_back(std::move(arg));
    }
  }
  LocalFree(argv);
}

void CommandLineData::Reset() {
  std::lock_guard<std::mutex> guard(lock_);
  argv_.resize(1);
  begin_args_ = 1;
  switches_.clear();
}

std::wstring CommandLineData::Program() {
  std::lock_guard<std::mutex> guard(lock_);
  return argv_[0];
}

void CommandLineData::SetProgram(std::wstring_view program) {
  std::lock_guard<std::mutex> guard(lock_);
  argv_[0] = TrimBlanks(program);
}

bool CommandLineData::HasSwitches() {
  std::lock_guard<std::mutex> guard(lock_);
  return !switches_.empty();
}

bool CommandLineData::HasSwitch(std::wstring_view name) {
  std::lock_guard<std::mutex> guard(lock_);
  return switches_.count(AsciiLower(name)) > 0;
}

std::wstring CommandLineData::SwitchValue(std::wstring_view name) {
  std::lock_guard<std::mutex> guard(lock_);
  auto it = switches_.find(AsciiLower(name));
  return it == switches_.end() ? std::wstring() : it->second;
}

std::map<std::wstring, std::wstring> CommandLineData::Switches() {
  std::lock_guard<std::mutex> guard(lock_);
  return switches_;
}

void CommandLineData::AppendSwitch(std::wstring_view name, std::wstring_view value) {
  std::lock_guard<std::mutex> guard(lock_);
  AppendSwitchLocked(name, value);
}

void CommandLineData::AppendSwitchLocked(std::wstring_view name, std::wstring_view value) {
  const std::wstring lowered = AsciiLower(name);
  const size_t prefix = SwitchPrefixLength(lowered);
  switches_[lowered.substr(prefix)] = std::wstring(value);
  std::wstring combined = prefix == 0 ? L"--" + lowered : lowered;
  if (!value.empty()) combined += L"=" + std::wstring(value);
  argv_.insert(argv_.begin() + static_cast<std::ptrdiff_t>(begin_args_++), std::move(combined));
}

bool CommandLineData::HasArguments() {
  std::lock_guard<std::mutex> guard(lock_);
  return argv_.size() > begin_args_;
}

std::vector<std::wstring> CommandLineData::Arguments() {
  std::lock_guard<std::mutex> guard(lock_);
  return std::vector<std::wstring>(argv_.begin() + static_cast<std::ptrdiff_t>(begin_args_),
                                   argv_.end());
}

void CommandLineData::AppendArgument(std::wstring_view argument) {
  std::lock_guard<std::mutex> guard(lock_);
  argv_.emplace_back(argument);
}

void CommandLineData::PrependWrapper(std::wstring_view wrapper) {
  std::vector<std::wstring> parts;
  size_t begin = 0;
  while (begin < wrapper.size()) {
    size_t end = wrapper.find(L' ', begin);
    if (end == std::wstring_view::npos) end = wrapper.size();
    if (end > begin) parts.emplace_back(wrapper.substr(begin, end - begin));
    begin = end + 1;
  }
  if (parts.empty()) return;
  std::lock_guard<std::mutex> guard(lock_);
  argv_.insert(argv_.begin(), parts.begin(), parts.end());
  begin_args_ += parts.size();
}

std::vector<std::wstring> CommandLineData::Argv() {
  std::lock_guard<std::mutex> guard(lock_);
  return argv_;
}

std::wstring CommandLineData::CommandLineString() {
  std::lock_guard<std::mutex> guard(lock_);
  std::wstring out = Quote(argv_[0]);
  for (size_t i = 1; i < argv_.size(); ++i) {
    out += L' ';
    const std::wstring& arg = argv_[i];
    const size_t equals = arg.find(L'=');
    if (i < begin_args_ && equals != std::wstring::npos) {
      out += arg.substr(0, equals + 1) + Quote(arg.substr(equals + 1));
    } else {
      out += Quote(arg);
    }
  }
  return out;
}

namespace {

struct ProcessLine {
  std::mutex lock;
  std::shared_ptr<CommandLineData> data;
};

ProcessLine& ProcessLineState() {
  static ProcessLine* state = new ProcessLine;
  return *state;
}

}  // namespace

std::shared_ptr<CommandLineData> ProcessCommandLine() {
  ProcessLine& state = ProcessLineState();
  std::lock_guard<std::mutex> guard(state.lock);
  if (!state.data) {
    state.data = std::make_shared<CommandLineData>();
    state.data->InitFromString(GetCommandLineW());
  }
  return state.data;
}

void DropProcessCommandLine() {
  ProcessLine& state = ProcessLineState();
  std::lock_guard<std::mutex> guard(state.lock);
  state.data.reset();
}

CommandLine::CommandLine(std::shared_ptr<CommandLineData> data, bool read_only, bool trace_switches)
    : EngineObject("command_line"),
      data_(std::move(data)),
      read_only_(read_only),
      trace_switches_(trace_switches) {
  cef_command_line_t* s = this->data();
  s->is_valid = &IsValid;
  s->is_read_only = &IsReadOnly;
  s->copy = &Copy;
  s->init_from_argv = &InitFromArgv;
  s->init_from_string = &InitFromString;
  s->reset = &Reset;
  s->get_argv = &GetArgv;
  s->get_command_line_string = &GetCommandLineString;
  s->get_program = &GetProgram;
  s->set_program = &SetProgram;
  s->has_switches = &HasSwitches;
  s->has_switch = &HasSwitch;
  s->get_switch_value = &GetSwitchValue;
  s->get_switches = &GetSwitches;
  s->append_switch = &AppendSwitch;
  s->append_switch_with_value = &AppendSwitchWithValue;
  s->has_arguments = &HasArguments;
  s->get_arguments = &GetArguments;
  s->append_argument = &AppendArgument;
  s->prepend_wrapper = &PrependWrapper;
}

CommandLine* CommandLine::Usable(cef_command_line_t* self) {
  CommandLine* line = From(self);
  if (line && line->detached_) {
    Trace("misuse command-line-used-after-callback");
    return nullptr;
  }
  return line;
}

CommandLine* CommandLine::Writable(cef_command_line_t* self) {
  CommandLine* line = Usable(self);
  if (line && line->read_only_) {
    Trace("misuse command-line-read-only");
    return nullptr;
  }
  return line;
}

int CommandLine::IsValid(cef_command_line_t* self) {
  CommandLine* line = From(self);
  return line && !line->detached_ ? 1 : 0;
}

int CommandLine::IsReadOnly(cef_command_line_t* self) {
  CommandLine* line = Usable(self);
  return line && line->read_only_ ? 1 : 0;
}

cef_command_line_t* CommandLine::Copy(cef_command_line_t* self) {
  CommandLine* line = Usable(self);
  if (!line) return nullptr;
  auto copy = std::make_shared<CommandLineData>(*line->data_);
  return (new CommandLine(std::move(copy), false, false))->data();
}

// The real engine does not support argv on Windows either.
void CommandLine::InitFromArgv(cef_command_line_t*, int, const char* const*) {}

void CommandLine::InitFromString(cef_command_line_t* self, const cef_string_t* text) {
  if (CommandLine* line = Writable(self)) line->data_->InitFromString(FromRecord(text));
}

void CommandLine::Reset(cef_command_line_t* self) {
  if (CommandLine* line = Writable(self)) line->data_->Reset();
}

void CommandLine::GetArgv(cef_command_line_t* self, cef_string_list_t argv) {
  CommandLine* line = Usable(self);
  if (!line || !argv) return;
  for (const std::wstring& arg : line->data_->Argv()) {
    cef_string_t record{const_cast<wchar_t*>(arg.c_str()), arg.size(), nullptr};
    cef_string_list_append(argv, &record);
  }
}

cef_string_userfree_t CommandLine::GetCommandLineString(cef_command_line_t* self) {
  CommandLine* line = Usable(self);
  return line ? NewUserFree(line->data_->CommandLineString()) : nullptr;
}

cef_string_userfree_t CommandLine::GetProgram(cef_command_line_t* self) {
  CommandLine* line = Usable(self);
  return line ? NewUserFree(line->data_->Program()) : nullptr;
}

void CommandLine::SetProgram(cef_command_line_t* self, const cef_string_t* program) {
  if (CommandLine* line = Writable(self)) line->data_->SetProgram(FromRecord(program));
}

int CommandLine::HasSwitches(cef_command_line_t* self) {
  CommandLine* line = Usable(self);
  return line && line->data_->HasSwitches() ? 1 : 0;
}

int CommandLine::HasSwitch(cef_command_line_t* self, const cef_string_t* name) {
  CommandLine* line = Usable(self);
  return line && line->data_->HasSwitch(FromRecord(name)) ? 1 : 0;
}

cef_string_userfree_t CommandLine::GetSwitchValue(cef_command_line_t* self,
                                                  const cef_string_t* name) {
  CommandLine* line = Usable(self);
  return line ? NewUserFree(line->data_->SwitchValue(FromRecord(name))) : nullptr;
}

void CommandLine::GetSwitches(cef_command_line_t* self, cef_string_map_t switches) {
  CommandLine* line = Usable(self);
  if (!line || !switches) return;
  for (const auto& [key, value] : line->data_->Switches()) {
    cef_string_t k{const_cast<wchar_t*>(key.c_str()), key.size(), nullptr};
    cef_string_t v{const_cast<wchar_t*>(value.c_str()), value.size(), nullptr};
    cef_string_map_append(switches, &k, &v);
  }
}

void CommandLine::AppendSwitch(cef_command_line_t* self, const cef_string_t* name) {
  CommandLine* line = Writable(self);
  if (!line) return;
  const std::wstring switch_name = FromRecord(name);
  if (line->trace_switches_) Trace("switch " + TraceValue(switch_name));
  line->data_->AppendSwitch(switch_name, std::wstring_view());
}

void CommandLine::AppendSwitchWithValue(cef_command_line_t* self, const cef_string_t* name,
                                        const cef_string_t* value) {
  CommandLine* line = Writable(self);
  if (!line) return;
  const std::wstring switch_name = FromRecord(name);
  const std::wstring switch_value = FromRecord(value);
  if (line->trace_switches_) {
    Trace("switch " + TraceValue(switch_name) + "=" + TraceValue(switch_value));
  }
  line->data_->AppendSwitch(switch_name, switch_value);
}

int CommandLine::HasArguments(cef_command_line_t* self) {
  CommandLine* line = Usable(self);
  return line && line->data_->HasArguments() ? 1 : 0;
}

void CommandLine::GetArguments(cef_command_line_t* self, cef_string_list_t arguments) {
  CommandLine* line = Usable(self);
  if (!line || !arguments) return;
  for (const std::wstring& arg : line->data_->Arguments()) {
    cef_string_t record{const_cast<wchar_t*>(arg.c_str()), arg.size(), nullptr};
    cef_string_list_append(arguments, &record);
  }
}

void CommandLine::AppendArgument(cef_command_line_t* self, const cef_string_t* argument) {
  if (CommandLine* line = Writable(self)) line->data_->AppendArgument(FromRecord(argument));
}

void CommandLine::PrependWrapper(cef_command_line_t* self, const cef_string_t* wrapper) {
  if (CommandLine* line = Writable(self)) line->data_->PrependWrapper(FromRecord(wrapper));
}

}  // namespace standin

extern "C" {

// A fresh, writable, empty command line.
cef_command_line_t* cef_command_line_create(void) {
  return (new standin::CommandLine(std::make_shared<standin::CommandLineData>(), false, false))
      ->data();
}

// A read-only view of the process's command line; each call gives a new counted object.
cef_command_line_t* cef_command_line_get_global(void) {
  return (new standin::CommandLine(standin::ProcessCommandLine(), true, false))->data();
}

}  // extern "C"
