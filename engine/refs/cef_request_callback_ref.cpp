#include "engine/refs/cef_request_callback_ref.h"

#include "engine/core/cef_ref_call.h"

CefRefPtr<ICefRequestCallback> TCefRequestCallbackRef::UnWrap(cef_request_callback_t* data) {
  if (data == nullptr) return nullptr;
  return MakeRefCounted<TCefRequestCallbackRef>(data);
}

void TCefRequestCallbackRef::Cont(bool allow) {
  CallEngine(Engine(), &cef_request_callback_t::cont, EngineBool(allow));
}

void TCefRequestCallbackRef::Cancel() { CallEngine(Engine(), &cef_request_callback_t::cancel); }
