#ifndef OSTREL_ENGINE_REFS_CEF_VALUE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_VALUE_REF_H_

// A value of any engine value type (preferences). Results of the dictionary and list types need
// engine/cef_dictionary_value_ref.h and engine/cef_list_value_ref.h where they are used.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_binary_value_ref.h"

class ICefDictionaryValue;
class ICefListValue;

class ICefValue : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(Ref<ICefValue> that) = 0;
  virtual bool IsEqual(Ref<ICefValue> that) = 0;
  virtual CefRefPtr<ICefValue> Copy() = 0;
  virtual cef_value_type_t GetType() = 0;
  virtual bool GetBool() = 0;
  virtual int GetInt() = 0;
  virtual double GetDouble() = 0;
  virtual ustring GetString() = 0;
  virtual CefRefPtr<ICefBinaryValue> GetBinary() = 0;
  virtual CefRefPtr<ICefDictionaryValue> GetDictionary() = 0;
  virtual CefRefPtr<ICefListValue> GetList() = 0;
  virtual bool SetNull() = 0;
  virtual bool SetBool(bool value) = 0;
  virtual bool SetInt(int value) = 0;
  virtual bool SetDouble(double value) = 0;
  virtual bool SetString(const ustring& value) = 0;
  virtual bool SetBinary(Ref<ICefBinaryValue> value) = 0;
  virtual bool SetDictionary(Ref<ICefDictionaryValue> value) = 0;
  virtual bool SetList(Ref<ICefListValue> value) = 0;
};

class TCefValueRef final : public TCefRefBase<TCefValueRef, ICefValue, cef_value_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new null value. Null before the library is loaded.
  static CefRefPtr<ICefValue> New();

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(Ref<ICefValue> that) override;
  bool IsEqual(Ref<ICefValue> that) override;
  CefRefPtr<ICefValue> Copy() override;
  cef_value_type_t GetType() override;
  bool GetBool() override;
  int GetInt() override;
  double GetDouble() override;
  ustring GetString() override;
  CefRefPtr<ICefBinaryValue> GetBinary() override;
  CefRefPtr<ICefDictionaryValue> GetDictionary() override;
  CefRefPtr<ICefListValue> GetList() override;
  bool SetNull() override;
  bool SetBool(bool value) override;
  bool SetInt(int value) override;
  bool SetDouble(double value) override;
  bool SetString(const ustring& value) override;
  bool SetBinary(Ref<ICefBinaryValue> value) override;
  bool SetDictionary(Ref<ICefDictionaryValue> value) override;
  bool SetList(Ref<ICefListValue> value) override;

 private:
  ~TCefValueRef() override = default;
};

inline CefRefPtr<ICefValue> UnWrapEngine(cef_value_t* data) { return TCefValueRef::UnWrap(data); }

#endif  // OSTREL_ENGINE_REFS_CEF_VALUE_REF_H_
