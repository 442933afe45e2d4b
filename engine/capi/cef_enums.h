#ifndef OSTREL_ENGINE_CAPI_CEF_ENUMS_H_
#define OSTREL_ENGINE_CAPI_CEF_ENUMS_H_

// Generated once from the engine's published C interface (runtime 77.1.18, Windows x64)
// and maintained by hand since. Offsets and sizes are checked below: a mismatch would make the
// real runtime call the wrong function pointer.

#include "engine/capi/cef_base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum {
  LOGSEVERITY_DEFAULT = 0,
  LOGSEVERITY_VERBOSE = 1,
  LOGSEVERITY_DEBUG = 1,
  LOGSEVERITY_INFO = 2,
  LOGSEVERITY_WARNING = 3,
  LOGSEVERITY_ERROR = 4,
  LOGSEVERITY_FATAL = 5,
  LOGSEVERITY_DISABLE = 99,
} cef_log_severity_t;

typedef enum {
  STATE_DEFAULT = 0,
  STATE_ENABLED = 1,
  STATE_DISABLED = 2,
} cef_state_t;

typedef enum {
  RV_CANCEL = 0,
  RV_CONTINUE = 1,
  RV_CONTINUE_ASYNC = 2,
} cef_return_value_t;

typedef enum {
  TS_ABNORMAL_TERMINATION = 0,
  TS_PROCESS_WAS_KILLED = 1,
  TS_PROCESS_CRASHED = 2,
  TS_PROCESS_OOM = 3,
} cef_termination_status_t;

typedef enum {
  PK_DIR_CURRENT = 0,
  PK_DIR_EXE = 1,
  PK_DIR_MODULE = 2,
  PK_DIR_TEMP = 3,
  PK_FILE_EXE = 4,
  PK_FILE_MODULE = 5,
  PK_LOCAL_APP_DATA = 6,
  PK_USER_DATA = 7,
  PK_DIR_RESOURCES = 8,
} cef_path_key_t;

typedef enum {
  ST_LOCALSTORAGE = 0,
  ST_SESSIONSTORAGE = 1,
} cef_storage_type_t;

typedef enum {
  CERT_STATUS_NONE = 0,
  CERT_STATUS_COMMON_NAME_INVALID = 1,
  CERT_STATUS_DATE_INVALID = 2,
  CERT_STATUS_AUTHORITY_INVALID = 4,
  CERT_STATUS_NO_REVOCATION_MECHANISM = 16,
  CERT_STATUS_UNABLE_TO_CHECK_REVOCATION = 32,
  CERT_STATUS_REVOKED = 64,
  CERT_STATUS_INVALID = 128,
  CERT_STATUS_WEAK_SIGNATURE_ALGORITHM = 256,
  CERT_STATUS_NON_UNIQUE_NAME = 1024,
  CERT_STATUS_WEAK_KEY = 2048,
  CERT_STATUS_PINNED_KEY_MISSING = 8192,
  CERT_STATUS_NAME_CONSTRAINT_VIOLATION = 16384,
  CERT_STATUS_VALIDITY_TOO_LONG = 32768,
  CERT_STATUS_IS_EV = 65536,
  CERT_STATUS_REV_CHECKING_ENABLED = 131072,
  CERT_STATUS_SHA1_SIGNATURE_PRESENT = 524288,
  CERT_STATUS_CT_COMPLIANCE_FAILED = 1048576,
} cef_cert_status_t;

typedef enum {
  WOD_UNKNOWN = 0,
  WOD_CURRENT_TAB = 1,
  WOD_SINGLETON_TAB = 2,
  WOD_NEW_FOREGROUND_TAB = 3,
  WOD_NEW_BACKGROUND_TAB = 4,
  WOD_NEW_POPUP = 5,
  WOD_NEW_WINDOW = 6,
  WOD_SAVE_TO_DISK = 7,
  WOD_OFF_THE_RECORD = 8,
  WOD_IGNORE_ACTION = 9,
} cef_window_open_disposition_t;

typedef enum {
  DRAG_OPERATION_NONE = 0,
  DRAG_OPERATION_COPY = 1,
  DRAG_OPERATION_LINK = 2,
  DRAG_OPERATION_GENERIC = 4,
  DRAG_OPERATION_PRIVATE = 8,
  DRAG_OPERATION_MOVE = 16,
  DRAG_OPERATION_DELETE = 32,
  DRAG_OPERATION_EVERY = 0xFFFFFFFFu,
} cef_drag_operations_mask_t;

typedef enum {
  CEF_TEXT_INPUT_MODE_DEFAULT = 0,
  CEF_TEXT_INPUT_MODE_NONE = 1,
  CEF_TEXT_INPUT_MODE_TEXT = 2,
  CEF_TEXT_INPUT_MODE_TEL = 3,
  CEF_TEXT_INPUT_MODE_URL = 4,
  CEF_TEXT_INPUT_MODE_EMAIL = 5,
  CEF_TEXT_INPUT_MODE_NUMERIC = 6,
  CEF_TEXT_INPUT_MODE_DECIMAL = 7,
  CEF_TEXT_INPUT_MODE_SEARCH = 8,
  CEF_TEXT_INPUT_MODE_MAX = 8,
} cef_text_input_mode_t;

