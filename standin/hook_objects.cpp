#include "standin/hook_objects.h"

#include <tuple>

#include "standin/refcount.h"
#include "standin/text.h"
#include "standin/trace.h"
#include "standin/unsimulated.h"

namespace standin {
namespace {

cef_time_t Now() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return cef_time_t{now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
                    now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
}

// A callback whose `done` runs once: answered, or unanswered when the last reference goes.
template <typename Derived, typename Struct, typename... Args>
class OnceCallback : public EngineObject<Derived, Struct> {
 protected:
  OnceCallback(const char* type, std::function<void(Args...)> done, Args... unanswered)
      : EngineObject<Derived, Struct>(type), done_(std::move(done)), unanswered_(unanswered...) {}
  ~OnceCallback() override {
    if (done_) std::apply(done_, unanswered_);
  }
  static void Finish(Struct* self, Args... args) {
    Derived* callback = Derived::From(self);
    if (!callback) return;
    std::function<void(Args...)> done;
    {
      std::lock_guard<std::mutex> guard(callback->lock_);
      done = std::move(callback->done_);
      callback->done_ = nullptr;
    }
    if (done) done(args...);
  }

 private:
  std::mutex lock_;
  std::function<void(Args...)> done_;
  std::tuple<Args...> unanswered_;
};

class JsDialogCallback
    : public OnceCallback<JsDialogCallback, cef_jsdialog_callback_t, bool, std::wstring> {
 public:
  explicit JsDialogCallback(std::function<void(bool, std::wstring)> done)
      : OnceCallback("jsdialog_callback", std::move(done), false, std::wstring()) {
    data()->cont = [](cef_jsdialog_callback_t* self, int success, const cef_string_t* input) {
      Finish(self, success != 0, FromRecord(input));
    };
    FillUnsimulated(data(), "jsdialog_callback");
  }
};

class BeforeDownloadCallback
    : public OnceCallback<BeforeDownloadCallback, cef_before_download_callback_t, bool,
                          std::wstring> {
 public:
  explicit BeforeDownloadCallback(std::function<void(bool, std::wstring)> done)
      : OnceCallback("before_download_callback", std::move(done), false, std::wstring()) {
    data()->cont = [](cef_before_download_callback_t* self, const cef_string_t* path,
                      int show_dialog) {
      if (show_dialog) Trace("download-dialog-requested");  // no dialog: the path is used
      Finish(self, true, FromRecord(path));
    };
    FillUnsimulated(data(), "before_download_callback");
  }
};

class Principal : public EngineObject<Principal, cef_x509cert_principal_t> {
 public:
  explicit Principal(std::wstring name)
      : EngineObject("x509cert_principal"), name_(std::move(name)) {
    cef_x509cert_principal_t* s = data();
    s->get_display_name = [](cef_x509cert_principal_t* self) {
      return NewUserFree(From(self) ? From(self)->name_ : std::wstring());
    };
    s->get_common_name = s->get_display_name;
    s->get_street_addresses = [](cef_x509cert_principal_t*, cef_string_list_t) {};
    s->get_organization_names = [](cef_x509cert_principal_t*, cef_string_list_t) {};
    s->get_organization_unit_names = [](cef_x509cert_principal_t*, cef_string_list_t) {};
    s->get_domain_components = [](cef_x509cert_principal_t*, cef_string_list_t) {};
    FillUnsimulated(s, "x509cert_principal");
  }

