// One running copy per program folder: a second start brings the running window to the front
// and ends at once, without a window or an engine of its own; a copy in another folder runs.

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/running_program.h"

namespace e2e {
namespace {

class RunningCopy : public RunningProgram {};

TEST_F(RunningCopy, ASecondStartBringsTheRunningWindowToTheFrontAndEnds) {
  Start();
  ShowWindow(window_, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(window_) != FALSE; }, kStartTimeout));
  const size_t processes = ProcessesOf(copy_.exe()).size();

  auto second = Launch();
  EXPECT_EQ(second->WaitForExit(kStartTimeout), 0u);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(window_) && GetForegroundWindow() == window_; },
                        kStartTimeout))
      << "the running window did not come to the front";
  EXPECT_EQ(ProcessesOf(copy_.exe()).size(), processes) << "a second engine started";
  EXPECT_EQ(program_->VisibleWindows().size(), 1u);

  // A copy of the program in another folder is a program of its own.
  ProgramCopy other;
  Process elsewhere(other.exe(), {});
  HWND window = elsewhere.WaitForWindow(kProductCaption, kStartTimeout);
  EXPECT_NE(window, nullptr) << "a copy in another folder did not start";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(elsewhere.WaitForExit(kStartTimeout), 0u);
  CloseStarted();
  Start();
  CloseStarted();
}

}  // namespace
}  // namespace e2e
