#ifndef OSTREL_ENGINE_CEF_HANDLER_ARGS_H_
#define OSTREL_ENGINE_CEF_HANDLER_ARGS_H_

// Conversions of the arguments that the engine's handler callbacks pass by pointer for the
// handler to change. Each holder reads the engine's value when it is built and writes it back
// only on GiveBack, so it is built and given back inside the owner check: when the structure has
// no owner the engine's value stays as it was.
//
// In/out engine objects are the exception: the pointer carries a reference for the callee, so
// it is wrapped (ObjectInOut) before the owner check, like every other engine-object argument,
// and that reference is released whatever happens.

#include <type_traits>
#include <utility>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/cef_api.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_browser_ref.h"
#include "engine/cef_frame_ref.h"
#include "engine/cef_request_ref.h"
#include "engine/cef_resource_request_handler_own.h"
#include "engine/cef_string.h"

// A Boolean the engine passes as int*: non-zero is true; written back as 0/1.
class TEngineBoolInOut {
 public:
  explicit TEngineBoolInOut(int* slot) noexcept
      : value(slot != nullptr && *slot != 0), FSlot(slot) {}
  void GiveBack() const noexcept {
    if (FSlot != nullptr) *FSlot = EngineBool(value);
  }

  bool value;

 private:
  int* FSlot;
};

// An enumeration or integer the engine passes by pointer, handed through unchanged.
template <class T>
class TEngineValueInOut {
 public:
  explicit TEngineValueInOut(T* slot) noexcept
      : value(slot != nullptr ? *slot : T{}), FSlot(slot) {}
  void GiveBack() const noexcept {
    if (FSlot != nullptr) *FSlot = value;
  }

  T value;

 private:
  T* FSlot;
};

// A string record the handler may replace, "take and give back": the text moves out of the
// record (which is cleared), and GiveBack stores the possibly changed text as a new
// engine-owned record, which the engine frees. Without the engine's string functions nothing is
// taken, so nothing is given back either: the record keeps its text and buffer.
class TEngineStringTakeAndGiveBack {
 public:
  explicit TEngineStringTakeAndGiveBack(cef_string_t* record)
      : value(CopyAndClearEngineString(record)),
        FRecord(EngineLibraryLoaded() ? record : nullptr) {}
  void GiveBack() const {
    if (FRecord != nullptr) *FRecord = AllocEngineString(value);
  }

  ustring value;

 private:
  cef_string_t* FRecord;
};

// A string record the handler may replace, "copy and set if given": the record keeps its text
// unless the handler leaves a non-empty one.
class TEngineStringCopyAndSet {
 public:
  explicit TEngineStringCopyAndSet(cef_string_t* record)
      : value(CopyEngineString(record)), FRecord(record) {}
  void GiveBack() const {
    if (!value.empty()) SetEngineString(FRecord, value);
  }

  ustring value;

 private:
  cef_string_t* FRecord;
};

// An engine object the handler may keep, clear or replace (`S**`). The wrapper takes over the
// reference that comes with `*slot`. GiveBack leaves the engine's pointer untouched when the
// handler kept the same object, nulls it when the handler cleared it, and otherwise stores the
// new object's structure with one reference handed to the engine.
template <class I, class S>
class TEngineObjectInOut {
 public:
  TEngineObjectInOut(S** slot, CefRefPtr<I> object) noexcept
      : value(std::move(object)), FSlot(slot) {}
  void GiveBack() const {
    if (FSlot == nullptr) return;
    if (!value) {
      *FSlot = nullptr;
    } else if (!value->SameAs(static_cast<void*>(*FSlot))) {
      *FSlot = static_cast<S*>(EngineDataFromInterface(value));
    }
  }

  CefRefPtr<I> value;

 private:
  S** FSlot;
};

// Wraps `*slot` with `unwrap` (a reference wrapper's UnWrap), e.g.
// `auto extraInfo = ObjectInOut(extra_info, &TCefDictionaryValueRef::UnWrap);`
template <class S, class UnWrapFn>
auto ObjectInOut(S** slot, UnWrapFn unwrap) {
  auto object = unwrap(slot != nullptr ? *slot : nullptr);
  using I = typename std::remove_pointer_t<decltype(object.get())>;
  return TEngineObjectInOut<I, S>(slot, std::move(object));
}

// An object handed to the engine as a callback result: its structure with +1 for the engine.
template <class S, class T>
S* EngineResult(const CefRefPtr<T>& object) {
  return static_cast<S*>(EngineDataFromInterface(object));
}

// The engine's get-resource-request-handler callback, the same for the request handler and the
// request context handler (`Owner`, whose structure is `S`): the handler goes out with +1 for
// the engine; the disable-default-handling flag is an in/out Boolean.
template <class Owner, class S>
cef_resource_request_handler_t* CEF_CALLBACK GetResourceRequestHandlerCallback(
    S* self, cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, int is_navigation,
    int is_download, const cef_string_t* request_initiator, int* disable_default_handling) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  return WithOwner<Owner>(
      self, static_cast<cef_resource_request_handler_t*>(nullptr), [&](Owner& handler) {
        TEngineBoolInOut disableDefaultHandling(disable_default_handling);
        auto* result =
            EngineResult<cef_resource_request_handler_t>(handler.GetResourceRequestHandler(
                aBrowser, aFrame, aRequest, is_navigation != 0, is_download != 0,
                CopyEngineString(request_initiator), disableDefaultHandling.value));
        disableDefaultHandling.GiveBack();
        return result;
      });
}

// The strings of an engine list argument (the engine owns the list), in index order.
std::vector<ustring> CopyEngineStringList(cef_string_list_t list);

#endif  // OSTREL_ENGINE_CEF_HANDLER_ARGS_H_
