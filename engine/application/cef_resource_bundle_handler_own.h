#ifndef OSTREL_ENGINE_APPLICATION_CEF_RESOURCE_BUNDLE_HANDLER_OWN_H_
#define OSTREL_ENGINE_APPLICATION_CEF_RESOURCE_BUNDLE_HANDLER_OWN_H_

// The engine's resource-bundle handler: lets the program supply localized strings and data
// resources in place of the engine's own. Created only when the application object asks for it
// (see TCustomCefApp).

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "engine/capi/cef_capi.h"
#include "engine/core/call_counter.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class TCefApplication;

// Owned wrapper of the engine's resource-bundle handler structure. Every operation answers
// "not supplied" (false) by default; on true the engine takes the value the operation gave.
class TCefResourceBundleHandlerOwn : public TCefBaseRefCountedOwn {
 public:
  virtual bool GetLocalizedString(int32_t /*stringId*/, ustring& /*stringValue*/) { return false; }
  virtual bool GetDataResource(int32_t /*resourceId*/, void*& /*data*/, size_t& /*dataSize*/) {
    return false;
  }
  virtual bool GetDataResourceForScale(int32_t /*resourceId*/, cef_scale_factor_t /*scaleFactor*/,
                                       void*& /*data*/, size_t& /*dataSize*/) {
    return false;
  }

  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}

 protected:
  TCefResourceBundleHandlerOwn();
};

// Asks the TCefApplication it serves (its resource events).
class TCefCustomResourceBundleHandler final : public TCefResourceBundleHandlerOwn {
 public:
  explicit TCefCustomResourceBundleHandler(CefRefPtr<TCallTarget<TCefApplication>> cefApp) noexcept
      : FCefApp(std::move(cefApp)) {}

  bool GetLocalizedString(int32_t stringId, ustring& stringValue) override;
  bool GetDataResource(int32_t resourceId, void*& data, size_t& dataSize) override;
  bool GetDataResourceForScale(int32_t resourceId, cef_scale_factor_t scaleFactor, void*& data,
                               size_t& dataSize) override;

  void RemoveReferences() override { FCefApp->Detach(); }

 private:
  ~TCefCustomResourceBundleHandler() override = default;

  const CefRefPtr<TCallTarget<TCefApplication>> FCefApp;
};

#endif  // OSTREL_ENGINE_APPLICATION_CEF_RESOURCE_BUNDLE_HANDLER_OWN_H_
