// Group "values": the generic value, dictionary and list objects over one value tree. As in the
// engine, a value or container got from a container is a view of the entry (changes show in the
// owner), and whatever the program sets into a container is copied in. Dictionaries list their
// keys sorted, as the engine's do. Objects are valid, never owned by the engine and never
// read-only; a released argument object counts as no value.

#include <algorithm>

#include "standin/refcount.h"
#include "standin/text.h"
#include "standin/unsimulated.h"
#include "standin/values.h"

namespace standin {
namespace {

using Node = std::shared_ptr<ValueNode>;

Node Make(cef_value_type_t type) {
  auto node = std::make_shared<ValueNode>();
  node->type = type;
  return node;
}

// ---- The generic value ----

class ValueObject : public EngineObject<ValueObject, cef_value_t> {
 public:
  explicit ValueObject(Node node) : EngineObject("value"), node_(std::move(node)) {
    cef_value_t* s = data();
    s->is_valid = [](cef_value_t* self) { return N(self) ? 1 : 0; };
    s->is_owned = [](cef_value_t*) { return 0; };
    s->is_read_only = [](cef_value_t*) { return 0; };
    s->is_same = [](cef_value_t* self, cef_value_t* that) {
      const int same = N(self) && N(self) == NodeOf(that) ? 1 : 0;
      ReleaseProgramObject(that);
      return same;
    };
    s->is_equal = [](cef_value_t* self, cef_value_t* that) {
      Node a = N(self), b = NodeOf(that);
      ReleaseProgramObject(that);
      return a && b && SameValue(*a, *b) ? 1 : 0;
    };
    s->copy = [](cef_value_t* self) -> cef_value_t* {
      Node n = N(self);
      return n ? NewValueObject(CopyValue(*n)) : nullptr;
    };
    s->get_type = [](cef_value_t* self) { return N(self) ? N(self)->type : VTYPE_INVALID; };
    s->get_bool = [](cef_value_t* self) { return N(self) && N(self)->boolean ? 1 : 0; };
    s->get_int = [](cef_value_t* self) { return N(self) ? N(self)->integer : 0; };
    s->get_double = [](cef_value_t* self) { return N(self) ? N(self)->real : 0.0; };
    s->get_string = [](cef_value_t* self) -> cef_string_userfree_t {
      Node n = N(self);
      return n && n->type == VTYPE_STRING ? NewUserFree(n->text) : nullptr;
    };
    s->get_binary = [](cef_value_t* self) { return BinaryOf(N(self)); };
    s->get_dictionary = [](cef_value_t* self) { return DictionaryOf(N(self)); };
    s->get_list = [](cef_value_t* self) { return ListOf(N(self)); };
    s->set_null = [](cef_value_t* self) { return Replace(self, Make(VTYPE_NULL)); };
    s->set_bool = [](cef_value_t* self, int value) { return Replace(self, BoolNode(value)); };
    s->set_int = [](cef_value_t* self, int value) { return Replace(self, IntNode(value)); };
    s->set_double = [](cef_value_t* self, double v) { return Replace(self, DoubleNode(v)); };
    s->set_string = [](cef_value_t* self, const cef_string_t* value) {
      return Replace(self, StringNode(value));
    };
    s->set_binary = [](cef_value_t* self, cef_binary_value_t* value) {
      return Replace(self, BinaryNode(value));
    };
    s->set_dictionary = [](cef_value_t* self, cef_dictionary_value_t* value) {
      return Replace(self, TakeCopy(value));
    };
    s->set_list = [](cef_value_t* self, cef_list_value_t* value) {
      return Replace(self, TakeCopy(value));
    };
    FillUnsimulated(s, "value");
  }

  static Node N(cef_value_t* self) {
    ValueObject* object = From(self);
    return object ? object->node_ : nullptr;
  }

 private:
  // In place: views of the same entry see the new value.
  static int Replace(cef_value_t* self, Node value) {
    Node n = N(self);
    if (!n || !value) return 0;
    *n = *value;
    return 1;
  }

