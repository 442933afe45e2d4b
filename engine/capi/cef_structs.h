#ifndef OSTREL_ENGINE_CAPI_CEF_STRUCTS_H_
#define OSTREL_ENGINE_CAPI_CEF_STRUCTS_H_

// Generated once from the engine's published C interface (runtime 77.1.18, Windows x64)
// and maintained by hand since. Offsets and sizes are checked below: a mismatch would make the
// real runtime call the wrong function pointer.

#include "engine/capi/cef_enums.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_rect_t cef_rect_t;
typedef struct _cef_point_t cef_point_t;
typedef struct _cef_range_t cef_range_t;
typedef struct _cef_base_ref_counted_t cef_base_ref_counted_t;
typedef struct _cef_base_scoped_t cef_base_scoped_t;
typedef struct _cef_layout_t cef_layout_t;
typedef struct _cef_view_delegate_t cef_view_delegate_t;
typedef struct _cef_view_t cef_view_t;
typedef struct _cef_button_t cef_button_t;
typedef struct _cef_button_delegate_t cef_button_delegate_t;
typedef struct _cef_label_button_t cef_label_button_t;
typedef struct _cef_panel_delegate_t cef_panel_delegate_t;
typedef struct _cef_panel_t cef_panel_t;
typedef struct _cef_time_t cef_time_t;
typedef struct _cef_settings_t cef_settings_t;
typedef struct _cef_request_context_settings_t cef_request_context_settings_t;
typedef struct _cef_browser_settings_t cef_browser_settings_t;
typedef struct _cef_urlparts_t cef_urlparts_t;
typedef struct _cef_cookie_t cef_cookie_t;
typedef struct _cef_size_t cef_size_t;
typedef struct _cef_insets_t cef_insets_t;
typedef struct _cef_draggable_region_t cef_draggable_region_t;
typedef struct _cef_screen_info_t cef_screen_info_t;
typedef struct _cef_mouse_event_t cef_mouse_event_t;
typedef struct _cef_touch_event_t cef_touch_event_t;
typedef struct _cef_key_event_t cef_key_event_t;
typedef struct _cef_popup_features_t cef_popup_features_t;
typedef struct _cef_cursor_info_t cef_cursor_info_t;
typedef struct _cef_pdf_print_settings_t cef_pdf_print_settings_t;
typedef struct _cef_box_layout_settings_t cef_box_layout_settings_t;
typedef struct _cef_composition_underline_t cef_composition_underline_t;
typedef struct _cef_main_args_t cef_main_args_t;
typedef struct _cef_window_info_t cef_window_info_t;
typedef struct _cef_accessibility_handler_t cef_accessibility_handler_t;
typedef struct _cef_app_t cef_app_t;
typedef struct _cef_auth_callback_t cef_auth_callback_t;
typedef struct _cef_browser_t cef_browser_t;
typedef struct _cef_run_file_dialog_callback_t cef_run_file_dialog_callback_t;
typedef struct _cef_navigation_entry_visitor_t cef_navigation_entry_visitor_t;
typedef struct _cef_pdf_print_callback_t cef_pdf_print_callback_t;
typedef struct _cef_download_image_callback_t cef_download_image_callback_t;
typedef struct _cef_browser_host_t cef_browser_host_t;
typedef struct _cef_browser_process_handler_t cef_browser_process_handler_t;
typedef struct _cef_callback_t cef_callback_t;
typedef struct _cef_completion_callback_t cef_completion_callback_t;
typedef struct _cef_client_t cef_client_t;
typedef struct _cef_command_line_t cef_command_line_t;
typedef struct _cef_run_context_menu_callback_t cef_run_context_menu_callback_t;
typedef struct _cef_context_menu_handler_t cef_context_menu_handler_t;
typedef struct _cef_context_menu_params_t cef_context_menu_params_t;
typedef struct _cef_cookie_manager_t cef_cookie_manager_t;
typedef struct _cef_cookie_visitor_t cef_cookie_visitor_t;
typedef struct _cef_set_cookie_callback_t cef_set_cookie_callback_t;
typedef struct _cef_delete_cookies_callback_t cef_delete_cookies_callback_t;
typedef struct _cef_file_dialog_callback_t cef_file_dialog_callback_t;
typedef struct _cef_dialog_handler_t cef_dialog_handler_t;
typedef struct _cef_display_handler_t cef_display_handler_t;
typedef struct _cef_domvisitor_t cef_domvisitor_t;
typedef struct _cef_domdocument_t cef_domdocument_t;
typedef struct _cef_domnode_t cef_domnode_t;
typedef struct _cef_before_download_callback_t cef_before_download_callback_t;
typedef struct _cef_download_item_callback_t cef_download_item_callback_t;
typedef struct _cef_download_handler_t cef_download_handler_t;
typedef struct _cef_download_item_t cef_download_item_t;
typedef struct _cef_drag_data_t cef_drag_data_t;
typedef struct _cef_drag_handler_t cef_drag_handler_t;
typedef struct _cef_extension_t cef_extension_t;
typedef struct _cef_get_extension_resource_callback_t cef_get_extension_resource_callback_t;
typedef struct _cef_extension_handler_t cef_extension_handler_t;
typedef struct _cef_find_handler_t cef_find_handler_t;
typedef struct _cef_focus_handler_t cef_focus_handler_t;
typedef struct _cef_frame_t cef_frame_t;
typedef struct _cef_image_t cef_image_t;
typedef struct _cef_jsdialog_callback_t cef_jsdialog_callback_t;
typedef struct _cef_jsdialog_handler_t cef_jsdialog_handler_t;
typedef struct _cef_keyboard_handler_t cef_keyboard_handler_t;
typedef struct _cef_life_span_handler_t cef_life_span_handler_t;
typedef struct _cef_load_handler_t cef_load_handler_t;
typedef struct _cef_menu_model_t cef_menu_model_t;
typedef struct _cef_menu_model_delegate_t cef_menu_model_delegate_t;
typedef struct _cef_navigation_entry_t cef_navigation_entry_t;
typedef struct _cef_print_dialog_callback_t cef_print_dialog_callback_t;
typedef struct _cef_print_job_callback_t cef_print_job_callback_t;
typedef struct _cef_print_handler_t cef_print_handler_t;
typedef struct _cef_print_settings_t cef_print_settings_t;
typedef struct _cef_process_message_t cef_process_message_t;
typedef struct _cef_render_handler_t cef_render_handler_t;
typedef struct _cef_render_process_handler_t cef_render_process_handler_t;
typedef struct _cef_request_callback_t cef_request_callback_t;
typedef struct _cef_request_t cef_request_t;
typedef struct _cef_post_data_t cef_post_data_t;
typedef struct _cef_post_data_element_t cef_post_data_element_t;
typedef struct _cef_resolve_callback_t cef_resolve_callback_t;
typedef struct _cef_request_context_t cef_request_context_t;
typedef struct _cef_request_context_handler_t cef_request_context_handler_t;
typedef struct _cef_select_client_certificate_callback_t cef_select_client_certificate_callback_t;
typedef struct _cef_request_handler_t cef_request_handler_t;
typedef struct _cef_resource_bundle_t cef_resource_bundle_t;
typedef struct _cef_resource_bundle_handler_t cef_resource_bundle_handler_t;
typedef struct _cef_resource_skip_callback_t cef_resource_skip_callback_t;
typedef struct _cef_resource_read_callback_t cef_resource_read_callback_t;
typedef struct _cef_resource_handler_t cef_resource_handler_t;
typedef struct _cef_resource_request_handler_t cef_resource_request_handler_t;
typedef struct _cef_cookie_access_filter_t cef_cookie_access_filter_t;
typedef struct _cef_response_t cef_response_t;
typedef struct _cef_response_filter_t cef_response_filter_t;
typedef struct _cef_scheme_registrar_t cef_scheme_registrar_t;
typedef struct _cef_scheme_handler_factory_t cef_scheme_handler_factory_t;
typedef struct _cef_server_t cef_server_t;
typedef struct _cef_server_handler_t cef_server_handler_t;
typedef struct _cef_sslinfo_t cef_sslinfo_t;
typedef struct _cef_sslstatus_t cef_sslstatus_t;
typedef struct _cef_read_handler_t cef_read_handler_t;
typedef struct _cef_stream_reader_t cef_stream_reader_t;
typedef struct _cef_write_handler_t cef_write_handler_t;
typedef struct _cef_stream_writer_t cef_stream_writer_t;
typedef struct _cef_string_visitor_t cef_string_visitor_t;
typedef struct _cef_task_t cef_task_t;
typedef struct _cef_task_runner_t cef_task_runner_t;
typedef struct _cef_thread_t cef_thread_t;
typedef struct _cef_end_tracing_callback_t cef_end_tracing_callback_t;
typedef struct _cef_urlrequest_t cef_urlrequest_t;
typedef struct _cef_urlrequest_client_t cef_urlrequest_client_t;
typedef struct _cef_v8context_t cef_v8context_t;
typedef struct _cef_v8handler_t cef_v8handler_t;
typedef struct _cef_v8accessor_t cef_v8accessor_t;
typedef struct _cef_v8interceptor_t cef_v8interceptor_t;
typedef struct _cef_v8exception_t cef_v8exception_t;
typedef struct _cef_v8array_buffer_release_callback_t cef_v8array_buffer_release_callback_t;
typedef struct _cef_v8value_t cef_v8value_t;
typedef struct _cef_v8stack_trace_t cef_v8stack_trace_t;
typedef struct _cef_v8stack_frame_t cef_v8stack_frame_t;
typedef struct _cef_value_t cef_value_t;
typedef struct _cef_binary_value_t cef_binary_value_t;
typedef struct _cef_dictionary_value_t cef_dictionary_value_t;
typedef struct _cef_list_value_t cef_list_value_t;
typedef struct _cef_waitable_event_t cef_waitable_event_t;
typedef struct _cef_web_plugin_info_t cef_web_plugin_info_t;
typedef struct _cef_web_plugin_info_visitor_t cef_web_plugin_info_visitor_t;
typedef struct _cef_web_plugin_unstable_callback_t cef_web_plugin_unstable_callback_t;
typedef struct _cef_register_cdm_callback_t cef_register_cdm_callback_t;
typedef struct _cef_x509cert_principal_t cef_x509cert_principal_t;
typedef struct _cef_x509certificate_t cef_x509certificate_t;
typedef struct _cef_xml_reader_t cef_xml_reader_t;
typedef struct _cef_zip_reader_t cef_zip_reader_t;
typedef struct _cef_box_layout_t cef_box_layout_t;
typedef struct _cef_browser_view_t cef_browser_view_t;
typedef struct _cef_browser_view_delegate_t cef_browser_view_delegate_t;
typedef struct _cef_display_t cef_display_t;
typedef struct _cef_fill_layout_t cef_fill_layout_t;
typedef struct _cef_menu_button_t cef_menu_button_t;
typedef struct _cef_menu_button_pressed_lock_t cef_menu_button_pressed_lock_t;
typedef struct _cef_menu_button_delegate_t cef_menu_button_delegate_t;
typedef struct _cef_scroll_view_t cef_scroll_view_t;
typedef struct _cef_textfield_t cef_textfield_t;
typedef struct _cef_textfield_delegate_t cef_textfield_delegate_t;
typedef struct _cef_window_t cef_window_t;
typedef struct _cef_window_delegate_t cef_window_delegate_t;

struct _cef_rect_t {
  int x;
  int y;
  int width;
  int height;
};

struct _cef_point_t {
  int x;
  int y;
};

struct _cef_range_t {
  int from;
  int to;
};

struct _cef_base_ref_counted_t {
  size_t size;
  void(CEF_CALLBACK* add_ref)(struct _cef_base_ref_counted_t*);
  int(CEF_CALLBACK* release)(struct _cef_base_ref_counted_t*);
  int(CEF_CALLBACK* has_one_ref)(struct _cef_base_ref_counted_t*);
  int(CEF_CALLBACK* has_at_least_one_ref)(struct _cef_base_ref_counted_t*);
};

struct _cef_base_scoped_t {
  size_t size;
  void(CEF_CALLBACK* del)(struct _cef_base_scoped_t*);
};

struct _cef_layout_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_box_layout_t*(CEF_CALLBACK* as_box_layout)(struct _cef_layout_t*);
  struct _cef_fill_layout_t*(CEF_CALLBACK* as_fill_layout)(struct _cef_layout_t*);
  int(CEF_CALLBACK* is_valid)(struct _cef_layout_t*);
};

struct _cef_view_delegate_t {
  struct _cef_base_ref_counted_t base;
  cef_size_t(CEF_CALLBACK* get_preferred_size)(struct _cef_view_delegate_t*, struct _cef_view_t*);
  cef_size_t(CEF_CALLBACK* get_minimum_size)(struct _cef_view_delegate_t*, struct _cef_view_t*);
  cef_size_t(CEF_CALLBACK* get_maximum_size)(struct _cef_view_delegate_t*, struct _cef_view_t*);
  int(CEF_CALLBACK* get_height_for_width)(struct _cef_view_delegate_t*, struct _cef_view_t*, int);
  void(CEF_CALLBACK* on_parent_view_changed)(struct _cef_view_delegate_t*, struct _cef_view_t*, int,
                                             struct _cef_view_t*);
  void(CEF_CALLBACK* on_child_view_changed)(struct _cef_view_delegate_t*, struct _cef_view_t*, int,
                                            struct _cef_view_t*);
  void(CEF_CALLBACK* on_focus)(struct _cef_view_delegate_t*, struct _cef_view_t*);
  void(CEF_CALLBACK* on_blur)(struct _cef_view_delegate_t*, struct _cef_view_t*);
};

struct _cef_view_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_browser_view_t*(CEF_CALLBACK* as_browser_view)(struct _cef_view_t*);
  struct _cef_button_t*(CEF_CALLBACK* as_button)(struct _cef_view_t*);
  struct _cef_panel_t*(CEF_CALLBACK* as_panel)(struct _cef_view_t*);
  struct _cef_scroll_view_t*(CEF_CALLBACK* as_scroll_view)(struct _cef_view_t*);
  struct _cef_textfield_t*(CEF_CALLBACK* as_textfield)(struct _cef_view_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_type_string)(struct _cef_view_t*);
  cef_string_userfree_t(CEF_CALLBACK* to_string)(struct _cef_view_t*, int);
  int(CEF_CALLBACK* is_valid)(struct _cef_view_t*);
  int(CEF_CALLBACK* is_attached)(struct _cef_view_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_view_t*, struct _cef_view_t*);
  struct _cef_view_delegate_t*(CEF_CALLBACK* get_delegate)(struct _cef_view_t*);
  struct _cef_window_t*(CEF_CALLBACK* get_window)(struct _cef_view_t*);
  int(CEF_CALLBACK* get_id)(struct _cef_view_t*);
  void(CEF_CALLBACK* set_id)(struct _cef_view_t*, int);
  int(CEF_CALLBACK* get_group_id)(struct _cef_view_t*);
  void(CEF_CALLBACK* set_group_id)(struct _cef_view_t*, int);
  struct _cef_view_t*(CEF_CALLBACK* get_parent_view)(struct _cef_view_t*);
  struct _cef_view_t*(CEF_CALLBACK* get_view_for_id)(struct _cef_view_t*, int);
  void(CEF_CALLBACK* set_bounds)(struct _cef_view_t*, const cef_rect_t*);
  cef_rect_t(CEF_CALLBACK* get_bounds)(struct _cef_view_t*);
  cef_rect_t(CEF_CALLBACK* get_bounds_in_screen)(struct _cef_view_t*);
  void(CEF_CALLBACK* set_size)(struct _cef_view_t*, const cef_size_t*);
  cef_size_t(CEF_CALLBACK* get_size)(struct _cef_view_t*);
  void(CEF_CALLBACK* set_position)(struct _cef_view_t*, const cef_point_t*);
  cef_point_t(CEF_CALLBACK* get_position)(struct _cef_view_t*);
  cef_size_t(CEF_CALLBACK* get_preferred_size)(struct _cef_view_t*);
  void(CEF_CALLBACK* size_to_preferred_size)(struct _cef_view_t*);
  cef_size_t(CEF_CALLBACK* get_minimum_size)(struct _cef_view_t*);
  cef_size_t(CEF_CALLBACK* get_maximum_size)(struct _cef_view_t*);
  int(CEF_CALLBACK* get_height_for_width)(struct _cef_view_t*, int);
  void(CEF_CALLBACK* invalidate_layout)(struct _cef_view_t*);
  void(CEF_CALLBACK* set_visible)(struct _cef_view_t*, int);
  int(CEF_CALLBACK* is_visible)(struct _cef_view_t*);
  int(CEF_CALLBACK* is_drawn)(struct _cef_view_t*);
  void(CEF_CALLBACK* set_enabled)(struct _cef_view_t*, int);
  int(CEF_CALLBACK* is_enabled)(struct _cef_view_t*);
  void(CEF_CALLBACK* set_focusable)(struct _cef_view_t*, int);
  int(CEF_CALLBACK* is_focusable)(struct _cef_view_t*);
  int(CEF_CALLBACK* is_accessibility_focusable)(struct _cef_view_t*);
  void(CEF_CALLBACK* request_focus)(struct _cef_view_t*);
  void(CEF_CALLBACK* set_background_color)(struct _cef_view_t*, cef_color_t);
  cef_color_t(CEF_CALLBACK* get_background_color)(struct _cef_view_t*);
  int(CEF_CALLBACK* convert_point_to_screen)(struct _cef_view_t*, cef_point_t*);
  int(CEF_CALLBACK* convert_point_from_screen)(struct _cef_view_t*, cef_point_t*);
  int(CEF_CALLBACK* convert_point_to_window)(struct _cef_view_t*, cef_point_t*);
  int(CEF_CALLBACK* convert_point_from_window)(struct _cef_view_t*, cef_point_t*);
  int(CEF_CALLBACK* convert_point_to_view)(struct _cef_view_t*, struct _cef_view_t*, cef_point_t*);
  int(CEF_CALLBACK* convert_point_from_view)(struct _cef_view_t*, struct _cef_view_t*,
                                             cef_point_t*);
};

struct _cef_button_t {
  struct _cef_view_t base;
  struct _cef_label_button_t*(CEF_CALLBACK* as_label_button)(struct _cef_button_t*);
  void(CEF_CALLBACK* set_state)(struct _cef_button_t*, cef_button_state_t);
  cef_button_state_t(CEF_CALLBACK* get_state)(struct _cef_button_t*);
  void(CEF_CALLBACK* set_ink_drop_enabled)(struct _cef_button_t*, int);
  void(CEF_CALLBACK* set_tooltip_text)(struct _cef_button_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_accessible_name)(struct _cef_button_t*, const cef_string_t*);
};

struct _cef_button_delegate_t {
  struct _cef_view_delegate_t base;
  void(CEF_CALLBACK* on_button_pressed)(struct _cef_button_delegate_t*, struct _cef_button_t*);
  void(CEF_CALLBACK* on_button_state_changed)(struct _cef_button_delegate_t*,
                                              struct _cef_button_t*);
};

struct _cef_label_button_t {
  struct _cef_button_t base;
  struct _cef_menu_button_t*(CEF_CALLBACK* as_menu_button)(struct _cef_label_button_t*);
  void(CEF_CALLBACK* set_text)(struct _cef_label_button_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_text)(struct _cef_label_button_t*);
  void(CEF_CALLBACK* set_image)(struct _cef_label_button_t*, cef_button_state_t,
                                struct _cef_image_t*);
  struct _cef_image_t*(CEF_CALLBACK* get_image)(struct _cef_label_button_t*, cef_button_state_t);
  void(CEF_CALLBACK* set_text_color)(struct _cef_label_button_t*, cef_button_state_t, cef_color_t);
  void(CEF_CALLBACK* set_enabled_text_colors)(struct _cef_label_button_t*, cef_color_t);
  void(CEF_CALLBACK* set_font_list)(struct _cef_label_button_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_horizontal_alignment)(struct _cef_label_button_t*,
                                               cef_horizontal_alignment_t);
  void(CEF_CALLBACK* set_minimum_size)(struct _cef_label_button_t*, const cef_size_t*);
  void(CEF_CALLBACK* set_maximum_size)(struct _cef_label_button_t*, const cef_size_t*);
};

struct _cef_panel_delegate_t {
  struct _cef_view_delegate_t base;
};

struct _cef_panel_t {
  struct _cef_view_t base;
  struct _cef_window_t*(CEF_CALLBACK* as_window)(struct _cef_panel_t*);
  struct _cef_fill_layout_t*(CEF_CALLBACK* set_to_fill_layout)(struct _cef_panel_t*);
  struct _cef_box_layout_t*(CEF_CALLBACK* set_to_box_layout)(
      struct _cef_panel_t*, const struct _cef_box_layout_settings_t*);
  struct _cef_layout_t*(CEF_CALLBACK* get_layout)(struct _cef_panel_t*);
  void(CEF_CALLBACK* layout)(struct _cef_panel_t*);
  void(CEF_CALLBACK* add_child_view)(struct _cef_panel_t*, struct _cef_view_t*);
  void(CEF_CALLBACK* add_child_view_at)(struct _cef_panel_t*, struct _cef_view_t*, int);
  void(CEF_CALLBACK* reorder_child_view)(struct _cef_panel_t*, struct _cef_view_t*, int);
  void(CEF_CALLBACK* remove_child_view)(struct _cef_panel_t*, struct _cef_view_t*);
  void(CEF_CALLBACK* remove_all_child_views)(struct _cef_panel_t*);
  size_t(CEF_CALLBACK* get_child_view_count)(struct _cef_panel_t*);
  struct _cef_view_t*(CEF_CALLBACK* get_child_view_at)(struct _cef_panel_t*, int);
};

struct _cef_time_t {
  int year;
  int month;
  int day_of_week;
  int day_of_month;
  int hour;
  int minute;
  int second;
  int millisecond;
};

struct _cef_settings_t {
  size_t size;
  int no_sandbox;
  struct _cef_string_utf16_t browser_subprocess_path;
  struct _cef_string_utf16_t framework_dir_path;
  struct _cef_string_utf16_t main_bundle_path;
  int multi_threaded_message_loop;
  int external_message_pump;
  int windowless_rendering_enabled;
  int command_line_args_disabled;
  struct _cef_string_utf16_t cache_path;
  struct _cef_string_utf16_t root_cache_path;
  struct _cef_string_utf16_t user_data_path;
  int persist_session_cookies;
  int persist_user_preferences;
  struct _cef_string_utf16_t user_agent;
  struct _cef_string_utf16_t product_version;
  struct _cef_string_utf16_t locale;
  struct _cef_string_utf16_t log_file;
  cef_log_severity_t log_severity;
  struct _cef_string_utf16_t javascript_flags;
  struct _cef_string_utf16_t resources_dir_path;
  struct _cef_string_utf16_t locales_dir_path;
  int pack_loading_disabled;
  int remote_debugging_port;
  int uncaught_exception_stack_size;
  int ignore_certificate_errors;
  int enable_net_security_expiration;
  cef_color_t background_color;
  struct _cef_string_utf16_t accept_language_list;
  struct _cef_string_utf16_t application_client_id_for_file_scanning;
};

struct _cef_request_context_settings_t {
  size_t size;
  struct _cef_string_utf16_t cache_path;
  int persist_session_cookies;
  int persist_user_preferences;
  int ignore_certificate_errors;
  int enable_net_security_expiration;
  struct _cef_string_utf16_t accept_language_list;
};

