// A few AOL profiles with small, lifelike Favorite Places trees, written as
// the organize files of an AOL installation: for trying the program by hand
// (scripts/run.sh) and for tests that drive the whole wizard. Every address
// is in a domain reserved for examples.
#pragma once

#include "tests/builder/OrganizeBuilder.h"

#include <windows.h>

#include <string>
#include <vector>

namespace builder {

struct SampleProfile {
  std::string fileName;  // as AOL names the organize file: after the screen name
  Profile profile;
};

std::vector<SampleProfile> sampleProfiles();

// The name of a file in the sample folder that is not an organize file.
extern const char SampleOtherFile[];

// Writes the organize file of every sample profile, and the other file,
// into the existing folder `folder` (with or without a final backslash).
// Returns 0, or the Win32 error code of
// the first file that could not be written.
DWORD writeSampleProfiles(const std::string& folder);

}  // namespace builder
