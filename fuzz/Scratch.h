// Where a fuzz target puts each input: a folder of its own in memory-backed
// storage (/dev/shm), removed with all it holds when the target ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reports a fault of the code under test and ends the run as a finding.
[[noreturn]] void fail(const std::string& fault);

// Makes the folder; called once, from LLVMFuzzerInitialize.
void makeScratchFolder();
const std::string& scratchFolder();

// The file each input is written to, and writing it.
const std::string& inputFile();
void writeInput(const std::uint8_t* data, std::size_t size);
