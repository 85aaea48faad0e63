// The common controls' header. The POSIX layer declares the progress-bar
// messages that the core sends in <windows.h>, beside SendMessageA.
#pragma once

#include <windows.h>
