// Discovery asks through ShowMessage. Here each message is one line on
// standard error, and a file that cannot be read is skipped (Ignore), as a
// user who cannot answer would want it: the other profiles still count.
#include "cli/ConsoleMessages.h"

#include "cli/Console.h"
#include "cli/UserPath.h"
#include "support/Messages.h"

#include <cstdarg>

namespace {

DWORD unreadableFiles = 0;

}  // namespace

DWORD unreadableFileCount() { return unreadableFiles; }

int ShowMessage(UINT, UINT stringId, ...) {
  va_list arguments;
  va_start(arguments, stringId);
  const char* first = stringId == MessageNoProfiles ? "" : va_arg(arguments, const char*);
  const char* second = stringId == MessageDirectoryNotFound || stringId == MessageFileNotAccessible
                           ? va_arg(arguments, const char*)
                           : "";
  va_end(arguments);
  char shown[MAX_PATH];
  showPath(first, shown, MAX_PATH);
  char reason[LineSize];
  oneLine(second, reason, LineSize);
  switch (stringId) {
    case MessageNoProfiles:
      printProblem("no AOL profiles found");
      return IDOK;
    case MessageDirectoryNotFound:
      printProblem("cannot search the directory '%s': %s", shown, reason);
      return IDOK;
    case MessageFileNotAccessible:
      ++unreadableFiles;
      printProblem("cannot read '%s', skipped: %s", shown, reason);
      return IDIGNORE;
    default:
      printProblem("%s", first);
      return IDOK;
  }
}
