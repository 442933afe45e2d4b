#ifndef OSTREL_TESTS_UNIT_LOADED_ENGINE_H_
#define OSTREL_TESTS_UNIT_LOADED_ENGINE_H_

// Test fixture: GlobalCEFApp is an application object of a browser process with the stand-in
// engine library (build/bin/libcef.dll) loaded and its entry points resolved, as the program
// does at start-up; afterwards the program is back to "no engine".

#include <gtest/gtest.h>

#include <memory>

#include "engine/core/cef_api.h"
#include "tests/unit/engine_test_support.h"

class LoadedEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    FApp = std::make_unique<engine_test::RecordingApplication>();
    FApp->SetFrameworkDirPath(engine_test::BinDir().wstring());
    ASSERT_TRUE(FApp->LoadEngineLibrary()) << "stand-in engine in " << engine_test::BinDir();
    ASSERT_TRUE(EngineLibraryLoaded());
  }

  void TearDown() override { FApp.reset(); }

 private:
  std::unique_ptr<engine_test::RecordingApplication> FApp;
};

#endif  // OSTREL_TESTS_UNIT_LOADED_ENGINE_H_
