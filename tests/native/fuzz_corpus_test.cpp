// The stored fuzz corpus (tests/fuzz/corpus/TARGET/*) replayed through the fuzz targets under the
// sanitizers: the inputs that once found something, and the seeds, stay checked without libFuzzer.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#if __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define OSTREL_HAS_SANITIZER_CALLBACK 1
#endif

#include "tests/fuzz/fuzz_target.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> FileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TEST(FuzzCorpus, EveryTargetHasACorpusAndEveryCorpusATarget) {
  for (const TFuzzTarget& target : FuzzTargets())
    EXPECT_TRUE(fs::is_directory(fs::path(OSTREL_FUZZ_CORPUS) / target.Name)) << target.Name;
  for (const fs::directory_entry& folder : fs::directory_iterator(OSTREL_FUZZ_CORPUS))
    EXPECT_NE(FindFuzzTarget(folder.path().filename().string()), nullptr) << folder.path();
}

TEST(FuzzCorpus, EveryStoredInputPassesItsTarget) {
#ifdef OSTREL_HAS_SANITIZER_CALLBACK
  // A sanitizer report ends the process; this says which input it was.
  __sanitizer_set_death_callback(
      [] { std::fprintf(stderr, "while replaying %s\n", gFuzzInputName.c_str()); });
#endif
  int replayed = 0;
  for (const TFuzzTarget& target : FuzzTargets()) {
    for (const fs::directory_entry& file :
         fs::directory_iterator(fs::path(OSTREL_FUZZ_CORPUS) / target.Name)) {
      gFuzzInputName = file.path().string();
      const std::vector<uint8_t> bytes = FileBytes(file.path());
      target.Run(bytes);
      ++replayed;
    }
  }
  gFuzzInputName.clear();
  EXPECT_GT(replayed, 0);
}

}  // namespace
