#include "standin/control.h"

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <map>
#include <thread>

#include "standin/browser.h"
#include "standin/children.h"
#include "standin/downloads.h"
#include "standin/hook_objects.h"
#include "standin/navigation.h"
#include "standin/net_objects.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {
namespace {

using Args = std::map<std::string, std::wstring>;

std::wstring Unescape(const std::string& value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '%' && i + 2 < value.size() && std::isxdigit(value[i + 1] & 0xFF) &&
        std::isxdigit(value[i + 2] & 0xFF)) {
      out += static_cast<char>(std::strtol(value.substr(i + 1, 2).c_str(), nullptr, 16));
      i += 2;
    } else {
      out += value[i];
    }
  }
  return Utf8ToUtf16(out);
}

int Number(const Args& args, const char* key, int fallback) {
  auto found = args.find(key);
  return found == args.end() || found->second.empty() ? fallback : _wtoi(found->second.c_str());
}

std::wstring Text(const Args& args, const char* key, const std::wstring& fallback = L"") {
  auto found = args.find(key);
  return found == args.end() ? fallback : found->second;
}

cef_string_t Record(const std::wstring& text) {
  return cef_string_t{const_cast<wchar_t*>(text.c_str()), text.size(), nullptr};
}

std::string Id(const Browser& browser) { return " id=" + std::to_string(browser.id); }

void Popup(std::shared_ptr<Browser> opener, const Args& args) {
  const std::wstring url = Text(args, "url", L"about:blank");
  const std::wstring name = Text(args, "name");
  cef_popup_features_t features{};
  cef_window_info_t window{};
  window.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
  window.parent_window = opener->Window();
  cef_browser_settings_t settings{};
  settings.size = sizeof settings;
  // In/out: the program may replace the client (releasing the one it was given).
  cef_client_t* client = opener->Client().get();
  if (client) AddRefProgramObject(client);  // the opener still holds its own reference
  cef_dictionary_value_t* extra = nullptr;
  int no_script_access = 0;
  int blocked = 0;
  auto handler = opener->Get(&cef_client_t::get_life_span_handler);
  if (handler && handler->on_before_popup) {
    cef_string_t u = Record(url), n = Record(name);
    blocked =
        handler->on_before_popup(handler.get(), opener->NewBrowserRef(), opener->NewFrameRef(), &u,
                                 &n, WOD_NEW_POPUP, Number(args, "gesture", 1), &features, &window,
                                 &client, &settings, &extra, &no_script_access);
    // The reference that went in is the program's; only a replaced client carries one back.
    if (client != nullptr && client == opener->Client().get()) AddRefProgramObject(client);
  }
  CreateParams params;
  params.client.reset(client);
  params.extra_info.reset(extra);
  Trace("before-popup" + Id(*opener) + " url=" + TraceValue(url) +
        " result=" + std::to_string(blocked ? 1 : 0));
  if (blocked) return;
  params.window = window;
  params.name = FromRecord(&window.window_name);
  params.window.window_name = cef_string_t{};
  params.url = url;
  params.popup = true;
  params.opener = opener->Window();
  params.context = opener->Context();
  Browser::Create(std::move(params));
}

void JsDialog(std::shared_ptr<Browser> browser, const Args& args) {
  const std::wstring type = Text(args, "type", L"alert");
  const cef_jsdialog_type_t kind = type == L"confirm"  ? JSDIALOGTYPE_CONFIRM
                                   : type == L"prompt" ? JSDIALOGTYPE_PROMPT
                                                       : JSDIALOGTYPE_ALERT;
  const std::wstring text = Text(args, "text"), prompt = Text(args, "default");
  const std::wstring origin = browser->CurrentPage().url;
  Trace("jsdialog" + Id(*browser) + " type=" + std::to_string(kind));
  auto handler = browser->Get(&cef_client_t::get_jsdialog_handler);
  std::weak_ptr<Browser> weak = browser;
  cef_jsdialog_callback_t* callback = NewJsDialogCallback([weak](bool success, std::wstring input) {
    auto b = weak.lock();
    if (!b) return;
    Trace("jsdialog-result" + Id(*b) + " success=" + (success ? "1" : "0") +
          " input=" + TraceValue(input));
    PostClosure(TID_UI, [b] {
      if (auto h = b->Get(&cef_client_t::get_jsdialog_handler); h && h->on_dialog_closed) {
        h->on_dialog_closed(h.get(), b->NewBrowserRef());
      }
    });
  });
  int suppress = 0;
  int handled = 0;
  if (handler && handler->on_jsdialog) {
    cef_string_t o = Record(origin), m = Record(text), d = Record(prompt);
    AddRefProgramObject(callback);
    handled = handler->on_jsdialog(handler.get(), browser->NewBrowserRef(), &o, kind, &m, &d,
                                   callback, &suppress);
  }
  if (!handled) {
    // The engine's own dialog would be modal; the stand-in answers it as dismissed at once.
    Trace(std::string("jsdialog-") + (suppress ? "suppressed" : "default") + Id(*browser));
    if (!suppress) callback->cont(callback, 0, nullptr);
  }
  ReleaseProgramObject(callback);
}

