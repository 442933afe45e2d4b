#include "engine/callbacks/cef_resolve_callback_own.h"

#include "engine/core/cef_string_collections.h"

namespace {

static_assert(sizeof(cef_resolve_callback_t) == 48, "resolve callback structure");

// The engine owns the list and frees it after the call.
void CEF_CALLBACK OnResolveCompletedCallback(cef_resolve_callback_t* self, cef_errorcode_t result,
                                             cef_string_list_t resolved_ips) {
  WithOwner<TCefResolveCallbackOwn>(self, [&](TCefResolveCallbackOwn& callback) {
    std::vector<ustring> resolvedIps;
    if (resolved_ips != nullptr) {
      MakeRefCounted<TCefStringListRef>(resolved_ips)->CopyToStrings(resolvedIps);
    }
    callback.OnResolveCompleted(result, resolvedIps);
  });
}

}  // namespace

TCefResolveCallbackOwn::TCefResolveCallbackOwn() {
  CreateData(sizeof(cef_resolve_callback_t), false);
  Data<cef_resolve_callback_t>()->on_resolve_completed = OnResolveCompletedCallback;
}
