// Group "application", the part every run goes through: cef_execute_process, cef_initialize and
// cef_shutdown. The sequence follows the real engine in the browser process:
//   cef_execute_process -> -1 at once (no --type= switch); the app reference is released.
//   cef_initialize -> starts the engine threads, then on the UI thread calls the app's
//     on_before_command_line_processing (process type empty), on_register_custom_schemes,
//     get_resource_bundle_handler and get_browser_process_handler, and returns 1 once those
//     returned; on_context_initialized follows later, from a task on the UI thread.
//   cef_shutdown -> on the initialising thread: stops the threads (queued tasks are dropped and
//     released), releases the handlers and the app, and reports what is still referenced.
//   After initialisation the process-launcher thread starts the GPU and utility sub-processes
//   (children.h); cef_shutdown ends them after the threads have stopped.
// In a sub-process (--type=<t>) cef_execute_process calls on_before_command_line_processing with
// that type, waits until its end event is signalled or the browser process named by
// --standin-parent=<pid> ends (without the switch it ends at once) and returns 0.

#include <memory>
#include <mutex>
#include <string>

#include "standin/browser.h"
#include "standin/capi.h"
#include "standin/children.h"
#include "standin/command_line.h"
#include "standin/control.h"
#include "standin/downloads.h"
#include "standin/log.h"
#include "standin/refcount.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {
namespace {

// How long cef_shutdown waits for the sub-processes to end before it terminates them.
constexpr unsigned kChildEndWaitMs = 5000;

struct Engine {
  std::mutex lock;
  bool initialized = false;
  int runs = 0;  // completed initialisations in this process
  DWORD init_thread = 0;
  ProgramRef<cef_app_t> app;
  ProgramRef<cef_resource_bundle_handler_t> bundle_handler;
  ProgramRef<cef_browser_process_handler_t> browser_handler;
};

Engine& State() {
  static Engine* engine = new Engine;
  return *engine;
}

std::string SettingsLine(const cef_settings_t& s) {
  auto text = [](const char* name, const cef_string_t& value) {
    return std::string(" ") + name + "=" + TraceValue(FromRecord(&value));
  };
  auto number = [](const char* name, long long value) {
    return std::string(" ") + name + "=" + std::to_string(value);
  };
  return "settings" + number("size", static_cast<long long>(s.size)) +
         number("no_sandbox", s.no_sandbox) +
         text("browser_subprocess_path", s.browser_subprocess_path) +
         text("framework_dir_path", s.framework_dir_path) +
         text("main_bundle_path", s.main_bundle_path) +
         number("multi_threaded_message_loop", s.multi_threaded_message_loop) +
         number("external_message_pump", s.external_message_pump) +
         number("windowless_rendering_enabled", s.windowless_rendering_enabled) +
         number("command_line_args_disabled", s.command_line_args_disabled) +
         text("cache_path", s.cache_path) + text("root_cache_path", s.root_cache_path) +
         text("user_data_path", s.user_data_path) +
         number("persist_session_cookies", s.persist_session_cookies) +
         number("persist_user_preferences", s.persist_user_preferences) +
         text("user_agent", s.user_agent) + text("product_version", s.product_version) +
         text("locale", s.locale) + text("log_file", s.log_file) +
         number("log_severity", s.log_severity) + text("javascript_flags", s.javascript_flags) +
         text("resources_dir_path", s.resources_dir_path) +
         text("locales_dir_path", s.locales_dir_path) +
         number("pack_loading_disabled", s.pack_loading_disabled) +
         number("remote_debugging_port", s.remote_debugging_port) +
         number("uncaught_exception_stack_size", s.uncaught_exception_stack_size) +
         number("ignore_certificate_errors", s.ignore_certificate_errors) +
         number("enable_net_security_expiration", s.enable_net_security_expiration) +
         number("background_color", s.background_color) +
         text("accept_language_list", s.accept_language_list) +
         text("application_client_id_for_file_scanning", s.application_client_id_for_file_scanning);
}

// The registrar lives only for the callback and is not counted (a scoped engine structure).
int CEF_CALLBACK AddCustomScheme(cef_scheme_registrar_t*, const cef_string_t* scheme_name,
                                 int options) {
  Trace("custom-scheme " + TraceValue(FromRecord(scheme_name)) +
        " options=" + std::to_string(options));
  return 1;
}

void CEF_CALLBACK DeleteRegistrar(cef_base_scoped_t*) {}  // owned by the engine

void ProcessCommandLineSwitches(cef_app_t* app, const std::wstring& process_type) {
  Trace("app on_before_command_line_processing type=" + TraceValue(process_type));
  if (!app->on_before_command_line_processing) return;
  auto* view = new CommandLine(ProcessCommandLine(), false, true);
  // The engine passes an empty type as an empty record without a buffer.
  cef_string_t type{process_type.empty() ? nullptr : const_cast<wchar_t*>(process_type.c_str()),
                    process_type.size(), nullptr};
  // The argument carries a reference for the program; the engine keeps its own until after the
  // call and then invalidates the object.
  app->on_before_command_line_processing(app, &type, view->Share());
  view->Detach();
  view->Release();
}

void RegisterCustomSchemes(cef_app_t* app) {
  Trace("app on_register_custom_schemes");
  if (!app->on_register_custom_schemes) return;
  cef_scheme_registrar_t registrar{};
  registrar.base.size = sizeof registrar;
  registrar.base.del = &DeleteRegistrar;
  registrar.add_custom_scheme = &AddCustomScheme;
  app->on_register_custom_schemes(app, &registrar);
}

const char* Presence(const void* object) { return object ? "object" : "null"; }

cef_browser_process_handler_t* BrowserProcessHandler() {
  Engine& engine = State();
  std::lock_guard<std::mutex> guard(engine.lock);
  return engine.browser_handler.get();  // held until the threads are stopped
}

void StartServiceChildren() {
  StartChild(L"gpu-process", L"", BrowserProcessHandler());
  StartChild(L"utility", L"--utility-sub-type=network.mojom.NetworkService",
             BrowserProcessHandler());
}

// Runs on the UI thread.
void BrowserStartup(cef_app_t* app, const Faults& faults) {
  if (app) {
    ProcessCommandLineSwitches(app, std::wstring());
    RegisterCustomSchemes(app);
    cef_resource_bundle_handler_t* bundle = nullptr;
    if (app->get_resource_bundle_handler) bundle = app->get_resource_bundle_handler(app);
    Trace(std::string("app get_resource_bundle_handler result=") + Presence(bundle));
    cef_browser_process_handler_t* browser = nullptr;
    if (app->get_browser_process_handler) browser = app->get_browser_process_handler(app);
    Trace(std::string("app get_browser_process_handler result=") + Presence(browser));
    Engine& engine = State();
    std::lock_guard<std::mutex> guard(engine.lock);
    engine.bundle_handler.reset(bundle);
    engine.browser_handler.reset(browser);
  }
  if (!faults.context_never) PostClosure(TID_UI, &ContextInitialized, faults.context_late_ms);
  PostClosure(TID_PROCESS_LAUNCHER, &StartServiceChildren);
}

void ReportLiveObjects() {
  const std::vector<std::string> types = LiveObjectTypes();
  Trace("shutdown live=" + std::to_string(types.size()));
  for (const std::string& type : types) Trace("leak " + type);
  if (!types.empty()) {
    WriteLog(__FILE__, __LINE__, 2,
             "Object reference incorrectly held at CefShutdown: " + std::to_string(types.size()) +
                 " engine object(s) still referenced");
  }
}

}  // namespace

