// Reference rules of the browser-side reference wrappers (browser, host, frame, menu, task
// runner, ...), against fake engine structures that count their references.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/callbacks/cef_task_own.h"
#include "engine/core/cef_api.h"
#include "engine/refs/cef_browser_host_ref.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_context_menu_params_ref.h"
#include "engine/refs/cef_drag_data_ref.h"
#include "engine/refs/cef_file_dialog_callback_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_image_ref.h"
#include "engine/refs/cef_jsdialog_callback_ref.h"
#include "engine/refs/cef_menu_model_ref.h"
#include "engine/refs/cef_navigation_entry_ref.h"
#include "engine/refs/cef_process_message_ref.h"
#include "engine/refs/cef_run_context_menu_callback_ref.h"
#include "engine/refs/cef_scheme_registrar_ref.h"
#include "engine/refs/cef_task_runner_ref.h"
#include "engine/refs/cef_web_plugin_info_ref.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/loaded_engine.h"

namespace {

template <class S>
using Fake = FakeEngineObject<S>;

template <class S>
Fake<S>& FakeOf(S* data) {
  return *Fake<S>::From(reinterpret_cast<cef_base_ref_counted_t*>(data));
}

// What a fake getter returns, with the reference the engine adds to every object it hands out.
template <class S>
S* HandOut(Fake<S>* object) {
  if (object == nullptr) return nullptr;
  Fake<S>::AddRef(object->Base());
  return object->Get();
}

// The fakes' functions are plain C functions: what they hand out and what they saw lives here.
Fake<cef_frame_t>* g_frame = nullptr;
Fake<cef_browser_host_t>* g_host = nullptr;
int g_refs_seen = 0;  // the count of an object argument while the engine function ran
cef_task_t* g_kept_task = nullptr;

cef_frame_t* CEF_CALLBACK MainFrame(cef_browser_t*) { return HandOut(g_frame); }
cef_browser_host_t* CEF_CALLBACK Host(cef_browser_t*) { return HandOut(g_host); }

// Like the engine: compares, then releases the reference that came with the argument.
int CEF_CALLBACK BrowserIsSame(cef_browser_t* self, cef_browser_t* that) {
  g_refs_seen = FakeOf(that).refs;
  const int same = self == that ? 1 : 0;
  Fake<cef_browser_t>::Release(&that->base);
  return same;
}

// Keeps the task (and the reference that came with it), as a queue would.
int CEF_CALLBACK KeepTask(cef_task_runner_t*, cef_task_t* task) {
  g_refs_seen = ObjectFromEngineData(task)->RefCount();
  g_kept_task = task;
  return 1;
}

class BrowserRefs : public ::testing::Test {
 protected:
  void TearDown() override {
    g_frame = nullptr;
    g_host = nullptr;
    g_refs_seen = 0;
    g_kept_task = nullptr;
  }
};

TEST(BrowserRefsUnWrap, NullGivesNull) {
  EXPECT_TRUE(TCefBrowserRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefBrowserHostRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefFrameRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefNavigationEntryRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefImageRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefMenuModelRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefContextMenuParamsRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefDragDataRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefProcessMessageRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefTaskRunnerRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefWebPluginInfoRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefRunContextMenuCallbackRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefJsDialogCallbackRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefFileDialogCallbackRef::UnWrap(nullptr) == nullptr);
}

TEST(BrowserRefsUnWrap, CreatorsGiveNullWithoutTheLibrary) {
  ASSERT_FALSE(EngineLibraryLoaded());
  EXPECT_TRUE(TCefImageRef::New() == nullptr);
  EXPECT_TRUE(TCefDragDataRef::New() == nullptr);
  EXPECT_TRUE(TCefMenuModelRef::New(nullptr) == nullptr);
  EXPECT_TRUE(TCefProcessMessageRef::New(L"message") == nullptr);
  EXPECT_TRUE(TCefTaskRunnerRef::GetForThread(TID_UI) == nullptr);
  EXPECT_TRUE(TCefTaskRunnerRef::GetForCurrentThread() == nullptr);
}

TEST_F(BrowserRefs, GetterResultIsReleasedOnceWithItsLastWrapper) {
  Fake<cef_browser_t> browser;
  Fake<cef_frame_t> frame;
  g_frame = &frame;
  browser.data.get_main_frame = MainFrame;
  {
    CefRefPtr<ICefBrowser> wrapper = TCefBrowserRef::UnWrap(browser.Get());
    CefRefPtr<ICefFrame> main = wrapper->GetMainFrame();
    ASSERT_TRUE(main);
    EXPECT_EQ(frame.refs, 2);
    CefRefPtr<ICefFrame> copy = main;  // program references share the one engine reference
    main.reset();
    EXPECT_EQ(frame.refs, 2);
    EXPECT_EQ(frame.add_ref_calls, 1);
  }
  EXPECT_EQ(frame.refs, 1);
  EXPECT_EQ(frame.release_calls, 1);
  // The browser wrapper took over the reference its pointer came with, and gave it back.
  EXPECT_EQ(browser.refs, 0);
  EXPECT_EQ(browser.release_calls, 1);
  EXPECT_EQ(browser.add_ref_calls, 0);
}

TEST_F(BrowserRefs, AbsentGetterGivesNullAndTouchesNothing) {
  Fake<cef_browser_t> browser;
  Fake<cef_browser_host_t> host;
  g_host = &host;
  browser.data.get_host = Host;
  CefRefPtr<ICefBrowser> wrapper = TCefBrowserRef::UnWrap(browser.Get());
  EXPECT_TRUE(wrapper->GetFocusedFrame() == nullptr);
  EXPECT_TRUE(wrapper->GetFrame(L"side") == nullptr);
  EXPECT_EQ(wrapper->GetIdentifier(), 0);
  EXPECT_FALSE(wrapper->CanGoBack());
  wrapper->GoBack();

  CefRefPtr<ICefBrowserHost> wrapped_host = wrapper->GetHost();
  ASSERT_TRUE(wrapped_host);
  EXPECT_TRUE(wrapped_host->GetBrowser() == nullptr);
  EXPECT_TRUE(wrapped_host->GetWindowHandle() == nullptr);
  EXPECT_EQ(wrapped_host->GetZoomLevel(), 0.0);
  wrapped_host.reset();
  EXPECT_EQ(host.refs, 1);
  EXPECT_EQ(browser.refs, 1);
}

TEST_F(BrowserRefs, ObjectArgumentIsHandedOverWithOneReference) {
  Fake<cef_browser_t> first;
  Fake<cef_browser_t> second;
  first.data.is_same = BrowserIsSame;
  CefRefPtr<ICefBrowser> a = TCefBrowserRef::UnWrap(first.Get());
  CefRefPtr<ICefBrowser> a_again = TCefBrowserRef::UnWrap(HandOut(&first));
  CefRefPtr<ICefBrowser> b = TCefBrowserRef::UnWrap(second.Get());
  ASSERT_EQ(first.refs, 2);

  EXPECT_TRUE(a->IsSame(a_again));
  EXPECT_EQ(g_refs_seen, 3);  // the engine's own reference on top of the two wrappers'
  EXPECT_EQ(first.refs, 2);   // ... which it gave back
  EXPECT_FALSE(a->IsSame(b));
  EXPECT_EQ(g_refs_seen, 2);
  EXPECT_EQ(second.refs, 1);

  EXPECT_TRUE(a->SameAs(a_again.get()));
  EXPECT_FALSE(a->SameAs(b.get()));
  EXPECT_EQ(first.refs, 2);
  EXPECT_EQ(second.refs, 1);
}

TEST_F(BrowserRefs, AbsentFunctionGivesBackTheArgumentsReference) {
  Fake<cef_browser_t> first;
  Fake<cef_browser_t> second;
  CefRefPtr<ICefBrowser> a = TCefBrowserRef::UnWrap(first.Get());
  CefRefPtr<ICefBrowser> b = TCefBrowserRef::UnWrap(second.Get());
  EXPECT_FALSE(a->IsSame(b));
  EXPECT_EQ(second.refs, 1);
  EXPECT_EQ(second.add_ref_calls, 1);
  EXPECT_EQ(second.release_calls, 1);

  Fake<cef_task_runner_t> runner;
  CefRefPtr<ICefTaskRunner> wrapper = TCefTaskRunnerRef::UnWrap(runner.Get());
  int runs = 0;
  CefRefPtr<ICefTask> task = TCefFastTask::New([&runs] { ++runs; });
  EXPECT_FALSE(wrapper->PostTask(task));
  EXPECT_FALSE(wrapper->PostDelayedTask(task, 10));
  EXPECT_EQ(task->RefCount(), 1);
  EXPECT_EQ(runs, 0);
}

TEST_F(BrowserRefs, PostedTaskLivesOnTheEnginesReference) {
  Fake<cef_task_runner_t> runner;
  runner.data.post_task = KeepTask;
  CefRefPtr<ICefTaskRunner> wrapper = TCefTaskRunnerRef::UnWrap(runner.Get());
  int runs = 0;
  EXPECT_TRUE(wrapper->PostTask(TCefFastTask::New([&runs] { ++runs; })));
  EXPECT_EQ(g_refs_seen, 2);  // the caller's temporary and the engine's
  ASSERT_NE(g_kept_task, nullptr);
  // The program's reference is gone; the engine's keeps the task until it has run.
  EXPECT_TRUE(g_kept_task->base.has_one_ref(&g_kept_task->base));
  g_kept_task->execute(g_kept_task);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(g_kept_task->base.release(&g_kept_task->base), 0);
}

// ---- frame identifiers ----

size_t g_engine_frame_count = 0;  // how many identifiers the fake engine knows

void CEF_CALLBACK FrameIdentifiers(cef_browser_t*, size_t* count, int64* identifiers) {
  const size_t written = std::min(*count, g_engine_frame_count);
  for (size_t i = 0; i < written; ++i) identifiers[i] = 100 + static_cast<int64>(i);
  *count = g_engine_frame_count;  // a careless engine reports all it knows
}

TEST_F(BrowserRefs, FrameIdentifiersKeepOnlyWhatTheEngineFilled) {
  Fake<cef_browser_t> browser;
  browser.data.get_frame_identifiers = FrameIdentifiers;
  CefRefPtr<ICefBrowser> wrapper = TCefBrowserRef::UnWrap(browser.Get());
  std::vector<int64_t> identifiers = {7};

  size_t count = 0;
  EXPECT_FALSE(wrapper->GetFrameIdentifiers(count, identifiers));
  EXPECT_EQ(identifiers, std::vector<int64_t>{7});

  g_engine_frame_count = 2;
  count = 5;
  ASSERT_TRUE(wrapper->GetFrameIdentifiers(count, identifiers));
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(identifiers, (std::vector<int64_t>{100, 101}));

  g_engine_frame_count = 4;
  count = 3;
  ASSERT_TRUE(wrapper->GetFrameIdentifiers(count, identifiers));
  EXPECT_EQ(count, 3u);
  EXPECT_EQ(identifiers, (std::vector<int64_t>{100, 101, 102}));
}

// ---- scoped registrar ----

struct FakeRegistrar {
  cef_scheme_registrar_t data{};
  std::wstring name;
  int options = -1;

