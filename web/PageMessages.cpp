// Discovery asks through ShowMessage. The page lists each file that cannot
// be read with the reason and skips it (Ignore), as placemove-cli does:
// the other profiles still count.
#include "web/PageMessages.h"

#include "support/Messages.h"
#include "web/PageEvents.h"
#include "web/PageNames.h"

#include <cstdarg>

namespace {

DWORD unreadableFiles = 0;

}  // namespace

DWORD unreadableFileCount() { return unreadableFiles; }

void resetUnreadableFiles() { unreadableFiles = 0; }

int ShowMessage(UINT, UINT stringId, ...) {
  va_list arguments;
  va_start(arguments, stringId);
  const char* path = stringId == MessageNoProfiles ? "" : va_arg(arguments, const char*);
  const char* reason = stringId == MessageDirectoryNotFound || stringId == MessageFileNotAccessible
                           ? va_arg(arguments, const char*)
                           : "";
  va_end(arguments);
  char text[PageTextSize];
  const char* file = stringId == MessageFileNotAccessible ? fileNameOf(path) : "";
  if (stringId == MessageFileNotAccessible) {
    ++unreadableFiles;
    wsprintfA(text, "cannot read '%s', skipped: %s", file, reason);
  } else if (stringId == MessageDirectoryNotFound) {
    wsprintfA(text, "cannot search the files: %s", reason);
  } else {
    wsprintfA(text, "%s", path);
  }
  pageProblem(file, text);
  return stringId == MessageFileNotAccessible ? IDIGNORE : IDOK;
}
