// The command line of placemove-cli, parsed: the command and its options.
#pragma once

#include "aol/ProfileTable.h"
#include "bookmarks/CodePage.h"

#include <windows.h>

enum class Command { Help, Version, List, Export, Import };

// The top folder's name when the user gives none, as on the wizard's
// destination page.
extern const char DefaultFolderName[];

struct Options {
  Command command = Command::Help;
  const char* directory = nullptr;  // DIR, null when not given
  const char* output = nullptr;     // -o FILE; "-" for standard output
  const char* folder = nullptr;     // --folder NAME
  const CodePage* codePage = &CodePage::standard();  // --codepage CP, of the profiles' texts
  const char* aolLinks = nullptr;   // --aol-links FILE
  const char* to = nullptr;         // --to FOLDER
  bool force = false;
  const char* profiles[MaxProfiles];  // --profile NAME, in order given
  DWORD profileCount = 0;
};

// Fills `options` from the arguments after the program's name. False for a
// usage error, whose one-line message is then on standard error.
bool parseCommandLine(int argc, char** argv, Options& options);
// The usage text, on standard output.
void printUsage();
// Tells the user to try --help: the line after a usage error.
void printTryHelp();