 private:
  const std::wstring name_;
};

class Certificate : public EngineObject<Certificate, cef_x509certificate_t> {
 public:
  explicit Certificate(std::wstring host)
      : EngineObject("x509certificate"), host_(std::move(host)) {
    cef_x509certificate_t* s = data();
    s->get_subject = [](cef_x509certificate_t* self) -> cef_x509cert_principal_t* {
      return From(self) ? (new Principal(From(self)->host_))->data() : nullptr;
    };
    s->get_issuer = [](cef_x509certificate_t*) -> cef_x509cert_principal_t* {
      return (new Principal(L"Stand-in Test Authority"))->data();
    };
    s->get_valid_start = [](cef_x509certificate_t*) { return Now(); };
    s->get_valid_expiry = [](cef_x509certificate_t*) { return Now(); };
    s->get_issuer_chain_size = [](cef_x509certificate_t*) -> size_t { return 0; };
    s->get_derencoded_issuer_chain = [](cef_x509certificate_t*, size_t* count,
                                        cef_binary_value_t**) {
      if (count) *count = 0;
    };
    s->get_pemencoded_issuer_chain = s->get_derencoded_issuer_chain;
    FillUnsimulated(s, "x509certificate");
  }

 private:
  const std::wstring host_;
};

class SslInfo : public EngineObject<SslInfo, cef_sslinfo_t> {
 public:
  SslInfo(std::wstring host, int status)
      : EngineObject("sslinfo"), host_(std::move(host)), status_(status) {
    cef_sslinfo_t* s = data();
    s->get_cert_status = [](cef_sslinfo_t* self) {
      return static_cast<cef_cert_status_t>(From(self) ? From(self)->status_ : 0);
    };
    s->get_x509certificate = [](cef_sslinfo_t* self) -> cef_x509certificate_t* {
      return From(self) ? (new Certificate(From(self)->host_))->data() : nullptr;
    };
    FillUnsimulated(s, "sslinfo");
  }

 private:
  const std::wstring host_;
  const int status_;
};

class WebPluginInfo : public EngineObject<WebPluginInfo, cef_web_plugin_info_t> {
 public:
  WebPluginInfo(std::wstring name, std::wstring path)
      : EngineObject("web_plugin_info"), name_(std::move(name)), path_(std::move(path)) {
    cef_web_plugin_info_t* s = data();
    s->get_name = [](cef_web_plugin_info_t* self) {
      return NewUserFree(From(self) ? From(self)->name_ : std::wstring());
    };
    s->get_path = [](cef_web_plugin_info_t* self) {
      return NewUserFree(From(self) ? From(self)->path_ : std::wstring());
    };
    s->get_version = [](cef_web_plugin_info_t*) { return NewUserFree(L"1.0"); };
    s->get_description = s->get_name;
    FillUnsimulated(s, "web_plugin_info");
  }

 private:
  const std::wstring name_, path_;
};

class DownloadItem : public EngineObject<DownloadItem, cef_download_item_t> {
 public:
  explicit DownloadItem(std::shared_ptr<Download> download)
      : EngineObject("download_item"), download_(std::move(download)) {
    cef_download_item_t* s = data();
    s->is_valid = [](cef_download_item_t* self) { return From(self) ? 1 : 0; };
    s->is_in_progress = [](cef_download_item_t* self) {
      return Read<int>(self, [](Download& d) { return d.in_progress ? 1 : 0; });
    };
    s->is_complete = [](cef_download_item_t* self) {
      return Read<int>(self, [](Download& d) { return d.complete ? 1 : 0; });
    };
    s->is_canceled = [](cef_download_item_t* self) {
      return Read<int>(self, [](Download& d) { return d.canceled ? 1 : 0; });
    };
    s->get_current_speed = [](cef_download_item_t*) -> int64 { return 0; };
    s->get_percent_complete = [](cef_download_item_t* self) {
      return Read<int>(self, [](Download& d) {
        if (d.complete) return 100;
        return d.total > 0 ? static_cast<int>(d.received * 100 / d.total) : -1;
      });
    };
    s->get_total_bytes = [](cef_download_item_t* self) {
      return Read<int64>(self, [](Download& d) { return d.total; });
    };
    s->get_received_bytes = [](cef_download_item_t* self) {
      return Read<int64>(self, [](Download& d) { return d.received; });
    };
    s->get_start_time = [](cef_download_item_t* self) {
      return Read<cef_time_t>(self, [](Download& d) { return d.start; });
    };
    s->get_end_time = [](cef_download_item_t* self) {
      return Read<cef_time_t>(self, [](Download& d) { return d.end; });
    };
    s->get_full_path = [](cef_download_item_t* self) {
      return NewUserFree(Read<std::wstring>(self, [](Download& d) { return d.full_path; }));
    };
    s->get_id = [](cef_download_item_t* self) {
      return Read<uint32>(self, [](Download& d) { return d.id; });
    };
    s->get_url = [](cef_download_item_t* self) {
      return NewUserFree(Read<std::wstring>(self, [](Download& d) { return d.url; }));
    };
    s->get_original_url = s->get_url;
    s->get_suggested_file_name = [](cef_download_item_t* self) {
      return NewUserFree(Read<std::wstring>(self, [](Download& d) { return d.suggested_name; }));
    };
    s->get_content_disposition = [](cef_download_item_t* self) {
      return NewUserFree(Read<std::wstring>(
          self, [](Download& d) { return L"attachment; filename=\"" + d.suggested_name + L"\""; }));
    };
    s->get_mime_type = [](cef_download_item_t* self) {
      return NewUserFree(Read<std::wstring>(self, [](Download& d) { return d.mime_type; }));
    };
    FillUnsimulated(s, "download_item");
  }

