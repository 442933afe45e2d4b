// The handler objects of the application callback object: which ones each process gets, and
// what their callbacks give back to the engine, driven through the engine structures.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/application/cef_app_own.h"
#include "engine/application/cef_application.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_scheme_registrar_ref.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/loaded_engine.h"

namespace {

using Arguments = std::vector<std::wstring>;

// The application callback object of `cefApp` as the engine holds it (one engine reference).
class EngineApp {
 public:
  explicit EngineApp(TCefApplication& cefApp)
      : FData(static_cast<cef_app_t*>(
            EngineDataFromInterface(MakeRefCounted<TCustomCefApp>(&cefApp)))) {}
  ~EngineApp() { FData->base.release(&FData->base); }
  EngineApp(const EngineApp&) = delete;
  EngineApp& operator=(const EngineApp&) = delete;

  cef_app_t* operator->() const { return FData; }

  // Each getter hands the engine a reference, given back here at once: the application object
  // keeps its own, so the structure stays valid while this object lives.
  template <class S>
  static S* Peek(S* handler) {
    if (handler != nullptr) handler->base.release(&handler->base);
    return handler;
  }
  cef_resource_bundle_handler_t* Bundle() const {
    return Peek(FData->get_resource_bundle_handler(FData));
  }
  cef_browser_process_handler_t* Browser() const {
    return Peek(FData->get_browser_process_handler(FData));
  }
  cef_render_process_handler_t* Render() const {
    return Peek(FData->get_render_process_handler(FData));
  }
  cef_load_handler_t* Load() const {
    cef_render_process_handler_t* render = Render();
    return render == nullptr ? nullptr : Peek(render->get_load_handler(render));
  }

