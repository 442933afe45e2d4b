#ifndef OSTREL_BROWSER_CHROMIUM_RAISE_H_
#define OSTREL_BROWSER_CHROMIUM_RAISE_H_

// How the browser control raises its events: an unassigned event is skipped, and an event's
// answer is its last parameter, starting at the engine's default. Exceptions pass through.

#include <utility>

namespace chromium_raise {

template <class Event, class... Args>
void Raise(const Event& event, Args&&... args) {
  if (event) event(std::forward<Args>(args)...);
}

template <class R, class Event, class... Args>
R Ask(R initial, const Event& event, Args&&... args) {
  R result = initial;
  if (event) event(std::forward<Args>(args)..., result);
  return result;
}

}  // namespace chromium_raise

#endif  // OSTREL_BROWSER_CHROMIUM_RAISE_H_
