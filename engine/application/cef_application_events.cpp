// TCefApplication: the forwarding operations through which the handler objects reach the
// events (called on engine threads), and the content-decryption module registration.

#include "engine/application/cef_application.h"
#include "engine/callbacks/cef_register_cdm_callback_own.h"
#include "engine/core/cef_api.h"
#include "engine/core/exception_policy.h"
#include "engine/support/paths.h"

void TCefApplication::RegisterWidevineCDM() {
  GuardRoutine(L"TCefApplication.RegisterWidevineCDM", [&] {
    if (!FLibLoaded || FWidevinePath.empty() || !DirectoryExists(FWidevinePath)) return;
    // The completion may come after this object is gone: it asks GlobalCEFApp at that time.
    const CefRefPtr<TCefFastRegisterCDMCallback> callback =
        MakeRefCounted<TCefFastRegisterCDMCallback>([](cef_cdm_registration_error_t result,
                                                       const ustring& message) {
          if (GlobalCEFApp == nullptr) return;
          GuardRoutine(L"TCefRegisterCDMCallbackOwn.OnCDMRegistrationComplete",
                       [&] { GlobalCEFApp->Internal_OnCDMRegistrationComplete(result, message); });
        });
    const cef_string_t path = BorrowEngineString(FWidevinePath);
    cef_register_widevine_cdm(
        &path, static_cast<cef_register_cdm_callback_t*>(EngineDataFromInterface(callback)));
  });
}

void TCefApplication::Internal_OnRegisterCustomSchemes(TCefSchemeRegistrarRef* registrar) {
  if (OnRegCustomSchemes) OnRegCustomSchemes(registrar);
}

void TCefApplication::Internal_OnContextInitialized() {
  FGlobalContextInitialized.store(true, std::memory_order_release);
  if (OnContextInitialized) OnContextInitialized();
}

void TCefApplication::Internal_OnBeforeChildProcessLaunch(Ref<ICefCommandLine> command_line) {
  if (OnBeforeChildProcessLaunch) OnBeforeChildProcessLaunch(command_line);
}

void TCefApplication::Internal_OnRenderProcessThreadCreated(Ref<ICefListValue> extra_info) {
  if (OnRenderProcessThreadCreated) OnRenderProcessThreadCreated(extra_info);
}

void TCefApplication::Internal_OnScheduleMessagePumpWork(int64_t delay_ms) {
  if (OnScheduleMessagePumpWork) OnScheduleMessagePumpWork(delay_ms);
}

bool TCefApplication::Internal_GetLocalizedString(int32_t string_id, ustring& string_value) {
  if (!OnGetLocalizedString) return false;
  bool result = false;
  string_value.clear();
  OnGetLocalizedString(string_id, string_value, result);
  return result;
}

bool TCefApplication::Internal_GetDataResource(int32_t resource_id, void*& data,
                                               size_t& data_size) {
  if (!OnGetDataResource) return false;
  bool result = false;
  OnGetDataResource(resource_id, data, data_size, result);
  return result;
}

bool TCefApplication::Internal_GetDataResourceForScale(int32_t resource_id,
                                                       cef_scale_factor_t scale_factor, void*& data,
                                                       size_t& data_size) {
  if (!OnGetDataResourceForScale) return false;
  bool result = false;
  OnGetDataResourceForScale(resource_id, scale_factor, data, data_size, result);
  return result;
}

void TCefApplication::Internal_OnRenderThreadCreated(Ref<ICefListValue> extra_info) {
  if (OnRenderThreadCreated) OnRenderThreadCreated(extra_info);
}

void TCefApplication::Internal_OnWebKitInitialized() {
  if (OnWebKitInitialized) OnWebKitInitialized();
}

void TCefApplication::Internal_OnBrowserCreated(Ref<ICefBrowser> browser,
                                                Ref<ICefDictionaryValue> extra_info) {
  if (OnBrowserCreated) OnBrowserCreated(browser, extra_info);
}

void TCefApplication::Internal_OnBrowserDestroyed(Ref<ICefBrowser> browser) {
  if (OnBrowserDestroyed) OnBrowserDestroyed(browser);
}

void TCefApplication::Internal_OnContextCreated(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                                Ref<ICefScriptObject> context) {
  if (OnContextCreated) OnContextCreated(browser, frame, context);
}

void TCefApplication::Internal_OnContextReleased(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                                 Ref<ICefScriptObject> context) {
  if (OnContextReleased) OnContextReleased(browser, frame, context);
}

void TCefApplication::Internal_OnUncaughtException(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                                   Ref<ICefScriptObject> context,
                                                   Ref<ICefScriptObject> exception,
                                                   Ref<ICefScriptObject> stack_trace) {
  if (OnUncaughtException) OnUncaughtException(browser, frame, context, exception, stack_trace);
}

void TCefApplication::Internal_OnFocusedNodeChanged(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                                    Ref<ICefScriptObject> node) {
  if (OnFocusedNodeChanged) OnFocusedNodeChanged(browser, frame, node);
}

void TCefApplication::Internal_OnProcessMessageReceived(Ref<ICefBrowser> browser,
                                                        Ref<ICefFrame> frame,
                                                        cef_process_id_t source_process,
                                                        Ref<ICefProcessMessage> message,
                                                        bool& handled) {
  if (OnProcessMessageReceived) {
    OnProcessMessageReceived(browser, frame, source_process, message, handled);
  } else {
    handled = false;
  }
}

void TCefApplication::Internal_OnCDMRegistrationComplete(cef_cdm_registration_error_t result,
                                                         const ustring& error_message) {
  if (OnCDMRegistrationComplete) OnCDMRegistrationComplete(result, error_message);
}

void TCefApplication::Internal_OnLoadingStateChange(Ref<ICefBrowser> browser, bool is_loading,
                                                    bool can_go_back, bool can_go_forward) {
  if (OnLoadingStateChange) OnLoadingStateChange(browser, is_loading, can_go_back, can_go_forward);
}

void TCefApplication::Internal_OnLoadStart(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                           cef_transition_type_t transition_type) {
  if (OnLoadStart) OnLoadStart(browser, frame, transition_type);
}

void TCefApplication::Internal_OnLoadEnd(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                         int32_t http_status) {
  if (OnLoadEnd) OnLoadEnd(browser, frame, http_status);
}

void TCefApplication::Internal_OnLoadError(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                           cef_errorcode_t error_code, const ustring& error_text,
                                           const ustring& failed_url) {
  if (OnLoadError) OnLoadError(browser, frame, error_code, error_text, failed_url);
}
