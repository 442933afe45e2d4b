#ifndef OSTREL_FORMS_COMMAND_TEXTS_H_
#define OSTREL_FORMS_COMMAND_TEXTS_H_

// What the main window's commands carry and show: the click point packed into a message
// parameter, the loading and memory texts, the host-resolution answer and the name proposed for
// a downloaded image. No Windows API here, so the tests build it natively too.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// x in bits 16-31, y in bits 0-15, each cut to 16 bits.
std::uint32_t PackPoint(int x, int y);
struct TPackedPoint {
  int x = 0;  // unsigned 16-bit values
  int y = 0;
};
TPackedPoint UnpackPoint(std::uint64_t packed);

// "加载中... 50%" for a progress of 0.5.
std::wstring LoadingProgressText(double progress);

// The four lines of the memory information, sizes in whole mebibytes.
std::wstring MemoryInfoText(std::uint32_t usedBytes, std::uint64_t totalBytes,
                            std::uint64_t availableBytes, std::uint32_t loadPercent);

// The answer to "Resolve host...": the addresses, or the engine's error code.
std::wstring ResolvedHostText(int result, std::span<const std::wstring> addresses);

// The part of an address path after its last "/" (the whole path without one).
std::wstring LastPathPart(std::wstring_view path);

// Lines joined with "\r\n", each one followed by it when `terminated`.
std::wstring JoinLines(std::span<const std::wstring> lines, bool terminated);

#endif  // OSTREL_FORMS_COMMAND_TEXTS_H_