struct _cef_browser_settings_t {
  size_t size;
  int windowless_frame_rate;
  struct _cef_string_utf16_t standard_font_family;
  struct _cef_string_utf16_t fixed_font_family;
  struct _cef_string_utf16_t serif_font_family;
  struct _cef_string_utf16_t sans_serif_font_family;
  struct _cef_string_utf16_t cursive_font_family;
  struct _cef_string_utf16_t fantasy_font_family;
  int default_font_size;
  int default_fixed_font_size;
  int minimum_font_size;
  int minimum_logical_font_size;
  struct _cef_string_utf16_t default_encoding;
  cef_state_t remote_fonts;
  cef_state_t javascript;
  cef_state_t javascript_close_windows;
  cef_state_t javascript_access_clipboard;
  cef_state_t javascript_dom_paste;
  cef_state_t plugins;
  cef_state_t universal_access_from_file_urls;
  cef_state_t file_access_from_file_urls;
  cef_state_t web_security;
  cef_state_t image_loading;
  cef_state_t image_shrink_standalone_to_fit;
  cef_state_t text_area_resize;
  cef_state_t tab_to_links;
  cef_state_t local_storage;
  cef_state_t databases;
  cef_state_t application_cache;
  cef_state_t webgl;
  cef_color_t background_color;
  struct _cef_string_utf16_t accept_language_list;
};

struct _cef_urlparts_t {
  struct _cef_string_utf16_t spec;
  struct _cef_string_utf16_t scheme;
  struct _cef_string_utf16_t username;
  struct _cef_string_utf16_t password;
  struct _cef_string_utf16_t host;
  struct _cef_string_utf16_t port;
  struct _cef_string_utf16_t origin;
  struct _cef_string_utf16_t path;
  struct _cef_string_utf16_t query;
};

struct _cef_cookie_t {
  struct _cef_string_utf16_t name;
  struct _cef_string_utf16_t value;
  struct _cef_string_utf16_t domain;
  struct _cef_string_utf16_t path;
  int secure;
  int httponly;
  struct _cef_time_t creation;
  struct _cef_time_t last_access;
  int has_expires;
  struct _cef_time_t expires;
};

struct _cef_size_t {
  int width;
  int height;
};

struct _cef_insets_t {
  int top;
  int left;
  int bottom;
  int right;
};

struct _cef_draggable_region_t {
  struct _cef_rect_t bounds;
  int draggable;
};

struct _cef_screen_info_t {
  float device_scale_factor;
  int depth;
  int depth_per_component;
  int is_monochrome;
  struct _cef_rect_t rect;
  struct _cef_rect_t available_rect;
};

struct _cef_mouse_event_t {
  int x;
  int y;
  uint32 modifiers;
};

struct _cef_touch_event_t {
  int id;
  float x;
  float y;
  float radius_x;
  float radius_y;
  float rotation_angle;
  float pressure;
  cef_touch_event_type_t type;
  uint32 modifiers;
  cef_pointer_type_t pointer_type;
};

struct _cef_key_event_t {
  cef_key_event_type_t type;
  uint32 modifiers;
  int windows_key_code;
  int native_key_code;
  int is_system_key;
  char16 character;
  char16 unmodified_character;
  int focus_on_editable_field;
};

struct _cef_popup_features_t {
  int x;
  int xSet;
  int y;
  int ySet;
  int width;
  int widthSet;
  int height;
  int heightSet;
  int menuBarVisible;
  int statusBarVisible;
  int toolBarVisible;
  int scrollbarsVisible;
};

struct _cef_cursor_info_t {
  struct _cef_point_t hotspot;
  float image_scale_factor;
  void* buffer;
  struct _cef_size_t size;
};

struct _cef_pdf_print_settings_t {
  struct _cef_string_utf16_t header_footer_title;
  struct _cef_string_utf16_t header_footer_url;
  int page_width;
  int page_height;
  int scale_factor;
  double margin_top;
  double margin_right;
  double margin_bottom;
  double margin_left;
  cef_pdf_print_margin_type_t margin_type;
  int header_footer_enabled;
  int selection_only;
  int landscape;
  int backgrounds_enabled;
};

struct _cef_box_layout_settings_t {
  int horizontal;
  int inside_border_horizontal_spacing;
  int inside_border_vertical_spacing;
  struct _cef_insets_t inside_border_insets;
  int between_child_spacing;
  cef_main_axis_alignment_t main_axis_alignment;
  cef_cross_axis_alignment_t cross_axis_alignment;
  int minimum_cross_axis_size;
  int default_flex;
};

struct _cef_composition_underline_t {
  struct _cef_range_t range;
  cef_color_t color;
  cef_color_t background_color;
  int thick;
};

struct _cef_main_args_t {
  HINSTANCE instance;
};

struct _cef_window_info_t {
  DWORD ex_style;
  struct _cef_string_utf16_t window_name;
  DWORD style;
  int x;
  int y;
  int width;
  int height;
  HWND parent_window;
  HMENU menu;
  int windowless_rendering_enabled;
  int shared_texture_enabled;
  int external_begin_frame_enabled;
  HWND window;
};

struct _cef_accessibility_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_accessibility_tree_change)(struct _cef_accessibility_handler_t*,
                                                   struct _cef_value_t*);
  void(CEF_CALLBACK* on_accessibility_location_change)(struct _cef_accessibility_handler_t*,
                                                       struct _cef_value_t*);
};

struct _cef_app_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_before_command_line_processing)(struct _cef_app_t*, const cef_string_t*,
                                                        struct _cef_command_line_t*);
  void(CEF_CALLBACK* on_register_custom_schemes)(struct _cef_app_t*,
                                                 struct _cef_scheme_registrar_t*);
  struct _cef_resource_bundle_handler_t*(CEF_CALLBACK* get_resource_bundle_handler)(
      struct _cef_app_t*);
  struct _cef_browser_process_handler_t*(CEF_CALLBACK* get_browser_process_handler)(
      struct _cef_app_t*);
  struct _cef_render_process_handler_t*(CEF_CALLBACK* get_render_process_handler)(
      struct _cef_app_t*);
};

struct _cef_auth_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_auth_callback_t*, const cef_string_t*, const cef_string_t*);
  void(CEF_CALLBACK* cancel)(struct _cef_auth_callback_t*);
};

struct _cef_browser_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_browser_host_t*(CEF_CALLBACK* get_host)(struct _cef_browser_t*);
  int(CEF_CALLBACK* can_go_back)(struct _cef_browser_t*);
  void(CEF_CALLBACK* go_back)(struct _cef_browser_t*);
  int(CEF_CALLBACK* can_go_forward)(struct _cef_browser_t*);
  void(CEF_CALLBACK* go_forward)(struct _cef_browser_t*);
  int(CEF_CALLBACK* is_loading)(struct _cef_browser_t*);
  void(CEF_CALLBACK* reload)(struct _cef_browser_t*);
  void(CEF_CALLBACK* reload_ignore_cache)(struct _cef_browser_t*);
  void(CEF_CALLBACK* stop_load)(struct _cef_browser_t*);
  int(CEF_CALLBACK* get_identifier)(struct _cef_browser_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_browser_t*, struct _cef_browser_t*);
  int(CEF_CALLBACK* is_popup)(struct _cef_browser_t*);
  int(CEF_CALLBACK* has_document)(struct _cef_browser_t*);
  struct _cef_frame_t*(CEF_CALLBACK* get_main_frame)(struct _cef_browser_t*);
  struct _cef_frame_t*(CEF_CALLBACK* get_focused_frame)(struct _cef_browser_t*);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame_byident)(struct _cef_browser_t*, int64);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_browser_t*, const cef_string_t*);
  size_t(CEF_CALLBACK* get_frame_count)(struct _cef_browser_t*);
  void(CEF_CALLBACK* get_frame_identifiers)(struct _cef_browser_t*, size_t*, int64*);
  void(CEF_CALLBACK* get_frame_names)(struct _cef_browser_t*, cef_string_list_t);
};

struct _cef_run_file_dialog_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_file_dialog_dismissed)(struct _cef_run_file_dialog_callback_t*, int,
                                               cef_string_list_t);
};

struct _cef_navigation_entry_visitor_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* visit)(struct _cef_navigation_entry_visitor_t*, struct _cef_navigation_entry_t*,
                           int, int, int);
};

struct _cef_pdf_print_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_pdf_print_finished)(struct _cef_pdf_print_callback_t*, const cef_string_t*,
                                            int);
};

struct _cef_download_image_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_download_image_finished)(struct _cef_download_image_callback_t*,
                                                 const cef_string_t*, int, struct _cef_image_t*);
};

struct _cef_browser_host_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* close_browser)(struct _cef_browser_host_t*, int);
  int(CEF_CALLBACK* try_close_browser)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* set_focus)(struct _cef_browser_host_t*, int);
  HWND(CEF_CALLBACK* get_window_handle)(struct _cef_browser_host_t*);
  HWND(CEF_CALLBACK* get_opener_window_handle)(struct _cef_browser_host_t*);
  int(CEF_CALLBACK* has_view)(struct _cef_browser_host_t*);
  struct _cef_client_t*(CEF_CALLBACK* get_client)(struct _cef_browser_host_t*);
  struct _cef_request_context_t*(CEF_CALLBACK* get_request_context)(struct _cef_browser_host_t*);
  double(CEF_CALLBACK* get_zoom_level)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* set_zoom_level)(struct _cef_browser_host_t*, double);
  void(CEF_CALLBACK* run_file_dialog)(struct _cef_browser_host_t*, cef_file_dialog_mode_t,
                                      const cef_string_t*, const cef_string_t*, cef_string_list_t,
                                      int, struct _cef_run_file_dialog_callback_t*);
  void(CEF_CALLBACK* start_download)(struct _cef_browser_host_t*, const cef_string_t*);
  void(CEF_CALLBACK* download_image)(struct _cef_browser_host_t*, const cef_string_t*, int, uint32,
                                     int, struct _cef_download_image_callback_t*);
  void(CEF_CALLBACK* print)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* print_to_pdf)(struct _cef_browser_host_t*, const cef_string_t*,
                                   const struct _cef_pdf_print_settings_t*,
                                   struct _cef_pdf_print_callback_t*);
  void(CEF_CALLBACK* find)(struct _cef_browser_host_t*, int, const cef_string_t*, int, int, int);
  void(CEF_CALLBACK* stop_finding)(struct _cef_browser_host_t*, int);
  void(CEF_CALLBACK* show_dev_tools)(struct _cef_browser_host_t*, const struct _cef_window_info_t*,
                                     struct _cef_client_t*, const struct _cef_browser_settings_t*,
                                     const cef_point_t*);
  void(CEF_CALLBACK* close_dev_tools)(struct _cef_browser_host_t*);
  int(CEF_CALLBACK* has_dev_tools)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* get_navigation_entries)(struct _cef_browser_host_t*,
                                             struct _cef_navigation_entry_visitor_t*, int);
  void(CEF_CALLBACK* set_mouse_cursor_change_disabled)(struct _cef_browser_host_t*, int);
  int(CEF_CALLBACK* is_mouse_cursor_change_disabled)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* replace_misspelling)(struct _cef_browser_host_t*, const cef_string_t*);
  void(CEF_CALLBACK* add_word_to_dictionary)(struct _cef_browser_host_t*, const cef_string_t*);
  int(CEF_CALLBACK* is_window_rendering_disabled)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* was_resized)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* was_hidden)(struct _cef_browser_host_t*, int);
  void(CEF_CALLBACK* notify_screen_info_changed)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* invalidate)(struct _cef_browser_host_t*, cef_paint_element_type_t);
  void(CEF_CALLBACK* send_external_begin_frame)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* send_key_event)(struct _cef_browser_host_t*, const struct _cef_key_event_t*);
  void(CEF_CALLBACK* send_mouse_click_event)(struct _cef_browser_host_t*,
                                             const struct _cef_mouse_event_t*,
                                             cef_mouse_button_type_t, int, int);
  void(CEF_CALLBACK* send_mouse_move_event)(struct _cef_browser_host_t*,
                                            const struct _cef_mouse_event_t*, int);
  void(CEF_CALLBACK* send_mouse_wheel_event)(struct _cef_browser_host_t*,
                                             const struct _cef_mouse_event_t*, int, int);
  void(CEF_CALLBACK* send_touch_event)(struct _cef_browser_host_t*,
                                       const struct _cef_touch_event_t*);
  void(CEF_CALLBACK* send_focus_event)(struct _cef_browser_host_t*, int);
  void(CEF_CALLBACK* send_capture_lost_event)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* notify_move_or_resize_started)(struct _cef_browser_host_t*);
  int(CEF_CALLBACK* get_windowless_frame_rate)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* set_windowless_frame_rate)(struct _cef_browser_host_t*, int);
  void(CEF_CALLBACK* ime_set_composition)(struct _cef_browser_host_t*, const cef_string_t*, size_t,
                                          const cef_composition_underline_t*, const cef_range_t*,
                                          const cef_range_t*);
  void(CEF_CALLBACK* ime_commit_text)(struct _cef_browser_host_t*, const cef_string_t*,
                                      const cef_range_t*, int);
  void(CEF_CALLBACK* ime_finish_composing_text)(struct _cef_browser_host_t*, int);
  void(CEF_CALLBACK* ime_cancel_composition)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* drag_target_drag_enter)(struct _cef_browser_host_t*, struct _cef_drag_data_t*,
                                             const struct _cef_mouse_event_t*,
                                             cef_drag_operations_mask_t);
  void(CEF_CALLBACK* drag_target_drag_over)(struct _cef_browser_host_t*,
                                            const struct _cef_mouse_event_t*,
                                            cef_drag_operations_mask_t);
  void(CEF_CALLBACK* drag_target_drag_leave)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* drag_target_drop)(struct _cef_browser_host_t*,
                                       const struct _cef_mouse_event_t*);
  void(CEF_CALLBACK* drag_source_ended_at)(struct _cef_browser_host_t*, int, int,
                                           cef_drag_operations_mask_t);
  void(CEF_CALLBACK* drag_source_system_drag_ended)(struct _cef_browser_host_t*);
  struct _cef_navigation_entry_t*(CEF_CALLBACK* get_visible_navigation_entry)(
      struct _cef_browser_host_t*);
  void(CEF_CALLBACK* set_accessibility_state)(struct _cef_browser_host_t*, cef_state_t);
  void(CEF_CALLBACK* set_auto_resize_enabled)(struct _cef_browser_host_t*, int, const cef_size_t*,
                                              const cef_size_t*);
  struct _cef_extension_t*(CEF_CALLBACK* get_extension)(struct _cef_browser_host_t*);
  int(CEF_CALLBACK* is_background_host)(struct _cef_browser_host_t*);
  void(CEF_CALLBACK* set_audio_muted)(struct _cef_browser_host_t*, int);
  int(CEF_CALLBACK* is_audio_muted)(struct _cef_browser_host_t*);
};

struct _cef_browser_process_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_context_initialized)(struct _cef_browser_process_handler_t*);
  void(CEF_CALLBACK* on_before_child_process_launch)(struct _cef_browser_process_handler_t*,
                                                     struct _cef_command_line_t*);
  void(CEF_CALLBACK* on_render_process_thread_created)(struct _cef_browser_process_handler_t*,
                                                       struct _cef_list_value_t*);
  struct _cef_print_handler_t*(CEF_CALLBACK* get_print_handler)(
      struct _cef_browser_process_handler_t*);
  void(CEF_CALLBACK* on_schedule_message_pump_work)(struct _cef_browser_process_handler_t*, int64);
};

struct _cef_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_callback_t*);
  void(CEF_CALLBACK* cancel)(struct _cef_callback_t*);
};

struct _cef_completion_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_completion_callback_t*);
};

struct _cef_client_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_context_menu_handler_t*(CEF_CALLBACK* get_context_menu_handler)(
      struct _cef_client_t*);
  struct _cef_dialog_handler_t*(CEF_CALLBACK* get_dialog_handler)(struct _cef_client_t*);
  struct _cef_display_handler_t*(CEF_CALLBACK* get_display_handler)(struct _cef_client_t*);
  struct _cef_download_handler_t*(CEF_CALLBACK* get_download_handler)(struct _cef_client_t*);
  struct _cef_drag_handler_t*(CEF_CALLBACK* get_drag_handler)(struct _cef_client_t*);
  struct _cef_find_handler_t*(CEF_CALLBACK* get_find_handler)(struct _cef_client_t*);
  struct _cef_focus_handler_t*(CEF_CALLBACK* get_focus_handler)(struct _cef_client_t*);
  struct _cef_jsdialog_handler_t*(CEF_CALLBACK* get_jsdialog_handler)(struct _cef_client_t*);
  struct _cef_keyboard_handler_t*(CEF_CALLBACK* get_keyboard_handler)(struct _cef_client_t*);
  struct _cef_life_span_handler_t*(CEF_CALLBACK* get_life_span_handler)(struct _cef_client_t*);
  struct _cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(struct _cef_client_t*);
  struct _cef_render_handler_t*(CEF_CALLBACK* get_render_handler)(struct _cef_client_t*);
  struct _cef_request_handler_t*(CEF_CALLBACK* get_request_handler)(struct _cef_client_t*);
  int(CEF_CALLBACK* on_process_message_received)(struct _cef_client_t*, struct _cef_browser_t*,
                                                 struct _cef_frame_t*, cef_process_id_t,
                                                 struct _cef_process_message_t*);
};

struct _cef_command_line_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_command_line_t*);
  int(CEF_CALLBACK* is_read_only)(struct _cef_command_line_t*);
  struct _cef_command_line_t*(CEF_CALLBACK* copy)(struct _cef_command_line_t*);
  void(CEF_CALLBACK* init_from_argv)(struct _cef_command_line_t*, int, const char* const*);
  void(CEF_CALLBACK* init_from_string)(struct _cef_command_line_t*, const cef_string_t*);
  void(CEF_CALLBACK* reset)(struct _cef_command_line_t*);
  void(CEF_CALLBACK* get_argv)(struct _cef_command_line_t*, cef_string_list_t);
  cef_string_userfree_t(CEF_CALLBACK* get_command_line_string)(struct _cef_command_line_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_program)(struct _cef_command_line_t*);
  void(CEF_CALLBACK* set_program)(struct _cef_command_line_t*, const cef_string_t*);
  int(CEF_CALLBACK* has_switches)(struct _cef_command_line_t*);
  int(CEF_CALLBACK* has_switch)(struct _cef_command_line_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_switch_value)(struct _cef_command_line_t*,
                                                        const cef_string_t*);
  void(CEF_CALLBACK* get_switches)(struct _cef_command_line_t*, cef_string_map_t);
  void(CEF_CALLBACK* append_switch)(struct _cef_command_line_t*, const cef_string_t*);
  void(CEF_CALLBACK* append_switch_with_value)(struct _cef_command_line_t*, const cef_string_t*,
                                               const cef_string_t*);
  int(CEF_CALLBACK* has_arguments)(struct _cef_command_line_t*);
  void(CEF_CALLBACK* get_arguments)(struct _cef_command_line_t*, cef_string_list_t);
  void(CEF_CALLBACK* append_argument)(struct _cef_command_line_t*, const cef_string_t*);
  void(CEF_CALLBACK* prepend_wrapper)(struct _cef_command_line_t*, const cef_string_t*);
};

struct _cef_run_context_menu_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_run_context_menu_callback_t*, int, cef_event_flags_t);
  void(CEF_CALLBACK* cancel)(struct _cef_run_context_menu_callback_t*);
};

struct _cef_context_menu_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_before_context_menu)(struct _cef_context_menu_handler_t*,
                                             struct _cef_browser_t*, struct _cef_frame_t*,
                                             struct _cef_context_menu_params_t*,
                                             struct _cef_menu_model_t*);
  int(CEF_CALLBACK* run_context_menu)(struct _cef_context_menu_handler_t*, struct _cef_browser_t*,
                                      struct _cef_frame_t*, struct _cef_context_menu_params_t*,
                                      struct _cef_menu_model_t*,
                                      struct _cef_run_context_menu_callback_t*);
  int(CEF_CALLBACK* on_context_menu_command)(struct _cef_context_menu_handler_t*,
                                             struct _cef_browser_t*, struct _cef_frame_t*,
                                             struct _cef_context_menu_params_t*, int,
                                             cef_event_flags_t);
  void(CEF_CALLBACK* on_context_menu_dismissed)(struct _cef_context_menu_handler_t*,
                                                struct _cef_browser_t*, struct _cef_frame_t*);
};

struct _cef_context_menu_params_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* get_xcoord)(struct _cef_context_menu_params_t*);
  int(CEF_CALLBACK* get_ycoord)(struct _cef_context_menu_params_t*);
  cef_context_menu_type_flags_t(CEF_CALLBACK* get_type_flags)(struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_link_url)(struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_unfiltered_link_url)(struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_source_url)(struct _cef_context_menu_params_t*);
  int(CEF_CALLBACK* has_image_contents)(struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_title_text)(struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_page_url)(struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_frame_url)(struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_frame_charset)(struct _cef_context_menu_params_t*);
  cef_context_menu_media_type_t(CEF_CALLBACK* get_media_type)(struct _cef_context_menu_params_t*);
  cef_context_menu_media_state_flags_t(CEF_CALLBACK* get_media_state_flags)(
      struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_text)(struct _cef_context_menu_params_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_misspelled_word)(struct _cef_context_menu_params_t*);
  int(CEF_CALLBACK* get_dictionary_suggestions)(struct _cef_context_menu_params_t*,
                                                cef_string_list_t);
  int(CEF_CALLBACK* is_editable)(struct _cef_context_menu_params_t*);
  int(CEF_CALLBACK* is_spell_check_enabled)(struct _cef_context_menu_params_t*);
  cef_context_menu_edit_state_flags_t(CEF_CALLBACK* get_edit_state_flags)(
      struct _cef_context_menu_params_t*);
  int(CEF_CALLBACK* is_custom_menu)(struct _cef_context_menu_params_t*);
  int(CEF_CALLBACK* is_pepper_menu)(struct _cef_context_menu_params_t*);
};

struct _cef_cookie_manager_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* set_supported_schemes)(struct _cef_cookie_manager_t*, cef_string_list_t, int,
                                            struct _cef_completion_callback_t*);
  int(CEF_CALLBACK* visit_all_cookies)(struct _cef_cookie_manager_t*,
                                       struct _cef_cookie_visitor_t*);
  int(CEF_CALLBACK* visit_url_cookies)(struct _cef_cookie_manager_t*, const cef_string_t*, int,
                                       struct _cef_cookie_visitor_t*);
  int(CEF_CALLBACK* set_cookie)(struct _cef_cookie_manager_t*, const cef_string_t*,
                                const struct _cef_cookie_t*, struct _cef_set_cookie_callback_t*);
  int(CEF_CALLBACK* delete_cookies)(struct _cef_cookie_manager_t*, const cef_string_t*,
                                    const cef_string_t*, struct _cef_delete_cookies_callback_t*);
  int(CEF_CALLBACK* flush_store)(struct _cef_cookie_manager_t*, struct _cef_completion_callback_t*);
};

struct _cef_cookie_visitor_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* visit)(struct _cef_cookie_visitor_t*, const struct _cef_cookie_t*, int, int,
                           int*);
};

struct _cef_set_cookie_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_set_cookie_callback_t*, int);
};

