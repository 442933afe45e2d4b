#ifndef OSTREL_ENGINE_REFS_CEF_NAVIGATION_ENTRY_REF_H_
#define OSTREL_ENGINE_REFS_CEF_NAVIGATION_ENTRY_REF_H_

// One entry of a browser's navigation history.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefSSLStatus;

class ICefNavigationEntry : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual ustring GetUrl() = 0;
  virtual ustring GetDisplayUrl() = 0;
  virtual ustring GetOriginalUrl() = 0;
  virtual ustring GetTitle() = 0;
  virtual cef_transition_type_t GetTransitionType() = 0;
  virtual bool HasPostData() = 0;
  virtual cef_time_t GetCompletionTime() = 0;
  virtual int GetHttpStatusCode() = 0;
  virtual CefRefPtr<ICefSSLStatus> GetSslstatus() = 0;
};

class TCefNavigationEntryRef final
    : public TCefRefBase<TCefNavigationEntryRef, ICefNavigationEntry, cef_navigation_entry_t> {
 public:
  using TCefRefBase::TCefRefBase;

  bool IsValid() override;
  ustring GetUrl() override;
  ustring GetDisplayUrl() override;
  ustring GetOriginalUrl() override;
  ustring GetTitle() override;
  cef_transition_type_t GetTransitionType() override;
  bool HasPostData() override;
  cef_time_t GetCompletionTime() override;
  int GetHttpStatusCode() override;
  CefRefPtr<ICefSSLStatus> GetSslstatus() override;

 private:
  ~TCefNavigationEntryRef() override = default;
};

inline CefRefPtr<ICefNavigationEntry> UnWrapEngine(cef_navigation_entry_t* data) {
  return TCefNavigationEntryRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_NAVIGATION_ENTRY_REF_H_
