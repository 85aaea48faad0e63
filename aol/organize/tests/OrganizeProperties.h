// What the organize-file readers keep for any file, however damaged: they
// end without an error, keep to the screen-name buffer they are given,
// report whole items in order, open no more than 1024 folders at once, and
// advance at most twice for each record number the index can name (one
// step for the item, one for its URL record; each record number is walked
// once). A file whose index record does not lie wholly within the file and
// below 2^31 reports nothing at all. Shared by the fuzzer and the tests
// that replay its corpus.
#pragma once

#include <windows.h>

#include <string>

// The record numbers that the index of an organize file with these bytes
// can name: none when the header or the index record is not wholly in the
// file, with the index data starting below 2^31.
ULONGLONG recordsNamed(const std::string& bytes);

// Runs checkProfileFile and readFavoritePlaces on an organize file of these
// bytes, and returns what went wrong, or an empty text.
std::string organizeFileFault(const std::string& bytes);
