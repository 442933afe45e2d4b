// The engine log line, the exception decision, helpers that call the engine ("data:" addresses,
// URL parts, task posting), time conversion and window descriptions.

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <tuple>

#include "engine/application/cef_application.h"
#include "engine/callbacks/cef_task_own.h"
#include "engine/core/engine_log.h"
#include "engine/core/exception_policy.h"
#include "engine/support/engine_utilities.h"
#include "engine/support/time_conversion.h"
#include "engine/support/window_info.h"
#include "tests/unit/engine_test_support.h"
#include "tests/unit/loaded_engine.h"

namespace {

using engine_test::RecordingApplication;

// ---- Engine log line ----

TEST(EngineLog, LineNamesProcessThreadAndRole) {
  EXPECT_EQ(EngineLogLine(12, 34, ptBrowser, L"Process started"),
            L"PID: 12, TID: 34, PT: Browser - Process started");
  EXPECT_EQ(EngineLogLine(1, 2, ptRenderer, L"m"), L"PID: 1, TID: 2, PT: Renderer - m");
  EXPECT_EQ(EngineLogLine(1, 2, ptZygote, L"m"), L"PID: 1, TID: 2, PT: Zygote - m");
  EXPECT_EQ(EngineLogLine(1, 2, ptGPU, L"m"), L"PID: 1, TID: 2, PT: GPU - m");
  EXPECT_EQ(EngineLogLine(1, 2, ptUtility, L"m"), L"PID: 1, TID: 2, PT: Other - m");
  EXPECT_EQ(EngineLogLine(1, 2, ptOther, L"m"), L"PID: 1, TID: 2, PT: Other - m");
}

// ---- Exception decision ----

TEST(HandleRoutineException, RaisesAgainOnlyWhenTheApplicationAsksForIt) {
  EXPECT_FALSE(HandleRoutineException(L"Test.NoApplication"));
  RecordingApplication app;
  EXPECT_FALSE(HandleRoutineException(L"Test.Default"));
  EXPECT_EQ(GuardRoutine(L"Test.Guarded", -1, []() -> int { throw std::runtime_error("x"); }), -1);
  app.SetReRaiseExceptions(true);
  EXPECT_TRUE(HandleRoutineException(L"Test.ReRaise"));
  EXPECT_THROW(GuardRoutine(L"Test.Guarded", -1, []() -> int { throw std::runtime_error("x"); }),
               std::runtime_error);
  EXPECT_EQ(GuardRoutine(L"Test.Guarded", -1, [] { return 5; }), 5);
}

// ---- Engine-calling helpers ----

class EngineHelpers : public LoadedEngine {};

TEST_F(EngineHelpers, DataUriOfTextAndOfBytes) {
  EXPECT_EQ(MakeDataUri(L"abc", L"text/html"), L"data:text/html;charset=utf-8;base64,YWJj");
  // Base64's "+", "/" and "=" are escaped by the engine's URI escaping where it must.
  const unsigned char bytes[] = {0xFB, 0xFF};
  EXPECT_EQ(MakeDataUri(bytes, sizeof(bytes), L"image/png", L""),
            L"data:image/png;base64,%2B/8%3D");
  // "é" is two bytes in UTF-8.
  EXPECT_EQ(MakeDataUri(L"\u00e9", L"text/plain"), L"data:text/plain;charset=utf-8;base64,w6k%3D");
  EXPECT_EQ(MakeDataUri(L"", L"text/html"), L"");
}

TEST_F(EngineHelpers, UrlPartsCopiedButTheWholeAddressKept) {
  TUrlParts parts;
  parts.spec = L"as passed";
  ASSERT_TRUE(ParseUrlParts(L"HTTP://user:pw@Example.ORG:8080/a/./b?q=1#top", parts));
  EXPECT_EQ(parts.spec, L"as passed");
  EXPECT_EQ(parts.scheme, L"http");
  EXPECT_EQ(parts.username, L"user");
  EXPECT_EQ(parts.password, L"pw");
  EXPECT_EQ(parts.host, L"example.org");
  EXPECT_EQ(parts.port, L"8080");
  EXPECT_EQ(parts.origin, L"http://example.org:8080/");
  EXPECT_EQ(parts.path, L"/a/b");
  EXPECT_EQ(parts.query, L"q=1");

  TUrlParts untouched;
  untouched.host = L"kept";
  EXPECT_FALSE(ParseUrlParts(L"no scheme here", untouched));
  EXPECT_EQ(untouched.host, L"kept");
}

TEST_F(EngineHelpers, RefusedTaskIsGivenBackToTheProgram) {
  // Before the engine is initialised no engine thread exists: the engine refuses the task and
  // releases the reference it was given.
  const CefRefPtr<ICefTask> task = TCefFastTask::New([] {});
  EXPECT_FALSE(PostEngineTask(TID_UI, task));
  EXPECT_FALSE(PostEngineDelayedTask(TID_UI, task, 10));
  EXPECT_TRUE(task->HasOneReference());
  EXPECT_FALSE(PostEngineTask(TID_UI, nullptr));
}

TEST(EngineHelpersWithoutEngine, DoNothing) {
  TUrlParts parts;
  EXPECT_FALSE(ParseUrlParts(L"http://example.org/", parts));
  EXPECT_EQ(MakeDataUri(L"abc", L"text/html"), L"");
  const CefRefPtr<ICefTask> task = TCefFastTask::New([] {});
  EXPECT_FALSE(PostEngineTask(TID_UI, task));
  EXPECT_TRUE(task->HasOneReference());
}

// ---- Time conversion ----

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0,
                WORD ms = 0) {
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  time.wSecond = second;
  time.wMilliseconds = ms;
  return time;
}

