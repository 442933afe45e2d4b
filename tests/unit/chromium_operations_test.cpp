// The browser control's operations on its main browser in the stand-in engine: zoom steps and
// levels, frame selection, developer tools, snapshot, the asynchronous results (each arriving
// once, on an engine thread, and not at all when nothing was asked), navigation history and
// tasks on engine threads.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_cookie_manager_ref.h"
#include "engine/refs/cef_image_ref.h"
#include "engine/refs/cef_navigation_entry_ref.h"
#include "tests/unit/chromium_test_support.h"

namespace {

using chromium_test::ChromiumWithBrowser;
using chromium_test::PumpUntil;
using standin_test::Narrow;

// A 1x1 PNG (signature and header; the stand-in reads no further).
const std::string kPng("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x03\0\0\0\x02\x08\x06\0\0\0", 33);

class ChromiumOperations : public ChromiumWithBrowser {
 protected:
  void BeforeCreate() override {
    chromium->SetDefaultUrl(server.Url("/"));
    chromium->OnTextResultAvailable = [this](TChromium&, const ustring& text) {
      Record("text " + Narrow(text));
    };
    chromium->OnPdfPrintFinished = [this](TChromium&, bool ok) {
      Record(std::string("pdf ") + (ok ? "1" : "0"));
    };
    chromium->OnResolvedHostAvailable = [this](TChromium&, int result,
                                               const std::vector<ustring>& ips) {
      std::string text = "resolved " + std::to_string(result);
      for (const ustring& ip : ips) text += " " + Narrow(ip);
      Record(text);
    };
    chromium->OnCookiesFlushed = [this](TChromium&) { Record("flushed"); };
    chromium->OnCookiesDeleted = [this](TChromium&, int count) {
      Record("deleted " + std::to_string(count));
    };
    chromium->OnCertificateExceptionsCleared = [this](TChromium&) { Record("certificates"); };
    chromium->OnHttpAuthCredentialsCleared = [this](TChromium&) { Record("credentials"); };
    chromium->OnAllConnectionsClosed = [this](TChromium&) { Record("connections"); };
    chromium->OnExecuteTaskOnCefThread = [this](TChromium&, uint32_t id) {
      Record("task " + std::to_string(id));
    };
    chromium->OnFindResult = [this](TChromium&, const CefRefPtr<ICefBrowser>&, int id, int count,
                                    const cef_rect_t*, int, bool final) {
      Record("find " + std::to_string(id) + " " + std::to_string(count) + (final ? " final" : ""));
    };
    chromium->OnNavigationVisitorResultAvailable = [this](const CefRefPtr<ICefNavigationEntry>& e,
                                                          bool current, int index, int total,
                                                          bool& goOn) {
      Record("entry " + std::to_string(index) + "/" + std::to_string(total) +
             (current ? " current " : " ") + Narrow(e ? e->GetUrl() : L""));
      goOn = walkAll && index < total - 1;
    };
    chromium->OnDownloadImageFinished = [this](TChromium&, const ustring&, int status,
                                               const CefRefPtr<ICefImage>& image) {
      std::string text = "image " + std::to_string(status);
      if (image) {
        int width = 0, height = 0;
        const CefRefPtr<ICefBinaryValue> png = image->GetAsPng(1.0f, true, width, height);
        text += " " + std::to_string(width) + "x" + std::to_string(height) +
                (png && png->GetSize() == kPng.size() ? " png" : "");
      }
      Record(text);
    };
  }

  // Records an asynchronous result; those arrive on engine threads, never the main thread.
  void Record(const std::string& what) {
    if (GetCurrentThreadId() == mainThread) what_on_main_thread = what;
    log.Add(what);
  }
  bool WaitFor(const std::string& prefix) { return log.WaitFor(prefix); }
  // Lets results that are not to come a chance to come: a task on the UI thread runs after them.
  void Settle() {
    const size_t tasks = log.Of("task 99").size();
    ASSERT_TRUE(chromium->ExecuteTaskOnCefThread(TID_UI, 99, 0));
    ASSERT_TRUE(log.WaitFor("task 99", tasks + 1));
  }

