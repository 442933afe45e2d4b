// Group "request context": the global context, new and shared contexts with their handlers.
// Contexts that share storage (the global one with itself, a shared context with its origin)
// compare as sharing; is_same holds for two objects of the same context. A context created with
// a handler reports on_request_context_initialized on the UI thread, as the engine does, and
// keeps the handler until the context goes. Preferences: the values the program set, by their
// dotted names (no engine defaults); get_all_preferences nests them at the dots, as the engine
// lists its preferences; a null value restores the default (removes it). Every write is traced
// ("preference <name> value=<text>").

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "standin/net_objects.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"
#include "standin/unsimulated.h"
#include "standin/values.h"

namespace standin {
namespace {

struct Storage {
  std::mutex lock;
  std::map<std::wstring, std::shared_ptr<ValueNode>> preferences;
};

// Names the program may not set (lock-preference), for every context.
std::mutex gLockedLock;
std::set<std::wstring> gLocked;
std::vector<std::weak_ptr<Storage>> gStorages;

std::shared_ptr<Storage> NewStorage() {
  auto storage = std::make_shared<Storage>();
  const std::lock_guard<std::mutex> hold(gLockedLock);
  gStorages.push_back(storage);
  return storage;
}

bool Locked(const std::wstring& name) {
  const std::lock_guard<std::mutex> hold(gLockedLock);
  return gLocked.count(name) > 0;
}

// The dotted names as nested dictionaries.
std::shared_ptr<ValueNode> AllPreferences(Storage& storage) {
  auto all = std::make_shared<ValueNode>();
  all->type = VTYPE_DICTIONARY;
  const std::lock_guard<std::mutex> hold(storage.lock);
  for (const auto& [name, value] : storage.preferences) {
    ValueNode* level = all.get();
    size_t start = 0;
    for (size_t dot = name.find(L'.'); dot != std::wstring::npos; dot = name.find(L'.', start)) {
      std::shared_ptr<ValueNode>& child = level->entries[name.substr(start, dot - start)];
      if (!child || child->type != VTYPE_DICTIONARY) {
        child = std::make_shared<ValueNode>();
        child->type = VTYPE_DICTIONARY;
      }
      level = child.get();
      start = dot + 1;
    }
    level->entries[name.substr(start)] = CopyValue(*value);
  }
  return all;
}

std::shared_ptr<Storage> GlobalStorage() {
  static auto* storage = new std::shared_ptr<Storage>(NewStorage());
  return *storage;
}

// One context, possibly seen through several objects (the global one).
struct ContextState {
  std::shared_ptr<Storage> storage;
  bool global = false;
  ProgramRef<cef_request_context_handler_t> handler;
};

class RequestContext : public EngineObject<RequestContext, cef_request_context_t> {
 public:
  explicit RequestContext(std::shared_ptr<ContextState> context_state)
      : EngineObject("request_context"), state_(std::move(context_state)) {
    cef_request_context_t* s = data();
    s->is_same = [](cef_request_context_t* self, cef_request_context_t* other) {
      const int same = Of(self) && Of(self) == Of(other) ? 1 : 0;
      ReleaseProgramObject(other);
      return same;
    };
    s->is_sharing_with = [](cef_request_context_t* self, cef_request_context_t* other) {
      auto a = Of(self), b = Of(other);
      ReleaseProgramObject(other);
      return a && b && a->storage == b->storage ? 1 : 0;
    };
    s->is_global = [](cef_request_context_t* self) {
      auto state = Of(self);
      return state && state->global ? 1 : 0;
    };
    s->get_handler = [](cef_request_context_t* self) { return RequestContextHandler(self); };
    s->get_cache_path = [](cef_request_context_t*) -> cef_string_userfree_t { return nullptr; };
    s->get_cookie_manager = [](cef_request_context_t* self,
                               cef_completion_callback_t* callback) -> cef_cookie_manager_t* {
      if (!Of(self)) {
        ReleaseProgramObject(callback);
        return nullptr;
      }
      return NewCookieManager(callback);
    };
    s->register_scheme_handler_factory = [](cef_request_context_t*, const cef_string_t*,
                                            const cef_string_t*,
                                            cef_scheme_handler_factory_t* factory) {
      Trace("stub request_context.register_scheme_handler_factory");
      ReleaseProgramObject(factory);
      return 0;
    };
    s->has_preference = [](cef_request_context_t* self, const cef_string_t* name) {
      auto state = Of(self);
      if (!state) return 0;
      std::lock_guard<std::mutex> guard(state->storage->lock);
      return state->storage->preferences.count(FromRecord(name)) ? 1 : 0;
    };
    s->get_preference = [](cef_request_context_t* self, const cef_string_t* name) -> cef_value_t* {
      auto state = Of(self);
      if (!state) return nullptr;
      std::lock_guard<std::mutex> guard(state->storage->lock);
      auto found = state->storage->preferences.find(FromRecord(name));
      if (found == state->storage->preferences.end()) return nullptr;
      return NewValueObject(CopyValue(*found->second));
    };
    s->get_all_preferences = [](cef_request_context_t* self, int) -> cef_dictionary_value_t* {
      auto state = Of(self);
      return state ? NewDictionaryObject(AllPreferences(*state->storage)) : nullptr;
    };
    s->can_set_preference = [](cef_request_context_t*, const cef_string_t* name) {
      return CurrentlyOn(TID_UI) && !Locked(FromRecord(name)) ? 1 : 0;
    };
    s->set_preference = [](cef_request_context_t* self, const cef_string_t* name,
                           cef_value_t* value, cef_string_t* error) {
      std::shared_ptr<ValueNode> node = TakeCopy(value);
      auto state = Of(self);
      if (!state) return 0;
      if (!CurrentlyOn(TID_UI)) {  // the engine allows it on its UI thread only
        Trace("misuse set-preference-off-ui-thread");
        SetRecord(error, L"Called on invalid thread");
        return 0;
      }
      const std::wstring key = FromRecord(name);
      if (Locked(key)) {
        SetRecord(error, L"Trying to modify a preference that is not user modifiable");
        return 0;
      }
      Trace("preference " + TraceValue(key) +
            " value=" + TraceValue(node ? ValueTraceText(*node) : L"null"));
      std::lock_guard<std::mutex> guard(state->storage->lock);
      if (node && node->type != VTYPE_NULL) {
        state->storage->preferences[key] = node;
      } else {
        state->storage->preferences.erase(key);
      }
      return 1;
    };
    s->clear_certificate_exceptions = [](cef_request_context_t*, cef_completion_callback_t* c) {
      CompleteLater(c);
    };
    s->clear_http_auth_credentials = [](cef_request_context_t*, cef_completion_callback_t* c) {
      CompleteLater(c);
    };
    s->close_all_connections = [](cef_request_context_t*, cef_completion_callback_t* c) {
      CompleteLater(c);
    };
    s->resolve_host = [](cef_request_context_t*, const cef_string_t* origin,
                         cef_resolve_callback_t* callback) {
      // Only loopback names resolve: the stand-in never asks a name server.
      auto held = std::make_shared<ProgramRef<cef_resolve_callback_t>>(callback);
      const std::wstring host = AsciiLower(FromRecord(origin));
      PostClosure(TID_UI, [held, host] {
        cef_resolve_callback_t* c = held->get();
        if (!c || !c->on_resolve_completed) return;
        const bool loopback = host.find(L"127.0.0.1") != std::wstring::npos ||
                              host.find(L"localhost") != std::wstring::npos;
        cef_string_list_t list = cef_string_list_alloc();
        if (loopback) {
          cef_string_t address{const_cast<wchar_t*>(L"127.0.0.1"), 9, nullptr};
          cef_string_list_append(list, &address);
        }
        c->on_resolve_completed(c, loopback ? ERR_NONE : ERR_NAME_NOT_RESOLVED, list);
        cef_string_list_free(list);
      });
    };
    s->load_extension = [](cef_request_context_t*, const cef_string_t*,
                           cef_dictionary_value_t* manifest, cef_extension_handler_t* handler) {
      Trace("stub request_context.load_extension");
      ReleaseProgramObject(manifest);
      ReleaseProgramObject(handler);
    };
    FillUnsimulated(s, "request_context");
  }

