#include "engine/handlers/cef_find_handler_own.h"

#include "engine/refs/cef_browser_ref.h"

namespace {

static_assert(sizeof(cef_find_handler_t) == 48, "find handler structure of the engine");

// The browser argument carries a reference; it is wrapped before the owner check so that the
// reference is released even when the structure has no owner.
void CEF_CALLBACK OnFindResultCallback(cef_find_handler_t* self, cef_browser_t* browser,
                                       int identifier, int count, const cef_rect_t* selectionRect,
                                       int activeMatchOrdinal, int finalUpdate) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<TCefFindHandlerOwn>(self, [&](TCefFindHandlerOwn& handler) {
    handler.OnFindResult(aBrowser, identifier, count, selectionRect, activeMatchOrdinal,
                         finalUpdate != 0);
  });
}

}  // namespace

TCefFindHandlerOwn::TCefFindHandlerOwn() {
  CreateData(sizeof(cef_find_handler_t), false);
  Data<cef_find_handler_t>()->on_find_result = OnFindResultCallback;
}