TEST(TimeConversion, DateTimeCountsDaysFrom1899) {
  EXPECT_EQ(SystemTimeToDateTime(Time(1899, 12, 30)), 0.0);
  EXPECT_EQ(SystemTimeToDateTime(Time(1900, 1, 1)), 2.0);
  EXPECT_EQ(SystemTimeToDateTime(Time(2000, 1, 1, 12)), 36526.5);
  EXPECT_EQ(SystemTimeToDateTime(Time(1899, 12, 29, 6)), -1.25);  // the time of day stays positive
  SYSTEMTIME time{};
  ASSERT_TRUE(DateTimeToSystemTime(-1.25, time));
  EXPECT_EQ(time.wDay, 29);
  EXPECT_EQ(time.wHour, 6);
  ASSERT_TRUE(DateTimeToSystemTime(36526.75, time));
  EXPECT_EQ(time.wYear, 2000);
  EXPECT_EQ(time.wDayOfWeek, 6);  // a Saturday
  EXPECT_EQ(time.wHour, 18);
  // Just below midnight rounds up into the next day rather than to hour 24.
  ASSERT_TRUE(DateTimeToSystemTime(1.0 - 1e-10, time));
  EXPECT_EQ(time.wDay, 31);
  EXPECT_EQ(time.wHour, 0);
  EXPECT_FALSE(DateTimeToSystemTime(-200000.0, time));  // before 1601
}

TEST(TimeConversion, EngineTimeRoundTripsThroughLocalTime) {
  const TDateTime value = SystemTimeToDateTime(Time(2021, 7, 4, 13, 45, 30, 250));
  const TCefTime engine_time = DateTimeToCefTime(value);
  EXPECT_EQ(engine_time.year, 2021);
  EXPECT_EQ(engine_time.millisecond, 250);
  EXPECT_DOUBLE_EQ(CefTimeToDateTime(engine_time), value);
  // A zero record means "no time"; wrapped or invalid fields are refused, not converted.
  EXPECT_EQ(CefTimeToDateTime(TCefTime{}), 0.0);
  TCefTime wrapped = engine_time;
  wrapped.year += 65536;
  EXPECT_EQ(CefTimeToDateTime(wrapped), 0.0);
  TCefTime bad_month = engine_time;
  bad_month.month = 13;
  EXPECT_EQ(CefTimeToDateTime(bad_month), 0.0);
}

// ---- Window descriptions and windowless helpers ----

TEST(WindowInfo, ChildPopupAndWindowlessDescriptions) {
  const ustring name = L"browser";
  const HWND parent = reinterpret_cast<HWND>(0x1234);
  TCefWindowInfo info;
  std::memset(&info, 0xAB, sizeof(info));
  ChildWindowInfo(info, parent, RECT{10, 20, 110, 70}, name, 0x200);
  EXPECT_EQ(info.style, 0x56010000u);
  EXPECT_EQ(info.ex_style, 0x200u);
  EXPECT_EQ(std::tie(info.x, info.y, info.width, info.height), std::make_tuple(10, 20, 100, 50));
  EXPECT_EQ(info.parent_window, parent);
  EXPECT_EQ(info.window_name.str, name.c_str());  // points at the caller's text
  EXPECT_EQ(info.window_name.length, name.size());
  EXPECT_EQ(info.menu, nullptr);
  EXPECT_EQ(info.windowless_rendering_enabled + info.shared_texture_enabled +
                info.external_begin_frame_enabled,
            0);
  EXPECT_EQ(info.window, nullptr);

  PopupWindowInfo(info, parent, name);
  EXPECT_EQ(info.style, 0x16CF0000u);
  EXPECT_EQ(info.ex_style, 0u);
  for (int value : {info.x, info.y, info.width, info.height}) {
    EXPECT_EQ(static_cast<uint32_t>(value), 0x80000000u);
  }

  WindowlessWindowInfo(info, parent, name);
  EXPECT_EQ(info.style, 0u);
  EXPECT_EQ(info.x + info.y + info.width + info.height, 0);
  EXPECT_EQ(info.windowless_rendering_enabled, 1);
  EXPECT_EQ(info.parent_window, parent);
}

TEST(WindowlessHelpers, FlagsOperationsAndCoordinates) {
  EXPECT_EQ(DragEventFlags(MK_LBUTTON | MK_SHIFT | MK_CONTROL | MK_MBUTTON | MK_RBUTTON, false,
                           false, false),
            16u + 2 + 4 + 32 + 64);
  EXPECT_EQ(DragEventFlags(0, true, true, true), 8u + 256 + 1);
  EXPECT_EQ(DropEffectToDragOperation(1 | 2 | 4), 1u + 2 + 16);
  EXPECT_EQ(DropEffectToDragOperation(2), 16u);
  EXPECT_EQ(DragOperationToDropEffect(16 | 2), 2u + 4);
  EXPECT_EQ(DragOperationToDropEffect(DropEffectToDragOperation(4)), 4u);
  cef_point_t point{301, -4};
  DeviceToLogical(point, 1.5f);
  EXPECT_EQ(point.x, 200);
  EXPECT_EQ(point.y, -3);  // rounded down
  cef_size_t size{100, 99};
  DeviceToLogical(size, 2.0f);
  EXPECT_EQ(size.width, 50);
  EXPECT_EQ(size.height, 49);
  EXPECT_EQ(DeviceToLogical(7, 0.0f), 7);
}

}  // namespace