struct _cef_delete_cookies_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_delete_cookies_callback_t*, int);
};

struct _cef_file_dialog_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_file_dialog_callback_t*, int, cef_string_list_t);
  void(CEF_CALLBACK* cancel)(struct _cef_file_dialog_callback_t*);
};

struct _cef_dialog_handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_file_dialog)(struct _cef_dialog_handler_t*, struct _cef_browser_t*,
                                    cef_file_dialog_mode_t, const cef_string_t*,
                                    const cef_string_t*, cef_string_list_t, int,
                                    struct _cef_file_dialog_callback_t*);
};

struct _cef_display_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_address_change)(struct _cef_display_handler_t*, struct _cef_browser_t*,
                                        struct _cef_frame_t*, const cef_string_t*);
  void(CEF_CALLBACK* on_title_change)(struct _cef_display_handler_t*, struct _cef_browser_t*,
                                      const cef_string_t*);
  void(CEF_CALLBACK* on_favicon_urlchange)(struct _cef_display_handler_t*, struct _cef_browser_t*,
                                           cef_string_list_t);
  void(CEF_CALLBACK* on_fullscreen_mode_change)(struct _cef_display_handler_t*,
                                                struct _cef_browser_t*, int);
  int(CEF_CALLBACK* on_tooltip)(struct _cef_display_handler_t*, struct _cef_browser_t*,
                                cef_string_t*);
  void(CEF_CALLBACK* on_status_message)(struct _cef_display_handler_t*, struct _cef_browser_t*,
                                        const cef_string_t*);
  int(CEF_CALLBACK* on_console_message)(struct _cef_display_handler_t*, struct _cef_browser_t*,
                                        cef_log_severity_t, const cef_string_t*,
                                        const cef_string_t*, int);
  int(CEF_CALLBACK* on_auto_resize)(struct _cef_display_handler_t*, struct _cef_browser_t*,
                                    const cef_size_t*);
  void(CEF_CALLBACK* on_loading_progress_change)(struct _cef_display_handler_t*,
                                                 struct _cef_browser_t*, double);
};

struct _cef_domvisitor_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* visit)(struct _cef_domvisitor_t*, struct _cef_domdocument_t*);
};

struct _cef_domdocument_t {
  struct _cef_base_ref_counted_t base;
  cef_dom_document_type_t(CEF_CALLBACK* get_type)(struct _cef_domdocument_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_document)(struct _cef_domdocument_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_body)(struct _cef_domdocument_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_head)(struct _cef_domdocument_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_title)(struct _cef_domdocument_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_element_by_id)(struct _cef_domdocument_t*,
                                                          const cef_string_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_focused_node)(struct _cef_domdocument_t*);
  int(CEF_CALLBACK* has_selection)(struct _cef_domdocument_t*);
  int(CEF_CALLBACK* get_selection_start_offset)(struct _cef_domdocument_t*);
  int(CEF_CALLBACK* get_selection_end_offset)(struct _cef_domdocument_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_as_markup)(struct _cef_domdocument_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_as_text)(struct _cef_domdocument_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_base_url)(struct _cef_domdocument_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_complete_url)(struct _cef_domdocument_t*,
                                                        const cef_string_t*);
};

struct _cef_domnode_t {
  struct _cef_base_ref_counted_t base;
  cef_dom_node_type_t(CEF_CALLBACK* get_type)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* is_text)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* is_element)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* is_editable)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* is_form_control_element)(struct _cef_domnode_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_form_control_element_type)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_domnode_t*, struct _cef_domnode_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_domnode_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_value)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* set_value)(struct _cef_domnode_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_as_markup)(struct _cef_domnode_t*);
  struct _cef_domdocument_t*(CEF_CALLBACK* get_document)(struct _cef_domnode_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_parent)(struct _cef_domnode_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_previous_sibling)(struct _cef_domnode_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_next_sibling)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* has_children)(struct _cef_domnode_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_first_child)(struct _cef_domnode_t*);
  struct _cef_domnode_t*(CEF_CALLBACK* get_last_child)(struct _cef_domnode_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_element_tag_name)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* has_element_attributes)(struct _cef_domnode_t*);
  int(CEF_CALLBACK* has_element_attribute)(struct _cef_domnode_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_element_attribute)(struct _cef_domnode_t*,
                                                             const cef_string_t*);
  void(CEF_CALLBACK* get_element_attributes)(struct _cef_domnode_t*, cef_string_map_t);
  int(CEF_CALLBACK* set_element_attribute)(struct _cef_domnode_t*, const cef_string_t*,
                                           const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_element_inner_text)(struct _cef_domnode_t*);
  cef_rect_t(CEF_CALLBACK* get_element_bounds)(struct _cef_domnode_t*);
};

struct _cef_before_download_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_before_download_callback_t*, const cef_string_t*, int);
};

struct _cef_download_item_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cancel)(struct _cef_download_item_callback_t*);
  void(CEF_CALLBACK* pause)(struct _cef_download_item_callback_t*);
  void(CEF_CALLBACK* resume)(struct _cef_download_item_callback_t*);
};

struct _cef_download_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_before_download)(struct _cef_download_handler_t*, struct _cef_browser_t*,
                                         struct _cef_download_item_t*, const cef_string_t*,
                                         struct _cef_before_download_callback_t*);
  void(CEF_CALLBACK* on_download_updated)(struct _cef_download_handler_t*, struct _cef_browser_t*,
                                          struct _cef_download_item_t*,
                                          struct _cef_download_item_callback_t*);
};

struct _cef_download_item_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_download_item_t*);
  int(CEF_CALLBACK* is_in_progress)(struct _cef_download_item_t*);
  int(CEF_CALLBACK* is_complete)(struct _cef_download_item_t*);
  int(CEF_CALLBACK* is_canceled)(struct _cef_download_item_t*);
  int64(CEF_CALLBACK* get_current_speed)(struct _cef_download_item_t*);
  int(CEF_CALLBACK* get_percent_complete)(struct _cef_download_item_t*);
  int64(CEF_CALLBACK* get_total_bytes)(struct _cef_download_item_t*);
  int64(CEF_CALLBACK* get_received_bytes)(struct _cef_download_item_t*);
  cef_time_t(CEF_CALLBACK* get_start_time)(struct _cef_download_item_t*);
  cef_time_t(CEF_CALLBACK* get_end_time)(struct _cef_download_item_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_full_path)(struct _cef_download_item_t*);
  uint32(CEF_CALLBACK* get_id)(struct _cef_download_item_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_download_item_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_original_url)(struct _cef_download_item_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_suggested_file_name)(struct _cef_download_item_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_content_disposition)(struct _cef_download_item_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_mime_type)(struct _cef_download_item_t*);
};

struct _cef_drag_data_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_drag_data_t*(CEF_CALLBACK* clone)(struct _cef_drag_data_t*);
  int(CEF_CALLBACK* is_read_only)(struct _cef_drag_data_t*);
  int(CEF_CALLBACK* is_link)(struct _cef_drag_data_t*);
  int(CEF_CALLBACK* is_fragment)(struct _cef_drag_data_t*);
  int(CEF_CALLBACK* is_file)(struct _cef_drag_data_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_link_url)(struct _cef_drag_data_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_link_title)(struct _cef_drag_data_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_link_metadata)(struct _cef_drag_data_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_text)(struct _cef_drag_data_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_html)(struct _cef_drag_data_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_base_url)(struct _cef_drag_data_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_file_name)(struct _cef_drag_data_t*);
  size_t(CEF_CALLBACK* get_file_contents)(struct _cef_drag_data_t*, struct _cef_stream_writer_t*);
  int(CEF_CALLBACK* get_file_names)(struct _cef_drag_data_t*, cef_string_list_t);
  void(CEF_CALLBACK* set_link_url)(struct _cef_drag_data_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_link_title)(struct _cef_drag_data_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_link_metadata)(struct _cef_drag_data_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_fragment_text)(struct _cef_drag_data_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_fragment_html)(struct _cef_drag_data_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_fragment_base_url)(struct _cef_drag_data_t*, const cef_string_t*);
  void(CEF_CALLBACK* reset_file_contents)(struct _cef_drag_data_t*);
  void(CEF_CALLBACK* add_file)(struct _cef_drag_data_t*, const cef_string_t*, const cef_string_t*);
  struct _cef_image_t*(CEF_CALLBACK* get_image)(struct _cef_drag_data_t*);
  cef_point_t(CEF_CALLBACK* get_image_hotspot)(struct _cef_drag_data_t*);
  int(CEF_CALLBACK* has_image)(struct _cef_drag_data_t*);
};

struct _cef_drag_handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_drag_enter)(struct _cef_drag_handler_t*, struct _cef_browser_t*,
                                   struct _cef_drag_data_t*, cef_drag_operations_mask_t);
  void(CEF_CALLBACK* on_draggable_regions_changed)(struct _cef_drag_handler_t*,
                                                   struct _cef_browser_t*, struct _cef_frame_t*,
                                                   size_t, const cef_draggable_region_t*);
};

struct _cef_extension_t {
  struct _cef_base_ref_counted_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_identifier)(struct _cef_extension_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_path)(struct _cef_extension_t*);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_manifest)(struct _cef_extension_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_extension_t*, struct _cef_extension_t*);
  struct _cef_extension_handler_t*(CEF_CALLBACK* get_handler)(struct _cef_extension_t*);
  struct _cef_request_context_t*(CEF_CALLBACK* get_loader_context)(struct _cef_extension_t*);
  int(CEF_CALLBACK* is_loaded)(struct _cef_extension_t*);
  void(CEF_CALLBACK* unload)(struct _cef_extension_t*);
};

struct _cef_get_extension_resource_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_get_extension_resource_callback_t*,
                           struct _cef_stream_reader_t*);
  void(CEF_CALLBACK* cancel)(struct _cef_get_extension_resource_callback_t*);
};

struct _cef_extension_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_extension_load_failed)(struct _cef_extension_handler_t*, cef_errorcode_t);
  void(CEF_CALLBACK* on_extension_loaded)(struct _cef_extension_handler_t*,
                                          struct _cef_extension_t*);
  void(CEF_CALLBACK* on_extension_unloaded)(struct _cef_extension_handler_t*,
                                            struct _cef_extension_t*);
  int(CEF_CALLBACK* on_before_background_browser)(struct _cef_extension_handler_t*,
                                                  struct _cef_extension_t*, const cef_string_t*,
                                                  struct _cef_client_t**,
                                                  struct _cef_browser_settings_t*);
  int(CEF_CALLBACK* on_before_browser)(struct _cef_extension_handler_t*, struct _cef_extension_t*,
                                       struct _cef_browser_t*, struct _cef_browser_t*, int,
                                       const cef_string_t*, int, struct _cef_window_info_t*,
                                       struct _cef_client_t**, struct _cef_browser_settings_t*);
  struct _cef_browser_t*(CEF_CALLBACK* get_active_browser)(struct _cef_extension_handler_t*,
                                                           struct _cef_extension_t*,
                                                           struct _cef_browser_t*, int);
  int(CEF_CALLBACK* can_access_browser)(struct _cef_extension_handler_t*, struct _cef_extension_t*,
                                        struct _cef_browser_t*, int, struct _cef_browser_t*);
  int(CEF_CALLBACK* get_extension_resource)(struct _cef_extension_handler_t*,
                                            struct _cef_extension_t*, struct _cef_browser_t*,
                                            const cef_string_t*,
                                            struct _cef_get_extension_resource_callback_t*);
};

struct _cef_find_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_find_result)(struct _cef_find_handler_t*, struct _cef_browser_t*, int, int,
                                     const cef_rect_t*, int, int);
};

struct _cef_focus_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_take_focus)(struct _cef_focus_handler_t*, struct _cef_browser_t*, int);
  int(CEF_CALLBACK* on_set_focus)(struct _cef_focus_handler_t*, struct _cef_browser_t*,
                                  cef_focus_source_t);
  void(CEF_CALLBACK* on_got_focus)(struct _cef_focus_handler_t*, struct _cef_browser_t*);
};

struct _cef_frame_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_frame_t*);
  void(CEF_CALLBACK* undo)(struct _cef_frame_t*);
  void(CEF_CALLBACK* redo)(struct _cef_frame_t*);
  void(CEF_CALLBACK* cut)(struct _cef_frame_t*);
  void(CEF_CALLBACK* copy)(struct _cef_frame_t*);
  void(CEF_CALLBACK* paste)(struct _cef_frame_t*);
  void(CEF_CALLBACK* del)(struct _cef_frame_t*);
  void(CEF_CALLBACK* select_all)(struct _cef_frame_t*);
  void(CEF_CALLBACK* view_source)(struct _cef_frame_t*);
  void(CEF_CALLBACK* get_source)(struct _cef_frame_t*, struct _cef_string_visitor_t*);
  void(CEF_CALLBACK* get_text)(struct _cef_frame_t*, struct _cef_string_visitor_t*);
  void(CEF_CALLBACK* load_request)(struct _cef_frame_t*, struct _cef_request_t*);
  void(CEF_CALLBACK* load_url)(struct _cef_frame_t*, const cef_string_t*);
  void(CEF_CALLBACK* load_string)(struct _cef_frame_t*, const cef_string_t*, const cef_string_t*);
  void(CEF_CALLBACK* execute_java_script)(struct _cef_frame_t*, const cef_string_t*,
                                          const cef_string_t*, int);
  int(CEF_CALLBACK* is_main)(struct _cef_frame_t*);
  int(CEF_CALLBACK* is_focused)(struct _cef_frame_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_frame_t*);
  int64(CEF_CALLBACK* get_identifier)(struct _cef_frame_t*);
  struct _cef_frame_t*(CEF_CALLBACK* get_parent)(struct _cef_frame_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_frame_t*);
  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_frame_t*);
  struct _cef_v8context_t*(CEF_CALLBACK* get_v8context)(struct _cef_frame_t*);
  void(CEF_CALLBACK* visit_dom)(struct _cef_frame_t*, struct _cef_domvisitor_t*);
  struct _cef_urlrequest_t*(CEF_CALLBACK* create_urlrequest)(struct _cef_frame_t*,
                                                             struct _cef_request_t*,
                                                             struct _cef_urlrequest_client_t*);
  void(CEF_CALLBACK* send_process_message)(struct _cef_frame_t*, cef_process_id_t,
                                           struct _cef_process_message_t*);
};

struct _cef_image_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_empty)(struct _cef_image_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_image_t*, struct _cef_image_t*);
  int(CEF_CALLBACK* add_bitmap)(struct _cef_image_t*, float, int, int, cef_color_type_t,
                                cef_alpha_type_t, const void*, size_t);
  int(CEF_CALLBACK* add_png)(struct _cef_image_t*, float, const void*, size_t);
  int(CEF_CALLBACK* add_jpeg)(struct _cef_image_t*, float, const void*, size_t);
  size_t(CEF_CALLBACK* get_width)(struct _cef_image_t*);
  size_t(CEF_CALLBACK* get_height)(struct _cef_image_t*);
  int(CEF_CALLBACK* has_representation)(struct _cef_image_t*, float);
  int(CEF_CALLBACK* remove_representation)(struct _cef_image_t*, float);
  int(CEF_CALLBACK* get_representation_info)(struct _cef_image_t*, float, float*, int*, int*);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_as_bitmap)(struct _cef_image_t*, float,
                                                           cef_color_type_t, cef_alpha_type_t, int*,
                                                           int*);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_as_png)(struct _cef_image_t*, float, int, int*,
                                                        int*);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_as_jpeg)(struct _cef_image_t*, float, int, int*,
                                                         int*);
};

struct _cef_jsdialog_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_jsdialog_callback_t*, int, const cef_string_t*);
};

struct _cef_jsdialog_handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_jsdialog)(struct _cef_jsdialog_handler_t*, struct _cef_browser_t*,
                                 const cef_string_t*, cef_jsdialog_type_t, const cef_string_t*,
                                 const cef_string_t*, struct _cef_jsdialog_callback_t*, int*);
  int(CEF_CALLBACK* on_before_unload_dialog)(struct _cef_jsdialog_handler_t*,
                                             struct _cef_browser_t*, const cef_string_t*, int,
                                             struct _cef_jsdialog_callback_t*);
  void(CEF_CALLBACK* on_reset_dialog_state)(struct _cef_jsdialog_handler_t*,
                                            struct _cef_browser_t*);
  void(CEF_CALLBACK* on_dialog_closed)(struct _cef_jsdialog_handler_t*, struct _cef_browser_t*);
};

struct _cef_keyboard_handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_pre_key_event)(struct _cef_keyboard_handler_t*, struct _cef_browser_t*,
                                      const struct _cef_key_event_t*, MSG*, int*);
  int(CEF_CALLBACK* on_key_event)(struct _cef_keyboard_handler_t*, struct _cef_browser_t*,
                                  const struct _cef_key_event_t*, MSG*);
};

struct _cef_life_span_handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_before_popup)(struct _cef_life_span_handler_t*, struct _cef_browser_t*,
                                     struct _cef_frame_t*, const cef_string_t*, const cef_string_t*,
                                     cef_window_open_disposition_t, int,
                                     const struct _cef_popup_features_t*,
                                     struct _cef_window_info_t*, struct _cef_client_t**,
                                     struct _cef_browser_settings_t*,
                                     struct _cef_dictionary_value_t**, int*);
  void(CEF_CALLBACK* on_after_created)(struct _cef_life_span_handler_t*, struct _cef_browser_t*);
  int(CEF_CALLBACK* do_close)(struct _cef_life_span_handler_t*, struct _cef_browser_t*);
  void(CEF_CALLBACK* on_before_close)(struct _cef_life_span_handler_t*, struct _cef_browser_t*);
};

struct _cef_load_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_loading_state_change)(struct _cef_load_handler_t*, struct _cef_browser_t*,
                                              int, int, int);
  void(CEF_CALLBACK* on_load_start)(struct _cef_load_handler_t*, struct _cef_browser_t*,
                                    struct _cef_frame_t*, cef_transition_type_t);
  void(CEF_CALLBACK* on_load_end)(struct _cef_load_handler_t*, struct _cef_browser_t*,
                                  struct _cef_frame_t*, int);
  void(CEF_CALLBACK* on_load_error)(struct _cef_load_handler_t*, struct _cef_browser_t*,
                                    struct _cef_frame_t*, cef_errorcode_t, const cef_string_t*,
                                    const cef_string_t*);
};

struct _cef_menu_model_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_sub_menu)(struct _cef_menu_model_t*);
  int(CEF_CALLBACK* clear)(struct _cef_menu_model_t*);
  int(CEF_CALLBACK* get_count)(struct _cef_menu_model_t*);
  int(CEF_CALLBACK* add_separator)(struct _cef_menu_model_t*);
  int(CEF_CALLBACK* add_item)(struct _cef_menu_model_t*, int, const cef_string_t*);
  int(CEF_CALLBACK* add_check_item)(struct _cef_menu_model_t*, int, const cef_string_t*);
  int(CEF_CALLBACK* add_radio_item)(struct _cef_menu_model_t*, int, const cef_string_t*, int);
  struct _cef_menu_model_t*(CEF_CALLBACK* add_sub_menu)(struct _cef_menu_model_t*, int,
                                                        const cef_string_t*);
  int(CEF_CALLBACK* insert_separator_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* insert_item_at)(struct _cef_menu_model_t*, int, int, const cef_string_t*);
  int(CEF_CALLBACK* insert_check_item_at)(struct _cef_menu_model_t*, int, int, const cef_string_t*);
  int(CEF_CALLBACK* insert_radio_item_at)(struct _cef_menu_model_t*, int, int, const cef_string_t*,
                                          int);
  struct _cef_menu_model_t*(CEF_CALLBACK* insert_sub_menu_at)(struct _cef_menu_model_t*, int, int,
                                                              const cef_string_t*);
  int(CEF_CALLBACK* remove)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* remove_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* get_index_of)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* get_command_id_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* set_command_id_at)(struct _cef_menu_model_t*, int, int);
  cef_string_userfree_t(CEF_CALLBACK* get_label)(struct _cef_menu_model_t*, int);
  cef_string_userfree_t(CEF_CALLBACK* get_label_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* set_label)(struct _cef_menu_model_t*, int, const cef_string_t*);
  int(CEF_CALLBACK* set_label_at)(struct _cef_menu_model_t*, int, const cef_string_t*);
  cef_menu_item_type_t(CEF_CALLBACK* get_type)(struct _cef_menu_model_t*, int);
  cef_menu_item_type_t(CEF_CALLBACK* get_type_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* get_group_id)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* get_group_id_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* set_group_id)(struct _cef_menu_model_t*, int, int);
  int(CEF_CALLBACK* set_group_id_at)(struct _cef_menu_model_t*, int, int);
  struct _cef_menu_model_t*(CEF_CALLBACK* get_sub_menu)(struct _cef_menu_model_t*, int);
  struct _cef_menu_model_t*(CEF_CALLBACK* get_sub_menu_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* is_visible)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* is_visible_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* set_visible)(struct _cef_menu_model_t*, int, int);
  int(CEF_CALLBACK* set_visible_at)(struct _cef_menu_model_t*, int, int);
  int(CEF_CALLBACK* is_enabled)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* is_enabled_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* set_enabled)(struct _cef_menu_model_t*, int, int);
  int(CEF_CALLBACK* set_enabled_at)(struct _cef_menu_model_t*, int, int);
  int(CEF_CALLBACK* is_checked)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* is_checked_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* set_checked)(struct _cef_menu_model_t*, int, int);
  int(CEF_CALLBACK* set_checked_at)(struct _cef_menu_model_t*, int, int);
  int(CEF_CALLBACK* has_accelerator)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* has_accelerator_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* set_accelerator)(struct _cef_menu_model_t*, int, int, int, int, int);
  int(CEF_CALLBACK* set_accelerator_at)(struct _cef_menu_model_t*, int, int, int, int, int);
  int(CEF_CALLBACK* remove_accelerator)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* remove_accelerator_at)(struct _cef_menu_model_t*, int);
  int(CEF_CALLBACK* get_accelerator)(struct _cef_menu_model_t*, int, int*, int*, int*, int*);
  int(CEF_CALLBACK* get_accelerator_at)(struct _cef_menu_model_t*, int, int*, int*, int*, int*);
  int(CEF_CALLBACK* set_color)(struct _cef_menu_model_t*, int, cef_menu_color_type_t, cef_color_t);
  int(CEF_CALLBACK* set_color_at)(struct _cef_menu_model_t*, int, cef_menu_color_type_t,
                                  cef_color_t);
  int(CEF_CALLBACK* get_color)(struct _cef_menu_model_t*, int, cef_menu_color_type_t, cef_color_t*);
  int(CEF_CALLBACK* get_color_at)(struct _cef_menu_model_t*, int, cef_menu_color_type_t,
                                  cef_color_t*);
  int(CEF_CALLBACK* set_font_list)(struct _cef_menu_model_t*, int, const cef_string_t*);
  int(CEF_CALLBACK* set_font_list_at)(struct _cef_menu_model_t*, int, const cef_string_t*);
};

