#include "cli/ProfileFolders.h"

#include "app/ProfileImport.h"
#include "favorites/Names.h"
#include "favorites/Paths.h"
#include "favorites/Texts.h"

namespace {

// Letters compare without regard to case, as Windows compares names.
bool sameName(const char* first, const char* second) {
  for (;; ++first, ++second) {
    char a = *first >= 'A' && *first <= 'Z' ? static_cast<char>(*first - 'A' + 'a') : *first;
    char b = *second >= 'A' && *second <= 'Z' ? static_cast<char>(*second - 'A' + 'a') : *second;
    if (a != b) return false;
    if (a == '\0') return true;
  }
}

}  // namespace

ProfileFolders::ProfileFolders(DWORD count)
    : names_(allocateLocal<char>(static_cast<SIZE_T>(count) * MAX_PATH)), capacity_(count), count_(0) {}

bool ProfileFolders::choose(const char* root, const char* screenName, char* folder) {
  if (count_ == capacity_) return false;
  char name[MAX_PATH];
  DWORD length = makeFolderName(screenName, name, MAX_PATH);
  if (length == MAX_PATH) return false;
  if (length == 0) copyText("%", name, MAX_PATH);
  char* chosen = names_.get() + static_cast<SIZE_T>(count_) * MAX_PATH;
  copyText(name, chosen, MAX_PATH);
  for (unsigned number = 2; used(chosen); ++number) {
    // " (4294967295)" and a terminator.
    if (length + 14 > MAX_PATH) return false;
    wsprintfA(chosen, "%s (%u)", name, number);
  }
  if (!joinPath(root, chosen, folder, JoinedPathSize)) return false;
  ++count_;
  return true;
}

bool ProfileFolders::used(const char* name) const {
  for (DWORD i = 0; i < count_; ++i) {
    if (sameName(names_.get() + static_cast<SIZE_T>(i) * MAX_PATH, name)) return true;
  }
  return false;
}
