#include "app/ProfileSelection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// What a list box answers for a line it could not add, or a selection it
// cannot give: LB_ERR.
const int ListError = -1;

// A table of rows listed at `listIndexes`, with item counts 10, 20, 30, ...
ProfileTable listed(const std::vector<int>& listIndexes) {
  ProfileTable table = {};
  for (int listIndex : listIndexes) {
    ProfileEntry& entry = table.entries[table.profileCount];
    entry.listIndex = listIndex;
    entry.itemCount = 10 * static_cast<DWORD>(++table.profileCount);
    entry.selected = true;  // left from an earlier visit of the page
  }
  table.selectedCount = 99;
  table.totalItemCount = 999;
  return table;
}

std::vector<bool> selectedRows(const ProfileTable& table) {
  std::vector<bool> selected;
  for (int row = 0; row < table.profileCount; ++row) selected.push_back(table.entries[row].selected);
  return selected;
}

}  // namespace

TEST(SelectListedProfiles, SelectsTheRowsOfTheSelectedLinesOnly) {
  ProfileTable table = listed({0, 1, 2, 3});
  const int lines[] = {3, 1};
  selectListedProfiles(table, lines, 2);
  EXPECT_EQ(selectedRows(table), (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(table.selectedCount, 2);
  EXPECT_EQ(table.totalItemCount, 20 + 40);
}

TEST(SelectListedProfiles, NoLineSelectedSelectsNothing) {
  ProfileTable table = listed({0, 1});
  selectListedProfiles(table, nullptr, 0);
  EXPECT_EQ(selectedRows(table), (std::vector<bool>{false, false}));
  EXPECT_EQ(table.selectedCount, 0);
  EXPECT_EQ(table.totalItemCount, 0);
  // An error from the list counts as no selection.
  table = listed({0, 1});
  const int line = 0;
  selectListedProfiles(table, &line, ListError);
  EXPECT_EQ(table.selectedCount, 0);
}

TEST(SelectListedProfiles, ARowWithoutALineIsNeverSelected) {
  // The second row's line could not be added to the list.
  ProfileTable table = listed({0, ListError, 1});
  const int lines[] = {0, 1};
  selectListedProfiles(table, lines, 2);
  EXPECT_EQ(selectedRows(table), (std::vector<bool>{true, false, true}));
  EXPECT_EQ(table.selectedCount, 2);
  EXPECT_EQ(table.totalItemCount, 10 + 30);
}

TEST(SelectListedProfiles, OneSelectedLineIsOneSelectedRow) {
  ProfileTable table = listed({0});
  const int line = 0;
  selectListedProfiles(table, &line, 1);
  EXPECT_EQ(table.selectedCount, 1);
  EXPECT_EQ(table.totalItemCount, 10);
}
