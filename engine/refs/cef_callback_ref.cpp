#include "engine/refs/cef_callback_ref.h"

#include "engine/core/cef_ref_call.h"

CefRefPtr<ICefCallback> TCefCallbackRef::UnWrap(cef_callback_t* data) {
  if (data == nullptr) return nullptr;
  return MakeRefCounted<TCefCallbackRef>(data);
}

void TCefCallbackRef::Cont() { CallEngine(Engine(), &cef_callback_t::cont); }

void TCefCallbackRef::Cancel() { CallEngine(Engine(), &cef_callback_t::cancel); }
