// What a stand-in DLL was asked to do, appended line by line to calls.txt
// in the DLL's own folder, where the test that put it there reads it back.
#pragma once

#include <windows.h>

void recordCall(HMODULE standIn, const char* line);
