// A sink that hands every call on to another: the base of the sinks that
// change or watch one kind of call on the way.
#pragma once

#include "favorites/FavoritesSink.h"

class ForwardingSink : public FavoritesSink {
 public:
  explicit ForwardingSink(FavoritesSink& next) : next_(next) {}

  void advance() override { next_.advance(); }
  void setTitle(const char* title) override { next_.setTitle(title); }
  void beginFavorite() override { next_.beginFavorite(); }
  void setUrl(const char* url) override { next_.setUrl(url); }
  void endFavorite() override { next_.endFavorite(); }
  void beginFolder() override { next_.beginFolder(); }
  void enterFolder() override { next_.enterFolder(); }
  void leaveFolder() override { next_.leaveFolder(); }
  void endFolder() override { next_.endFolder(); }

 protected:
  FavoritesSink& next_;
};
