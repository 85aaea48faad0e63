// A sink that writes down every event it receives, one text an event.
#pragma once

#include "favorites/FavoritesSink.h"

#include <string>
#include <vector>

class RecordingSink : public FavoritesSink {
public:
  std::vector<std::string> events;

  void advance() override { events.push_back("advance"); }
  void setTitle(const char* title) override { events.push_back(std::string("title ") + title); }
  void beginFavorite() override { events.push_back("beginFavorite"); }
  void setUrl(const char* url) override { events.push_back(std::string("url ") + url); }
  void endFavorite() override { events.push_back("endFavorite"); }
  void beginFolder() override { events.push_back("beginFolder"); }
  void enterFolder() override { events.push_back("enterFolder"); }
  void leaveFolder() override { events.push_back("leaveFolder"); }
  void endFolder() override { events.push_back("endFolder"); }

  // The events other than advance().
  std::vector<std::string> calls() const {
    std::vector<std::string> result;
    for (const std::string& event : events) {
      if (event != "advance") result.push_back(event);
    }
    return result;
  }
  int advances() const { return static_cast<int>(events.size() - calls().size()); }
};
