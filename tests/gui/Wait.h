// Waiting for something another process does, with a time-out.
#pragma once

#include <windows.h>

#include <functional>

// Long enough for Wine to start a program on a busy machine.
const DWORD DefaultTimeout = 30000;

// Checks `condition` until it holds or `timeout` milliseconds have passed;
// returns whether it held.
bool waitFor(const std::function<bool()>& condition, DWORD timeout = DefaultTimeout);