typedef enum {
  V8_ACCESS_CONTROL_DEFAULT = 0,
  V8_ACCESS_CONTROL_ALL_CAN_READ = 1,
  V8_ACCESS_CONTROL_ALL_CAN_WRITE = 2,
  V8_ACCESS_CONTROL_PROHIBITS_OVERWRITING = 4,
} cef_v8_accesscontrol_t;

typedef enum {
  V8_PROPERTY_ATTRIBUTE_NONE = 0,
  V8_PROPERTY_ATTRIBUTE_READONLY = 1,
  V8_PROPERTY_ATTRIBUTE_DONTENUM = 2,
  V8_PROPERTY_ATTRIBUTE_DONTDELETE = 4,
} cef_v8_propertyattribute_t;

typedef enum {
  PDE_TYPE_EMPTY = 0,
  PDE_TYPE_BYTES = 1,
  PDE_TYPE_FILE = 2,
} cef_postdataelement_type_t;

typedef enum {
  RT_MAIN_FRAME = 0,
  RT_SUB_FRAME = 1,
  RT_STYLESHEET = 2,
  RT_SCRIPT = 3,
  RT_IMAGE = 4,
  RT_FONT_RESOURCE = 5,
  RT_SUB_RESOURCE = 6,
  RT_OBJECT = 7,
  RT_MEDIA = 8,
  RT_WORKER = 9,
  RT_SHARED_WORKER = 10,
  RT_PREFETCH = 11,
  RT_FAVICON = 12,
  RT_XHR = 13,
  RT_PING = 14,
  RT_SERVICE_WORKER = 15,
  RT_CSP_REPORT = 16,
  RT_PLUGIN_RESOURCE = 17,
} cef_resource_type_t;

typedef enum {
  TT_LINK = 0,
  TT_EXPLICIT = 1,
  TT_AUTO_SUBFRAME = 3,
  TT_MANUAL_SUBFRAME = 4,
  TT_FORM_SUBMIT = 7,
  TT_RELOAD = 8,
  TT_SOURCE_MASK = 255,
  TT_BLOCKED_FLAG = 8388608,
  TT_FORWARD_BACK_FLAG = 16777216,
  TT_CHAIN_START_FLAG = 268435456,
  TT_CHAIN_END_FLAG = 536870912,
  TT_CLIENT_REDIRECT_FLAG = 1073741824,
  TT_SERVER_REDIRECT_FLAG = 0x80000000u,
  TT_IS_REDIRECT_MASK = 0xC0000000u,
  TT_QUALIFIER_MASK = 0xFFFFFF00u,
} cef_transition_type_t;

typedef enum {
  UR_FLAG_NONE = 0,
  UR_FLAG_SKIP_CACHE = 1,
  UR_FLAG_ONLY_FROM_CACHE = 2,
  UR_FLAG_DISABLE_CACHE = 4,
  UR_FLAG_ALLOW_STORED_CREDENTIALS = 8,
  UR_FLAG_REPORT_UPLOAD_PROGRESS = 16,
  UR_FLAG_NO_DOWNLOAD_DATA = 32,
  UR_FLAG_NO_RETRY_ON_5XX = 64,
  UR_FLAG_STOP_ON_REDIRECT = 128,
} cef_urlrequest_flags_t;

typedef enum {
  UR_UNKNOWN = 0,
  UR_SUCCESS = 1,
  UR_IO_PENDING = 2,
  UR_CANCELED = 3,
  UR_FAILED = 4,
} cef_urlrequest_status_t;

typedef enum {
  PID_BROWSER = 0,
  PID_RENDERER = 1,
} cef_process_id_t;

typedef enum {
  TID_UI = 0,
  TID_FILE_BACKGROUND = 1,
  TID_FILE = 1,
  TID_FILE_USER_VISIBLE = 2,
  TID_FILE_USER_BLOCKING = 3,
  TID_PROCESS_LAUNCHER = 4,
  TID_IO = 5,
  TID_RENDERER = 6,
} cef_thread_id_t;

typedef enum {
  TP_BACKGROUND = 0,
  TP_NORMAL = 1,
  TP_DISPLAY = 2,
  TP_REALTIME_AUDIO = 3,
} cef_thread_priority_t;

typedef enum {
  ML_TYPE_DEFAULT = 0,
  ML_TYPE_UI = 1,
  ML_TYPE_IO = 2,
} cef_message_loop_type_t;

typedef enum {
  COM_INIT_MODE_NONE = 0,
  COM_INIT_MODE_STA = 1,
  COM_INIT_MODE_MTA = 2,
} cef_com_init_mode_t;

typedef enum {
  VTYPE_INVALID = 0,
  VTYPE_NULL = 1,
  VTYPE_BOOL = 2,
  VTYPE_INT = 3,
  VTYPE_DOUBLE = 4,
  VTYPE_STRING = 5,
  VTYPE_BINARY = 6,
  VTYPE_DICTIONARY = 7,
  VTYPE_LIST = 8,
} cef_value_type_t;

typedef enum {
  JSDIALOGTYPE_ALERT = 0,
  JSDIALOGTYPE_CONFIRM = 1,
  JSDIALOGTYPE_PROMPT = 2,
} cef_jsdialog_type_t;

