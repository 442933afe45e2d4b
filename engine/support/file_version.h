#ifndef OSTREL_ENGINE_SUPPORT_FILE_VERSION_H_
#define OSTREL_ENGINE_SUPPORT_FILE_VERSION_H_

// File versions and image headers of the engine's files. The header is free of <windows.h>.

#include <cstdint>
#include <string>

struct TFileVersionInfo {
  uint16_t MajorVer = 0;
  uint16_t MinorVer = 0;
  uint16_t Release = 0;
  uint16_t Build = 0;
};

// Machine codes of the image header that the library check distinguishes.
inline constexpr uint32_t kImageMachineX86 = 0x014C;
inline constexpr uint32_t kImageMachineX64 = 0x8664;

// "major.minor.release.build" in decimal.
std::wstring VersionToText(const TFileVersionInfo& version);

// The fixed file version of the version resource (most significant half first); 0 when the file
// has none or cannot be read.
uint64_t GetExtendedFileVersion(const std::wstring& path);
// False (and `version` untouched) when the file does not exist; a file without a version
// resource reads as 0.0.0.0.
bool GetDLLVersion(const std::wstring& path, TFileVersionInfo& version);
bool MatchDLLVersion(const std::wstring& path, uint16_t major, uint16_t minor, uint16_t release,
                     uint16_t build);

// The machine field of a Windows executable image's header; false (machine 0) when the file is
// missing or not such an image.
bool GetDLLHeaderMachine(const std::wstring& path, uint32_t& machine);

// A text of the version resource's string table, e.g. key "ProductName"; false when none of the
// file's translations holds a non-blank one.
bool GetStringFileInfo(const std::wstring& path, const std::wstring& key, std::wstring& info);

// True when this process is a 32-bit process running on 64-bit Windows.
bool RunningUnderWow64();

#endif  // OSTREL_ENGINE_SUPPORT_FILE_VERSION_H_
