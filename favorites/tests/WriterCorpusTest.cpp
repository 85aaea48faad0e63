#include "favorites/tests/WriterProperties.h"

#include "fuzz/Corpus.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

// Every organize file of the fuzz corpus, imported by the favourites writer
// into a fresh folder.
TEST(WriterCorpus, EveryInputIsWrittenSafely) {
  std::vector<CorpusInput> inputs = readCorpus(PLACEMOVE_CORPUS);
  ASSERT_FALSE(inputs.empty()) << "no corpus in " << PLACEMOVE_CORPUS;
  for (const CorpusInput& input : inputs) {
    TempFolder sandbox;
    EXPECT_EQ(writerFault(input.bytes, sandbox.path()), "") << input.name;
  }
}
