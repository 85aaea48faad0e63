// A large generated profile, for the import benchmark and for watching the
// progress bar of a long import: favourites in folders 4 to 6 levels deep,
// every title plain (letters, digits and spaces), so that each item's name
// on disk is its title and a program can write the same tree without the
// writer's escaping.
#pragma once

#include "tests/builder/OrganizeBuilder.h"

namespace builder {

// A profile named "Bench" with exactly `favorites` favourites below its
// Favorite Places folder.
Profile largeProfile(int favorites);

}  // namespace builder
