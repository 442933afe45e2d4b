// Groups "request" and "response": the engine's request, response and request-callback objects,
// as the resource-request callbacks see them and as cef_request_create / cef_response_create
// make them.

#include "standin/net_objects.h"

#include <atomic>
#include <mutex>

#include "standin/text.h"
#include "standin/trace.h"
#include "standin/unsimulated.h"

namespace standin {
namespace {

std::atomic<uint64> next_request_id{1};

std::wstring Find(const Headers& headers, const std::wstring& name) {
  const std::wstring key = AsciiLower(name);
  for (const auto& [n, v] : headers) {
    if (AsciiLower(n) == key) return v;
  }
  return std::wstring();
}

void ToMultimap(const Headers& headers, cef_string_multimap_t map) {
  if (!map) return;
  cef_string_multimap_clear(map);
  for (const auto& [name, value] : headers) {
    cef_string_t n{const_cast<wchar_t*>(name.c_str()), name.size(), nullptr};
    cef_string_t v{const_cast<wchar_t*>(value.c_str()), value.size(), nullptr};
    cef_string_multimap_append(map, &n, &v);
  }
}

Headers FromMultimap(cef_string_multimap_t map) {
  Headers headers;
  const size_t count = map ? cef_string_multimap_size(map) : 0;
  for (size_t i = 0; i < count; ++i) {
    cef_string_t name{}, value{};
    cef_string_multimap_key(map, i, &name);
    cef_string_multimap_value(map, i, &value);
    headers.emplace_back(FromRecord(&name), FromRecord(&value));
    cef_string_utf16_clear(&name);
    cef_string_utf16_clear(&value);
  }
  return headers;
}

// Every field access goes through the lock: the program may read a request on its thread while
// the engine reads it on another.
template <typename Derived, typename Struct, typename Data>
class Guarded : public EngineObject<Derived, Struct> {
 protected:
  Guarded(const char* type, Data data)
      : EngineObject<Derived, Struct>(type), data_(std::move(data)) {}

  template <typename Result, typename Read>
  static Result Get(Struct* self, Read read) {
    Derived* object = Derived::From(self);
    if (!object) return Result();
    std::lock_guard<std::mutex> guard(object->lock_);
    return read(object->data_);
  }
  template <typename Write>
  static void Set(Struct* self, Write write) {
    Derived* object = Derived::From(self);
    if (!object) return;
    std::lock_guard<std::mutex> guard(object->lock_);
    if (object->read_only_) {
      Trace(std::string("misuse write-read-only ") + object->type());
      return;
    }
    write(object->data_);
  }
  static cef_string_userfree_t Text(Struct* self, std::wstring Data::*field) {
    return NewUserFree(Get<std::wstring>(self, [field](Data& d) { return d.*field; }));
  }
  static void SetText(Struct* self, std::wstring Data::*field, const cef_string_t* text) {
    std::wstring value = FromRecord(text);
    Set(self, [&](Data& d) { d.*field = value; });
  }

