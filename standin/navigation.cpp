#include "standin/navigation.h"

#include <wininet.h>

#include "standin/downloads.h"
#include "standin/net_objects.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {
namespace {

constexpr size_t kLargestDocument = 16 * 1024 * 1024;
constexpr DWORD kTransferTimeoutMs = 15000;
constexpr DWORD kAsyncAnswerTimeoutMs = 30000;
constexpr wchar_t kUserAgent[] =
    L"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
    L"Chrome/77.0.3865.90 Safari/537.36";

int NetError(DWORD wininet_error) {
  switch (wininet_error) {
    case ERROR_INTERNET_NAME_NOT_RESOLVED:
      return ERR_NAME_NOT_RESOLVED;
    case ERROR_INTERNET_CANNOT_CONNECT:
      return ERR_CONNECTION_REFUSED;
    case ERROR_INTERNET_TIMEOUT:
      return ERR_CONNECTION_TIMED_OUT;
    case ERROR_INTERNET_CONNECTION_RESET:
      return ERR_CONNECTION_RESET;
    case ERROR_INTERNET_CONNECTION_ABORTED:
      return ERR_CONNECTION_CLOSED;
    case ERROR_INTERNET_INVALID_URL:
      return ERR_INVALID_URL;
    case ERROR_INTERNET_SEC_CERT_CN_INVALID:
      return ERR_CERT_COMMON_NAME_INVALID;
    case ERROR_INTERNET_SEC_CERT_DATE_INVALID:
      return ERR_CERT_DATE_INVALID;
    case ERROR_INTERNET_INVALID_CA:
      return ERR_CERT_AUTHORITY_INVALID;
    default:
      return ERR_FAILED;
  }
}

std::wstring QueryText(HINTERNET request, DWORD what) {
  wchar_t buffer[8192];
  DWORD size = sizeof buffer;
  if (!HttpQueryInfoW(request, what, buffer, &size, nullptr)) return std::wstring();
  return std::wstring(buffer, size / sizeof(wchar_t));
}

Headers ParseRawHeaders(const std::wstring& raw) {
  Headers headers;
  size_t begin = raw.find(L"\r\n");  // after the status line
  while (begin != std::wstring::npos && begin + 2 < raw.size()) {
    begin += 2;
    const size_t end = raw.find(L"\r\n", begin);
    const std::wstring line = raw.substr(begin, end == std::wstring::npos ? end : end - begin);
    const size_t colon = line.find(L':');
    if (colon != std::wstring::npos) {
      const size_t value = line.find_first_not_of(L' ', colon + 1);
      headers.emplace_back(line.substr(0, colon),
                           value == std::wstring::npos ? std::wstring() : line.substr(value));
    }
    begin = end;
  }
  return headers;
}

// What a transfer does with the response body.
enum class Body { kRead, kLeaveDownload, kLeave };

void HttpFetch(const RequestData& request, Body body, Fetched* fetched) {
  HINTERNET session = InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (!session) {
    fetched->error = ERR_FAILED;
    return;
  }
  DWORD timeout = kTransferTimeoutMs;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                       INTERNET_OPTION_SEND_TIMEOUT}) {
    InternetSetOptionW(session, option, &timeout, sizeof timeout);
  }
  const std::wstring headers = HeaderLines(request.headers);
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_PRAGMA_NOCACHE;
  if (SchemeOf(request.url) == L"https") flags |= INTERNET_FLAG_SECURE;
  HINTERNET handle = InternetOpenUrlW(session, request.url.c_str(), headers.c_str(),
                                      static_cast<DWORD>(headers.size()), flags, 0);
  if (!handle) {
    fetched->error = NetError(GetLastError());
    InternetCloseHandle(session);
    return;
  }
  DWORD status = 0, size = sizeof status;
  HttpQueryInfoW(handle, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
  fetched->status = static_cast<int>(status);
  fetched->status_text = QueryText(handle, HTTP_QUERY_STATUS_TEXT);
  fetched->headers = ParseRawHeaders(QueryText(handle, HTTP_QUERY_RAW_HEADERS_CRLF));
  const std::wstring type = QueryText(handle, HTTP_QUERY_CONTENT_TYPE);
  fetched->mime_type = AsciiLower(type.substr(0, type.find(L';')));
  wchar_t final_url[INTERNET_MAX_URL_LENGTH];
  DWORD url_size = sizeof final_url;
  fetched->final_url = InternetQueryOptionW(handle, INTERNET_OPTION_URL, final_url, &url_size)
                           ? std::wstring(final_url)
                           : request.url;
  const std::wstring length = QueryText(handle, HTTP_QUERY_CONTENT_LENGTH);
  if (!length.empty()) fetched->content_length = _wtoi64(length.c_str());
  auto unread = std::make_shared<ResponseBody>(session, handle);
  if (body == Body::kLeave || (body == Body::kLeaveDownload && IsDownloadResponse(*fetched))) {
    fetched->unread_body = std::move(unread);
    return;
  }
  char buffer[16384];
  long read = 0;
  while ((read = unread->Read(buffer, sizeof buffer)) > 0) {
    if (fetched->body.size() < kLargestDocument) fetched->body.append(buffer, read);
  }
}