typedef enum {
  MENU_ID_BACK = 100,
  MENU_ID_FORWARD = 101,
  MENU_ID_RELOAD = 102,
  MENU_ID_RELOAD_NOCACHE = 103,
  MENU_ID_STOPLOAD = 104,
  MENU_ID_UNDO = 110,
  MENU_ID_REDO = 111,
  MENU_ID_CUT = 112,
  MENU_ID_COPY = 113,
  MENU_ID_PASTE = 114,
  MENU_ID_DELETE = 115,
  MENU_ID_SELECT_ALL = 116,
  MENU_ID_FIND = 130,
  MENU_ID_PRINT = 131,
  MENU_ID_VIEW_SOURCE = 132,
  MENU_ID_SPELLCHECK_SUGGESTION_0 = 200,
  MENU_ID_SPELLCHECK_SUGGESTION_1 = 201,
  MENU_ID_SPELLCHECK_SUGGESTION_2 = 202,
  MENU_ID_SPELLCHECK_SUGGESTION_3 = 203,
  MENU_ID_SPELLCHECK_SUGGESTION_4 = 204,
  MENU_ID_SPELLCHECK_SUGGESTION_LAST = 204,
  MENU_ID_NO_SPELLING_SUGGESTIONS = 205,
  MENU_ID_ADD_TO_DICTIONARY = 206,
  MENU_ID_CUSTOM_FIRST = 220,
  MENU_ID_CUSTOM_LAST = 250,
  MENU_ID_USER_FIRST = 26500,
  MENU_ID_USER_LAST = 28500,
} cef_menu_id_t;

typedef enum {
  MBT_LEFT = 0,
  MBT_MIDDLE = 1,
  MBT_RIGHT = 2,
} cef_mouse_button_type_t;

typedef enum {
  CEF_TET_RELEASED = 0,
  CEF_TET_PRESSED = 1,
  CEF_TET_MOVED = 2,
  CEF_TET_CANCELLED = 3,
} cef_touch_event_type_t;

typedef enum {
  CEF_POINTER_TYPE_TOUCH = 0,
  CEF_POINTER_TYPE_MOUSE = 1,
  CEF_POINTER_TYPE_PEN = 2,
  CEF_POINTER_TYPE_ERASER = 3,
  CEF_POINTER_TYPE_UNKNOWN = 4,
} cef_pointer_type_t;

typedef enum {
  PET_VIEW = 0,
  PET_POPUP = 1,
} cef_paint_element_type_t;

typedef enum {
  EVENTFLAG_NONE = 0,
  EVENTFLAG_CAPS_LOCK_ON = 1,
  EVENTFLAG_SHIFT_DOWN = 2,
  EVENTFLAG_CONTROL_DOWN = 4,
  EVENTFLAG_ALT_DOWN = 8,
  EVENTFLAG_LEFT_MOUSE_BUTTON = 16,
  EVENTFLAG_MIDDLE_MOUSE_BUTTON = 32,
  EVENTFLAG_RIGHT_MOUSE_BUTTON = 64,
  EVENTFLAG_COMMAND_DOWN = 128,
  EVENTFLAG_NUM_LOCK_ON = 256,
  EVENTFLAG_IS_KEY_PAD = 512,
  EVENTFLAG_IS_LEFT = 1024,
  EVENTFLAG_IS_RIGHT = 2048,
} cef_event_flags_t;

typedef enum {
  MENUITEMTYPE_NONE = 0,
  MENUITEMTYPE_COMMAND = 1,
  MENUITEMTYPE_CHECK = 2,
  MENUITEMTYPE_RADIO = 3,
  MENUITEMTYPE_SEPARATOR = 4,
  MENUITEMTYPE_SUBMENU = 5,
} cef_menu_item_type_t;

typedef enum {
  CM_TYPEFLAG_NONE = 0,
  CM_TYPEFLAG_PAGE = 1,
  CM_TYPEFLAG_FRAME = 2,
  CM_TYPEFLAG_LINK = 4,
  CM_TYPEFLAG_MEDIA = 8,
  CM_TYPEFLAG_SELECTION = 16,
  CM_TYPEFLAG_EDITABLE = 32,
} cef_context_menu_type_flags_t;

typedef enum {
  CM_MEDIATYPE_NONE = 0,
  CM_MEDIATYPE_IMAGE = 1,
  CM_MEDIATYPE_VIDEO = 2,
  CM_MEDIATYPE_AUDIO = 3,
  CM_MEDIATYPE_FILE = 4,
  CM_MEDIATYPE_PLUGIN = 5,
} cef_context_menu_media_type_t;

typedef enum {
  CM_MEDIAFLAG_NONE = 0,
  CM_MEDIAFLAG_ERROR = 1,
  CM_MEDIAFLAG_PAUSED = 2,
  CM_MEDIAFLAG_MUTED = 4,
  CM_MEDIAFLAG_LOOP = 8,
  CM_MEDIAFLAG_CAN_SAVE = 16,
  CM_MEDIAFLAG_HAS_AUDIO = 32,
  CM_MEDIAFLAG_HAS_VIDEO = 64,
  CM_MEDIAFLAG_CONTROL_ROOT_ELEMENT = 128,
  CM_MEDIAFLAG_CAN_PRINT = 256,
  CM_MEDIAFLAG_CAN_ROTATE = 512,
} cef_context_menu_media_state_flags_t;

