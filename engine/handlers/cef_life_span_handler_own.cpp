#include "engine/handlers/cef_life_span_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_frame_ref.h"

namespace {

static_assert(sizeof(cef_life_span_handler_t) == 72, "life span handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefLifeSpanHandlerOwn;

int CEF_CALLBACK OnBeforePopupCallback(cef_life_span_handler_t* self, cef_browser_t* browser,
                                       cef_frame_t* frame, const cef_string_t* target_url,
                                       const cef_string_t* target_frame_name,
                                       cef_window_open_disposition_t target_disposition,
                                       int user_gesture, const cef_popup_features_t* popupFeatures,
                                       cef_window_info_t* windowInfo, cef_client_t** client,
                                       cef_browser_settings_t* settings,
                                       cef_dictionary_value_t** extra_info,
                                       int* no_javascript_access) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  // Any client object will do for the pop-up, so the generic wrapper holds it.
  auto aClient =
      ObjectInOut(client, [](cef_client_t* data) { return TCefBaseRefCountedRef::UnWrap(data); });
  auto aExtraInfo = ObjectInOut(extra_info, &TCefDictionaryValueRef::UnWrap);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    TEngineBoolInOut noJavascriptAccess(no_javascript_access);
    const bool cancel = handler.OnBeforePopup(
        aBrowser, aFrame, CopyEngineString(target_url), CopyEngineString(target_frame_name),
        target_disposition, user_gesture != 0, popupFeatures, windowInfo, aClient.value, settings,
        aExtraInfo.value, noJavascriptAccess.value);
    aClient.GiveBack();
    aExtraInfo.GiveBack();
    noJavascriptAccess.GiveBack();
    return EngineBool(cancel);
  });
}

void CEF_CALLBACK OnAfterCreatedCallback(cef_life_span_handler_t* self, cef_browser_t* browser) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnAfterCreated(aBrowser); });
}

int CEF_CALLBACK DoCloseCallback(cef_life_span_handler_t* self, cef_browser_t* browser) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<Handler>(
      self, 0, [&](Handler& handler) { return EngineBool(handler.DoClose(aBrowser)); });
}

void CEF_CALLBACK OnBeforeCloseCallback(cef_life_span_handler_t* self, cef_browser_t* browser) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnBeforeClose(aBrowser); });
}

}  // namespace

TCefLifeSpanHandlerOwn::TCefLifeSpanHandlerOwn() {
  CreateData(sizeof(cef_life_span_handler_t), false);
  auto* data = Data<cef_life_span_handler_t>();
  data->on_before_popup = OnBeforePopupCallback;
  data->on_after_created = OnAfterCreatedCallback;
  data->do_close = DoCloseCallback;
  data->on_before_close = OnBeforeCloseCallback;
}
