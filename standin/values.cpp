// Group "values": binary values (also the result of cef_base64decode); the generic, dictionary
// and list values are in value_objects.cpp.

#include "standin/values.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "standin/refcount.h"

namespace standin {
namespace {

class BinaryValue : public EngineObject<BinaryValue, cef_binary_value_t> {
 public:
  BinaryValue(const void* bytes, size_t size)
      : EngineObject("binary_value"),
        bytes_(static_cast<const unsigned char*>(bytes),
               static_cast<const unsigned char*>(bytes) + size) {
    cef_binary_value_t* s = data();
    s->is_valid = &IsValid;
    s->is_owned = &IsOwned;
    s->is_same = &IsSame;
    s->is_equal = &IsEqual;
    s->copy = &Copy;
    s->get_size = &GetSize;
    s->get_data = &GetData;
  }

 private:
  static int CEF_CALLBACK IsValid(cef_binary_value_t* self) { return From(self) ? 1 : 0; }
  // Not owned by a list or dictionary.
  static int CEF_CALLBACK IsOwned(cef_binary_value_t*) { return 0; }
  static int CEF_CALLBACK IsSame(cef_binary_value_t* self, cef_binary_value_t* that) {
    const int same = From(self) && From(self) == From(that) ? 1 : 0;
    ReleaseProgramObject(that);  // an argument carries a reference the engine consumes
    return same;
  }
  static int CEF_CALLBACK IsEqual(cef_binary_value_t* self, cef_binary_value_t* that) {
    BinaryValue* a = From(self);
    BinaryValue* b = From(that);
    const int equal = a && b && a->bytes_ == b->bytes_ ? 1 : 0;
    ReleaseProgramObject(that);
    return equal;
  }
  static cef_binary_value_t* CEF_CALLBACK Copy(cef_binary_value_t* self) {
    BinaryValue* value = From(self);
    return value ? NewBinaryValue(value->bytes_.data(), value->bytes_.size()) : nullptr;
  }
  static size_t CEF_CALLBACK GetSize(cef_binary_value_t* self) {
    BinaryValue* value = From(self);
    return value ? value->bytes_.size() : 0;
  }
  // Copies at most buffer_size bytes starting at data_offset; returns the count copied.
  static size_t CEF_CALLBACK GetData(cef_binary_value_t* self, void* buffer, size_t buffer_size,
                                     size_t data_offset) {
    BinaryValue* value = From(self);
    if (!value || !buffer || data_offset >= value->bytes_.size()) return 0;
    const size_t count = std::min(buffer_size, value->bytes_.size() - data_offset);
    std::memcpy(buffer, value->bytes_.data() + data_offset, count);
    return count;
  }

  const std::vector<unsigned char> bytes_;
};

}  // namespace

cef_binary_value_t* NewBinaryValue(const void* data, size_t size) {
  if (!data || size == 0) return nullptr;
  return (new BinaryValue(data, size))->data();
}

std::wstring ValueTraceText(const ValueNode& value) {
  switch (value.type) {
    case VTYPE_BOOL:
      return value.boolean ? L"true" : L"false";
    case VTYPE_INT:
      return std::to_wstring(value.integer);
    case VTYPE_DOUBLE:
      return std::to_wstring(value.real);
    case VTYPE_STRING:
      return value.text;
    case VTYPE_BINARY:
      return L"binary";
    case VTYPE_DICTIONARY: {
      std::wstring text = L"{";
      for (const auto& [key, entry] : value.entries) {
        text += (text.size() > 1 ? L"," : L"") + key + L":" + ValueTraceText(*entry);
      }
      return text + L"}";
    }
    case VTYPE_LIST: {
      std::wstring text = L"[";
      for (const auto& item : value.items) {
        text += (text.size() > 1 ? L"," : L"") + ValueTraceText(*item);
      }
      return text + L"]";
    }
    default:
      return L"null";
  }
}

}  // namespace standin

extern "C" {

cef_binary_value_t* cef_binary_value_create(const void* data, size_t data_size) {
  return standin::NewBinaryValue(data, data_size);
}

}  // extern "C"
