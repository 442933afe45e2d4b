#include "engine/handlers/cef_display_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"

namespace {

using Handler = TCefDisplayHandlerOwn;

int CEF_CALLBACK OnTooltipCallback(cef_display_handler_t* self, cef_browser_t* browser,
                                   cef_string_t* text) {
  const CefRefPtr<ICefBrowser> aBrowser = UnWrapEngine(browser);
  return WithOwner<Handler>(L"ICefDisplayHandler.OnTooltip", self, 0, [&](Handler& handler) {
    TEngineStringTakeAndGiveBack tooltip(text);
    const bool handled = handler.OnTooltip(aBrowser, tooltip.value);
    tooltip.GiveBack();
    return EngineBool(handled);
  });
}

}  // namespace

TCefDisplayHandlerOwn::TCefDisplayHandlerOwn() {
  auto* data = CreateData<cef_display_handler_t>();
  BindCallback<&TCefDisplayHandlerOwn::OnAddressChange>(data->on_address_change);
  BindCallback<&TCefDisplayHandlerOwn::OnTitleChange>(data->on_title_change);
  BindCallback<&TCefDisplayHandlerOwn::OnFaviconUrlChange>(data->on_favicon_urlchange);
  BindCallback<&TCefDisplayHandlerOwn::OnFullscreenModeChange>(data->on_fullscreen_mode_change);
  data->on_tooltip = OnTooltipCallback;
  BindCallback<&TCefDisplayHandlerOwn::OnStatusMessage>(data->on_status_message);
  BindCallback<&TCefDisplayHandlerOwn::OnConsoleMessage>(data->on_console_message);
  BindCallback<&TCefDisplayHandlerOwn::OnAutoResize>(data->on_auto_resize);
  BindCallback<&TCefDisplayHandlerOwn::OnLoadingProgressChange>(data->on_loading_progress_change);
}
