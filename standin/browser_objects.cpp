// The browser, browser host and frame objects. Every call may come on any thread; actions that
// change the page are posted to the UI thread by the Browser. Counted arguments are released
// here, as the engine does with what it is given.

#include <algorithm>

#include "standin/browser.h"
#include "standin/dev_tools.h"
#include "standin/downloads.h"
#include "standin/host_services.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"
#include "standin/unsimulated.h"

namespace standin {
namespace {

class BrowserObject : public EngineObject<BrowserObject, cef_browser_t> {
 public:
  explicit BrowserObject(std::shared_ptr<Browser> browser)
      : EngineObject("browser"), browser_(std::move(browser)) {
    cef_browser_t* s = data();
    s->get_host = [](cef_browser_t* self) -> cef_browser_host_t* {
      auto b = Of(self);
      return b ? b->NewHostRef() : nullptr;
    };
    s->can_go_back = [](cef_browser_t* self) { return Int(self, &Browser::CanGoBack); };
    s->go_back = [](cef_browser_t* self) { Do(self, &Browser::GoBack); };
    s->can_go_forward = [](cef_browser_t* self) { return Int(self, &Browser::CanGoForward); };
    s->go_forward = [](cef_browser_t* self) { Do(self, &Browser::GoForward); };
    s->is_loading = [](cef_browser_t* self) { return Int(self, &Browser::IsLoading); };
    s->reload = [](cef_browser_t* self) { Do(self, &Browser::Reload); };
    s->reload_ignore_cache = [](cef_browser_t* self) { Do(self, &Browser::Reload); };
    s->stop_load = [](cef_browser_t* self) { Do(self, &Browser::StopLoad); };
    s->get_identifier = [](cef_browser_t* self) {
      auto b = Of(self);
      return b ? b->id : 0;
    };
    s->is_same = [](cef_browser_t* self, cef_browser_t* that) {
      auto a = Of(self);
      auto b = Of(that);
      ReleaseProgramObject(that);
      return a && a == b ? 1 : 0;
    };
    s->is_popup = [](cef_browser_t* self) {
      auto b = Of(self);
      return b && b->popup ? 1 : 0;
    };
    s->has_document = [](cef_browser_t* self) { return Int(self, &Browser::HasDocument); };
    s->get_main_frame = [](cef_browser_t* self) -> cef_frame_t* {
      auto b = Of(self);
      return b ? b->NewFrameRef() : nullptr;
    };
    s->get_focused_frame = s->get_main_frame;
    s->get_frame_byident = [](cef_browser_t* self, int64 identifier) -> cef_frame_t* {
      auto b = Of(self);
      return b && b->FrameId() == identifier ? b->NewFrameRef() : nullptr;
    };
    s->get_frame = [](cef_browser_t* self, const cef_string_t* name) -> cef_frame_t* {
      auto b = Of(self);  // the main frame has no name
      return b && FromRecord(name).empty() ? b->NewFrameRef() : nullptr;
    };
    s->get_frame_count = [](cef_browser_t* self) -> size_t { return Of(self) ? 1 : 0; };
    s->get_frame_identifiers = [](cef_browser_t* self, size_t* count, int64* identifiers) {
      auto b = Of(self);
      if (!count) return;
      if (!b || *count < 1 || !identifiers) {
        *count = 0;
        return;
      }
      identifiers[0] = b->FrameId();
      *count = 1;
    };
    s->get_frame_names = [](cef_browser_t* self, cef_string_list_t names) {
      if (!Of(self) || !names) return;
      cef_string_t empty{};
      cef_string_list_append(names, &empty);
    };
    FillUnsimulated(s, "browser");
  }

  static std::shared_ptr<Browser> Of(cef_browser_t* self) {
    BrowserObject* object = From(self);
    return object ? object->browser_ : nullptr;
  }

