#include "engine/application/cef_resource_bundle_handler_own.h"

#include "engine/application/cef_application.h"
#include "engine/core/exception_policy.h"

namespace {

static_assert(sizeof(cef_resource_bundle_handler_t) == 64, "resource-bundle handler structure");

int CEF_CALLBACK GetLocalizedStringCallback(cef_resource_bundle_handler_t* self, int string_id,
                                            cef_string_t* string) {
  return WithOwner<TCefResourceBundleHandlerOwn>(
      self, 0, [&](TCefResourceBundleHandlerOwn& handler) {
        ustring value;
        if (string == nullptr || !handler.GetLocalizedString(string_id, value)) return 0;
        SetEngineString(string, value);
        return 1;
      });
}

// The engine's output slots are written only when the program supplies the resource.
int GiveResource(bool supplied, void* data, size_t size, void** data_slot, size_t* size_slot) {
  if (!supplied) return 0;
  *data_slot = data;
  *size_slot = size;
  return 1;
}

int CEF_CALLBACK GetDataResourceCallback(cef_resource_bundle_handler_t* self, int resource_id,
                                         void** data, size_t* data_size) {
  return WithOwner<TCefResourceBundleHandlerOwn>(
      self, 0, [&](TCefResourceBundleHandlerOwn& handler) {
        if (data == nullptr || data_size == nullptr) return 0;
        void* resource = nullptr;
        size_t size = 0;
        const bool supplied = handler.GetDataResource(resource_id, resource, size);
        return GiveResource(supplied, resource, size, data, data_size);
      });
}

int CEF_CALLBACK GetDataResourceForScaleCallback(cef_resource_bundle_handler_t* self,
                                                 int resource_id, cef_scale_factor_t scale_factor,
                                                 void** data, size_t* data_size) {
  return WithOwner<TCefResourceBundleHandlerOwn>(
      self, 0, [&](TCefResourceBundleHandlerOwn& handler) {
        if (data == nullptr || data_size == nullptr) return 0;
        void* resource = nullptr;
        size_t size = 0;
        const bool supplied =
            handler.GetDataResourceForScale(resource_id, scale_factor, resource, size);
        return GiveResource(supplied, resource, size, data, data_size);
      });
}

}  // namespace

TCefResourceBundleHandlerOwn::TCefResourceBundleHandlerOwn() {
  CreateData(sizeof(cef_resource_bundle_handler_t), false);
  auto* data = Data<cef_resource_bundle_handler_t>();
  data->get_localized_string = GetLocalizedStringCallback;
  data->get_data_resource = GetDataResourceCallback;
  data->get_data_resource_for_scale = GetDataResourceForScaleCallback;
}

bool TCefCustomResourceBundleHandler::GetLocalizedString(int32_t stringId, ustring& stringValue) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return false;
  return GuardRoutine(L"TCefCustomResourceBundleHandler.GetLocalizedString", false,
                      [&] { return cefApp->Internal_GetLocalizedString(stringId, stringValue); });
}

bool TCefCustomResourceBundleHandler::GetDataResource(int32_t resourceId, void*& data,
                                                      size_t& dataSize) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return false;
  return GuardRoutine(L"TCefCustomResourceBundleHandler.GetDataResource", false,
                      [&] { return cefApp->Internal_GetDataResource(resourceId, data, dataSize); });
}

bool TCefCustomResourceBundleHandler::GetDataResourceForScale(int32_t resourceId,
                                                              cef_scale_factor_t scaleFactor,
                                                              void*& data, size_t& dataSize) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return false;
  return GuardRoutine(L"TCefCustomResourceBundleHandler.GetDataResourceForScale", false, [&] {
    return cefApp->Internal_GetDataResourceForScale(resourceId, scaleFactor, data, dataSize);
  });
}

void TCefCustomResourceBundleHandler::RemoveReferences() { FCefApp.store(nullptr); }