  static std::shared_ptr<ContextState> Of(cef_request_context_t* self) {
    RequestContext* object = From(self);
    return object ? object->state_ : nullptr;
  }

 private:
  std::shared_ptr<ContextState> state_;
};

std::shared_ptr<ContextState>& GlobalState() {
  static auto* state = new std::shared_ptr<ContextState>;
  return *state;
}

cef_request_context_t* NewContext(std::shared_ptr<Storage> storage,
                                  cef_request_context_handler_t* handler) {
  auto state = std::make_shared<ContextState>();
  state->storage = std::move(storage);
  state->handler.reset(handler);
  cef_request_context_t* context = (new RequestContext(state))->data();
  if (handler && handler->on_request_context_initialized) {
    AddRefProgramObject(context);
    auto held = std::make_shared<ProgramRef<cef_request_context_t>>(context);
    PostClosure(TID_UI, [state, held] {
      cef_request_context_handler_t* h = state->handler.get();
      AddRefProgramObject(held->get());  // the argument's reference, for the program
      h->on_request_context_initialized(h, held->get());
    });
  }
  return context;
}

}  // namespace

cef_request_context_t* NewGlobalRequestContext() {
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  std::shared_ptr<ContextState>& state = GlobalState();
  if (!state) {
    state = std::make_shared<ContextState>();
    state->storage = GlobalStorage();
    state->global = true;
  }
  return (new RequestContext(state))->data();
}

void ClearPreferences() {
  const std::lock_guard<std::mutex> hold(gLockedLock);
  for (const std::weak_ptr<Storage>& weak : gStorages) {
    if (std::shared_ptr<Storage> storage = weak.lock()) {
      const std::lock_guard<std::mutex> guard(storage->lock);
      storage->preferences.clear();
    }
  }
}

void LockPreference(const std::wstring& name, bool locked) {
  const std::lock_guard<std::mutex> hold(gLockedLock);
  if (locked) {
    gLocked.insert(name);
  } else {
    gLocked.erase(name);
  }
}

cef_request_context_handler_t* RequestContextHandler(cef_request_context_t* context) {
  auto state = RequestContext::Of(context);
  if (!state || !state->handler) return nullptr;
  AddRefProgramObject(state->handler.get());
  return state->handler.get();
}

}  // namespace standin

extern "C" {

cef_request_context_t* cef_request_context_get_global_context(void) {
  if (!standin::EngineThreadsRunning()) return nullptr;
  return standin::NewGlobalRequestContext();
}

cef_request_context_t* cef_request_context_create_context(
    const struct _cef_request_context_settings_t*, struct _cef_request_context_handler_t* handler) {
  if (!standin::EngineThreadsRunning()) {
    standin::ReleaseProgramObject(handler);
    return nullptr;
  }
  return standin::NewContext(standin::NewStorage(), handler);
}

cef_request_context_t* cef_create_context_shared(cef_request_context_t* other,
                                                 struct _cef_request_context_handler_t* handler) {
  auto state = standin::RequestContext::Of(other);
  standin::ReleaseProgramObject(other);
  if (!state || !standin::EngineThreadsRunning()) {
    standin::ReleaseProgramObject(handler);
    return nullptr;
  }
  return standin::NewContext(state->storage, handler);
}

}  // extern "C"
