// placemove-cli: the wizard's discovery, reader and writers on the command
// line, natively and on Windows.
#include "app/Version.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ListCommand.h"
#include "cli/UserPath.h"
#include "support/Errors.h"

namespace {

int run(const Options& options) {
  switch (options.command) {
    case Command::Help:
      printUsage();
      return 0;
    case Command::Version:
      printOut("placemove-cli %s", PLACEMOVE_VERSION_TEXT);
      return 0;
    case Command::List:
      return runList(options);
    case Command::Export:
      return runExport(options);
    case Command::Import:
      return runImport(options);
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseCommandLine(argc, argv, options)) return 2;
  try {
    return run(options);
  } catch (const mirrex::BaseError& error) {
    // The first catch site of placemove-cli (the other reads one profile):
    // a failure that ends the command, a file that cannot be written, say.
    // What was written before stays; a file made beside its target is gone.
    char text[LineSize];
    errorLine(error, text, LineSize);
    const mirrex::FileError* fileError = dynamic_cast<const mirrex::FileError*>(&error);
    if (fileError != nullptr) {
      char shown[UserPathSize];
      showPath(fileError->path.c_str(), shown, UserPathSize);
      printProblem("'%s': %s", shown, text);
    } else {
      printProblem("%s", text);
    }
    return 1;
  }
}
