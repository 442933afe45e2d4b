// The engine's completion callbacks, visitors and tasks as program objects: driven through
// their engine structures the way the engine calls them (fake engine objects for the
// arguments), and tasks posted to the stand-in engine's threads.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/callbacks/cef_completion_callback_own.h"
#include "engine/callbacks/cef_cookie_callbacks_own.h"
#include "engine/callbacks/cef_download_image_callback_own.h"
#include "engine/callbacks/cef_navigation_entry_visitor_own.h"
#include "engine/callbacks/cef_pdf_print_callback_own.h"
#include "engine/callbacks/cef_register_cdm_callback_own.h"
#include "engine/callbacks/cef_resolve_callback_own.h"
#include "engine/callbacks/cef_run_file_dialog_callback_own.h"
#include "engine/callbacks/cef_string_visitor_own.h"
#include "engine/callbacks/cef_task_own.h"
#include "engine/core/cef_api.h"
#include "engine/refs/cef_image_ref.h"
#include "engine/refs/cef_navigation_entry_ref.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/loaded_engine.h"

namespace {

bool WaitUntil(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// ---- Structures ----

// `object`'s structure, handed to the engine as its only reference.
template <class S, class F, class T>
void ExpectStructure(CefRefPtr<T> object, F S::*function) {
  S* data = Give<S>(object);
  object.reset();
  EXPECT_EQ(data->base.size, 48u);
  EXPECT_NE(data->*function, nullptr);
  EXPECT_EQ(Drop(data), 0);  // the object goes with it
}

TEST(CallbackOwns, EveryStructureHasItsSizeAndItsOneFunction) {
  ExpectStructure(TCefFastTask::New([] {}), &cef_task_t::execute);
  ExpectStructure(MakeRefCounted<TCefFastCompletionCallback>(nullptr),
                  &cef_completion_callback_t::on_complete);
  ExpectStructure(MakeRefCounted<TCefFastStringVisitor>(nullptr), &cef_string_visitor_t::visit);
  ExpectStructure(MakeRefCounted<TCefFastPdfPrintCallback>(nullptr),
                  &cef_pdf_print_callback_t::on_pdf_print_finished);
  ExpectStructure(MakeRefCounted<TCefFastNavigationEntryVisitor>(nullptr),
                  &cef_navigation_entry_visitor_t::visit);
  ExpectStructure(MakeRefCounted<TCefFastDeleteCookiesCallback>(nullptr),
                  &cef_delete_cookies_callback_t::on_complete);
  ExpectStructure(MakeRefCounted<TCefFastSetCookieCallback>(nullptr),
                  &cef_set_cookie_callback_t::on_complete);
  ExpectStructure(MakeRefCounted<TCefFastCookieVisitor>(nullptr), &cef_cookie_visitor_t::visit);
  ExpectStructure(MakeRefCounted<TCefFastRegisterCDMCallback>(nullptr),
                  &cef_register_cdm_callback_t::on_cdm_registration_complete);
  ExpectStructure(MakeRefCounted<TCefFastRunFileDialogCallback>(nullptr),
                  &cef_run_file_dialog_callback_t::on_file_dialog_dismissed);
}

// ---- One-shot callbacks ----

TEST(CallbackOwns, CompletionCalledTwiceByTheEngineReachesTheClosureOnce) {
  int calls = 0;
  auto* data = Give<cef_completion_callback_t>(
      MakeRefCounted<TCefFastCompletionCallback>([&calls] { ++calls; }));
  data->on_complete(data);
  data->on_complete(data);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(Drop(data), 0);
}

TEST(CallbackOwns, PdfPathAndFlagArrive) {
  std::vector<std::pair<std::wstring, bool>> results;
  auto* data = Give<cef_pdf_print_callback_t>(MakeRefCounted<TCefFastPdfPrintCallback>(
      [&](const ustring& path, bool ok) { results.emplace_back(path, ok); }));
  const std::wstring path = L"C:\\out\\page \u00e9.pdf";
  const cef_string_t record = BorrowEngineString(path);
  data->on_pdf_print_finished(data, &record, 2);
  EXPECT_EQ(results, (std::vector<std::pair<std::wstring, bool>>{{path, true}}));
  EXPECT_EQ(Drop(data), 0);

  results.clear();
  data = Give<cef_pdf_print_callback_t>(MakeRefCounted<TCefFastPdfPrintCallback>(
      [&](const ustring& p, bool ok) { results.emplace_back(p, ok); }));
  data->on_pdf_print_finished(data, nullptr, 0);
  EXPECT_EQ(results, (std::vector<std::pair<std::wstring, bool>>{{L"", false}}));
  EXPECT_EQ(Drop(data), 0);
}

TEST(CallbackOwns, CookieCallbacksConvertTheirResults) {
  std::vector<int> deleted;
  auto* del = Give<cef_delete_cookies_callback_t>(
      MakeRefCounted<TCefFastDeleteCookiesCallback>([&](int n) { deleted.push_back(n); }));
  del->on_complete(del, 7);
  EXPECT_EQ(deleted, std::vector<int>{7});
  EXPECT_EQ(Drop(del), 0);

  std::vector<bool> set;
  auto* setter = Give<cef_set_cookie_callback_t>(
      MakeRefCounted<TCefFastSetCookieCallback>([&](bool ok) { set.push_back(ok); }));
  setter->on_complete(setter, 0);
  EXPECT_EQ(set, std::vector<bool>{false});
  EXPECT_EQ(Drop(setter), 0);
}

TEST(CallbackOwns, CdmRegistrationResultArrives) {
  cef_cdm_registration_error_t result = CEF_CDM_REGISTRATION_ERROR_NONE;
  std::wstring message;
  auto* data = Give<cef_register_cdm_callback_t>(MakeRefCounted<TCefFastRegisterCDMCallback>(
      [&](cef_cdm_registration_error_t r, const ustring& m) { result = r, message = m; }));
  const std::wstring text = L"bad manifest";
  const cef_string_t record = BorrowEngineString(text);
  data->on_cdm_registration_complete(data, CEF_CDM_REGISTRATION_ERROR_INCORRECT_CONTENTS, &record);
  EXPECT_EQ(result, CEF_CDM_REGISTRATION_ERROR_INCORRECT_CONTENTS);
  EXPECT_EQ(message, text);
  EXPECT_EQ(Drop(data), 0);
}

// ---- Visitors and engine-object arguments ----

TEST(CallbackOwns, StringVisitorGetsTheWholeString) {
  std::vector<std::wstring> texts;
  auto* data = Give<cef_string_visitor_t>(
      MakeRefCounted<TCefFastStringVisitor>([&](const ustring& s) { texts.push_back(s); }));
  const std::wstring text(L"<html>\0</html>", 14);  // an embedded NUL must not cut it
  const cef_string_t record = BorrowEngineString(text);
  data->visit(data, &record);
  data->visit(data, nullptr);
  EXPECT_EQ(texts, (std::vector<std::wstring>{text, L""}));
  EXPECT_EQ(Drop(data), 0);
}

TEST(CallbackOwns, NavigationVisitorGetsTheEntryAndDecidesTheWalk) {
  FakeEngineObject<cef_navigation_entry_t> entry;
  std::vector<std::string> visits;
  auto* data = Give<cef_navigation_entry_visitor_t>(MakeRefCounted<TCefFastNavigationEntryVisitor>(
      [&](const CefRefPtr<ICefNavigationEntry>& e, bool current, int index, int total) {
        EXPECT_TRUE(e && e->SameAs(entry.Get()));
        EXPECT_EQ(entry.refs.load(), 1);  // held by the wrapper only
        visits.push_back(std::to_string(current) + ":" + std::to_string(index) + "/" +
                         std::to_string(total));
        return index < total - 1;
      }));
  EXPECT_EQ(data->visit(data, entry.Get(), 1, 0, 2), 1);
  EXPECT_EQ(entry.refs.load(), 0);  // released once when the callback returned
  entry.refs = 1;
  EXPECT_EQ(data->visit(data, entry.Get(), 0, 1, 2), 0);
  EXPECT_EQ(entry.refs.load(), 0);
  EXPECT_EQ(entry.release_calls.load(), 2);
  EXPECT_EQ(visits, (std::vector<std::string>{"1:0/2", "0:1/2"}));
  EXPECT_EQ(Drop(data), 0);
}

TEST(CallbackOwns, DownloadedImageArrivesWrappedAndIsReleasedOnce) {
  class Recorder final : public TCefDownloadImageCallbackOwn {
   public:
    void OnDownloadImageFinished(const ustring& url, int status,
                                 const CefRefPtr<ICefImage>& image) override {
      calls.push_back(url + L" " + std::to_wstring(status) + (image ? L" image" : L" none"));
      if (image) sameAsFake = image->SameAs(fake);
    }
    std::vector<std::wstring> calls;
    void* fake = nullptr;
    bool sameAsFake = false;
  };
  FakeEngineObject<cef_image_t> image;
  const CefRefPtr<Recorder> recorder = MakeRefCounted<Recorder>();
  recorder->fake = image.Get();
  auto* data = Give<cef_download_image_callback_t>(recorder);
  const std::wstring url = L"http://127.0.0.1/favicon.ico";
  const cef_string_t record = BorrowEngineString(url);
  data->on_download_image_finished(data, &record, 200, image.Get());
  data->on_download_image_finished(data, &record, 404, nullptr);
  EXPECT_EQ(recorder->calls, (std::vector<std::wstring>{url + L" 200 image", url + L" 404 none"}));
  EXPECT_TRUE(recorder->sameAsFake);
  EXPECT_EQ(image.refs.load(), 0);
  EXPECT_EQ(image.release_calls.load(), 1);
  EXPECT_EQ(Drop(data), 1);  // the test's own reference is left
}

TEST(CallbackOwns, StructureOfAnotherClassGetsTheNeutralResultAndArgumentsAreReleased) {
  bool called = false;
  auto* visitor = Give<cef_navigation_entry_visitor_t>(
      MakeRefCounted<TCefFastNavigationEntryVisitor>([&](auto&&...) { return called = true; }));
  auto* other = Give<cef_string_visitor_t>(MakeRefCounted<TCefFastStringVisitor>(nullptr));
  FakeEngineObject<cef_navigation_entry_t> entry;
  auto* misplaced = reinterpret_cast<cef_navigation_entry_visitor_t*>(other);
  EXPECT_EQ(visitor->visit(misplaced, entry.Get(), 1, 0, 1), 0);
  EXPECT_FALSE(called);
  EXPECT_EQ(entry.refs.load(), 0);
  EXPECT_EQ(Drop(other), 0);
  EXPECT_EQ(Drop(visitor), 0);
}

TEST(CallbackOwns, CookieVisitorGetsTheRecordAndSetsTheDeleteFlag) {
  TCefCookie sent;
  sent.name = L"sid";
  sent.value = L"a=b; c";
  sent.domain = L".example.org";
  sent.path = L"/";
  sent.httponly = true;
  sent.creation = {2019, 9, 2, 17, 10, 20, 30, 400};
  sent.has_expires = true;
  sent.expires = {2030, 1, 2, 1, 0, 0, 0, 0};
  const cef_cookie_t record = BorrowEngineCookie(sent);

  std::vector<TCefCookie> seen;
  auto* data = Give<cef_cookie_visitor_t>(MakeRefCounted<TCefFastCookieVisitor>(
      [&](const TCefCookie& cookie, int count, int total, bool& deleteCookie) {
        seen.push_back(cookie);
        deleteCookie = count == 0;
        return count + 1 < total;
      }));
  int deleteFlag = 0;
  EXPECT_EQ(data->visit(data, &record, 0, 2, &deleteFlag), 1);
  EXPECT_EQ(deleteFlag, 1);
  EXPECT_EQ(data->visit(data, &record, 1, 2, &deleteFlag), 0);
  EXPECT_EQ(deleteFlag, 0);
  EXPECT_EQ(data->visit(data, nullptr, 1, 2, &deleteFlag), 0);  // nothing to visit
  ASSERT_EQ(seen.size(), 2u);
  const TCefCookie& got = seen[0];
  EXPECT_EQ(got.name, sent.name);
  EXPECT_EQ(got.value, sent.value);
  EXPECT_EQ(got.domain, sent.domain);
  EXPECT_EQ(got.path, sent.path);
  EXPECT_FALSE(got.secure);
  EXPECT_TRUE(got.httponly);
  EXPECT_EQ(got.creation.year, 2019);
  EXPECT_EQ(got.creation.millisecond, 400);
  EXPECT_EQ(got.last_access.year, 0);
  EXPECT_TRUE(got.has_expires);
  EXPECT_EQ(got.expires.year, 2030);
  EXPECT_EQ(Drop(data), 0);
}

// ---- String lists from the engine (need the engine's list functions) ----

class CallbackOwnsWithEngine : public LoadedEngine {
 protected:
  cef_string_list_t List(const std::vector<std::wstring>& items) {
    cef_string_list_t list = cef_string_list_alloc();
    for (const std::wstring& item : items) {
      const cef_string_t record = BorrowEngineString(item);
      cef_string_list_append(list, &record);
    }
    return list;
  }
};

TEST_F(CallbackOwnsWithEngine, ResolvedAddressesArriveAndTheEnginesListIsLeftAlone) {
  class Recorder final : public TCefResolveCallbackOwn {
   public:
    void OnResolveCompleted(cef_errorcode_t r, const std::vector<ustring>& ips) override {
      result = r;
      addresses = ips;
    }
    cef_errorcode_t result = ERR_FAILED;
    std::vector<ustring> addresses;
  };
  const CefRefPtr<Recorder> recorder = MakeRefCounted<Recorder>();
  auto* data = Give<cef_resolve_callback_t>(recorder);
  cef_string_list_t list = List({L"127.0.0.1", L"::1"});
  data->on_resolve_completed(data, ERR_NONE, list);
  EXPECT_EQ(recorder->result, ERR_NONE);
  EXPECT_EQ(recorder->addresses, (std::vector<std::wstring>{L"127.0.0.1", L"::1"}));
  EXPECT_EQ(cef_string_list_size(list), 2u);  // the engine frees its own list
  cef_string_list_free(list);

  data->on_resolve_completed(data, ERR_NAME_NOT_RESOLVED, nullptr);
  EXPECT_EQ(recorder->result, ERR_NAME_NOT_RESOLVED);
  EXPECT_TRUE(recorder->addresses.empty());
  EXPECT_EQ(Drop(data), 1);
}

TEST_F(CallbackOwnsWithEngine, FileDialogPathsArrive) {
  std::vector<std::wstring> paths;
  int filter = -1;
  auto* data = Give<cef_run_file_dialog_callback_t>(MakeRefCounted<TCefFastRunFileDialogCallback>(
      [&](int f, const std::vector<ustring>& p) { filter = f, paths = p; }));
  cef_string_list_t list = List({L"C:\\a.txt", L"C:\\b c.txt"});
  data->on_file_dialog_dismissed(data, 1, list);
  cef_string_list_free(list);
  EXPECT_EQ(filter, 1);
  EXPECT_EQ(paths, (std::vector<std::wstring>{L"C:\\a.txt", L"C:\\b c.txt"}));
  EXPECT_EQ(Drop(data), 0);
}

// ---- Tasks on the engine's threads ----

// The stand-in engine initialised (no sub-processes), its threads running.
class TaskOwns : public LoadedEngine {
 protected:
  void SetUp() override {
    LoadedEngine::SetUp();
    SetEnvironmentVariableW(L"OSTREL_STANDIN_CHILDREN", L"off");
    cef_settings_t settings{};
    settings.size = sizeof settings;
    settings.no_sandbox = 1;
    settings.multi_threaded_message_loop = 1;
    ASSERT_EQ(cef_initialize(nullptr, &settings, nullptr, nullptr), 1);
    FInitialized = true;
  }
  void TearDown() override {
    if (FInitialized) cef_shutdown();
    SetEnvironmentVariableW(L"OSTREL_STANDIN_CHILDREN", nullptr);
    LoadedEngine::TearDown();
  }

 private:
  bool FInitialized = false;
};

TEST_F(TaskOwns, FastTaskRunsOnTheUiThreadAndIsDestroyedAfterwards) {
  std::atomic<int> runs{0};
  std::atomic<bool> onUi{false};
  auto alive = std::make_shared<int>(0);  // lives as long as the task's closure
  const std::weak_ptr<int> watch = alive;
  ASSERT_TRUE(TCefFastTask::Post(TID_UI, [&, alive] {
    onUi = cef_currently_on(TID_UI) != 0;
    ++runs;
  }));
  alive.reset();
  ASSERT_TRUE(WaitUntil([&] { return watch.expired(); }));
  EXPECT_EQ(runs.load(), 1);
  EXPECT_TRUE(onUi.load());
}

TEST_F(TaskOwns, EngineReleasesItsOneReferenceAfterRunning) {
  std::atomic<int> runs{0};
  const CefRefPtr<ICefTask> task = TCefFastTask::New([&runs] { ++runs; });
  ASSERT_EQ(cef_post_task(TID_IO, Give<cef_task_t>(task)), 1);
  ASSERT_TRUE(WaitUntil([&] { return runs == 1 && task->HasOneReference(); }));
  EXPECT_TRUE(task->HasAtLeastOneReference());
}

TEST_F(TaskOwns, DelayedTaskWaitsAndRefusedTaskIsNotKept) {
  std::atomic<bool> ran{false};
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(TCefFastTask::Post(
      TID_FILE_USER_BLOCKING, [&ran] { ran = true; }, 200));
  ASSERT_TRUE(WaitUntil([&] { return ran.load(); }));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(190));

  auto alive = std::make_shared<int>(0);
  const std::weak_ptr<int> watch = alive;
  EXPECT_FALSE(TCefFastTask::Post(TID_RENDERER, [alive] {}));  // no such thread here
  alive.reset();
  EXPECT_TRUE(watch.expired());
  EXPECT_FALSE(TCefFastTask::Post(TID_UI, nullptr));
}

TEST(TaskOwnsWithoutEngine, PostIsRefusedAndTheTaskIsNotLeaked) {
  ASSERT_FALSE(EngineLibraryLoaded());
  bool ran = false;
  auto alive = std::make_shared<int>(0);
  const std::weak_ptr<int> watch = alive;
  EXPECT_FALSE(TCefFastTask::Post(TID_UI, [&ran, alive] { ran = true; }));
  alive.reset();
  EXPECT_TRUE(watch.expired());
  EXPECT_FALSE(ran);
}

}  // namespace
