#include "upgrade/controller/ul_info_file.h"

#include <algorithm>
#include <memory>

#include "upgrade/controller/ul_info_signature.h"
#include "upgrade/controller/ul_version.h"
#include "upgrade/support/ul_text.h"

TulInfoText::TulInfoText(std::wstring text)
    : FText(std::move(text)),
      FLower(LowerAscii(FText)),
      FEnd(FText.size() < 2 ? 0 : FText.size() - 2) {}

size_t TulInfoText::ValueStart(std::wstring_view prefix) const {
  const size_t at = FLower.find(prefix);
  return at == std::wstring::npos ? at : at + prefix.size();
}

std::wstring TulInfoText::Value(std::wstring_view key) const {
  const size_t start = ValueStart(LowerAscii(key) + L"=");
  if (start >= FEnd) return {};
  const auto begin = FText.begin() + static_cast<std::ptrdiff_t>(start);
  const auto end = FText.begin() + static_cast<std::ptrdiff_t>(FEnd);
  return std::wstring(begin, std::find_if(begin, end, [](wchar_t c) { return c < L' '; }));
}

std::wstring TulInfoText::BracedValue(std::wstring_view key) const {
  const size_t start = ValueStart(LowerAscii(key) + L"={");
  if (start >= FEnd) return {};
  const size_t close = FText.find(L'}', start);
  return FText.substr(start, std::min(close, FEnd) - start);
}

namespace {

// Queues the entry of the address key with `number` ("" for "#url"); false when it is absent.
bool QueueEntry(const TulInfoText& info, std::wstring_view number, TulStringList& queue) {
  const std::wstring entry = info.Value(L"#url" + std::wstring(number));
  if (entry.empty()) return false;
  const std::optional<TulSha256> sha256 =
      ParseSha256(info.Value(L"#sha256" + std::wstring(number)));
  queue.AddObject(entry, sha256 ? std::make_shared<TulSha256>(*sha256) : nullptr);
  return true;
}

}  // namespace

void ReadDownloadQueue(const TulInfoText& info, TulStringList& queue) {
  queue.Clear();
  for (const wchar_t* number : {L"", L"0"}) QueueEntry(info, number, queue);
  // Each further key is a distinct "#urlN=" in the text, so the loop ends within its length.
  int number = queue.Count() + 1;
  while (QueueEntry(info, std::to_wstring(number), queue)) ++number;
}

const TulSha256* QueuedSha256(const TulStringList& queue, int index) {
  return static_cast<const TulSha256*>(queue.Objects(index).get());
}

std::wstring FirstEntryWithoutSha256(const TulStringList& queue) {
  for (int index = 0; index < queue.Count(); ++index) {
    if (QueuedSha256(queue, index) == nullptr) return queue.GetName(index);
  }
  return {};
}

TzeUpgradeMethod ReadUpgradeMethod(const TulInfoText& info) {
  const std::wstring method = info.Value(L"#method");
  if (method.starts_with(L'1')) return umUseExternalSetup;
  if (method.starts_with(L'2')) return umRedirectToURL;
  return umSelfUpgrade;
}

bool OffersUpgrade(const TulInfoText& info, const TulLocalVersion& local, TulStringList& queue) {
  ReadDownloadQueue(info, queue);
  const bool newer = local.Control == byNumber
                         ? IsNewerVersionNumber(info.Value(L"#version"), local.Number)
                         : IsNewerVersionDate(info.Value(L"#date"), local.Date, local.Today);
  return newer && queue.Count() > 0;
}
