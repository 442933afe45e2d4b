#include "engine/handlers/cef_display_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"

namespace {

static_assert(sizeof(cef_display_handler_t) == 112, "display handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefDisplayHandlerOwn;

void CEF_CALLBACK OnAddressChangeCallback(cef_display_handler_t* self, cef_browser_t* browser,
                                          cef_frame_t* frame, const cef_string_t* url) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnAddressChange(aBrowser, aFrame, CopyEngineString(url));
  });
}

void CEF_CALLBACK OnTitleChangeCallback(cef_display_handler_t* self, cef_browser_t* browser,
                                        const cef_string_t* title) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnTitleChange(aBrowser, CopyEngineString(title)); });
}

void CEF_CALLBACK OnFaviconUrlChangeCallback(cef_display_handler_t* self, cef_browser_t* browser,
                                             cef_string_list_t icon_urls) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnFaviconUrlChange(aBrowser, CopyEngineStringList(icon_urls));
  });
}

void CEF_CALLBACK OnFullscreenModeChangeCallback(cef_display_handler_t* self,
                                                 cef_browser_t* browser, int fullscreen) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnFullscreenModeChange(aBrowser, fullscreen != 0); });
}

int CEF_CALLBACK OnTooltipCallback(cef_display_handler_t* self, cef_browser_t* browser,
                                   cef_string_t* text) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    TEngineStringTakeAndGiveBack tooltip(text);
    const bool handled = handler.OnTooltip(aBrowser, tooltip.value);
    tooltip.GiveBack();
    return EngineBool(handled);
  });
}

void CEF_CALLBACK OnStatusMessageCallback(cef_display_handler_t* self, cef_browser_t* browser,
                                          const cef_string_t* value) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnStatusMessage(aBrowser, CopyEngineString(value)); });
}

int CEF_CALLBACK OnConsoleMessageCallback(cef_display_handler_t* self, cef_browser_t* browser,
                                          cef_log_severity_t level, const cef_string_t* message,
                                          const cef_string_t* source, int line) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnConsoleMessage(aBrowser, level, CopyEngineString(message),
                                               CopyEngineString(source), line));
  });
}

int CEF_CALLBACK OnAutoResizeCallback(cef_display_handler_t* self, cef_browser_t* browser,
                                      const cef_size_t* new_size) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnAutoResize(aBrowser, new_size));
  });
}

void CEF_CALLBACK OnLoadingProgressChangeCallback(cef_display_handler_t* self,
                                                  cef_browser_t* browser, double progress) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnLoadingProgressChange(aBrowser, progress); });
}

}  // namespace

TCefDisplayHandlerOwn::TCefDisplayHandlerOwn() {
  CreateData(sizeof(cef_display_handler_t), false);
  auto* data = Data<cef_display_handler_t>();
  data->on_address_change = OnAddressChangeCallback;
  data->on_title_change = OnTitleChangeCallback;
  data->on_favicon_urlchange = OnFaviconUrlChangeCallback;
  data->on_fullscreen_mode_change = OnFullscreenModeChangeCallback;
  data->on_tooltip = OnTooltipCallback;
  data->on_status_message = OnStatusMessageCallback;
  data->on_console_message = OnConsoleMessageCallback;
  data->on_auto_resize = OnAutoResizeCallback;
  data->on_loading_progress_change = OnLoadingProgressChangeCallback;
}
