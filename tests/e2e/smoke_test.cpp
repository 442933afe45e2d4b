// Placeholder so the end-to-end program builds before the real tests land; replace freely.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(Smoke, ProgramIsInBinDir) {
  const std::wstring exe = std::wstring(OSTREL_BIN_DIR) + L"\\OstrelMini.exe";
  const DWORD attributes = GetFileAttributesW(exe.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << "error " << GetLastError();
  EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}
