// What the core tells the page's worker while it works: functions of the
// worker's script (PageEvents.js), which post them to the page. Texts are
// UTF-8, valid only during the call.
#pragma once

#include <windows.h>

// The files an export writes, which the worker gathers for the page.
enum PageFile { PageBookmarksFile = 0, PageAolLinksFile = 1 };

extern "C" {
// A profile found: its screen name, what it holds, its file's name, and
// what could not be read of it ("" when it was read in full).
void pageProfile(int row, const char* screenName, DWORD favorites, DWORD folders, const char* file,
                 const char* damage);
// A file that could not be read (its name, "" for none), with the reason.
void pageProblem(const char* file, const char* text);
// One line of the summary of an export.
void pageSummaryLine(const char* text);
// `done` of `total` records read.
void pageProgress(DWORD done, DWORD total);
// The work ended by a failure, with its text.
void pageFailure(const char* text);
// The next `size` bytes of the file `file` the export writes (PageFile).
void pageOutput(int file, const void* data, DWORD size);
}
