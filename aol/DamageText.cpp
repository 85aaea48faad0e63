#include "aol/DamageText.h"

namespace {

// Appends ", " (after the first) and "what: count" when the count is not 0.
void appendCount(char* text, const char* what, DWORD count) {
  if (count == 0) return;
  DWORD length = static_cast<DWORD>(lstrlenA(text));
  if (length + 64 >= DamageTextSize) return;
  wsprintfA(text + length, "%s%s: %u", length > 0 ? ", " : "", what, static_cast<unsigned>(count));
}

}  // namespace

// A record not read ends its chain: what followed it in its folder is left
// out as well, and no one can count it.
void describeDamage(const char* shownName, const organize::ReadReport& report, char* line) {
  char causes[DamageTextSize] = "";
  appendCount(causes, "records past the end of the file", report.pastEnd);
  appendCount(causes, "records the index names beyond the end", report.recordsBeyondEnd);
  appendCount(causes, "broken records", report.broken);
  appendCount(causes, "records over 1 MiB", report.tooLong);
  appendCount(causes, "records past the reading budget", report.overBudget);
  appendCount(causes, "cycles cut", report.cyclesCut);
  appendCount(causes, "records past the 16 MiB bound of the index", report.indexEntriesCut);
  appendCount(causes, "folders nested deeper than 1024 levels", report.nestingCut);
  char leftOut[DamageTextSize] = "";
  if (report.favoritesLeftOut + report.foldersLeftOut > 0) {
    const char* least = report.leftOutUncounted ? "at least " : "";
    wsprintfA(leftOut, "; favourites left out: %s%u, folders left out: %s%u", least,
              static_cast<unsigned>(report.favoritesLeftOut), least, static_cast<unsigned>(report.foldersLeftOut));
  }
  bool chainsCut = report.pastEnd + report.broken + report.tooLong + report.overBudget + report.indexEntriesCut > 0;
  wsprintfA(line, "the profile '%s' is damaged and was read in part (%s)%s%s", shownName, causes, leftOut,
            chainsCut ? "; what followed a record not read in its folder is left out" : "");
}