  Node node_;
};

// ---- Dictionaries and lists: the same typed accessors, by key or by index ----

template <class Container, class Struct, class Key>
struct Entries {
  static cef_value_type_t GetType(Struct* self, Key key) {
    Node n = Container::Find(self, key);
    return n ? n->type : VTYPE_INVALID;
  }
  static cef_value_t* GetValue(Struct* self, Key key) {
    Node n = Container::Find(self, key);
    return n ? NewValueObject(n) : nullptr;
  }
  static int GetBool(Struct* self, Key key) {
    Node n = Container::Find(self, key);
    return n && n->boolean ? 1 : 0;
  }
  static int GetInt(Struct* self, Key key) {
    Node n = Container::Find(self, key);
    return n ? n->integer : 0;
  }
  static double GetDouble(Struct* self, Key key) {
    Node n = Container::Find(self, key);
    return n ? n->real : 0.0;
  }
  static cef_string_userfree_t GetString(Struct* self, Key key) {
    Node n = Container::Find(self, key);
    return n && n->type == VTYPE_STRING ? NewUserFree(n->text) : nullptr;
  }
  static cef_binary_value_t* GetBinary(Struct* self, Key key) {
    return BinaryOf(Container::Find(self, key));
  }
  static cef_dictionary_value_t* GetDictionary(Struct* self, Key key) {
    return DictionaryOf(Container::Find(self, key));
  }
  static cef_list_value_t* GetList(Struct* self, Key key) {
    return ListOf(Container::Find(self, key));
  }
  static int SetValue(Struct* self, Key key, cef_value_t* value) {
    return Container::Store(self, key, TakeCopy(value));
  }
  static int SetNull(Struct* self, Key key) {
    return Container::Store(self, key, Make(VTYPE_NULL));
  }
  static int SetBool(Struct* self, Key key, int value) {
    return Container::Store(self, key, BoolNode(value));
  }
  static int SetInt(Struct* self, Key key, int value) {
    return Container::Store(self, key, IntNode(value));
  }
  static int SetDouble(Struct* self, Key key, double value) {
    return Container::Store(self, key, DoubleNode(value));
  }
  static int SetString(Struct* self, Key key, const cef_string_t* value) {
    return Container::Store(self, key, StringNode(value));
  }
  static int SetBinary(Struct* self, Key key, cef_binary_value_t* value) {
    return Container::Store(self, key, BinaryNode(value));
  }
  static int SetDictionary(Struct* self, Key key, cef_dictionary_value_t* value) {
    return Container::Store(self, key, TakeCopy(value));
  }
  static int SetList(Struct* self, Key key, cef_list_value_t* value) {
    return Container::Store(self, key, TakeCopy(value));
  }

