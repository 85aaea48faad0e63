#include "web/PageReader.h"

#include "aol/DamageText.h"
#include "aol/organize/FavoritePlaces.h"
#include "support/Errors.h"
#include "web/PageEvents.h"

namespace {

// Records between two moves of the bar: a post to the page each.
const DWORD ProgressStep = 8192;

}  // namespace

void PageProfileReader::step() {
  ++done_;
  if (done_ % ProgressStep == 0) pageProgress(done_, total_);
}

bool PageProfileReader::read(const ProfileEntry& entry, FavoritesSink& sink) {
  problem_[0] = '\0';
  PageProgressSink stepping(sink, *this);
  const char* file = fileNameOf(entry.profilePath);
  try {
    organize::ReadReport report = readFavoritePlaces(entry.profilePath, stepping);
    if (report.damaged()) {
      ++damaged_;
      describeDamage(file, report, problem_);
    }
    return true;
  } catch (const mirrex::FileError&) {
    // The output could not be written (the reader's own failures are
    // Win32Errors): the end of the export, at the page's entry points.
    throw;
  } catch (const mirrex::BaseError& error) {
    // The page's second catch site, as placemove-cli's readProfile: a
    // profile that cannot be read ends its own walk only, and the page
    // lists it with the reason.
    char text[PageTextSize];
    mirrex::formatErrorText(error, text, PageTextSize);
    wsprintfA(problem_, "cannot read the profile '%s': %s", file, text);
    return false;
  }
}