std::wstring HeaderValue(const Headers& headers, std::wstring_view name) {
  for (const auto& [key, value] : headers)
    if (AsciiLower(key) == name) return value;
  return {};
}

// Test hook: OSTREL_STANDIN_PORT_MAP="8765=50123,8766=50124" sends loopback requests for the
// first port of each pair to the second, so tests can serve a build's fixed start address from
// a free port. The addresses the program sees stay as they were.
std::wstring MappedUrl(const std::wstring& url) {
  static const std::wstring map = EnvironmentValue(L"OSTREL_STANDIN_PORT_MAP");
  if (map.empty()) return url;
  const size_t authority = url.find(L"://");
  if (authority == std::wstring::npos) return url;
  const size_t path = url.find(L'/', authority + 3);
  const size_t colon = url.rfind(L':', path == std::wstring::npos ? url.size() : path);
  if (colon == std::wstring::npos || colon < authority + 3) return url;
  const std::wstring port =
      url.substr(colon + 1, path == std::wstring::npos ? path : path - colon - 1);
  size_t begin = 0;
  while (begin < map.size()) {
    size_t end = map.find(L',', begin);
    if (end == std::wstring::npos) end = map.size();
    const std::wstring pair = map.substr(begin, end - begin);
    const size_t equals = pair.find(L'=');
    if (equals != std::wstring::npos && pair.substr(0, equals) == port) {
      return url.substr(0, colon + 1) + pair.substr(equals + 1) +
             (path == std::wstring::npos ? std::wstring() : url.substr(path));
    }
    begin = end + 1;
  }
  return url;
}

void Transfer(const RequestData& original, Body body, Fetched* fetched) {
  RequestData request = original;
  if (IsLoopbackUrl(request.url)) request.url = MappedUrl(request.url);
  if (FetchLocal(request.url, fetched)) return;
  const std::wstring scheme = SchemeOf(request.url);
  if (scheme != L"http" && scheme != L"https") {
    fetched->error = ERR_UNKNOWN_URL_SCHEME;
  } else if (!IsLoopbackUrl(request.url)) {
    fetched->error = ERR_NAME_NOT_RESOLVED;
  } else {
    HttpFetch(request, body, fetched);
    if (fetched->final_url == request.url) fetched->final_url = original.url;
  }
}

ProgramRef<cef_resource_request_handler_t> ResourceRequestHandler(Browser& browser,
                                                                  cef_request_t* request,
                                                                  bool navigation, bool download) {
  cef_string_t initiator{};
  int disable_default = 0;
  if (auto handler = browser.Get(&cef_client_t::get_request_handler);
      handler && handler->get_resource_request_handler) {
    AddRefProgramObject(request);
    ProgramRef<cef_resource_request_handler_t> result(handler->get_resource_request_handler(
        handler.get(), browser.NewBrowserRef(), browser.NewFrameRef(), request, navigation,
        download, &initiator, &disable_default));
    if (result || disable_default) return result;
  }
  ProgramRef<cef_request_context_t> context = browser.Context();
  ProgramRef<cef_request_context_handler_t> handler(RequestContextHandler(context.get()));
  if (!handler || !handler->get_resource_request_handler) {
    return ProgramRef<cef_resource_request_handler_t>();
  }
  AddRefProgramObject(request);
  return ProgramRef<cef_resource_request_handler_t>(handler->get_resource_request_handler(
      handler.get(), browser.NewBrowserRef(), browser.NewFrameRef(), request, navigation, download,
      &initiator, &disable_default));
}