void CertificateError(std::shared_ptr<Browser> browser, const Args& args) {
  const std::wstring url = Text(args, "url", L"https://127.0.0.1/");
  const int code = Number(args, "code", ERR_CERT_AUTHORITY_INVALID);
  Trace("certificate-error" + Id(*browser) + " code=" + std::to_string(code) +
        " url=" + TraceValue(url));
  std::weak_ptr<Browser> weak = browser;
  cef_request_callback_t* callback = NewRequestCallback([weak](bool allow) {
    if (auto b = weak.lock()) {
      Trace("certificate-error-result" + Id(*b) + " allow=" + (allow ? "1" : "0"));
    }
  });
  auto handler = browser->Get(&cef_client_t::get_request_handler);
  int handled = 0;
  if (handler && handler->on_certificate_error) {
    cef_string_t u = Record(url);
    AddRefProgramObject(callback);
    handled = handler->on_certificate_error(
        handler.get(), browser->NewBrowserRef(), static_cast<cef_errorcode_t>(code), &u,
        NewSslInfo(L"127.0.0.1", CERT_STATUS_AUTHORITY_INVALID), callback);
  }
  if (!handled) callback->cancel(callback);  // not handled: the request is cancelled
  ReleaseProgramObject(callback);
}

void PluginQuestion(std::shared_ptr<Browser> browser, const Args& args) {
  ProgramRef<cef_request_context_t> context =
      browser ? browser->Context() : ProgramRef<cef_request_context_t>(NewGlobalRequestContext());
  ProgramRef<cef_request_context_handler_t> handler(RequestContextHandler(context.get()));
  const std::wstring mime = Text(args, "mime", L"application/x-shockwave-flash");
  const std::wstring url = Text(args, "url"), top = Text(args, "top");
  cef_plugin_policy_t policy =
      static_cast<cef_plugin_policy_t>(Number(args, "policy", PLUGIN_POLICY_DETECT_IMPORTANT));
  int result = 0;
  if (handler && handler->on_before_plugin_load) {
    cef_string_t m = Record(mime), u = Record(url), t = Record(top);
    result = handler->on_before_plugin_load(
        handler.get(), &m, &u, Number(args, "main", 1), &t,
        NewWebPluginInfo(L"Shockwave Flash", L"pepflashplayer.dll"), &policy);
  }
  Trace("plugin-policy result=" + std::to_string(result) + " policy=" + std::to_string(policy));
}

void ResourceLoad(std::shared_ptr<Browser> browser, const Args& args) {
  RequestData data;
  data.url = Text(args, "url");
  data.resource_type = static_cast<cef_resource_type_t>(Number(args, "type", RT_SUB_RESOURCE));
  data.transition = TT_LINK;
  data.headers = {{L"Accept", L"*/*"}, {L"Referer", browser->CurrentPage().url}};
  ProgramRef<cef_request_t> request(NewRequest(data));
  LoadResource(*browser, request.get(), false, false);
}

