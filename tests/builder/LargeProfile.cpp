#include "tests/builder/LargeProfile.h"

#include <string>
#include <utility>
#include <vector>

namespace builder {

namespace {

// Favourites in each folder of a chain.
const int FavoritesPerFolder = 10;

// A chain of `depth` nested folders, each holding up to FavoritesPerFolder
// favourites before its subfolder; `left` counts down what remains to make.
Item chain(int group, int level, int depth, int& next, int& left) {
  std::vector<Item> children;
  for (int i = 0; i < FavoritesPerFolder && left > 0; ++i, --left, ++next) {
    children.push_back(favorite("Site " + std::to_string(next),
                                "http://www.example.com/" + std::to_string(group) + "/" + std::to_string(next) + ".html"));
  }
  if (level < depth && left > 0) children.push_back(chain(group, level + 1, depth, next, left));
  return folder("Level " + std::to_string(level), std::move(children));
}

}  // namespace

Profile largeProfile(int favorites) {
  std::vector<Item> groups;
  int next = 0;
  int left = favorites;
  for (int group = 0; left > 0; ++group) {
    // Depths 4, 5 and 6 in turn.
    Item top = chain(group, 1, 4 + group % 3, next, left);
    top.title = "Group " + std::to_string(group);
    groups.push_back(std::move(top));
  }
  return Profile{"Bench", {favoritePlaces(std::move(groups))}};
}

}  // namespace builder
