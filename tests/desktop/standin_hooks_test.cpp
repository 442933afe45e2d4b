// The stand-in's test-hook controls (standin_command, or lines appended to the file named by
// OSTREL_STANDIN_CONTROL): each makes the engine raise notifications a page or a user would
// cause, with the engine's objects and on the engine's threads, so the program's logic around
// them can be tested without a real page.

#include <windows.h>

#include <algorithm>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/unit/standin_browser_support.h"

namespace {

using namespace standin_test;

int Command(const std::string& line) {
  static auto command = Resolve<standin_command_func>(Engine().module, "standin_command");
  return command(line.c_str());
}

// A request-context handler that answers plug-in questions with "block".
struct ContextHandler {
  Part<cef_request_context_handler_t, ContextHandler> handler;
  std::atomic<int> initialized{0};
  std::atomic<int> plugin_questions{0};
  ContextHandler() {
    handler.owner = this;
    cef_request_context_handler_t* s = handler.object.Get();
    s->on_request_context_initialized = [](cef_request_context_handler_t* self,
                                           cef_request_context_t* context) {
      ++Part<cef_request_context_handler_t, ContextHandler>::Of(self)->initialized;
      Release(context);
    };
    s->on_before_plugin_load = [](cef_request_context_handler_t* self, const cef_string_t*,
                                  const cef_string_t*, int, const cef_string_t*,
                                  cef_web_plugin_info_t* info, cef_plugin_policy_t* policy) {
      ++Part<cef_request_context_handler_t, ContextHandler>::Of(self)->plugin_questions;
      Release(info);
      *policy = PLUGIN_POLICY_BLOCK;
      return 1;
    };
  }
};

class StandinHooks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program.Start());
    cef_request_context_t* global = Engine().cef_request_context_get_global_context();
    cef_request_context_t* context =
        Engine().cef_create_context_shared(global, context_handler.handler.Give());
    cef_window_info_t info = ChildWindowInfo(parent.get(), 300, 200);
    cef_browser_settings_t settings = BrowserSettings();
    const std::wstring url = L"about:blank";
    cef_string_t address = Borrow(url);
    ASSERT_EQ(1, Engine().cef_browser_host_create_browser(&info, client.client.Give(), &address,
                                                          &settings, nullptr, context));
    ASSERT_TRUE(client.WaitFor("loading-state 1 0"));
  }

  void TearDown() override {
    for (auto* kept : {&client.popup, &client.browser}) {
      if (cef_browser_t* browser = kept->load()) {
        cef_browser_host_t* host = browser->get_host(browser);
        host->close_browser(host, 1);
        Release(host);
        EXPECT_TRUE(PumpUntil([&] { return kept->load() == nullptr; }));
      }
    }
    program.Stop();
    EXPECT_EQ(0, client.EngineReferences());
    EXPECT_EQ(1, context_handler.handler.object.refs.load()) << "the context keeps no handler";
    EXPECT_EQ("shutdown live=0", trace.Lines("shutdown ").back());
  }

  TraceFile trace;
  FakeProgram program;
  FakeClient client;
  ContextHandler context_handler;
  ParentWindow parent;
};

TEST_F(StandinHooks, PopupUsesTheSameClientFromAfterCreatedToBeforeClose) {
  ASSERT_EQ(1, Command("popup browser=1 url=about:blank"));
  ASSERT_TRUE(PumpUntil([&] { return client.popup.load() != nullptr; }));
  EXPECT_EQ("before-popup 1 about:blank", client.Events("before-popup")[0]);
  EXPECT_EQ("after-created 2 @ui", client.Events("after-created")[1]);
  cef_browser_t* popup = client.popup.load();
  EXPECT_EQ(1, popup->is_popup(popup));
  ASSERT_EQ(1, Command("close browser=2"));
  ASSERT_TRUE(client.WaitFor("before-close"));
  EXPECT_EQ("before-close 2 @ui", client.Events("before-close")[0]);
  EXPECT_NE(nullptr, client.browser.load()) << "the opener stays";
}

TEST_F(StandinHooks, JavaScriptDialogIsAnsweredThroughItsCallback) {
  client.on_jsdialog = [](cef_jsdialog_callback_t* callback) {
    const std::wstring input = L"typed";
    cef_string_t text = Borrow(input);
    callback->cont(callback, 1, &text);
    Release(callback);
  };
  ASSERT_EQ(1, Command("jsdialog type=prompt text=Your%20name?"));
  ASSERT_TRUE(client.WaitFor("dialog-closed"));
  EXPECT_EQ("jsdialog 1 2 Your name?", client.Events("jsdialog")[0]);
  EXPECT_EQ(1u, trace.Lines("jsdialog-result id=1 success=1 input=typed").size());
}

TEST_F(StandinHooks, KeyEventsPassThePreKeyEventFirst) {
  client.consume_key = VK_F12;
  ASSERT_EQ(1, Command("key code=123"));  // F12: consumed by the program
  ASSERT_EQ(1, Command("key code=65"));
  ASSERT_TRUE(client.WaitFor("key "));
  EXPECT_EQ((std::vector<std::string>{"pre-key 1 123 @ui", "pre-key 1 65 @ui"}),
            client.Events("pre-key"));
  EXPECT_EQ((std::vector<std::string>{"key 1 65"}), client.Events("key "));
}

TEST_F(StandinHooks, ContextMenuOffersTheProgramsItems) {
  ASSERT_EQ(1, Command("context-menu x=20 y=30 choose=26501"));
  ASSERT_TRUE(client.WaitFor("context-menu-dismissed"));
  EXPECT_EQ("before-context-menu 1 defaults=5 x=20", client.Events("before-context-menu")[0]);
  EXPECT_EQ("context-menu-command 1 26501", client.Events("context-menu-command")[0]);
}

