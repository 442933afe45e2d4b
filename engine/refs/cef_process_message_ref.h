#ifndef OSTREL_ENGINE_REFS_CEF_PROCESS_MESSAGE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_PROCESS_MESSAGE_REF_H_

// A named message with a list of arguments, sent between the browser and renderer processes.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefListValue;

class ICefProcessMessage : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsReadOnly() = 0;
  virtual CefRefPtr<ICefProcessMessage> Copy() = 0;
  virtual ustring GetName() = 0;
  virtual CefRefPtr<ICefListValue> GetArgumentList() = 0;
};

class TCefProcessMessageRef final
    : public TCefRefBase<TCefProcessMessageRef, ICefProcessMessage, cef_process_message_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new message called `name` with an empty argument list. Null before the library is loaded.
  static CefRefPtr<ICefProcessMessage> New(const ustring& name);

  bool IsValid() override;
  bool IsReadOnly() override;
  CefRefPtr<ICefProcessMessage> Copy() override;
  ustring GetName() override;
  CefRefPtr<ICefListValue> GetArgumentList() override;

 private:
  ~TCefProcessMessageRef() override = default;
};

inline CefRefPtr<ICefProcessMessage> UnWrapEngine(cef_process_message_t* data) {
  return TCefProcessMessageRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_PROCESS_MESSAGE_REF_H_