typedef enum {
  CM_EDITFLAG_NONE = 0,
  CM_EDITFLAG_CAN_UNDO = 1,
  CM_EDITFLAG_CAN_REDO = 2,
  CM_EDITFLAG_CAN_CUT = 4,
  CM_EDITFLAG_CAN_COPY = 8,
  CM_EDITFLAG_CAN_PASTE = 16,
  CM_EDITFLAG_CAN_DELETE = 32,
  CM_EDITFLAG_CAN_SELECT_ALL = 64,
  CM_EDITFLAG_CAN_TRANSLATE = 128,
} cef_context_menu_edit_state_flags_t;

typedef enum {
  KEYEVENT_RAWKEYDOWN = 0,
  KEYEVENT_KEYDOWN = 1,
  KEYEVENT_KEYUP = 2,
  KEYEVENT_CHAR = 3,
} cef_key_event_type_t;

typedef enum {
  FOCUS_SOURCE_NAVIGATION = 0,
  FOCUS_SOURCE_SYSTEM = 1,
} cef_focus_source_t;

typedef enum {
  NAVIGATION_LINK_CLICKED = 0,
  NAVIGATION_FORM_SUBMITTED = 1,
  NAVIGATION_BACK_FORWARD = 2,
  NAVIGATION_RELOAD = 3,
  NAVIGATION_FORM_RESUBMITTED = 4,
  NAVIGATION_OTHER = 5,
} cef_navigation_type_t;

typedef enum {
  XML_ENCODING_NONE = 0,
  XML_ENCODING_UTF8 = 1,
  XML_ENCODING_UTF16LE = 2,
  XML_ENCODING_UTF16BE = 3,
  XML_ENCODING_ASCII = 4,
} cef_xml_encoding_type_t;

typedef enum {
  XML_NODE_UNSUPPORTED = 0,
  XML_NODE_PROCESSING_INSTRUCTION = 1,
  XML_NODE_DOCUMENT_TYPE = 2,
  XML_NODE_ELEMENT_START = 3,
  XML_NODE_ELEMENT_END = 4,
  XML_NODE_ATTRIBUTE = 5,
  XML_NODE_TEXT = 6,
  XML_NODE_CDATA = 7,
  XML_NODE_ENTITY_REFERENCE = 8,
  XML_NODE_WHITESPACE = 9,
  XML_NODE_COMMENT = 10,
} cef_xml_node_type_t;

typedef enum {
  DOM_DOCUMENT_TYPE_UNKNOWN = 0,
  DOM_DOCUMENT_TYPE_HTML = 1,
  DOM_DOCUMENT_TYPE_XHTML = 2,
  DOM_DOCUMENT_TYPE_PLUGIN = 3,
} cef_dom_document_type_t;

typedef enum {
  DOM_EVENT_CATEGORY_UNKNOWN = 0,
  DOM_EVENT_CATEGORY_UI = 1,
  DOM_EVENT_CATEGORY_MOUSE = 2,
  DOM_EVENT_CATEGORY_MUTATION = 4,
  DOM_EVENT_CATEGORY_KEYBOARD = 8,
  DOM_EVENT_CATEGORY_TEXT = 16,
  DOM_EVENT_CATEGORY_COMPOSITION = 32,
  DOM_EVENT_CATEGORY_DRAG = 64,
  DOM_EVENT_CATEGORY_CLIPBOARD = 128,
  DOM_EVENT_CATEGORY_MESSAGE = 256,
  DOM_EVENT_CATEGORY_WHEEL = 512,
  DOM_EVENT_CATEGORY_BEFORE_TEXT_INSERTED = 1024,
  DOM_EVENT_CATEGORY_OVERFLOW = 2048,
  DOM_EVENT_CATEGORY_PAGE_TRANSITION = 4096,
  DOM_EVENT_CATEGORY_POPSTATE = 8192,
  DOM_EVENT_CATEGORY_PROGRESS = 16384,
  DOM_EVENT_CATEGORY_XMLHTTPREQUEST_PROGRESS = 32768,
} cef_dom_event_category_t;

typedef enum {
  DOM_EVENT_PHASE_UNKNOWN = 0,
  DOM_EVENT_PHASE_CAPTURING = 1,
  DOM_EVENT_PHASE_AT_TARGET = 2,
  DOM_EVENT_PHASE_BUBBLING = 3,
} cef_dom_event_phase_t;

typedef enum {
  DOM_NODE_TYPE_UNSUPPORTED = 0,
  DOM_NODE_TYPE_ELEMENT = 1,
  DOM_NODE_TYPE_ATTRIBUTE = 2,
  DOM_NODE_TYPE_TEXT = 3,
  DOM_NODE_TYPE_CDATA_SECTION = 4,
  DOM_NODE_TYPE_PROCESSING_INSTRUCTIONS = 5,
  DOM_NODE_TYPE_COMMENT = 6,
  DOM_NODE_TYPE_DOCUMENT = 7,
  DOM_NODE_TYPE_DOCUMENT_TYPE = 8,
  DOM_NODE_TYPE_DOCUMENT_FRAGMENT = 9,
} cef_dom_node_type_t;

