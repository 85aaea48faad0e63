// The messages that move the bar during an import, recorded by the
// stand-in's bar with its clock held: each profile's records reach the bar
// in one PBM_DELTAPOS when its writer ends, before the worker puts the bar
// at the exact sum of item counts.
#include "app/ProfileImport.h"
#include "app/tests/ProfileRows.h"

#include "standin.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/ProgressBar.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace builder;

namespace {

// A move as (message, wParam), which GoogleTest compares and prints.
using Move = std::pair<UINT, WPARAM>;

Move delta(DWORD records) { return {PBM_DELTAPOS, records}; }
Move position(DWORD value) { return {PBM_SETPOS, value}; }

std::vector<Move> movesOf(HWND bar) {
  std::vector<Move> moves;
  for (const standin::ProgressMove& move : standin::progressMoves(bar)) moves.push_back({move.message, move.wParam});
  return moves;
}

TEST(ProfileImportProgressTest, EachProfileIsCountedOnTheBarBeforeItsExactPosition) {
  standin::holdTickCount(1000);
  TempFolder profiles;
  TempFolder home;
  home.makeDirectory("Favorites");
  ProfileTable table = {};
  std::vector<Profile> chosen = {
      Profile{"Jo Smith", {favoritePlaces({folder("News", {favorite("Headlines", "http://news.example.com/")}),
                                           favorite("Recipes", "http://food.example.com/")})}},
      Profile{"KidsZone42", {favoritePlaces({favorite("Puzzles", "http://games.example.com/")})}}};
  std::vector<DWORD> records;
  for (const Profile& profile : chosen) {
    std::string path = profiles / profile.screenName;
    OrganizeFile file(profile);
    file.save(path);
    records.push_back(file.recordCount());  // all read: no other top folder
    addProfileRow(table, path);
  }
  ProgressBar bar;
  importSelectedProfiles(table, "AOL Favorite Places", (home / "Favorites").c_str(), bar.window());

  DWORD first = table.entries[0].itemCount;
  DWORD total = static_cast<DWORD>(table.totalItemCount);
  EXPECT_EQ(movesOf(bar.window()), (std::vector<Move>{delta(records[0]), position(first), delta(records[1]),
                                                      position(total), position(total)}));
  releaseProfiles(table);
  standin::releaseTickCount();
}

}  // namespace
