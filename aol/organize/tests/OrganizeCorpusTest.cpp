#include "aol/organize/tests/OrganizeProperties.h"

#include "fuzz/Corpus.h"

#include <gtest/gtest.h>

// Every seed of the organize-file fuzzer, and every input that once made it
// fail, read in place.
TEST(OrganizeCorpus, EveryInputKeepsTheProperties) {
  std::vector<CorpusInput> inputs = readCorpus(PLACEMOVE_CORPUS);
  ASSERT_FALSE(inputs.empty()) << "no corpus in " << PLACEMOVE_CORPUS;
  for (const CorpusInput& input : inputs) EXPECT_EQ(organizeFileFault(input.bytes), "") << input.name;
}
