#include "engine/handlers/cef_load_handler_own.h"

#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"

namespace {

static_assert(sizeof(cef_load_handler_t) == 72, "load handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

void CEF_CALLBACK OnLoadingStateChangeCallback(cef_load_handler_t* self, cef_browser_t* browser,
                                               int isLoading, int canGoBack, int canGoForward) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<TCefLoadHandlerOwn>(self, [&](TCefLoadHandlerOwn& handler) {
    handler.OnLoadingStateChange(aBrowser, isLoading != 0, canGoBack != 0, canGoForward != 0);
  });
}

void CEF_CALLBACK OnLoadStartCallback(cef_load_handler_t* self, cef_browser_t* browser,
                                      cef_frame_t* frame, cef_transition_type_t transition_type) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  WithOwner<TCefLoadHandlerOwn>(self, [&](TCefLoadHandlerOwn& handler) {
    handler.OnLoadStart(aBrowser, aFrame, transition_type);
  });
}

void CEF_CALLBACK OnLoadEndCallback(cef_load_handler_t* self, cef_browser_t* browser,
                                    cef_frame_t* frame, int httpStatusCode) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  WithOwner<TCefLoadHandlerOwn>(self, [&](TCefLoadHandlerOwn& handler) {
    handler.OnLoadEnd(aBrowser, aFrame, httpStatusCode);
  });
}

void CEF_CALLBACK OnLoadErrorCallback(cef_load_handler_t* self, cef_browser_t* browser,
                                      cef_frame_t* frame, cef_errorcode_t errorCode,
                                      const cef_string_t* errorText,
                                      const cef_string_t* failedUrl) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  WithOwner<TCefLoadHandlerOwn>(self, [&](TCefLoadHandlerOwn& handler) {
    handler.OnLoadError(aBrowser, aFrame, errorCode, CopyEngineString(errorText),
                        CopyEngineString(failedUrl));
  });
}

}  // namespace

TCefLoadHandlerOwn::TCefLoadHandlerOwn() {
  CreateData(sizeof(cef_load_handler_t), false);
  auto* data = Data<cef_load_handler_t>();
  data->on_loading_state_change = OnLoadingStateChangeCallback;
  data->on_load_start = OnLoadStartCallback;
  data->on_load_end = OnLoadEndCallback;
  data->on_load_error = OnLoadErrorCallback;
}
