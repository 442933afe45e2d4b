#include "upgrade/controller/ul_rollback.h"

#include <algorithm>

#include "upgrade/controller/ul_download_texts.h"
#include "upgrade/support/ul_upgrade_protocol.h"

namespace {

constexpr wchar_t kPutBack[] = L"the updater put the previous files back";

std::wstring Widened(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

bool IsNumber(std::wstring_view text) {
  return !text.empty() &&
         std::ranges::all_of(text, [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// The number after `prefix` in `cause`; nothing when it is not one.
std::optional<std::wstring> NumberAfter(std::wstring_view cause, std::string_view prefix) {
  const std::wstring wide = Widened(prefix);
  if (!cause.starts_with(wide) || !IsNumber(cause.substr(wide.size()))) return std::nullopt;
  return std::wstring(cause.substr(wide.size()));
}

}  // namespace

std::optional<TulRollBack> ReadRollBack(std::wstring_view argument) {
  const std::wstring prefix = Widened(kRolledBackArgument);
  if (!argument.starts_with(prefix)) return std::nullopt;
  const std::wstring_view cause = argument.substr(prefix.size());
  const std::wstring notStarted = NewVersionNotStartedText();
  if (const auto code = NumberAfter(cause, kEndedCause)) {
    return TulRollBack{L"Upgrade not installed: the new version ended (exit code " + *code +
                           L") before it had started, and " + kPutBack,
                       notStarted};
  }
  if (const auto seconds = NumberAfter(cause, kSilentCause)) {
    return TulRollBack{L"Upgrade not installed: the new version had not started after " + *seconds +
                           L" s, and " + kPutBack,
                       notStarted};
  }
  const std::wstring notInstalled = UpgradeNotInstalledText();
  if (IsNumber(cause)) {
    return TulRollBack{L"Upgrade not installed: the updater could not replace a file (error " +
                           std::wstring(cause) + L") and put the previous files back",
                       notInstalled};
  }
  return TulRollBack{
      L"Upgrade not installed: " + std::wstring(kPutBack) + L" (" + std::wstring(cause) + L")",
      notInstalled};
}
