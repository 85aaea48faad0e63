// What a walk of an organize file could not read. The walk goes on past
// each of these, as it always has; the report only counts them, so that a
// front end can tell a profile read in full from one read in part.
#pragma once

#include <windows.h>

namespace organize {

struct ReadReport {
  // Records met by the walk that could not be read, by cause.
  DWORD pastEnd = 0;     // the record, or the length it gives, reaches past the end of the file (or 2 GiB)
  DWORD broken = 0;      // no index entry, no "RS" signature, or too short for an item
  DWORD tooLong = 0;     // longer than MaxRecordLength
  DWORD overBudget = 0;  // refused once the reading budget was spent
  DWORD cyclesCut = 0;   // links back to an item walked before
  // Entries of an index longer than MaxIndexLength that lie past it: the
  // records they name are not read.
  DWORD indexEntriesCut = 0;
  // Folders whose contents lie deeper than the nesting limit.
  DWORD nestingCut = 0;
  // Of a file found cut short (pastEnd not 0): the records its index names
  // beyond the end, what the cut took.
  DWORD recordsBeyondEnd = 0;

  // What is known to be left out: favourites whose item was read but not
  // their URL, and the favourites and folders below the nesting limit.
  // A record that could not be read leaves out what follows it in its
  // chain as well, which no one can count.
  DWORD favoritesLeftOut = 0;
  DWORD foldersLeftOut = 0;
  // The nesting cut held more chains than were followed to count them: the
  // two counts above are the least left out.
  bool leftOutUncounted = false;

  bool damaged() const {
    return pastEnd + broken + tooLong + overBudget + cyclesCut + indexEntriesCut + nestingCut > 0;
  }
};

}  // namespace organize
