#include "engine/application/process_role.h"

#include <string_view>

#include "engine/support/text_functions.h"

TCefProcessType ProcessTypeFromArguments(const std::vector<std::wstring>& arguments) {
  constexpr std::wstring_view kTypePrefix = L"--type=";
  for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) {
    const std::wstring_view argument = *it;
    if (argument.size() < kTypePrefix.size() ||
        !SameText(argument.substr(0, kTypePrefix.size()), kTypePrefix)) {
      continue;
    }
    const std::wstring_view value = argument.substr(kTypePrefix.size());
    if (SameText(value, L"renderer")) return ptRenderer;
    if (SameText(value, L"zygote")) return ptZygote;
    if (SameText(value, L"gpu-process")) return ptGPU;
    if (SameText(value, L"utility")) return ptUtility;
    return ptOther;
  }
  return ptBrowser;
}
