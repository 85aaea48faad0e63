// The profiles a command works on: found in the user's directory by the
// wizard's discovery, chosen by --profile, and read one at a time.
#pragma once

#include "aol/ProfileTable.h"
#include "cli/CommandLine.h"
#include "favorites/FavoritesSink.h"

// Fills `table` with the profiles of the directory and selects the chosen
// ones (all without --profile). Returns 0 to go on, or the exit code to end
// with after the message shown: 1 when the directory cannot be searched or
// holds no profile, 2 for a name no profile has.
int findProfiles(const Options& options, ProfileTable& table);

// Reads the profile into `sink`. False when it cannot be read, with the
// message shown; what reached the sink stays.
bool readProfile(const ProfileEntry& entry, FavoritesSink& sink);
