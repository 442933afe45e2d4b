// A start-up failure as the user sees it: one message box naming the missing files. Runs on a
// private copy of build/bin; the engine is never initialised here.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/application/cef_application.h"
#include "tests/unit/engine_test_support.h"

namespace {

using engine_test::EngineFilesCopy;
using engine_test::ErrorBoxWatcher;

TEST(EngineLibraryLoad, FailureShowsOneErrorBox) {
  EngineFilesCopy files;
  files.Remove(L"icudtl.dat");
  ErrorBoxWatcher watcher;
  TCefApplication app(std::vector<std::wstring>{});
  EXPECT_FALSE(app.StartMainProcess());
  const std::vector<std::wstring> boxes = watcher.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], L"CEF binaries missing !\r\n\r\nThe missing files are :\r\nicudtl.dat");
}

}  // namespace
