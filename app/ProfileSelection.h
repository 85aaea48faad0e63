// The profiles chosen for the import, as the profile page's list shows
// them: each row of the table knows the line of the list it was given.
#pragma once

#include "aol/ProfileTable.h"

// Marks selected the rows whose listIndex is one of the `count` selected
// `lines` (none for a negative count), and no other row; a row without a
// line (a negative listIndex) is never selected. Then sets selectedCount
// to the number of selected rows and totalItemCount to the sum of their
// item counts.
void selectListedProfiles(ProfileTable& table, const int* lines, int count);
