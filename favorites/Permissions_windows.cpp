#include "favorites/Permissions.h"

void keepPermissions(const char*, const char*) {}
