// The words every front end uses to name a profile read in part: what
// could not be read, by cause, and what is known to be left out.
#pragma once

#include "aol/organize/ReadReport.h"

#include <windows.h>

// The longest text wsprintfA writes, and so the size of a damage line.
const DWORD DamageTextSize = 1024;

// "the profile 'NAME' is damaged and was read in part (CAUSES)..." for the
// profile shown as `shownName`, in `line` (DamageTextSize characters).
void describeDamage(const char* shownName, const organize::ReadReport& report, char* line);