  standin_test::LoopbackServer server{{
      {"/", {200, "text/html", "<title>One</title><body>apple pie, Apple tart</body>", ""}},
      {"/second", {200, "text/html", "<title>Two</title><body>two</body>", ""}},
      {"/image.png", {200, "image/png", kPng, ""}},
  }};
  const DWORD mainThread = GetCurrentThreadId();
  std::string what_on_main_thread;
  bool walkAll = false;
};

TEST_F(ChromiumOperations, ZoomStepsStayInTheTableAndPercentagesFollowTheLevel) {
  EXPECT_EQ(chromium->ZoomStep(), 6);
  EXPECT_DOUBLE_EQ(chromium->ZoomPct(), 100);
  chromium->SetZoomPct(150);
  EXPECT_NEAR(chromium->ZoomLevel(), 2.2239, 1e-4);
  EXPECT_NEAR(chromium->ZoomPct(), 150, 1e-9);
  chromium->SetZoomPct(0);
  chromium->SetZoomPct(-20);
  EXPECT_NEAR(chromium->ZoomPct(), 150, 1e-9);
  EXPECT_EQ(chromium->ZoomStep(), 6) << "zooming by percentage leaves the step alone";

  chromium->SetZoomStep(15);
  chromium->IncZoomStep();
  EXPECT_EQ(chromium->ZoomStep(), 15);
  EXPECT_NEAR(chromium->ZoomPct(), 500, 1e-9);
  chromium->SetZoomStep(16);
  EXPECT_EQ(chromium->ZoomStep(), 15);
  chromium->SetZoomStep(0);
  chromium->DecZoomStep();
  EXPECT_EQ(chromium->ZoomStep(), 0);
  EXPECT_NEAR(chromium->ZoomPct(), 25, 1e-9);
  chromium->IncZoomStep();
  EXPECT_NEAR(chromium->ZoomPct(), 33, 1e-9);

  chromium->SetZoomLevel(3);  // zoomed by other means
  chromium->ResetZoomStep();
  EXPECT_EQ(chromium->ZoomStep(), 6);
  EXPECT_NEAR(chromium->ZoomPct(), 100, 1e-9);
  EXPECT_NEAR(chromium->ZoomLevel(), 0, 1e-9);
}

TEST_F(ChromiumOperations, FramesAreSelectedByNameFrameOrIdentifier) {
  EXPECT_EQ(chromium->DocumentURL(), server.Url("/"));
  EXPECT_TRUE(chromium->HasValidMainFrame());
  EXPECT_EQ(chromium->FrameCount(), 1u);
  size_t count = 0;
  std::vector<int64_t> ids;
  EXPECT_FALSE(chromium->GetFrameIdentifiers(count, ids));
  count = chromium->FrameCount();
  ASSERT_TRUE(chromium->GetFrameIdentifiers(count, ids));
  ASSERT_EQ(count, 1u);
  EXPECT_FALSE(chromium->GetFrameNames(nullptr));
  std::vector<ustring> names;
  EXPECT_TRUE(chromium->GetFrameNames(&names));
  EXPECT_EQ(names, std::vector<ustring>{L""});

  const size_t navigations = trace->Lines("load-start").size();
  chromium->LoadURL(server.Url("/second"), L"no-such-frame");
  chromium->LoadURL(server.Url("/second"), int64_t{12345});
  chromium->LoadURL(server.Url("/second"), CefRefPtr<ICefFrame>());
  ASSERT_TRUE(Load(server.Url("/second")));
  EXPECT_EQ(trace->Lines("load-start").size(), navigations + 1) << "only the main frame loaded";
  chromium->LoadURL(server.Url("/"), ids[0]);
  EXPECT_TRUE(log.WaitFor("load-end", 3));
  chromium->RetrieveText(L"");
  ASSERT_TRUE(WaitFor("text "));
  EXPECT_NE(log.Of("text ")[0].find("apple pie, Apple tart"), std::string::npos);
}

TEST_F(ChromiumOperations, DevToolsInspectOnlyAtARealPoint) {
  chromium->ShowDevTools(POINT{INT_MIN, 5}, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("show-dev-tools").empty(); }));
  EXPECT_EQ(trace->Lines("show-dev-tools")[0], "show-dev-tools id=1 parent=popup inspect=none");
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("after-created id=2").empty(); }));
  chromium->CloseDevTools(nullptr);
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("before-close id=2").empty(); }));
  chromium->ShowDevTools(POINT{10, 20}, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return trace->Lines("show-dev-tools").size() == 2; }));
  EXPECT_EQ(trace->Lines("show-dev-tools")[1], "show-dev-tools id=1 parent=popup inspect=10,20");
  chromium->CloseDevTools(nullptr);
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("before-close id=3").empty(); }));
}