typedef enum {
  FILE_DIALOG_OPEN = 0,
  FILE_DIALOG_OPEN_MULTIPLE = 1,
  FILE_DIALOG_OPEN_FOLDER = 2,
  FILE_DIALOG_SAVE = 3,
  FILE_DIALOG_TYPE_MASK = 255,
  FILE_DIALOG_OVERWRITEPROMPT_FLAG = 16777216,
  FILE_DIALOG_HIDEREADONLY_FLAG = 33554432,
} cef_file_dialog_mode_t;

typedef enum {
  COLOR_MODEL_UNKNOWN = 0,
  COLOR_MODEL_GRAY = 1,
  COLOR_MODEL_COLOR = 2,
  COLOR_MODEL_CMYK = 3,
  COLOR_MODEL_CMY = 4,
  COLOR_MODEL_KCMY = 5,
  COLOR_MODEL_CMY_K = 6,
  COLOR_MODEL_BLACK = 7,
  COLOR_MODEL_GRAYSCALE = 8,
  COLOR_MODEL_RGB = 9,
  COLOR_MODEL_RGB16 = 10,
  COLOR_MODEL_RGBA = 11,
  COLOR_MODEL_COLORMODE_COLOR = 12,
  COLOR_MODEL_COLORMODE_MONOCHROME = 13,
  COLOR_MODEL_HP_COLOR_COLOR = 14,
  COLOR_MODEL_HP_COLOR_BLACK = 15,
  COLOR_MODEL_PRINTOUTMODE_NORMAL = 16,
  COLOR_MODEL_PRINTOUTMODE_NORMAL_GRAY = 17,
  COLOR_MODEL_PROCESSCOLORMODEL_CMYK = 18,
  COLOR_MODEL_PROCESSCOLORMODEL_GREYSCALE = 19,
  COLOR_MODEL_PROCESSCOLORMODEL_RGB = 20,
} cef_color_model_t;

typedef enum {
  DUPLEX_MODE_UNKNOWN = -1,
  DUPLEX_MODE_SIMPLEX = 0,
  DUPLEX_MODE_LONG_EDGE = 1,
  DUPLEX_MODE_SHORT_EDGE = 2,
} cef_duplex_mode_t;

typedef enum {
  CT_POINTER = 0,
  CT_CROSS = 1,
  CT_HAND = 2,
  CT_IBEAM = 3,
  CT_WAIT = 4,
  CT_HELP = 5,
  CT_EASTRESIZE = 6,
  CT_NORTHRESIZE = 7,
  CT_NORTHEASTRESIZE = 8,
  CT_NORTHWESTRESIZE = 9,
  CT_SOUTHRESIZE = 10,
  CT_SOUTHEASTRESIZE = 11,
  CT_SOUTHWESTRESIZE = 12,
  CT_WESTRESIZE = 13,
  CT_NORTHSOUTHRESIZE = 14,
  CT_EASTWESTRESIZE = 15,
  CT_NORTHEASTSOUTHWESTRESIZE = 16,
  CT_NORTHWESTSOUTHEASTRESIZE = 17,
  CT_COLUMNRESIZE = 18,
  CT_ROWRESIZE = 19,
  CT_MIDDLEPANNING = 20,
  CT_EASTPANNING = 21,
  CT_NORTHPANNING = 22,
  CT_NORTHEASTPANNING = 23,
  CT_NORTHWESTPANNING = 24,
  CT_SOUTHPANNING = 25,
  CT_SOUTHEASTPANNING = 26,
  CT_SOUTHWESTPANNING = 27,
  CT_WESTPANNING = 28,
  CT_MOVE = 29,
  CT_VERTICALTEXT = 30,
  CT_CELL = 31,
  CT_CONTEXTMENU = 32,
  CT_ALIAS = 33,
  CT_PROGRESS = 34,
  CT_NODROP = 35,
  CT_COPY = 36,
  CT_NONE = 37,
  CT_NOTALLOWED = 38,
  CT_ZOOMIN = 39,
  CT_ZOOMOUT = 40,
  CT_GRAB = 41,
  CT_GRABBING = 42,
  CT_CUSTOM = 43,
} cef_cursor_type_t;

typedef enum {
  UU_NONE = 0,
  UU_NORMAL = 1,
  UU_SPACES = 2,
  UU_PATH_SEPARATORS = 4,
  UU_URL_SPECIAL_CHARS_EXCEPT_PATH_SEPARATORS = 8,
  UU_SPOOFING_AND_CONTROL_CHARS = 16,
  UU_REPLACE_PLUS_WITH_SPACE = 32,
} cef_uri_unescape_rule_t;

typedef enum {
  JSON_PARSER_RFC = 0,
  JSON_PARSER_ALLOW_TRAILING_COMMAS = 1,
} cef_json_parser_options_t;

