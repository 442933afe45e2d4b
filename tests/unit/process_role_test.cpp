// Recognition of the process role from the command-line arguments after the program path.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/application/process_role.h"

namespace {

TCefProcessType Role(const std::vector<std::wstring>& arguments) {
  return ProcessTypeFromArguments(arguments);
}

TEST(ProcessRole, NoArgumentsIsTheBrowserProcess) { EXPECT_EQ(Role({}), ptBrowser); }

TEST(ProcessRole, ArgumentsWithoutTypeAreTheBrowserProcess) {
  EXPECT_EQ(Role({L"/afterupgrade", L"--lang=en-US", L"--typo=renderer", L"-type=renderer"}),
            ptBrowser);
}

TEST(ProcessRole, KnownKinds) {
  EXPECT_EQ(Role({L"--type=renderer"}), ptRenderer);
  EXPECT_EQ(Role({L"--type=zygote"}), ptZygote);
  EXPECT_EQ(Role({L"--type=gpu-process"}), ptGPU);
  EXPECT_EQ(Role({L"--type=utility"}), ptUtility);
}

TEST(ProcessRole, LetterCaseOfPrefixAndValueDoesNotMatter) {
  EXPECT_EQ(Role({L"--TYPE=renderer"}), ptRenderer);
  EXPECT_EQ(Role({L"--Type=Renderer"}), ptRenderer);
  EXPECT_EQ(Role({L"--type=GPU-Process"}), ptGPU);
  EXPECT_EQ(Role({L"--tYpE=UTILITY"}), ptUtility);
}

TEST(ProcessRole, UnknownOrEmptyValueIsOther) {
  EXPECT_EQ(Role({L"--type=crashpad-handler"}), ptOther);
  EXPECT_EQ(Role({L"--type="}), ptOther);
  EXPECT_EQ(Role({L"--type=renderer2"}), ptOther);
  EXPECT_EQ(Role({L"--type= renderer"}), ptOther);
}

TEST(ProcessRole, AnyPositionCounts) {
  EXPECT_EQ(Role({L"--type=renderer", L"--lang=de", L"--enable-features=x"}), ptRenderer);
  EXPECT_EQ(Role({L"--lang=de", L"--type=gpu-process", L"--x"}), ptGPU);
  EXPECT_EQ(Role({L"--lang=de", L"--x", L"--type=utility"}), ptUtility);
}

TEST(ProcessRole, TheTypeNearestToTheEndDecides) {
  EXPECT_EQ(Role({L"--type=renderer", L"--type=gpu-process"}), ptGPU);
  EXPECT_EQ(Role({L"--type=gpu-process", L"--x", L"--type=renderer"}), ptRenderer);
  EXPECT_EQ(Role({L"--type=renderer", L"--type=unknown"}), ptOther);
  EXPECT_EQ(Role({L"--type=", L"--type=zygote"}), ptZygote);
}

TEST(ProcessRole, ShortArgumentsAreNotATypeSwitch) {
  EXPECT_EQ(Role({L"", L"--", L"--type"}), ptBrowser);
}

}  // namespace
