#ifndef OSTREL_STANDIN_NET_OBJECTS_H_
#define OSTREL_STANDIN_NET_OBJECTS_H_

// Requests, responses, request callbacks and request contexts (net_objects.cpp,
// request_context.cpp). Each New... returns the object with one reference for the caller.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "standin/capi.h"
#include "standin/refcount.h"

namespace standin {

using Headers = std::vector<std::pair<std::wstring, std::wstring>>;

struct RequestData {
  std::wstring url;
  std::wstring method = L"GET";
  std::wstring referrer;
  cef_referrer_policy_t referrer_policy = REFERRER_POLICY_DEFAULT;
  Headers headers;
  int flags = 0;
  std::wstring first_party;
  cef_resource_type_t resource_type = RT_MAIN_FRAME;
  cef_transition_type_t transition = TT_EXPLICIT;
  uint64 identifier = 0;
};

struct ResponseData {
  cef_errorcode_t error = ERR_NONE;
  int status = 0;
  std::wstring status_text;
  std::wstring mime_type;
  std::wstring charset;
  Headers headers;
  std::wstring url;
};

cef_request_t* NewRequest(RequestData data);
// A copy of the request's data (the program may have changed it), false for a foreign object.
bool ReadRequest(cef_request_t* request, RequestData* data);
// Requests are writable only in on_before_resource_load, as in the engine.
void SetRequestReadOnly(cef_request_t* request, bool read_only);

cef_response_t* NewResponse(ResponseData data);

// A request callback; `done` runs once, with true for cont(allow) and false for cancel or when
// the last reference goes without an answer.
cef_request_callback_t* NewRequestCallback(std::function<void(bool)> done);

// Request contexts. The global one is made anew for each caller but is the same context.
cef_request_context_t* NewGlobalRequestContext();
// The context's handler with a new reference, or null.
cef_request_context_handler_t* RequestContextHandler(cef_request_context_t* context);
// The cookie manager (cookies.cpp); `callback`, when given, hears that its store is ready.
cef_cookie_manager_t* NewCookieManager(cef_completion_callback_t* callback);
// Test hooks of the preferences (control commands): forget every value; let the program set
// `name` or not.
void ClearPreferences();
void LockPreference(const std::wstring& name, bool locked);

// The engine's error text of a network error code ("net::ERR_NAME_NOT_RESOLVED").
std::wstring NetErrorText(int code);

// Header lines in "Name: value" form, for a WinInet request.
std::wstring HeaderLines(const Headers& headers);

}  // namespace standin

#endif  // OSTREL_STANDIN_NET_OBJECTS_H_