// Asks on_before_resource_load; false when the request is cancelled.
bool BeforeResourceLoad(Browser& browser, cef_resource_request_handler_t* handler,
                        cef_request_t* request) {
  if (!handler->on_before_resource_load) return true;
  // Shared with the callback, which the program may answer late or keep after a timeout.
  struct Answer {
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> allowed{false};
    ~Answer() { CloseHandle(event); }
  };
  auto answer = std::make_shared<Answer>();
  cef_request_callback_t* callback = NewRequestCallback([answer](bool allow) {
    answer->allowed = allow;
    SetEvent(answer->event);
  });
  AddRefProgramObject(request);
  SetRequestReadOnly(request, false);
  const cef_return_value_t result = handler->on_before_resource_load(
      handler, browser.NewBrowserRef(), browser.NewFrameRef(), request, callback);
  SetRequestReadOnly(request, true);
  bool go_on = result == RV_CONTINUE;
  if (result == RV_CONTINUE_ASYNC) {
    go_on = WaitForSingleObject(answer->event, kAsyncAnswerTimeoutMs) == WAIT_OBJECT_0 &&
            answer->allowed;
  }
  return go_on;
}

}  // namespace

ResponseBody::~ResponseBody() {
  InternetCloseHandle(request_);
  InternetCloseHandle(session_);
}

long ResponseBody::Read(char* buffer, unsigned long size) {
  DWORD read = 0;
  if (!InternetReadFile(request_, buffer, size, &read)) return -1;
  return static_cast<long>(read);
}

bool IsDownloadResponse(const Fetched& fetched) {
  if (AsciiLower(HeaderValue(fetched.headers, L"content-disposition")).starts_with(L"attachment"))
    return true;
  const std::wstring& type = fetched.mime_type;
  return !(type.empty() || type.starts_with(L"text/") || type.starts_with(L"image/") ||
           type == L"application/xhtml+xml" || type == L"application/xml" ||
           type == L"application/json" || type == L"application/javascript" ||
           type == L"application/pdf");
}

std::wstring SuggestedFileName(const Fetched& fetched, const std::wstring& url) {
  const std::wstring disposition = HeaderValue(fetched.headers, L"content-disposition");
  const size_t key = AsciiLower(disposition).find(L"filename=");
  if (key != std::wstring::npos) {
    std::wstring name = disposition.substr(key + 9);
    name = name.substr(0, name.find(L';'));
    if (name.size() >= 2 && name.front() == L'"') name = name.substr(1, name.find(L'"', 1) - 1);
    return name;
  }
  std::wstring path = url.substr(0, url.find_first_of(L"?#"));
  const size_t slash = path.find_last_of(L'/');
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  return name.empty() ? L"download" : name;
}

Fetched FetchUrl(const std::wstring& url) {
  RequestData data;
  data.url = url;
  data.resource_type = RT_IMAGE;
  Fetched fetched;
  Transfer(data, Body::kRead, &fetched);
  return fetched;
}

Fetched LoadResource(Browser& browser, cef_request_t* request, bool is_navigation,
                     bool is_download) {
  RequestData data;
  ReadRequest(request, &data);
  Fetched fetched;
  const std::wstring scheme = SchemeOf(data.url);
  const bool intercepted = scheme != L"data" && scheme != L"about" && scheme != L"devtools";
  ProgramRef<cef_resource_request_handler_t> handler;
  if (intercepted) handler = ResourceRequestHandler(browser, request, is_navigation, is_download);
  if (handler && handler->get_cookie_access_filter) {
    AddRefProgramObject(request);
    ProgramRef<cef_cookie_access_filter_t> filter(handler->get_cookie_access_filter(
        handler.get(), browser.NewBrowserRef(), browser.NewFrameRef(), request));
  }
  if (handler && !BeforeResourceLoad(browser, handler.get(), request)) {
    fetched.error = ERR_ABORTED;
  } else {
    ReadRequest(request, &data);  // with the program's changes
    Transfer(data,
             is_download     ? Body::kLeave
             : is_navigation ? Body::kLeaveDownload
                             : Body::kRead,
             &fetched);
  }
  Trace("resource url=" + TraceValue(data.url) + " status=" + std::to_string(fetched.status) +
        " error=" + std::to_string(fetched.error));
  if (!handler) return fetched;
  ResponseData response_data;
  response_data.error = static_cast<cef_errorcode_t>(fetched.error);
  response_data.status = fetched.status;
  response_data.status_text = fetched.status_text;
  response_data.mime_type = fetched.mime_type;
  response_data.headers = fetched.headers;
  response_data.url = fetched.final_url;
  ProgramRef<cef_response_t> response(NewResponse(response_data));
  if (fetched.error == 0 && handler->on_resource_response) {
    AddRefProgramObject(request);
    AddRefProgramObject(response.get());
    handler->on_resource_response(handler.get(), browser.NewBrowserRef(), browser.NewFrameRef(),
                                  request, response.get());
  }
  if (fetched.error == 0 && handler->get_resource_response_filter) {
    AddRefProgramObject(request);
    AddRefProgramObject(response.get());
    ProgramRef<cef_response_filter_t> filter(handler->get_resource_response_filter(
        handler.get(), browser.NewBrowserRef(), browser.NewFrameRef(), request, response.get()));
  }
  if (handler->on_resource_load_complete) {
    AddRefProgramObject(request);
    AddRefProgramObject(response.get());
    handler->on_resource_load_complete(
        handler.get(), browser.NewBrowserRef(), browser.NewFrameRef(), request, response.get(),
        fetched.error == 0 ? UR_SUCCESS : (fetched.error == ERR_ABORTED ? UR_CANCELED : UR_FAILED),
        static_cast<int64>(fetched.body.size()));
  }
  return fetched;
}

}  // namespace standin