 public:
  std::mutex lock_;
  Data data_;
  bool read_only_ = false;
};

class Request : public Guarded<Request, cef_request_t, RequestData> {
 public:
  explicit Request(RequestData data) : Guarded("request", std::move(data)) {
    cef_request_t* s = this->data();
    s->is_read_only = [](cef_request_t* self) {
      Request* r = From(self);
      return r && r->read_only_ ? 1 : 0;
    };
    s->get_url = [](cef_request_t* self) { return Text(self, &RequestData::url); };
    s->set_url = [](cef_request_t* self, const cef_string_t* v) {
      SetText(self, &RequestData::url, v);
    };
    s->get_method = [](cef_request_t* self) { return Text(self, &RequestData::method); };
    s->set_method = [](cef_request_t* self, const cef_string_t* v) {
      SetText(self, &RequestData::method, v);
    };
    s->set_referrer = [](cef_request_t* self, const cef_string_t* v, cef_referrer_policy_t p) {
      const std::wstring referrer = FromRecord(v);
      Set(self, [&](RequestData& d) {
        d.referrer = referrer;
        d.referrer_policy = p;
      });
    };
    s->get_referrer_url = [](cef_request_t* self) { return Text(self, &RequestData::referrer); };
    s->get_referrer_policy = [](cef_request_t* self) {
      return Get<cef_referrer_policy_t>(self, [](RequestData& d) { return d.referrer_policy; });
    };
    s->get_post_data = [](cef_request_t*) -> cef_post_data_t* { return nullptr; };
    s->set_post_data = [](cef_request_t*, cef_post_data_t* post) { ReleaseProgramObject(post); };
    s->get_header_map = [](cef_request_t* self, cef_string_multimap_t map) {
      ToMultimap(Get<Headers>(self, [](RequestData& d) { return d.headers; }), map);
    };
    s->set_header_map = [](cef_request_t* self, cef_string_multimap_t map) {
      Headers headers = FromMultimap(map);
      Set(self, [&](RequestData& d) { d.headers = headers; });
    };
    s->get_header_by_name = [](cef_request_t* self, const cef_string_t* name) {
      std::wstring key = FromRecord(name);
      return NewUserFree(
          Get<std::wstring>(self, [&](RequestData& d) { return Find(d.headers, key); }));
    };
    s->set_header_by_name = [](cef_request_t* self, const cef_string_t* name,
                               const cef_string_t* value, int overwrite) {
      std::wstring n = FromRecord(name), v = FromRecord(value);
      Set(self, [&](RequestData& d) {
        for (auto& header : d.headers) {
          if (AsciiLower(header.first) != AsciiLower(n)) continue;
          if (overwrite) header.second = v;
          return;
        }
        d.headers.emplace_back(n, v);
      });
    };
    s->set = [](cef_request_t* self, const cef_string_t* url, const cef_string_t* method,
                cef_post_data_t* post, cef_string_multimap_t map) {
      std::wstring u = FromRecord(url), m = FromRecord(method);
      Headers headers = FromMultimap(map);
      ReleaseProgramObject(post);
      Set(self, [&](RequestData& d) {
        d.url = u;
        d.method = m;
        d.headers = headers;
      });
    };
    s->get_flags = [](cef_request_t* self) {
      return Get<int>(self, [](RequestData& d) { return d.flags; });
    };
    s->set_flags = [](cef_request_t* self, int flags) {
      Set(self, [&](RequestData& d) { d.flags = flags; });
    };
    s->get_first_party_for_cookies = [](cef_request_t* self) {
      return Text(self, &RequestData::first_party);
    };
    s->set_first_party_for_cookies = [](cef_request_t* self, const cef_string_t* v) {
      SetText(self, &RequestData::first_party, v);
    };
    s->get_resource_type = [](cef_request_t* self) {
      return Get<cef_resource_type_t>(self, [](RequestData& d) { return d.resource_type; });
    };
    s->get_transition_type = [](cef_request_t* self) {
      return Get<cef_transition_type_t>(self, [](RequestData& d) { return d.transition; });
    };
    s->get_identifier = [](cef_request_t* self) {
      return Get<uint64>(self, [](RequestData& d) { return d.identifier; });
    };
    FillUnsimulated(s, "request");
  }
};

class Response : public Guarded<Response, cef_response_t, ResponseData> {
 public:
  explicit Response(ResponseData data) : Guarded("response", std::move(data)) {
    cef_response_t* s = this->data();
    s->is_read_only = [](cef_response_t* self) {
      Response* r = From(self);
      return r && r->read_only_ ? 1 : 0;
    };
    s->get_error = [](cef_response_t* self) {
      return Get<cef_errorcode_t>(self, [](ResponseData& d) { return d.error; });
    };
    s->set_error = [](cef_response_t* self, cef_errorcode_t error) {
      Set(self, [&](ResponseData& d) { d.error = error; });
    };
    s->get_status = [](cef_response_t* self) {
      return Get<int>(self, [](ResponseData& d) { return d.status; });
    };
    s->set_status = [](cef_response_t* self, int status) {
      Set(self, [&](ResponseData& d) { d.status = status; });
    };
    s->get_status_text = [](cef_response_t* self) {
      return Text(self, &ResponseData::status_text);
    };
    s->set_status_text = [](cef_response_t* self, const cef_string_t* v) {
      SetText(self, &ResponseData::status_text, v);
    };
    s->get_mime_type = [](cef_response_t* self) { return Text(self, &ResponseData::mime_type); };
    s->set_mime_type = [](cef_response_t* self, const cef_string_t* v) {
      SetText(self, &ResponseData::mime_type, v);
    };
    s->get_charset = [](cef_response_t* self) { return Text(self, &ResponseData::charset); };
    s->set_charset = [](cef_response_t* self, const cef_string_t* v) {
      SetText(self, &ResponseData::charset, v);
    };
    s->get_header = [](cef_response_t* self, const cef_string_t* name) {
      std::wstring key = FromRecord(name);
      return NewUserFree(
          Get<std::wstring>(self, [&](ResponseData& d) { return Find(d.headers, key); }));
    };
    s->get_header_map = [](cef_response_t* self, cef_string_multimap_t map) {
      ToMultimap(Get<Headers>(self, [](ResponseData& d) { return d.headers; }), map);
    };
    s->set_header_map = [](cef_response_t* self, cef_string_multimap_t map) {
      Headers headers = FromMultimap(map);
      Set(self, [&](ResponseData& d) { d.headers = headers; });
    };
    s->get_url = [](cef_response_t* self) { return Text(self, &ResponseData::url); };
    s->set_url = [](cef_response_t* self, const cef_string_t* v) {
      SetText(self, &ResponseData::url, v);
    };
    FillUnsimulated(s, "response");
  }
};

class RequestCallback : public EngineObject<RequestCallback, cef_request_callback_t> {
 public:
  explicit RequestCallback(std::function<void(bool)> done)
      : EngineObject("request_callback"), done_(std::move(done)) {
    cef_request_callback_t* s = data();
    s->cont = [](cef_request_callback_t* self, int allow) { Finish(self, allow != 0); };
    s->cancel = [](cef_request_callback_t* self) { Finish(self, false); };
    FillUnsimulated(s, "request_callback");
  }
  ~RequestCallback() override {
    if (done_) done_(false);  // never answered: the engine cancels
  }