  static void Fill(Struct* s) {
    s->is_valid = [](Struct* self) { return Container::N(self) ? 1 : 0; };
    s->is_owned = [](Struct*) { return 0; };
    s->is_read_only = [](Struct*) { return 0; };
    s->is_same = [](Struct* self, Struct* that) {
      const int same = Container::N(self) && Container::N(self) == NodeOf(that) ? 1 : 0;
      ReleaseProgramObject(that);
      return same;
    };
    s->is_equal = [](Struct* self, Struct* that) {
      Node a = Container::N(self), b = NodeOf(that);
      ReleaseProgramObject(that);
      return a && b && SameValue(*a, *b) ? 1 : 0;
    };
    s->get_type = &GetType;
    s->get_value = &GetValue;
    s->get_bool = &GetBool;
    s->get_int = &GetInt;
    s->get_double = &GetDouble;
    s->get_string = &GetString;
    s->get_binary = &GetBinary;
    s->get_dictionary = &GetDictionary;
    s->get_list = &GetList;
    s->set_value = &SetValue;
    s->set_null = &SetNull;
    s->set_bool = &SetBool;
    s->set_int = &SetInt;
    s->set_double = &SetDouble;
    s->set_string = &SetString;
    s->set_binary = &SetBinary;
    s->set_dictionary = &SetDictionary;
    s->set_list = &SetList;
  }
};

class DictionaryObject : public EngineObject<DictionaryObject, cef_dictionary_value_t> {
 public:
  explicit DictionaryObject(Node node) : EngineObject("dictionary_value"), node_(std::move(node)) {
    cef_dictionary_value_t* s = data();
    Entries<DictionaryObject, cef_dictionary_value_t, const cef_string_t*>::Fill(s);
    s->copy = [](cef_dictionary_value_t* self, int) -> cef_dictionary_value_t* {
      Node n = N(self);
      return n ? NewDictionaryObject(CopyValue(*n)) : nullptr;
    };
    s->get_size = [](cef_dictionary_value_t* self) -> size_t {
      return N(self) ? N(self)->entries.size() : 0;
    };
    s->clear = [](cef_dictionary_value_t* self) {
      if (Node n = N(self)) n->entries.clear();
      return N(self) ? 1 : 0;
    };
    s->has_key = [](cef_dictionary_value_t* self, const cef_string_t* key) {
      return Find(self, key) ? 1 : 0;
    };
    s->get_keys = [](cef_dictionary_value_t* self, cef_string_list_t keys) {
      Node n = N(self);
      if (!n || !keys) return 0;
      for (const auto& entry : n->entries) {
        cef_string_t name{const_cast<wchar_t*>(entry.first.c_str()), entry.first.size(), nullptr};
        cef_string_list_append(keys, &name);
      }
      return 1;
    };
    s->remove = [](cef_dictionary_value_t* self, const cef_string_t* key) {
      Node n = N(self);
      return n && n->entries.erase(FromRecord(key)) > 0 ? 1 : 0;
    };
    FillUnsimulated(s, "dictionary_value");
  }

  static Node N(cef_dictionary_value_t* self) {
    DictionaryObject* object = From(self);
    return object ? object->node_ : nullptr;
  }
  static Node Find(cef_dictionary_value_t* self, const cef_string_t* key) {
    Node n = N(self);
    if (!n) return nullptr;
    auto found = n->entries.find(FromRecord(key));
    return found == n->entries.end() ? nullptr : found->second;
  }
  static int Store(cef_dictionary_value_t* self, const cef_string_t* key, Node value) {
    Node n = N(self);
    if (!n || !value) return 0;
    n->entries[FromRecord(key)] = std::move(value);
    return 1;
  }

 private:
  Node node_;
};

class ListObject : public EngineObject<ListObject, cef_list_value_t> {
 public:
  explicit ListObject(Node node) : EngineObject("list_value"), node_(std::move(node)) {
    cef_list_value_t* s = data();
    Entries<ListObject, cef_list_value_t, size_t>::Fill(s);
    s->copy = [](cef_list_value_t* self) -> cef_list_value_t* {
      Node n = N(self);
      return n ? NewListObject(CopyValue(*n)) : nullptr;
    };
    s->set_size = [](cef_list_value_t* self, size_t size) {
      Node n = N(self);
      if (!n) return 0;
      Resize(*n, size);
      return 1;
    };
    s->get_size = [](cef_list_value_t* self) -> size_t {
      return N(self) ? N(self)->items.size() : 0;
    };
    s->clear = [](cef_list_value_t* self) {
      if (Node n = N(self)) n->items.clear();
      return N(self) ? 1 : 0;
    };
    s->remove = [](cef_list_value_t* self, size_t index) {
      Node n = N(self);
      if (!n || index >= n->items.size()) return 0;
      n->items.erase(n->items.begin() + static_cast<std::ptrdiff_t>(index));
      return 1;
    };
    FillUnsimulated(s, "list_value");
  }

  static Node N(cef_list_value_t* self) {
    ListObject* object = From(self);
    return object ? object->node_ : nullptr;
  }
  static Node Find(cef_list_value_t* self, size_t index) {
    Node n = N(self);
    return n && index < n->items.size() ? n->items[index] : nullptr;
  }
  // Beyond the end, the list grows with nulls, as the engine's does.
  static int Store(cef_list_value_t* self, size_t index, Node value) {
    Node n = N(self);
    if (!n || !value) return 0;
    if (index >= n->items.size()) Resize(*n, index + 1);
    n->items[index] = std::move(value);
    return 1;
  }

