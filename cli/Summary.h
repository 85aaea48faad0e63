// The summary that ends every command, in the core's words, on standard
// error.
#pragma once

#include "bookmarks/RunSummary.h"

void printListSummary(const RunCounts& counts);
// `aolLinksFile` is the list of AOL-only links written, or null.
void printExportSummary(const RunCounts& counts, const char* aolLinksFile);
void printImportSummary(const RunCounts& counts);
