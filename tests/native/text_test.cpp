// Base64, command lines reduced to their program, addresses, percentages.

#include <gtest/gtest.h>

#include <string>

#include "upgrade/support/ul_text.h"

namespace {

TEST(EncodeBase64, PadsTheLastGroup) {
  EXPECT_EQ(EncodeBase64("abc"), "YWJj");
  EXPECT_EQ(EncodeBase64("ab"), "YWI=");
  EXPECT_EQ(EncodeBase64("a"), "YQ==");
  EXPECT_EQ(EncodeBase64(""), "");
  EXPECT_EQ(EncodeBase64(std::string("\xff\xfe\x00", 3)), "//4A");
}

TEST(EncodeBase64, BreaksTheLineAfterEvery80Characters) {
  const std::string line(80, 'A');  // 20 groups of three zero bytes
  EXPECT_EQ(EncodeBase64(std::string(60, '\0')), line + "\r\n");
  EXPECT_EQ(EncodeBase64(std::string(120, '\0')), line + "\r\n" + line + "\r\n");
  EXPECT_EQ(EncodeBase64(std::string(61, '\0')), line + "\r\nAA==");
  EXPECT_EQ(EncodeBase64(std::string(59, '\0')), std::string(76, 'A') + "AAA=");
}

TulCommandLine Split(std::wstring_view text) { return SplitCommandLine(text); }

TEST(SplitCommandLine, TakesTheQuotedProgram) {
  TulCommandLine line = Split(LR"("C:\Program Files\App\app.exe" "%1")");
  EXPECT_EQ(line.Program, LR"(C:\Program Files\App\app.exe)");
  EXPECT_EQ(line.Parameters, L"%1");
  line = Split(LR"(  "C:\Program Files\App\app.exe"  )");
  EXPECT_EQ(line.Program, LR"(C:\Program Files\App\app.exe)");
  EXPECT_EQ(line.Parameters, L"");
  // Quotes that do not open the line hold a parameter.
  line = Split(LR"(C:\Windows\notepad.exe "%1")");
  EXPECT_EQ(line.Program, LR"(C:\Windows\notepad.exe)");
  EXPECT_EQ(line.Parameters, L"%1");
}

TEST(SplitCommandLine, SplitsAnUnquotedLineAtItsFirstParameter) {
  EXPECT_EQ(Split(LR"(C:\Tools\app.exe -nohome %1)").Program, LR"(C:\Tools\app.exe)");
  EXPECT_EQ(Split(LR"(C:\Tools\app.exe -nohome %1)").Parameters, L"-nohome %1");
  EXPECT_EQ(Split(LR"(C:\Program Files\App\app.exe /s)").Program,
            LR"(C:\Program Files\App\app.exe)");
  EXPECT_EQ(Split(LR"(C:\Program Files\App\app.exe /s)").Parameters, L"/s");
  EXPECT_EQ(Split(LR"(C:\Windows\notepad.exe %1)").Program, LR"(C:\Windows\notepad.exe)");
  EXPECT_EQ(Split(LR"(C:\Windows\notepad.exe)").Program, LR"(C:\Windows\notepad.exe)");
  EXPECT_EQ(Split(LR"(C:\Windows\notepad.exe)").Parameters, L"");
  EXPECT_EQ(Split(L"").Program, L"");
  EXPECT_EQ(Split(L"   ").Program, L"");
  // A separator in front of everything splits nothing off: the line is not given twice.
  EXPECT_EQ(Split(L",x").Program, L",x");
  EXPECT_EQ(Split(L",x").Parameters, L"");
}

TEST(SplitCommandLine, KeepsASeparatorThatBelongsToThePath) {
  // Splitting at " -" would leave "C:\My" without the extension the whole line has.
  TulCommandLine line = Split(LR"(C:\My -Files\app.exe)");
  EXPECT_EQ(line.Program, LR"(C:\My -Files\app.exe)");
  EXPECT_EQ(line.Parameters, L"");
  line = Split(LR"(C:\My -Files\app.exe /x)");
  EXPECT_EQ(line.Program, LR"(C:\My -Files\app.exe)");
  EXPECT_EQ(line.Parameters, L"/x");
}

TEST(SplitCommandLine, ARundllHostLineGivesTheLibraryItRuns) {
  TulCommandLine line = Split(
      LR"(%SystemRoot%\System32\rundll32.exe "%ProgramFiles%\Photo Viewer\PhotoViewer.dll", ImageView_Fullscreen %1)");
  EXPECT_EQ(line.Program, LR"(%ProgramFiles%\Photo Viewer\PhotoViewer.dll)");
  EXPECT_EQ(line.Parameters, L"ImageView_Fullscreen %1");
  line = Split(
      LR"(C:\Windows\system32\RUNDLL32.EXE C:\Windows\system32\shimgvw.dll,ImageView_Fullscreen %1)");
  EXPECT_EQ(line.Program, LR"(C:\Windows\system32\shimgvw.dll)");
  EXPECT_EQ(line.Parameters, L"ImageView_Fullscreen %1");
  line = Split(L"rundll32.exe shell32.dll,OpenAs_RunDLL %1");
  EXPECT_EQ(line.Program, L"shell32.dll");
  EXPECT_EQ(line.Parameters, L"OpenAs_RunDLL %1");
  // A program that merely has the word in its name is no host.
  line = Split(LR"(C:\Tools\MyRundllHelper.exe /open %1)");
  EXPECT_EQ(line.Program, LR"(C:\Tools\MyRundllHelper.exe)");
  EXPECT_EQ(line.Parameters, L"/open %1");
}

TEST(AddressWithScheme, AddsHttpOnlyWhereNoSchemeIs) {
  EXPECT_EQ(AddressWithScheme(L"host/path/file.exe"), L"http://host/path/file.exe");
  EXPECT_EQ(AddressWithScheme(L"https://host/"), L"https://host/");
  EXPECT_EQ(AddressWithScheme(L"file:///C:/x"), L"file:///C:/x");
}

TEST(Percentage, RoundsAndStaysInRange) {
  EXPECT_EQ(Percentage(0, 5), 0);
  EXPECT_EQ(Percentage(200, 1), 1);  // 0.5 rounds up
  EXPECT_EQ(Percentage(3, 1), 33);
  EXPECT_EQ(Percentage(3, 2), 67);
  EXPECT_EQ(Percentage(10, 10), 100);
  EXPECT_EQ(Percentage(10, 30), 100);
  EXPECT_EQ(Percentage(10, -3), 0);
  EXPECT_EQ(Percentage(int64_t{1} << 40, int64_t{1} << 39), 50);
}

}  // namespace
