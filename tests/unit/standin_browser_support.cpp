#include "tests/unit/standin_browser_support.h"

#include <algorithm>

namespace standin_test {
namespace {

std::wstring Str(const cef_string_t* record) {
  return record && record->str ? std::wstring(record->str, record->length) : std::wstring();
}

std::string Utf8(const cef_string_t* record) { return Narrow(Str(record)); }

std::map<std::wstring, std::wstring> ReadMultimap(cef_string_multimap_t map) {
  std::map<std::wstring, std::wstring> out;
  for (size_t i = 0; i < Engine().cef_string_multimap_size(map); ++i) {
    cef_string_t key{}, value{};
    Engine().cef_string_multimap_key(map, i, &key);
    Engine().cef_string_multimap_value(map, i, &value);
    out[Str(&key)] = Str(&value);
    Engine().cef_string_utf16_clear(&key);
    Engine().cef_string_utf16_clear(&value);
  }
  return out;
}

int BrowserId(cef_browser_t* browser) { return browser ? browser->get_identifier(browser) : 0; }

// The callback's browser argument: its identifier, then the reference is released.
std::string Take(cef_browser_t* browser) {
  const int id = BrowserId(browser);
  Release(browser);
  return std::to_string(id);
}

using C = FakeClient;

void InstallClient(FakeClient* c) {
  cef_client_t* s = c->client.object.Get();
  s->get_life_span_handler = [](cef_client_t* self) {
    return Part<cef_client_t, C>::Of(self)->life_span.Give();
  };
  s->get_load_handler = [](cef_client_t* self) {
    return Part<cef_client_t, C>::Of(self)->load.Give();
  };
  s->get_display_handler = [](cef_client_t* self) {
    return Part<cef_client_t, C>::Of(self)->display.Give();
  };
  s->get_request_handler = [](cef_client_t* self) {
    return Part<cef_client_t, C>::Of(self)->request.Give();
  };
  s->get_keyboard_handler = [](cef_client_t* self) {
    return Part<cef_client_t, C>::Of(self)->keyboard.Give();
  };
  s->get_context_menu_handler = [](cef_client_t* self) {
    return Part<cef_client_t, C>::Of(self)->context_menu.Give();
  };
  s->get_jsdialog_handler = [](cef_client_t* self) {
    return Part<cef_client_t, C>::Of(self)->jsdialog.Give();
  };
  s->get_download_handler = [](cef_client_t* self) {
    return Part<cef_client_t, C>::Of(self)->download.Give();
  };
}

void InstallLifeSpan(FakeClient* c) {
  using P = Part<cef_life_span_handler_t, C>;
  cef_life_span_handler_t* s = c->life_span.object.Get();
  s->on_after_created = [](cef_life_span_handler_t* self, cef_browser_t* browser) {
    C* o = P::Of(self);
    cef_browser_t* expected = nullptr;
    if (!o->browser.compare_exchange_strong(expected, browser)) {
      cef_browser_t* no_popup = nullptr;
      if (!o->popup.compare_exchange_strong(no_popup, browser)) Release(browser);
    } else {
      o->after_created_on_ui = EngineThread() == "ui";
    }
    o->Record("after-created " + std::to_string(BrowserId(browser)) + " @" + EngineThread());
  };
  s->do_close = [](cef_life_span_handler_t* self, cef_browser_t* browser) {
    C* o = P::Of(self);
    o->Record("do-close " + Take(browser) + " @" + EngineThread());
    return o->do_close_answer.load();
  };
  s->on_before_close = [](cef_life_span_handler_t* self, cef_browser_t* browser) {
    C* o = P::Of(self);
    const int id = BrowserId(browser);
    for (auto* kept : {&o->browser, &o->popup}) {
      cef_browser_t* held = kept->load();
      if (held && BrowserId(held) == id) Release(kept->exchange(nullptr));
    }
    o->Record("before-close " + Take(browser) + " @" + EngineThread());
  };
  s->on_before_popup = [](cef_life_span_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                          const cef_string_t* url, const cef_string_t*,
                          cef_window_open_disposition_t, int, const cef_popup_features_t*,
                          cef_window_info_t*, cef_client_t** client, cef_browser_settings_t*,
                          cef_dictionary_value_t**, int*) {
    // The client comes with a reference for us; leaving the pointer as it is hands nothing back.
    if (client != nullptr) Release(*client);
    Release(frame);
    P::Of(self)->Record("before-popup " + Take(browser) + " " + Utf8(url));
    return 0;
  };
}

void InstallLoad(FakeClient* c) {
  using P = Part<cef_load_handler_t, C>;
  cef_load_handler_t* s = c->load.object.Get();
  s->on_loading_state_change = [](cef_load_handler_t* self, cef_browser_t* b, int loading, int back,
                                  int forward) {
    P::Of(self)->Record("loading-state " + Take(b) + " " + std::to_string(loading) + " " +
                        std::to_string(back) + " " + std::to_string(forward) + " @" +
                        EngineThread());
  };
  s->on_load_start = [](cef_load_handler_t* self, cef_browser_t* b, cef_frame_t* f,
                        cef_transition_type_t) {
    Release(f);
    P::Of(self)->Record("load-start " + Take(b) + " @" + EngineThread());
  };
  s->on_load_end = [](cef_load_handler_t* self, cef_browser_t* b, cef_frame_t* f, int status) {
    const bool main = f->is_main(f) != 0;
    Release(f);
    P::Of(self)->Record("load-end " + Take(b) + " " + std::to_string(status) +
                        (main ? " main" : "") + " @" + EngineThread());
  };
  s->on_load_error = [](cef_load_handler_t* self, cef_browser_t* b, cef_frame_t* f,
                        cef_errorcode_t code, const cef_string_t* text, const cef_string_t* url) {
    Release(f);
    P::Of(self)->Record("load-error " + Take(b) + " " + std::to_string(code) + " " + Utf8(text) +
                        " " + Utf8(url) + " @" + EngineThread());
  };
}

void InstallDisplay(FakeClient* c) {
  using P = Part<cef_display_handler_t, C>;
  cef_display_handler_t* s = c->display.object.Get();
  s->on_address_change = [](cef_display_handler_t* self, cef_browser_t* b, cef_frame_t* f,
                            const cef_string_t* url) {
    Release(f);
    P::Of(self)->Record("address " + Take(b) + " " + Utf8(url));
  };
  s->on_title_change = [](cef_display_handler_t* self, cef_browser_t* b, const cef_string_t* t) {
    P::Of(self)->Record("title " + Take(b) + " " + Utf8(t));
  };
  s->on_loading_progress_change = [](cef_display_handler_t* self, cef_browser_t* b, double p) {
    P::Of(self)->Record("progress " + Take(b) + " " + std::to_string(static_cast<int>(p * 100)));
  };
  s->on_status_message = [](cef_display_handler_t* self, cef_browser_t* b, const cef_string_t* v) {
    P::Of(self)->Record("status " + Take(b) + " " + Utf8(v));
  };
}

void InstallRequest(FakeClient* c) {
  using P = Part<cef_request_handler_t, C>;
  cef_request_handler_t* s = c->request.object.Get();
  s->on_before_browse = [](cef_request_handler_t* self, cef_browser_t* b, cef_frame_t* f,
                           cef_request_t* r, int, int) {
    cef_string_userfree_t url = r->get_url(r);
    P::Of(self)->Record("before-browse " + Take(b) + " " + Utf8(url) + " @" + EngineThread());
    Engine().cef_string_userfree_utf16_free(url);
    Release(f);
    Release(r);
    return 0;
  };
  s->get_resource_request_handler = [](cef_request_handler_t* self, cef_browser_t* b,
                                       cef_frame_t* f, cef_request_t* r, int navigation, int,
                                       const cef_string_t*, int*) {
    C* o = P::Of(self);
    o->Record("resource-handler " + Take(b) + " navigation=" + std::to_string(navigation) + " @" +
              EngineThread());
    Release(f);
    Release(r);
    return o->resource.Give();
  };
  s->on_render_view_ready = [](cef_request_handler_t* self, cef_browser_t* b) {
    P::Of(self)->Record("render-view-ready " + Take(b) + " @" + EngineThread());
  };
  s->on_certificate_error = [](cef_request_handler_t* self, cef_browser_t* b, cef_errorcode_t code,
                               const cef_string_t* url, cef_sslinfo_t* ssl,
                               cef_request_callback_t* callback) {
    C* o = P::Of(self);
    cef_x509certificate_t* cert = ssl->get_x509certificate(ssl);
    cef_x509cert_principal_t* subject = cert->get_subject(cert);
    cef_string_userfree_t name = subject->get_display_name(subject);
    o->Record("certificate-error " + Take(b) + " " + std::to_string(code) + " " + Utf8(url) +
              " subject=" + Utf8(name));
    Engine().cef_string_userfree_utf16_free(name);
    Release(subject);
    Release(cert);
    Release(ssl);
    if (!o->on_certificate) {
      Release(callback);
      return 0;
    }
    o->on_certificate(callback);
    return 1;
  };
  using R = Part<cef_resource_request_handler_t, C>;
  cef_resource_request_handler_t* rr = c->resource.object.Get();
  rr->on_before_resource_load = [](cef_resource_request_handler_t* self, cef_browser_t* b,
                                   cef_frame_t* f, cef_request_t* r, cef_request_callback_t* cb) {
    C* o = R::Of(self);
    const std::wstring name = L"X-Ostrel-Test", value = L"1";
    cef_string_t n{const_cast<wchar_t*>(name.c_str()), name.size(), nullptr};
    cef_string_t v{const_cast<wchar_t*>(value.c_str()), value.size(), nullptr};
    r->set_header_by_name(r, &n, &v, 1);  // the engine sends what the program adds
    cef_string_multimap_t map = Engine().cef_string_multimap_alloc();
    r->get_header_map(r, map);
    o->last_request_headers = ReadMultimap(map);
    Engine().cef_string_multimap_free(map);
    o->Record("before-resource-load " + Take(b) + " @" + EngineThread());
    Release(f);
    Release(r);
    Release(cb);
    return RV_CONTINUE;
  };
  rr->on_resource_response = [](cef_resource_request_handler_t* self, cef_browser_t* b,
                                cef_frame_t* f, cef_request_t* r, cef_response_t* response) {
    C* o = R::Of(self);
    cef_string_multimap_t map = Engine().cef_string_multimap_alloc();
    response->get_header_map(response, map);
    o->last_response_headers = ReadMultimap(map);
    Engine().cef_string_multimap_free(map);
    o->Record("resource-response " + Take(b) + " " +
              std::to_string(response->get_status(response)) + " @" + EngineThread());
    Release(f);
    Release(r);
    Release(response);
    return 0;
  };
  rr->on_resource_load_complete = [](cef_resource_request_handler_t* self, cef_browser_t* b,
                                     cef_frame_t* f, cef_request_t* r, cef_response_t* response,
                                     cef_urlrequest_status_t status, int64) {
    R::Of(self)->Record("resource-complete " + Take(b) + " " + std::to_string(status));
    Release(f);
    Release(r);
    Release(response);
  };
}

void InstallInput(FakeClient* c) {
  using K = Part<cef_keyboard_handler_t, C>;
  cef_keyboard_handler_t* k = c->keyboard.object.Get();
  k->on_pre_key_event = [](cef_keyboard_handler_t* self, cef_browser_t* b,
                           const cef_key_event_t* event, MSG*, int*) {
    C* o = K::Of(self);
    o->Record("pre-key " + Take(b) + " " + std::to_string(event->windows_key_code) + " @" +
              EngineThread());
    return event->windows_key_code == o->consume_key ? 1 : 0;
  };
  k->on_key_event = [](cef_keyboard_handler_t* self, cef_browser_t* b, const cef_key_event_t* event,
                       MSG*) {
    K::Of(self)->Record("key " + Take(b) + " " + std::to_string(event->windows_key_code));
    return 0;
  };
  using M = Part<cef_context_menu_handler_t, C>;
  cef_context_menu_handler_t* m = c->context_menu.object.Get();
  m->on_before_context_menu = [](cef_context_menu_handler_t* self, cef_browser_t* b, cef_frame_t* f,
                                 cef_context_menu_params_t* params, cef_menu_model_t* model) {
    const int count = model->get_count(model);
    model->clear(model);
    const std::wstring label = L"Open folder";
    cef_string_t text{const_cast<wchar_t*>(label.c_str()), label.size(), nullptr};
    model->add_item(model, 26501, &text);
    M::Of(self)->Record("before-context-menu " + Take(b) + " defaults=" + std::to_string(count) +
                        " x=" + std::to_string(params->get_xcoord(params)));
    Release(f);
    Release(params);
    Release(model);
  };
  m->on_context_menu_command = [](cef_context_menu_handler_t* self, cef_browser_t* b,
                                  cef_frame_t* f, cef_context_menu_params_t* params, int command,
                                  cef_event_flags_t) {
    M::Of(self)->Record("context-menu-command " + Take(b) + " " + std::to_string(command));
    Release(f);
    Release(params);
    return 1;
  };
  m->on_context_menu_dismissed = [](cef_context_menu_handler_t* self, cef_browser_t* b,
                                    cef_frame_t* f) {
    M::Of(self)->Record("context-menu-dismissed " + Take(b));
    Release(f);
  };
  using J = Part<cef_jsdialog_handler_t, C>;
  cef_jsdialog_handler_t* j = c->jsdialog.object.Get();
  j->on_jsdialog = [](cef_jsdialog_handler_t* self, cef_browser_t* b, const cef_string_t*,
                      cef_jsdialog_type_t type, const cef_string_t* text, const cef_string_t*,
                      cef_jsdialog_callback_t* callback, int* suppress) {
    C* o = J::Of(self);
    o->Record("jsdialog " + Take(b) + " " + std::to_string(type) + " " + Utf8(text));
    if (!o->on_jsdialog) {
      *suppress = 1;
      Release(callback);
      return 0;
    }
    o->on_jsdialog(callback);
    return 1;
  };
  j->on_dialog_closed = [](cef_jsdialog_handler_t* self, cef_browser_t* b) {
    J::Of(self)->Record("dialog-closed " + Take(b));
  };
  using D = Part<cef_download_handler_t, C>;
  cef_download_handler_t* d = c->download.object.Get();
  d->on_before_download = [](cef_download_handler_t* self, cef_browser_t* b,
                             cef_download_item_t* item, const cef_string_t* name,
                             cef_before_download_callback_t* callback) {
    C* o = D::Of(self);
    o->Record("before-download " + Take(b) + " " + Utf8(name));
    cef_string_t path{const_cast<wchar_t*>(o->download_path.c_str()), o->download_path.size(),
                      nullptr};
    callback->cont(callback, &path, 0);
    Release(callback);
    Release(item);
  };
  d->on_download_updated = [](cef_download_handler_t* self, cef_browser_t* b,
                              cef_download_item_t* item, cef_download_item_callback_t* callback) {
    D::Of(self)->Record("download-updated " + Take(b) +
                        " complete=" + std::to_string(item->is_complete(item)) +
                        " bytes=" + std::to_string(item->get_received_bytes(item)));
    Release(callback);
    Release(item);
  };
}

template <class P, class O>
void Own(P& part, O* owner) {
  part.owner = owner;
}

}  // namespace

FakeProgram::FakeProgram() {
  Own(app, this);
  Own(handler, this);
  app.object.Get()->get_browser_process_handler = [](cef_app_t* self) {
    return Part<cef_app_t, FakeProgram>::Of(self)->handler.Give();
  };
  cef_browser_process_handler_t* h = handler.object.Get();
  h->on_context_initialized = [](cef_browser_process_handler_t* self) {
    Part<cef_browser_process_handler_t, FakeProgram>::Of(self)->context_ready = true;
  };
  h->on_before_child_process_launch = [](cef_browser_process_handler_t* self,
                                         cef_command_line_t* line) {
    const std::wstring name = L"type";
    cef_string_t key{const_cast<wchar_t*>(name.c_str()), name.size(), nullptr};
    cef_string_userfree_t type = line->get_switch_value(line, &key);
    FakeProgram* o = Part<cef_browser_process_handler_t, FakeProgram>::Of(self);
    {
      std::lock_guard<std::mutex> guard(o->lock);
      o->child_launches.push_back(Utf8(type));
    }
    Engine().cef_string_userfree_utf16_free(type);
    Release(line);
  };
}

FakeProgram::~FakeProgram() { Stop(); }

bool FakeProgram::Start(const std::wstring& subprocess_path) {
  cef_settings_t settings{};
  settings.size = sizeof settings;
  settings.no_sandbox = 1;
  settings.multi_threaded_message_loop = 1;
  settings.log_severity = LOGSEVERITY_DISABLE;
  settings.browser_subprocess_path = Borrow(subprocess_path);
  started_ = Engine().cef_initialize(nullptr, &settings, app.Give(), nullptr) == 1;
  return started_ && PumpUntil([this] { return context_ready.load(); }, 5000);
}

void FakeProgram::Stop() {
  if (started_) Engine().cef_shutdown();
  started_ = false;
}

FakeClient::FakeClient() {
  Own(client, this);
  Own(life_span, this);
  Own(load, this);
  Own(display, this);
  Own(request, this);
  Own(resource, this);
  Own(keyboard, this);
  Own(context_menu, this);
  Own(jsdialog, this);
  Own(download, this);
  InstallClient(this);
  InstallLifeSpan(this);
  InstallLoad(this);
  InstallDisplay(this);
  InstallRequest(this);
  InstallInput(this);
}

void FakeClient::Record(const std::string& event) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    events_.push_back(event);
  }
  changed_.notify_all();
}