 private:
  static void Resize(ValueNode& list, size_t size) {
    const size_t old = list.items.size();
    list.items.resize(size);
    for (size_t i = old; i < size; ++i) list.items[i] = Make(VTYPE_NULL);
  }

  Node node_;
};

}  // namespace

// ---- Nodes ----

Node BoolNode(int value) {
  Node n = Make(VTYPE_BOOL);
  n->boolean = value != 0;
  return n;
}

Node IntNode(int value) {
  Node n = Make(VTYPE_INT);
  n->integer = value;
  return n;
}

Node DoubleNode(double value) {
  Node n = Make(VTYPE_DOUBLE);
  n->real = value;
  return n;
}

Node StringNode(const cef_string_t* value) {
  Node n = Make(VTYPE_STRING);
  n->text = FromRecord(value);
  return n;
}

Node BinaryNode(cef_binary_value_t* value) {
  Node n = Make(VTYPE_BINARY);
  if (value && value->get_size && value->get_data) {
    n->bytes.resize(value->get_size(value));
    value->get_data(value, n->bytes.data(), n->bytes.size(), 0);
  }
  ReleaseProgramObject(value);
  return n;
}

Node CopyValue(const ValueNode& value) {
  Node copy = std::make_shared<ValueNode>(value);
  for (auto& [name, entry] : copy->entries) entry = CopyValue(*entry);
  for (Node& item : copy->items) item = CopyValue(*item);
  return copy;
}

bool SameValue(const ValueNode& a, const ValueNode& b) {
  if (a.type != b.type || a.boolean != b.boolean || a.integer != b.integer || a.real != b.real ||
      a.text != b.text || a.bytes != b.bytes || a.entries.size() != b.entries.size() ||
      a.items.size() != b.items.size()) {
    return false;
  }
  for (auto ia = a.entries.begin(), ib = b.entries.begin(); ia != a.entries.end(); ++ia, ++ib) {
    if (ia->first != ib->first || !SameValue(*ia->second, *ib->second)) return false;
  }
  for (size_t i = 0; i < a.items.size(); ++i) {
    if (!SameValue(*a.items[i], *b.items[i])) return false;
  }
  return true;
}

Node NodeOf(cef_value_t* value) { return ValueObject::N(value); }
Node NodeOf(cef_dictionary_value_t* value) { return DictionaryObject::N(value); }
Node NodeOf(cef_list_value_t* value) { return ListObject::N(value); }

cef_value_t* NewValueObject(Node node) { return (new ValueObject(std::move(node)))->data(); }
cef_dictionary_value_t* NewDictionaryObject(Node node) {
  return (new DictionaryObject(std::move(node)))->data();
}
cef_list_value_t* NewListObject(Node node) { return (new ListObject(std::move(node)))->data(); }

cef_binary_value_t* BinaryOf(const Node& node) {
  return node && node->type == VTYPE_BINARY ? NewBinaryValue(node->bytes.data(), node->bytes.size())
                                            : nullptr;
}
cef_dictionary_value_t* DictionaryOf(const Node& node) {
  return node && node->type == VTYPE_DICTIONARY ? NewDictionaryObject(node) : nullptr;
}
cef_list_value_t* ListOf(const Node& node) {
  return node && node->type == VTYPE_LIST ? NewListObject(node) : nullptr;
}

}  // namespace standin

extern "C" {

cef_value_t* cef_value_create(void) { return standin::NewValueObject(standin::Make(VTYPE_NULL)); }

cef_dictionary_value_t* cef_dictionary_value_create(void) {
  return standin::NewDictionaryObject(standin::Make(VTYPE_DICTIONARY));
}

cef_list_value_t* cef_list_value_create(void) {
  return standin::NewListObject(standin::Make(VTYPE_LIST));
}

}  // extern "C"