namespace standin {

class Navigation {
 public:
  static void LoadingState(Browser& b, bool loading) {
    const bool back = b.CanGoBack(), forward = b.CanGoForward();
    Trace("loading-state id=" + std::to_string(b.id) + " loading=" + (loading ? "1" : "0") +
          " back=" + (back ? "1" : "0") + " forward=" + (forward ? "1" : "0"));
    if (auto h = b.Get(&cef_client_t::get_load_handler); h && h->on_loading_state_change) {
      h->on_loading_state_change(h.get(), b.NewBrowserRef(), loading, back, forward);
    }
  }

  static void LoadError(Browser& b, int code, const std::wstring& url) {
    const std::wstring text = NetErrorText(code);
    Trace("load-error id=" + std::to_string(b.id) + " code=" + std::to_string(code) +
          " text=" + TraceValue(text) + " url=" + TraceValue(url));
    if (auto h = b.Get(&cef_client_t::get_load_handler); h && h->on_load_error) {
      cef_string_t t{const_cast<wchar_t*>(text.c_str()), text.size(), nullptr};
      cef_string_t u{const_cast<wchar_t*>(url.c_str()), url.size(), nullptr};
      h->on_load_error(h.get(), b.NewBrowserRef(), b.NewFrameRef(),
                       static_cast<cef_errorcode_t>(code), &t, &u);
    }
  }

  static void AddressAndTitle(Browser& b, const std::wstring& url, const std::wstring& title) {
    const std::string id = " id=" + std::to_string(b.id);
    Trace("address-change" + id + " url=" + TraceValue(url));
    if (auto h = b.Get(&cef_client_t::get_display_handler); h && h->on_address_change) {
      cef_string_t u{const_cast<wchar_t*>(url.c_str()), url.size(), nullptr};
      h->on_address_change(h.get(), b.NewBrowserRef(), b.NewFrameRef(), &u);
    }
    Trace("title-change" + id + " title=" + TraceValue(title));
    if (auto h = b.Get(&cef_client_t::get_display_handler); h && h->on_title_change) {
      cef_string_t t{const_cast<wchar_t*>(title.c_str()), title.size(), nullptr};
      h->on_title_change(h.get(), b.NewBrowserRef(), &t);
    }
  }

