// The inputs kept in a corpus folder of fuzz/corpus: the seeds and every
// input that once made a fuzz target fail. The tests replay them in both
// builds.
#pragma once

#include "tests/support/TempFolder.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

struct CorpusInput {
  std::string name;
  std::string bytes;
};

// Every file of the folder, by name; none when the folder cannot be listed.
inline std::vector<CorpusInput> readCorpus(const std::string& folder) {
  std::vector<CorpusInput> inputs;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return inputs;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    inputs.push_back(CorpusInput{data.cFileName, readWholeFile(folder + "\\" + data.cFileName)});
  } while (FindNextFileA(search, &data));
  FindClose(search);
  std::sort(inputs.begin(), inputs.end(),
            [](const CorpusInput& a, const CorpusInput& b) { return a.name < b.name; });
  return inputs;
}
