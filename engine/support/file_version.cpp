#include "engine/support/file_version.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "engine/core/exception_policy.h"
#include "engine/support/paths.h"
#include "engine/support/text_functions.h"

namespace {

// Reads the whole version resource of a file; empty when it has none.
std::vector<unsigned char> ReadVersionResource(const std::wstring& path) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size == 0) return {};
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return {};
  return data;
}

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

bool ReadExactly(FILE* file, void* buffer, size_t size) {
  return std::fread(buffer, 1, size, file) == size;
}

// Byte offsets inside the image headers.
constexpr size_t kDosHeaderSize = 64;
constexpr size_t kNewHeaderOffsetField = 0x3C;
constexpr size_t kNtHeadersSize = 264;         // signature, file header, 64-bit optional header
constexpr uint16_t kDosSignature = 0x5A4D;     // "MZ"
constexpr uint32_t kNtSignature = 0x00004550;  // "PE\0\0"

uint16_t ReadU16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t ReadU32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

std::wstring VersionToText(const TFileVersionInfo& version) {
  return std::to_wstring(version.MajorVer) + L'.' + std::to_wstring(version.MinorVer) + L'.' +
         std::to_wstring(version.Release) + L'.' + std::to_wstring(version.Build);
}

uint64_t GetExtendedFileVersion(const std::wstring& path) {
  return GuardRoutine(L"GetExtendedFileVersion", uint64_t{0}, [&]() -> uint64_t {
    const std::vector<unsigned char> data = ReadVersionResource(path);
    if (data.empty()) return 0;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        info == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
      return 0;
    }
    return (static_cast<uint64_t>(info->dwFileVersionMS) << 32) | info->dwFileVersionLS;
  });
}

bool GetDLLVersion(const std::wstring& path, TFileVersionInfo& version) {
  return GuardRoutine(L"GetDLLVersion", false, [&] {
    if (!FileExists(path)) return false;
    const uint64_t value = GetExtendedFileVersion(path);
    version.MajorVer = static_cast<uint16_t>(value >> 48);
    version.MinorVer = static_cast<uint16_t>(value >> 32);
    version.Release = static_cast<uint16_t>(value >> 16);
    version.Build = static_cast<uint16_t>(value);
    return true;
  });
}

bool MatchDLLVersion(const std::wstring& path, uint16_t major, uint16_t minor, uint16_t release,
                     uint16_t build) {
  TFileVersionInfo version;
  return GetDLLVersion(path, version) && version.MajorVer == major && version.MinorVer == minor &&
         version.Release == release && version.Build == build;
}

bool GetDLLHeaderMachine(const std::wstring& path, uint32_t& machine) {
  machine = 0;
  return GuardRoutine(L"GetDLLHeaderMachine", false, [&] {
    if (!FileExists(path)) return false;
    std::unique_ptr<FILE, FileCloser> file(_wfopen(path.c_str(), L"rb"));
    if (!file) return false;
    unsigned char dos_header[kDosHeaderSize];
    if (!ReadExactly(file.get(), dos_header, sizeof(dos_header)) ||
        ReadU16(dos_header) != kDosSignature) {
      return false;
    }
    const uint32_t new_header_offset = ReadU32(dos_header + kNewHeaderOffsetField);
    if (new_header_offset == 0 ||
        std::fseek(file.get(), static_cast<long>(new_header_offset), SEEK_SET) != 0) {
      return false;
    }
    unsigned char nt_headers[kNtHeadersSize];
    if (!ReadExactly(file.get(), nt_headers, sizeof(nt_headers)) ||
        ReadU32(nt_headers) != kNtSignature) {
      return false;
    }
    machine = ReadU16(nt_headers + 4);
    return true;
  });
}

bool GetStringFileInfo(const std::wstring& path, const std::wstring& key, std::wstring& info) {
  return GuardRoutine(L"GetStringFileInfo", false, [&] {
    const std::vector<unsigned char> data = ReadVersionResource(path);
    if (data.empty()) return false;
    struct Translation {
      WORD language;
      WORD code_page;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation\\",
                        reinterpret_cast<void**>(&translations), &length) ||
        translations == nullptr) {
      length = 0;
    }
    const size_t count = length / sizeof(Translation);
    auto query = [&](WORD language, WORD code_page) {
      const std::wstring sub_block =
          L"\\StringFileInfo\\" + HexText(language, 4) + HexText(code_page, 4) + L"\\" + key;
      wchar_t* text = nullptr;
      UINT text_length = 0;
      if (!VerQueryValueW(data.data(), sub_block.c_str(), reinterpret_cast<void**>(&text),
                          &text_length) ||
          text == nullptr) {
        return false;
      }
      const std::wstring value(TrimText({text, wcsnlen(text, text_length)}));
      if (value.empty()) return false;
      info = value;
      return true;
    };
    for (size_t i = 0; i < count; ++i) {
      if (query(translations[i].language, translations[i].code_page)) return true;
    }
    constexpr WORD kWesternCodePage = 1252;
    return count > 0 && translations[0].code_page != kWesternCodePage &&
           query(translations[0].language, kWesternCodePage);
  });
}

bool RunningUnderWow64() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}
