#include "engine/refs/cef_command_line_ref.h"

#include "engine/core/cef_ref_call.h"

CefRefPtr<ICefCommandLine> TCefCommandLineRef::New() {
  return CallEntryPoint(cef_command_line_create);
}

CefRefPtr<ICefCommandLine> TCefCommandLineRef::Global() {
  return CallEntryPoint(cef_command_line_get_global);
}

bool TCefCommandLineRef::IsValid() {
  return CallEngine(Engine(), &cef_command_line_t::is_valid) != 0;
}

void TCefCommandLineRef::GetArgv(std::vector<ustring>& args) {
  CallEngineForStrings(Engine(), &cef_command_line_t::get_argv, args);
}

ustring TCefCommandLineRef::GetCommandLineString() {
  return CallEngine(Engine(), &cef_command_line_t::get_command_line_string);
}

bool TCefCommandLineRef::HasSwitch(const ustring& name) {
  return CallEngine(Engine(), &cef_command_line_t::has_switch, name) != 0;
}

ustring TCefCommandLineRef::GetSwitchValue(const ustring& name) {
  return CallEngine(Engine(), &cef_command_line_t::get_switch_value, name);
}

void TCefCommandLineRef::AppendSwitch(const ustring& name) {
  CallEngine(Engine(), &cef_command_line_t::append_switch, name);
}

void TCefCommandLineRef::AppendSwitchWithValue(const ustring& name, const ustring& value) {
  CallEngine(Engine(), &cef_command_line_t::append_switch_with_value, name, value);
}
