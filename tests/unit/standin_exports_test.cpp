// The stand-in engine's exports and version resource, which the program's loader checks.

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/unit/standin_test_support.h"

namespace {

using standin_test::BinDir;
using standin_test::Engine;

TEST(StandinExports, EveryEntryPointResolves) {
  ASSERT_NE(nullptr, Engine().module) << "stand-in not found in " << BinDir();
  int resolved = 0;
#define STANDIN_TEST_COUNT(group, group_name, name) \
  EXPECT_NE(nullptr, Engine().name) << #name;       \
  resolved += Engine().name ? 1 : 0;
  CEF_ENTRY_POINTS(STANDIN_TEST_COUNT)
#undef STANDIN_TEST_COUNT
  EXPECT_EQ(CEF_ENTRY_POINT_COUNT, resolved);
  EXPECT_NE(nullptr, Engine().live_object_count);
  EXPECT_NE(nullptr, Engine().reset_trace);
}

std::wstring FileVersion(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return L"none";
  std::vector<char> block(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()) ||
      !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length)) {
    return L"none";
  }
  return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." +
         std::to_wstring(LOWORD(info->dwFileVersionMS)) + L"." +
         std::to_wstring(HIWORD(info->dwFileVersionLS)) + L"." +
         std::to_wstring(LOWORD(info->dwFileVersionLS));
}

TEST(StandinExports, VersionResourcesOfTheLibraryAndItsVariants) {
  EXPECT_EQ(L"77.1.18.0", FileVersion(BinDir() + L"\\libcef.dll"));
  const std::wstring variants = BinDir() + L"\\..\\variants\\";
  EXPECT_EQ(L"77.1.18.1", FileVersion(variants + L"version-77.1.18.1\\libcef.dll"));
  EXPECT_EQ(L"77.1.18.0", FileVersion(variants + L"missing-export\\libcef.dll"));
}

TEST(StandinExports, MissingExportVariantLacksOnlyTheZipReader) {
  const std::wstring path = BinDir() + L"\\..\\variants\\missing-export\\libcef.dll";
  // Mapped as data: its code and threads never run in this process.
  HMODULE module = LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(nullptr, module);
  EXPECT_EQ(nullptr, GetProcAddress(module, "cef_zip_reader_create"));
  EXPECT_NE(nullptr, GetProcAddress(module, "cef_xml_reader_create"));
  EXPECT_NE(nullptr, GetProcAddress(module, "cef_initialize"));
  FreeLibrary(module);
}

}  // namespace