TEST_F(StandinHooks, CertificateErrorWaitsForTheProgramsAnswer) {
  client.on_certificate = [](cef_request_callback_t* callback) {
    callback->cont(callback, 1);
    Release(callback);
  };
  ASSERT_EQ(1, Command("certificate-error url=https://127.0.0.1/ code=-202"));
  ASSERT_TRUE(PumpUntil([&] { return !trace.Lines("certificate-error-result").empty(); }));
  EXPECT_EQ("certificate-error 1 -202 https://127.0.0.1/ subject=127.0.0.1",
            client.Events("certificate-error")[0]);
  EXPECT_EQ("certificate-error-result id=1 allow=1", trace.Lines("certificate-error-result")[0]);
}

TEST_F(StandinHooks, ResourceLoadCarriesHeaderMapsBothWays) {
  LoopbackServer server({{"/style.css", {200, "text/css", "p{}", "X-Served-By: test\r\n"}}});
  ASSERT_EQ(1, Command("resource url=" + Narrow(server.Url("/style.css"))));
  ASSERT_TRUE(client.WaitFor("resource-complete"));
  EXPECT_EQ("resource-handler 1 navigation=0 @io", client.Events("resource-handler")[0]);
  EXPECT_EQ(L"1", client.last_request_headers[L"X-Ostrel-Test"]);
  EXPECT_EQ(L"text/css", client.last_response_headers[L"Content-Type"]);
  EXPECT_NE(std::string::npos, server.Requests()[0].find("X-Ostrel-Test: 1"));
}

TEST_F(StandinHooks, PluginQuestionGoesToTheRequestContextHandler) {
  EXPECT_TRUE(PumpUntil([&] { return context_handler.initialized == 1; }));
  ASSERT_EQ(1, Command("plugin mime=application/x-shockwave-flash url=http://127.0.0.1/x.swf"));
  ASSERT_TRUE(PumpUntil([&] { return !trace.Lines("plugin-policy").empty(); }));
  EXPECT_EQ(1, context_handler.plugin_questions.load());
  EXPECT_EQ("plugin-policy result=1 policy=2", trace.Lines("plugin-policy")[0]);
}

TEST_F(StandinHooks, DownloadIsWrittenWhereTheProgramSays) {
  LoopbackServer server({{"/file.bin", {200, "application/octet-stream", "0123456789", ""}}});
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  client.download_path = std::wstring(folder) + L"standin_download_test.bin";
  DeleteFileW(client.download_path.c_str());
  ASSERT_EQ(1, Command("download url=" + Narrow(server.Url("/file.bin"))));
  ASSERT_TRUE(client.WaitFor("download-updated 1 complete=1"));
  EXPECT_EQ("before-download 1 file.bin", client.Events("before-download")[0]);
  // In progress from nothing, then progress while the body comes, then complete once.
  const auto updates = client.Events("download-updated");
  EXPECT_EQ("download-updated 1 complete=0 bytes=0", updates.front());
  EXPECT_EQ("download-updated 1 complete=1 bytes=10", updates.back());
  EXPECT_EQ(1, std::count(updates.begin(), updates.end(), updates.back()));
  std::ifstream in(client.download_path.c_str(), std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ("0123456789", content);
  in.close();
  DeleteFileW(client.download_path.c_str());
}

TEST_F(StandinHooks, UnknownCommandsAreRefused) {
  EXPECT_EQ(0, Command("no-such-command"));
  EXPECT_EQ(0, Command("key browser=99 code=1"));
  EXPECT_EQ(2u, trace.Lines("control-error").size());
}

}  // namespace

namespace {

using namespace standin_test;

TEST(StandinControlFile, EachLineAppendedRunsOnce) {
  TraceFile trace;
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"standin_control_test.txt";
  DeleteFileW(path.c_str());
  SetEnvironmentVariableW(L"OSTREL_STANDIN_CONTROL", path.c_str());
  {
    FakeProgram program;
    ASSERT_TRUE(program.Start());
    FakeClient client;
    ParentWindow parent;
    cef_window_info_t info = ChildWindowInfo(parent.get(), 100, 100);
    cef_browser_settings_t settings = BrowserSettings();
    ASSERT_EQ(1, Engine().cef_browser_host_create_browser(&info, client.client.Give(), nullptr,
                                                          &settings, nullptr, nullptr));
    ASSERT_TRUE(client.WaitFor("after-created"));
    auto append = [&path](const std::string& line) {
      std::ofstream out(path.c_str(), std::ios::app | std::ios::binary);
      out << line;
    };
    append("status text=from%20the%20file\n");
    ASSERT_TRUE(client.WaitFor("status 1 from the file"));
    append("status text=half");  // no line end yet: not run
    // The engine looks every 50 ms: time to see the half line, and to run it if it were wrong.
    Sleep(300);
    append("%20done\n");
    ASSERT_TRUE(client.WaitFor("status 1 half done"));
    EXPECT_EQ(2u, client.Events("status").size()) << "each line runs once";
    append("close\n");
    ASSERT_TRUE(client.WaitFor("before-close"));
    program.Stop();
    EXPECT_EQ(0, client.EngineReferences());
  }
  SetEnvironmentVariableW(L"OSTREL_STANDIN_CONTROL", nullptr);
  DeleteFileW(path.c_str());
  EXPECT_EQ("shutdown live=0", trace.Lines("shutdown ").back());
}

}  // namespace
