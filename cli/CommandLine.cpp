#include "cli/CommandLine.h"

#include "app/Version.h"
#include "bookmarks/CodePage.h"
#include "cli/Console.h"

#include <cstring>

const char DefaultFolderName[] = "AOL Favorite Places";

namespace {

bool is(const char* argument, const char* name) { return std::strcmp(argument, name) == 0; }

// The options each command takes, by name; `value` says whether the next
// argument belongs to it.
struct KnownOption {
  const char* name;
  bool value;
  bool forExport;
  bool forImport;
  bool forList;
};

const KnownOption knownOptions[] = {
    {"-o", true, true, false, false},         {"--profile", true, true, true, false},
    {"--folder", true, true, true, false},    {"--codepage", true, true, true, true},
    {"--force", false, true, false, false},   {"--aol-links", true, true, false, false},
    {"--to", true, false, true, false},
};

const KnownOption* findOption(const char* name) {
  for (const KnownOption& known : knownOptions) {
    if (is(name, known.name)) return &known;
  }
  return nullptr;
}

// Shows the message (`format` with the argument in place of a "%s" it
// holds) and the hint; false.
bool usageError(const char* format, const char* argument) {
  char line[LineSize];
  wsprintfA(line, format, argument);
  printProblem("%s", line);
  printTryHelp();
  return false;
}

bool store(const char* name, const char* value, Options& options) {
  if (is(name, "-o")) options.output = value;
  if (is(name, "--folder")) options.folder = value;
  if (is(name, "--codepage")) {
    options.codePage = CodePage::find(value);
    if (options.codePage == nullptr) return usageError("unknown code page '%s'", value);
  }
  if (is(name, "--aol-links")) options.aolLinks = value;
  if (is(name, "--to")) options.to = value;
  if (is(name, "--force")) options.force = true;
  if (is(name, "--profile")) {
    if (options.profileCount == MaxProfiles) return usageError("too many profiles named: %s", value);
    options.profiles[options.profileCount++] = value;
  }
  return true;
}

bool parseCommand(const char* name, Options& options) {
  if (is(name, "--help") || is(name, "-h"))
    options.command = Command::Help;
  else if (is(name, "--version"))
    options.command = Command::Version;
  else if (is(name, "list"))
    options.command = Command::List;
  else if (is(name, "export"))
    options.command = Command::Export;
  else if (is(name, "import"))
    options.command = Command::Import;
  else if (name[0] == '-')
    return usageError("unknown option '%s'", name);
  else
    return usageError("unknown command '%s'", name);
  return true;
}

}  // namespace

bool parseCommandLine(int argc, char** argv, Options& options) {
  if (argc < 2) return usageError("no command given", "");
  if (!parseCommand(argv[1], options)) return false;
  bool exporting = options.command == Command::Export;
  bool importing = options.command == Command::Import;
  bool listing = options.command == Command::List;
  for (int i = 2; i < argc; ++i) {
    const char* argument = argv[i];
    if (is(argument, "--help") || is(argument, "-h")) {
      options.command = Command::Help;
      return true;
    }
    if (argument[0] != '-' || is(argument, "-")) {
      if (options.command == Command::Help || options.command == Command::Version || options.directory != nullptr) {
        return usageError("unexpected argument '%s'", argument);
      }
      options.directory = argument;
      continue;
    }
    const KnownOption* known = findOption(argument);
    if (known == nullptr ||
        !((exporting && known->forExport) || (importing && known->forImport) || (listing && known->forList))) {
      return usageError("unknown option '%s'", argument);
    }
    const char* value = nullptr;
    if (known->value) {
      if (i + 1 == argc) return usageError("option '%s' needs a value", argument);
      value = argv[++i];
    }
    if (!store(argument, value, options)) return false;
  }
  if (importing && options.to != nullptr && options.folder != nullptr) {
    return usageError("--folder names a folder below Favorites: it does not go with --to", "");
  }
  return true;
}

void printTryHelp() { printError("Try 'placemove-cli --help'."); }

void printUsage() {
  printOwnText(
      "Usage: placemove-cli list [DIR] [--codepage CP]\n"
      "       placemove-cli export [DIR] [-o FILE] [--profile NAME]... [--folder NAME]\n"
      "                            [--codepage CP] [--force] [--aol-links FILE]\n"
      "       placemove-cli import [DIR] [--to FOLDER] [--profile NAME]... [--folder NAME]\n"
      "                            [--codepage CP]\n"
      "       placemove-cli --help | --version\n"
      "\n"
      "Copies the Favorite Places of AOL profiles (the organize files in DIR) into\n"
      "a bookmarks file that every browser imports, or into a Favorites folder.");
  printOwnText(
      "\n"
      "  list     the profiles in DIR: screen name, favourites, folders, file\n"
      "  export   the chosen profiles as a bookmarks file (all profiles by default)\n"
      "  import   the chosen profiles as folders and Internet Shortcut files\n"
      "\n"
      "  -o FILE          the bookmarks file (bookmarks.html); '-' for standard output\n"
      "  --force          replace an existing bookmarks file\n"
      "  --profile NAME   a profile by screen name; repeat for several\n"
      "  --folder NAME    the top folder (\"AOL Favorite Places\")\n"
      "  --codepage CP    the code page of the AOL texts (windows-1252)\n"
      "  --aol-links FILE lists the AOL-only links, which browsers do not import\n"
      "  --to FOLDER      the folder to import into");
  char names[LineSize] = "";
  for (const char* const* name = CodePage::names(); *name != nullptr; ++name) {
    if (std::strlen(names) + std::strlen(*name) + 3 >= LineSize) break;
    if (names[0] != '\0') std::strcat(names, ", ");
    std::strcat(names, *name);
  }
  printOut("");
  printOut("Code pages: %s.", names);
  printOwnText(
      "On Windows DIR defaults to the installed AOL's 'organize' folder, and import\n"
      "writes below Favorites unless --to is given; elsewhere DIR and --to are needed.\n"
      "Exit status: 0 done, 1 a profile could not be read or nothing could be written,\n"
      "2 a usage error.");
}
