#include "engine/cef_handler_args.h"

#include "engine/cef_string_collections.h"

std::vector<ustring> CopyEngineStringList(cef_string_list_t list) {
  std::vector<ustring> strings;
  if (list == nullptr) return strings;
  MakeRefCounted<TCefStringListRef>(list)->CopyToStrings(strings);
  return strings;
}
