#ifndef OSTREL_ENGINE_REFS_CEF_WEB_PLUGIN_INFO_REF_H_
#define OSTREL_ENGINE_REFS_CEF_WEB_PLUGIN_INFO_REF_H_

// Facts about a browser plug-in (the one that crashed, the one about to load).

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefWebPluginInfo : public virtual ICefBaseRefCounted {
 public:
  virtual ustring GetName() = 0;
  virtual ustring GetPath() = 0;
  virtual ustring GetVersion() = 0;
  virtual ustring GetDescription() = 0;
};

class TCefWebPluginInfoRef final
    : public TCefRefBase<TCefWebPluginInfoRef, ICefWebPluginInfo, cef_web_plugin_info_t> {
 public:
  using TCefRefBase::TCefRefBase;

  ustring GetName() override;
  ustring GetPath() override;
  ustring GetVersion() override;
  ustring GetDescription() override;

 private:
  ~TCefWebPluginInfoRef() override = default;
};

inline CefRefPtr<ICefWebPluginInfo> UnWrapEngine(cef_web_plugin_info_t* data) {
  return TCefWebPluginInfoRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_WEB_PLUGIN_INFO_REF_H_
