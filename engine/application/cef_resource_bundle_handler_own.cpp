#include "engine/application/cef_resource_bundle_handler_own.h"

#include "engine/application/cef_application.h"
#include "engine/core/engine_callback.h"
#include "engine/core/exception_policy.h"

namespace {

using Handler = TCefResourceBundleHandlerOwn;

// The engine's output is written only when the program supplies the value ("not supplied"
// leaves it as the engine passed it); without an output slot there is nothing to ask.

int CEF_CALLBACK GetLocalizedStringCallback(cef_resource_bundle_handler_t* self, int string_id,
                                            cef_string_t* string) {
  return WithOwner<Handler>(
      L"TCefResourceBundleHandlerOwn.GetLocalizedString", self, 0, [&](Handler& handler) {
        ustring value;
        if (string == nullptr || !handler.GetLocalizedString(string_id, value)) return 0;
        SetEngineString(string, value);
        return 1;
      });
}

// `ask(data, size)` is the handler's operation for one resource.
template <class Ask>
int GiveResource(void** data_slot, size_t* size_slot, Ask&& ask) {
  if (data_slot == nullptr || size_slot == nullptr) return 0;
  void* data = nullptr;
  size_t size = 0;
  if (!ask(data, size)) return 0;
  *data_slot = data;
  *size_slot = size;
  return 1;
}

int CEF_CALLBACK GetDataResourceCallback(cef_resource_bundle_handler_t* self, int resource_id,
                                         void** data, size_t* data_size) {
  return WithOwner<Handler>(
      L"TCefResourceBundleHandlerOwn.GetDataResource", self, 0, [&](Handler& handler) {
        return GiveResource(data, data_size, [&](void*& resource, size_t& size) {
          return handler.GetDataResource(resource_id, resource, size);
        });
      });
}

int CEF_CALLBACK GetDataResourceForScaleCallback(cef_resource_bundle_handler_t* self,
                                                 int resource_id, cef_scale_factor_t scale_factor,
                                                 void** data, size_t* data_size) {
  return WithOwner<Handler>(
      L"TCefResourceBundleHandlerOwn.GetDataResourceForScale", self, 0, [&](Handler& handler) {
        return GiveResource(data, data_size, [&](void*& resource, size_t& size) {
          return handler.GetDataResourceForScale(resource_id, scale_factor, resource, size);
        });
      });
}

}  // namespace

TCefResourceBundleHandlerOwn::TCefResourceBundleHandlerOwn() {
  auto* data = CreateData<cef_resource_bundle_handler_t>();
  data->get_localized_string = GetLocalizedStringCallback;
  data->get_data_resource = GetDataResourceCallback;
  data->get_data_resource_for_scale = GetDataResourceForScaleCallback;
}

bool TCefCustomResourceBundleHandler::GetLocalizedString(int32_t stringId, ustring& stringValue) {
  return FCefApp->ForwardGuarded(L"TCefCustomResourceBundleHandler.GetLocalizedString", false,
                                 [&](TCefApplication& cefApp) {
                                   return cefApp.Internal_GetLocalizedString(stringId, stringValue);
                                 });
}

bool TCefCustomResourceBundleHandler::GetDataResource(int32_t resourceId, void*& data,
                                                      size_t& dataSize) {
  return FCefApp->ForwardGuarded(
      L"TCefCustomResourceBundleHandler.GetDataResource", false, [&](TCefApplication& cefApp) {
        return cefApp.Internal_GetDataResource(resourceId, data, dataSize);
      });
}

bool TCefCustomResourceBundleHandler::GetDataResourceForScale(int32_t resourceId,
                                                              cef_scale_factor_t scaleFactor,
                                                              void*& data, size_t& dataSize) {
  return FCefApp->ForwardGuarded(L"TCefCustomResourceBundleHandler.GetDataResourceForScale", false,
                                 [&](TCefApplication& cefApp) {
                                   return cefApp.Internal_GetDataResourceForScale(
                                       resourceId, scaleFactor, data, dataSize);
                                 });
}
