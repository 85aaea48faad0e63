// Where a fuzz target writes what the code under test writes: a folder of
// its own in memory-backed storage (/dev/shm), removed with all it holds
// when the target ends; and how a target reports a fault.
#pragma once

#include <string>

// Reports a fault of the code under test and ends the run as a finding.
[[noreturn]] void fail(const std::string& fault);

// Makes the folder; called once, from LLVMFuzzerInitialize.
void makeScratchFolder();
const std::string& scratchFolder();