typedef enum {
  JSON_NO_ERROR = 0,
  JSON_INVALID_ESCAPE = 1,
  JSON_SYNTAX_ERROR = 2,
  JSON_UNEXPECTED_TOKEN = 3,
  JSON_TRAILING_COMMA = 4,
  JSON_TOO_MUCH_NESTING = 5,
  JSON_UNEXPECTED_DATA_AFTER_ROOT = 6,
  JSON_UNSUPPORTED_ENCODING = 7,
  JSON_UNQUOTED_DICTIONARY_KEY = 8,
  JSON_PARSE_ERROR_COUNT = 9,
} cef_json_parser_error_t;

typedef enum {
  JSON_WRITER_DEFAULT = 0,
  JSON_WRITER_OMIT_BINARY_VALUES = 1,
  JSON_WRITER_OMIT_DOUBLE_TYPE_PRESERVATION = 2,
  JSON_WRITER_PRETTY_PRINT = 4,
} cef_json_writer_options_t;

typedef enum {
  PDF_PRINT_MARGIN_DEFAULT = 0,
  PDF_PRINT_MARGIN_NONE = 1,
  PDF_PRINT_MARGIN_MINIMUM = 2,
  PDF_PRINT_MARGIN_CUSTOM = 3,
} cef_pdf_print_margin_type_t;

typedef enum {
  SCALE_FACTOR_NONE = 0,
  SCALE_FACTOR_100P = 1,
  SCALE_FACTOR_125P = 2,
  SCALE_FACTOR_133P = 3,
  SCALE_FACTOR_140P = 4,
  SCALE_FACTOR_150P = 5,
  SCALE_FACTOR_180P = 6,
  SCALE_FACTOR_200P = 7,
  SCALE_FACTOR_250P = 8,
  SCALE_FACTOR_300P = 9,
} cef_scale_factor_t;

typedef enum {
  PLUGIN_POLICY_ALLOW = 0,
  PLUGIN_POLICY_DETECT_IMPORTANT = 1,
  PLUGIN_POLICY_BLOCK = 2,
  PLUGIN_POLICY_DISABLE = 3,
} cef_plugin_policy_t;

typedef enum {
  REFERRER_POLICY_CLEAR_REFERRER_ON_TRANSITION_FROM_SECURE_TO_INSECURE = 0,
  REFERRER_POLICY_DEFAULT = 0,
  REFERRER_POLICY_REDUCE_REFERRER_GRANULARITY_ON_TRANSITION_CROSS_ORIGIN = 1,
  REFERRER_POLICY_ORIGIN_ONLY_ON_TRANSITION_CROSS_ORIGIN = 2,
  REFERRER_POLICY_NEVER_CLEAR_REFERRER = 3,
  REFERRER_POLICY_ORIGIN = 4,
  REFERRER_POLICY_CLEAR_REFERRER_ON_TRANSITION_CROSS_ORIGIN = 5,
  REFERRER_POLICY_ORIGIN_CLEAR_ON_TRANSITION_FROM_SECURE_TO_INSECURE = 6,
  REFERRER_POLICY_NO_REFERRER = 7,
  REFERRER_POLICY_LAST_VALUE = 7,
} cef_referrer_policy_t;

typedef enum {
  RESPONSE_FILTER_NEED_MORE_DATA = 0,
  RESPONSE_FILTER_DONE = 1,
  RESPONSE_FILTER_ERROR = 2,
} cef_response_filter_status_t;

typedef enum {
  CEF_COLOR_TYPE_RGBA_8888 = 0,
  CEF_COLOR_TYPE_BGRA_8888 = 1,
} cef_color_type_t;

typedef enum {
  CEF_ALPHA_TYPE_OPAQUE = 0,
  CEF_ALPHA_TYPE_PREMULTIPLIED = 1,
  CEF_ALPHA_TYPE_POSTMULTIPLIED = 2,
} cef_alpha_type_t;

typedef enum {
  CEF_TEXT_STYLE_BOLD = 0,
  CEF_TEXT_STYLE_ITALIC = 1,
  CEF_TEXT_STYLE_STRIKE = 2,
  CEF_TEXT_STYLE_DIAGONAL_STRIKE = 3,
  CEF_TEXT_STYLE_UNDERLINE = 4,
} cef_text_style_t;

typedef enum {
  CEF_MAIN_AXIS_ALIGNMENT_START = 0,
  CEF_MAIN_AXIS_ALIGNMENT_CENTER = 1,
  CEF_MAIN_AXIS_ALIGNMENT_END = 2,
} cef_main_axis_alignment_t;

typedef enum {
  CEF_CROSS_AXIS_ALIGNMENT_STRETCH = 0,
  CEF_CROSS_AXIS_ALIGNMENT_START = 1,
  CEF_CROSS_AXIS_ALIGNMENT_CENTER = 2,
  CEF_CROSS_AXIS_ALIGNMENT_END = 3,
} cef_cross_axis_alignment_t;

typedef enum {
  CEF_BUTTON_STATE_NORMAL = 0,
  CEF_BUTTON_STATE_HOVERED = 1,
  CEF_BUTTON_STATE_PRESSED = 2,
  CEF_BUTTON_STATE_DISABLED = 3,
} cef_button_state_t;

typedef enum {
  CEF_HORIZONTAL_ALIGNMENT_LEFT = 0,
  CEF_HORIZONTAL_ALIGNMENT_CENTER = 1,
  CEF_HORIZONTAL_ALIGNMENT_RIGHT = 2,
} cef_horizontal_alignment_t;