 private:
  static void Finish(cef_request_callback_t* self, bool allow) {
    RequestCallback* callback = From(self);
    if (!callback) return;
    std::function<void(bool)> done;
    {
      std::lock_guard<std::mutex> guard(callback->lock_);
      done = std::move(callback->done_);
      callback->done_ = nullptr;
    }
    if (done) done(allow);
  }

  std::mutex lock_;
  std::function<void(bool)> done_;
};

}  // namespace

cef_request_t* NewRequest(RequestData data) {
  if (data.identifier == 0) data.identifier = next_request_id.fetch_add(1);
  return (new Request(std::move(data)))->data();
}

bool ReadRequest(cef_request_t* request, RequestData* data) {
  Request* object = Request::From(request);
  if (!object) return false;
  std::lock_guard<std::mutex> guard(object->lock_);
  *data = object->data_;
  return true;
}

void SetRequestReadOnly(cef_request_t* request, bool read_only) {
  if (Request* object = Request::From(request)) {
    std::lock_guard<std::mutex> guard(object->lock_);
    object->read_only_ = read_only;
  }
}

cef_response_t* NewResponse(ResponseData data) { return (new Response(std::move(data)))->data(); }

cef_request_callback_t* NewRequestCallback(std::function<void(bool)> done) {
  return (new RequestCallback(std::move(done)))->data();
}

std::wstring NetErrorText(int code) {
  switch (code) {
    case ERR_FAILED:
      return L"net::ERR_FAILED";
    case ERR_ABORTED:
      return L"net::ERR_ABORTED";
    case ERR_FILE_NOT_FOUND:
      return L"net::ERR_FILE_NOT_FOUND";
    case ERR_TIMED_OUT:
      return L"net::ERR_TIMED_OUT";
    case ERR_CONNECTION_CLOSED:
      return L"net::ERR_CONNECTION_CLOSED";
    case ERR_CONNECTION_RESET:
      return L"net::ERR_CONNECTION_RESET";
    case ERR_CONNECTION_REFUSED:
      return L"net::ERR_CONNECTION_REFUSED";
    case ERR_NAME_NOT_RESOLVED:
      return L"net::ERR_NAME_NOT_RESOLVED";
    case ERR_INTERNET_DISCONNECTED:
      return L"net::ERR_INTERNET_DISCONNECTED";
    case ERR_CONNECTION_TIMED_OUT:
      return L"net::ERR_CONNECTION_TIMED_OUT";
    case ERR_CERT_COMMON_NAME_INVALID:
      return L"net::ERR_CERT_COMMON_NAME_INVALID";
    case ERR_CERT_DATE_INVALID:
      return L"net::ERR_CERT_DATE_INVALID";
    case ERR_CERT_AUTHORITY_INVALID:
      return L"net::ERR_CERT_AUTHORITY_INVALID";
    case ERR_INVALID_URL:
      return L"net::ERR_INVALID_URL";
    case ERR_UNKNOWN_URL_SCHEME:
      return L"net::ERR_UNKNOWN_URL_SCHEME";
    default:
      return L"net::ERR_FAILED";
  }
}

std::wstring HeaderLines(const Headers& headers) {
  std::wstring lines;
  for (const auto& [name, value] : headers) lines += name + L": " + value + L"\r\n";
  return lines;
}

}  // namespace standin

extern "C" {

cef_request_t* cef_request_create(void) { return standin::NewRequest(standin::RequestData{}); }

cef_response_t* cef_response_create(void) { return standin::NewResponse(standin::ResponseData{}); }

}  // extern "C"