TEST_F(ChromiumOperations, SnapshotOfTheWindowButNotWhileClosing) {
  HBITMAP bitmap = nullptr;
  ASSERT_TRUE(chromium->TakeSnapshot(bitmap));
  BITMAP info{};
  ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0);
  EXPECT_GT(info.bmWidth, 0);
  DeleteObject(bitmap);

  closeAction = cbaDelay;
  chromium->CloseBrowser(true);
  ASSERT_TRUE(log.WaitFor("close 1"));
  const auto kept = reinterpret_cast<HBITMAP>(0x1234);
  bitmap = kept;
  EXPECT_FALSE(chromium->TakeSnapshot(bitmap));
  EXPECT_EQ(bitmap, kept);
  EXPECT_FALSE(chromium->ExecuteTaskOnCefThread(TID_UI, 1, 0));
  DestroyWindow(parent.get());  // the delayed close goes on with the parent
  EXPECT_TRUE(PumpUntil([&] { return !chromium->HasBrowser(); }));
}

TEST_F(ChromiumOperations, MaintenanceResultsComeOnceAndOnlyWhenAskedFor) {
  EXPECT_TRUE(chromium->FlushCookieStore(true));
  EXPECT_TRUE(chromium->ClearCertificateExceptions(true));
  EXPECT_TRUE(chromium->ClearHttpAuthCredentials(true));
  EXPECT_TRUE(chromium->CloseAllConnections(true));
  chromium->ResolveHost(L"");
  Settle();
  EXPECT_EQ(trace->Lines("flush-cookies"), std::vector<std::string>{"flush-cookies callback=0"});
  for (const char* none : {"flushed", "certificates", "credentials", "connections", "resolved"}) {
    EXPECT_TRUE(log.Of(none).empty()) << none;
  }

  const CefRefPtr<ICefCookieManager> cookies =
      chromium->Browser()->GetHost()->GetRequestContext()->GetCookieManager(nullptr);
  ASSERT_TRUE(cookies);
  const ustring url = server.Url("/"), a = L"a", b = L"b";
  for (const ustring* name : {&a, &b}) {
    cef_cookie_t cookie{};
    cookie.name = BorrowEngineString(*name);
    EXPECT_TRUE(cookies->SetCookie(url, cookie, nullptr));
  }
  EXPECT_TRUE(chromium->FlushCookieStore(false));
  EXPECT_TRUE(chromium->ClearCertificateExceptions(false));
  EXPECT_TRUE(chromium->ClearHttpAuthCredentials(false));
  EXPECT_TRUE(chromium->CloseAllConnections(false));
  EXPECT_TRUE(chromium->DeleteCookies(url, L""));
  chromium->ResolveHost(L"http://127.0.0.1/");
  chromium->ResolveHost(L"http://host.invalid/");
  Settle();
  for (const char* once : {"flushed", "certificates", "credentials", "connections"}) {
    EXPECT_EQ(log.Of(once).size(), 1u) << once;
  }
  EXPECT_EQ(log.Of("deleted"), std::vector<std::string>{"deleted 2"});
  EXPECT_TRUE(WaitFor("resolved -105"));
  EXPECT_EQ(log.Of("resolved"),
            (std::vector<std::string>{"resolved 0 127.0.0.1", "resolved -105"}));
  EXPECT_EQ(what_on_main_thread, "") << "results arrive on engine threads";
}

