// The program's trace point. Placemove keeps no log and writes no debugger
// output: the hook takes a format and its arguments and discards them.
#pragma once

void trace(const char* format, ...);
