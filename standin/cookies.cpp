// Group "cookies": the cookie manager of the request contexts. One store for every context (the
// program uses the global one and contexts sharing it). Cookies are kept by address and name
// only; set_cookie stores one, delete_cookies removes those of an address (all without one) and
// of a name (all without one) and reports how many went, flush_store completes at once. Each
// callback runs once, on the UI thread, as the engine calls them. Visiting is not simulated.

#include <memory>
#include <mutex>
#include <vector>

#include "standin/net_objects.h"
#include "standin/refcount.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"
#include "standin/unsimulated.h"

namespace standin {
namespace {

struct Cookie {
  std::wstring url;
  std::wstring name;
};

struct CookieStore {
  std::mutex lock;
  std::vector<Cookie> cookies;
};

CookieStore& Store() {
  static auto* store = new CookieStore;
  return *store;
}

class CookieManager : public EngineObject<CookieManager, cef_cookie_manager_t> {
 public:
  CookieManager() : EngineObject("cookie_manager") {
    cef_cookie_manager_t* s = data();
    s->set_cookie = [](cef_cookie_manager_t*, const cef_string_t* url, const cef_cookie_t* cookie,
                       cef_set_cookie_callback_t* callback) {
      const bool stored = cookie != nullptr && !FromRecord(url).empty();
      if (stored) {
        const std::lock_guard<std::mutex> hold(Store().lock);
        Store().cookies.push_back({FromRecord(url), FromRecord(&cookie->name)});
      }
      CallBackLater(callback, [stored](cef_set_cookie_callback_t* c) {
        if (c->on_complete) c->on_complete(c, stored ? 1 : 0);
      });
      return stored ? 1 : 0;
    };
    s->delete_cookies = [](cef_cookie_manager_t*, const cef_string_t* url,
                           const cef_string_t* cookie_name,
                           cef_delete_cookies_callback_t* callback) {
      const std::wstring address = FromRecord(url), name = FromRecord(cookie_name);
      int deleted = 0;
      {
        const std::lock_guard<std::mutex> hold(Store().lock);
        std::vector<Cookie>& cookies = Store().cookies;
        for (auto it = cookies.begin(); it != cookies.end();) {
          const bool match =
              (address.empty() || it->url == address) && (name.empty() || it->name == name);
          if (match) ++deleted;
          it = match ? cookies.erase(it) : it + 1;
        }
      }
      Trace("delete-cookies deleted=" + std::to_string(deleted));
      CallBackLater(callback, [deleted](cef_delete_cookies_callback_t* c) {
        if (c->on_complete) c->on_complete(c, deleted);
      });
      return 1;
    };
    s->flush_store = [](cef_cookie_manager_t*, cef_completion_callback_t* callback) {
      Trace(std::string("flush-cookies callback=") + (callback ? "1" : "0"));
      CompleteLater(callback);
      return 1;
    };
    FillUnsimulated(s, "cookie_manager");
  }
};

}  // namespace

cef_cookie_manager_t* NewCookieManager(cef_completion_callback_t* callback) {
  // The store is ready at once.
  CompleteLater(callback);
  return (new CookieManager)->data();
}

}  // namespace standin

extern "C" cef_cookie_manager_t* cef_cookie_manager_get_global_manager(
    cef_completion_callback_t* callback) {
  if (!standin::EngineThreadsRunning()) {
    standin::ReleaseProgramObject(callback);
    return nullptr;
  }
  return standin::NewCookieManager(callback);
}
