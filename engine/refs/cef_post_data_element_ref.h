#ifndef OSTREL_ENGINE_REFS_CEF_POST_DATA_ELEMENT_REF_H_
#define OSTREL_ENGINE_REFS_CEF_POST_DATA_ELEMENT_REF_H_

// One element of a request's upload data: bytes or a file.

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefPostDataElement : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsReadOnly() = 0;
  virtual void SetToEmpty() = 0;
  virtual void SetToFile(const ustring& fileName) = 0;
  virtual void SetToBytes(size_t size, const void* bytes) = 0;
  virtual cef_postdataelement_type_t GetType() = 0;
  virtual ustring GetFile() = 0;
  virtual size_t GetBytesCount() = 0;
  // Copies up to `size` bytes into `bytes`; returns the number copied.
  virtual size_t GetBytes(size_t size, void* bytes) = 0;
};

class TCefPostDataElementRef final
    : public TCefRefBase<TCefPostDataElementRef, ICefPostDataElement, cef_post_data_element_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new empty element. Null before the library is loaded.
  static CefRefPtr<ICefPostDataElement> New();

  bool IsReadOnly() override;
  void SetToEmpty() override;
  void SetToFile(const ustring& fileName) override;
  void SetToBytes(size_t size, const void* bytes) override;
  cef_postdataelement_type_t GetType() override;
  ustring GetFile() override;
  size_t GetBytesCount() override;
  size_t GetBytes(size_t size, void* bytes) override;

 private:
  ~TCefPostDataElementRef() override = default;
};

inline CefRefPtr<ICefPostDataElement> UnWrapEngine(cef_post_data_element_t* data) {
  return TCefPostDataElementRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_POST_DATA_ELEMENT_REF_H_