struct _cef_menu_model_delegate_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* execute_command)(struct _cef_menu_model_delegate_t*, struct _cef_menu_model_t*,
                                      int, cef_event_flags_t);
  void(CEF_CALLBACK* mouse_outside_menu)(struct _cef_menu_model_delegate_t*,
                                         struct _cef_menu_model_t*, const cef_point_t*);
  void(CEF_CALLBACK* unhandled_open_submenu)(struct _cef_menu_model_delegate_t*,
                                             struct _cef_menu_model_t*, int);
  void(CEF_CALLBACK* unhandled_close_submenu)(struct _cef_menu_model_delegate_t*,
                                              struct _cef_menu_model_t*, int);
  void(CEF_CALLBACK* menu_will_show)(struct _cef_menu_model_delegate_t*, struct _cef_menu_model_t*);
  void(CEF_CALLBACK* menu_closed)(struct _cef_menu_model_delegate_t*, struct _cef_menu_model_t*);
  int(CEF_CALLBACK* format_label)(struct _cef_menu_model_delegate_t*, struct _cef_menu_model_t*,
                                  cef_string_t*);
};

struct _cef_navigation_entry_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_navigation_entry_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_navigation_entry_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_display_url)(struct _cef_navigation_entry_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_original_url)(struct _cef_navigation_entry_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_title)(struct _cef_navigation_entry_t*);
  cef_transition_type_t(CEF_CALLBACK* get_transition_type)(struct _cef_navigation_entry_t*);
  int(CEF_CALLBACK* has_post_data)(struct _cef_navigation_entry_t*);
  cef_time_t(CEF_CALLBACK* get_completion_time)(struct _cef_navigation_entry_t*);
  int(CEF_CALLBACK* get_http_status_code)(struct _cef_navigation_entry_t*);
  struct _cef_sslstatus_t*(CEF_CALLBACK* get_sslstatus)(struct _cef_navigation_entry_t*);
};

struct _cef_print_dialog_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_print_dialog_callback_t*, struct _cef_print_settings_t*);
  void(CEF_CALLBACK* cancel)(struct _cef_print_dialog_callback_t*);
};

struct _cef_print_job_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_print_job_callback_t*);
};

struct _cef_print_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_print_start)(struct _cef_print_handler_t*, struct _cef_browser_t*);
  void(CEF_CALLBACK* on_print_settings)(struct _cef_print_handler_t*, struct _cef_browser_t*,
                                        struct _cef_print_settings_t*, int);
  int(CEF_CALLBACK* on_print_dialog)(struct _cef_print_handler_t*, struct _cef_browser_t*, int,
                                     struct _cef_print_dialog_callback_t*);
  int(CEF_CALLBACK* on_print_job)(struct _cef_print_handler_t*, struct _cef_browser_t*,
                                  const cef_string_t*, const cef_string_t*,
                                  struct _cef_print_job_callback_t*);
  void(CEF_CALLBACK* on_print_reset)(struct _cef_print_handler_t*, struct _cef_browser_t*);
  cef_size_t(CEF_CALLBACK* get_pdf_paper_size)(struct _cef_print_handler_t*, int);
};

struct _cef_print_settings_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_print_settings_t*);
  int(CEF_CALLBACK* is_read_only)(struct _cef_print_settings_t*);
  struct _cef_print_settings_t*(CEF_CALLBACK* copy)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* set_orientation)(struct _cef_print_settings_t*, int);
  int(CEF_CALLBACK* is_landscape)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* set_printer_printable_area)(struct _cef_print_settings_t*, const cef_size_t*,
                                                 const cef_rect_t*, int);
  void(CEF_CALLBACK* set_device_name)(struct _cef_print_settings_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_device_name)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* set_dpi)(struct _cef_print_settings_t*, int);
  int(CEF_CALLBACK* get_dpi)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* set_page_ranges)(struct _cef_print_settings_t*, size_t, const cef_range_t*);
  size_t(CEF_CALLBACK* get_page_ranges_count)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* get_page_ranges)(struct _cef_print_settings_t*, size_t*, cef_range_t*);
  void(CEF_CALLBACK* set_selection_only)(struct _cef_print_settings_t*, int);
  int(CEF_CALLBACK* is_selection_only)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* set_collate)(struct _cef_print_settings_t*, int);
  int(CEF_CALLBACK* will_collate)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* set_color_model)(struct _cef_print_settings_t*, cef_color_model_t);
  cef_color_model_t(CEF_CALLBACK* get_color_model)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* set_copies)(struct _cef_print_settings_t*, int);
  int(CEF_CALLBACK* get_copies)(struct _cef_print_settings_t*);
  void(CEF_CALLBACK* set_duplex_mode)(struct _cef_print_settings_t*, cef_duplex_mode_t);
  cef_duplex_mode_t(CEF_CALLBACK* get_duplex_mode)(struct _cef_print_settings_t*);
};

struct _cef_process_message_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_process_message_t*);
  int(CEF_CALLBACK* is_read_only)(struct _cef_process_message_t*);
  struct _cef_process_message_t*(CEF_CALLBACK* copy)(struct _cef_process_message_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_process_message_t*);
  struct _cef_list_value_t*(CEF_CALLBACK* get_argument_list)(struct _cef_process_message_t*);
};

struct _cef_render_handler_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_accessibility_handler_t*(CEF_CALLBACK* get_accessibility_handler)(
      struct _cef_render_handler_t*);
  int(CEF_CALLBACK* get_root_screen_rect)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                                          cef_rect_t*);
  void(CEF_CALLBACK* get_view_rect)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                                    cef_rect_t*);
  int(CEF_CALLBACK* get_screen_point)(struct _cef_render_handler_t*, struct _cef_browser_t*, int,
                                      int, int*, int*);
  int(CEF_CALLBACK* get_screen_info)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                                     struct _cef_screen_info_t*);
  void(CEF_CALLBACK* on_popup_show)(struct _cef_render_handler_t*, struct _cef_browser_t*, int);
  void(CEF_CALLBACK* on_popup_size)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                                    const cef_rect_t*);
  void(CEF_CALLBACK* on_paint)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                               cef_paint_element_type_t, size_t, const cef_rect_t*, const void*,
                               int, int);
  void(CEF_CALLBACK* on_accelerated_paint)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                                           cef_paint_element_type_t, size_t, const cef_rect_t*,
                                           void*);
  void(CEF_CALLBACK* on_cursor_change)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                                       HCURSOR, cef_cursor_type_t,
                                       const struct _cef_cursor_info_t*);
  int(CEF_CALLBACK* start_dragging)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                                    struct _cef_drag_data_t*, cef_drag_operations_mask_t, int, int);
  void(CEF_CALLBACK* update_drag_cursor)(struct _cef_render_handler_t*, struct _cef_browser_t*,
                                         cef_drag_operations_mask_t);
  void(CEF_CALLBACK* on_scroll_offset_changed)(struct _cef_render_handler_t*,
                                               struct _cef_browser_t*, double, double);
  void(CEF_CALLBACK* on_ime_composition_range_changed)(struct _cef_render_handler_t*,
                                                       struct _cef_browser_t*, const cef_range_t*,
                                                       size_t, const cef_rect_t*);
  void(CEF_CALLBACK* on_text_selection_changed)(struct _cef_render_handler_t*,
                                                struct _cef_browser_t*, const cef_string_t*,
                                                const cef_range_t*);
  void(CEF_CALLBACK* on_virtual_keyboard_requested)(struct _cef_render_handler_t*,
                                                    struct _cef_browser_t*, cef_text_input_mode_t);
};

struct _cef_render_process_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_render_thread_created)(struct _cef_render_process_handler_t*,
                                               struct _cef_list_value_t*);
  void(CEF_CALLBACK* on_web_kit_initialized)(struct _cef_render_process_handler_t*);
  void(CEF_CALLBACK* on_browser_created)(struct _cef_render_process_handler_t*,
                                         struct _cef_browser_t*, struct _cef_dictionary_value_t*);
  void(CEF_CALLBACK* on_browser_destroyed)(struct _cef_render_process_handler_t*,
                                           struct _cef_browser_t*);
  struct _cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(
      struct _cef_render_process_handler_t*);
  void(CEF_CALLBACK* on_context_created)(struct _cef_render_process_handler_t*,
                                         struct _cef_browser_t*, struct _cef_frame_t*,
                                         struct _cef_v8context_t*);
  void(CEF_CALLBACK* on_context_released)(struct _cef_render_process_handler_t*,
                                          struct _cef_browser_t*, struct _cef_frame_t*,
                                          struct _cef_v8context_t*);
  void(CEF_CALLBACK* on_uncaught_exception)(struct _cef_render_process_handler_t*,
                                            struct _cef_browser_t*, struct _cef_frame_t*,
                                            struct _cef_v8context_t*, struct _cef_v8exception_t*,
                                            struct _cef_v8stack_trace_t*);
  void(CEF_CALLBACK* on_focused_node_changed)(struct _cef_render_process_handler_t*,
                                              struct _cef_browser_t*, struct _cef_frame_t*,
                                              struct _cef_domnode_t*);
  int(CEF_CALLBACK* on_process_message_received)(struct _cef_render_process_handler_t*,
                                                 struct _cef_browser_t*, struct _cef_frame_t*,
                                                 cef_process_id_t, struct _cef_process_message_t*);
};

struct _cef_request_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_request_callback_t*, int);
  void(CEF_CALLBACK* cancel)(struct _cef_request_callback_t*);
};

struct _cef_request_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_request_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_request_t*);
  void(CEF_CALLBACK* set_url)(struct _cef_request_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_method)(struct _cef_request_t*);
  void(CEF_CALLBACK* set_method)(struct _cef_request_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_referrer)(struct _cef_request_t*, const cef_string_t*,
                                   cef_referrer_policy_t);
  cef_string_userfree_t(CEF_CALLBACK* get_referrer_url)(struct _cef_request_t*);
  cef_referrer_policy_t(CEF_CALLBACK* get_referrer_policy)(struct _cef_request_t*);
  struct _cef_post_data_t*(CEF_CALLBACK* get_post_data)(struct _cef_request_t*);
  void(CEF_CALLBACK* set_post_data)(struct _cef_request_t*, struct _cef_post_data_t*);
  void(CEF_CALLBACK* get_header_map)(struct _cef_request_t*, cef_string_multimap_t);
  void(CEF_CALLBACK* set_header_map)(struct _cef_request_t*, cef_string_multimap_t);
  cef_string_userfree_t(CEF_CALLBACK* get_header_by_name)(struct _cef_request_t*,
                                                          const cef_string_t*);
  void(CEF_CALLBACK* set_header_by_name)(struct _cef_request_t*, const cef_string_t*,
                                         const cef_string_t*, int);
  void(CEF_CALLBACK* set)(struct _cef_request_t*, const cef_string_t*, const cef_string_t*,
                          struct _cef_post_data_t*, cef_string_multimap_t);
  int(CEF_CALLBACK* get_flags)(struct _cef_request_t*);
  void(CEF_CALLBACK* set_flags)(struct _cef_request_t*, int);
  cef_string_userfree_t(CEF_CALLBACK* get_first_party_for_cookies)(struct _cef_request_t*);
  void(CEF_CALLBACK* set_first_party_for_cookies)(struct _cef_request_t*, const cef_string_t*);
  cef_resource_type_t(CEF_CALLBACK* get_resource_type)(struct _cef_request_t*);
  cef_transition_type_t(CEF_CALLBACK* get_transition_type)(struct _cef_request_t*);
  uint64(CEF_CALLBACK* get_identifier)(struct _cef_request_t*);
};

struct _cef_post_data_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_post_data_t*);
  int(CEF_CALLBACK* has_excluded_elements)(struct _cef_post_data_t*);
  size_t(CEF_CALLBACK* get_element_count)(struct _cef_post_data_t*);
  void(CEF_CALLBACK* get_elements)(struct _cef_post_data_t*, size_t*,
                                   struct _cef_post_data_element_t**);
  int(CEF_CALLBACK* remove_element)(struct _cef_post_data_t*, struct _cef_post_data_element_t*);
  int(CEF_CALLBACK* add_element)(struct _cef_post_data_t*, struct _cef_post_data_element_t*);
  void(CEF_CALLBACK* remove_elements)(struct _cef_post_data_t*);
};

struct _cef_post_data_element_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_post_data_element_t*);
  void(CEF_CALLBACK* set_to_empty)(struct _cef_post_data_element_t*);
  void(CEF_CALLBACK* set_to_file)(struct _cef_post_data_element_t*, const cef_string_t*);
  void(CEF_CALLBACK* set_to_bytes)(struct _cef_post_data_element_t*, size_t, const void*);
  cef_postdataelement_type_t(CEF_CALLBACK* get_type)(struct _cef_post_data_element_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_file)(struct _cef_post_data_element_t*);
  size_t(CEF_CALLBACK* get_bytes_count)(struct _cef_post_data_element_t*);
  size_t(CEF_CALLBACK* get_bytes)(struct _cef_post_data_element_t*, size_t, void*);
};

struct _cef_resolve_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_resolve_completed)(struct _cef_resolve_callback_t*, cef_errorcode_t,
                                           cef_string_list_t);
};

struct _cef_request_context_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_same)(struct _cef_request_context_t*, struct _cef_request_context_t*);
  int(CEF_CALLBACK* is_sharing_with)(struct _cef_request_context_t*,
                                     struct _cef_request_context_t*);
  int(CEF_CALLBACK* is_global)(struct _cef_request_context_t*);
  struct _cef_request_context_handler_t*(CEF_CALLBACK* get_handler)(struct _cef_request_context_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_cache_path)(struct _cef_request_context_t*);
  struct _cef_cookie_manager_t*(CEF_CALLBACK* get_cookie_manager)(
      struct _cef_request_context_t*, struct _cef_completion_callback_t*);
  int(CEF_CALLBACK* register_scheme_handler_factory)(struct _cef_request_context_t*,
                                                     const cef_string_t*, const cef_string_t*,
                                                     struct _cef_scheme_handler_factory_t*);
  int(CEF_CALLBACK* clear_scheme_handler_factories)(struct _cef_request_context_t*);
  void(CEF_CALLBACK* purge_plugin_list_cache)(struct _cef_request_context_t*, int);
  int(CEF_CALLBACK* has_preference)(struct _cef_request_context_t*, const cef_string_t*);
  struct _cef_value_t*(CEF_CALLBACK* get_preference)(struct _cef_request_context_t*,
                                                     const cef_string_t*);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_all_preferences)(struct _cef_request_context_t*,
                                                                     int);
  int(CEF_CALLBACK* can_set_preference)(struct _cef_request_context_t*, const cef_string_t*);
  int(CEF_CALLBACK* set_preference)(struct _cef_request_context_t*, const cef_string_t*,
                                    struct _cef_value_t*, cef_string_t*);
  void(CEF_CALLBACK* clear_certificate_exceptions)(struct _cef_request_context_t*,
                                                   struct _cef_completion_callback_t*);
  void(CEF_CALLBACK* clear_http_auth_credentials)(struct _cef_request_context_t*,
                                                  struct _cef_completion_callback_t*);
  void(CEF_CALLBACK* close_all_connections)(struct _cef_request_context_t*,
                                            struct _cef_completion_callback_t*);
  void(CEF_CALLBACK* resolve_host)(struct _cef_request_context_t*, const cef_string_t*,
                                   struct _cef_resolve_callback_t*);
  void(CEF_CALLBACK* load_extension)(struct _cef_request_context_t*, const cef_string_t*,
                                     struct _cef_dictionary_value_t*,
                                     struct _cef_extension_handler_t*);
  int(CEF_CALLBACK* did_load_extension)(struct _cef_request_context_t*, const cef_string_t*);
  int(CEF_CALLBACK* has_extension)(struct _cef_request_context_t*, const cef_string_t*);
  int(CEF_CALLBACK* get_extensions)(struct _cef_request_context_t*, cef_string_list_t);
  struct _cef_extension_t*(CEF_CALLBACK* get_extension)(struct _cef_request_context_t*,
                                                        const cef_string_t*);
};

struct _cef_request_context_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_request_context_initialized)(struct _cef_request_context_handler_t*,
                                                     struct _cef_request_context_t*);
  int(CEF_CALLBACK* on_before_plugin_load)(struct _cef_request_context_handler_t*,
                                           const cef_string_t*, const cef_string_t*, int,
                                           const cef_string_t*, struct _cef_web_plugin_info_t*,
                                           cef_plugin_policy_t*);
  struct _cef_resource_request_handler_t*(CEF_CALLBACK* get_resource_request_handler)(
      struct _cef_request_context_handler_t*, struct _cef_browser_t*, struct _cef_frame_t*,
      struct _cef_request_t*, int, int, const cef_string_t*, int*);
};

struct _cef_select_client_certificate_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* select)(struct _cef_select_client_certificate_callback_t*,
                             struct _cef_x509certificate_t*);
};

struct _cef_request_handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_before_browse)(struct _cef_request_handler_t*, struct _cef_browser_t*,
                                      struct _cef_frame_t*, struct _cef_request_t*, int, int);
  int(CEF_CALLBACK* on_open_urlfrom_tab)(struct _cef_request_handler_t*, struct _cef_browser_t*,
                                         struct _cef_frame_t*, const cef_string_t*,
                                         cef_window_open_disposition_t, int);
  struct _cef_resource_request_handler_t*(CEF_CALLBACK* get_resource_request_handler)(
      struct _cef_request_handler_t*, struct _cef_browser_t*, struct _cef_frame_t*,
      struct _cef_request_t*, int, int, const cef_string_t*, int*);
  int(CEF_CALLBACK* get_auth_credentials)(struct _cef_request_handler_t*, struct _cef_browser_t*,
                                          const cef_string_t*, int, const cef_string_t*, int,
                                          const cef_string_t*, const cef_string_t*,
                                          struct _cef_auth_callback_t*);
  int(CEF_CALLBACK* on_quota_request)(struct _cef_request_handler_t*, struct _cef_browser_t*,
                                      const cef_string_t*, int64, struct _cef_request_callback_t*);
  int(CEF_CALLBACK* on_certificate_error)(struct _cef_request_handler_t*, struct _cef_browser_t*,
                                          cef_errorcode_t, const cef_string_t*,
                                          struct _cef_sslinfo_t*, struct _cef_request_callback_t*);
  int(CEF_CALLBACK* on_select_client_certificate)(
      struct _cef_request_handler_t*, struct _cef_browser_t*, int, const cef_string_t*, int, size_t,
      struct _cef_x509certificate_t* const*, struct _cef_select_client_certificate_callback_t*);
  void(CEF_CALLBACK* on_plugin_crashed)(struct _cef_request_handler_t*, struct _cef_browser_t*,
                                        const cef_string_t*);
  void(CEF_CALLBACK* on_render_view_ready)(struct _cef_request_handler_t*, struct _cef_browser_t*);
  void(CEF_CALLBACK* on_render_process_terminated)(struct _cef_request_handler_t*,
                                                   struct _cef_browser_t*,
                                                   cef_termination_status_t);
};

struct _cef_resource_bundle_t {
  struct _cef_base_ref_counted_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_localized_string)(struct _cef_resource_bundle_t*, int);
  int(CEF_CALLBACK* get_data_resource)(struct _cef_resource_bundle_t*, int, void**, size_t*);
  int(CEF_CALLBACK* get_data_resource_for_scale)(struct _cef_resource_bundle_t*, int,
                                                 cef_scale_factor_t, void**, size_t*);
};

struct _cef_resource_bundle_handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* get_localized_string)(struct _cef_resource_bundle_handler_t*, int,
                                          cef_string_t*);
  int(CEF_CALLBACK* get_data_resource)(struct _cef_resource_bundle_handler_t*, int, void**,
                                       size_t*);
  int(CEF_CALLBACK* get_data_resource_for_scale)(struct _cef_resource_bundle_handler_t*, int,
                                                 cef_scale_factor_t, void**, size_t*);
};

struct _cef_resource_skip_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_resource_skip_callback_t*, int64);
};

struct _cef_resource_read_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_resource_read_callback_t*, int);
};

struct _cef_resource_handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* open)(struct _cef_resource_handler_t*, struct _cef_request_t*, int*,
                          struct _cef_callback_t*);
  int(CEF_CALLBACK* process_request)(struct _cef_resource_handler_t*, struct _cef_request_t*,
                                     struct _cef_callback_t*);
  void(CEF_CALLBACK* get_response_headers)(struct _cef_resource_handler_t*, struct _cef_response_t*,
                                           int64*, cef_string_t*);
  int(CEF_CALLBACK* skip)(struct _cef_resource_handler_t*, int64, int64*,
                          struct _cef_resource_skip_callback_t*);
  int(CEF_CALLBACK* read)(struct _cef_resource_handler_t*, void*, int, int*,
                          struct _cef_resource_read_callback_t*);
  int(CEF_CALLBACK* read_response)(struct _cef_resource_handler_t*, void*, int, int*,
                                   struct _cef_callback_t*);
  void(CEF_CALLBACK* cancel)(struct _cef_resource_handler_t*);
};

struct _cef_resource_request_handler_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_cookie_access_filter_t*(CEF_CALLBACK* get_cookie_access_filter)(
      struct _cef_resource_request_handler_t*, struct _cef_browser_t*, struct _cef_frame_t*,
      struct _cef_request_t*);
  cef_return_value_t(CEF_CALLBACK* on_before_resource_load)(struct _cef_resource_request_handler_t*,
                                                            struct _cef_browser_t*,
                                                            struct _cef_frame_t*,
                                                            struct _cef_request_t*,
                                                            struct _cef_request_callback_t*);
  struct _cef_resource_handler_t*(CEF_CALLBACK* get_resource_handler)(
      struct _cef_resource_request_handler_t*, struct _cef_browser_t*, struct _cef_frame_t*,
      struct _cef_request_t*);
  void(CEF_CALLBACK* on_resource_redirect)(struct _cef_resource_request_handler_t*,
                                           struct _cef_browser_t*, struct _cef_frame_t*,
                                           struct _cef_request_t*, struct _cef_response_t*,
                                           cef_string_t*);
  int(CEF_CALLBACK* on_resource_response)(struct _cef_resource_request_handler_t*,
                                          struct _cef_browser_t*, struct _cef_frame_t*,
                                          struct _cef_request_t*, struct _cef_response_t*);
  struct _cef_response_filter_t*(CEF_CALLBACK* get_resource_response_filter)(
      struct _cef_resource_request_handler_t*, struct _cef_browser_t*, struct _cef_frame_t*,
      struct _cef_request_t*, struct _cef_response_t*);
  void(CEF_CALLBACK* on_resource_load_complete)(struct _cef_resource_request_handler_t*,
                                                struct _cef_browser_t*, struct _cef_frame_t*,
                                                struct _cef_request_t*, struct _cef_response_t*,
                                                cef_urlrequest_status_t, int64);
  void(CEF_CALLBACK* on_protocol_execution)(struct _cef_resource_request_handler_t*,
                                            struct _cef_browser_t*, struct _cef_frame_t*,
                                            struct _cef_request_t*, int*);
};

struct _cef_cookie_access_filter_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* can_send_cookie)(struct _cef_cookie_access_filter_t*, struct _cef_browser_t*,
                                     struct _cef_frame_t*, struct _cef_request_t*,
                                     const struct _cef_cookie_t*);
  int(CEF_CALLBACK* can_save_cookie)(struct _cef_cookie_access_filter_t*, struct _cef_browser_t*,
                                     struct _cef_frame_t*, struct _cef_request_t*,
                                     struct _cef_response_t*, const struct _cef_cookie_t*);
};

