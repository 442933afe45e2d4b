#ifndef OSTREL_ENGINE_REFS_CEF_RESPONSE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_RESPONSE_REF_H_

// A network response. Header maps as for requests (engine/cef_request_ref.h).

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/core/cef_string_collections.h"

class ICefResponse : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsReadOnly() = 0;
  virtual cef_errorcode_t GetError() = 0;
  virtual void SetError(cef_errorcode_t error) = 0;
  virtual int GetStatus() = 0;
  virtual void SetStatus(int status) = 0;
  virtual ustring GetStatusText() = 0;
  virtual void SetStatusText(const ustring& statusText) = 0;
  virtual ustring GetMimeType() = 0;
  virtual void SetMimeType(const ustring& mimeType) = 0;
  virtual ustring GetCharset() = 0;
  virtual void SetCharset(const ustring& charset) = 0;
  virtual ustring GetHeader(const ustring& name) = 0;
  virtual void GetHeaderMap(Ref<ICefStringMultimap> headerMap) = 0;
  virtual void SetHeaderMap(Ref<ICefStringMultimap> headerMap) = 0;
  virtual ustring GetUrl() = 0;
  virtual void SetUrl(const ustring& url) = 0;
};

class TCefResponseRef final : public TCefRefBase<TCefResponseRef, ICefResponse, cef_response_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new empty response. Null before the library is loaded.
  static CefRefPtr<ICefResponse> New();

  bool IsReadOnly() override;
  cef_errorcode_t GetError() override;
  void SetError(cef_errorcode_t error) override;
  int GetStatus() override;
  void SetStatus(int status) override;
  ustring GetStatusText() override;
  void SetStatusText(const ustring& statusText) override;
  ustring GetMimeType() override;
  void SetMimeType(const ustring& mimeType) override;
  ustring GetCharset() override;
  void SetCharset(const ustring& charset) override;
  ustring GetHeader(const ustring& name) override;
  void GetHeaderMap(Ref<ICefStringMultimap> headerMap) override;
  void SetHeaderMap(Ref<ICefStringMultimap> headerMap) override;
  ustring GetUrl() override;
  void SetUrl(const ustring& url) override;

 private:
  ~TCefResponseRef() override = default;
};

inline CefRefPtr<ICefResponse> UnWrapEngine(cef_response_t* data) {
  return TCefResponseRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_RESPONSE_REF_H_
