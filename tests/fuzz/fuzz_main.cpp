// libFuzzer's entry point for the target named at build time (tests/fuzz/CMakeLists.txt makes one
// executable per target).

#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TFuzzTarget* const target = [] {
    const TFuzzTarget* found = FindFuzzTarget(OSTREL_FUZZ_TARGET);
    if (found == nullptr) {
      std::fprintf(stderr, "no fuzz target named %s\n", OSTREL_FUZZ_TARGET);
      std::abort();
    }
    return found;
  }();
  target->Run({data, size});
  return 0;
}
