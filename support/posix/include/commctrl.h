// The common controls' header. The stand-in declares the progress-bar
// messages that the core sends in <windows.h>, beside SendMessageA.
#pragma once

#include <windows.h>
