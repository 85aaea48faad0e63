// A sink that checks the order of events that every reader of favourites
// keeps to, whatever its source holds: a favourite comes as beginFavorite,
// setTitle, setUrl, endFavorite; a folder as beginFolder, setTitle,
// enterFolder, its children, leaveFolder, endFolder; advance() only between
// items; every text terminated within the 1 MiB that a record may hold.
// Each event is passed on to a further sink, when there is one.
//
// It keeps counts and the first fault, no texts, so that it allocates
// nothing while a reader runs unless something is wrong.
#pragma once

#include "favorites/FavoritesSink.h"

#include <string>

class GrammarSink : public FavoritesSink {
public:
  explicit GrammarSink(FavoritesSink* next = nullptr) : next_(next) {}

  void advance() override;
  void setTitle(const char* title) override;
  void beginFavorite() override;
  void setUrl(const char* url) override;
  void endFavorite() override;
  void beginFolder() override;
  void enterFolder() override;
  void leaveFolder() override;
  void endFolder() override;

  // The first fault seen, including a folder still open at the end; empty
  // when the events so far form whole items.
  std::string fault() const;

  unsigned long long advances() const { return advances_; }
  unsigned long long favorites() const { return favorites_; }
  unsigned long long folders() const { return folders_; }
  // The most folders open at once.
  unsigned long deepest() const { return deepest_; }

private:
  enum class State { Between, FavoriteBegun, FavoriteTitled, FavoriteDone, FolderBegun, FolderTitled, FolderLeft };

  // Moves from `from` to `to`, or records the event as out of order.
  void step(State from, State to, const char* event);
  void checkText(const char* text, const char* event);

  FavoritesSink* next_;
  State state_ = State::Between;
  unsigned long open_ = 0;
  unsigned long deepest_ = 0;
  unsigned long long events_ = 0;
  unsigned long long advances_ = 0;
  unsigned long long favorites_ = 0;
  unsigned long long folders_ = 0;
  std::string fault_;
};
