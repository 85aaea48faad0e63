// The three commands of placemove-cli. Each returns the exit code: 0 done,
// 1 a profile could not be read or nothing could be written, 2 a usage error.
#pragma once

#include "cli/CommandLine.h"

int runList(const Options& options);
int runExport(const Options& options);
int runImport(const Options& options);

// The top folder's name when the user gives none, as on the wizard's
// destination page.
extern const char DefaultFolderName[];