void ContextInitialized() {
  Trace(std::string("context-initialized thread=") + ThreadName(CurrentEngineThread()));
  cef_browser_process_handler_t* handler = BrowserProcessHandler();
  if (handler && handler->on_context_initialized) handler->on_context_initialized(handler);
}

}  // namespace standin

extern "C" {

int cef_execute_process(const struct _cef_main_args_t*, cef_app_t* application, void*) {
  using namespace standin;
  ProgramRef<cef_app_t> app(application);
  std::shared_ptr<CommandLineData> line = ProcessCommandLine();
  const std::wstring type = line->SwitchValue(L"type");
  if (type.empty()) {
    Trace("execute-process result=-1");
    return -1;
  }
  if (app) ProcessCommandLineSwitches(app.get(), type);
  WaitForEndOfChild(*line);
  Trace("process type=" + TraceValue(type) + " exit=0");
  return 0;
}

int cef_initialize(const struct _cef_main_args_t*, const struct _cef_settings_t* settings,
                   cef_app_t* application, void*) {
  using namespace standin;
  ProgramRef<cef_app_t> app(application);
  Engine& engine = State();
  std::unique_lock<std::mutex> guard(engine.lock);
  if (engine.initialized) {
    Trace("misuse initialize-twice");
    Trace("initialize result=0");
    return 0;
  }
  if (!settings || settings->size != sizeof(cef_settings_t)) {
    Trace("initialize result=0 reason=settings-size");
    return 0;
  }
  Trace(SettingsLine(*settings));
  // The real engine cannot be initialised again in the same process.
  if (engine.runs > 0) Trace("misuse initialize-after-shutdown");
  const Faults faults = ReadFaults();
  if (faults.init_fail) {
    Trace("fault init-fail");
    Trace("initialize result=0");
    return 0;
  }
  if (!settings->multi_threaded_message_loop) Trace("unsupported multi_threaded_message_loop=0");
  OpenLog(FromRecord(&settings->log_file), settings->log_severity);
  SetChildProgram(FromRecord(&settings->browser_subprocess_path));
  StartEngineThreads();
  engine.initialized = true;
  engine.init_thread = GetCurrentThreadId();
  ++engine.runs;
  engine.app = std::move(app);
  cef_app_t* raw_app = engine.app.get();
  guard.unlock();

  // The engine returns once its UI thread has started up; the context comes later.
  HANDLE started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const bool posted = PostClosure(TID_UI, [raw_app, faults, started] {
    BrowserStartup(raw_app, faults);
    SetEvent(started);
  });
  if (posted) WaitForSingleObject(started, INFINITE);
  CloseHandle(started);
  StartControl();
  Trace("initialize result=1");
  return 1;
}

void cef_shutdown(void) {
  using namespace standin;
  Engine& engine = State();
  {
    std::lock_guard<std::mutex> guard(engine.lock);
    if (!engine.initialized) {
      Trace("misuse shutdown-without-initialize");
      return;
    }
    if (CurrentEngineThread() >= 0) {
      Trace("misuse shutdown-on-engine-thread");  // would deadlock joining itself
      return;
    }
    if (GetCurrentThreadId() != engine.init_thread) Trace("misuse shutdown-wrong-thread");
    engine.initialized = false;
  }
  // The program must close every browser first; the real engine stops here in a debug build.
  AbandonBrowsers();
  StopControl();
  EndDownloads();
  StopEngineThreads();
  EndAllChildren(kChildEndWaitMs);
  // No engine thread runs any more: nobody else touches the held references.
  engine.bundle_handler.reset();
  engine.browser_handler.reset();
  engine.app.reset();
  DropProcessCommandLine();
  ReportLiveObjects();
  CloseLog();
}

}  // extern "C"
