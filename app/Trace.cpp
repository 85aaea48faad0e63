#include "app/Trace.h"

void trace(const char*, ...) {}
