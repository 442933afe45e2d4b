#include "engine/core/engine_callback.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_string_collections.h"

std::vector<ustring> CopyEngineStringList(cef_string_list_t list) {
  std::vector<ustring> strings;
  if (list == nullptr) return strings;
  MakeRefCounted<TCefStringListRef>(list)->CopyToStrings(strings);
  return strings;
}

TEngineStringTakeAndGiveBack::TEngineStringTakeAndGiveBack(cef_string_t* record)
    : value(CopyAndClearEngineString(record)), FRecord(EngineLibraryLoaded() ? record : nullptr) {}

void TEngineStringTakeAndGiveBack::GiveBack() const {
  if (FRecord != nullptr) *FRecord = AllocEngineString(value);
}

namespace engine_callback_detail {

std::wstring RoutineName(std::string_view prettyFunction) {
  // GCC: "... [with auto Member = &TCefLoadHandlerOwn::OnLoadEnd; ...]";
  // Clang: "... [Member = &TCefLoadHandlerOwn::OnLoadEnd, ...]".
  constexpr std::string_view kMarker = "Member = &";
  const size_t start = prettyFunction.find(kMarker);
  if (start == std::string_view::npos) return L"engine callback";
  std::string_view name = prettyFunction.substr(start + kMarker.size());
  name = name.substr(0, name.find_first_of(";,]"));
  std::wstring routine;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name.compare(i, 2, "::") == 0) {
      routine.push_back(L'.');
      ++i;
    } else {
      routine.push_back(static_cast<unsigned char>(name[i]));
    }
  }
  return routine;
}

}  // namespace engine_callback_detail
