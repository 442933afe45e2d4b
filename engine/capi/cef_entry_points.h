#ifndef OSTREL_ENGINE_CAPI_CEF_ENTRY_POINTS_H_
#define OSTREL_ENGINE_CAPI_CEF_ENTRY_POINTS_H_

// Generated once from the engine's published C interface (runtime 77.1.18, Windows x64)
// and maintained by hand since. Offsets and sizes are checked below: a mismatch would make the
// real runtime call the wrong function pointer.

#include "engine/capi/cef_structs.h"

#ifdef __cplusplus
extern "C" {
#endif

// One pointer type per exported function: the program resolves the exports into variables of
// these types; the stand-in engine checks its definitions against the prototypes below.

// 1: application
typedef int (*cef_initialize_func)(const struct _cef_main_args_t* args,
                                   const struct _cef_settings_t* settings, cef_app_t* application,
                                   void* windows_sandbox_info);
typedef void (*cef_shutdown_func)(void);
typedef int (*cef_execute_process_func)(const struct _cef_main_args_t* args, cef_app_t* application,
                                        void* windows_sandbox_info);
typedef void (*cef_do_message_loop_work_func)(void);
typedef void (*cef_run_message_loop_func)(void);
typedef void (*cef_quit_message_loop_func)(void);
typedef void (*cef_set_osmodal_loop_func)(int osModalLoop);
typedef void (*cef_enable_highdpi_support_func)(void);

// 2: browser
typedef int (*cef_browser_host_create_browser_func)(const cef_window_info_t* windowInfo,
                                                    struct _cef_client_t* client,
                                                    const cef_string_t* url,
                                                    const struct _cef_browser_settings_t* settings,
                                                    struct _cef_dictionary_value_t* extra_info,
                                                    struct _cef_request_context_t* request_context);
typedef cef_browser_t* (*cef_browser_host_create_browser_sync_func)(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client, const cef_string_t* url,
    const struct _cef_browser_settings_t* settings, struct _cef_dictionary_value_t* extra_info,
    struct _cef_request_context_t* request_context);

// 3: command line
typedef cef_command_line_t* (*cef_command_line_create_func)(void);
typedef cef_command_line_t* (*cef_command_line_get_global_func)(void);

// 4: cookies
typedef cef_cookie_manager_t* (*cef_cookie_manager_get_global_manager_func)(
    struct _cef_completion_callback_t* callback);

// 5: crash reporting
typedef int (*cef_crash_reporting_enabled_func)(void);
typedef void (*cef_set_crash_key_value_func)(const cef_string_t* key, const cef_string_t* value);

// 6: drag data
typedef cef_drag_data_t* (*cef_drag_data_create_func)(void);

// 7: files
typedef int (*cef_create_directory_func)(const cef_string_t* full_path);
typedef int (*cef_get_temp_directory_func)(cef_string_t* temp_dir);
typedef int (*cef_create_new_temp_directory_func)(const cef_string_t* prefix,
                                                  cef_string_t* new_temp_path);
typedef int (*cef_create_temp_directory_in_directory_func)(const cef_string_t* base_dir,
                                                           const cef_string_t* prefix,
                                                           cef_string_t* new_dir);
typedef int (*cef_directory_exists_func)(const cef_string_t* path);
typedef int (*cef_delete_file_func)(const cef_string_t* path, int recursive);
typedef int (*cef_zip_directory_func)(const cef_string_t* src_dir, const cef_string_t* dest_file,
                                      int include_hidden_files);
typedef void (*cef_load_crlsets_file_func)(const cef_string_t* path);

// 8: image
typedef cef_image_t* (*cef_image_create_func)(void);

// 9: menu model
typedef cef_menu_model_t* (*cef_menu_model_create_func)(
    struct _cef_menu_model_delegate_t* delegate);

// 10: origin whitelist
typedef int (*cef_add_cross_origin_whitelist_entry_func)(const cef_string_t* source_origin,
                                                         const cef_string_t* target_protocol,
                                                         const cef_string_t* target_domain,
                                                         int allow_target_subdomains);
typedef int (*cef_remove_cross_origin_whitelist_entry_func)(const cef_string_t* source_origin,
                                                            const cef_string_t* target_protocol,
                                                            const cef_string_t* target_domain,
                                                            int allow_target_subdomains);
typedef int (*cef_clear_cross_origin_whitelist_func)(void);

// 11: parser
typedef int (*cef_parse_url_func)(const cef_string_t* url, struct _cef_urlparts_t* parts);
typedef int (*cef_create_url_func)(const struct _cef_urlparts_t* parts, cef_string_t* url);
typedef cef_string_userfree_t (*cef_format_url_for_security_display_func)(
    const cef_string_t* origin_url);
typedef cef_string_userfree_t (*cef_get_mime_type_func)(const cef_string_t* extension);
typedef void (*cef_get_extensions_for_mime_type_func)(const cef_string_t* mime_type,
                                                      cef_string_list_t extensions);
typedef cef_string_userfree_t (*cef_base64encode_func)(const void* data, size_t data_size);
typedef struct _cef_binary_value_t* (*cef_base64decode_func)(const cef_string_t* data);
typedef cef_string_userfree_t (*cef_uriencode_func)(const cef_string_t* text, int use_plus);
typedef cef_string_userfree_t (*cef_uridecode_func)(const cef_string_t* text, int convert_to_utf8,
                                                    cef_uri_unescape_rule_t unescape_rule);
typedef struct _cef_value_t* (*cef_parse_json_func)(const cef_string_t* json_string,
                                                    cef_json_parser_options_t options);
typedef struct _cef_value_t* (*cef_parse_jsonand_return_error_func)(
    const cef_string_t* json_string, cef_json_parser_options_t options,
    cef_json_parser_error_t* error_code_out, cef_string_t* error_msg_out);
typedef cef_string_userfree_t (*cef_write_json_func)(struct _cef_value_t* node,
                                                     cef_json_writer_options_t options);

// 12: path
typedef int (*cef_get_path_func)(cef_path_key_t key, cef_string_t* path);

// 13: print settings
typedef cef_print_settings_t* (*cef_print_settings_create_func)(void);

// 14: process message
typedef cef_process_message_t* (*cef_process_message_create_func)(const cef_string_t* name);

// 15: process launch
typedef int (*cef_launch_process_func)(struct _cef_command_line_t* command_line);

// 16: request
typedef cef_request_t* (*cef_request_create_func)(void);
typedef cef_post_data_t* (*cef_post_data_create_func)(void);
typedef cef_post_data_element_t* (*cef_post_data_element_create_func)(void);

// 17: request context
typedef cef_request_context_t* (*cef_request_context_get_global_context_func)(void);
typedef cef_request_context_t* (*cef_request_context_create_context_func)(
    const struct _cef_request_context_settings_t* settings,
    struct _cef_request_context_handler_t* handler);
typedef cef_request_context_t* (*cef_create_context_shared_func)(
    cef_request_context_t* other, struct _cef_request_context_handler_t* handler);

// 18: resource bundle
typedef cef_resource_bundle_t* (*cef_resource_bundle_get_global_func)(void);

// 19: response
typedef cef_response_t* (*cef_response_create_func)(void);

// 20: server
typedef void (*cef_server_create_func)(const cef_string_t* address, uint16 port, int backlog,
                                       struct _cef_server_handler_t* handler);

// 21: scheme
typedef int (*cef_register_scheme_handler_factory_func)(const cef_string_t* scheme_name,
                                                        const cef_string_t* domain_name,
                                                        cef_scheme_handler_factory_t* factory);
typedef int (*cef_clear_scheme_handler_factories_func)(void);

// 22: certificate status
typedef int (*cef_is_cert_status_error_func)(cef_cert_status_t status);
typedef int (*cef_is_cert_status_minor_error_func)(cef_cert_status_t status);

// 23: streams
typedef cef_stream_reader_t* (*cef_stream_reader_create_for_file_func)(
    const cef_string_t* fileName);
typedef cef_stream_reader_t* (*cef_stream_reader_create_for_data_func)(void* data, size_t size);
typedef cef_stream_reader_t* (*cef_stream_reader_create_for_handler_func)(
    cef_read_handler_t* handler);
typedef cef_stream_writer_t* (*cef_stream_writer_create_for_file_func)(
    const cef_string_t* fileName);
typedef cef_stream_writer_t* (*cef_stream_writer_create_for_handler_func)(
    cef_write_handler_t* handler);

// 24: tasks
typedef cef_task_runner_t* (*cef_task_runner_get_for_current_thread_func)(void);
typedef cef_task_runner_t* (*cef_task_runner_get_for_thread_func)(cef_thread_id_t threadId);
typedef int (*cef_currently_on_func)(cef_thread_id_t threadId);
typedef int (*cef_post_task_func)(cef_thread_id_t threadId, cef_task_t* task);
typedef int (*cef_post_delayed_task_func)(cef_thread_id_t threadId, cef_task_t* task,
                                          int64 delay_ms);

// 25: thread
typedef cef_thread_t* (*cef_thread_create_func)(const cef_string_t* display_name,
                                                cef_thread_priority_t priority,
                                                cef_message_loop_type_t message_loop_type,
                                                int stoppable, cef_com_init_mode_t com_init_mode);

// 26: tracing
typedef int (*cef_begin_tracing_func)(const cef_string_t* categories,
                                      struct _cef_completion_callback_t* callback);
typedef int (*cef_end_tracing_func)(const cef_string_t* tracing_file,
                                    cef_end_tracing_callback_t* callback);
typedef int64 (*cef_now_from_system_trace_time_func)(void);

// 27: URL request
typedef cef_urlrequest_t* (*cef_urlrequest_create_func)(
    struct _cef_request_t* request, struct _cef_urlrequest_client_t* client,
    struct _cef_request_context_t* request_context);

// 28: script engine
typedef cef_v8context_t* (*cef_v8context_get_current_context_func)(void);
typedef cef_v8context_t* (*cef_v8context_get_entered_context_func)(void);
typedef int (*cef_v8context_in_context_func)(void);
typedef cef_v8value_t* (*cef_v8value_create_undefined_func)(void);
typedef cef_v8value_t* (*cef_v8value_create_null_func)(void);
typedef cef_v8value_t* (*cef_v8value_create_bool_func)(int value);
typedef cef_v8value_t* (*cef_v8value_create_int_func)(int32 value);
typedef cef_v8value_t* (*cef_v8value_create_uint_func)(uint32 value);
typedef cef_v8value_t* (*cef_v8value_create_double_func)(double value);
typedef cef_v8value_t* (*cef_v8value_create_date_func)(const cef_time_t* date);
typedef cef_v8value_t* (*cef_v8value_create_string_func)(const cef_string_t* value);
typedef cef_v8value_t* (*cef_v8value_create_object_func)(cef_v8accessor_t* accessor,
                                                         cef_v8interceptor_t* interceptor);
typedef cef_v8value_t* (*cef_v8value_create_array_func)(int length);
typedef cef_v8value_t* (*cef_v8value_create_array_buffer_func)(
    void* buffer, size_t length, cef_v8array_buffer_release_callback_t* release_callback);
typedef cef_v8value_t* (*cef_v8value_create_function_func)(const cef_string_t* name,
                                                           cef_v8handler_t* handler);
typedef cef_v8stack_trace_t* (*cef_v8stack_trace_get_current_func)(int frame_limit);
typedef int (*cef_register_extension_func)(const cef_string_t* extension_name,
                                           const cef_string_t* javascript_code,
                                           cef_v8handler_t* handler);

// 29: values
typedef cef_value_t* (*cef_value_create_func)(void);
typedef cef_binary_value_t* (*cef_binary_value_create_func)(const void* data, size_t data_size);
typedef cef_dictionary_value_t* (*cef_dictionary_value_create_func)(void);
typedef cef_list_value_t* (*cef_list_value_create_func)(void);

// 30: waitable event
typedef cef_waitable_event_t* (*cef_waitable_event_create_func)(int automatic_reset,
                                                                int initially_signaled);

// 31: plug-ins
typedef void (*cef_visit_web_plugin_info_func)(cef_web_plugin_info_visitor_t* visitor);
typedef void (*cef_refresh_web_plugins_func)(void);
typedef void (*cef_unregister_internal_web_plugin_func)(const cef_string_t* path);
typedef void (*cef_register_web_plugin_crash_func)(const cef_string_t* path);
typedef void (*cef_is_web_plugin_unstable_func)(const cef_string_t* path,
                                                cef_web_plugin_unstable_callback_t* callback);
typedef void (*cef_register_widevine_cdm_func)(const cef_string_t* path,
                                               cef_register_cdm_callback_t* callback);

// 32: XML reader
typedef cef_xml_reader_t* (*cef_xml_reader_create_func)(struct _cef_stream_reader_t* stream,
                                                        cef_xml_encoding_type_t encodingType,
                                                        const cef_string_t* URI);

// 33: zip reader
typedef cef_zip_reader_t* (*cef_zip_reader_create_func)(struct _cef_stream_reader_t* stream);

// 34: logging
typedef int (*cef_get_min_log_level_func)(void);
typedef int (*cef_get_vlog_level_func)(const char* file_start, size_t N);
typedef void (*cef_log_func)(const char* file, int line, int severity, const char* message);

// 35: string list
typedef cef_string_list_t (*cef_string_list_alloc_func)(void);
typedef size_t (*cef_string_list_size_func)(cef_string_list_t list);
typedef int (*cef_string_list_value_func)(cef_string_list_t list, size_t index,
                                          cef_string_t* value);
typedef void (*cef_string_list_append_func)(cef_string_list_t list, const cef_string_t* value);
typedef void (*cef_string_list_clear_func)(cef_string_list_t list);
typedef void (*cef_string_list_free_func)(cef_string_list_t list);
typedef cef_string_list_t (*cef_string_list_copy_func)(cef_string_list_t list);

// 36: string map
typedef cef_string_map_t (*cef_string_map_alloc_func)(void);
typedef size_t (*cef_string_map_size_func)(cef_string_map_t map);
typedef int (*cef_string_map_find_func)(cef_string_map_t map, const cef_string_t* key,
                                        cef_string_t* value);
typedef int (*cef_string_map_key_func)(cef_string_map_t map, size_t index, cef_string_t* key);
typedef int (*cef_string_map_value_func)(cef_string_map_t map, size_t index, cef_string_t* value);
typedef int (*cef_string_map_append_func)(cef_string_map_t map, const cef_string_t* key,
                                          const cef_string_t* value);
typedef void (*cef_string_map_clear_func)(cef_string_map_t map);
typedef void (*cef_string_map_free_func)(cef_string_map_t map);

// 37: string multimap
typedef cef_string_multimap_t (*cef_string_multimap_alloc_func)(void);
typedef size_t (*cef_string_multimap_size_func)(cef_string_multimap_t map);
typedef size_t (*cef_string_multimap_find_count_func)(cef_string_multimap_t map,
                                                      const cef_string_t* key);
typedef int (*cef_string_multimap_enumerate_func)(cef_string_multimap_t map,
                                                  const cef_string_t* key, size_t value_index,
                                                  cef_string_t* value);
typedef int (*cef_string_multimap_key_func)(cef_string_multimap_t map, size_t index,
                                            cef_string_t* key);
typedef int (*cef_string_multimap_value_func)(cef_string_multimap_t map, size_t index,
                                              cef_string_t* value);
typedef int (*cef_string_multimap_append_func)(cef_string_multimap_t map, const cef_string_t* key,
                                               const cef_string_t* value);
typedef void (*cef_string_multimap_clear_func)(cef_string_multimap_t map);
typedef void (*cef_string_multimap_free_func)(cef_string_multimap_t map);

// 38: strings
typedef int (*cef_string_wide_set_func)(const wchar_t* src, size_t src_len,
                                        cef_string_wide_t* output, int copy);
typedef int (*cef_string_utf8_set_func)(const char* src, size_t src_len, cef_string_utf8_t* output,
                                        int copy);
typedef int (*cef_string_utf16_set_func)(const char16* src, size_t src_len,
                                         cef_string_utf16_t* output, int copy);
typedef void (*cef_string_wide_clear_func)(cef_string_wide_t* str);
typedef void (*cef_string_utf8_clear_func)(cef_string_utf8_t* str);
typedef void (*cef_string_utf16_clear_func)(cef_string_utf16_t* str);
typedef int (*cef_string_wide_cmp_func)(const cef_string_wide_t* str1,
                                        const cef_string_wide_t* str2);
typedef int (*cef_string_utf8_cmp_func)(const cef_string_utf8_t* str1,
                                        const cef_string_utf8_t* str2);
typedef int (*cef_string_utf16_cmp_func)(const cef_string_utf16_t* str1,
                                         const cef_string_utf16_t* str2);
typedef int (*cef_string_wide_to_utf8_func)(const wchar_t* src, size_t src_len,
                                            cef_string_utf8_t* output);
typedef int (*cef_string_utf8_to_wide_func)(const char* src, size_t src_len,
                                            cef_string_wide_t* output);
typedef int (*cef_string_wide_to_utf16_func)(const wchar_t* src, size_t src_len,
                                             cef_string_utf16_t* output);
typedef int (*cef_string_utf16_to_wide_func)(const char16* src, size_t src_len,
                                             cef_string_wide_t* output);
typedef int (*cef_string_utf8_to_utf16_func)(const char* src, size_t src_len,
                                             cef_string_utf16_t* output);
typedef int (*cef_string_utf16_to_utf8_func)(const char16* src, size_t src_len,
                                             cef_string_utf8_t* output);
typedef int (*cef_string_ascii_to_wide_func)(const char* src, size_t src_len,
                                             cef_string_wide_t* output);
typedef int (*cef_string_ascii_to_utf16_func)(const char* src, size_t src_len,
                                              cef_string_utf16_t* output);
typedef cef_string_userfree_wide_t (*cef_string_userfree_wide_alloc_func)(void);
typedef cef_string_userfree_utf8_t (*cef_string_userfree_utf8_alloc_func)(void);
typedef cef_string_userfree_utf16_t (*cef_string_userfree_utf16_alloc_func)(void);
typedef void (*cef_string_userfree_wide_free_func)(cef_string_userfree_wide_t str);
typedef void (*cef_string_userfree_utf8_free_func)(cef_string_userfree_utf8_t str);
typedef void (*cef_string_userfree_utf16_free_func)(cef_string_userfree_utf16_t str);
typedef int (*cef_string_utf16_to_lower_func)(const char16* src, size_t src_len,
                                              cef_string_utf16_t* output);
typedef int (*cef_string_utf16_to_upper_func)(const char16* src, size_t src_len,
                                              cef_string_utf16_t* output);

// 39: platform thread
typedef cef_platform_thread_id_t (*cef_get_current_platform_thread_id_func)(void);
typedef cef_platform_thread_handle_t (*cef_get_current_platform_thread_handle_func)(void);

// 40: trace events
typedef void (*cef_trace_event_instant_func)(const char* category, const char* name,
                                             const char* arg1_name, uint64 arg1_val,
                                             const char* arg2_name, uint64 arg2_val, int copy);
typedef void (*cef_trace_event_begin_func)(const char* category, const char* name,
                                           const char* arg1_name, uint64 arg1_val,
                                           const char* arg2_name, uint64 arg2_val, int copy);
typedef void (*cef_trace_event_end_func)(const char* category, const char* name,
                                         const char* arg1_name, uint64 arg1_val,
                                         const char* arg2_name, uint64 arg2_val, int copy);
typedef void (*cef_trace_counter_func)(const char* category, const char* name,
                                       const char* value1_name, uint64 value1_val,
                                       const char* value2_name, uint64 value2_val, int copy);
typedef void (*cef_trace_counter_id_func)(const char* category, const char* name, uint64 id,
                                          const char* value1_name, uint64 value1_val,
                                          const char* value2_name, uint64 value2_val, int copy);
typedef void (*cef_trace_event_async_begin_func)(const char* category, const char* name, uint64 id,
                                                 const char* arg1_name, uint64 arg1_val,
                                                 const char* arg2_name, uint64 arg2_val, int copy);
typedef void (*cef_trace_event_async_step_into_func)(const char* category, const char* name,
                                                     uint64 id, uint64 step, const char* arg1_name,
                                                     uint64 arg1_val, int copy);
typedef void (*cef_trace_event_async_step_past_func)(const char* category, const char* name,
                                                     uint64 id, uint64 step, const char* arg1_name,
                                                     uint64 arg1_val, int copy);
typedef void (*cef_trace_event_async_end_func)(const char* category, const char* name, uint64 id,
                                               const char* arg1_name, uint64 arg1_val,
                                               const char* arg2_name, uint64 arg2_val, int copy);

// 41: browser view
typedef cef_browser_view_t* (*cef_browser_view_create_func)(
    struct _cef_client_t* client, const cef_string_t* url,
    const struct _cef_browser_settings_t* settings, struct _cef_dictionary_value_t* extra_info,
    struct _cef_request_context_t* request_context, struct _cef_browser_view_delegate_t* delegate);
typedef cef_browser_view_t* (*cef_browser_view_get_for_browser_func)(
    struct _cef_browser_t* browser);

// 42: display
typedef cef_display_t* (*cef_display_get_primary_func)(void);
typedef cef_display_t* (*cef_display_get_nearest_point_func)(const cef_point_t* point,
                                                             int input_pixel_coords);
typedef cef_display_t* (*cef_display_get_matching_bounds_func)(const cef_rect_t* bounds,
                                                               int input_pixel_coords);
typedef size_t (*cef_display_get_count_func)(void);
typedef void (*cef_display_get_alls_func)(size_t* displaysCount, cef_display_t** displays);

// 43: label button
typedef cef_label_button_t* (*cef_label_button_create_func)(struct _cef_button_delegate_t* delegate,
                                                            const cef_string_t* text);

// 44: menu button
typedef cef_menu_button_t* (*cef_menu_button_create_func)(
    struct _cef_menu_button_delegate_t* delegate, const cef_string_t* text);

// 45: panel
typedef cef_panel_t* (*cef_panel_create_func)(struct _cef_panel_delegate_t* delegate);

// 46: scroll view
typedef cef_scroll_view_t* (*cef_scroll_view_create_func)(struct _cef_view_delegate_t* delegate);

// 47: text field
typedef cef_textfield_t* (*cef_textfield_create_func)(struct _cef_textfield_delegate_t* delegate);

// 48: window
typedef cef_window_t* (*cef_window_create_top_level_func)(struct _cef_window_delegate_t* delegate);

// Prototypes of the exported functions, for the library that implements them.
#ifdef CEF_CAPI_DECLARE_EXPORTS
CEF_EXPORT int cef_initialize(const struct _cef_main_args_t* args,
                              const struct _cef_settings_t* settings, cef_app_t* application,
                              void* windows_sandbox_info);
CEF_EXPORT void cef_shutdown(void);
CEF_EXPORT int cef_execute_process(const struct _cef_main_args_t* args, cef_app_t* application,
                                   void* windows_sandbox_info);
CEF_EXPORT void cef_do_message_loop_work(void);
CEF_EXPORT void cef_run_message_loop(void);
CEF_EXPORT void cef_quit_message_loop(void);
CEF_EXPORT void cef_set_osmodal_loop(int osModalLoop);
CEF_EXPORT void cef_enable_highdpi_support(void);
CEF_EXPORT int cef_browser_host_create_browser(const cef_window_info_t* windowInfo,
                                               struct _cef_client_t* client,
                                               const cef_string_t* url,
                                               const struct _cef_browser_settings_t* settings,
                                               struct _cef_dictionary_value_t* extra_info,
                                               struct _cef_request_context_t* request_context);
CEF_EXPORT cef_browser_t* cef_browser_host_create_browser_sync(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client, const cef_string_t* url,
    const struct _cef_browser_settings_t* settings, struct _cef_dictionary_value_t* extra_info,
    struct _cef_request_context_t* request_context);
CEF_EXPORT cef_command_line_t* cef_command_line_create(void);
CEF_EXPORT cef_command_line_t* cef_command_line_get_global(void);
CEF_EXPORT cef_cookie_manager_t* cef_cookie_manager_get_global_manager(
    struct _cef_completion_callback_t* callback);
CEF_EXPORT int cef_crash_reporting_enabled(void);
CEF_EXPORT void cef_set_crash_key_value(const cef_string_t* key, const cef_string_t* value);
CEF_EXPORT cef_drag_data_t* cef_drag_data_create(void);
CEF_EXPORT int cef_create_directory(const cef_string_t* full_path);
CEF_EXPORT int cef_get_temp_directory(cef_string_t* temp_dir);
CEF_EXPORT int cef_create_new_temp_directory(const cef_string_t* prefix,
                                             cef_string_t* new_temp_path);
CEF_EXPORT int cef_create_temp_directory_in_directory(const cef_string_t* base_dir,
                                                      const cef_string_t* prefix,
                                                      cef_string_t* new_dir);
CEF_EXPORT int cef_directory_exists(const cef_string_t* path);
CEF_EXPORT int cef_delete_file(const cef_string_t* path, int recursive);
CEF_EXPORT int cef_zip_directory(const cef_string_t* src_dir, const cef_string_t* dest_file,
                                 int include_hidden_files);
CEF_EXPORT void cef_load_crlsets_file(const cef_string_t* path);
CEF_EXPORT cef_image_t* cef_image_create(void);
CEF_EXPORT cef_menu_model_t* cef_menu_model_create(struct _cef_menu_model_delegate_t* delegate);
CEF_EXPORT int cef_add_cross_origin_whitelist_entry(const cef_string_t* source_origin,
                                                    const cef_string_t* target_protocol,
                                                    const cef_string_t* target_domain,
                                                    int allow_target_subdomains);
CEF_EXPORT int cef_remove_cross_origin_whitelist_entry(const cef_string_t* source_origin,
                                                       const cef_string_t* target_protocol,
                                                       const cef_string_t* target_domain,
                                                       int allow_target_subdomains);
CEF_EXPORT int cef_clear_cross_origin_whitelist(void);
CEF_EXPORT int cef_parse_url(const cef_string_t* url, struct _cef_urlparts_t* parts);
CEF_EXPORT int cef_create_url(const struct _cef_urlparts_t* parts, cef_string_t* url);
CEF_EXPORT cef_string_userfree_t
cef_format_url_for_security_display(const cef_string_t* origin_url);
CEF_EXPORT cef_string_userfree_t cef_get_mime_type(const cef_string_t* extension);
CEF_EXPORT void cef_get_extensions_for_mime_type(const cef_string_t* mime_type,
                                                 cef_string_list_t extensions);
CEF_EXPORT cef_string_userfree_t cef_base64encode(const void* data, size_t data_size);
CEF_EXPORT struct _cef_binary_value_t* cef_base64decode(const cef_string_t* data);
CEF_EXPORT cef_string_userfree_t cef_uriencode(const cef_string_t* text, int use_plus);
CEF_EXPORT cef_string_userfree_t cef_uridecode(const cef_string_t* text, int convert_to_utf8,
                                               cef_uri_unescape_rule_t unescape_rule);
CEF_EXPORT struct _cef_value_t* cef_parse_json(const cef_string_t* json_string,
                                               cef_json_parser_options_t options);
CEF_EXPORT struct _cef_value_t* cef_parse_jsonand_return_error(
    const cef_string_t* json_string, cef_json_parser_options_t options,
    cef_json_parser_error_t* error_code_out, cef_string_t* error_msg_out);
CEF_EXPORT cef_string_userfree_t cef_write_json(struct _cef_value_t* node,
                                                cef_json_writer_options_t options);
CEF_EXPORT int cef_get_path(cef_path_key_t key, cef_string_t* path);
CEF_EXPORT cef_print_settings_t* cef_print_settings_create(void);
CEF_EXPORT cef_process_message_t* cef_process_message_create(const cef_string_t* name);
CEF_EXPORT int cef_launch_process(struct _cef_command_line_t* command_line);
CEF_EXPORT cef_request_t* cef_request_create(void);
CEF_EXPORT cef_post_data_t* cef_post_data_create(void);
CEF_EXPORT cef_post_data_element_t* cef_post_data_element_create(void);
CEF_EXPORT cef_request_context_t* cef_request_context_get_global_context(void);
CEF_EXPORT cef_request_context_t* cef_request_context_create_context(
    const struct _cef_request_context_settings_t* settings,
    struct _cef_request_context_handler_t* handler);
CEF_EXPORT cef_request_context_t* cef_create_context_shared(
    cef_request_context_t* other, struct _cef_request_context_handler_t* handler);
CEF_EXPORT cef_resource_bundle_t* cef_resource_bundle_get_global(void);
CEF_EXPORT cef_response_t* cef_response_create(void);
CEF_EXPORT void cef_server_create(const cef_string_t* address, uint16 port, int backlog,
                                  struct _cef_server_handler_t* handler);
CEF_EXPORT int cef_register_scheme_handler_factory(const cef_string_t* scheme_name,
                                                   const cef_string_t* domain_name,
                                                   cef_scheme_handler_factory_t* factory);
CEF_EXPORT int cef_clear_scheme_handler_factories(void);
CEF_EXPORT int cef_is_cert_status_error(cef_cert_status_t status);
CEF_EXPORT int cef_is_cert_status_minor_error(cef_cert_status_t status);
CEF_EXPORT cef_stream_reader_t* cef_stream_reader_create_for_file(const cef_string_t* fileName);
CEF_EXPORT cef_stream_reader_t* cef_stream_reader_create_for_data(void* data, size_t size);
CEF_EXPORT cef_stream_reader_t* cef_stream_reader_create_for_handler(cef_read_handler_t* handler);
CEF_EXPORT cef_stream_writer_t* cef_stream_writer_create_for_file(const cef_string_t* fileName);
CEF_EXPORT cef_stream_writer_t* cef_stream_writer_create_for_handler(cef_write_handler_t* handler);
CEF_EXPORT cef_task_runner_t* cef_task_runner_get_for_current_thread(void);
CEF_EXPORT cef_task_runner_t* cef_task_runner_get_for_thread(cef_thread_id_t threadId);
CEF_EXPORT int cef_currently_on(cef_thread_id_t threadId);
CEF_EXPORT int cef_post_task(cef_thread_id_t threadId, cef_task_t* task);
CEF_EXPORT int cef_post_delayed_task(cef_thread_id_t threadId, cef_task_t* task, int64 delay_ms);
CEF_EXPORT cef_thread_t* cef_thread_create(const cef_string_t* display_name,
                                           cef_thread_priority_t priority,
                                           cef_message_loop_type_t message_loop_type, int stoppable,
                                           cef_com_init_mode_t com_init_mode);
CEF_EXPORT int cef_begin_tracing(const cef_string_t* categories,
                                 struct _cef_completion_callback_t* callback);
CEF_EXPORT int cef_end_tracing(const cef_string_t* tracing_file,
                               cef_end_tracing_callback_t* callback);
CEF_EXPORT int64 cef_now_from_system_trace_time(void);
CEF_EXPORT cef_urlrequest_t* cef_urlrequest_create(struct _cef_request_t* request,
                                                   struct _cef_urlrequest_client_t* client,
                                                   struct _cef_request_context_t* request_context);
CEF_EXPORT cef_v8context_t* cef_v8context_get_current_context(void);
CEF_EXPORT cef_v8context_t* cef_v8context_get_entered_context(void);
CEF_EXPORT int cef_v8context_in_context(void);
CEF_EXPORT cef_v8value_t* cef_v8value_create_undefined(void);
CEF_EXPORT cef_v8value_t* cef_v8value_create_null(void);
CEF_EXPORT cef_v8value_t* cef_v8value_create_bool(int value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_int(int32 value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_uint(uint32 value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_double(double value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_date(const cef_time_t* date);
CEF_EXPORT cef_v8value_t* cef_v8value_create_string(const cef_string_t* value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_object(cef_v8accessor_t* accessor,
                                                    cef_v8interceptor_t* interceptor);
CEF_EXPORT cef_v8value_t* cef_v8value_create_array(int length);
CEF_EXPORT cef_v8value_t* cef_v8value_create_array_buffer(
    void* buffer, size_t length, cef_v8array_buffer_release_callback_t* release_callback);
CEF_EXPORT cef_v8value_t* cef_v8value_create_function(const cef_string_t* name,
                                                      cef_v8handler_t* handler);
CEF_EXPORT cef_v8stack_trace_t* cef_v8stack_trace_get_current(int frame_limit);
CEF_EXPORT int cef_register_extension(const cef_string_t* extension_name,
                                      const cef_string_t* javascript_code,
                                      cef_v8handler_t* handler);
CEF_EXPORT cef_value_t* cef_value_create(void);
CEF_EXPORT cef_binary_value_t* cef_binary_value_create(const void* data, size_t data_size);
CEF_EXPORT cef_dictionary_value_t* cef_dictionary_value_create(void);
CEF_EXPORT cef_list_value_t* cef_list_value_create(void);
CEF_EXPORT cef_waitable_event_t* cef_waitable_event_create(int automatic_reset,
                                                           int initially_signaled);
CEF_EXPORT void cef_visit_web_plugin_info(cef_web_plugin_info_visitor_t* visitor);
CEF_EXPORT void cef_refresh_web_plugins(void);
CEF_EXPORT void cef_unregister_internal_web_plugin(const cef_string_t* path);
CEF_EXPORT void cef_register_web_plugin_crash(const cef_string_t* path);
CEF_EXPORT void cef_is_web_plugin_unstable(const cef_string_t* path,
                                           cef_web_plugin_unstable_callback_t* callback);
CEF_EXPORT void cef_register_widevine_cdm(const cef_string_t* path,
                                          cef_register_cdm_callback_t* callback);
CEF_EXPORT cef_xml_reader_t* cef_xml_reader_create(struct _cef_stream_reader_t* stream,
                                                   cef_xml_encoding_type_t encodingType,
                                                   const cef_string_t* URI);
CEF_EXPORT cef_zip_reader_t* cef_zip_reader_create(struct _cef_stream_reader_t* stream);
CEF_EXPORT int cef_get_min_log_level(void);
CEF_EXPORT int cef_get_vlog_level(const char* file_start, size_t N);
CEF_EXPORT void cef_log(const char* file, int line, int severity, const char* message);
CEF_EXPORT cef_string_list_t cef_string_list_alloc(void);
CEF_EXPORT size_t cef_string_list_size(cef_string_list_t list);
CEF_EXPORT int cef_string_list_value(cef_string_list_t list, size_t index, cef_string_t* value);
CEF_EXPORT void cef_string_list_append(cef_string_list_t list, const cef_string_t* value);
CEF_EXPORT void cef_string_list_clear(cef_string_list_t list);
CEF_EXPORT void cef_string_list_free(cef_string_list_t list);
CEF_EXPORT cef_string_list_t cef_string_list_copy(cef_string_list_t list);
CEF_EXPORT cef_string_map_t cef_string_map_alloc(void);
CEF_EXPORT size_t cef_string_map_size(cef_string_map_t map);
CEF_EXPORT int cef_string_map_find(cef_string_map_t map, const cef_string_t* key,
                                   cef_string_t* value);
CEF_EXPORT int cef_string_map_key(cef_string_map_t map, size_t index, cef_string_t* key);
CEF_EXPORT int cef_string_map_value(cef_string_map_t map, size_t index, cef_string_t* value);
CEF_EXPORT int cef_string_map_append(cef_string_map_t map, const cef_string_t* key,
                                     const cef_string_t* value);
CEF_EXPORT void cef_string_map_clear(cef_string_map_t map);
CEF_EXPORT void cef_string_map_free(cef_string_map_t map);
CEF_EXPORT cef_string_multimap_t cef_string_multimap_alloc(void);
CEF_EXPORT size_t cef_string_multimap_size(cef_string_multimap_t map);
CEF_EXPORT size_t cef_string_multimap_find_count(cef_string_multimap_t map,
                                                 const cef_string_t* key);
CEF_EXPORT int cef_string_multimap_enumerate(cef_string_multimap_t map, const cef_string_t* key,
                                             size_t value_index, cef_string_t* value);
CEF_EXPORT int cef_string_multimap_key(cef_string_multimap_t map, size_t index, cef_string_t* key);
CEF_EXPORT int cef_string_multimap_value(cef_string_multimap_t map, size_t index,
                                         cef_string_t* value);
CEF_EXPORT int cef_string_multimap_append(cef_string_multimap_t map, const cef_string_t* key,
                                          const cef_string_t* value);
CEF_EXPORT void cef_string_multimap_clear(cef_string_multimap_t map);
CEF_EXPORT void cef_string_multimap_free(cef_string_multimap_t map);
CEF_EXPORT int cef_string_wide_set(const wchar_t* src, size_t src_len, cef_string_wide_t* output,
                                   int copy);
CEF_EXPORT int cef_string_utf8_set(const char* src, size_t src_len, cef_string_utf8_t* output,
                                   int copy);
CEF_EXPORT int cef_string_utf16_set(const char16* src, size_t src_len, cef_string_utf16_t* output,
                                    int copy);
CEF_EXPORT void cef_string_wide_clear(cef_string_wide_t* str);
CEF_EXPORT void cef_string_utf8_clear(cef_string_utf8_t* str);
CEF_EXPORT void cef_string_utf16_clear(cef_string_utf16_t* str);
CEF_EXPORT int cef_string_wide_cmp(const cef_string_wide_t* str1, const cef_string_wide_t* str2);
CEF_EXPORT int cef_string_utf8_cmp(const cef_string_utf8_t* str1, const cef_string_utf8_t* str2);
CEF_EXPORT int cef_string_utf16_cmp(const cef_string_utf16_t* str1, const cef_string_utf16_t* str2);
CEF_EXPORT int cef_string_wide_to_utf8(const wchar_t* src, size_t src_len,
                                       cef_string_utf8_t* output);
CEF_EXPORT int cef_string_utf8_to_wide(const char* src, size_t src_len, cef_string_wide_t* output);
CEF_EXPORT int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len,
                                        cef_string_utf16_t* output);
CEF_EXPORT int cef_string_utf16_to_wide(const char16* src, size_t src_len,
                                        cef_string_wide_t* output);
CEF_EXPORT int cef_string_utf8_to_utf16(const char* src, size_t src_len,
                                        cef_string_utf16_t* output);
CEF_EXPORT int cef_string_utf16_to_utf8(const char16* src, size_t src_len,
                                        cef_string_utf8_t* output);
CEF_EXPORT int cef_string_ascii_to_wide(const char* src, size_t src_len, cef_string_wide_t* output);
CEF_EXPORT int cef_string_ascii_to_utf16(const char* src, size_t src_len,
                                         cef_string_utf16_t* output);
CEF_EXPORT cef_string_userfree_wide_t cef_string_userfree_wide_alloc(void);
CEF_EXPORT cef_string_userfree_utf8_t cef_string_userfree_utf8_alloc(void);
CEF_EXPORT cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void);
CEF_EXPORT void cef_string_userfree_wide_free(cef_string_userfree_wide_t str);
CEF_EXPORT void cef_string_userfree_utf8_free(cef_string_userfree_utf8_t str);
CEF_EXPORT void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str);
CEF_EXPORT int cef_string_utf16_to_lower(const char16* src, size_t src_len,
                                         cef_string_utf16_t* output);
CEF_EXPORT int cef_string_utf16_to_upper(const char16* src, size_t src_len,
                                         cef_string_utf16_t* output);
CEF_EXPORT cef_platform_thread_id_t cef_get_current_platform_thread_id(void);
CEF_EXPORT cef_platform_thread_handle_t cef_get_current_platform_thread_handle(void);
CEF_EXPORT void cef_trace_event_instant(const char* category, const char* name,
                                        const char* arg1_name, uint64 arg1_val,
                                        const char* arg2_name, uint64 arg2_val, int copy);
CEF_EXPORT void cef_trace_event_begin(const char* category, const char* name, const char* arg1_name,
                                      uint64 arg1_val, const char* arg2_name, uint64 arg2_val,
                                      int copy);
CEF_EXPORT void cef_trace_event_end(const char* category, const char* name, const char* arg1_name,
                                    uint64 arg1_val, const char* arg2_name, uint64 arg2_val,
                                    int copy);
CEF_EXPORT void cef_trace_counter(const char* category, const char* name, const char* value1_name,
                                  uint64 value1_val, const char* value2_name, uint64 value2_val,
                                  int copy);
CEF_EXPORT void cef_trace_counter_id(const char* category, const char* name, uint64 id,
                                     const char* value1_name, uint64 value1_val,
                                     const char* value2_name, uint64 value2_val, int copy);
CEF_EXPORT void cef_trace_event_async_begin(const char* category, const char* name, uint64 id,
                                            const char* arg1_name, uint64 arg1_val,
                                            const char* arg2_name, uint64 arg2_val, int copy);
CEF_EXPORT void cef_trace_event_async_step_into(const char* category, const char* name, uint64 id,
                                                uint64 step, const char* arg1_name, uint64 arg1_val,
                                                int copy);
CEF_EXPORT void cef_trace_event_async_step_past(const char* category, const char* name, uint64 id,
                                                uint64 step, const char* arg1_name, uint64 arg1_val,
                                                int copy);
CEF_EXPORT void cef_trace_event_async_end(const char* category, const char* name, uint64 id,
                                          const char* arg1_name, uint64 arg1_val,
                                          const char* arg2_name, uint64 arg2_val, int copy);
CEF_EXPORT cef_browser_view_t* cef_browser_view_create(
    struct _cef_client_t* client, const cef_string_t* url,
    const struct _cef_browser_settings_t* settings, struct _cef_dictionary_value_t* extra_info,
    struct _cef_request_context_t* request_context, struct _cef_browser_view_delegate_t* delegate);
CEF_EXPORT cef_browser_view_t* cef_browser_view_get_for_browser(struct _cef_browser_t* browser);
CEF_EXPORT cef_display_t* cef_display_get_primary(void);
CEF_EXPORT cef_display_t* cef_display_get_nearest_point(const cef_point_t* point,
                                                        int input_pixel_coords);
CEF_EXPORT cef_display_t* cef_display_get_matching_bounds(const cef_rect_t* bounds,
                                                          int input_pixel_coords);
CEF_EXPORT size_t cef_display_get_count(void);
CEF_EXPORT void cef_display_get_alls(size_t* displaysCount, cef_display_t** displays);
CEF_EXPORT cef_label_button_t* cef_label_button_create(struct _cef_button_delegate_t* delegate,
                                                       const cef_string_t* text);
CEF_EXPORT cef_menu_button_t* cef_menu_button_create(struct _cef_menu_button_delegate_t* delegate,
                                                     const cef_string_t* text);
CEF_EXPORT cef_panel_t* cef_panel_create(struct _cef_panel_delegate_t* delegate);
CEF_EXPORT cef_scroll_view_t* cef_scroll_view_create(struct _cef_view_delegate_t* delegate);
CEF_EXPORT cef_textfield_t* cef_textfield_create(struct _cef_textfield_delegate_t* delegate);
CEF_EXPORT cef_window_t* cef_window_create_top_level(struct _cef_window_delegate_t* delegate);
#endif

// X(group, group name, function) for every export, in the order the loader resolves them.
#define CEF_ENTRY_POINTS(X)                                          \
  X(1, "application", cef_initialize)                                \
  X(1, "application", cef_shutdown)                                  \
  X(1, "application", cef_execute_process)                           \
  X(1, "application", cef_do_message_loop_work)                      \
  X(1, "application", cef_run_message_loop)                          \
  X(1, "application", cef_quit_message_loop)                         \
  X(1, "application", cef_set_osmodal_loop)                          \
  X(1, "application", cef_enable_highdpi_support)                    \
  X(2, "browser", cef_browser_host_create_browser)                   \
  X(2, "browser", cef_browser_host_create_browser_sync)              \
  X(3, "command line", cef_command_line_create)                      \
  X(3, "command line", cef_command_line_get_global)                  \
  X(4, "cookies", cef_cookie_manager_get_global_manager)             \
  X(5, "crash reporting", cef_crash_reporting_enabled)               \
  X(5, "crash reporting", cef_set_crash_key_value)                   \
  X(6, "drag data", cef_drag_data_create)                            \
  X(7, "files", cef_create_directory)                                \
  X(7, "files", cef_get_temp_directory)                              \
  X(7, "files", cef_create_new_temp_directory)                       \
  X(7, "files", cef_create_temp_directory_in_directory)              \
  X(7, "files", cef_directory_exists)                                \
  X(7, "files", cef_delete_file)                                     \
  X(7, "files", cef_zip_directory)                                   \
  X(7, "files", cef_load_crlsets_file)                               \
  X(8, "image", cef_image_create)                                    \
  X(9, "menu model", cef_menu_model_create)                          \
  X(10, "origin whitelist", cef_add_cross_origin_whitelist_entry)    \
  X(10, "origin whitelist", cef_remove_cross_origin_whitelist_entry) \
  X(10, "origin whitelist", cef_clear_cross_origin_whitelist)        \
  X(11, "parser", cef_parse_url)                                     \
  X(11, "parser", cef_create_url)                                    \
  X(11, "parser", cef_format_url_for_security_display)               \
  X(11, "parser", cef_get_mime_type)                                 \
  X(11, "parser", cef_get_extensions_for_mime_type)                  \
  X(11, "parser", cef_base64encode)                                  \
  X(11, "parser", cef_base64decode)                                  \
  X(11, "parser", cef_uriencode)                                     \
  X(11, "parser", cef_uridecode)                                     \
  X(11, "parser", cef_parse_json)                                    \
  X(11, "parser", cef_parse_jsonand_return_error)                    \
  X(11, "parser", cef_write_json)                                    \
  X(12, "path", cef_get_path)                                        \
  X(13, "print settings", cef_print_settings_create)                 \
  X(14, "process message", cef_process_message_create)               \
  X(15, "process launch", cef_launch_process)                        \
  X(16, "request", cef_request_create)                               \
  X(16, "request", cef_post_data_create)                             \
  X(16, "request", cef_post_data_element_create)                     \
  X(17, "request context", cef_request_context_get_global_context)   \
  X(17, "request context", cef_request_context_create_context)       \
  X(17, "request context", cef_create_context_shared)                \
  X(18, "resource bundle", cef_resource_bundle_get_global)           \
  X(19, "response", cef_response_create)                             \
  X(20, "server", cef_server_create)                                 \
  X(21, "scheme", cef_register_scheme_handler_factory)               \
  X(21, "scheme", cef_clear_scheme_handler_factories)                \
  X(22, "certificate status", cef_is_cert_status_error)              \
  X(22, "certificate status", cef_is_cert_status_minor_error)        \
  X(23, "streams", cef_stream_reader_create_for_file)                \
  X(23, "streams", cef_stream_reader_create_for_data)                \
  X(23, "streams", cef_stream_reader_create_for_handler)             \
  X(23, "streams", cef_stream_writer_create_for_file)                \
  X(23, "streams", cef_stream_writer_create_for_handler)             \
  X(24, "tasks", cef_task_runner_get_for_current_thread)             \
  X(24, "tasks", cef_task_runner_get_for_thread)                     \
  X(24, "tasks", cef_currently_on)                                   \
  X(24, "tasks", cef_post_task)                                      \
  X(24, "tasks", cef_post_delayed_task)                              \
  X(25, "thread", cef_thread_create)                                 \
  X(26, "tracing", cef_begin_tracing)                                \
  X(26, "tracing", cef_end_tracing)                                  \
  X(26, "tracing", cef_now_from_system_trace_time)                   \
  X(27, "URL request", cef_urlrequest_create)                        \
  X(28, "script engine", cef_v8context_get_current_context)          \
  X(28, "script engine", cef_v8context_get_entered_context)          \
  X(28, "script engine", cef_v8context_in_context)                   \
  X(28, "script engine", cef_v8value_create_undefined)               \
  X(28, "script engine", cef_v8value_create_null)                    \
  X(28, "script engine", cef_v8value_create_bool)                    \
  X(28, "script engine", cef_v8value_create_int)                     \
  X(28, "script engine", cef_v8value_create_uint)                    \
  X(28, "script engine", cef_v8value_create_double)                  \
  X(28, "script engine", cef_v8value_create_date)                    \
  X(28, "script engine", cef_v8value_create_string)                  \
  X(28, "script engine", cef_v8value_create_object)                  \
  X(28, "script engine", cef_v8value_create_array)                   \
  X(28, "script engine", cef_v8value_create_array_buffer)            \
  X(28, "script engine", cef_v8value_create_function)                \
  X(28, "script engine", cef_v8stack_trace_get_current)              \
  X(28, "script engine", cef_register_extension)                     \
  X(29, "values", cef_value_create)                                  \
  X(29, "values", cef_binary_value_create)                           \
  X(29, "values", cef_dictionary_value_create)                       \
  X(29, "values", cef_list_value_create)                             \
  X(30, "waitable event", cef_waitable_event_create)                 \
  X(31, "plug-ins", cef_visit_web_plugin_info)                       \
  X(31, "plug-ins", cef_refresh_web_plugins)                         \
  X(31, "plug-ins", cef_unregister_internal_web_plugin)              \
  X(31, "plug-ins", cef_register_web_plugin_crash)                   \
  X(31, "plug-ins", cef_is_web_plugin_unstable)                      \
  X(31, "plug-ins", cef_register_widevine_cdm)                       \
  X(32, "XML reader", cef_xml_reader_create)                         \
  X(33, "zip reader", cef_zip_reader_create)                         \
  X(34, "logging", cef_get_min_log_level)                            \
  X(34, "logging", cef_get_vlog_level)                               \
  X(34, "logging", cef_log)                                          \
  X(35, "string list", cef_string_list_alloc)                        \
  X(35, "string list", cef_string_list_size)                         \
  X(35, "string list", cef_string_list_value)                        \
  X(35, "string list", cef_string_list_append)                       \
  X(35, "string list", cef_string_list_clear)                        \
  X(35, "string list", cef_string_list_free)                         \
  X(35, "string list", cef_string_list_copy)                         \
  X(36, "string map", cef_string_map_alloc)                          \
  X(36, "string map", cef_string_map_size)                           \
  X(36, "string map", cef_string_map_find)                           \
  X(36, "string map", cef_string_map_key)                            \
  X(36, "string map", cef_string_map_value)                          \
  X(36, "string map", cef_string_map_append)                         \
  X(36, "string map", cef_string_map_clear)                          \
  X(36, "string map", cef_string_map_free)                           \
  X(37, "string multimap", cef_string_multimap_alloc)                \
  X(37, "string multimap", cef_string_multimap_size)                 \
  X(37, "string multimap", cef_string_multimap_find_count)           \
  X(37, "string multimap", cef_string_multimap_enumerate)            \
  X(37, "string multimap", cef_string_multimap_key)                  \
  X(37, "string multimap", cef_string_multimap_value)                \
  X(37, "string multimap", cef_string_multimap_append)               \
  X(37, "string multimap", cef_string_multimap_clear)                \
  X(37, "string multimap", cef_string_multimap_free)                 \
  X(38, "strings", cef_string_wide_set)                              \
  X(38, "strings", cef_string_utf8_set)                              \
  X(38, "strings", cef_string_utf16_set)                             \
  X(38, "strings", cef_string_wide_clear)                            \
  X(38, "strings", cef_string_utf8_clear)                            \
  X(38, "strings", cef_string_utf16_clear)                           \
  X(38, "strings", cef_string_wide_cmp)                              \
  X(38, "strings", cef_string_utf8_cmp)                              \
  X(38, "strings", cef_string_utf16_cmp)                             \
  X(38, "strings", cef_string_wide_to_utf8)                          \
  X(38, "strings", cef_string_utf8_to_wide)                          \
  X(38, "strings", cef_string_wide_to_utf16)                         \
  X(38, "strings", cef_string_utf16_to_wide)                         \
  X(38, "strings", cef_string_utf8_to_utf16)                         \
  X(38, "strings", cef_string_utf16_to_utf8)                         \
  X(38, "strings", cef_string_ascii_to_wide)                         \
  X(38, "strings", cef_string_ascii_to_utf16)                        \
  X(38, "strings", cef_string_userfree_wide_alloc)                   \
  X(38, "strings", cef_string_userfree_utf8_alloc)                   \
  X(38, "strings", cef_string_userfree_utf16_alloc)                  \
  X(38, "strings", cef_string_userfree_wide_free)                    \
  X(38, "strings", cef_string_userfree_utf8_free)                    \
  X(38, "strings", cef_string_userfree_utf16_free)                   \
  X(38, "strings", cef_string_utf16_to_lower)                        \
  X(38, "strings", cef_string_utf16_to_upper)                        \
  X(39, "platform thread", cef_get_current_platform_thread_id)       \
  X(39, "platform thread", cef_get_current_platform_thread_handle)   \
  X(40, "trace events", cef_trace_event_instant)                     \
  X(40, "trace events", cef_trace_event_begin)                       \
  X(40, "trace events", cef_trace_event_end)                         \
  X(40, "trace events", cef_trace_counter)                           \
  X(40, "trace events", cef_trace_counter_id)                        \
  X(40, "trace events", cef_trace_event_async_begin)                 \
  X(40, "trace events", cef_trace_event_async_step_into)             \
  X(40, "trace events", cef_trace_event_async_step_past)             \
  X(40, "trace events", cef_trace_event_async_end)                   \
  X(41, "browser view", cef_browser_view_create)                     \
  X(41, "browser view", cef_browser_view_get_for_browser)            \
  X(42, "display", cef_display_get_primary)                          \
  X(42, "display", cef_display_get_nearest_point)                    \
  X(42, "display", cef_display_get_matching_bounds)                  \
  X(42, "display", cef_display_get_count)                            \
  X(42, "display", cef_display_get_alls)                             \
  X(43, "label button", cef_label_button_create)                     \
  X(44, "menu button", cef_menu_button_create)                       \
  X(45, "panel", cef_panel_create)                                   \
  X(46, "scroll view", cef_scroll_view_create)                       \
  X(47, "text field", cef_textfield_create)                          \
  X(48, "window", cef_window_create_top_level)

#define CEF_ENTRY_POINT_COUNT 179
#define CEF_ENTRY_POINT_GROUP_COUNT 48

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // OSTREL_ENGINE_CAPI_CEF_ENTRY_POINTS_H_
