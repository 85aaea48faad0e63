// The profiles a command works on: found in the user's directory by the
// wizard's discovery, chosen by --profile, and read one at a time.
#pragma once

#include "cli/CommandLine.h"
#include "aol/ProfileList.h"
#include "cli/Summary.h"
#include "cli/TerminalProgress.h"
#include "favorites/FavoritesSink.h"

// The AOL profile directory in `directory` (MAX_PATH): DIR, or on Windows
// the installed AOL's. Returns 0, or the exit code after the message shown:
// 2 when there is none or it is too long, 1 when it names a file.
int chooseDirectory(const Options& options, char* directory);

// Fills `table` with every profile of the directory and selects the chosen
// ones (all without --profile). Returns 0 to go on, or the exit code to end
// with after the message shown: 1 when the directory cannot be searched or
// holds no profile, 2 for a name no profile has; and those of
// chooseDirectory.
int findProfiles(const Options& options, ProfileList& table);

// Reads the profile into `sink`, stepping `progress`, which is erased when
// the read ends, before any message. False when the profile cannot be
// read, with the message shown; what reached the sink stays. A profile read
// in part is named with what could not be read and counted in `counts`.
bool readProfile(const ProfileEntry& entry, FavoritesSink& sink, TerminalProgress& progress, RunCounts& counts);
