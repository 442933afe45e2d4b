#ifndef OSTREL_STANDIN_NAVIGATION_H_
#define OSTREL_STANDIN_NAVIGATION_H_

// Loading addresses. A navigation runs in the engine's order:
//   UI: on_before_browse (true cancels: load error net::ERR_ABORTED),
//       on_loading_state_change(loading)
//   IO: get_resource_request_handler (the client's request handler, else the request context's
//       handler), get_cookie_access_filter, on_before_resource_load (RV_CANCEL ends the load
//       with net::ERR_ABORTED; RV_CONTINUE_ASYNC waits for the callback), the transfer,
//       on_resource_response, get_resource_response_filter, on_resource_load_complete
//   UI: success: on_load_start, on_address_change, on_title_change,
//       on_loading_progress_change(1), on_load_end(HTTP status), on_loading_state_change(done);
//       failure: on_load_error(code, "net::ERR_...", address), on_loading_state_change(done).
// http:// and https:// are fetched with WinInet from loopback hosts only; any other host fails
// with net::ERR_NAME_NOT_RESOLVED without a name lookup. data:, file: and about: are read
// locally (no resource-request callbacks for data: and about:).

#include "standin/browser.h"
#include "standin/page_content.h"

namespace standin {

// IO thread: the resource-request callbacks around one request and its transfer. `request`
// stays the caller's.
// Any thread but UI: one transfer of `url` without the resource-request callbacks (images).
Fetched FetchUrl(const std::wstring& url);

Fetched LoadResource(Browser& browser, cef_request_t* request, bool is_navigation,
                     bool is_download);

}  // namespace standin

#endif  // OSTREL_STANDIN_NAVIGATION_H_