typedef enum {
  CEF_MENU_ANCHOR_TOPLEFT = 0,
  CEF_MENU_ANCHOR_TOPRIGHT = 1,
  CEF_MENU_ANCHOR_BOTTOMCENTER = 2,
} cef_menu_anchor_position_t;

typedef enum {
  CEF_MENU_COLOR_TEXT = 0,
  CEF_MENU_COLOR_TEXT_HOVERED = 1,
  CEF_MENU_COLOR_TEXT_ACCELERATOR = 2,
  CEF_MENU_COLOR_TEXT_ACCELERATOR_HOVERED = 3,
  CEF_MENU_COLOR_BACKGROUND = 4,
  CEF_MENU_COLOR_BACKGROUND_HOVERED = 5,
  CEF_MENU_COLOR_COUNT = 6,
} cef_menu_color_type_t;

typedef enum {
  SSL_CONNECTION_VERSION_UNKNOWN = 0,
  SSL_CONNECTION_VERSION_SSL2 = 1,
  SSL_CONNECTION_VERSION_SSL3 = 2,
  SSL_CONNECTION_VERSION_TLS1 = 3,
  SSL_CONNECTION_VERSION_TLS1_1 = 4,
  SSL_CONNECTION_VERSION_TLS1_2 = 5,
  SSL_CONNECTION_VERSION_TLS1_3 = 6,
  SSL_CONNECTION_VERSION_QUIC = 7,
} cef_ssl_version_t;

typedef enum {
  SSL_CONTENT_NORMAL_CONTENT = 0,
  SSL_CONTENT_DISPLAYED_INSECURE_CONTENT = 1,
  SSL_CONTENT_RAN_INSECURE_CONTENT = 2,
} cef_ssl_content_status_t;

typedef enum {
  CEF_SCHEME_OPTION_NONE = 0,
  CEF_SCHEME_OPTION_STANDARD = 1,
  CEF_SCHEME_OPTION_LOCAL = 2,
  CEF_SCHEME_OPTION_DISPLAY_ISOLATED = 4,
  CEF_SCHEME_OPTION_SECURE = 8,
  CEF_SCHEME_OPTION_CORS_ENABLED = 16,
  CEF_SCHEME_OPTION_CSP_BYPASSING = 32,
  CEF_SCHEME_OPTION_FETCH_ENABLED = 64,
} cef_scheme_options_t;

typedef enum {
  CEF_CDM_REGISTRATION_ERROR_NONE = 0,
  CEF_CDM_REGISTRATION_ERROR_INCORRECT_CONTENTS = 1,
  CEF_CDM_REGISTRATION_ERROR_INCOMPATIBLE = 2,
  CEF_CDM_REGISTRATION_ERROR_NOT_SUPPORTED = 3,
} cef_cdm_registration_error_t;

#ifdef __cplusplus
}  // extern "C"
#endif

