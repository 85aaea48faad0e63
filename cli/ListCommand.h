// placemove-cli list: The profiles of the directory, on standard output.
#pragma once

#include "cli/CommandLine.h"

// Returns the exit code: 0 done, 1 a profile could not be read or nothing
// could be written, 2 a usage error.
int runList(const Options& options);
