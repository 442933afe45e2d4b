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

// The unread body of a response: an open WinInet transfer, closed with the object.
class ResponseBody {
 public:
  ResponseBody(void* session, void* request) : session_(session), request_(request) {}
  ~ResponseBody();
  ResponseBody(const ResponseBody&) = delete;
  ResponseBody& operator=(const ResponseBody&) = delete;
  // Bytes read into `buffer`: 0 at the end of the body, -1 when the transfer broke.
  long Read(char* buffer, unsigned long size);

 private:
  void* session_;
  void* request_;
};

// Whether a response is saved rather than shown: sent as an attachment, or of a type no page
// shows.
bool IsDownloadResponse(const Fetched& fetched);
// The file name a response suggests: the Content-Disposition name, else the address's last part.
std::wstring SuggestedFileName(const Fetched& fetched, const std::wstring& url);

// Any thread but UI: one transfer of `url` without the resource-request callbacks (images).
Fetched FetchUrl(const std::wstring& url);

// IO thread: the resource-request callbacks around one request and its transfer. `request`
// stays the caller's. A download's body (always for `is_download`; for a navigation when the
// response is one) is left unread in `unread_body`.
Fetched LoadResource(Browser& browser, cef_request_t* request, bool is_navigation,
                     bool is_download);

}  // namespace standin

#endif  // OSTREL_STANDIN_NAVIGATION_H_