  static int CEF_CALLBACK Add(cef_scheme_registrar_t* self, const cef_string_t* name, int options) {
    auto* registrar = reinterpret_cast<FakeRegistrar*>(self);
    registrar->name.assign(name->str, name->length);
    registrar->options = options;
    return 1;
  }
};

TEST(BrowserRefsRegistrar, AddsTheSchemeThroughTheUncountedStructure) {
  FakeRegistrar fake;
  TCefSchemeRegistrarRef registrar(&fake.data);
  EXPECT_FALSE(registrar.AddCustomScheme(L"ostrel", 3));  // no function: refused, no crash
  fake.data.add_custom_scheme = FakeRegistrar::Add;
  EXPECT_TRUE(registrar.AddCustomScheme(L"ostrel", 3));
  EXPECT_EQ(fake.name, L"ostrel");
  EXPECT_EQ(fake.options, 3);
}

// ---- string results (need the engine's string functions) ----

cef_string_userfree_utf16_free_func g_real_free = nullptr;
int g_frees = 0;

void CountingFree(cef_string_userfree_utf16_t record) {
  ++g_frees;
  g_real_free(record);
}

cef_string_userfree_t UserFree(const std::wstring& text) {
  cef_string_userfree_t record = cef_string_userfree_utf16_alloc();
  cef_string_utf16_set(text.c_str(), text.size(), record, 1);
  return record;
}

cef_string_userfree_t CEF_CALLBACK FrameUrl(cef_frame_t*) { return UserFree(L"https://a.test/"); }
cef_string_userfree_t CEF_CALLBACK NoName(cef_frame_t*) { return nullptr; }
cef_string_userfree_t CEF_CALLBACK Label(cef_menu_model_t*, int command_id) {
  return UserFree(L"item " + std::to_wstring(command_id));
}

class BrowserRefsStrings : public LoadedEngine {
 protected:
  void SetUp() override {
    LoadedEngine::SetUp();
    g_real_free = cef_string_userfree_utf16_free;
    cef_string_userfree_utf16_free = CountingFree;
    g_frees = 0;
  }
  void TearDown() override {
    cef_string_userfree_utf16_free = g_real_free;
    LoadedEngine::TearDown();
  }
};

TEST_F(BrowserRefsStrings, StringResultIsCopiedAndFreedOnce) {
  Fake<cef_frame_t> frame;
  frame.data.get_url = FrameUrl;
  frame.data.get_name = NoName;
  CefRefPtr<ICefFrame> wrapper = TCefFrameRef::UnWrap(frame.Get());
  EXPECT_EQ(wrapper->GetUrl(), L"https://a.test/");
  EXPECT_EQ(g_frees, 1);
  EXPECT_EQ(wrapper->GetName(), L"");  // null: nothing to free
  EXPECT_EQ(g_frees, 1);

  Fake<cef_menu_model_t> menu;
  menu.data.get_label = Label;
  CefRefPtr<ICefMenuModel> model = TCefMenuModelRef::UnWrap(menu.Get());
  EXPECT_EQ(model->GetLabel(26501), L"item 26501");
  EXPECT_EQ(model->GetLabelAt(0), L"");  // absent function
  EXPECT_EQ(g_frees, 2);
}

}  // namespace
