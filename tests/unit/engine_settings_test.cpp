// The settings of the engine application object: defaults, the path setters, the information
// properties, and the engine settings record filled from them.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "engine/application/cef_application.h"
#include "engine/support/paths.h"
#include "tests/unit/engine_test_support.h"

namespace {

using engine_test::EngineFilesCopy;
using engine_test::TempFolder;

// The record borrows the property's own buffer: same pointer, same length, nothing to free.
void ExpectBorrowed(const cef_string_t& field, const ustring& property, const char* name) {
  SCOPED_TRACE(name);
  EXPECT_EQ(field.str, property.c_str());
  EXPECT_EQ(field.length, property.size());
  EXPECT_EQ(field.dtor, nullptr);
}

TEST(EngineSettings, Defaults) {
  TCefApplication app(std::vector<std::wstring>{});
  EXPECT_EQ(app.ProcessType(), ptBrowser);
  EXPECT_EQ(app.Status(), asLoading);
  EXPECT_FALSE(app.LibLoaded());
  EXPECT_TRUE(app.NoSandbox());
  EXPECT_TRUE(app.MultiThreadedMessageLoop());
  EXPECT_FALSE(app.ExternalMessagePump());
  EXPECT_EQ(app.LogSeverity(), 99u);
  EXPECT_TRUE(app.Cache().empty());
  EXPECT_TRUE(app.DisableGPUCache());
  EXPECT_FALSE(app.SingleProcess());
  EXPECT_FALSE(app.EnableGPU());
  EXPECT_TRUE(app.FlashEnabled());
  EXPECT_TRUE(app.EnableMediaStream());
  EXPECT_TRUE(app.EnableSpeechInput());
  EXPECT_EQ(app.SmoothScrolling(), STATE_DEFAULT);
  EXPECT_EQ(app.AutoplayPolicy(), appDefault);
  EXPECT_EQ(app.PluginPolicy(), PLUGIN_POLICY_SWITCH_ALLOW);
  EXPECT_FALSE(app.EnablePrintPreview());
  EXPECT_TRUE(app.CheckCEFFiles());
  EXPECT_TRUE(app.CheckDevToolsResources());
  EXPECT_TRUE(app.ShowMessageDlg());
  EXPECT_FALSE(app.SetCurrentDir());
  EXPECT_TRUE(app.DestroyAppWindows());
  EXPECT_FALSE(app.ReRaiseExceptions());
  EXPECT_FALSE(app.MustFreeLibrary());
  EXPECT_TRUE(app.MustCreateBrowserProcessHandler());
  EXPECT_FALSE(app.MustCreateRenderProcessHandler());
  EXPECT_FALSE(app.MustCreateResourceBundleHandler());
  EXPECT_FALSE(app.MustCreateLoadHandler());
  EXPECT_EQ(app.WindowsSandboxInfo(), nullptr);
  EXPECT_EQ(app.LibCefVersion(), L"77.1.18.0");
  EXPECT_EQ(app.LibCefPath(), L"libcef.dll");
  EXPECT_EQ(app.ChromeElfPath(), L"chrome_elf.dll");
  EXPECT_GT(app.DeviceScaleFactor(), 0.0f);
  EXPECT_EQ(app.EngineSettings().size, 432u);
}

TEST(EngineSettings, ChromeVersionComesFromChromeElfInTheBrowserProcess) {
  {
    TempFolder empty;
    empty.MakeCurrent();
    TCefApplication app(std::vector<std::wstring>{});
    EXPECT_EQ(app.ChromeVersion(), L"77.0.3865.120");  // the default, nothing to read
  }
  EngineFilesCopy files;
  TCefApplication browser(std::vector<std::wstring>{});
  EXPECT_EQ(browser.ChromeMajorVer(), 77);
  EXPECT_EQ(browser.ChromeVersion(), L"77.0.3865.120");  // the stand-in's chrome_elf.dll
  files.WriteFile(L"chrome_elf.dll", "no version resource");
  TCefApplication renderer({L"--type=renderer"});
  EXPECT_EQ(renderer.ChromeVersion(), L"77.0.3865.120");  // not read outside the browser
  TCefApplication browser_again(std::vector<std::wstring>{});
  EXPECT_EQ(browser_again.ChromeVersion(), L"0.0.0.0");  // read, and it has no version
}

TEST(EngineSettings, CacheIsTakenBesideTheProgram) {
  TCefApplication app(std::vector<std::wstring>{});
  app.SetCache(L"cache");
  EXPECT_EQ(app.Cache(), ProgramFolder() + L"cache");
  EXPECT_FALSE(app.DisableGPUCache());
  app.SetCache(L"");
  EXPECT_TRUE(app.Cache().empty());
  EXPECT_TRUE(app.DisableGPUCache());
  app.SetCache(L"C:\\data\\..\\profile\\cache");
  EXPECT_EQ(app.Cache(), L"C:\\profile\\cache");
  app.SetRootCache(L"root");
  EXPECT_EQ(app.RootCache(), ProgramFolder() + L"root");
  app.SetUserDataPath(L"user");
  EXPECT_EQ(app.UserDataPath(), ProgramFolder() + L"user");
  app.SetBrowserSubprocessPath(L"helper.exe");
  EXPECT_EQ(app.BrowserSubprocessPath(), ProgramFolder() + L"helper.exe");
}

TEST(EngineSettings, FolderSettingsMustNameAnExistingFolder) {
  TempFolder folder;
  TCefApplication app(std::vector<std::wstring>{});
  app.SetFrameworkDirPath(L"Z:\\no\\such\\folder");
  EXPECT_TRUE(app.FrameworkDirPath().empty());
  app.SetResourcesDirPath(L"no-such-folder");
  EXPECT_TRUE(app.ResourcesDirPath().empty());
  app.SetLocalesDirPath(folder.path().wstring());
  EXPECT_EQ(app.LocalesDirPath(), folder.path().wstring());
  app.SetFrameworkDirPath(folder.path().wstring());
  EXPECT_EQ(app.LibCefPath(), folder.path().wstring() + L"\\libcef.dll");
  EXPECT_EQ(app.ChromeElfPath(), folder.path().wstring() + L"\\chrome_elf.dll");
}

TEST(EngineSettings, FillCopiesEveryFieldFromItsProperty) {
  TempFolder folder;
  const std::wstring existing = folder.path().wstring();
  TCefApplication app(std::vector<std::wstring>{});
  app.SetNoSandbox(false);
  app.SetBrowserSubprocessPath(L"C:\\x\\helper.exe");
  app.SetFrameworkDirPath(existing);
  app.SetMainBundlePath(L"bundle");
  app.SetMultiThreadedMessageLoop(false);
  app.SetExternalMessagePump(true);
  app.SetWindowlessRenderingEnabled(true);
  app.SetCommandLineArgsDisabled(true);
  app.SetCache(L"C:\\c");
  app.SetRootCache(L"C:\\r");
  app.SetUserDataPath(L"C:\\u");
  app.SetPersistSessionCookies(true);
  app.SetPersistUserPreferences(true);
  app.SetUserAgent(L"agent");
  app.SetProductVersion(L"product/1");
  app.SetLocale(L"zh-CN");
  app.SetLogFile(L"debug.log");
  app.SetLogSeverity(2);
  app.SetJavaScriptFlags(L"--flag");
  app.SetResourcesDirPath(existing);
  app.SetLocalesDirPath(existing);
  app.SetPackLoadingDisabled(true);
  app.SetRemoteDebuggingPort(9222);
  app.SetUncaughtExceptionStackSize(17);
  app.SetIgnoreCertificateErrors(true);
  app.SetEnableNetSecurityExpiration(true);
  app.SetBackgroundColor(0xFF112233u);
  app.SetAcceptLanguageList(L"zh-CN,en");
  app.SetApplicationClientID(L"client-id");
  app.FillEngineSettings();

  const cef_settings_t& s = app.EngineSettings();
  EXPECT_EQ(sizeof(cef_settings_t), 432u);
  EXPECT_EQ(s.size, 432u);
  EXPECT_EQ(s.no_sandbox, 0);
  ExpectBorrowed(s.browser_subprocess_path, app.BrowserSubprocessPath(), "browser_subprocess_path");
  ExpectBorrowed(s.framework_dir_path, app.FrameworkDirPath(), "framework_dir_path");
  ExpectBorrowed(s.main_bundle_path, app.MainBundlePath(), "main_bundle_path");
  EXPECT_EQ(s.multi_threaded_message_loop, 0);
  EXPECT_EQ(s.external_message_pump, 1);
  EXPECT_EQ(s.windowless_rendering_enabled, 1);
  EXPECT_EQ(s.command_line_args_disabled, 1);
  ExpectBorrowed(s.cache_path, app.Cache(), "cache_path");
  ExpectBorrowed(s.root_cache_path, app.RootCache(), "root_cache_path");
  ExpectBorrowed(s.user_data_path, app.UserDataPath(), "user_data_path");
  EXPECT_EQ(s.persist_session_cookies, 1);
  EXPECT_EQ(s.persist_user_preferences, 1);
  ExpectBorrowed(s.user_agent, app.UserAgent(), "user_agent");
  ExpectBorrowed(s.product_version, app.ProductVersion(), "product_version");
  ExpectBorrowed(s.locale, app.Locale(), "locale");
  ExpectBorrowed(s.log_file, app.LogFile(), "log_file");
  EXPECT_EQ(s.log_severity, LOGSEVERITY_INFO);
  ExpectBorrowed(s.javascript_flags, app.JavaScriptFlags(), "javascript_flags");
  ExpectBorrowed(s.resources_dir_path, app.ResourcesDirPath(), "resources_dir_path");
  ExpectBorrowed(s.locales_dir_path, app.LocalesDirPath(), "locales_dir_path");
  EXPECT_EQ(s.pack_loading_disabled, 1);
  EXPECT_EQ(s.remote_debugging_port, 9222);
  EXPECT_EQ(s.uncaught_exception_stack_size, 17);
  EXPECT_EQ(s.ignore_certificate_errors, 1);
  EXPECT_EQ(s.enable_net_security_expiration, 1);
  EXPECT_EQ(s.background_color, 0xFF112233u);
  ExpectBorrowed(s.accept_language_list, app.AcceptLanguageList(), "accept_language_list");
  ExpectBorrowed(s.application_client_id_for_file_scanning, app.ApplicationClientID(),
                 "application_client_id_for_file_scanning");
  EXPECT_EQ(app.FrameworkDirPath(), existing);
  EXPECT_EQ(app.Cache(), L"C:\\c");
}

TEST(EngineSettings, FillWithDefaultsGivesEmptyBorrowedTexts) {
  TCefApplication app(std::vector<std::wstring>{});
  app.FillEngineSettings();
  const cef_settings_t& s = app.EngineSettings();
  EXPECT_EQ(s.no_sandbox, 1);
  EXPECT_EQ(s.multi_threaded_message_loop, 1);
  EXPECT_EQ(s.log_severity, LOGSEVERITY_DISABLE);
  EXPECT_NE(s.cache_path.str, nullptr);
  EXPECT_EQ(s.cache_path.length, 0u);
  EXPECT_EQ(s.cache_path.dtor, nullptr);
}

TEST(EngineSettings, GlobalContextFollowsTheBrowserProcessHandler) {
  TCefApplication browser(std::vector<std::wstring>{});
  EXPECT_TRUE(browser.GetMustCreateBrowserProcessHandler());
  EXPECT_FALSE(browser.GlobalContextInitialized());
  int events = 0;
  browser.OnContextInitialized = [&] { ++events; };
  browser.Internal_OnContextInitialized();
  EXPECT_TRUE(browser.GlobalContextInitialized());
  EXPECT_EQ(events, 1);

  TCefApplication without_handler(std::vector<std::wstring>{});
  without_handler.SetMustCreateBrowserProcessHandler(false);
  EXPECT_FALSE(without_handler.GetMustCreateBrowserProcessHandler());
  EXPECT_TRUE(without_handler.GlobalContextInitialized());
  without_handler.OnContextInitialized = [] {};
  EXPECT_TRUE(without_handler.GetMustCreateBrowserProcessHandler());

  TCefApplication renderer({L"--type=renderer"});
  EXPECT_FALSE(renderer.GetMustCreateBrowserProcessHandler());
  EXPECT_TRUE(renderer.GlobalContextInitialized());
}

TEST(EngineSettings, HandlerRulesByRole) {
  TCefApplication browser(std::vector<std::wstring>{});
  EXPECT_FALSE(browser.GetMustCreateRenderProcessHandler());
  EXPECT_FALSE(browser.GetMustCreateResourceBundleHandler());
  EXPECT_FALSE(browser.GetMustCreateLoadHandler());
  browser.OnGetLocalizedString = [](int32_t, ustring&, bool&) {};
  EXPECT_TRUE(browser.GetMustCreateResourceBundleHandler());

  TCefApplication renderer({L"--type=renderer"});
  EXPECT_FALSE(renderer.GetMustCreateRenderProcessHandler());
  renderer.SetMustCreateLoadHandler(true);
  EXPECT_TRUE(renderer.GetMustCreateLoadHandler());
  EXPECT_TRUE(renderer.GetMustCreateRenderProcessHandler());

  TCefApplication gpu({L"--type=gpu-process"});
  gpu.SetMustCreateRenderProcessHandler(true);
  gpu.SetMustCreateResourceBundleHandler(true);
  EXPECT_FALSE(gpu.GetMustCreateRenderProcessHandler());
  EXPECT_FALSE(gpu.GetMustCreateResourceBundleHandler());
  gpu.SetSingleProcess(true);
  EXPECT_TRUE(gpu.GetMustCreateRenderProcessHandler());
  EXPECT_TRUE(gpu.GetMustCreateBrowserProcessHandler());
  EXPECT_TRUE(gpu.GetMustCreateLoadHandler());
}

TEST(EngineSettings, ForwardingWithoutEventsIsNeutral) {
  TCefApplication app(std::vector<std::wstring>{});
  ustring text = L"left over";
  EXPECT_FALSE(app.Internal_GetLocalizedString(1, text));
  void* data = nullptr;
  size_t size = 0;
  EXPECT_FALSE(app.Internal_GetDataResource(1, data, size));

  app.OnGetLocalizedString = [](int32_t id, ustring& value, bool& result) {
    EXPECT_TRUE(value.empty());  // emptied before the event
    value = L"text " + std::to_wstring(id);
    result = true;
  };
  EXPECT_TRUE(app.Internal_GetLocalizedString(7, text));
  EXPECT_EQ(text, L"text 7");
}

TEST(EngineSettings, ServicesBeforeTheEngineDoNothing) {
  TCefApplication app(std::vector<std::wstring>{});
  app.SetOsmodalLoop(true);
  app.DoMessageLoopWork();
  app.RunMessageLoop();
  app.QuitMessageLoop();
  app.ShutDown();
  EXPECT_EQ(app.Status(), asLoading);
  app.AddCustomCommandLine(L"--a", L"1");
  app.AddCustomCommandLine(L"--b");
  ASSERT_EQ(app.CustomCommandLines().size(), 2u);
  EXPECT_EQ(app.CustomCommandLineValues()[0], L"1");
  EXPECT_TRUE(app.CustomCommandLineValues()[1].empty());
  app.FreeLibcefLibrary();
  EXPECT_EQ(app.Status(), asUnloaded);
}

TEST(EngineSettings, ProcessAndMemoryFigures) {
  TCefApplication app(std::vector<std::wstring>{});
  EXPECT_GT(app.UsedMemory(), 0u);  // this process's own working set at least
  EXPECT_EQ(app.ChildProcessesCount(), 0);
  EXPECT_GT(app.TotalSystemMemory(), 0u);
  EXPECT_GT(app.AvailableSystemMemory(), 0u);
  EXPECT_LE(app.AvailableSystemMemory(), app.TotalSystemMemory());
  EXPECT_LE(app.SystemMemoryLoad(), 100u);
}

}  // namespace
