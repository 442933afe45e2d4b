#include "engine/handlers/cef_request_context_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_request_context_ref.h"
#include "engine/refs/cef_web_plugin_info_ref.h"

namespace {

static_assert(sizeof(cef_request_context_handler_t) == 64,
              "request context handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefRequestContextHandlerOwn;

void CEF_CALLBACK OnRequestContextInitializedCallback(cef_request_context_handler_t* self,
                                                      cef_request_context_t* request_context) {
  const CefRefPtr<ICefRequestContext> aRequestContext =
      TCefRequestContextRef::UnWrap(request_context);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnRequestContextInitialized(aRequestContext); });
}

int CEF_CALLBACK OnBeforePluginLoadCallback(cef_request_context_handler_t* self,
                                            const cef_string_t* mime_type,
                                            const cef_string_t* plugin_url, int is_main_frame,
                                            const cef_string_t* top_origin_url,
                                            cef_web_plugin_info_t* plugin_info,
                                            cef_plugin_policy_t* plugin_policy) {
  const CefRefPtr<ICefWebPluginInfo> aPluginInfo = TCefWebPluginInfoRef::UnWrap(plugin_info);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    TEngineValueInOut<cef_plugin_policy_t> pluginPolicy(plugin_policy);
    const bool changed = handler.OnBeforePluginLoad(
        CopyEngineString(mime_type), CopyEngineString(plugin_url), is_main_frame != 0,
        CopyEngineString(top_origin_url), aPluginInfo, pluginPolicy.value);
    pluginPolicy.GiveBack();
    return EngineBool(changed);
  });
}

}  // namespace

TCefRequestContextHandlerOwn::TCefRequestContextHandlerOwn() {
  CreateData(sizeof(cef_request_context_handler_t), false);
  auto* data = Data<cef_request_context_handler_t>();
  data->on_request_context_initialized = OnRequestContextInitializedCallback;
  data->on_before_plugin_load = OnBeforePluginLoadCallback;
  data->get_resource_request_handler = GetResourceRequestHandlerCallback<Handler>;
}