struct _cef_response_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_response_t*);
  cef_errorcode_t(CEF_CALLBACK* get_error)(struct _cef_response_t*);
  void(CEF_CALLBACK* set_error)(struct _cef_response_t*, cef_errorcode_t);
  int(CEF_CALLBACK* get_status)(struct _cef_response_t*);
  void(CEF_CALLBACK* set_status)(struct _cef_response_t*, int);
  cef_string_userfree_t(CEF_CALLBACK* get_status_text)(struct _cef_response_t*);
  void(CEF_CALLBACK* set_status_text)(struct _cef_response_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_mime_type)(struct _cef_response_t*);
  void(CEF_CALLBACK* set_mime_type)(struct _cef_response_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_charset)(struct _cef_response_t*);
  void(CEF_CALLBACK* set_charset)(struct _cef_response_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_header)(struct _cef_response_t*, const cef_string_t*);
  void(CEF_CALLBACK* get_header_map)(struct _cef_response_t*, cef_string_multimap_t);
  void(CEF_CALLBACK* set_header_map)(struct _cef_response_t*, cef_string_multimap_t);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_response_t*);
  void(CEF_CALLBACK* set_url)(struct _cef_response_t*, const cef_string_t*);
};

struct _cef_response_filter_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* init_filter)(struct _cef_response_filter_t*);
  cef_response_filter_status_t(CEF_CALLBACK* filter)(struct _cef_response_filter_t*, void*, size_t,
                                                     size_t*, void*, size_t, size_t*);
};

struct _cef_scheme_registrar_t {
  struct _cef_base_scoped_t base;
  int(CEF_CALLBACK* add_custom_scheme)(struct _cef_scheme_registrar_t*, const cef_string_t*, int);
};

struct _cef_scheme_handler_factory_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_resource_handler_t*(CEF_CALLBACK* create)(struct _cef_scheme_handler_factory_t*,
                                                        struct _cef_browser_t*,
                                                        struct _cef_frame_t*, const cef_string_t*,
                                                        struct _cef_request_t*);
};

struct _cef_server_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_task_runner_t*(CEF_CALLBACK* get_task_runner)(struct _cef_server_t*);
  void(CEF_CALLBACK* shutdown)(struct _cef_server_t*);
  int(CEF_CALLBACK* is_running)(struct _cef_server_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_address)(struct _cef_server_t*);
  int(CEF_CALLBACK* has_connection)(struct _cef_server_t*);
  int(CEF_CALLBACK* is_valid_connection)(struct _cef_server_t*, int);
  void(CEF_CALLBACK* send_http200response)(struct _cef_server_t*, int, const cef_string_t*,
                                           const void*, size_t);
  void(CEF_CALLBACK* send_http404response)(struct _cef_server_t*, int);
  void(CEF_CALLBACK* send_http500response)(struct _cef_server_t*, int, const cef_string_t*);
  void(CEF_CALLBACK* send_http_response)(struct _cef_server_t*, int, int, const cef_string_t*,
                                         int64, cef_string_multimap_t);
  void(CEF_CALLBACK* send_raw_data)(struct _cef_server_t*, int, const void*, size_t);
  void(CEF_CALLBACK* close_connection)(struct _cef_server_t*, int);
  void(CEF_CALLBACK* send_web_socket_message)(struct _cef_server_t*, int, const void*, size_t);
};

struct _cef_server_handler_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_server_created)(struct _cef_server_handler_t*, struct _cef_server_t*);
  void(CEF_CALLBACK* on_server_destroyed)(struct _cef_server_handler_t*, struct _cef_server_t*);
  void(CEF_CALLBACK* on_client_connected)(struct _cef_server_handler_t*, struct _cef_server_t*,
                                          int);
  void(CEF_CALLBACK* on_client_disconnected)(struct _cef_server_handler_t*, struct _cef_server_t*,
                                             int);
  void(CEF_CALLBACK* on_http_request)(struct _cef_server_handler_t*, struct _cef_server_t*, int,
                                      const cef_string_t*, struct _cef_request_t*);
  void(CEF_CALLBACK* on_web_socket_request)(struct _cef_server_handler_t*, struct _cef_server_t*,
                                            int, const cef_string_t*, struct _cef_request_t*,
                                            struct _cef_callback_t*);
  void(CEF_CALLBACK* on_web_socket_connected)(struct _cef_server_handler_t*, struct _cef_server_t*,
                                              int);
  void(CEF_CALLBACK* on_web_socket_message)(struct _cef_server_handler_t*, struct _cef_server_t*,
                                            int, const void*, size_t);
};

struct _cef_sslinfo_t {
  struct _cef_base_ref_counted_t base;
  cef_cert_status_t(CEF_CALLBACK* get_cert_status)(struct _cef_sslinfo_t*);
  struct _cef_x509certificate_t*(CEF_CALLBACK* get_x509certificate)(struct _cef_sslinfo_t*);
};

struct _cef_sslstatus_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_secure_connection)(struct _cef_sslstatus_t*);
  cef_cert_status_t(CEF_CALLBACK* get_cert_status)(struct _cef_sslstatus_t*);
  cef_ssl_version_t(CEF_CALLBACK* get_sslversion)(struct _cef_sslstatus_t*);
  cef_ssl_content_status_t(CEF_CALLBACK* get_content_status)(struct _cef_sslstatus_t*);
  struct _cef_x509certificate_t*(CEF_CALLBACK* get_x509certificate)(struct _cef_sslstatus_t*);
};

struct _cef_read_handler_t {
  struct _cef_base_ref_counted_t base;
  size_t(CEF_CALLBACK* read)(struct _cef_read_handler_t*, void*, size_t, size_t);
  int(CEF_CALLBACK* seek)(struct _cef_read_handler_t*, int64, int);
  int64(CEF_CALLBACK* tell)(struct _cef_read_handler_t*);
  int(CEF_CALLBACK* eof)(struct _cef_read_handler_t*);
  int(CEF_CALLBACK* may_block)(struct _cef_read_handler_t*);
};

struct _cef_stream_reader_t {
  struct _cef_base_ref_counted_t base;
  size_t(CEF_CALLBACK* read)(struct _cef_stream_reader_t*, void*, size_t, size_t);
  int(CEF_CALLBACK* seek)(struct _cef_stream_reader_t*, int64, int);
  int64(CEF_CALLBACK* tell)(struct _cef_stream_reader_t*);
  int(CEF_CALLBACK* eof)(struct _cef_stream_reader_t*);
  int(CEF_CALLBACK* may_block)(struct _cef_stream_reader_t*);
};

struct _cef_write_handler_t {
  struct _cef_base_ref_counted_t base;
  size_t(CEF_CALLBACK* write)(struct _cef_write_handler_t*, const void*, size_t, size_t);
  int(CEF_CALLBACK* seek)(struct _cef_write_handler_t*, int64, int);
  int64(CEF_CALLBACK* tell)(struct _cef_write_handler_t*);
  int(CEF_CALLBACK* flush)(struct _cef_write_handler_t*);
  int(CEF_CALLBACK* may_block)(struct _cef_write_handler_t*);
};

struct _cef_stream_writer_t {
  struct _cef_base_ref_counted_t base;
  size_t(CEF_CALLBACK* write)(struct _cef_stream_writer_t*, const void*, size_t, size_t);
  int(CEF_CALLBACK* seek)(struct _cef_stream_writer_t*, int64, int);
  int64(CEF_CALLBACK* tell)(struct _cef_stream_writer_t*);
  int(CEF_CALLBACK* flush)(struct _cef_stream_writer_t*);
  int(CEF_CALLBACK* may_block)(struct _cef_stream_writer_t*);
};

struct _cef_string_visitor_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* visit)(struct _cef_string_visitor_t*, const cef_string_t*);
};

struct _cef_task_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* execute)(struct _cef_task_t*);
};

struct _cef_task_runner_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_same)(struct _cef_task_runner_t*, struct _cef_task_runner_t*);
  int(CEF_CALLBACK* belongs_to_current_thread)(struct _cef_task_runner_t*);
  int(CEF_CALLBACK* belongs_to_thread)(struct _cef_task_runner_t*, cef_thread_id_t);
  int(CEF_CALLBACK* post_task)(struct _cef_task_runner_t*, struct _cef_task_t*);
  int(CEF_CALLBACK* post_delayed_task)(struct _cef_task_runner_t*, struct _cef_task_t*, int64);
};

struct _cef_thread_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_task_runner_t*(CEF_CALLBACK* get_task_runner)(struct _cef_thread_t*);
  cef_platform_thread_id_t(CEF_CALLBACK* get_platform_thread_id)(struct _cef_thread_t*);
  void(CEF_CALLBACK* stop)(struct _cef_thread_t*);
  int(CEF_CALLBACK* is_running)(struct _cef_thread_t*);
};

struct _cef_end_tracing_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_end_tracing_complete)(struct _cef_end_tracing_callback_t*,
                                              const cef_string_t*);
};

struct _cef_urlrequest_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_request_t*(CEF_CALLBACK* get_request)(struct _cef_urlrequest_t*);
  struct _cef_urlrequest_client_t*(CEF_CALLBACK* get_client)(struct _cef_urlrequest_t*);
  cef_urlrequest_status_t(CEF_CALLBACK* get_request_status)(struct _cef_urlrequest_t*);
  cef_errorcode_t(CEF_CALLBACK* get_request_error)(struct _cef_urlrequest_t*);
  struct _cef_response_t*(CEF_CALLBACK* get_response)(struct _cef_urlrequest_t*);
  int(CEF_CALLBACK* response_was_cached)(struct _cef_urlrequest_t*);
  void(CEF_CALLBACK* cancel)(struct _cef_urlrequest_t*);
};

struct _cef_urlrequest_client_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_request_complete)(struct _cef_urlrequest_client_t*,
                                          struct _cef_urlrequest_t*);
  void(CEF_CALLBACK* on_upload_progress)(struct _cef_urlrequest_client_t*,
                                         struct _cef_urlrequest_t*, int64, int64);
  void(CEF_CALLBACK* on_download_progress)(struct _cef_urlrequest_client_t*,
                                           struct _cef_urlrequest_t*, int64, int64);
  void(CEF_CALLBACK* on_download_data)(struct _cef_urlrequest_client_t*, struct _cef_urlrequest_t*,
                                       const void*, size_t);
  int(CEF_CALLBACK* get_auth_credentials)(struct _cef_urlrequest_client_t*, int,
                                          const cef_string_t*, int, const cef_string_t*,
                                          const cef_string_t*, struct _cef_auth_callback_t*);
};

struct _cef_v8context_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_task_runner_t*(CEF_CALLBACK* get_task_runner)(struct _cef_v8context_t*);
  int(CEF_CALLBACK* is_valid)(struct _cef_v8context_t*);
  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_v8context_t*);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_v8context_t*);
  struct _cef_v8value_t*(CEF_CALLBACK* get_global)(struct _cef_v8context_t*);
  int(CEF_CALLBACK* enter)(struct _cef_v8context_t*);
  int(CEF_CALLBACK* exit)(struct _cef_v8context_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_v8context_t*, struct _cef_v8context_t*);
  int(CEF_CALLBACK* eval)(struct _cef_v8context_t*, const cef_string_t*, const cef_string_t*, int,
                          struct _cef_v8value_t**, struct _cef_v8exception_t**);
};

struct _cef_v8handler_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* execute)(struct _cef_v8handler_t*, const cef_string_t*, struct _cef_v8value_t*,
                             size_t, struct _cef_v8value_t* const*, struct _cef_v8value_t**,
                             cef_string_t*);
};

struct _cef_v8accessor_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* get)(struct _cef_v8accessor_t*, const cef_string_t*, struct _cef_v8value_t*,
                         struct _cef_v8value_t**, cef_string_t*);
  int(CEF_CALLBACK* set)(struct _cef_v8accessor_t*, const cef_string_t*, struct _cef_v8value_t*,
                         struct _cef_v8value_t*, cef_string_t*);
};

struct _cef_v8interceptor_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* get_byname)(struct _cef_v8interceptor_t*, const cef_string_t*,
                                struct _cef_v8value_t*, struct _cef_v8value_t**, cef_string_t*);
  int(CEF_CALLBACK* get_byindex)(struct _cef_v8interceptor_t*, int, struct _cef_v8value_t*,
                                 struct _cef_v8value_t**, cef_string_t*);
  int(CEF_CALLBACK* set_byname)(struct _cef_v8interceptor_t*, const cef_string_t*,
                                struct _cef_v8value_t*, struct _cef_v8value_t*, cef_string_t*);
  int(CEF_CALLBACK* set_byindex)(struct _cef_v8interceptor_t*, int, struct _cef_v8value_t*,
                                 struct _cef_v8value_t*, cef_string_t*);
};

struct _cef_v8exception_t {
  struct _cef_base_ref_counted_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_message)(struct _cef_v8exception_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_source_line)(struct _cef_v8exception_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_script_resource_name)(struct _cef_v8exception_t*);
  int(CEF_CALLBACK* get_line_number)(struct _cef_v8exception_t*);
  int(CEF_CALLBACK* get_start_position)(struct _cef_v8exception_t*);
  int(CEF_CALLBACK* get_end_position)(struct _cef_v8exception_t*);
  int(CEF_CALLBACK* get_start_column)(struct _cef_v8exception_t*);
  int(CEF_CALLBACK* get_end_column)(struct _cef_v8exception_t*);
};

struct _cef_v8array_buffer_release_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* release_buffer)(struct _cef_v8array_buffer_release_callback_t*, void*);
};

struct _cef_v8value_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_undefined)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_null)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_bool)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_int)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_uint)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_double)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_date)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_string)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_object)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_array)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_array_buffer)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_function)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_v8value_t*, struct _cef_v8value_t*);
  int(CEF_CALLBACK* get_bool_value)(struct _cef_v8value_t*);
  int32(CEF_CALLBACK* get_int_value)(struct _cef_v8value_t*);
  uint32(CEF_CALLBACK* get_uint_value)(struct _cef_v8value_t*);
  double(CEF_CALLBACK* get_double_value)(struct _cef_v8value_t*);
  cef_time_t(CEF_CALLBACK* get_date_value)(struct _cef_v8value_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_string_value)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* is_user_created)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* has_exception)(struct _cef_v8value_t*);
  struct _cef_v8exception_t*(CEF_CALLBACK* get_exception)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* clear_exception)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* will_rethrow_exceptions)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* set_rethrow_exceptions)(struct _cef_v8value_t*, int);
  int(CEF_CALLBACK* has_value_bykey)(struct _cef_v8value_t*, const cef_string_t*);
  int(CEF_CALLBACK* has_value_byindex)(struct _cef_v8value_t*, int);
  int(CEF_CALLBACK* delete_value_bykey)(struct _cef_v8value_t*, const cef_string_t*);
  int(CEF_CALLBACK* delete_value_byindex)(struct _cef_v8value_t*, int);
  struct _cef_v8value_t*(CEF_CALLBACK* get_value_bykey)(struct _cef_v8value_t*,
                                                        const cef_string_t*);
  struct _cef_v8value_t*(CEF_CALLBACK* get_value_byindex)(struct _cef_v8value_t*, int);
  int(CEF_CALLBACK* set_value_bykey)(struct _cef_v8value_t*, const cef_string_t*,
                                     struct _cef_v8value_t*, cef_v8_propertyattribute_t);
  int(CEF_CALLBACK* set_value_byindex)(struct _cef_v8value_t*, int, struct _cef_v8value_t*);
  int(CEF_CALLBACK* set_value_byaccessor)(struct _cef_v8value_t*, const cef_string_t*,
                                          cef_v8_accesscontrol_t, cef_v8_propertyattribute_t);
  int(CEF_CALLBACK* get_keys)(struct _cef_v8value_t*, cef_string_list_t);
  int(CEF_CALLBACK* set_user_data)(struct _cef_v8value_t*, struct _cef_base_ref_counted_t*);
  struct _cef_base_ref_counted_t*(CEF_CALLBACK* get_user_data)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* get_externally_allocated_memory)(struct _cef_v8value_t*);
  int(CEF_CALLBACK* adjust_externally_allocated_memory)(struct _cef_v8value_t*, int);
  int(CEF_CALLBACK* get_array_length)(struct _cef_v8value_t*);
  struct _cef_v8array_buffer_release_callback_t*(CEF_CALLBACK* get_array_buffer_release_callback)(
      struct _cef_v8value_t*);
  int(CEF_CALLBACK* neuter_array_buffer)(struct _cef_v8value_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_function_name)(struct _cef_v8value_t*);
  struct _cef_v8handler_t*(CEF_CALLBACK* get_function_handler)(struct _cef_v8value_t*);
  struct _cef_v8value_t*(CEF_CALLBACK* execute_function)(struct _cef_v8value_t*,
                                                         struct _cef_v8value_t*, size_t,
                                                         struct _cef_v8value_t* const*);
  struct _cef_v8value_t*(CEF_CALLBACK* execute_function_with_context)(
      struct _cef_v8value_t*, struct _cef_v8context_t*, struct _cef_v8value_t*, size_t,
      struct _cef_v8value_t* const*);
};

struct _cef_v8stack_trace_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8stack_trace_t*);
  int(CEF_CALLBACK* get_frame_count)(struct _cef_v8stack_trace_t*);
  struct _cef_v8stack_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_v8stack_trace_t*, int);
};

struct _cef_v8stack_frame_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8stack_frame_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_script_name)(struct _cef_v8stack_frame_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_script_name_or_source_url)(struct _cef_v8stack_frame_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_function_name)(struct _cef_v8stack_frame_t*);
  int(CEF_CALLBACK* get_line_number)(struct _cef_v8stack_frame_t*);
  int(CEF_CALLBACK* get_column)(struct _cef_v8stack_frame_t*);
  int(CEF_CALLBACK* is_eval)(struct _cef_v8stack_frame_t*);
  int(CEF_CALLBACK* is_constructor)(struct _cef_v8stack_frame_t*);
};

struct _cef_value_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_value_t*);
  int(CEF_CALLBACK* is_owned)(struct _cef_value_t*);
  int(CEF_CALLBACK* is_read_only)(struct _cef_value_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_value_t*, struct _cef_value_t*);
  int(CEF_CALLBACK* is_equal)(struct _cef_value_t*, struct _cef_value_t*);
  struct _cef_value_t*(CEF_CALLBACK* copy)(struct _cef_value_t*);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_value_t*);
  int(CEF_CALLBACK* get_bool)(struct _cef_value_t*);
  int(CEF_CALLBACK* get_int)(struct _cef_value_t*);
  double(CEF_CALLBACK* get_double)(struct _cef_value_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(struct _cef_value_t*);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_binary)(struct _cef_value_t*);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(struct _cef_value_t*);
  struct _cef_list_value_t*(CEF_CALLBACK* get_list)(struct _cef_value_t*);
  int(CEF_CALLBACK* set_null)(struct _cef_value_t*);
  int(CEF_CALLBACK* set_bool)(struct _cef_value_t*, int);
  int(CEF_CALLBACK* set_int)(struct _cef_value_t*, int);
  int(CEF_CALLBACK* set_double)(struct _cef_value_t*, double);
  int(CEF_CALLBACK* set_string)(struct _cef_value_t*, const cef_string_t*);
  int(CEF_CALLBACK* set_binary)(struct _cef_value_t*, struct _cef_binary_value_t*);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_value_t*, struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* set_list)(struct _cef_value_t*, struct _cef_list_value_t*);
};

struct _cef_binary_value_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_binary_value_t*);
  int(CEF_CALLBACK* is_owned)(struct _cef_binary_value_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_binary_value_t*, struct _cef_binary_value_t*);
  int(CEF_CALLBACK* is_equal)(struct _cef_binary_value_t*, struct _cef_binary_value_t*);
  struct _cef_binary_value_t*(CEF_CALLBACK* copy)(struct _cef_binary_value_t*);
  size_t(CEF_CALLBACK* get_size)(struct _cef_binary_value_t*);
  size_t(CEF_CALLBACK* get_data)(struct _cef_binary_value_t*, void*, size_t, size_t);
};

struct _cef_dictionary_value_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* is_owned)(struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* is_read_only)(struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_dictionary_value_t*, struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* is_equal)(struct _cef_dictionary_value_t*, struct _cef_dictionary_value_t*);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* copy)(struct _cef_dictionary_value_t*, int);
  size_t(CEF_CALLBACK* get_size)(struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* clear)(struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* has_key)(struct _cef_dictionary_value_t*, const cef_string_t*);
  int(CEF_CALLBACK* get_keys)(struct _cef_dictionary_value_t*, cef_string_list_t);
  int(CEF_CALLBACK* remove)(struct _cef_dictionary_value_t*, const cef_string_t*);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_dictionary_value_t*, const cef_string_t*);
  struct _cef_value_t*(CEF_CALLBACK* get_value)(struct _cef_dictionary_value_t*,
                                                const cef_string_t*);
  int(CEF_CALLBACK* get_bool)(struct _cef_dictionary_value_t*, const cef_string_t*);
  int(CEF_CALLBACK* get_int)(struct _cef_dictionary_value_t*, const cef_string_t*);
  double(CEF_CALLBACK* get_double)(struct _cef_dictionary_value_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(struct _cef_dictionary_value_t*,
                                                  const cef_string_t*);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_binary)(struct _cef_dictionary_value_t*,
                                                        const cef_string_t*);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(struct _cef_dictionary_value_t*,
                                                                const cef_string_t*);
  struct _cef_list_value_t*(CEF_CALLBACK* get_list)(struct _cef_dictionary_value_t*,
                                                    const cef_string_t*);
  int(CEF_CALLBACK* set_value)(struct _cef_dictionary_value_t*, const cef_string_t*,
                               struct _cef_value_t*);
  int(CEF_CALLBACK* set_null)(struct _cef_dictionary_value_t*, const cef_string_t*);
  int(CEF_CALLBACK* set_bool)(struct _cef_dictionary_value_t*, const cef_string_t*, int);
  int(CEF_CALLBACK* set_int)(struct _cef_dictionary_value_t*, const cef_string_t*, int);
  int(CEF_CALLBACK* set_double)(struct _cef_dictionary_value_t*, const cef_string_t*, double);
  int(CEF_CALLBACK* set_string)(struct _cef_dictionary_value_t*, const cef_string_t*,
                                const cef_string_t*);
  int(CEF_CALLBACK* set_binary)(struct _cef_dictionary_value_t*, const cef_string_t*,
                                struct _cef_binary_value_t*);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_dictionary_value_t*, const cef_string_t*,
                                    struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* set_list)(struct _cef_dictionary_value_t*, const cef_string_t*,
                              struct _cef_list_value_t*);
};

