#include "standin/refcount.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <unordered_set>

#include "standin/trace.h"

namespace standin {
namespace {

// Envelopes of released objects stay readable this long (in objects) so that a late call on them
// is reported; older ones are freed.
constexpr size_t kQuarantineSize = 4096;

struct Registry {
  std::mutex lock;
  std::unordered_set<LiveObject*> live;
  std::deque<Control*> quarantine;
};

Registry& Objects() {
  static Registry* registry = new Registry;  // never destroyed, see trace.cpp
  return *registry;
}

void Quarantine(Control* control) {
  Control* expired = nullptr;
  {
    Registry& registry = Objects();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.quarantine.push_back(control);
    if (registry.quarantine.size() > kQuarantineSize) {
      expired = registry.quarantine.front();
      registry.quarantine.pop_front();
    }
  }
  if (expired) expired->free_envelope(expired);
}

}  // namespace

void ControlAddRef(Control* control) {
  if (control->count.fetch_add(1) <= 0) Trace(std::string("use-after-release ") + control->type);
}

int ControlRelease(Control* control) {
  const int remaining = control->count.fetch_sub(1) - 1;
  if (remaining > 0) return remaining;
  if (remaining < 0) {
    Trace(std::string("overrelease ") + control->type);
    return 0;
  }
  if (LiveObject* self = control->self.exchange(nullptr)) {
    delete self;
    Quarantine(control);
  }
  return 0;
}

LiveObject::LiveObject(Control* control) : control_(control) {
  control->self.store(this);
  Registry& registry = Objects();
  std::lock_guard<std::mutex> guard(registry.lock);
  registry.live.insert(this);
}

LiveObject::~LiveObject() {
  Registry& registry = Objects();
  std::lock_guard<std::mutex> guard(registry.lock);
  registry.live.erase(this);
}

size_t LiveObjectCount() {
  Registry& registry = Objects();
  std::lock_guard<std::mutex> guard(registry.lock);
  return registry.live.size();
}

std::vector<std::string> LiveObjectTypes() {
  Registry& registry = Objects();
  std::lock_guard<std::mutex> guard(registry.lock);
  std::vector<std::string> types;
  for (LiveObject* object : registry.live) types.emplace_back(object->type());
  std::sort(types.begin(), types.end());  // a stable report
  return types;
}

}  // namespace standin