CEF_STATIC_ASSERT(sizeof(cef_log_severity_t) == 4, "cef_log_severity_t size");
CEF_STATIC_ASSERT(sizeof(cef_state_t) == 4, "cef_state_t size");
CEF_STATIC_ASSERT(sizeof(cef_return_value_t) == 4, "cef_return_value_t size");
CEF_STATIC_ASSERT(sizeof(cef_termination_status_t) == 4, "cef_termination_status_t size");
CEF_STATIC_ASSERT(sizeof(cef_path_key_t) == 4, "cef_path_key_t size");
CEF_STATIC_ASSERT(sizeof(cef_storage_type_t) == 4, "cef_storage_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_cert_status_t) == 4, "cef_cert_status_t size");
CEF_STATIC_ASSERT(sizeof(cef_window_open_disposition_t) == 4, "cef_window_open_disposition_t size");
CEF_STATIC_ASSERT(sizeof(cef_drag_operations_mask_t) == 4, "cef_drag_operations_mask_t size");
CEF_STATIC_ASSERT(sizeof(cef_text_input_mode_t) == 4, "cef_text_input_mode_t size");
CEF_STATIC_ASSERT(sizeof(cef_v8_accesscontrol_t) == 4, "cef_v8_accesscontrol_t size");
CEF_STATIC_ASSERT(sizeof(cef_v8_propertyattribute_t) == 4, "cef_v8_propertyattribute_t size");
CEF_STATIC_ASSERT(sizeof(cef_postdataelement_type_t) == 4, "cef_postdataelement_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_resource_type_t) == 4, "cef_resource_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_transition_type_t) == 4, "cef_transition_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_urlrequest_flags_t) == 4, "cef_urlrequest_flags_t size");
CEF_STATIC_ASSERT(sizeof(cef_urlrequest_status_t) == 4, "cef_urlrequest_status_t size");
CEF_STATIC_ASSERT(sizeof(cef_process_id_t) == 4, "cef_process_id_t size");
CEF_STATIC_ASSERT(sizeof(cef_thread_id_t) == 4, "cef_thread_id_t size");
CEF_STATIC_ASSERT(sizeof(cef_thread_priority_t) == 4, "cef_thread_priority_t size");
CEF_STATIC_ASSERT(sizeof(cef_message_loop_type_t) == 4, "cef_message_loop_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_com_init_mode_t) == 4, "cef_com_init_mode_t size");
CEF_STATIC_ASSERT(sizeof(cef_value_type_t) == 4, "cef_value_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_jsdialog_type_t) == 4, "cef_jsdialog_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_menu_id_t) == 4, "cef_menu_id_t size");
CEF_STATIC_ASSERT(sizeof(cef_mouse_button_type_t) == 4, "cef_mouse_button_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_touch_event_type_t) == 4, "cef_touch_event_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_pointer_type_t) == 4, "cef_pointer_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_paint_element_type_t) == 4, "cef_paint_element_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_event_flags_t) == 4, "cef_event_flags_t size");
CEF_STATIC_ASSERT(sizeof(cef_menu_item_type_t) == 4, "cef_menu_item_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_context_menu_type_flags_t) == 4, "cef_context_menu_type_flags_t size");
CEF_STATIC_ASSERT(sizeof(cef_context_menu_media_type_t) == 4, "cef_context_menu_media_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_context_menu_media_state_flags_t) == 4,
                  "cef_context_menu_media_state_flags_t size");
CEF_STATIC_ASSERT(sizeof(cef_context_menu_edit_state_flags_t) == 4,
                  "cef_context_menu_edit_state_flags_t size");
CEF_STATIC_ASSERT(sizeof(cef_key_event_type_t) == 4, "cef_key_event_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_focus_source_t) == 4, "cef_focus_source_t size");
CEF_STATIC_ASSERT(sizeof(cef_navigation_type_t) == 4, "cef_navigation_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_xml_encoding_type_t) == 4, "cef_xml_encoding_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_xml_node_type_t) == 4, "cef_xml_node_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_dom_document_type_t) == 4, "cef_dom_document_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_dom_event_category_t) == 4, "cef_dom_event_category_t size");
CEF_STATIC_ASSERT(sizeof(cef_dom_event_phase_t) == 4, "cef_dom_event_phase_t size");
CEF_STATIC_ASSERT(sizeof(cef_dom_node_type_t) == 4, "cef_dom_node_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_file_dialog_mode_t) == 4, "cef_file_dialog_mode_t size");
CEF_STATIC_ASSERT(sizeof(cef_color_model_t) == 4, "cef_color_model_t size");
CEF_STATIC_ASSERT(sizeof(cef_duplex_mode_t) == 4, "cef_duplex_mode_t size");
CEF_STATIC_ASSERT(sizeof(cef_cursor_type_t) == 4, "cef_cursor_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_uri_unescape_rule_t) == 4, "cef_uri_unescape_rule_t size");
CEF_STATIC_ASSERT(sizeof(cef_json_parser_options_t) == 4, "cef_json_parser_options_t size");
CEF_STATIC_ASSERT(sizeof(cef_json_parser_error_t) == 4, "cef_json_parser_error_t size");
CEF_STATIC_ASSERT(sizeof(cef_json_writer_options_t) == 4, "cef_json_writer_options_t size");
CEF_STATIC_ASSERT(sizeof(cef_pdf_print_margin_type_t) == 4, "cef_pdf_print_margin_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_scale_factor_t) == 4, "cef_scale_factor_t size");
CEF_STATIC_ASSERT(sizeof(cef_plugin_policy_t) == 4, "cef_plugin_policy_t size");
CEF_STATIC_ASSERT(sizeof(cef_referrer_policy_t) == 4, "cef_referrer_policy_t size");
CEF_STATIC_ASSERT(sizeof(cef_response_filter_status_t) == 4, "cef_response_filter_status_t size");
CEF_STATIC_ASSERT(sizeof(cef_color_type_t) == 4, "cef_color_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_alpha_type_t) == 4, "cef_alpha_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_text_style_t) == 4, "cef_text_style_t size");
CEF_STATIC_ASSERT(sizeof(cef_main_axis_alignment_t) == 4, "cef_main_axis_alignment_t size");
CEF_STATIC_ASSERT(sizeof(cef_cross_axis_alignment_t) == 4, "cef_cross_axis_alignment_t size");
CEF_STATIC_ASSERT(sizeof(cef_button_state_t) == 4, "cef_button_state_t size");
CEF_STATIC_ASSERT(sizeof(cef_horizontal_alignment_t) == 4, "cef_horizontal_alignment_t size");
CEF_STATIC_ASSERT(sizeof(cef_menu_anchor_position_t) == 4, "cef_menu_anchor_position_t size");
CEF_STATIC_ASSERT(sizeof(cef_menu_color_type_t) == 4, "cef_menu_color_type_t size");
CEF_STATIC_ASSERT(sizeof(cef_ssl_version_t) == 4, "cef_ssl_version_t size");
CEF_STATIC_ASSERT(sizeof(cef_ssl_content_status_t) == 4, "cef_ssl_content_status_t size");
CEF_STATIC_ASSERT(sizeof(cef_scheme_options_t) == 4, "cef_scheme_options_t size");
CEF_STATIC_ASSERT(sizeof(cef_cdm_registration_error_t) == 4, "cef_cdm_registration_error_t size");

#endif  // OSTREL_ENGINE_CAPI_CEF_ENUMS_H_
