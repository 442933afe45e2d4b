#ifndef OSTREL_STANDIN_VALUES_H_
#define OSTREL_STANDIN_VALUES_H_

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "standin/capi.h"

namespace standin {

// A counted binary value holding a copy of the bytes; null for no bytes, as in the engine.
cef_binary_value_t* NewBinaryValue(const void* data, size_t size);

// One value of any type; the generic value, dictionary and list objects are views of one.
struct ValueNode {
  cef_value_type_t type = VTYPE_NULL;
  bool boolean = false;
  int integer = 0;
  double real = 0;
  std::wstring text;
  std::vector<unsigned char> bytes;
  std::map<std::wstring, std::shared_ptr<ValueNode>> entries;  // sorted, as the engine lists keys
  std::vector<std::shared_ptr<ValueNode>> items;
};

std::shared_ptr<ValueNode> BoolNode(int value);
std::shared_ptr<ValueNode> IntNode(int value);
std::shared_ptr<ValueNode> DoubleNode(double value);
std::shared_ptr<ValueNode> StringNode(const cef_string_t* value);
// Takes over the argument's reference.
std::shared_ptr<ValueNode> BinaryNode(cef_binary_value_t* value);
std::shared_ptr<ValueNode> CopyValue(const ValueNode& value);
bool SameValue(const ValueNode& a, const ValueNode& b);

// The tree behind an object of the stand-in; null for anything else or a released object.
std::shared_ptr<ValueNode> NodeOf(cef_value_t* value);
std::shared_ptr<ValueNode> NodeOf(cef_dictionary_value_t* value);
std::shared_ptr<ValueNode> NodeOf(cef_list_value_t* value);
// A copy of the argument's tree; takes over the argument's reference.
template <class Struct>
std::shared_ptr<ValueNode> TakeCopy(Struct* object) {
  std::shared_ptr<ValueNode> node = NodeOf(object);
  if (object && object->base.release) object->base.release(&object->base);
  return node ? CopyValue(*node) : nullptr;
}

// New objects (one reference for the receiver) viewing `node`.
cef_value_t* NewValueObject(std::shared_ptr<ValueNode> node);
cef_dictionary_value_t* NewDictionaryObject(std::shared_ptr<ValueNode> node);
cef_list_value_t* NewListObject(std::shared_ptr<ValueNode> node);
// The same for a node of the matching type; null otherwise.
cef_binary_value_t* BinaryOf(const std::shared_ptr<ValueNode>& node);
cef_dictionary_value_t* DictionaryOf(const std::shared_ptr<ValueNode>& node);
cef_list_value_t* ListOf(const std::shared_ptr<ValueNode>& node);

// The value as one trace word: true, 7, 1.5, the text, [a,b], {k:v}.
std::wstring ValueTraceText(const ValueNode& value);

}  // namespace standin

#endif  // OSTREL_STANDIN_VALUES_H_
