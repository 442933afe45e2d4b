// What the main window's commands carry in their messages and show in the status bar and boxes.

#include "forms/command_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(PackedPoint, XInTheHighWordYInTheLow) {
  EXPECT_EQ(PackPoint(1000, 20), (1000u << 16) | 20u);
  const TPackedPoint point = UnpackPoint(PackPoint(1000, 20));
  EXPECT_EQ(point.x, 1000);
  EXPECT_EQ(point.y, 20);
  // Each half is its own unsigned 16-bit number: neither spills into the other.
  EXPECT_EQ(PackPoint(0x12345, -1), 0x2345FFFFu);
  EXPECT_EQ(UnpackPoint(0x2345FFFFu).x, 0x2345);
  EXPECT_EQ(UnpackPoint(0x2345FFFFu).y, 0xFFFF);
  EXPECT_EQ(UnpackPoint(0).x, 0);
}

TEST(LoadingProgress, WholePerCent) {
  EXPECT_EQ(LoadingProgressText(1.0), L"加载中... 100%");
  EXPECT_EQ(LoadingProgressText(0.5), L"加载中... 50%");
  EXPECT_EQ(LoadingProgressText(0.0), L"加载中... 0%");
  EXPECT_EQ(LoadingProgressText(0.125), L"加载中... 13%");
}

TEST(MemoryInfo, FourLinesInWholeMebibytes) {
  EXPECT_EQ(MemoryInfoText(3 * 1048576 + 1048575, 8ull << 30, (5ull << 20) - 1, 42),
            L"Total memory used by this application : 3 Mb\r\n"
            L"Total system memory : 8192 Mb\r\n"
            L"Available physical memory : 4 Mb\r\n"
            L"Memory load : 42 %");
}

TEST(ResolvedHost, AddressesOrTheErrorCode) {
  const std::vector<std::wstring> two = {L"127.0.0.1", L"::1"};
  EXPECT_EQ(ResolvedHostText(0, two), L"Resolved IPs : 127.0.0.1,::1");
  EXPECT_EQ(ResolvedHostText(-105, {}),
            L"There was a problem resolving the host.\r\nError code : -105");
}

TEST(LastPathPart, AfterTheLastSlash) {
  EXPECT_EQ(LastPathPart(L"/images/logo.png"), L"logo.png");
  EXPECT_EQ(LastPathPart(L"logo.png"), L"logo.png");
  EXPECT_EQ(LastPathPart(L"/images/"), L"");
}

TEST(JoinLines, WithOrWithoutATrailingBreak) {
  const std::vector<std::wstring> lines = {L"a", L"b"};
  EXPECT_EQ(JoinLines(lines, false), L"a\r\nb");
  EXPECT_EQ(JoinLines(lines, true), L"a\r\nb\r\n");
  EXPECT_EQ(JoinLines({}, true), L"");
}

}  // namespace
