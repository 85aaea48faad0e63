// Natively there is no AOL installation nor a Favorites folder to propose:
// the user names both. Command lines are UTF-8.
#include "cli/DefaultPlaces.h"

#include "cli/Console.h"

bool defaultAolDirectory(char*) {
  printProblem("name the AOL profile directory (DIR)");
  return false;
}

bool defaultFavoritesPath(char*) {
  printProblem("name the folder to import into (--to FOLDER)");
  return false;
}

const CodePage& commandLineCodePage() {
  const CodePage* utf8 = CodePage::find("utf-8");
  return utf8 != nullptr ? *utf8 : CodePage::standard();
}
