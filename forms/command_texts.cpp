#include "forms/command_texts.h"

#include <cmath>

namespace {

constexpr std::uint64_t kMebibyte = 1048576;

}  // namespace

std::uint32_t PackPoint(int x, int y) {
  return (static_cast<std::uint32_t>(x & 0xFFFF) << 16) | static_cast<std::uint32_t>(y & 0xFFFF);
}

TPackedPoint UnpackPoint(std::uint64_t packed) {
  return {static_cast<int>((packed >> 16) & 0xFFFF), static_cast<int>(packed & 0xFFFF)};
}

std::wstring LoadingProgressText(double progress) {
  // Whole per cent, halves rounded away from zero.
  return L"加载中... " + std::to_wstring(std::llround(progress * 100.0)) + L"%";
}

std::wstring MemoryInfoText(std::uint32_t usedBytes, std::uint64_t totalBytes,
                            std::uint64_t availableBytes, std::uint32_t loadPercent) {
  return L"Total memory used by this application : " + std::to_wstring(usedBytes / kMebibyte) +
         L" Mb\r\nTotal system memory : " + std::to_wstring(totalBytes / kMebibyte) +
         L" Mb\r\nAvailable physical memory : " + std::to_wstring(availableBytes / kMebibyte) +
         L" Mb\r\nMemory load : " + std::to_wstring(loadPercent) + L" %";
}

std::wstring ResolvedHostText(int result, std::span<const std::wstring> addresses) {
  if (result != 0) {
    return L"There was a problem resolving the host.\r\nError code : " + std::to_wstring(result);
  }
  std::wstring text = L"Resolved IPs : ";
  for (size_t i = 0; i < addresses.size(); ++i) {
    if (i > 0) text += L',';
    text += addresses[i];
  }
  return text;
}

std::wstring LastPathPart(std::wstring_view path) {
  const size_t slash = path.rfind(L'/');
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring JoinLines(std::span<const std::wstring> lines, bool terminated) {
  std::wstring text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += L"\r\n";
    text += lines[i];
  }
  if (terminated && !lines.empty()) text += L"\r\n";
  return text;
}