TEST_F(ChromiumOperations, NavigationWalkStopsWhereTheHandlerSays) {
  ASSERT_TRUE(Load(server.Url("/second")));
  chromium->GetNavigationEntries(false);
  Settle();
  EXPECT_EQ(log.Of("entry"), std::vector<std::string>{"entry 0/2 " + Narrow(server.Url("/"))});
  walkAll = true;
  chromium->GetNavigationEntries(false);
  Settle();
  EXPECT_EQ(log.Of("entry").size(), 3u);
  EXPECT_EQ(log.Of("entry").back(), "entry 1/2 current " + Narrow(server.Url("/second")));
  const CefRefPtr<ICefNavigationEntry> visible = chromium->VisibleNavigationEntry();
  ASSERT_TRUE(visible);
  EXPECT_EQ(visible->GetUrl(), server.Url("/second"));
}

TEST_F(ChromiumOperations, PageResultsPdfImageAndFind) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring pdf = std::wstring(folder) + L"ostrel-ops-test.pdf";
  chromium->PrintToPDF(pdf, L"title", L"url");
  ASSERT_TRUE(WaitFor("pdf"));
  EXPECT_EQ(log.Of("pdf"), std::vector<std::string>{"pdf 1"});
  std::ifstream file(std::filesystem::path(pdf), std::ios::binary);
  std::string head(5, '\0');
  file.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");
  file.close();
  DeleteFileW(pdf.c_str());

  chromium->DownloadImage(server.Url("/image.png"), false, 0, false);
  chromium->DownloadImage(server.Url("/missing.png"), false, 0, false);
  chromium->RetrieveHTML();
  chromium->Find(7, L"apple", true, false, false);
  chromium->Print();
  chromium->SetAudioMuted(true);
  EXPECT_TRUE(chromium->AudioMuted());
  ASSERT_TRUE(WaitFor("image 404"));
  EXPECT_EQ(log.Of("image"), (std::vector<std::string>{"image 200 3x2 png", "image 404"}));
  ASSERT_TRUE(WaitFor("find"));
  EXPECT_EQ(log.Of("find"), std::vector<std::string>{"find 7 2 final"});
  ASSERT_TRUE(WaitFor("text <title>One"));
  EXPECT_EQ(trace->Lines("print "), std::vector<std::string>{"print id=1"});
}

TEST_F(ChromiumOperations, TasksRunOnTheNamedEngineThreadAfterTheirDelay) {
  ASSERT_TRUE(chromium->ExecuteTaskOnCefThread(TID_UI, 1, 0));
  ASSERT_TRUE(WaitFor("task 1"));
  const DWORD uiThread = log.ThreadOf("task 1");
  EXPECT_NE(uiThread, GetCurrentThreadId());
  const auto posted = std::chrono::steady_clock::now();
  ASSERT_TRUE(chromium->ExecuteTaskOnCefThread(TID_UI, 2, 500));
  ASSERT_TRUE(WaitFor("task 2"));
  EXPECT_GE(std::chrono::steady_clock::now() - posted, std::chrono::milliseconds(500));
  EXPECT_EQ(log.ThreadOf("task 2"), uiThread);
  ASSERT_TRUE(chromium->ExecuteTaskOnCefThread(TID_IO, 3, 0));
  ASSERT_TRUE(WaitFor("task 3"));
  EXPECT_NE(log.ThreadOf("task 3"), uiThread);
  EXPECT_FALSE(chromium->ExecuteTaskOnCefThread(TID_RENDERER, 4, 0)) << "no such thread here";
  EXPECT_EQ(log.Of("task").size(), 3u);
}

TEST(ChromiumWithoutBrowser, OperationsDoNothingAndTasksAreRefused) {
  TChromium chromium;
  EXPECT_FALSE(chromium.ExecuteTaskOnCefThread(TID_UI, 1, 0));
  EXPECT_DOUBLE_EQ(chromium.ZoomPct(), 100);
  chromium.SetZoomStep(3);
  EXPECT_EQ(chromium.ZoomStep(), 6);
  HBITMAP bitmap = nullptr;
  EXPECT_FALSE(chromium.TakeSnapshot(bitmap));
  EXPECT_FALSE(chromium.FlushCookieStore(false));
  EXPECT_EQ(chromium.DocumentURL(), L"");
}

}  // namespace
