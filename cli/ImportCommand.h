// placemove-cli import: The chosen profiles as folders and Internet Shortcut files, as the wizard
// writes them.
#pragma once

#include "cli/CommandLine.h"

// Returns the exit code: 0 done, 1 a profile could not be read or nothing
// could be written, 2 a usage error.
int runImport(const Options& options);
