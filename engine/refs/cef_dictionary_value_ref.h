#ifndef OSTREL_ENGINE_REFS_CEF_DICTIONARY_VALUE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_DICTIONARY_VALUE_REF_H_

// A dictionary of engine values (all preferences, the proxy settings). A list result needs
// engine/cef_list_value_ref.h where it is used.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_value_ref.h"

class ICefListValue;

class ICefDictionaryValue : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(Ref<ICefDictionaryValue> that) = 0;
  virtual bool IsEqual(Ref<ICefDictionaryValue> that) = 0;
  virtual CefRefPtr<ICefDictionaryValue> Copy(bool excludeEmptyChildren) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool HasKey(const ustring& key) = 0;
  // Appends the keys in the engine's order.
  virtual bool GetKeys(std::vector<ustring>& keys) = 0;
  virtual bool Remove(const ustring& key) = 0;
  virtual cef_value_type_t GetType(const ustring& key) = 0;
  virtual CefRefPtr<ICefValue> GetValue(const ustring& key) = 0;
  virtual bool GetBool(const ustring& key) = 0;
  virtual int GetInt(const ustring& key) = 0;
  virtual double GetDouble(const ustring& key) = 0;
  virtual ustring GetString(const ustring& key) = 0;
  virtual CefRefPtr<ICefBinaryValue> GetBinary(const ustring& key) = 0;
  virtual CefRefPtr<ICefDictionaryValue> GetDictionary(const ustring& key) = 0;
  virtual CefRefPtr<ICefListValue> GetList(const ustring& key) = 0;
  virtual bool SetValue(const ustring& key, Ref<ICefValue> value) = 0;
  virtual bool SetNull(const ustring& key) = 0;
  virtual bool SetBool(const ustring& key, bool value) = 0;
  virtual bool SetInt(const ustring& key, int value) = 0;
  virtual bool SetDouble(const ustring& key, double value) = 0;
  virtual bool SetString(const ustring& key, const ustring& value) = 0;
  virtual bool SetBinary(const ustring& key, Ref<ICefBinaryValue> value) = 0;
  virtual bool SetDictionary(const ustring& key, Ref<ICefDictionaryValue> value) = 0;
  virtual bool SetList(const ustring& key, Ref<ICefListValue> value) = 0;
};

class TCefDictionaryValueRef final
    : public TCefRefBase<TCefDictionaryValueRef, ICefDictionaryValue, cef_dictionary_value_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new empty dictionary. Null before the library is loaded.
  static CefRefPtr<ICefDictionaryValue> New();

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(Ref<ICefDictionaryValue> that) override;
  bool IsEqual(Ref<ICefDictionaryValue> that) override;
  CefRefPtr<ICefDictionaryValue> Copy(bool excludeEmptyChildren) override;
  size_t GetSize() override;
  bool Clear() override;
  bool HasKey(const ustring& key) override;
  bool GetKeys(std::vector<ustring>& keys) override;
  bool Remove(const ustring& key) override;
  cef_value_type_t GetType(const ustring& key) override;
  CefRefPtr<ICefValue> GetValue(const ustring& key) override;
  bool GetBool(const ustring& key) override;
  int GetInt(const ustring& key) override;
  double GetDouble(const ustring& key) override;
  ustring GetString(const ustring& key) override;
  CefRefPtr<ICefBinaryValue> GetBinary(const ustring& key) override;
  CefRefPtr<ICefDictionaryValue> GetDictionary(const ustring& key) override;
  CefRefPtr<ICefListValue> GetList(const ustring& key) override;
  bool SetValue(const ustring& key, Ref<ICefValue> value) override;
  bool SetNull(const ustring& key) override;
  bool SetBool(const ustring& key, bool value) override;
  bool SetInt(const ustring& key, int value) override;
  bool SetDouble(const ustring& key, double value) override;
  bool SetString(const ustring& key, const ustring& value) override;
  bool SetBinary(const ustring& key, Ref<ICefBinaryValue> value) override;
  bool SetDictionary(const ustring& key, Ref<ICefDictionaryValue> value) override;
  bool SetList(const ustring& key, Ref<ICefListValue> value) override;

 private:
  ~TCefDictionaryValueRef() override = default;
};

inline CefRefPtr<ICefDictionaryValue> UnWrapEngine(cef_dictionary_value_t* data) {
  return TCefDictionaryValueRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_DICTIONARY_VALUE_REF_H_