 private:
  cef_app_t* FData;
};

// ---- Creation rules ----

struct RuleCase {
  const char* name;
  Arguments arguments;
  std::function<void(TCefApplication&)> setup;
  bool bundle, browser, render, load;
};

// Test names show the case's name, not its bytes.
void PrintTo(const RuleCase& rule, std::ostream* out) { *out << rule.name; }

class HandlerCreationRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(HandlerCreationRules, EachProcessGetsTheHandlersItAsksFor) {
  const RuleCase& c = GetParam();
  TCefApplication cefApp(c.arguments);
  if (c.setup) c.setup(cefApp);
  EXPECT_EQ(cefApp.GetMustCreateResourceBundleHandler(), c.bundle);
  EXPECT_EQ(cefApp.GetMustCreateBrowserProcessHandler(), c.browser);
  EXPECT_EQ(cefApp.GetMustCreateRenderProcessHandler(), c.render);
  EXPECT_EQ(cefApp.GetMustCreateLoadHandler(), c.load);
  EngineApp app(cefApp);
  EXPECT_EQ(app.Bundle() != nullptr, c.bundle);
  EXPECT_EQ(app.Browser() != nullptr, c.browser);
  EXPECT_EQ(app.Render() != nullptr, c.render);
  EXPECT_EQ(app.Load() != nullptr, c.load);
}

const Arguments kBrowser{};
const Arguments kRenderer{L"--type=renderer"};
const Arguments kGpu{L"--type=gpu-process"};
const Arguments kUtility{L"--type=utility"};

INSTANTIATE_TEST_SUITE_P(
    Table, HandlerCreationRules,
    ::testing::Values(
        // The program's settings: the browser process reports its context, nothing else.
        RuleCase{"ProgramBrowser", kBrowser, nullptr, false, true, false, false},
        RuleCase{"ProgramRenderer", kRenderer, nullptr, false, false, false, false},
        RuleCase{"ProgramGpu", kGpu, nullptr, false, false, false, false},
        RuleCase{"NoBrowserHandlerWanted", kBrowser,
                 [](TCefApplication& a) { a.SetMustCreateBrowserProcessHandler(false); }, false,
                 false, false, false},
        RuleCase{"BrowserEventSet", kBrowser,
                 [](TCefApplication& a) {
                   a.SetMustCreateBrowserProcessHandler(false);
                   a.OnScheduleMessagePumpWork = [](int64_t) {};
                 },
                 false, true, false, false},
        RuleCase{"BundleInBrowser", kBrowser,
                 [](TCefApplication& a) { a.SetMustCreateResourceBundleHandler(true); }, true, true,
                 false, false},
        RuleCase{"BundleEventInRenderer", kRenderer,
                 [](TCefApplication& a) {
                   a.OnGetDataResource = [](int32_t, void*&, size_t&, bool&) {};
                 },
                 true, false, false, false},
        RuleCase{"NoBundleInGpu", kGpu,
                 [](TCefApplication& a) { a.SetMustCreateResourceBundleHandler(true); }, false,
                 false, false, false},
        RuleCase{"RenderWithoutLoad", kRenderer,
                 [](TCefApplication& a) { a.SetMustCreateRenderProcessHandler(true); }, false,
                 false, true, false},
        RuleCase{"RenderEventWithoutLoad", kRenderer,
                 [](TCefApplication& a) { a.OnWebKitInitialized = [] {}; }, false, false, true,
                 false},
        RuleCase{"NoRenderInBrowser", kBrowser,
                 [](TCefApplication& a) {
                   a.SetMustCreateRenderProcessHandler(true);
                   a.SetMustCreateLoadHandler(true);
                 },
                 false, true, false, false},
        RuleCase{"LoadBringsRender", kRenderer,
                 [](TCefApplication& a) { a.SetMustCreateLoadHandler(true); }, false, false, true,
                 true},
        RuleCase{"LoadEventBringsRender", kRenderer,
                 [](TCefApplication& a) {
                   a.OnLoadEnd = [](const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                    int32_t) {};
                 },
                 false, false, true, true},
        RuleCase{"SingleProcessAllInUtility", kUtility,
                 [](TCefApplication& a) {
                   a.SetSingleProcess(true);
                   a.SetMustCreateBrowserProcessHandler(false);
                 },
                 true, true, true, true}),
    [](const ::testing::TestParamInfo<RuleCase>& rule) { return std::string(rule.param.name); });

TEST(HandlerCreationRules, NoBrowserHandlerMeansTheContextCountsAsReady) {
  TCefApplication cefApp(kBrowser);
  EXPECT_FALSE(cefApp.GlobalContextInitialized());
  cefApp.SetMustCreateBrowserProcessHandler(false);
  EXPECT_TRUE(cefApp.GlobalContextInitialized());
}

// ---- Callbacks ----

using FakeBrowser = FakeEngineObject<cef_browser_t>;
using FakeFrame = FakeEngineObject<cef_frame_t>;

TEST(RenderProcessHandler, ProcessMessageHandledFlagComesFromTheEvent) {
  TCefApplication cefApp(kRenderer);
  cefApp.SetMustCreateRenderProcessHandler(true);
  EngineApp app(cefApp);
  cef_render_process_handler_t* render = app.Render();
  ASSERT_NE(render, nullptr);

  FakeBrowser browser;
  FakeFrame frame;
  FakeEngineObject<cef_process_message_t> message;
  // No event: not handled, and every argument's reference is released.
  EXPECT_EQ(render->on_process_message_received(render, browser.Get(), frame.Get(), PID_BROWSER,
                                                message.Get()),
            0);
  EXPECT_EQ(browser.refs + frame.refs + message.refs, 0);

  cef_process_id_t seen = PID_RENDERER;
  cefApp.OnProcessMessageReceived = [&](const CefRefPtr<ICefBrowser>& b,
                                        const CefRefPtr<ICefFrame>& f, cef_process_id_t source,
                                        const CefRefPtr<ICefProcessMessage>& m, bool& handled) {
    EXPECT_TRUE(b && f && m);
    EXPECT_FALSE(handled);  // starts as "not handled"
    seen = source;
    handled = true;
  };
  FakeBrowser browser2;
  FakeFrame frame2;
  FakeEngineObject<cef_process_message_t> message2;
  EXPECT_EQ(render->on_process_message_received(render, browser2.Get(), frame2.Get(), PID_BROWSER,
                                                message2.Get()),
            1);
  EXPECT_EQ(seen, PID_BROWSER);
  EXPECT_EQ(browser2.refs + frame2.refs + message2.refs, 0);

  cefApp.OnProcessMessageReceived = [](const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                       cef_process_id_t, const CefRefPtr<ICefProcessMessage>&,
                                       bool&) { throw std::runtime_error("event failed"); };
  EXPECT_EQ(render->on_process_message_received(render, nullptr, nullptr, PID_BROWSER, nullptr), 0);
}

TEST(RenderProcessHandler, ScriptObjectsAreReleasedOnceEvenWhenDetached) {
  TCefApplication cefApp(kRenderer);
  int events = 0;
  cefApp.OnUncaughtException = [&](const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                   const CefRefPtr<ICefScriptObject>& context,
                                   const CefRefPtr<ICefScriptObject>& exception,
                                   const CefRefPtr<ICefScriptObject>& stack_trace) {
    EXPECT_TRUE(context && exception && stack_trace);
    ++events;
  };
  auto custom = MakeRefCounted<TCustomCefApp>(&cefApp);
  auto* render = static_cast<cef_render_process_handler_t*>(
      EngineDataFromInterface(custom->GetRenderProcessHandler()));
  ASSERT_NE(render, nullptr);
  for (bool detached : {false, true}) {
    if (detached) custom->RemoveReferences();
    FakeEngineObject<cef_v8context_t> context;
    FakeEngineObject<cef_v8exception_t> exception;
    FakeEngineObject<cef_v8stack_trace_t> stack_trace;
    FakeEngineObject<cef_domnode_t> node;
    render->on_uncaught_exception(render, nullptr, nullptr, context.Get(), exception.Get(),
                                  stack_trace.Get());
    render->on_focused_node_changed(render, nullptr, nullptr, node.Get());
    EXPECT_EQ(context.release_calls + exception.release_calls + stack_trace.release_calls +
                  node.release_calls,
              4);
    EXPECT_EQ(context.add_ref_calls + exception.add_ref_calls + stack_trace.add_ref_calls, 0);
  }
  EXPECT_EQ(events, 1);
  render->base.release(&render->base);
}

TEST(RenderLoadHandler, LoadEventsReachTheApplication) {
  TCefApplication cefApp(kRenderer);
  int status = 0;
  cefApp.OnLoadEnd = [&](const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                         int32_t http_status) {
    EXPECT_TRUE(browser && frame);
    status = http_status;
  };
  EngineApp app(cefApp);
  cef_load_handler_t* load = app.Load();
  ASSERT_NE(load, nullptr);
  FakeBrowser browser;
  FakeFrame frame;
  load->on_load_end(load, browser.Get(), frame.Get(), 404);
  EXPECT_EQ(status, 404);
  EXPECT_EQ(browser.refs + frame.refs, 0);
}

class ResourceBundleHandler : public LoadedEngine {};

TEST_F(ResourceBundleHandler, LocalizedStringIsCopiedOnlyWhenSupplied) {
  TCefApplication cefApp(kBrowser);
  cefApp.SetMustCreateResourceBundleHandler(true);
  EngineApp app(cefApp);
  cef_resource_bundle_handler_t* bundle = app.Bundle();
  ASSERT_NE(bundle, nullptr);
  ASSERT_EQ(bundle->base.size, 64u);

  cef_string_t text{};
  EXPECT_EQ(bundle->get_localized_string(bundle, 7, &text), 0);  // no event
  EXPECT_EQ(text.length, 0u);

  cefApp.OnGetLocalizedString = [](int32_t id, ustring& value, bool& result) {
    EXPECT_TRUE(value.empty());  // emptied before the event
    value = L"Text " + std::to_wstring(id);
    result = id == 7;
  };
  EXPECT_EQ(bundle->get_localized_string(bundle, 8, &text), 0);
  EXPECT_EQ(text.length, 0u);
  EXPECT_EQ(bundle->get_localized_string(bundle, 7, &text), 1);
  EXPECT_EQ(CopyAndClearEngineString(&text), L"Text 7");
}

TEST_F(ResourceBundleHandler, DataResourceSlotsAreWrittenOnlyWhenSupplied) {
  TCefApplication cefApp(kRenderer);
  static char resource[] = "resource";
  cefApp.OnGetDataResourceForScale = [](int32_t id, cef_scale_factor_t scale, void*& data,
                                        size_t& size, bool& result) {
    data = resource;
    size = sizeof(resource);
    result = id == 1 && scale == SCALE_FACTOR_200P;
  };
  EngineApp app(cefApp);
  cef_resource_bundle_handler_t* bundle = app.Bundle();
  ASSERT_NE(bundle, nullptr);
  void* data = nullptr;
  size_t size = 0;
  EXPECT_EQ(bundle->get_data_resource(bundle, 1, &data, &size), 0);  // its event is unset
  EXPECT_EQ(bundle->get_data_resource_for_scale(bundle, 1, SCALE_FACTOR_100P, &data, &size), 0);
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(bundle->get_data_resource_for_scale(bundle, 1, SCALE_FACTOR_200P, &data, &size), 1);
  EXPECT_EQ(data, resource);
  EXPECT_EQ(size, sizeof(resource));
  EXPECT_EQ(bundle->get_data_resource_for_scale(bundle, 1, SCALE_FACTOR_200P, nullptr, &size), 0);
}

// ---- Custom schemes ----

std::vector<std::wstring> g_schemes;

int CEF_CALLBACK AddCustomScheme(cef_scheme_registrar_t*, const cef_string_t* name, int options) {
  g_schemes.push_back(CopyEngineString(name) + L":" + std::to_wstring(options));
  return 1;
}

TEST(CustomSchemes, RegistrarReachesTheEventForTheCallOnly) {
  TCefApplication cefApp(kRenderer);  // every process registers its schemes
  cefApp.OnRegCustomSchemes = [](TCefSchemeRegistrarRef* registrar) {
    ASSERT_NE(registrar, nullptr);
    EXPECT_TRUE(registrar->AddCustomScheme(L"ostrel", 1));
  };
  cef_scheme_registrar_t registrar{};
  registrar.base.size = sizeof(registrar);
  registrar.add_custom_scheme = AddCustomScheme;
  g_schemes.clear();
  EngineApp app(cefApp);
  app->on_register_custom_schemes(app.operator->(), &registrar);
  EXPECT_EQ(g_schemes, std::vector<std::wstring>{L"ostrel:1"});

  cefApp.OnRegCustomSchemes = [](TCefSchemeRegistrarRef*) { throw std::runtime_error("x"); };
  app->on_register_custom_schemes(app.operator->(), &registrar);  // returns normally
}

}  // namespace
