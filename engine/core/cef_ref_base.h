#ifndef OSTREL_ENGINE_CORE_CEF_REF_BASE_H_
#define OSTREL_ENGINE_CORE_CEF_REF_BASE_H_

#include <type_traits>

#include "engine/core/cef_base_ref_counted.h"

// The base of reference wrapper `Self`, which holds engine structure `S` and implements the
// program's interface `I`:
//   class TCefFrameRef final : public TCefRefBase<TCefFrameRef, ICefFrame, cef_frame_t> {
//    public:
//     using TCefRefBase::TCefRefBase;
//     ... the operations of ICefFrame ...
//    private:
//     ~TCefFrameRef() override = default;
//   };
template <class Self, class I, class S>
class TCefRefBase : public TCefBaseRefCountedRef, public I {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefRefBase(S* data) : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<I> UnWrap(S* data) {
    static_assert(!std::is_destructible_v<Self>, "only the last Release may destroy a wrapper");
    if (data == nullptr) return nullptr;
    return MakeRefCounted<Self>(data);
  }

 protected:
  ~TCefRefBase() override = default;

  S* Engine() const noexcept { return Data<S>(); }
};

#endif  // OSTREL_ENGINE_CORE_CEF_REF_BASE_H_
