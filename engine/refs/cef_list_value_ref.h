#ifndef OSTREL_ENGINE_REFS_CEF_LIST_VALUE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_LIST_VALUE_REF_H_

// A list of engine values (string-list preferences).

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_value_ref.h"

class ICefListValue : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(Ref<ICefListValue> that) = 0;
  virtual bool IsEqual(Ref<ICefListValue> that) = 0;
  virtual CefRefPtr<ICefListValue> Copy() = 0;
  virtual bool SetSize(size_t size) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool Remove(size_t index) = 0;
  virtual cef_value_type_t GetType(size_t index) = 0;
  virtual CefRefPtr<ICefValue> GetValue(size_t index) = 0;
  virtual bool GetBool(size_t index) = 0;
  virtual int GetInt(size_t index) = 0;
  virtual double GetDouble(size_t index) = 0;
  virtual ustring GetString(size_t index) = 0;
  virtual CefRefPtr<ICefBinaryValue> GetBinary(size_t index) = 0;
  virtual CefRefPtr<ICefDictionaryValue> GetDictionary(size_t index) = 0;
  virtual CefRefPtr<ICefListValue> GetList(size_t index) = 0;
  virtual bool SetValue(size_t index, Ref<ICefValue> value) = 0;
  virtual bool SetNull(size_t index) = 0;
  virtual bool SetBool(size_t index, bool value) = 0;
  virtual bool SetInt(size_t index, int value) = 0;
  virtual bool SetDouble(size_t index, double value) = 0;
  virtual bool SetString(size_t index, const ustring& value) = 0;
  virtual bool SetBinary(size_t index, Ref<ICefBinaryValue> value) = 0;
  virtual bool SetDictionary(size_t index, Ref<ICefDictionaryValue> value) = 0;
  virtual bool SetList(size_t index, Ref<ICefListValue> value) = 0;
};

class TCefListValueRef final
    : public TCefRefBase<TCefListValueRef, ICefListValue, cef_list_value_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new empty list. Null before the library is loaded.
  static CefRefPtr<ICefListValue> New();

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(Ref<ICefListValue> that) override;
  bool IsEqual(Ref<ICefListValue> that) override;
  CefRefPtr<ICefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override;
  bool Clear() override;
  bool Remove(size_t index) override;
  cef_value_type_t GetType(size_t index) override;
  CefRefPtr<ICefValue> GetValue(size_t index) override;
  bool GetBool(size_t index) override;
  int GetInt(size_t index) override;
  double GetDouble(size_t index) override;
  ustring GetString(size_t index) override;
  CefRefPtr<ICefBinaryValue> GetBinary(size_t index) override;
  CefRefPtr<ICefDictionaryValue> GetDictionary(size_t index) override;
  CefRefPtr<ICefListValue> GetList(size_t index) override;
  bool SetValue(size_t index, Ref<ICefValue> value) override;
  bool SetNull(size_t index) override;
  bool SetBool(size_t index, bool value) override;
  bool SetInt(size_t index, int value) override;
  bool SetDouble(size_t index, double value) override;
  bool SetString(size_t index, const ustring& value) override;
  bool SetBinary(size_t index, Ref<ICefBinaryValue> value) override;
  bool SetDictionary(size_t index, Ref<ICefDictionaryValue> value) override;
  bool SetList(size_t index, Ref<ICefListValue> value) override;

 private:
  ~TCefListValueRef() override = default;
};

inline CefRefPtr<ICefListValue> UnWrapEngine(cef_list_value_t* data) {
  return TCefListValueRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_LIST_VALUE_REF_H_
