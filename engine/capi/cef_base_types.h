#ifndef OSTREL_ENGINE_CAPI_CEF_BASE_TYPES_H_
#define OSTREL_ENGINE_CAPI_CEF_BASE_TYPES_H_

// Platform types and strings of the engine's C interface as laid out on 64-bit Windows.

#include <stddef.h>
#include <windows.h>

#ifdef __cplusplus
#define CEF_STATIC_ASSERT(cond, what) static_assert(cond, what)
extern "C" {
#else
#define CEF_STATIC_ASSERT(cond, what) _Static_assert(cond, what)
#endif

#define CEF_CALLBACK __stdcall
// The implementing library may define CEF_EXPORT empty and export through a module definition file.
#ifndef CEF_EXPORT
#define CEF_EXPORT __declspec(dllexport)
#endif

typedef wchar_t char16;
typedef short int16;
typedef unsigned short uint16;
typedef int int32;
typedef unsigned int uint32;
typedef long long int64;
typedef unsigned long long uint64;
typedef uint32 cef_color_t;

typedef HWND cef_window_handle_t;
typedef HCURSOR cef_cursor_handle_t;
typedef MSG* cef_event_handle_t;
typedef DWORD cef_platform_thread_id_t;
typedef DWORD cef_platform_thread_handle_t;

// A string record names the function that frees its buffer; dtor is null for a borrowed buffer.
typedef struct _cef_string_wide_t {
  wchar_t* str;
  size_t length;
  void (*dtor)(wchar_t* str);
} cef_string_wide_t;

typedef struct _cef_string_utf8_t {
  char* str;
  size_t length;
  void (*dtor)(char* str);
} cef_string_utf8_t;

typedef struct _cef_string_utf16_t {
  char16* str;
  size_t length;
  void (*dtor)(char16* str);
} cef_string_utf16_t;

typedef cef_string_utf16_t cef_string_t;
typedef cef_string_wide_t* cef_string_userfree_wide_t;
typedef cef_string_utf8_t* cef_string_userfree_utf8_t;
typedef cef_string_utf16_t* cef_string_userfree_utf16_t;
typedef cef_string_userfree_utf16_t cef_string_userfree_t;

typedef void* cef_string_list_t;
typedef void* cef_string_map_t;
typedef void* cef_string_multimap_t;

// Network error codes come from the engine's error list, not its published headers; these are
// the ones this program meets. The engine's text for a code is "net::" followed by its name.
typedef enum {
  ERR_NONE = 0,
  ERR_FAILED = -2,
  ERR_ABORTED = -3,
  ERR_FILE_NOT_FOUND = -6,
  ERR_TIMED_OUT = -7,
  ERR_CONNECTION_CLOSED = -100,
  ERR_CONNECTION_RESET = -101,
  ERR_CONNECTION_REFUSED = -102,
  ERR_NAME_NOT_RESOLVED = -105,
  ERR_INTERNET_DISCONNECTED = -106,
  ERR_CONNECTION_TIMED_OUT = -118,
  ERR_CERT_COMMON_NAME_INVALID = -200,
  ERR_CERT_DATE_INVALID = -201,
  ERR_CERT_AUTHORITY_INVALID = -202,
  ERR_INVALID_URL = -300,
  ERR_UNKNOWN_URL_SCHEME = -302,
} cef_errorcode_t;

#ifdef __cplusplus
}  // extern "C"
#endif

CEF_STATIC_ASSERT(sizeof(char16) == 2, "char16 is UTF-16");
CEF_STATIC_ASSERT(sizeof(cef_errorcode_t) == 4, "cef_errorcode_t size");

#endif  // OSTREL_ENGINE_CAPI_CEF_BASE_TYPES_H_