struct _cef_list_value_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_list_value_t*);
  int(CEF_CALLBACK* is_owned)(struct _cef_list_value_t*);
  int(CEF_CALLBACK* is_read_only)(struct _cef_list_value_t*);
  int(CEF_CALLBACK* is_same)(struct _cef_list_value_t*, struct _cef_list_value_t*);
  int(CEF_CALLBACK* is_equal)(struct _cef_list_value_t*, struct _cef_list_value_t*);
  struct _cef_list_value_t*(CEF_CALLBACK* copy)(struct _cef_list_value_t*);
  int(CEF_CALLBACK* set_size)(struct _cef_list_value_t*, size_t);
  size_t(CEF_CALLBACK* get_size)(struct _cef_list_value_t*);
  int(CEF_CALLBACK* clear)(struct _cef_list_value_t*);
  int(CEF_CALLBACK* remove)(struct _cef_list_value_t*, size_t);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_list_value_t*, size_t);
  struct _cef_value_t*(CEF_CALLBACK* get_value)(struct _cef_list_value_t*, size_t);
  int(CEF_CALLBACK* get_bool)(struct _cef_list_value_t*, size_t);
  int(CEF_CALLBACK* get_int)(struct _cef_list_value_t*, size_t);
  double(CEF_CALLBACK* get_double)(struct _cef_list_value_t*, size_t);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(struct _cef_list_value_t*, size_t);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_binary)(struct _cef_list_value_t*, size_t);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(struct _cef_list_value_t*, size_t);
  struct _cef_list_value_t*(CEF_CALLBACK* get_list)(struct _cef_list_value_t*, size_t);
  int(CEF_CALLBACK* set_value)(struct _cef_list_value_t*, size_t, struct _cef_value_t*);
  int(CEF_CALLBACK* set_null)(struct _cef_list_value_t*, size_t);
  int(CEF_CALLBACK* set_bool)(struct _cef_list_value_t*, size_t, int);
  int(CEF_CALLBACK* set_int)(struct _cef_list_value_t*, size_t, int);
  int(CEF_CALLBACK* set_double)(struct _cef_list_value_t*, size_t, double);
  int(CEF_CALLBACK* set_string)(struct _cef_list_value_t*, size_t, const cef_string_t*);
  int(CEF_CALLBACK* set_binary)(struct _cef_list_value_t*, size_t, struct _cef_binary_value_t*);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_list_value_t*, size_t,
                                    struct _cef_dictionary_value_t*);
  int(CEF_CALLBACK* set_list)(struct _cef_list_value_t*, size_t, struct _cef_list_value_t*);
};

struct _cef_waitable_event_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* reset)(struct _cef_waitable_event_t*);
  void(CEF_CALLBACK* signal)(struct _cef_waitable_event_t*);
  int(CEF_CALLBACK* is_signaled)(struct _cef_waitable_event_t*);
  void(CEF_CALLBACK* wait)(struct _cef_waitable_event_t*);
  int(CEF_CALLBACK* timed_wait)(struct _cef_waitable_event_t*, int64);
};

struct _cef_web_plugin_info_t {
  struct _cef_base_ref_counted_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_web_plugin_info_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_path)(struct _cef_web_plugin_info_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_version)(struct _cef_web_plugin_info_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_description)(struct _cef_web_plugin_info_t*);
};

struct _cef_web_plugin_info_visitor_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* visit)(struct _cef_web_plugin_info_visitor_t*, struct _cef_web_plugin_info_t*,
                           int, int);
};

struct _cef_web_plugin_unstable_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* is_unstable)(struct _cef_web_plugin_unstable_callback_t*, const cef_string_t*,
                                  int);
};

struct _cef_register_cdm_callback_t {
  struct _cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_cdm_registration_complete)(struct _cef_register_cdm_callback_t*,
                                                   cef_cdm_registration_error_t,
                                                   const cef_string_t*);
};

struct _cef_x509cert_principal_t {
  struct _cef_base_ref_counted_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_display_name)(struct _cef_x509cert_principal_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_common_name)(struct _cef_x509cert_principal_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_locality_name)(struct _cef_x509cert_principal_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_state_or_province_name)(
      struct _cef_x509cert_principal_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_country_name)(struct _cef_x509cert_principal_t*);
  void(CEF_CALLBACK* get_street_addresses)(struct _cef_x509cert_principal_t*, cef_string_list_t);
  void(CEF_CALLBACK* get_organization_names)(struct _cef_x509cert_principal_t*, cef_string_list_t);
  void(CEF_CALLBACK* get_organization_unit_names)(struct _cef_x509cert_principal_t*,
                                                  cef_string_list_t);
  void(CEF_CALLBACK* get_domain_components)(struct _cef_x509cert_principal_t*, cef_string_list_t);
};

struct _cef_x509certificate_t {
  struct _cef_base_ref_counted_t base;
  struct _cef_x509cert_principal_t*(CEF_CALLBACK* get_subject)(struct _cef_x509certificate_t*);
  struct _cef_x509cert_principal_t*(CEF_CALLBACK* get_issuer)(struct _cef_x509certificate_t*);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_serial_number)(struct _cef_x509certificate_t*);
  cef_time_t(CEF_CALLBACK* get_valid_start)(struct _cef_x509certificate_t*);
  cef_time_t(CEF_CALLBACK* get_valid_expiry)(struct _cef_x509certificate_t*);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_derencoded)(struct _cef_x509certificate_t*);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_pemencoded)(struct _cef_x509certificate_t*);
  size_t(CEF_CALLBACK* get_issuer_chain_size)(struct _cef_x509certificate_t*);
  void(CEF_CALLBACK* get_derencoded_issuer_chain)(struct _cef_x509certificate_t*, size_t*,
                                                  struct _cef_binary_value_t**);
  void(CEF_CALLBACK* get_pemencoded_issuer_chain)(struct _cef_x509certificate_t*, size_t*,
                                                  struct _cef_binary_value_t**);
};

struct _cef_xml_reader_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* move_to_next_node)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* close)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* has_error)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_error)(struct _cef_xml_reader_t*);
  cef_xml_node_type_t(CEF_CALLBACK* get_type)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* get_depth)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_local_name)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_prefix)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_qualified_name)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_namespace_uri)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_base_uri)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_xml_lang)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* is_empty_element)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* has_value)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_value)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* has_attributes)(struct _cef_xml_reader_t*);
  size_t(CEF_CALLBACK* get_attribute_count)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_attribute_byindex)(struct _cef_xml_reader_t*, int);
  cef_string_userfree_t(CEF_CALLBACK* get_attribute_byqname)(struct _cef_xml_reader_t*,
                                                             const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_attribute_bylname)(struct _cef_xml_reader_t*,
                                                             const cef_string_t*,
                                                             const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_inner_xml)(struct _cef_xml_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_outer_xml)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* get_line_number)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* move_to_attribute_byindex)(struct _cef_xml_reader_t*, int);
  int(CEF_CALLBACK* move_to_attribute_byqname)(struct _cef_xml_reader_t*, const cef_string_t*);
  int(CEF_CALLBACK* move_to_attribute_bylname)(struct _cef_xml_reader_t*, const cef_string_t*,
                                               const cef_string_t*);
  int(CEF_CALLBACK* move_to_first_attribute)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* move_to_next_attribute)(struct _cef_xml_reader_t*);
  int(CEF_CALLBACK* move_to_carrying_element)(struct _cef_xml_reader_t*);
};

struct _cef_zip_reader_t {
  struct _cef_base_ref_counted_t base;
  int(CEF_CALLBACK* move_to_first_file)(struct _cef_zip_reader_t*);
  int(CEF_CALLBACK* move_to_next_file)(struct _cef_zip_reader_t*);
  int(CEF_CALLBACK* move_to_file)(struct _cef_zip_reader_t*, const cef_string_t*, int);
  int(CEF_CALLBACK* close)(struct _cef_zip_reader_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_file_name)(struct _cef_zip_reader_t*);
  int64(CEF_CALLBACK* get_file_size)(struct _cef_zip_reader_t*);
  cef_time_t(CEF_CALLBACK* get_file_last_modified)(struct _cef_zip_reader_t*);
  int(CEF_CALLBACK* open_file)(struct _cef_zip_reader_t*, const cef_string_t*);
  int(CEF_CALLBACK* close_file)(struct _cef_zip_reader_t*);
  int(CEF_CALLBACK* read_file)(struct _cef_zip_reader_t*, void*, size_t);
  int64(CEF_CALLBACK* tell)(struct _cef_zip_reader_t*);
  int(CEF_CALLBACK* eof)(struct _cef_zip_reader_t*);
};

struct _cef_box_layout_t {
  struct _cef_layout_t base;
  void(CEF_CALLBACK* set_flex_for_view)(struct _cef_box_layout_t*, struct _cef_view_t*, int);
  void(CEF_CALLBACK* clear_flex_for_view)(struct _cef_box_layout_t*, struct _cef_view_t*);
};

struct _cef_browser_view_t {
  struct _cef_view_t base;
  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_browser_view_t*);
  void(CEF_CALLBACK* set_prefer_accelerators)(struct _cef_browser_view_t*, int);
};

struct _cef_browser_view_delegate_t {
  struct _cef_view_delegate_t base;
  void(CEF_CALLBACK* on_browser_created)(struct _cef_browser_view_delegate_t*,
                                         struct _cef_browser_view_t*, struct _cef_browser_t*);
  void(CEF_CALLBACK* on_browser_destroyed)(struct _cef_browser_view_delegate_t*,
                                           struct _cef_browser_view_t*, struct _cef_browser_t*);
  struct _cef_browser_view_delegate_t*(CEF_CALLBACK* get_delegate_for_popup_browser_view)(
      struct _cef_browser_view_delegate_t*, struct _cef_browser_view_t*,
      const struct _cef_browser_settings_t*, struct _cef_client_t*, int);
  int(CEF_CALLBACK* on_popup_browser_view_created)(struct _cef_browser_view_delegate_t*,
                                                   struct _cef_browser_view_t*,
                                                   struct _cef_browser_view_t*, int);
};

struct _cef_display_t {
  struct _cef_base_ref_counted_t base;
  int64(CEF_CALLBACK* get_id)(struct _cef_display_t*);
  float(CEF_CALLBACK* get_device_scale_factor)(struct _cef_display_t*);
  void(CEF_CALLBACK* convert_point_to_pixels)(struct _cef_display_t*, cef_point_t*);
  void(CEF_CALLBACK* convert_point_from_pixels)(struct _cef_display_t*, cef_point_t*);
  cef_rect_t(CEF_CALLBACK* get_bounds)(struct _cef_display_t*);
  cef_rect_t(CEF_CALLBACK* get_work_area)(struct _cef_display_t*);
  int(CEF_CALLBACK* get_rotation)(struct _cef_display_t*);
};

struct _cef_fill_layout_t {
  struct _cef_layout_t base;
};

struct _cef_menu_button_t {
  struct _cef_label_button_t base;
  void(CEF_CALLBACK* show_menu)(struct _cef_menu_button_t*, struct _cef_menu_model_t*,
                                const cef_point_t*, cef_menu_anchor_position_t);
  void(CEF_CALLBACK* trigger_menu)(struct _cef_menu_button_t*);
};

struct _cef_menu_button_pressed_lock_t {
  struct _cef_base_ref_counted_t base;
};

struct _cef_menu_button_delegate_t {
  struct _cef_button_delegate_t base;
  void(CEF_CALLBACK* on_menu_button_pressed)(struct _cef_menu_button_delegate_t*,
                                             struct _cef_menu_button_t*, const cef_point_t*,
                                             struct _cef_menu_button_pressed_lock_t*);
};

struct _cef_scroll_view_t {
  struct _cef_view_t base;
  void(CEF_CALLBACK* set_content_view)(struct _cef_scroll_view_t*, struct _cef_view_t*);
  struct _cef_view_t*(CEF_CALLBACK* get_content_view)(struct _cef_scroll_view_t*);
  cef_rect_t(CEF_CALLBACK* get_visible_content_rect)(struct _cef_scroll_view_t*);
  int(CEF_CALLBACK* has_horizontal_scrollbar)(struct _cef_scroll_view_t*);
  int(CEF_CALLBACK* get_horizontal_scrollbar_height)(struct _cef_scroll_view_t*);
  int(CEF_CALLBACK* has_vertical_scrollbar)(struct _cef_scroll_view_t*);
  int(CEF_CALLBACK* get_vertical_scrollbar_width)(struct _cef_scroll_view_t*);
};

struct _cef_textfield_t {
  struct _cef_view_t base;
  void(CEF_CALLBACK* set_password_input)(struct _cef_textfield_t*, int);
  int(CEF_CALLBACK* is_password_input)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* set_read_only)(struct _cef_textfield_t*, int);
  int(CEF_CALLBACK* is_read_only)(struct _cef_textfield_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_text)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* set_text)(struct _cef_textfield_t*, const cef_string_t*);
  void(CEF_CALLBACK* append_text)(struct _cef_textfield_t*, const cef_string_t*);
  void(CEF_CALLBACK* insert_or_replace_text)(struct _cef_textfield_t*, const cef_string_t*);
  int(CEF_CALLBACK* has_selection)(struct _cef_textfield_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_selected_text)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* select_all)(struct _cef_textfield_t*, int);
  void(CEF_CALLBACK* clear_selection)(struct _cef_textfield_t*);
  cef_range_t(CEF_CALLBACK* get_selected_range)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* select_range)(struct _cef_textfield_t*, const cef_range_t*);
  size_t(CEF_CALLBACK* get_cursor_position)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* set_text_color)(struct _cef_textfield_t*, cef_color_t);
  cef_color_t(CEF_CALLBACK* get_text_color)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* set_selection_text_color)(struct _cef_textfield_t*, cef_color_t);
  cef_color_t(CEF_CALLBACK* get_selection_text_color)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* set_selection_background_color)(struct _cef_textfield_t*, cef_color_t);
  cef_color_t(CEF_CALLBACK* get_selection_background_color)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* set_font_list)(struct _cef_textfield_t*, const cef_string_t*);
  void(CEF_CALLBACK* apply_text_color)(struct _cef_textfield_t*, cef_color_t, const cef_range_t*);
  void(CEF_CALLBACK* apply_text_style)(struct _cef_textfield_t*, cef_text_style_t, int,
                                       const cef_range_t*);
  int(CEF_CALLBACK* is_command_enabled)(struct _cef_textfield_t*, int);
  void(CEF_CALLBACK* execute_command)(struct _cef_textfield_t*, int);
  void(CEF_CALLBACK* clear_edit_history)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* set_placeholder_text)(struct _cef_textfield_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_placeholder_text)(struct _cef_textfield_t*);
  void(CEF_CALLBACK* set_placeholder_text_color)(struct _cef_textfield_t*, cef_color_t);
  void(CEF_CALLBACK* set_accessible_name)(struct _cef_textfield_t*, const cef_string_t*);
};

struct _cef_textfield_delegate_t {
  struct _cef_view_delegate_t base;
  int(CEF_CALLBACK* on_key_event)(struct _cef_textfield_delegate_t*, struct _cef_textfield_t*,
                                  const struct _cef_key_event_t*);
  void(CEF_CALLBACK* on_after_user_action)(struct _cef_textfield_delegate_t*,
                                           struct _cef_textfield_t*);
};

struct _cef_window_t {
  struct _cef_panel_t base;
  void(CEF_CALLBACK* show)(struct _cef_window_t*);
  void(CEF_CALLBACK* hide)(struct _cef_window_t*);
  void(CEF_CALLBACK* center_window)(struct _cef_window_t*, const cef_size_t*);
  void(CEF_CALLBACK* close)(struct _cef_window_t*);
  int(CEF_CALLBACK* is_closed)(struct _cef_window_t*);
  void(CEF_CALLBACK* activate)(struct _cef_window_t*);
  void(CEF_CALLBACK* deactivate)(struct _cef_window_t*);
  int(CEF_CALLBACK* is_active)(struct _cef_window_t*);
  void(CEF_CALLBACK* bring_to_top)(struct _cef_window_t*);
  void(CEF_CALLBACK* set_always_on_top)(struct _cef_window_t*, int);
  int(CEF_CALLBACK* is_always_on_top)(struct _cef_window_t*);
  void(CEF_CALLBACK* maximize)(struct _cef_window_t*);
  void(CEF_CALLBACK* minimize)(struct _cef_window_t*);
  void(CEF_CALLBACK* restore)(struct _cef_window_t*);
  void(CEF_CALLBACK* set_fullscreen)(struct _cef_window_t*, int);
  int(CEF_CALLBACK* is_maximized)(struct _cef_window_t*);
  int(CEF_CALLBACK* is_minimized)(struct _cef_window_t*);
  int(CEF_CALLBACK* is_fullscreen)(struct _cef_window_t*);
  void(CEF_CALLBACK* set_title)(struct _cef_window_t*, const cef_string_t*);
  cef_string_userfree_t(CEF_CALLBACK* get_title)(struct _cef_window_t*);
  void(CEF_CALLBACK* set_window_icon)(struct _cef_window_t*, struct _cef_image_t*);
  struct _cef_image_t*(CEF_CALLBACK* get_window_icon)(struct _cef_window_t*);
  void(CEF_CALLBACK* set_window_app_icon)(struct _cef_window_t*, struct _cef_image_t*);
  struct _cef_image_t*(CEF_CALLBACK* get_window_app_icon)(struct _cef_window_t*);
  void(CEF_CALLBACK* show_menu)(struct _cef_window_t*, struct _cef_menu_model_t*,
                                const cef_point_t*, cef_menu_anchor_position_t);
  void(CEF_CALLBACK* cancel_menu)(struct _cef_window_t*);
  struct _cef_display_t*(CEF_CALLBACK* get_display)(struct _cef_window_t*);
  cef_rect_t(CEF_CALLBACK* get_client_area_bounds_in_screen)(struct _cef_window_t*);
  void(CEF_CALLBACK* set_draggable_regions)(struct _cef_window_t*, size_t,
                                            const cef_draggable_region_t*);
  HWND(CEF_CALLBACK* get_window_handle)(struct _cef_window_t*);
  void(CEF_CALLBACK* send_key_press)(struct _cef_window_t*, int, uint32);
  void(CEF_CALLBACK* send_mouse_move)(struct _cef_window_t*, int, int);
  void(CEF_CALLBACK* send_mouse_events)(struct _cef_window_t*, cef_mouse_button_type_t, int, int);
  void(CEF_CALLBACK* set_accelerator)(struct _cef_window_t*, int, int, int, int, int);
  void(CEF_CALLBACK* remove_accelerator)(struct _cef_window_t*, int);
  void(CEF_CALLBACK* remove_all_accelerators)(struct _cef_window_t*);
};

struct _cef_window_delegate_t {
  struct _cef_panel_delegate_t base;
  void(CEF_CALLBACK* on_window_created)(struct _cef_window_delegate_t*, struct _cef_window_t*);
  void(CEF_CALLBACK* on_window_destroyed)(struct _cef_window_delegate_t*, struct _cef_window_t*);
  struct _cef_window_t*(CEF_CALLBACK* get_parent_window)(struct _cef_window_delegate_t*,
                                                         struct _cef_window_t*, int*, int*);
  int(CEF_CALLBACK* is_frameless)(struct _cef_window_delegate_t*, struct _cef_window_t*);
  int(CEF_CALLBACK* can_resize)(struct _cef_window_delegate_t*, struct _cef_window_t*);
  int(CEF_CALLBACK* can_maximize)(struct _cef_window_delegate_t*, struct _cef_window_t*);
  int(CEF_CALLBACK* can_minimize)(struct _cef_window_delegate_t*, struct _cef_window_t*);
  int(CEF_CALLBACK* can_close)(struct _cef_window_delegate_t*, struct _cef_window_t*);
  int(CEF_CALLBACK* on_accelerator)(struct _cef_window_delegate_t*, struct _cef_window_t*, int);
  int(CEF_CALLBACK* on_key_event)(struct _cef_window_delegate_t*, struct _cef_window_t*,
                                  const struct _cef_key_event_t*);
};

#ifdef __cplusplus
}  // extern "C"
#endif