 private:
  static int Int(cef_browser_t* self, bool (Browser::*query)()) {
    auto b = Of(self);
    return b && ((*b).*query)() ? 1 : 0;
  }
  static void Do(cef_browser_t* self, void (Browser::*action)()) {
    if (auto b = Of(self)) ((*b).*action)();
  }

  std::shared_ptr<Browser> browser_;
};

class HostObject : public EngineObject<HostObject, cef_browser_host_t> {
 public:
  explicit HostObject(std::shared_ptr<Browser> browser)
      : EngineObject("browser_host"), browser_(std::move(browser)) {
    cef_browser_host_t* s = data();
    s->get_browser = [](cef_browser_host_t* self) -> cef_browser_t* {
      auto b = Of(self);
      return b ? b->NewBrowserRef() : nullptr;
    };
    s->close_browser = [](cef_browser_host_t* self, int force) {
      if (auto b = Of(self)) b->CloseBrowser(force != 0);
    };
    s->try_close_browser = [](cef_browser_host_t* self) {
      auto b = Of(self);
      if (!b || b->IsClosed()) return 1;
      b->CloseBrowser(false);
      return 0;
    };
    s->set_focus = [](cef_browser_host_t* self, int focus) {
      auto b = Of(self);
      if (!b || !focus) return;
      PostClosure(TID_UI, [b] {
        if (HWND render = b->RenderWindow()) SetFocus(render);
      });
    };
    s->get_window_handle = [](cef_browser_host_t* self) -> HWND {
      auto b = Of(self);
      return b ? b->Window() : nullptr;
    };
    s->get_opener_window_handle = [](cef_browser_host_t* self) -> HWND {
      auto b = Of(self);
      return b ? b->Opener() : nullptr;
    };
    s->has_view = [](cef_browser_host_t*) { return 0; };  // native windows, no views
    s->get_client = [](cef_browser_host_t* self) -> cef_client_t* {
      auto b = Of(self);
      if (!b) return nullptr;
      ProgramRef<cef_client_t> client = b->Client();
      cef_client_t* raw = client.get();
      if (raw) AddRefProgramObject(raw);  // one more for the receiver
      return raw;
    };
    s->get_request_context = [](cef_browser_host_t* self) -> cef_request_context_t* {
      auto b = Of(self);
      if (!b) return nullptr;
      ProgramRef<cef_request_context_t> context = b->Context();
      cef_request_context_t* raw = context.get();
      if (raw) AddRefProgramObject(raw);
      return raw;
    };
    s->get_zoom_level = [](cef_browser_host_t* self) -> double {
      auto b = Of(self);
      return b ? b->zoom_level.load() : 0.0;
    };
    s->set_zoom_level = [](cef_browser_host_t* self, double level) {
      if (auto b = Of(self)) b->zoom_level = level;
    };
    s->run_file_dialog = [](cef_browser_host_t*, cef_file_dialog_mode_t, const cef_string_t*,
                            const cef_string_t*, cef_string_list_t, int,
                            cef_run_file_dialog_callback_t* callback) {
      Trace("stub browser_host.run_file_dialog");
      ReleaseProgramObject(callback);
    };
    s->download_image = [](cef_browser_host_t* self, const cef_string_t* url, int, uint32, int,
                           cef_download_image_callback_t* callback) {
      DownloadImage(Of(self), FromRecord(url), callback);
    };
    s->print = [](cef_browser_host_t* self) {
      if (auto b = Of(self)) Trace("print id=" + std::to_string(b->id));
    };
    s->print_to_pdf = [](cef_browser_host_t* self, const cef_string_t* path,
                         const cef_pdf_print_settings_t*, cef_pdf_print_callback_t* callback) {
      PrintToPdf(Of(self), FromRecord(path), callback);
    };
    s->find = [](cef_browser_host_t* self, int identifier, const cef_string_t* text, int,
                 int match_case,
                 int) { Find(Of(self), identifier, FromRecord(text), match_case != 0); };
    s->stop_finding = [](cef_browser_host_t* self, int clear) {
      if (auto b = Of(self))
        Trace("stop-finding id=" + std::to_string(b->id) + " clear=" + std::to_string(clear));
    };
    s->send_key_event = [](cef_browser_host_t* self, const cef_key_event_t* event) {
      auto b = Of(self);
      if (b && event) {
        Trace("send-key-event id=" + std::to_string(b->id) + " type=" +
              std::to_string(event->type) + " code=" + std::to_string(event->windows_key_code));
      }
    };
    s->show_dev_tools = [](cef_browser_host_t* self, const cef_window_info_t* window,
                           cef_client_t* client, const cef_browser_settings_t*,
                           const cef_point_t* inspect) {
      ShowDevTools(Of(self), window, ProgramRef<cef_client_t>(client), inspect);
    };
    s->close_dev_tools = [](cef_browser_host_t* self) { CloseDevTools(Of(self)); };
    s->has_dev_tools = [](cef_browser_host_t* self) { return HasDevTools(Of(self)) ? 1 : 0; };
    s->get_navigation_entries = [](cef_browser_host_t* self,
                                   cef_navigation_entry_visitor_t* visitor, int current_only) {
      VisitNavigationEntries(Of(self), visitor, current_only != 0);
    };
    s->get_visible_navigation_entry = [](cef_browser_host_t* self) {
      return NewVisibleEntry(Of(self));
    };
    s->invalidate = [](cef_browser_host_t* self, cef_paint_element_type_t) {
      auto b = Of(self);
      if (HWND render = b ? b->RenderWindow() : nullptr) InvalidateRect(render, nullptr, TRUE);
    };
    s->start_download = [](cef_browser_host_t* self, const cef_string_t* url) {
      auto b = Of(self);
      if (!b) return;
      std::wstring address = FromRecord(url);
      DownloadUrl(b, address);
    };
    // Called on every move of the program's window: nothing to do for native windows.
    s->notify_move_or_resize_started = [](cef_browser_host_t*) {};
    s->was_resized = [](cef_browser_host_t*) {};
    s->drag_target_drag_enter = [](cef_browser_host_t*, cef_drag_data_t* drag_data,
                                   const cef_mouse_event_t*,
                                   cef_drag_operations_mask_t) { ReleaseProgramObject(drag_data); };
    s->set_audio_muted = [](cef_browser_host_t* self, int mute) {
      if (auto b = Of(self)) b->audio_muted = mute != 0;
    };
    s->is_audio_muted = [](cef_browser_host_t* self) {
      auto b = Of(self);
      return b && b->audio_muted ? 1 : 0;
    };
    s->is_background_host = [](cef_browser_host_t*) { return 0; };
    FillUnsimulated(s, "browser_host");
  }