  // UI thread: the load's result arrives; a stale one (stopped, superseded, closed) is dropped.
  static void Commit(Browser& b, int sequence, const std::wstring& url, const Fetched& fetched,
                     cef_transition_type_t transition, int history_step) {
    Page page;
    {
      std::lock_guard<std::mutex> guard(b.lock_);
      if (b.closed_ || sequence != b.load_sequence_) return;
      if (fetched.unread_body) {
        b.loading_ = false;  // the page stays as it was
      } else if (fetched.error != 0) {
        b.page_ = Page{.url = url, .title = url, .error = NetErrorText(fetched.error)};
        b.loading_ = false;
      } else {
        page.url = fetched.final_url.empty() ? url : fetched.final_url;
        page.status = fetched.status;
        ParseDocument(fetched.body, fetched.mime_type, &page);
        if (history_step == 0) {
          b.history_.resize(static_cast<size_t>(b.history_index_ + 1));
          b.history_.push_back(page.url);
          ++b.history_index_;
        } else if (history_step == -1 || history_step == 1) {
          b.history_index_ += history_step;
        }
        b.page_ = page;
      }
    }
    if (fetched.unread_body) {
      // A navigation that turns out to be a download ends without a page of its own.
      LoadError(b, ERR_ABORTED, url);
      LoadingState(b, false);
      StartDownload(b.shared_from_this(), url, SuggestedFileName(fetched, url), fetched);
      return;
    }
    if (HWND render = b.RenderWindow()) InvalidateRect(render, nullptr, TRUE);
    const std::string id = " id=" + std::to_string(b.id);
    if (fetched.error != 0) {
      // The engine commits an error page of its own, titled with the address.
      LoadError(b, fetched.error, url);
      AddressAndTitle(b, url, url);
      LoadingState(b, false);
      return;
    }
    Trace("load-start" + id + " transition=" + std::to_string(transition));
    if (auto h = b.Get(&cef_client_t::get_load_handler); h && h->on_load_start) {
      h->on_load_start(h.get(), b.NewBrowserRef(), b.NewFrameRef(), transition);
    }
    AddressAndTitle(b, page.url, page.title);
    b.LoadingProgress(1.0);
    Trace("load-end" + id + " status=" + std::to_string(page.status));
    if (auto h = b.Get(&cef_client_t::get_load_handler); h && h->on_load_end) {
      h->on_load_end(h.get(), b.NewBrowserRef(), b.NewFrameRef(), page.status);
    }
    Trace("page-text" + id + " text=" + TraceValue(page.text));
    {
      std::lock_guard<std::mutex> guard(b.lock_);
      if (sequence == b.load_sequence_) b.loading_ = false;
    }
    LoadingState(b, false);
  }
};

void Browser::StopLoad() {
  std::wstring url;
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (!loading_) return;
    ++load_sequence_;  // the load's result is dropped when it arrives
    loading_ = false;
    url = pending_url_;
  }
  auto self = shared_from_this();
  PostClosure(TID_UI, [self, url] {
    Navigation::LoadError(*self, ERR_ABORTED, url);
    Navigation::LoadingState(*self, false);
  });
}

void Browser::Navigate(const std::wstring& url, cef_transition_type_t transition, int history_step,
                       std::shared_ptr<std::string> content) {
  int sequence = 0;
  bool superseded = false;
  std::wstring superseded_url;
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (closed_ || closing_) return;
    superseded = loading_;
    superseded_url = pending_url_;
  }
  if (superseded) Navigation::LoadError(*this, ERR_ABORTED, superseded_url);
  RequestData data;
  data.url = url;
  data.transition = transition;
  data.headers = {{L"Accept", L"text/html,application/xhtml+xml,*/*;q=0.8"},
                  {L"User-Agent", kUserAgent}};
  ProgramRef<cef_request_t> request(NewRequest(data));
  if (auto h = Get(&cef_client_t::get_request_handler); h && h->on_before_browse) {
    AddRefProgramObject(request.get());
    SetRequestReadOnly(request.get(), true);
    const int gesture = transition == TT_LINK ? 1 : 0;  // a click in the page
    if (h->on_before_browse(h.get(), NewBrowserRef(), NewFrameRef(), request.get(), gesture, 0)) {
      Trace("navigation-cancelled id=" + std::to_string(id) + " url=" + TraceValue(url));
      Navigation::LoadError(*this, ERR_ABORTED, url);
      return;
    }
  }
  {
    std::lock_guard<std::mutex> guard(lock_);
    sequence = ++load_sequence_;
    loading_ = true;
    pending_url_ = url;
  }
  Navigation::LoadingState(*this, true);
  auto self = shared_from_this();
  auto held = std::make_shared<ProgramRef<cef_request_t>>(std::move(request));
  PostClosure(TID_IO, [self, held, sequence, url, transition, history_step, content] {
    Fetched fetched;
    if (content) {
      fetched.status = 200;
      fetched.mime_type = L"text/html";
      fetched.body = *content;
      fetched.final_url = url;
    } else {
      fetched = LoadResource(*self, held->get(), true, false);
    }
    held->reset();  // released on the IO thread, where the engine is done with it
    PostClosure(TID_UI, [self, sequence, url, fetched, transition, history_step] {
      Navigation::Commit(*self, sequence, url, fetched, transition, history_step);
    });
  });
}

}  // namespace standin
