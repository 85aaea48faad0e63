// placemove-cli export: The chosen profiles as one bookmarks file.
#pragma once

#include "cli/CommandLine.h"

// Returns the exit code: 0 done, 1 a profile could not be read or nothing
// could be written, 2 a usage error.
int runExport(const Options& options);
