// The program's version, for the code and for the version resource.
#pragma once

#define PLACEMOVE_VERSION_TEXT "1.3.1"
#define PLACEMOVE_VERSION_NUMBERS 1, 3, 1, 3
#define PLACEMOVE_VERSION_STRING "1.3.1.3"
