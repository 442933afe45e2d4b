#include "engine/handlers/cef_context_menu_handler_own.h"

#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_context_menu_params_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_menu_model_ref.h"
#include "engine/refs/cef_run_context_menu_callback_ref.h"

namespace {

static_assert(sizeof(cef_context_menu_handler_t) == 72,
              "context menu handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

void CEF_CALLBACK OnBeforeContextMenuCallback(cef_context_menu_handler_t* self,
                                              cef_browser_t* browser, cef_frame_t* frame,
                                              cef_context_menu_params_t* params,
                                              cef_menu_model_t* model) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefContextMenuParams> aParams = TCefContextMenuParamsRef::UnWrap(params);
  const CefRefPtr<ICefMenuModel> aModel = TCefMenuModelRef::UnWrap(model);
  WithOwner<TCefContextMenuHandlerOwn>(self, [&](TCefContextMenuHandlerOwn& handler) {
    handler.OnBeforeContextMenu(aBrowser, aFrame, aParams, aModel);
  });
}

int CEF_CALLBACK RunContextMenuCallback(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                        cef_frame_t* frame, cef_context_menu_params_t* params,
                                        cef_menu_model_t* model,
                                        cef_run_context_menu_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefContextMenuParams> aParams = TCefContextMenuParamsRef::UnWrap(params);
  const CefRefPtr<ICefMenuModel> aModel = TCefMenuModelRef::UnWrap(model);
  const CefRefPtr<ICefRunContextMenuCallback> aCallback =
      TCefRunContextMenuCallbackRef::UnWrap(callback);
  return WithOwner<TCefContextMenuHandlerOwn>(self, 0, [&](TCefContextMenuHandlerOwn& handler) {
    return EngineBool(handler.RunContextMenu(aBrowser, aFrame, aParams, aModel, aCallback));
  });
}

int CEF_CALLBACK OnContextMenuCommandCallback(cef_context_menu_handler_t* self,
                                              cef_browser_t* browser, cef_frame_t* frame,
                                              cef_context_menu_params_t* params, int command_id,
                                              cef_event_flags_t event_flags) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefContextMenuParams> aParams = TCefContextMenuParamsRef::UnWrap(params);
  return WithOwner<TCefContextMenuHandlerOwn>(self, 0, [&](TCefContextMenuHandlerOwn& handler) {
    return EngineBool(
        handler.OnContextMenuCommand(aBrowser, aFrame, aParams, command_id, event_flags));
  });
}

void CEF_CALLBACK OnContextMenuDismissedCallback(cef_context_menu_handler_t* self,
                                                 cef_browser_t* browser, cef_frame_t* frame) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  WithOwner<TCefContextMenuHandlerOwn>(self, [&](TCefContextMenuHandlerOwn& handler) {
    handler.OnContextMenuDismissed(aBrowser, aFrame);
  });
}

}  // namespace

TCefContextMenuHandlerOwn::TCefContextMenuHandlerOwn() {
  CreateData(sizeof(cef_context_menu_handler_t), false);
  auto* data = Data<cef_context_menu_handler_t>();
  data->on_before_context_menu = OnBeforeContextMenuCallback;
  data->run_context_menu = RunContextMenuCallback;
  data->on_context_menu_command = OnContextMenuCommandCallback;
  data->on_context_menu_dismissed = OnContextMenuDismissedCallback;
}
