#ifndef OSTREL_TESTS_FUZZ_FUZZ_TARGET_H_
#define OSTREL_TESTS_FUZZ_FUZZ_TARGET_H_

// The entry points that feed outside input to the program's parsers. Each one is run by
// libFuzzer (fuzz_main.cpp, scripts/fuzz) and, over the stored corpus in tests/fuzz/corpus/NAME,
// by the native sanitizer tests (tests/native/fuzz_corpus_test.cpp), so both see the same checks.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

using TFuzzInput = std::span<const uint8_t>;

struct TFuzzTarget {
  std::string_view Name;  // also the folder of its corpus
  void (*Run)(TFuzzInput input);
};

std::span<const TFuzzTarget> FuzzTargets();
const TFuzzTarget* FindFuzzTarget(std::string_view name);

// Named in the report of a failed check (the replay sets it; libFuzzer names its own input).
extern std::string gFuzzInputName;

// Reports the broken rule and aborts, which both libFuzzer and the replay treat as a finding.
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);
#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))

#endif  // OSTREL_TESTS_FUZZ_FUZZ_TARGET_H_
