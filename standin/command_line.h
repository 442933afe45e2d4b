#ifndef OSTREL_STANDIN_COMMAND_LINE_H_
#define OSTREL_STANDIN_COMMAND_LINE_H_

// The engine's command-line object: a program path, switches and arguments with the engine's
// Windows rules (switch prefixes "--", "-" and "/", keys stored in lower case without prefix, a
// later value replaces an earlier one, "--" ends switch parsing).

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "standin/capi.h"
#include "standin/refcount.h"

namespace standin {

class CommandLineData {
 public:
  CommandLineData() = default;
  CommandLineData(const CommandLineData& other);
  CommandLineData& operator=(const CommandLineData&) = delete;

  void InitFromString(std::wstring_view text);
  void Reset();
  std::wstring Program();
  void SetProgram(std::wstring_view program);
  bool HasSwitches();
  bool HasSwitch(std::wstring_view name);
  std::wstring SwitchValue(std::wstring_view name);
  std::map<std::wstring, std::wstring> Switches();
  // name may carry its prefix ("--name"); an empty value adds a flag.
  void AppendSwitch(std::wstring_view name, std::wstring_view value);
  bool HasArguments();
  std::vector<std::wstring> Arguments();
  void AppendArgument(std::wstring_view argument);
  void PrependWrapper(std::wstring_view wrapper);
  std::vector<std::wstring> Argv();
  std::wstring CommandLineString();

 private:
  void AppendSwitchLocked(std::wstring_view name, std::wstring_view value);

  std::mutex lock_;
  std::vector<std::wstring> argv_{std::wstring()};  // program, switches, then arguments
  size_t begin_args_ = 1;                           // index of the first argument
  std::map<std::wstring, std::wstring> switches_;
};

// The process's command line as the engine sees it, created from GetCommandLineW on first use
// and dropped by cef_shutdown.
std::shared_ptr<CommandLineData> ProcessCommandLine();
void DropProcessCommandLine();

class CommandLine : public EngineObject<CommandLine, cef_command_line_t> {
 public:
  // trace_switches: the object is the one given to on_before_command_line_processing, and every
  // switch the program appends is written to the trace.
  CommandLine(std::shared_ptr<CommandLineData> data, bool read_only, bool trace_switches);

  // Like the real engine, the object given to a callback is invalid once the callback returned.
  void Detach() { detached_ = true; }

 private:
  static CommandLine* Usable(cef_command_line_t* self);
  static CommandLine* Writable(cef_command_line_t* self);
  static int CEF_CALLBACK IsValid(cef_command_line_t* self);
  static int CEF_CALLBACK IsReadOnly(cef_command_line_t* self);
  static cef_command_line_t* CEF_CALLBACK Copy(cef_command_line_t* self);
  static void CEF_CALLBACK InitFromArgv(cef_command_line_t* self, int argc,
                                        const char* const* argv);
  static void CEF_CALLBACK InitFromString(cef_command_line_t* self, const cef_string_t* text);
  static void CEF_CALLBACK Reset(cef_command_line_t* self);
  static void CEF_CALLBACK GetArgv(cef_command_line_t* self, cef_string_list_t argv);
  static cef_string_userfree_t CEF_CALLBACK GetCommandLineString(cef_command_line_t* self);
  static cef_string_userfree_t CEF_CALLBACK GetProgram(cef_command_line_t* self);
  static void CEF_CALLBACK SetProgram(cef_command_line_t* self, const cef_string_t* program);
  static int CEF_CALLBACK HasSwitches(cef_command_line_t* self);
  static int CEF_CALLBACK HasSwitch(cef_command_line_t* self, const cef_string_t* name);
  static cef_string_userfree_t CEF_CALLBACK GetSwitchValue(cef_command_line_t* self,
                                                           const cef_string_t* name);
  static void CEF_CALLBACK GetSwitches(cef_command_line_t* self, cef_string_map_t switches);
  static void CEF_CALLBACK AppendSwitch(cef_command_line_t* self, const cef_string_t* name);
  static void CEF_CALLBACK AppendSwitchWithValue(cef_command_line_t* self, const cef_string_t* name,
                                                 const cef_string_t* value);
  static int CEF_CALLBACK HasArguments(cef_command_line_t* self);
  static void CEF_CALLBACK GetArguments(cef_command_line_t* self, cef_string_list_t arguments);
  static void CEF_CALLBACK AppendArgument(cef_command_line_t* self, const cef_string_t* argument);
  static void CEF_CALLBACK PrependWrapper(cef_command_line_t* self, const cef_string_t* wrapper);

  std::shared_ptr<CommandLineData> data_;
  const bool read_only_;
  const bool trace_switches_;
  std::atomic<bool> detached_{false};
};

}  // namespace standin

#endif  // OSTREL_STANDIN_COMMAND_LINE_H_