  static std::shared_ptr<Browser> Of(cef_browser_host_t* self) {
    HostObject* object = From(self);
    return object ? object->browser_ : nullptr;
  }

 private:
  std::shared_ptr<Browser> browser_;
};

// Posts a visitor call with `text` to the UI thread, then releases the visitor there.
void VisitLater(cef_string_visitor_t* visitor, std::wstring text) {
  auto held = std::make_shared<ProgramRef<cef_string_visitor_t>>(visitor);
  PostClosure(TID_UI, [held, text] {
    cef_string_visitor_t* v = held->get();
    if (!v || !v->visit) return;
    cef_string_t record{const_cast<wchar_t*>(text.c_str()), text.size(), nullptr};
    v->visit(v, &record);
  });
}

class FrameObject : public EngineObject<FrameObject, cef_frame_t> {
 public:
  explicit FrameObject(std::shared_ptr<Browser> browser)
      : EngineObject("frame"), browser_(std::move(browser)) {
    cef_frame_t* s = data();
    s->is_valid = [](cef_frame_t* self) {
      auto b = Of(self);
      return b && !b->IsClosed() ? 1 : 0;
    };
    s->get_source = [](cef_frame_t* self, cef_string_visitor_t* visitor) {
      auto b = Of(self);
      VisitLater(visitor, b ? Utf8ToUtf16(b->CurrentPage().source) : std::wstring());
    };
    s->get_text = [](cef_frame_t* self, cef_string_visitor_t* visitor) {
      auto b = Of(self);
      VisitLater(visitor, b ? b->CurrentPage().text : std::wstring());
    };
    s->load_request = [](cef_frame_t* self, cef_request_t* request) {
      auto b = Of(self);
      if (b && request && request->get_url) {
        cef_string_userfree_t url = request->get_url(request);
        b->LoadUrl(FromRecord(url));
        cef_string_userfree_utf16_free(url);
      }
      ReleaseProgramObject(request);
    };
    s->load_url = [](cef_frame_t* self, const cef_string_t* url) {
      if (auto b = Of(self)) b->LoadUrl(FromRecord(url));
    };
    s->load_string = [](cef_frame_t* self, const cef_string_t* html, const cef_string_t* url) {
      if (auto b = Of(self)) b->LoadString(FromRecord(html), FromRecord(url));
    };
    s->execute_java_script = [](cef_frame_t*, const cef_string_t* code, const cef_string_t*, int) {
      Trace("javascript " + TraceValue(FromRecord(code)));
    };
    s->is_main = [](cef_frame_t*) { return 1; };
    s->is_focused = [](cef_frame_t*) { return 1; };
    s->get_name = [](cef_frame_t*) -> cef_string_userfree_t { return nullptr; };
    s->get_identifier = [](cef_frame_t* self) -> int64 {
      auto b = Of(self);
      return b ? b->FrameId() : 0;
    };
    s->get_parent = [](cef_frame_t*) -> cef_frame_t* { return nullptr; };
    s->get_url = [](cef_frame_t* self) -> cef_string_userfree_t {
      auto b = Of(self);
      return b ? NewUserFree(b->CurrentPage().url) : nullptr;
    };
    s->get_browser = [](cef_frame_t* self) -> cef_browser_t* {
      auto b = Of(self);
      return b ? b->NewBrowserRef() : nullptr;
    };
    s->get_v8context = [](cef_frame_t*) -> cef_v8context_t* { return nullptr; };
    s->visit_dom = [](cef_frame_t*, cef_domvisitor_t* visitor) {
      Trace("stub frame.visit_dom");  // the document lives in the renderer
      ReleaseProgramObject(visitor);
    };
    s->create_urlrequest = [](cef_frame_t*, cef_request_t* request,
                              cef_urlrequest_client_t* client) -> cef_urlrequest_t* {
      Trace("stub frame.create_urlrequest");
      ReleaseProgramObject(request);
      ReleaseProgramObject(client);
      return nullptr;
    };
    s->send_process_message = [](cef_frame_t*, cef_process_id_t target,
                                 cef_process_message_t* message) {
      Trace("process-message target=" + std::to_string(target));
      ReleaseProgramObject(message);
    };
    FillUnsimulated(s, "frame");
  }

  static std::shared_ptr<Browser> Of(cef_frame_t* self) {
    FrameObject* object = From(self);
    return object ? object->browser_ : nullptr;
  }

 private:
  std::shared_ptr<Browser> browser_;
};

}  // namespace

cef_browser_t* NewBrowserObject(std::shared_ptr<Browser> browser) {
  return (new BrowserObject(std::move(browser)))->data();
}
cef_browser_host_t* NewHostObject(std::shared_ptr<Browser> browser) {
  return (new HostObject(std::move(browser)))->data();
}
cef_frame_t* NewFrameObject(std::shared_ptr<Browser> browser) {
  return (new FrameObject(std::move(browser)))->data();
}
std::shared_ptr<Browser> BrowserOf(cef_browser_t* object) { return BrowserObject::Of(object); }

}  // namespace standin
