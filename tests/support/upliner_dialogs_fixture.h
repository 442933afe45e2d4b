#ifndef OSTREL_TESTS_SUPPORT_UPLINER_DIALOGS_FIXTURE_H_
#define OSTREL_TESTS_SUPPORT_UPLINER_DIALOGS_FIXTURE_H_

// The upgrade dialogs' tests: a controller that talks through them, in a program titled
// "OstrelMini".

#include "tests/support/ui_test_support.h"
#include "ui/application.h"
#include "upgrade/controller/ul_upliner.h"
#include "upgrade/dialogs/ul_upliner_dialogs.h"

namespace ui_test {

class UplinerDialogsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Application().SetTitle(L"OstrelMini");
    upliner.UI = &dialogs;
  }
  void TearDown() override {
    Application().SetTitle(L"");  // the program file's name again
    UiTest::TearDown();
  }
  TulUpliner upliner;
  TulUplinerDialogs dialogs;
};

}  // namespace ui_test

#endif  // OSTREL_TESTS_SUPPORT_UPLINER_DIALOGS_FIXTURE_H_
