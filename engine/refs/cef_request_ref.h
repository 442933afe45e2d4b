#ifndef OSTREL_ENGINE_REFS_CEF_REQUEST_REF_H_
#define OSTREL_ENGINE_REFS_CEF_REQUEST_REF_H_

// A network request. Header maps are engine string multimaps: the caller creates one
// (TCefStringMultimapOwn) that the request fills or reads; a null map is ignored.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/core/cef_string_collections.h"
#include "engine/refs/cef_post_data_ref.h"

class ICefRequest : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsReadOnly() = 0;
  virtual ustring GetUrl() = 0;
  virtual void SetUrl(const ustring& url) = 0;
  virtual ustring GetMethod() = 0;
  virtual void SetMethod(const ustring& method) = 0;
  virtual void SetReferrer(const ustring& referrerUrl, cef_referrer_policy_t policy) = 0;
  virtual ustring GetReferrerUrl() = 0;
  virtual cef_referrer_policy_t GetReferrerPolicy() = 0;
  virtual CefRefPtr<ICefPostData> GetPostData() = 0;
  virtual void SetPostData(Ref<ICefPostData> postData) = 0;
  virtual void GetHeaderMap(Ref<ICefStringMultimap> headerMap) = 0;
  virtual void SetHeaderMap(Ref<ICefStringMultimap> headerMap) = 0;
  virtual ustring GetHeaderByName(const ustring& name) = 0;
  virtual void SetHeaderByName(const ustring& name, const ustring& value, bool overwrite) = 0;
  virtual void Set(const ustring& url, const ustring& method, Ref<ICefPostData> postData,
                   Ref<ICefStringMultimap> headerMap) = 0;
  virtual int GetFlags() = 0;
  virtual void SetFlags(int flags) = 0;
  virtual ustring GetFirstPartyForCookies() = 0;
  virtual void SetFirstPartyForCookies(const ustring& url) = 0;
  virtual cef_resource_type_t GetResourceType() = 0;
  virtual cef_transition_type_t GetTransitionType() = 0;
  virtual uint64 GetIdentifier() = 0;
};

class TCefRequestRef final : public TCefRefBase<TCefRequestRef, ICefRequest, cef_request_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new empty request. Null before the library is loaded.
  static CefRefPtr<ICefRequest> New();

  bool IsReadOnly() override;
  ustring GetUrl() override;
  void SetUrl(const ustring& url) override;
  ustring GetMethod() override;
  void SetMethod(const ustring& method) override;
  void SetReferrer(const ustring& referrerUrl, cef_referrer_policy_t policy) override;
  ustring GetReferrerUrl() override;
  cef_referrer_policy_t GetReferrerPolicy() override;
  CefRefPtr<ICefPostData> GetPostData() override;
  void SetPostData(Ref<ICefPostData> postData) override;
  void GetHeaderMap(Ref<ICefStringMultimap> headerMap) override;
  void SetHeaderMap(Ref<ICefStringMultimap> headerMap) override;
  ustring GetHeaderByName(const ustring& name) override;
  void SetHeaderByName(const ustring& name, const ustring& value, bool overwrite) override;
  void Set(const ustring& url, const ustring& method, Ref<ICefPostData> postData,
           Ref<ICefStringMultimap> headerMap) override;
  int GetFlags() override;
  void SetFlags(int flags) override;
  ustring GetFirstPartyForCookies() override;
  void SetFirstPartyForCookies(const ustring& url) override;
  cef_resource_type_t GetResourceType() override;
  cef_transition_type_t GetTransitionType() override;
  uint64 GetIdentifier() override;

 private:
  ~TCefRequestRef() override = default;
};

inline CefRefPtr<ICefRequest> UnWrapEngine(cef_request_t* data) {
  return TCefRequestRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_REQUEST_REF_H_