#define CEF_CHECK_SIZE(type, bytes) CEF_STATIC_ASSERT(sizeof(type) == (bytes), #type " size")
#define CEF_CHECK_OFFSET(type, member, bytes) \
  CEF_STATIC_ASSERT(offsetof(type, member) == (bytes), #type "." #member " offset")

CEF_CHECK_SIZE(cef_string_utf16_t, 24);
CEF_CHECK_OFFSET(cef_string_utf16_t, str, 0);
CEF_CHECK_OFFSET(cef_string_utf16_t, length, 8);
CEF_CHECK_OFFSET(cef_string_utf16_t, dtor, 16);
CEF_CHECK_SIZE(cef_rect_t, 16);
CEF_CHECK_OFFSET(cef_rect_t, x, 0);
CEF_CHECK_OFFSET(cef_rect_t, y, 4);
CEF_CHECK_OFFSET(cef_rect_t, width, 8);
CEF_CHECK_OFFSET(cef_rect_t, height, 12);
CEF_CHECK_SIZE(cef_point_t, 8);
CEF_CHECK_OFFSET(cef_point_t, x, 0);
CEF_CHECK_OFFSET(cef_point_t, y, 4);
CEF_CHECK_SIZE(cef_range_t, 8);
CEF_CHECK_OFFSET(cef_range_t, from, 0);
CEF_CHECK_OFFSET(cef_range_t, to, 4);
CEF_CHECK_SIZE(cef_base_ref_counted_t, 40);
CEF_CHECK_OFFSET(cef_base_ref_counted_t, size, 0);
CEF_CHECK_OFFSET(cef_base_ref_counted_t, add_ref, 8);
CEF_CHECK_OFFSET(cef_base_ref_counted_t, release, 16);
CEF_CHECK_OFFSET(cef_base_ref_counted_t, has_one_ref, 24);
CEF_CHECK_OFFSET(cef_base_ref_counted_t, has_at_least_one_ref, 32);
CEF_CHECK_SIZE(cef_base_scoped_t, 16);
CEF_CHECK_OFFSET(cef_base_scoped_t, size, 0);
CEF_CHECK_OFFSET(cef_base_scoped_t, del, 8);
CEF_CHECK_SIZE(cef_layout_t, 64);
CEF_CHECK_OFFSET(cef_layout_t, is_valid, 56);
CEF_CHECK_SIZE(cef_view_delegate_t, 104);
CEF_CHECK_OFFSET(cef_view_delegate_t, on_blur, 96);
CEF_CHECK_SIZE(cef_view_t, 424);
CEF_CHECK_OFFSET(cef_view_t, convert_point_from_view, 416);
CEF_CHECK_SIZE(cef_button_t, 472);
CEF_CHECK_OFFSET(cef_button_t, base, 0);
CEF_CHECK_OFFSET(cef_button_t, as_label_button, 424);
CEF_CHECK_OFFSET(cef_button_t, set_state, 432);
CEF_CHECK_OFFSET(cef_button_t, get_state, 440);
CEF_CHECK_OFFSET(cef_button_t, set_ink_drop_enabled, 448);
CEF_CHECK_OFFSET(cef_button_t, set_tooltip_text, 456);
CEF_CHECK_OFFSET(cef_button_t, set_accessible_name, 464);
CEF_CHECK_SIZE(cef_button_delegate_t, 120);
CEF_CHECK_OFFSET(cef_button_delegate_t, base, 0);
CEF_CHECK_OFFSET(cef_button_delegate_t, on_button_pressed, 104);
CEF_CHECK_OFFSET(cef_button_delegate_t, on_button_state_changed, 112);
CEF_CHECK_SIZE(cef_label_button_t, 560);
CEF_CHECK_OFFSET(cef_label_button_t, base, 0);
CEF_CHECK_OFFSET(cef_label_button_t, as_menu_button, 472);
CEF_CHECK_OFFSET(cef_label_button_t, set_text, 480);
CEF_CHECK_OFFSET(cef_label_button_t, get_text, 488);
CEF_CHECK_OFFSET(cef_label_button_t, set_image, 496);
CEF_CHECK_OFFSET(cef_label_button_t, get_image, 504);
CEF_CHECK_OFFSET(cef_label_button_t, set_text_color, 512);
CEF_CHECK_OFFSET(cef_label_button_t, set_enabled_text_colors, 520);
CEF_CHECK_OFFSET(cef_label_button_t, set_font_list, 528);
CEF_CHECK_OFFSET(cef_label_button_t, set_horizontal_alignment, 536);
CEF_CHECK_OFFSET(cef_label_button_t, set_minimum_size, 544);
CEF_CHECK_OFFSET(cef_label_button_t, set_maximum_size, 552);
CEF_CHECK_SIZE(cef_panel_delegate_t, 104);
CEF_CHECK_OFFSET(cef_panel_delegate_t, base, 0);
CEF_CHECK_SIZE(cef_panel_t, 520);
CEF_CHECK_OFFSET(cef_panel_t, base, 0);
CEF_CHECK_OFFSET(cef_panel_t, as_window, 424);
CEF_CHECK_OFFSET(cef_panel_t, set_to_fill_layout, 432);
CEF_CHECK_OFFSET(cef_panel_t, set_to_box_layout, 440);
CEF_CHECK_OFFSET(cef_panel_t, get_layout, 448);
CEF_CHECK_OFFSET(cef_panel_t, layout, 456);
CEF_CHECK_OFFSET(cef_panel_t, add_child_view, 464);
CEF_CHECK_OFFSET(cef_panel_t, add_child_view_at, 472);
CEF_CHECK_OFFSET(cef_panel_t, reorder_child_view, 480);
CEF_CHECK_OFFSET(cef_panel_t, remove_child_view, 488);
CEF_CHECK_OFFSET(cef_panel_t, remove_all_child_views, 496);
CEF_CHECK_OFFSET(cef_panel_t, get_child_view_count, 504);
CEF_CHECK_OFFSET(cef_panel_t, get_child_view_at, 512);
CEF_CHECK_SIZE(cef_string_wide_t, 24);
CEF_CHECK_OFFSET(cef_string_wide_t, str, 0);
CEF_CHECK_OFFSET(cef_string_wide_t, length, 8);
CEF_CHECK_OFFSET(cef_string_wide_t, dtor, 16);
CEF_CHECK_SIZE(cef_string_utf8_t, 24);
CEF_CHECK_OFFSET(cef_string_utf8_t, str, 0);
CEF_CHECK_OFFSET(cef_string_utf8_t, length, 8);
CEF_CHECK_OFFSET(cef_string_utf8_t, dtor, 16);
CEF_CHECK_SIZE(cef_time_t, 32);
CEF_CHECK_OFFSET(cef_time_t, year, 0);
CEF_CHECK_OFFSET(cef_time_t, month, 4);
CEF_CHECK_OFFSET(cef_time_t, day_of_week, 8);
CEF_CHECK_OFFSET(cef_time_t, day_of_month, 12);
CEF_CHECK_OFFSET(cef_time_t, hour, 16);
CEF_CHECK_OFFSET(cef_time_t, minute, 20);
CEF_CHECK_OFFSET(cef_time_t, second, 24);
CEF_CHECK_OFFSET(cef_time_t, millisecond, 28);
CEF_CHECK_SIZE(cef_settings_t, 432);
CEF_CHECK_OFFSET(cef_settings_t, size, 0);
CEF_CHECK_OFFSET(cef_settings_t, no_sandbox, 8);
CEF_CHECK_OFFSET(cef_settings_t, browser_subprocess_path, 16);
CEF_CHECK_OFFSET(cef_settings_t, framework_dir_path, 40);
CEF_CHECK_OFFSET(cef_settings_t, main_bundle_path, 64);
CEF_CHECK_OFFSET(cef_settings_t, multi_threaded_message_loop, 88);
CEF_CHECK_OFFSET(cef_settings_t, external_message_pump, 92);
CEF_CHECK_OFFSET(cef_settings_t, windowless_rendering_enabled, 96);
CEF_CHECK_OFFSET(cef_settings_t, command_line_args_disabled, 100);
CEF_CHECK_OFFSET(cef_settings_t, cache_path, 104);
CEF_CHECK_OFFSET(cef_settings_t, root_cache_path, 128);
CEF_CHECK_OFFSET(cef_settings_t, user_data_path, 152);
CEF_CHECK_OFFSET(cef_settings_t, persist_session_cookies, 176);
CEF_CHECK_OFFSET(cef_settings_t, persist_user_preferences, 180);
CEF_CHECK_OFFSET(cef_settings_t, user_agent, 184);
CEF_CHECK_OFFSET(cef_settings_t, product_version, 208);
CEF_CHECK_OFFSET(cef_settings_t, locale, 232);
CEF_CHECK_OFFSET(cef_settings_t, log_file, 256);
CEF_CHECK_OFFSET(cef_settings_t, log_severity, 280);
CEF_CHECK_OFFSET(cef_settings_t, javascript_flags, 288);
CEF_CHECK_OFFSET(cef_settings_t, resources_dir_path, 312);
CEF_CHECK_OFFSET(cef_settings_t, locales_dir_path, 336);
CEF_CHECK_OFFSET(cef_settings_t, pack_loading_disabled, 360);
CEF_CHECK_OFFSET(cef_settings_t, remote_debugging_port, 364);
CEF_CHECK_OFFSET(cef_settings_t, uncaught_exception_stack_size, 368);
CEF_CHECK_OFFSET(cef_settings_t, ignore_certificate_errors, 372);
CEF_CHECK_OFFSET(cef_settings_t, enable_net_security_expiration, 376);
CEF_CHECK_OFFSET(cef_settings_t, background_color, 380);
CEF_CHECK_OFFSET(cef_settings_t, accept_language_list, 384);
CEF_CHECK_OFFSET(cef_settings_t, application_client_id_for_file_scanning, 408);
CEF_CHECK_SIZE(cef_request_context_settings_t, 72);
CEF_CHECK_OFFSET(cef_request_context_settings_t, size, 0);
CEF_CHECK_OFFSET(cef_request_context_settings_t, cache_path, 8);
CEF_CHECK_OFFSET(cef_request_context_settings_t, persist_session_cookies, 32);
CEF_CHECK_OFFSET(cef_request_context_settings_t, persist_user_preferences, 36);
CEF_CHECK_OFFSET(cef_request_context_settings_t, ignore_certificate_errors, 40);
CEF_CHECK_OFFSET(cef_request_context_settings_t, enable_net_security_expiration, 44);
CEF_CHECK_OFFSET(cef_request_context_settings_t, accept_language_list, 48);
CEF_CHECK_SIZE(cef_browser_settings_t, 296);
CEF_CHECK_OFFSET(cef_browser_settings_t, size, 0);
CEF_CHECK_OFFSET(cef_browser_settings_t, windowless_frame_rate, 8);
CEF_CHECK_OFFSET(cef_browser_settings_t, standard_font_family, 16);
CEF_CHECK_OFFSET(cef_browser_settings_t, fixed_font_family, 40);
CEF_CHECK_OFFSET(cef_browser_settings_t, serif_font_family, 64);
CEF_CHECK_OFFSET(cef_browser_settings_t, sans_serif_font_family, 88);
CEF_CHECK_OFFSET(cef_browser_settings_t, cursive_font_family, 112);
CEF_CHECK_OFFSET(cef_browser_settings_t, fantasy_font_family, 136);
CEF_CHECK_OFFSET(cef_browser_settings_t, default_font_size, 160);
CEF_CHECK_OFFSET(cef_browser_settings_t, default_fixed_font_size, 164);
CEF_CHECK_OFFSET(cef_browser_settings_t, minimum_font_size, 168);
CEF_CHECK_OFFSET(cef_browser_settings_t, minimum_logical_font_size, 172);
CEF_CHECK_OFFSET(cef_browser_settings_t, default_encoding, 176);
CEF_CHECK_OFFSET(cef_browser_settings_t, remote_fonts, 200);
CEF_CHECK_OFFSET(cef_browser_settings_t, javascript, 204);
CEF_CHECK_OFFSET(cef_browser_settings_t, javascript_close_windows, 208);
CEF_CHECK_OFFSET(cef_browser_settings_t, javascript_access_clipboard, 212);
CEF_CHECK_OFFSET(cef_browser_settings_t, javascript_dom_paste, 216);
CEF_CHECK_OFFSET(cef_browser_settings_t, plugins, 220);
CEF_CHECK_OFFSET(cef_browser_settings_t, universal_access_from_file_urls, 224);
CEF_CHECK_OFFSET(cef_browser_settings_t, file_access_from_file_urls, 228);
CEF_CHECK_OFFSET(cef_browser_settings_t, web_security, 232);
CEF_CHECK_OFFSET(cef_browser_settings_t, image_loading, 236);
CEF_CHECK_OFFSET(cef_browser_settings_t, image_shrink_standalone_to_fit, 240);
CEF_CHECK_OFFSET(cef_browser_settings_t, text_area_resize, 244);
CEF_CHECK_OFFSET(cef_browser_settings_t, tab_to_links, 248);
CEF_CHECK_OFFSET(cef_browser_settings_t, local_storage, 252);
CEF_CHECK_OFFSET(cef_browser_settings_t, databases, 256);
CEF_CHECK_OFFSET(cef_browser_settings_t, application_cache, 260);
CEF_CHECK_OFFSET(cef_browser_settings_t, webgl, 264);
CEF_CHECK_OFFSET(cef_browser_settings_t, background_color, 268);
CEF_CHECK_OFFSET(cef_browser_settings_t, accept_language_list, 272);
CEF_CHECK_SIZE(cef_urlparts_t, 216);
CEF_CHECK_OFFSET(cef_urlparts_t, spec, 0);
CEF_CHECK_OFFSET(cef_urlparts_t, scheme, 24);
CEF_CHECK_OFFSET(cef_urlparts_t, username, 48);
CEF_CHECK_OFFSET(cef_urlparts_t, password, 72);
CEF_CHECK_OFFSET(cef_urlparts_t, host, 96);
CEF_CHECK_OFFSET(cef_urlparts_t, port, 120);
CEF_CHECK_OFFSET(cef_urlparts_t, origin, 144);
CEF_CHECK_OFFSET(cef_urlparts_t, path, 168);
CEF_CHECK_OFFSET(cef_urlparts_t, query, 192);
CEF_CHECK_SIZE(cef_cookie_t, 208);
CEF_CHECK_OFFSET(cef_cookie_t, name, 0);
CEF_CHECK_OFFSET(cef_cookie_t, value, 24);
CEF_CHECK_OFFSET(cef_cookie_t, domain, 48);
CEF_CHECK_OFFSET(cef_cookie_t, path, 72);
CEF_CHECK_OFFSET(cef_cookie_t, secure, 96);
CEF_CHECK_OFFSET(cef_cookie_t, httponly, 100);
CEF_CHECK_OFFSET(cef_cookie_t, creation, 104);
CEF_CHECK_OFFSET(cef_cookie_t, last_access, 136);
CEF_CHECK_OFFSET(cef_cookie_t, has_expires, 168);
CEF_CHECK_OFFSET(cef_cookie_t, expires, 172);
CEF_CHECK_SIZE(cef_size_t, 8);
CEF_CHECK_OFFSET(cef_size_t, width, 0);
CEF_CHECK_OFFSET(cef_size_t, height, 4);
CEF_CHECK_SIZE(cef_insets_t, 16);
CEF_CHECK_OFFSET(cef_insets_t, top, 0);
CEF_CHECK_OFFSET(cef_insets_t, left, 4);
CEF_CHECK_OFFSET(cef_insets_t, bottom, 8);
CEF_CHECK_OFFSET(cef_insets_t, right, 12);
CEF_CHECK_SIZE(cef_draggable_region_t, 20);
CEF_CHECK_OFFSET(cef_draggable_region_t, bounds, 0);
CEF_CHECK_OFFSET(cef_draggable_region_t, draggable, 16);
CEF_CHECK_SIZE(cef_screen_info_t, 48);
CEF_CHECK_OFFSET(cef_screen_info_t, device_scale_factor, 0);
CEF_CHECK_OFFSET(cef_screen_info_t, depth, 4);
CEF_CHECK_OFFSET(cef_screen_info_t, depth_per_component, 8);
CEF_CHECK_OFFSET(cef_screen_info_t, is_monochrome, 12);
CEF_CHECK_OFFSET(cef_screen_info_t, rect, 16);
CEF_CHECK_OFFSET(cef_screen_info_t, available_rect, 32);
CEF_CHECK_SIZE(cef_mouse_event_t, 12);
CEF_CHECK_OFFSET(cef_mouse_event_t, x, 0);
CEF_CHECK_OFFSET(cef_mouse_event_t, y, 4);
CEF_CHECK_OFFSET(cef_mouse_event_t, modifiers, 8);
CEF_CHECK_SIZE(cef_touch_event_t, 40);
CEF_CHECK_OFFSET(cef_touch_event_t, id, 0);
CEF_CHECK_OFFSET(cef_touch_event_t, x, 4);
CEF_CHECK_OFFSET(cef_touch_event_t, y, 8);
CEF_CHECK_OFFSET(cef_touch_event_t, radius_x, 12);
CEF_CHECK_OFFSET(cef_touch_event_t, radius_y, 16);
CEF_CHECK_OFFSET(cef_touch_event_t, rotation_angle, 20);
CEF_CHECK_OFFSET(cef_touch_event_t, pressure, 24);
CEF_CHECK_OFFSET(cef_touch_event_t, type, 28);
CEF_CHECK_OFFSET(cef_touch_event_t, modifiers, 32);
CEF_CHECK_OFFSET(cef_touch_event_t, pointer_type, 36);
CEF_CHECK_SIZE(cef_key_event_t, 28);
CEF_CHECK_OFFSET(cef_key_event_t, type, 0);
CEF_CHECK_OFFSET(cef_key_event_t, modifiers, 4);
CEF_CHECK_OFFSET(cef_key_event_t, windows_key_code, 8);
CEF_CHECK_OFFSET(cef_key_event_t, native_key_code, 12);
CEF_CHECK_OFFSET(cef_key_event_t, is_system_key, 16);
CEF_CHECK_OFFSET(cef_key_event_t, character, 20);
CEF_CHECK_OFFSET(cef_key_event_t, unmodified_character, 22);
CEF_CHECK_OFFSET(cef_key_event_t, focus_on_editable_field, 24);
CEF_CHECK_SIZE(cef_popup_features_t, 48);
CEF_CHECK_OFFSET(cef_popup_features_t, x, 0);
CEF_CHECK_OFFSET(cef_popup_features_t, xSet, 4);
CEF_CHECK_OFFSET(cef_popup_features_t, y, 8);
CEF_CHECK_OFFSET(cef_popup_features_t, ySet, 12);
CEF_CHECK_OFFSET(cef_popup_features_t, width, 16);
CEF_CHECK_OFFSET(cef_popup_features_t, widthSet, 20);
CEF_CHECK_OFFSET(cef_popup_features_t, height, 24);
CEF_CHECK_OFFSET(cef_popup_features_t, heightSet, 28);
CEF_CHECK_OFFSET(cef_popup_features_t, menuBarVisible, 32);
CEF_CHECK_OFFSET(cef_popup_features_t, statusBarVisible, 36);
CEF_CHECK_OFFSET(cef_popup_features_t, toolBarVisible, 40);
CEF_CHECK_OFFSET(cef_popup_features_t, scrollbarsVisible, 44);
CEF_CHECK_SIZE(cef_cursor_info_t, 32);
CEF_CHECK_OFFSET(cef_cursor_info_t, hotspot, 0);
CEF_CHECK_OFFSET(cef_cursor_info_t, image_scale_factor, 8);
CEF_CHECK_OFFSET(cef_cursor_info_t, buffer, 16);
CEF_CHECK_OFFSET(cef_cursor_info_t, size, 24);
CEF_CHECK_SIZE(cef_pdf_print_settings_t, 120);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, header_footer_title, 0);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, header_footer_url, 24);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, page_width, 48);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, page_height, 52);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, scale_factor, 56);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, margin_top, 64);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, margin_right, 72);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, margin_bottom, 80);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, margin_left, 88);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, margin_type, 96);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, header_footer_enabled, 100);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, selection_only, 104);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, landscape, 108);
CEF_CHECK_OFFSET(cef_pdf_print_settings_t, backgrounds_enabled, 112);
CEF_CHECK_SIZE(cef_box_layout_settings_t, 48);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, horizontal, 0);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, inside_border_horizontal_spacing, 4);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, inside_border_vertical_spacing, 8);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, inside_border_insets, 12);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, between_child_spacing, 28);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, main_axis_alignment, 32);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, cross_axis_alignment, 36);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, minimum_cross_axis_size, 40);
CEF_CHECK_OFFSET(cef_box_layout_settings_t, default_flex, 44);
CEF_CHECK_SIZE(cef_composition_underline_t, 20);
CEF_CHECK_OFFSET(cef_composition_underline_t, range, 0);
CEF_CHECK_OFFSET(cef_composition_underline_t, color, 8);
CEF_CHECK_OFFSET(cef_composition_underline_t, background_color, 12);
CEF_CHECK_OFFSET(cef_composition_underline_t, thick, 16);
CEF_CHECK_SIZE(cef_main_args_t, 8);
CEF_CHECK_OFFSET(cef_main_args_t, instance, 0);
CEF_CHECK_SIZE(cef_window_info_t, 96);
CEF_CHECK_OFFSET(cef_window_info_t, ex_style, 0);
CEF_CHECK_OFFSET(cef_window_info_t, window_name, 8);
CEF_CHECK_OFFSET(cef_window_info_t, style, 32);
CEF_CHECK_OFFSET(cef_window_info_t, x, 36);
CEF_CHECK_OFFSET(cef_window_info_t, y, 40);
CEF_CHECK_OFFSET(cef_window_info_t, width, 44);
CEF_CHECK_OFFSET(cef_window_info_t, height, 48);
CEF_CHECK_OFFSET(cef_window_info_t, parent_window, 56);
CEF_CHECK_OFFSET(cef_window_info_t, menu, 64);
CEF_CHECK_OFFSET(cef_window_info_t, windowless_rendering_enabled, 72);
CEF_CHECK_OFFSET(cef_window_info_t, shared_texture_enabled, 76);
CEF_CHECK_OFFSET(cef_window_info_t, external_begin_frame_enabled, 80);
CEF_CHECK_OFFSET(cef_window_info_t, window, 88);
CEF_CHECK_SIZE(cef_accessibility_handler_t, 56);
CEF_CHECK_OFFSET(cef_accessibility_handler_t, on_accessibility_location_change, 48);
CEF_CHECK_SIZE(cef_app_t, 80);
CEF_CHECK_OFFSET(cef_app_t, get_render_process_handler, 72);
CEF_CHECK_SIZE(cef_auth_callback_t, 56);
CEF_CHECK_OFFSET(cef_auth_callback_t, cancel, 48);
CEF_CHECK_SIZE(cef_browser_t, 200);
CEF_CHECK_OFFSET(cef_browser_t, get_frame_names, 192);
CEF_CHECK_SIZE(cef_run_file_dialog_callback_t, 48);
CEF_CHECK_OFFSET(cef_run_file_dialog_callback_t, on_file_dialog_dismissed, 40);
CEF_CHECK_SIZE(cef_navigation_entry_visitor_t, 48);
CEF_CHECK_OFFSET(cef_navigation_entry_visitor_t, visit, 40);
CEF_CHECK_SIZE(cef_pdf_print_callback_t, 48);
CEF_CHECK_OFFSET(cef_pdf_print_callback_t, on_pdf_print_finished, 40);
CEF_CHECK_SIZE(cef_download_image_callback_t, 48);
CEF_CHECK_OFFSET(cef_download_image_callback_t, on_download_image_finished, 40);
CEF_CHECK_SIZE(cef_browser_host_t, 512);
CEF_CHECK_OFFSET(cef_browser_host_t, is_audio_muted, 504);
CEF_CHECK_SIZE(cef_browser_process_handler_t, 80);
CEF_CHECK_OFFSET(cef_browser_process_handler_t, on_schedule_message_pump_work, 72);
CEF_CHECK_SIZE(cef_callback_t, 56);
CEF_CHECK_OFFSET(cef_callback_t, cancel, 48);
CEF_CHECK_SIZE(cef_completion_callback_t, 48);
CEF_CHECK_OFFSET(cef_completion_callback_t, on_complete, 40);
CEF_CHECK_SIZE(cef_client_t, 152);
CEF_CHECK_OFFSET(cef_client_t, on_process_message_received, 144);
CEF_CHECK_SIZE(cef_command_line_t, 200);
CEF_CHECK_OFFSET(cef_command_line_t, prepend_wrapper, 192);
CEF_CHECK_SIZE(cef_run_context_menu_callback_t, 56);
CEF_CHECK_OFFSET(cef_run_context_menu_callback_t, cancel, 48);
CEF_CHECK_SIZE(cef_context_menu_handler_t, 72);
CEF_CHECK_OFFSET(cef_context_menu_handler_t, on_context_menu_dismissed, 64);
CEF_CHECK_SIZE(cef_context_menu_params_t, 208);
CEF_CHECK_OFFSET(cef_context_menu_params_t, is_pepper_menu, 200);
CEF_CHECK_SIZE(cef_cookie_manager_t, 88);
CEF_CHECK_OFFSET(cef_cookie_manager_t, flush_store, 80);
CEF_CHECK_SIZE(cef_cookie_visitor_t, 48);
CEF_CHECK_OFFSET(cef_cookie_visitor_t, visit, 40);
CEF_CHECK_SIZE(cef_set_cookie_callback_t, 48);
CEF_CHECK_OFFSET(cef_set_cookie_callback_t, on_complete, 40);
CEF_CHECK_SIZE(cef_delete_cookies_callback_t, 48);
CEF_CHECK_OFFSET(cef_delete_cookies_callback_t, on_complete, 40);
CEF_CHECK_SIZE(cef_file_dialog_callback_t, 56);
CEF_CHECK_OFFSET(cef_file_dialog_callback_t, cancel, 48);
CEF_CHECK_SIZE(cef_dialog_handler_t, 48);
CEF_CHECK_OFFSET(cef_dialog_handler_t, on_file_dialog, 40);
CEF_CHECK_SIZE(cef_display_handler_t, 112);
CEF_CHECK_OFFSET(cef_display_handler_t, on_loading_progress_change, 104);
CEF_CHECK_SIZE(cef_domvisitor_t, 48);
CEF_CHECK_OFFSET(cef_domvisitor_t, visit, 40);
CEF_CHECK_SIZE(cef_domdocument_t, 152);
CEF_CHECK_OFFSET(cef_domdocument_t, get_complete_url, 144);
CEF_CHECK_SIZE(cef_domnode_t, 248);
CEF_CHECK_OFFSET(cef_domnode_t, get_element_bounds, 240);
CEF_CHECK_SIZE(cef_before_download_callback_t, 48);
CEF_CHECK_OFFSET(cef_before_download_callback_t, cont, 40);
CEF_CHECK_SIZE(cef_download_item_callback_t, 64);
CEF_CHECK_OFFSET(cef_download_item_callback_t, resume, 56);
CEF_CHECK_SIZE(cef_download_handler_t, 56);
CEF_CHECK_OFFSET(cef_download_handler_t, on_download_updated, 48);
CEF_CHECK_SIZE(cef_download_item_t, 176);
CEF_CHECK_OFFSET(cef_download_item_t, get_mime_type, 168);
CEF_CHECK_SIZE(cef_drag_data_t, 240);
CEF_CHECK_OFFSET(cef_drag_data_t, has_image, 232);
CEF_CHECK_SIZE(cef_drag_handler_t, 56);
CEF_CHECK_OFFSET(cef_drag_handler_t, on_draggable_regions_changed, 48);
CEF_CHECK_SIZE(cef_extension_t, 104);
CEF_CHECK_OFFSET(cef_extension_t, unload, 96);
CEF_CHECK_SIZE(cef_get_extension_resource_callback_t, 56);
CEF_CHECK_OFFSET(cef_get_extension_resource_callback_t, cancel, 48);
CEF_CHECK_SIZE(cef_extension_handler_t, 104);
CEF_CHECK_OFFSET(cef_extension_handler_t, get_extension_resource, 96);
CEF_CHECK_SIZE(cef_find_handler_t, 48);
CEF_CHECK_OFFSET(cef_find_handler_t, on_find_result, 40);
CEF_CHECK_SIZE(cef_focus_handler_t, 64);
CEF_CHECK_OFFSET(cef_focus_handler_t, on_got_focus, 56);
CEF_CHECK_SIZE(cef_frame_t, 248);
CEF_CHECK_OFFSET(cef_frame_t, send_process_message, 240);
CEF_CHECK_SIZE(cef_image_t, 144);
CEF_CHECK_OFFSET(cef_image_t, get_as_jpeg, 136);
CEF_CHECK_SIZE(cef_jsdialog_callback_t, 48);
CEF_CHECK_OFFSET(cef_jsdialog_callback_t, cont, 40);
CEF_CHECK_SIZE(cef_jsdialog_handler_t, 72);
CEF_CHECK_OFFSET(cef_jsdialog_handler_t, on_dialog_closed, 64);
CEF_CHECK_SIZE(cef_keyboard_handler_t, 56);
CEF_CHECK_OFFSET(cef_keyboard_handler_t, on_key_event, 48);
CEF_CHECK_SIZE(cef_life_span_handler_t, 72);
CEF_CHECK_OFFSET(cef_life_span_handler_t, on_before_close, 64);
CEF_CHECK_SIZE(cef_load_handler_t, 72);
CEF_CHECK_OFFSET(cef_load_handler_t, on_load_error, 64);
CEF_CHECK_SIZE(cef_menu_model_t, 488);
CEF_CHECK_OFFSET(cef_menu_model_t, set_font_list_at, 480);
CEF_CHECK_SIZE(cef_menu_model_delegate_t, 96);
CEF_CHECK_OFFSET(cef_menu_model_delegate_t, format_label, 88);
CEF_CHECK_SIZE(cef_navigation_entry_t, 120);
CEF_CHECK_OFFSET(cef_navigation_entry_t, get_sslstatus, 112);
CEF_CHECK_SIZE(cef_print_dialog_callback_t, 56);
CEF_CHECK_OFFSET(cef_print_dialog_callback_t, cancel, 48);
CEF_CHECK_SIZE(cef_print_job_callback_t, 48);
CEF_CHECK_OFFSET(cef_print_job_callback_t, cont, 40);
CEF_CHECK_SIZE(cef_print_handler_t, 88);
CEF_CHECK_OFFSET(cef_print_handler_t, get_pdf_paper_size, 80);
CEF_CHECK_SIZE(cef_print_settings_t, 224);
CEF_CHECK_OFFSET(cef_print_settings_t, get_duplex_mode, 216);
CEF_CHECK_SIZE(cef_process_message_t, 80);
CEF_CHECK_OFFSET(cef_process_message_t, get_argument_list, 72);
CEF_CHECK_SIZE(cef_render_handler_t, 168);
CEF_CHECK_OFFSET(cef_render_handler_t, on_virtual_keyboard_requested, 160);
CEF_CHECK_SIZE(cef_render_process_handler_t, 120);
CEF_CHECK_OFFSET(cef_render_process_handler_t, on_process_message_received, 112);
CEF_CHECK_SIZE(cef_request_callback_t, 56);
CEF_CHECK_OFFSET(cef_request_callback_t, cancel, 48);
CEF_CHECK_SIZE(cef_request_t, 216);
CEF_CHECK_OFFSET(cef_request_t, get_identifier, 208);
CEF_CHECK_SIZE(cef_post_data_t, 96);
CEF_CHECK_OFFSET(cef_post_data_t, remove_elements, 88);
CEF_CHECK_SIZE(cef_post_data_element_t, 104);
CEF_CHECK_OFFSET(cef_post_data_element_t, get_bytes, 96);
CEF_CHECK_SIZE(cef_resolve_callback_t, 48);
CEF_CHECK_OFFSET(cef_resolve_callback_t, on_resolve_completed, 40);
CEF_CHECK_SIZE(cef_request_context_t, 224);
CEF_CHECK_OFFSET(cef_request_context_t, get_extension, 216);
CEF_CHECK_SIZE(cef_request_context_handler_t, 64);
CEF_CHECK_OFFSET(cef_request_context_handler_t, get_resource_request_handler, 56);
CEF_CHECK_SIZE(cef_select_client_certificate_callback_t, 48);
CEF_CHECK_OFFSET(cef_select_client_certificate_callback_t, select, 40);
CEF_CHECK_SIZE(cef_request_handler_t, 120);
CEF_CHECK_OFFSET(cef_request_handler_t, on_render_process_terminated, 112);
CEF_CHECK_SIZE(cef_resource_bundle_t, 64);
CEF_CHECK_OFFSET(cef_resource_bundle_t, get_data_resource_for_scale, 56);
CEF_CHECK_SIZE(cef_resource_bundle_handler_t, 64);
CEF_CHECK_OFFSET(cef_resource_bundle_handler_t, get_data_resource_for_scale, 56);
CEF_CHECK_SIZE(cef_resource_skip_callback_t, 48);
CEF_CHECK_OFFSET(cef_resource_skip_callback_t, cont, 40);
CEF_CHECK_SIZE(cef_resource_read_callback_t, 48);
CEF_CHECK_OFFSET(cef_resource_read_callback_t, cont, 40);
CEF_CHECK_SIZE(cef_resource_handler_t, 96);
CEF_CHECK_OFFSET(cef_resource_handler_t, cancel, 88);
CEF_CHECK_SIZE(cef_resource_request_handler_t, 104);
CEF_CHECK_OFFSET(cef_resource_request_handler_t, on_protocol_execution, 96);
CEF_CHECK_SIZE(cef_cookie_access_filter_t, 56);
CEF_CHECK_OFFSET(cef_cookie_access_filter_t, can_save_cookie, 48);
CEF_CHECK_SIZE(cef_response_t, 168);
CEF_CHECK_OFFSET(cef_response_t, set_url, 160);
CEF_CHECK_SIZE(cef_response_filter_t, 56);
CEF_CHECK_OFFSET(cef_response_filter_t, filter, 48);
CEF_CHECK_SIZE(cef_scheme_registrar_t, 24);
CEF_CHECK_OFFSET(cef_scheme_registrar_t, add_custom_scheme, 16);
CEF_CHECK_SIZE(cef_scheme_handler_factory_t, 48);
CEF_CHECK_OFFSET(cef_scheme_handler_factory_t, create, 40);
CEF_CHECK_SIZE(cef_server_t, 144);
CEF_CHECK_OFFSET(cef_server_t, send_web_socket_message, 136);
CEF_CHECK_SIZE(cef_server_handler_t, 104);
CEF_CHECK_OFFSET(cef_server_handler_t, on_web_socket_message, 96);
CEF_CHECK_SIZE(cef_sslinfo_t, 56);
CEF_CHECK_OFFSET(cef_sslinfo_t, get_x509certificate, 48);
CEF_CHECK_SIZE(cef_sslstatus_t, 80);
CEF_CHECK_OFFSET(cef_sslstatus_t, get_x509certificate, 72);
CEF_CHECK_SIZE(cef_read_handler_t, 80);
CEF_CHECK_OFFSET(cef_read_handler_t, may_block, 72);
CEF_CHECK_SIZE(cef_stream_reader_t, 80);
CEF_CHECK_OFFSET(cef_stream_reader_t, may_block, 72);
CEF_CHECK_SIZE(cef_write_handler_t, 80);
CEF_CHECK_OFFSET(cef_write_handler_t, may_block, 72);
CEF_CHECK_SIZE(cef_stream_writer_t, 80);
CEF_CHECK_OFFSET(cef_stream_writer_t, may_block, 72);
CEF_CHECK_SIZE(cef_string_visitor_t, 48);
CEF_CHECK_OFFSET(cef_string_visitor_t, visit, 40);
CEF_CHECK_SIZE(cef_task_t, 48);
CEF_CHECK_OFFSET(cef_task_t, execute, 40);
CEF_CHECK_SIZE(cef_task_runner_t, 80);
CEF_CHECK_OFFSET(cef_task_runner_t, post_delayed_task, 72);
CEF_CHECK_SIZE(cef_thread_t, 72);
CEF_CHECK_OFFSET(cef_thread_t, is_running, 64);
CEF_CHECK_SIZE(cef_end_tracing_callback_t, 48);
CEF_CHECK_OFFSET(cef_end_tracing_callback_t, on_end_tracing_complete, 40);
CEF_CHECK_SIZE(cef_urlrequest_t, 96);
CEF_CHECK_OFFSET(cef_urlrequest_t, cancel, 88);
CEF_CHECK_SIZE(cef_urlrequest_client_t, 80);
CEF_CHECK_OFFSET(cef_urlrequest_client_t, get_auth_credentials, 72);
CEF_CHECK_SIZE(cef_v8context_t, 112);
CEF_CHECK_OFFSET(cef_v8context_t, eval, 104);
CEF_CHECK_SIZE(cef_v8handler_t, 48);
CEF_CHECK_OFFSET(cef_v8handler_t, execute, 40);
CEF_CHECK_SIZE(cef_v8accessor_t, 56);
CEF_CHECK_OFFSET(cef_v8accessor_t, set, 48);
CEF_CHECK_SIZE(cef_v8interceptor_t, 72);
CEF_CHECK_OFFSET(cef_v8interceptor_t, set_byindex, 64);
CEF_CHECK_SIZE(cef_v8exception_t, 104);
CEF_CHECK_OFFSET(cef_v8exception_t, get_end_column, 96);
CEF_CHECK_SIZE(cef_v8array_buffer_release_callback_t, 48);
CEF_CHECK_OFFSET(cef_v8array_buffer_release_callback_t, release_buffer, 40);
CEF_CHECK_SIZE(cef_v8value_t, 416);
CEF_CHECK_OFFSET(cef_v8value_t, execute_function_with_context, 408);
CEF_CHECK_SIZE(cef_v8stack_trace_t, 64);
CEF_CHECK_OFFSET(cef_v8stack_trace_t, get_frame, 56);
CEF_CHECK_SIZE(cef_v8stack_frame_t, 104);
CEF_CHECK_OFFSET(cef_v8stack_frame_t, is_constructor, 96);
CEF_CHECK_SIZE(cef_value_t, 216);
CEF_CHECK_OFFSET(cef_value_t, set_list, 208);
CEF_CHECK_SIZE(cef_binary_value_t, 96);
CEF_CHECK_OFFSET(cef_binary_value_t, get_data, 88);
CEF_CHECK_SIZE(cef_dictionary_value_t, 272);
CEF_CHECK_OFFSET(cef_dictionary_value_t, set_list, 264);
CEF_CHECK_SIZE(cef_list_value_t, 264);
CEF_CHECK_OFFSET(cef_list_value_t, set_list, 256);
CEF_CHECK_SIZE(cef_waitable_event_t, 80);
CEF_CHECK_OFFSET(cef_waitable_event_t, timed_wait, 72);
CEF_CHECK_SIZE(cef_web_plugin_info_t, 72);
CEF_CHECK_OFFSET(cef_web_plugin_info_t, get_description, 64);
CEF_CHECK_SIZE(cef_web_plugin_info_visitor_t, 48);
CEF_CHECK_OFFSET(cef_web_plugin_info_visitor_t, visit, 40);
CEF_CHECK_SIZE(cef_web_plugin_unstable_callback_t, 48);
CEF_CHECK_OFFSET(cef_web_plugin_unstable_callback_t, is_unstable, 40);
CEF_CHECK_SIZE(cef_register_cdm_callback_t, 48);
CEF_CHECK_OFFSET(cef_register_cdm_callback_t, on_cdm_registration_complete, 40);
CEF_CHECK_SIZE(cef_x509cert_principal_t, 112);
CEF_CHECK_OFFSET(cef_x509cert_principal_t, get_domain_components, 104);
CEF_CHECK_SIZE(cef_x509certificate_t, 120);
CEF_CHECK_OFFSET(cef_x509certificate_t, get_pemencoded_issuer_chain, 112);
CEF_CHECK_SIZE(cef_xml_reader_t, 272);
CEF_CHECK_OFFSET(cef_xml_reader_t, move_to_carrying_element, 264);
CEF_CHECK_SIZE(cef_zip_reader_t, 136);
CEF_CHECK_OFFSET(cef_zip_reader_t, eof, 128);
CEF_CHECK_SIZE(cef_box_layout_t, 80);
CEF_CHECK_OFFSET(cef_box_layout_t, base, 0);
CEF_CHECK_OFFSET(cef_box_layout_t, set_flex_for_view, 64);
CEF_CHECK_OFFSET(cef_box_layout_t, clear_flex_for_view, 72);
CEF_CHECK_SIZE(cef_browser_view_t, 440);
CEF_CHECK_OFFSET(cef_browser_view_t, base, 0);
CEF_CHECK_OFFSET(cef_browser_view_t, get_browser, 424);
CEF_CHECK_OFFSET(cef_browser_view_t, set_prefer_accelerators, 432);
CEF_CHECK_SIZE(cef_browser_view_delegate_t, 136);
CEF_CHECK_OFFSET(cef_browser_view_delegate_t, base, 0);
CEF_CHECK_OFFSET(cef_browser_view_delegate_t, on_browser_created, 104);
CEF_CHECK_OFFSET(cef_browser_view_delegate_t, on_browser_destroyed, 112);
CEF_CHECK_OFFSET(cef_browser_view_delegate_t, get_delegate_for_popup_browser_view, 120);
CEF_CHECK_OFFSET(cef_browser_view_delegate_t, on_popup_browser_view_created, 128);
CEF_CHECK_SIZE(cef_display_t, 96);
CEF_CHECK_OFFSET(cef_display_t, get_rotation, 88);
CEF_CHECK_SIZE(cef_fill_layout_t, 64);
CEF_CHECK_OFFSET(cef_fill_layout_t, base, 0);
CEF_CHECK_SIZE(cef_menu_button_t, 576);
CEF_CHECK_OFFSET(cef_menu_button_t, base, 0);
CEF_CHECK_OFFSET(cef_menu_button_t, show_menu, 560);
CEF_CHECK_OFFSET(cef_menu_button_t, trigger_menu, 568);
CEF_CHECK_SIZE(cef_menu_button_pressed_lock_t, 40);
CEF_CHECK_OFFSET(cef_menu_button_pressed_lock_t, base, 0);
CEF_CHECK_SIZE(cef_menu_button_delegate_t, 128);
CEF_CHECK_OFFSET(cef_menu_button_delegate_t, base, 0);
CEF_CHECK_OFFSET(cef_menu_button_delegate_t, on_menu_button_pressed, 120);
CEF_CHECK_SIZE(cef_scroll_view_t, 480);
CEF_CHECK_OFFSET(cef_scroll_view_t, base, 0);
CEF_CHECK_OFFSET(cef_scroll_view_t, set_content_view, 424);
CEF_CHECK_OFFSET(cef_scroll_view_t, get_content_view, 432);
CEF_CHECK_OFFSET(cef_scroll_view_t, get_visible_content_rect, 440);
CEF_CHECK_OFFSET(cef_scroll_view_t, has_horizontal_scrollbar, 448);
CEF_CHECK_OFFSET(cef_scroll_view_t, get_horizontal_scrollbar_height, 456);
CEF_CHECK_OFFSET(cef_scroll_view_t, has_vertical_scrollbar, 464);
CEF_CHECK_OFFSET(cef_scroll_view_t, get_vertical_scrollbar_width, 472);
CEF_CHECK_SIZE(cef_textfield_t, 672);
CEF_CHECK_OFFSET(cef_textfield_t, base, 0);
CEF_CHECK_OFFSET(cef_textfield_t, set_password_input, 424);
CEF_CHECK_OFFSET(cef_textfield_t, is_password_input, 432);
CEF_CHECK_OFFSET(cef_textfield_t, set_read_only, 440);
CEF_CHECK_OFFSET(cef_textfield_t, is_read_only, 448);
CEF_CHECK_OFFSET(cef_textfield_t, get_text, 456);
CEF_CHECK_OFFSET(cef_textfield_t, set_text, 464);
CEF_CHECK_OFFSET(cef_textfield_t, append_text, 472);
CEF_CHECK_OFFSET(cef_textfield_t, insert_or_replace_text, 480);
CEF_CHECK_OFFSET(cef_textfield_t, has_selection, 488);
CEF_CHECK_OFFSET(cef_textfield_t, get_selected_text, 496);
CEF_CHECK_OFFSET(cef_textfield_t, select_all, 504);
CEF_CHECK_OFFSET(cef_textfield_t, clear_selection, 512);
CEF_CHECK_OFFSET(cef_textfield_t, get_selected_range, 520);
CEF_CHECK_OFFSET(cef_textfield_t, select_range, 528);
CEF_CHECK_OFFSET(cef_textfield_t, get_cursor_position, 536);
CEF_CHECK_OFFSET(cef_textfield_t, set_text_color, 544);
CEF_CHECK_OFFSET(cef_textfield_t, get_text_color, 552);
CEF_CHECK_OFFSET(cef_textfield_t, set_selection_text_color, 560);
CEF_CHECK_OFFSET(cef_textfield_t, get_selection_text_color, 568);
CEF_CHECK_OFFSET(cef_textfield_t, set_selection_background_color, 576);
CEF_CHECK_OFFSET(cef_textfield_t, get_selection_background_color, 584);
CEF_CHECK_OFFSET(cef_textfield_t, set_font_list, 592);
CEF_CHECK_OFFSET(cef_textfield_t, apply_text_color, 600);
CEF_CHECK_OFFSET(cef_textfield_t, apply_text_style, 608);
CEF_CHECK_OFFSET(cef_textfield_t, is_command_enabled, 616);
CEF_CHECK_OFFSET(cef_textfield_t, execute_command, 624);
CEF_CHECK_OFFSET(cef_textfield_t, clear_edit_history, 632);
CEF_CHECK_OFFSET(cef_textfield_t, set_placeholder_text, 640);
CEF_CHECK_OFFSET(cef_textfield_t, get_placeholder_text, 648);
CEF_CHECK_OFFSET(cef_textfield_t, set_placeholder_text_color, 656);
CEF_CHECK_OFFSET(cef_textfield_t, set_accessible_name, 664);
CEF_CHECK_SIZE(cef_textfield_delegate_t, 120);
CEF_CHECK_OFFSET(cef_textfield_delegate_t, base, 0);
CEF_CHECK_OFFSET(cef_textfield_delegate_t, on_key_event, 104);
CEF_CHECK_OFFSET(cef_textfield_delegate_t, on_after_user_action, 112);
CEF_CHECK_SIZE(cef_window_t, 808);
CEF_CHECK_OFFSET(cef_window_t, base, 0);
CEF_CHECK_OFFSET(cef_window_t, show, 520);
CEF_CHECK_OFFSET(cef_window_t, hide, 528);
CEF_CHECK_OFFSET(cef_window_t, center_window, 536);
CEF_CHECK_OFFSET(cef_window_t, close, 544);
CEF_CHECK_OFFSET(cef_window_t, is_closed, 552);
CEF_CHECK_OFFSET(cef_window_t, activate, 560);
CEF_CHECK_OFFSET(cef_window_t, deactivate, 568);
CEF_CHECK_OFFSET(cef_window_t, is_active, 576);
CEF_CHECK_OFFSET(cef_window_t, bring_to_top, 584);
CEF_CHECK_OFFSET(cef_window_t, set_always_on_top, 592);
CEF_CHECK_OFFSET(cef_window_t, is_always_on_top, 600);
CEF_CHECK_OFFSET(cef_window_t, maximize, 608);
CEF_CHECK_OFFSET(cef_window_t, minimize, 616);
CEF_CHECK_OFFSET(cef_window_t, restore, 624);
CEF_CHECK_OFFSET(cef_window_t, set_fullscreen, 632);
CEF_CHECK_OFFSET(cef_window_t, is_maximized, 640);
CEF_CHECK_OFFSET(cef_window_t, is_minimized, 648);
CEF_CHECK_OFFSET(cef_window_t, is_fullscreen, 656);
CEF_CHECK_OFFSET(cef_window_t, set_title, 664);
CEF_CHECK_OFFSET(cef_window_t, get_title, 672);
CEF_CHECK_OFFSET(cef_window_t, set_window_icon, 680);
CEF_CHECK_OFFSET(cef_window_t, get_window_icon, 688);
CEF_CHECK_OFFSET(cef_window_t, set_window_app_icon, 696);
CEF_CHECK_OFFSET(cef_window_t, get_window_app_icon, 704);
CEF_CHECK_OFFSET(cef_window_t, show_menu, 712);
CEF_CHECK_OFFSET(cef_window_t, cancel_menu, 720);
CEF_CHECK_OFFSET(cef_window_t, get_display, 728);
CEF_CHECK_OFFSET(cef_window_t, get_client_area_bounds_in_screen, 736);
CEF_CHECK_OFFSET(cef_window_t, set_draggable_regions, 744);
CEF_CHECK_OFFSET(cef_window_t, get_window_handle, 752);
CEF_CHECK_OFFSET(cef_window_t, send_key_press, 760);
CEF_CHECK_OFFSET(cef_window_t, send_mouse_move, 768);
CEF_CHECK_OFFSET(cef_window_t, send_mouse_events, 776);
CEF_CHECK_OFFSET(cef_window_t, set_accelerator, 784);
CEF_CHECK_OFFSET(cef_window_t, remove_accelerator, 792);
CEF_CHECK_OFFSET(cef_window_t, remove_all_accelerators, 800);
CEF_CHECK_SIZE(cef_window_delegate_t, 184);
CEF_CHECK_OFFSET(cef_window_delegate_t, base, 0);
CEF_CHECK_OFFSET(cef_window_delegate_t, on_window_created, 104);
CEF_CHECK_OFFSET(cef_window_delegate_t, on_window_destroyed, 112);
CEF_CHECK_OFFSET(cef_window_delegate_t, get_parent_window, 120);
CEF_CHECK_OFFSET(cef_window_delegate_t, is_frameless, 128);
CEF_CHECK_OFFSET(cef_window_delegate_t, can_resize, 136);
CEF_CHECK_OFFSET(cef_window_delegate_t, can_maximize, 144);
CEF_CHECK_OFFSET(cef_window_delegate_t, can_minimize, 152);
CEF_CHECK_OFFSET(cef_window_delegate_t, can_close, 160);
CEF_CHECK_OFFSET(cef_window_delegate_t, on_accelerator, 168);
CEF_CHECK_OFFSET(cef_window_delegate_t, on_key_event, 176);

#undef CEF_CHECK_OFFSET
#undef CEF_CHECK_SIZE

#endif  // OSTREL_ENGINE_CAPI_CEF_STRUCTS_H_
