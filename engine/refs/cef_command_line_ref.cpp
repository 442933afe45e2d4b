#include "engine/refs/cef_command_line_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_string_collections.h"

// The engine structure is never null here (UnWrap builds no wrapper on null); a function the
// engine leaves absent makes its operation do nothing.

CefRefPtr<ICefCommandLine> TCefCommandLineRef::New() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_command_line_create());
}

CefRefPtr<ICefCommandLine> TCefCommandLineRef::Global() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_command_line_get_global());
}

bool TCefCommandLineRef::IsValid() {
  cef_command_line_t* engine = Engine();
  return engine->is_valid != nullptr && engine->is_valid(engine) != 0;
}

void TCefCommandLineRef::GetArgv(std::vector<ustring>& args) {
  cef_command_line_t* engine = Engine();
  if (engine->get_argv == nullptr) return;
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  if (list->GetHandle() == nullptr) return;
  engine->get_argv(engine, list->GetHandle());
  list->CopyToStrings(args);
}

ustring TCefCommandLineRef::GetCommandLineString() {
  cef_command_line_t* engine = Engine();
  if (engine->get_command_line_string == nullptr) return ustring();
  return CopyAndFreeUserFreeString(engine->get_command_line_string(engine));
}

bool TCefCommandLineRef::HasSwitch(const ustring& name) {
  cef_command_line_t* engine = Engine();
  if (engine->has_switch == nullptr) return false;
  const cef_string_t borrowed_name = BorrowEngineString(name);
  return engine->has_switch(engine, &borrowed_name) != 0;
}

ustring TCefCommandLineRef::GetSwitchValue(const ustring& name) {
  cef_command_line_t* engine = Engine();
  if (engine->get_switch_value == nullptr) return ustring();
  const cef_string_t borrowed_name = BorrowEngineString(name);
  return CopyAndFreeUserFreeString(engine->get_switch_value(engine, &borrowed_name));
}

void TCefCommandLineRef::AppendSwitch(const ustring& name) {
  cef_command_line_t* engine = Engine();
  if (engine->append_switch == nullptr) return;
  const cef_string_t borrowed_name = BorrowEngineString(name);
  engine->append_switch(engine, &borrowed_name);
}

void TCefCommandLineRef::AppendSwitchWithValue(const ustring& name, const ustring& value) {
  cef_command_line_t* engine = Engine();
  if (engine->append_switch_with_value == nullptr) return;
  const cef_string_t borrowed_name = BorrowEngineString(name);
  const cef_string_t borrowed_value = BorrowEngineString(value);
  engine->append_switch_with_value(engine, &borrowed_name, &borrowed_value);
}
