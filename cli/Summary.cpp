#include "cli/Summary.h"

#include "cli/Console.h"

namespace {

// Each line on standard error, its controls shown (a file name may be in it).
class ErrorLines : public SummaryLines {
 public:
  void line(const char* text) override { printError("%s", text); }
};

}  // namespace

void printListSummary(const RunCounts& counts) {
  ErrorLines lines;
  writeListSummary(counts, lines);
}

void printExportSummary(const RunCounts& counts, const char* aolLinksFile) {
  ErrorLines lines;
  writeExportSummary(counts, aolLinksFile, lines);
}

void printImportSummary(const RunCounts& counts) {
  ErrorLines lines;
  writeImportSummary(counts, lines);
}