std::vector<std::string> FakeClient::Events() {
  std::lock_guard<std::mutex> guard(lock_);
  return events_;
}

std::vector<std::string> FakeClient::Events(const std::string& prefix) {
  std::vector<std::string> matching;
  for (const std::string& event : Events()) {
    if (event.rfind(prefix, 0) == 0) matching.push_back(event);
  }
  return matching;
}

bool FakeClient::WaitFor(const std::string& prefix, int ms) {
  return PumpUntil([&] { return !Events(prefix).empty(); }, ms);
}

int FakeClient::EngineReferences() {
  int total = 0;
  auto count = [&total](auto& part) { total += part.object.refs - 1; };
  count(client);
  count(life_span);
  count(load);
  count(display);
  count(request);
  count(resource);
  count(keyboard);
  count(context_menu);
  count(jsdialog);
  count(download);
  return total;
}

ParentWindow::ParentWindow() {
  window_ = CreateWindowExW(0, L"STATIC", L"standin test parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            0, 0, 640, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

ParentWindow::~ParentWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

cef_window_info_t ChildWindowInfo(HWND parent, int width, int height) {
  cef_window_info_t info{};
  info.style = 0x56010000;  // child, visible, clip children and siblings, tab stop
  info.width = width;
  info.height = height;
  info.parent_window = parent;
  return info;
}

cef_browser_settings_t BrowserSettings() {
  cef_browser_settings_t settings{};
  settings.size = sizeof settings;
  return settings;
}

}  // namespace standin_test
