// A sink that only counts the favourites and folders it is given.
#pragma once

#include "favorites/FavoritesSink.h"

#include <windows.h>

class CountingSink : public FavoritesSink {
 public:
  DWORD favorites = 0;
  DWORD folders = 0;

  void setTitle(const char*) override {}
  void beginFavorite() override {}
  void setUrl(const char*) override {}
  void endFavorite() override { ++favorites; }
  void beginFolder() override {}
  void enterFolder() override { ++folders; }
  void leaveFolder() override {}
  void endFolder() override {}
};
