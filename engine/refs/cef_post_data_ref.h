#ifndef OSTREL_ENGINE_REFS_CEF_POST_DATA_REF_H_
#define OSTREL_ENGINE_REFS_CEF_POST_DATA_REF_H_

// A request's upload data: a list of elements.

#include <cstddef>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_post_data_element_ref.h"

class ICefPostData : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsReadOnly() = 0;
  virtual bool HasExcludedElements() = 0;
  virtual size_t GetElementCount() = 0;
  // Appends the elements in the engine's order.
  virtual void GetElements(std::vector<CefRefPtr<ICefPostDataElement>>& elements) = 0;
  virtual bool RemoveElement(Ref<ICefPostDataElement> element) = 0;
  virtual bool AddElement(Ref<ICefPostDataElement> element) = 0;
  virtual void RemoveElements() = 0;
};

class TCefPostDataRef final : public TCefRefBase<TCefPostDataRef, ICefPostData, cef_post_data_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // New empty upload data. Null before the library is loaded.
  static CefRefPtr<ICefPostData> New();

  bool IsReadOnly() override;
  bool HasExcludedElements() override;
  size_t GetElementCount() override;
  void GetElements(std::vector<CefRefPtr<ICefPostDataElement>>& elements) override;
  bool RemoveElement(Ref<ICefPostDataElement> element) override;
  bool AddElement(Ref<ICefPostDataElement> element) override;
  void RemoveElements() override;

 private:
  ~TCefPostDataRef() override = default;
};

inline CefRefPtr<ICefPostData> UnWrapEngine(cef_post_data_t* data) {
  return TCefPostDataRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_POST_DATA_REF_H_