bool Run(const std::string& name, const Args& args) {
  if (name == "hold-renderer-end" || name == "release-renderer-end") {
    HoldChildEnds(name == "hold-renderer-end");
    return true;
  }
  if (name == "context") return PostClosure(TID_UI, &ContextInitialized);
  if (name == "clear-preferences") {
    ClearPreferences();
    return true;
  }
  if (name == "lock-preference") {
    LockPreference(Text(args, "name"), Number(args, "locked", 1) != 0);
    return true;
  }
  std::shared_ptr<Browser> browser;
  if (args.count("browser")) {
    browser = FindBrowser(Number(args, "browser", 0));
  } else if (auto open = OpenBrowsers(); !open.empty()) {
    browser = open.front();
  }
  if (!browser && name != "plugin") return false;
  auto ui = [](std::function<void()> action) { return PostClosure(TID_UI, std::move(action)); };
  if (name == "load") return ui([browser, url = Text(args, "url")] { browser->LoadUrl(url); });
  if (name == "stop") return ui([browser] { browser->StopLoad(); });
  if (name == "close") {
    return ui([browser, force = Number(args, "force", 1)] { browser->CloseBrowser(force != 0); });
  }
  if (name == "hold-close" || name == "release-close") {
    browser->HoldClose(name == "hold-close");
    return true;
  }
  if (name == "popup") return ui([browser, args] { Popup(browser, args); });
  if (name == "jsdialog") return ui([browser, args] { JsDialog(browser, args); });
  if (name == "certificate-error") return ui([browser, args] { CertificateError(browser, args); });
  if (name == "fullscreen") {
    return ui([browser, on = Number(args, "on", 1)] { browser->FullScreenModeChange(on != 0); });
  }
  if (name == "progress") {
    return ui([browser, value = _wtof(Text(args, "value", L"1").c_str())] {
      browser->LoadingProgress(value);
    });
  }
  if (name == "status") return ui([browser, t = Text(args, "text")] { browser->StatusMessage(t); });
  if (name == "download") {
    std::optional<std::wstring> suggested;
    if (args.count("name")) suggested = Text(args, "name");
    DownloadUrl(browser, Text(args, "url"), suggested);
    return true;
  }
  if (name == "context-menu") {
    const int choose = Text(args, "choose") == L"" ? -1 : Number(args, "choose", -1);
    return ui([browser, args, choose] {
      browser->ContextMenu(Number(args, "x", 10), Number(args, "y", 10), choose);
    });
  }
  if (name == "key") {
    cef_key_event_t event{};
    const std::wstring type = Text(args, "type", L"rawkeydown");
    event.type = type == L"keyup"  ? KEYEVENT_KEYUP
                 : type == L"char" ? KEYEVENT_CHAR
                                   : KEYEVENT_RAWKEYDOWN;
    event.windows_key_code = Number(args, "code", 0);
    event.modifiers = static_cast<uint32>(Number(args, "modifiers", 0));
    if (event.type == KEYEVENT_CHAR) event.character = static_cast<char16>(event.windows_key_code);
    return ui([browser, event] {
      MSG os_event{browser->RenderWindow(),
                   static_cast<UINT>(event.type == KEYEVENT_KEYUP ? WM_KEYUP : WM_KEYDOWN),
                   static_cast<WPARAM>(event.windows_key_code),
                   0,
                   static_cast<DWORD>(GetMessageTime()),
                   {0, 0}};
      browser->KeyEvent(event, &os_event);
    });
  }
  if (name == "resource") {
    return PostClosure(TID_IO, [browser, args] { ResourceLoad(browser, args); });
  }
  if (name == "plugin")
    return PostClosure(TID_IO, [browser, args] { PluginQuestion(browser, args); });
  return false;
}

struct Watcher {
  std::atomic<bool> stop{false};
  std::thread thread;
};

Watcher*& CurrentWatcher() {
  static Watcher* watcher = nullptr;
  return watcher;
}

// Reads the lines appended to the control file since the last look, every 50 ms.
void Watch(Watcher* watcher, std::wstring path) {
  uint64 offset = 0;
  std::string pending;
  while (!watcher->stop) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      LARGE_INTEGER at;
      at.QuadPart = static_cast<LONGLONG>(offset);
      SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
      char buffer[4096];
      DWORD read = 0;
      while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        offset += read;
        pending.append(buffer, read);
      }
      CloseHandle(file);
    }
    for (size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
      std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) RunCommand(line);
    }
    Sleep(50);
  }
}

}  // namespace

bool RunCommand(const std::string& line) {
  std::string name;
  Args args;
  size_t begin = 0;
  while (begin < line.size()) {
    size_t end = line.find(' ', begin);
    if (end == std::string::npos) end = line.size();
    const std::string word = line.substr(begin, end - begin);
    begin = end + 1;
    if (word.empty()) continue;
    const size_t equals = word.find('=');
    if (name.empty()) {
      name = word;
    } else if (equals != std::string::npos) {
      args[word.substr(0, equals)] = Unescape(word.substr(equals + 1));
    }
  }
  Trace("control " + name);
  if (!name.empty() && Run(name, args)) return true;
  Trace("control-error " + (name.empty() ? std::string("empty") : name));
  return false;
}

void StartControl() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(L"OSTREL_STANDIN_CONTROL", path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH || CurrentWatcher()) return;
  auto* watcher = new Watcher;
  // Lines already in the file run at once; a command that needs a browser fails without one.
  watcher->thread = std::thread(&Watch, watcher, std::wstring(path, n));
  CurrentWatcher() = watcher;
}

void StopControl() {
  Watcher* watcher = std::exchange(CurrentWatcher(), nullptr);
  if (!watcher) return;
  watcher->stop = true;
  watcher->thread.join();
  delete watcher;
}

}  // namespace standin

extern "C" {

int standin_command(const char* line) { return line && standin::RunCommand(line) ? 1 : 0; }

}  // extern "C"
