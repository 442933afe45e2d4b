// The stand-in starts the executable of the process as the engine's sub-processes, which for a
// test program would run its tests again in every child: in the test programs
// OSTREL_STANDIN_CHILDREN is "off" unless the environment or a test says otherwise.

#include <windows.h>

namespace {

[[maybe_unused]] const bool children_off_by_default = [] {
  if (GetEnvironmentVariableW(L"OSTREL_STANDIN_CHILDREN", nullptr, 0) == 0) {
    SetEnvironmentVariableW(L"OSTREL_STANDIN_CHILDREN", L"off");
  }
  return true;
}();

}  // namespace
