#ifndef OSTREL_ENGINE_REFS_CEF_BINARY_VALUE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_BINARY_VALUE_REF_H_

// A block of bytes held by the engine.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefBinaryValue : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsSame(Ref<ICefBinaryValue> that) = 0;
  virtual bool IsEqual(Ref<ICefBinaryValue> that) = 0;
  virtual CefRefPtr<ICefBinaryValue> Copy() = 0;
  virtual size_t GetSize() = 0;
  // Copies up to `bufferSize` bytes starting at `dataOffset`; returns the number copied.
  virtual size_t GetData(void* buffer, size_t bufferSize, size_t dataOffset) = 0;
};

class TCefBinaryValueRef final
    : public TCefRefBase<TCefBinaryValueRef, ICefBinaryValue, cef_binary_value_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A copy of `size` bytes at `data`. Null before the library is loaded.
  static CefRefPtr<ICefBinaryValue> New(const void* data, size_t size);

  bool IsValid() override;
  bool IsOwned() override;
  bool IsSame(Ref<ICefBinaryValue> that) override;
  bool IsEqual(Ref<ICefBinaryValue> that) override;
  CefRefPtr<ICefBinaryValue> Copy() override;
  size_t GetSize() override;
  size_t GetData(void* buffer, size_t bufferSize, size_t dataOffset) override;

 private:
  ~TCefBinaryValueRef() override = default;
};

inline CefRefPtr<ICefBinaryValue> UnWrapEngine(cef_binary_value_t* data) {
  return TCefBinaryValueRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_BINARY_VALUE_REF_H_
