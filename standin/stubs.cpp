// Entry points no flow of the program uses yet. Each does something harmless, documented at its
// group, and writes "stub <name>" to the trace so a call shows up in tests. Every engine-shaped
// argument carries a reference that the engine consumes, so stubs release what they are given
// (callbacks are released without being called). Null arguments are tolerated everywhere.

#include <cwchar>
#include <string>

#include "standin/capi.h"
#include "standin/refcount.h"
#include "standin/text.h"
#include "standin/trace.h"

namespace {

void Stub(const char* name) { standin::Trace(std::string("stub ") + name); }

template <typename... Objects>
void ReleaseAll(Objects*... objects) {
  (standin::ReleaseProgramObject(objects), ...);
}

}  // namespace

extern "C" {

// Group "application", message loop: the stand-in supports only the multi-threaded message
// loop, with which the program never calls these three; they return at once.
void cef_do_message_loop_work(void) { Stub("cef_do_message_loop_work"); }
void cef_run_message_loop(void) { Stub("cef_run_message_loop"); }
void cef_quit_message_loop(void) { Stub("cef_quit_message_loop"); }
// The modal-loop state and the DPI awareness are only recorded.
void cef_set_osmodal_loop(int osModalLoop) {
  standin::Trace("osmodal-loop " + std::to_string(osModalLoop ? 1 : 0));
}
void cef_enable_highdpi_support(void) { standin::Trace("highdpi-support"); }

// Group "crash reporting": crash reporting is off.
int cef_crash_reporting_enabled(void) { return 0; }
void cef_set_crash_key_value(const cef_string_t*, const cef_string_t*) {
  Stub("cef_set_crash_key_value");
}

// Groups "drag data" and "image": no objects (null).
cef_drag_data_t* cef_drag_data_create(void) {
  Stub("cef_drag_data_create");
  return nullptr;
}

cef_image_t* cef_image_create(void) {
  Stub("cef_image_create");
  return nullptr;
}

// Group "files": every operation fails (0) and touches nothing.
int cef_create_directory(const cef_string_t*) {
  Stub("cef_create_directory");
  return 0;
}
int cef_get_temp_directory(cef_string_t*) {
  Stub("cef_get_temp_directory");
  return 0;
}
int cef_create_new_temp_directory(const cef_string_t*, cef_string_t*) {
  Stub("cef_create_new_temp_directory");
  return 0;
}
int cef_create_temp_directory_in_directory(const cef_string_t*, const cef_string_t*,
                                           cef_string_t*) {
  Stub("cef_create_temp_directory_in_directory");
  return 0;
}
int cef_directory_exists(const cef_string_t*) {
  Stub("cef_directory_exists");
  return 0;
}
int cef_delete_file(const cef_string_t*, int) {
  Stub("cef_delete_file");
  return 0;
}
int cef_zip_directory(const cef_string_t*, const cef_string_t*, int) {
  Stub("cef_zip_directory");
  return 0;
}
void cef_load_crlsets_file(const cef_string_t*) { Stub("cef_load_crlsets_file"); }

// Group "origin whitelist": nothing is recorded (0).
int cef_add_cross_origin_whitelist_entry(const cef_string_t*, const cef_string_t*,
                                         const cef_string_t*, int) {
  Stub("cef_add_cross_origin_whitelist_entry");
  return 0;
}
int cef_remove_cross_origin_whitelist_entry(const cef_string_t*, const cef_string_t*,
                                            const cef_string_t*, int) {
  Stub("cef_remove_cross_origin_whitelist_entry");
  return 0;
}
int cef_clear_cross_origin_whitelist(void) {
  Stub("cef_clear_cross_origin_whitelist");
  return 0;
}

// Group "parser", JSON: not simulated (null; the parse error reads as a syntax error).
cef_value_t* cef_parse_json(const cef_string_t*, cef_json_parser_options_t) {
  Stub("cef_parse_json");
  return nullptr;
}
cef_value_t* cef_parse_jsonand_return_error(const cef_string_t*, cef_json_parser_options_t,
                                            cef_json_parser_error_t* error_code_out,
                                            cef_string_t* error_msg_out) {
  Stub("cef_parse_jsonand_return_error");
  if (error_code_out) *error_code_out = JSON_SYNTAX_ERROR;
  standin::SetRecord(error_msg_out, L"JSON is not supported by the stand-in engine");
  return nullptr;
}
cef_string_userfree_t cef_write_json(struct _cef_value_t* node, cef_json_writer_options_t) {
  Stub("cef_write_json");
  ReleaseAll(node);
  return nullptr;
}

// Group "path": no path is known (0).
int cef_get_path(cef_path_key_t, cef_string_t*) {
  Stub("cef_get_path");
  return 0;
}

// Groups "print settings", "process message", "post data", "resource bundle": no objects (null).
cef_print_settings_t* cef_print_settings_create(void) {
  Stub("cef_print_settings_create");
  return nullptr;
}
cef_process_message_t* cef_process_message_create(const cef_string_t*) {
  Stub("cef_process_message_create");
  return nullptr;
}
cef_post_data_t* cef_post_data_create(void) {
  Stub("cef_post_data_create");
  return nullptr;
}
cef_post_data_element_t* cef_post_data_element_create(void) {
  Stub("cef_post_data_element_create");
  return nullptr;
}
cef_resource_bundle_t* cef_resource_bundle_get_global(void) {
  Stub("cef_resource_bundle_get_global");
  return nullptr;
}

// Group "process launch": nothing is launched (0).
int cef_launch_process(struct _cef_command_line_t* command_line) {
  Stub("cef_launch_process");
  ReleaseAll(command_line);
  return 0;
}

// Groups "server" and "scheme": nothing is served or registered (0).
void cef_server_create(const cef_string_t*, uint16, int, struct _cef_server_handler_t* handler) {
  Stub("cef_server_create");
  ReleaseAll(handler);
}
int cef_register_scheme_handler_factory(const cef_string_t*, const cef_string_t*,
                                        cef_scheme_handler_factory_t* factory) {
  Stub("cef_register_scheme_handler_factory");
  ReleaseAll(factory);
  return 0;
}
int cef_clear_scheme_handler_factories(void) {
  Stub("cef_clear_scheme_handler_factories");
  return 0;
}

// Group "certificate status": no status counts as an error (0).
int cef_is_cert_status_error(cef_cert_status_t) {
  Stub("cef_is_cert_status_error");
  return 0;
}
int cef_is_cert_status_minor_error(cef_cert_status_t) {
  Stub("cef_is_cert_status_minor_error");
  return 0;
}

// Group "streams": no streams (null).
cef_stream_reader_t* cef_stream_reader_create_for_file(const cef_string_t*) {
  Stub("cef_stream_reader_create_for_file");
  return nullptr;
}
cef_stream_reader_t* cef_stream_reader_create_for_data(void*, size_t) {
  Stub("cef_stream_reader_create_for_data");
  return nullptr;
}
cef_stream_reader_t* cef_stream_reader_create_for_handler(cef_read_handler_t* handler) {
  Stub("cef_stream_reader_create_for_handler");
  ReleaseAll(handler);
  return nullptr;
}
cef_stream_writer_t* cef_stream_writer_create_for_file(const cef_string_t*) {
  Stub("cef_stream_writer_create_for_file");
  return nullptr;
}
cef_stream_writer_t* cef_stream_writer_create_for_handler(cef_write_handler_t* handler) {
  Stub("cef_stream_writer_create_for_handler");
  ReleaseAll(handler);
  return nullptr;
}

// Group "thread": no extra threads (null).
cef_thread_t* cef_thread_create(const cef_string_t*, cef_thread_priority_t, cef_message_loop_type_t,
                                int, cef_com_init_mode_t) {
  Stub("cef_thread_create");
  return nullptr;
}

// Group "tracing": tracing cannot start (0); the clock is real (microseconds).
int cef_begin_tracing(const cef_string_t*, struct _cef_completion_callback_t* callback) {
  Stub("cef_begin_tracing");
  ReleaseAll(callback);
  return 0;
}
int cef_end_tracing(const cef_string_t*, cef_end_tracing_callback_t* callback) {
  Stub("cef_end_tracing");
  ReleaseAll(callback);
  return 0;
}
int64 cef_now_from_system_trace_time(void) {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<int64>(static_cast<double>(counter.QuadPart) * 1e6 /
                            static_cast<double>(frequency.QuadPart));
}

// Group "URL request": no requests (null).
cef_urlrequest_t* cef_urlrequest_create(struct _cef_request_t* request,
                                        struct _cef_urlrequest_client_t* client,
                                        struct _cef_request_context_t* request_context) {
  Stub("cef_urlrequest_create");
  ReleaseAll(request, client, request_context);
  return nullptr;
}

// Group "script engine": only renderer processes have a script engine; in the browser process
// the real engine returns null and 0 here too.
cef_v8context_t* cef_v8context_get_current_context(void) { return nullptr; }
cef_v8context_t* cef_v8context_get_entered_context(void) { return nullptr; }
int cef_v8context_in_context(void) { return 0; }
cef_v8value_t* cef_v8value_create_undefined(void) { return nullptr; }
cef_v8value_t* cef_v8value_create_null(void) { return nullptr; }
cef_v8value_t* cef_v8value_create_bool(int) { return nullptr; }
cef_v8value_t* cef_v8value_create_int(int32) { return nullptr; }
cef_v8value_t* cef_v8value_create_uint(uint32) { return nullptr; }
cef_v8value_t* cef_v8value_create_double(double) { return nullptr; }
cef_v8value_t* cef_v8value_create_date(const cef_time_t*) { return nullptr; }
cef_v8value_t* cef_v8value_create_string(const cef_string_t*) { return nullptr; }
cef_v8value_t* cef_v8value_create_object(cef_v8accessor_t* accessor,
                                         cef_v8interceptor_t* interceptor) {
  ReleaseAll(accessor, interceptor);
  return nullptr;
}
cef_v8value_t* cef_v8value_create_array(int) { return nullptr; }
cef_v8value_t* cef_v8value_create_array_buffer(
    void*, size_t, cef_v8array_buffer_release_callback_t* release_callback) {
  ReleaseAll(release_callback);
  return nullptr;
}
cef_v8value_t* cef_v8value_create_function(const cef_string_t*, cef_v8handler_t* handler) {
  ReleaseAll(handler);
  return nullptr;
}
cef_v8stack_trace_t* cef_v8stack_trace_get_current(int) { return nullptr; }
int cef_register_extension(const cef_string_t*, const cef_string_t*, cef_v8handler_t* handler) {
  Stub("cef_register_extension");
  ReleaseAll(handler);
  return 0;
}

// Group "waitable event": none (null).
cef_waitable_event_t* cef_waitable_event_create(int, int) {
  Stub("cef_waitable_event_create");
  return nullptr;
}

// Group "plug-ins": there are no plug-ins; visitors and callbacks are released, never called.
void cef_visit_web_plugin_info(cef_web_plugin_info_visitor_t* visitor) {
  Stub("cef_visit_web_plugin_info");
  ReleaseAll(visitor);
}
void cef_refresh_web_plugins(void) { Stub("cef_refresh_web_plugins"); }
void cef_unregister_internal_web_plugin(const cef_string_t*) {
  Stub("cef_unregister_internal_web_plugin");
}
void cef_register_web_plugin_crash(const cef_string_t*) { Stub("cef_register_web_plugin_crash"); }
void cef_is_web_plugin_unstable(const cef_string_t*, cef_web_plugin_unstable_callback_t* callback) {
  Stub("cef_is_web_plugin_unstable");
  ReleaseAll(callback);
}
void cef_register_widevine_cdm(const cef_string_t*, cef_register_cdm_callback_t* callback) {
  Stub("cef_register_widevine_cdm");
  ReleaseAll(callback);
}

// Groups "XML reader" and "zip reader": no readers (null).
cef_xml_reader_t* cef_xml_reader_create(struct _cef_stream_reader_t* stream,
                                        cef_xml_encoding_type_t, const cef_string_t*) {
  Stub("cef_xml_reader_create");
  ReleaseAll(stream);
  return nullptr;
}
cef_zip_reader_t* cef_zip_reader_create(struct _cef_stream_reader_t* stream) {
  Stub("cef_zip_reader_create");
  ReleaseAll(stream);
  return nullptr;
}

// Group "platform thread": real values; on Windows the handle is the thread id too.
cef_platform_thread_id_t cef_get_current_platform_thread_id(void) { return GetCurrentThreadId(); }
cef_platform_thread_handle_t cef_get_current_platform_thread_handle(void) {
  return GetCurrentThreadId();
}

// Group "trace events": trace events are not recorded.
void cef_trace_event_instant(const char*, const char*, const char*, uint64, const char*, uint64,
                             int) {}
void cef_trace_event_begin(const char*, const char*, const char*, uint64, const char*, uint64,
                           int) {}
void cef_trace_event_end(const char*, const char*, const char*, uint64, const char*, uint64, int) {}
void cef_trace_counter(const char*, const char*, const char*, uint64, const char*, uint64, int) {}
void cef_trace_counter_id(const char*, const char*, uint64, const char*, uint64, const char*,
                          uint64, int) {}
void cef_trace_event_async_begin(const char*, const char*, uint64, const char*, uint64, const char*,
                                 uint64, int) {}
void cef_trace_event_async_step_into(const char*, const char*, uint64, uint64, const char*, uint64,
                                     int) {}
void cef_trace_event_async_step_past(const char*, const char*, uint64, uint64, const char*, uint64,
                                     int) {}
void cef_trace_event_async_end(const char*, const char*, uint64, const char*, uint64, const char*,
                               uint64, int) {}

// Groups "browser view" to "window" (the engine's own views framework, unused with native
// windows): no objects (null), no displays (0).
cef_browser_view_t* cef_browser_view_create(struct _cef_client_t* client, const cef_string_t*,
                                            const struct _cef_browser_settings_t*,
                                            struct _cef_dictionary_value_t* extra_info,
                                            struct _cef_request_context_t* request_context,
                                            struct _cef_browser_view_delegate_t* delegate) {
  Stub("cef_browser_view_create");
  ReleaseAll(client, extra_info, request_context, delegate);
  return nullptr;
}
cef_browser_view_t* cef_browser_view_get_for_browser(struct _cef_browser_t* browser) {
  Stub("cef_browser_view_get_for_browser");
  ReleaseAll(browser);
  return nullptr;
}
cef_display_t* cef_display_get_primary(void) {
  Stub("cef_display_get_primary");
  return nullptr;
}
cef_display_t* cef_display_get_nearest_point(const cef_point_t*, int) {
  Stub("cef_display_get_nearest_point");
  return nullptr;
}
cef_display_t* cef_display_get_matching_bounds(const cef_rect_t*, int) {
  Stub("cef_display_get_matching_bounds");
  return nullptr;
}
size_t cef_display_get_count(void) {
  Stub("cef_display_get_count");
  return 0;
}
void cef_display_get_alls(size_t* displaysCount, cef_display_t**) {
  Stub("cef_display_get_alls");
  if (displaysCount) *displaysCount = 0;
}
cef_label_button_t* cef_label_button_create(struct _cef_button_delegate_t* delegate,
                                            const cef_string_t*) {
  Stub("cef_label_button_create");
  ReleaseAll(delegate);
  return nullptr;
}
cef_menu_button_t* cef_menu_button_create(struct _cef_menu_button_delegate_t* delegate,
                                          const cef_string_t*) {
  Stub("cef_menu_button_create");
  ReleaseAll(delegate);
  return nullptr;
}
cef_panel_t* cef_panel_create(struct _cef_panel_delegate_t* delegate) {
  Stub("cef_panel_create");
  ReleaseAll(delegate);
  return nullptr;
}
cef_scroll_view_t* cef_scroll_view_create(struct _cef_view_delegate_t* delegate) {
  Stub("cef_scroll_view_create");
  ReleaseAll(delegate);
  return nullptr;
}
cef_textfield_t* cef_textfield_create(struct _cef_textfield_delegate_t* delegate) {
  Stub("cef_textfield_create");
  ReleaseAll(delegate);
  return nullptr;
}
cef_window_t* cef_window_create_top_level(struct _cef_window_delegate_t* delegate) {
  Stub("cef_window_create_top_level");
  ReleaseAll(delegate);
  return nullptr;
}

}  // extern "C"
