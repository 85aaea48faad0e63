// The program's messages: string-table entries shown in message boxes.
// ShowMessage is defined by the program that links the core (app/ for the
// wizard); tests link one of their own that records and answers.
#pragma once

#include <windows.h>

const UINT MessageNoProfiles = 1;         // no arguments
const UINT MessageDirectoryNotFound = 2;  // the directory, the error text
const UINT MessageFileNotAccessible = 3;  // the file's path, the error text
const UINT MessageFatalError = 4;         // the error text
const UINT MessageBadFilePath = 5;        // the longest path taken
const UINT MessageReplaceFile = 6;        // the file's path; a question of the wizard's, not a ShowMessage
// Not a message box: the text of the importing page once a bookmarks file
// is saved, formatted with its counts of favourites and AOL-only links.
const UINT TextFileSaved = 7;

// Loads string `stringId`, formats it with the text arguments that follow,
// and shows it in a task-modal message box with the error icon and the
// buttons of `flags`. Returns the identifier of the button pressed.
int ShowMessage(UINT flags, UINT stringId, ...);
