// Program entry: each pass sets up COM, the Favorites folder and the AOL
// directory and runs the wizard; a fatal error may ask for another pass.
#include "aol/AolLocator.h"
#include "app/ComApartment.h"
#include "app/FatalError.h"
#include "app/FavoritesFolder.h"
#include "app/ImportWizard.h"
#include "app/ProcessState.h"
#include "app/Trace.h"
#include "app/Version.h"
#include "favorites/Texts.h"
#include "support/Errors.h"

#include <windows.h>

namespace {

// The directory page starts from the command-line tail, verbatim (quotes
// the user typed stay), or else from what the installation locator finds.
// A tail too long for the buffer is cut to its first MAX_PATH - 1
// characters; the page shows the cut text for the user to correct.
void chooseAolDirectory(const char* commandLine) {
  if (commandLine != nullptr && commandLine[0] != '\0') {
    if (copyText(commandLine, aolDirectory, MAX_PATH) == MAX_PATH) aolDirectory[MAX_PATH - 1] = '\0';
  } else {
    findAolDirectory(aolDirectory, MAX_PATH);
  }
}

void runPass(const char* commandLine) {
  retryRequested = false;
  try {
    ComApartment com;
    FavoritesFolder favorites(favoritesLocation, favoritesPath);
    chooseAolDirectory(commandLine);
    runImportWizard();
  } catch (const mirrex::BaseError& error) {
    retryRequested = offerRetry(error);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  instanceHandle = instance;
  trace("Placemove version %s starting\r\n", PLACEMOVE_VERSION_TEXT);
  do {
    runPass(commandLine);
  } while (retryRequested);
  releaseProfiles(profileTable);
  return 0;
}
