#ifndef OSTREL_ENGINE_HANDLERS_CEF_LIFE_SPAN_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_LIFE_SPAN_HANDLER_OWN_H_

// The engine's life span handler: pop-ups, and a browser's creation and closing.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_life_span_handler.h"

// By default pop-ups open and browsers close the engine's way.
class TCefLifeSpanHandlerOwn : public TCefBaseRefCountedOwn, public ICefLifeSpanHandler {
 protected:
  TCefLifeSpanHandlerOwn();
  ~TCefLifeSpanHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_LIFE_SPAN_HANDLER_OWN_H_