 private:
  template <typename Result, typename Reader>
  static Result Read(cef_download_item_t* self, Reader reader) {
    DownloadItem* item = From(self);
    if (!item) return Result();
    std::lock_guard<std::mutex> guard(item->download_->lock);
    return reader(*item->download_);
  }

  std::shared_ptr<Download> download_;
};

class DownloadItemCallback
    : public EngineObject<DownloadItemCallback, cef_download_item_callback_t> {
 public:
  explicit DownloadItemCallback(std::shared_ptr<Download> download)
      : EngineObject("download_item_callback"), download_(std::move(download)) {
    cef_download_item_callback_t* s = data();
    s->cancel = [](cef_download_item_callback_t* self) {
      DownloadItemCallback* callback = From(self);
      if (!callback) return;
      std::lock_guard<std::mutex> guard(callback->download_->lock);
      if (callback->download_->complete) return;
      callback->download_->canceled = true;  // the transfer sees it before it writes the file
      Trace("download-cancel-requested id=" + std::to_string(callback->download_->id));
    };
    s->pause = [](cef_download_item_callback_t*) { Trace("stub download_item_callback.pause"); };
    s->resume = [](cef_download_item_callback_t*) { Trace("stub download_item_callback.resume"); };
    FillUnsimulated(s, "download_item_callback");
  }

 private:
  std::shared_ptr<Download> download_;
};

}  // namespace

cef_jsdialog_callback_t* NewJsDialogCallback(std::function<void(bool, std::wstring)> done) {
  return (new JsDialogCallback(std::move(done)))->data();
}

cef_sslinfo_t* NewSslInfo(const std::wstring& host, int status) {
  return (new SslInfo(host, status))->data();
}

cef_web_plugin_info_t* NewWebPluginInfo(const std::wstring& name, const std::wstring& path) {
  return (new WebPluginInfo(name, path))->data();
}

cef_download_item_t* NewDownloadItem(std::shared_ptr<Download> download) {
  return (new DownloadItem(std::move(download)))->data();
}

cef_before_download_callback_t* NewBeforeDownloadCallback(
    std::function<void(bool, std::wstring)> done) {
  return (new BeforeDownloadCallback(std::move(done)))->data();
}

cef_download_item_callback_t* NewDownloadItemCallback(std::shared_ptr<Download> download) {
  return (new DownloadItemCallback(std::move(download)))->data();
}

cef_time_t DownloadTimeNow() { return Now(); }

}  // namespace standin
