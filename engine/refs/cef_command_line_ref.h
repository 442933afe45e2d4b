#ifndef OSTREL_ENGINE_REFS_CEF_COMMAND_LINE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_COMMAND_LINE_REF_H_

// The engine's command-line object. The program appends switches with their leading dashes
// ("--disable-gpu"), as it composes them; the engine's questions (HasSwitch, GetSwitchValue)
// take the bare name ("disable-gpu").

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefCommandLine : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  // Appends the program, the switches and the arguments, in the engine's order.
  virtual void GetArgv(std::vector<ustring>& args) = 0;
  virtual ustring GetCommandLineString() = 0;
  virtual bool HasSwitch(const ustring& name) = 0;
  virtual ustring GetSwitchValue(const ustring& name) = 0;
  virtual void AppendSwitch(const ustring& name) = 0;
  virtual void AppendSwitchWithValue(const ustring& name, const ustring& value) = 0;
};

class TCefCommandLineRef final
    : public TCefRefBase<TCefCommandLineRef, ICefCommandLine, cef_command_line_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new empty command line; the process's global one. Null before the library is loaded.
  static CefRefPtr<ICefCommandLine> New();
  static CefRefPtr<ICefCommandLine> Global();

  bool IsValid() override;
  void GetArgv(std::vector<ustring>& args) override;
  ustring GetCommandLineString() override;
  bool HasSwitch(const ustring& name) override;
  ustring GetSwitchValue(const ustring& name) override;
  void AppendSwitch(const ustring& name) override;
  void AppendSwitchWithValue(const ustring& name, const ustring& value) override;

 private:
  ~TCefCommandLineRef() override = default;
};

inline CefRefPtr<ICefCommandLine> UnWrapEngine(cef_command_line_t* data) {
  return TCefCommandLineRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_COMMAND_LINE_REF_H_
