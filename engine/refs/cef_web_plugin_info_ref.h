#ifndef OSTREL_ENGINE_REFS_CEF_WEB_PLUGIN_INFO_REF_H_
#define OSTREL_ENGINE_REFS_CEF_WEB_PLUGIN_INFO_REF_H_

// Facts about a browser plug-in (the one that crashed, the one about to load).

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefWebPluginInfo : public virtual ICefBaseRefCounted {
 public:
  virtual ustring GetName() = 0;
  virtual ustring GetPath() = 0;
  virtual ustring GetVersion() = 0;
  virtual ustring GetDescription() = 0;
};

class TCefWebPluginInfoRef final : public TCefBaseRefCountedRef, public ICefWebPluginInfo {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefWebPluginInfoRef(cef_web_plugin_info_t* data) : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<ICefWebPluginInfo> UnWrap(cef_web_plugin_info_t* data);

  ustring GetName() override;
  ustring GetPath() override;
  ustring GetVersion() override;
  ustring GetDescription() override;

 private:
  ~TCefWebPluginInfoRef() override = default;
  cef_web_plugin_info_t* Engine() const noexcept { return Data<cef_web_plugin_info_t>(); }
};

inline CefRefPtr<ICefWebPluginInfo> UnWrapEngine(cef_web_plugin_info_t* data) {
  return TCefWebPluginInfoRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_WEB_PLUGIN_INFO_REF_H_
