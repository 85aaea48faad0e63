#include "aol/organize/tests/GrammarSink.h"

#include <cstring>

namespace {

const std::size_t MaxTextLength = 1024 * 1024;

}  // namespace

void GrammarSink::step(State from, State to, const char* event) {
  ++events_;
  if (state_ != from && fault_.empty()) {
    fault_ = std::string(event) + " out of order at event " + std::to_string(events_);
  }
  state_ = to;
}

void GrammarSink::checkText(const char* text, const char* event) {
  if (text == nullptr) {
    if (fault_.empty()) fault_ = std::string(event) + " without a text at event " + std::to_string(events_);
    return;
  }
  std::size_t length = std::strlen(text);
  if (length > MaxTextLength && fault_.empty()) {
    fault_ = std::string(event) + " with a text of " + std::to_string(length) + " characters";
  }
}

void GrammarSink::advance() {
  step(State::Between, State::Between, "advance");
  ++advances_;
  if (next_ != nullptr) next_->advance();
}

void GrammarSink::beginFavorite() {
  step(State::Between, State::FavoriteBegun, "beginFavorite");
  if (next_ != nullptr) next_->beginFavorite();
}

void GrammarSink::beginFolder() {
  step(State::Between, State::FolderBegun, "beginFolder");
  if (next_ != nullptr) next_->beginFolder();
}

void GrammarSink::setTitle(const char* title) {
  checkText(title, "setTitle");
  if (state_ == State::FolderBegun) {
    step(State::FolderBegun, State::FolderTitled, "setTitle");
  } else {
    step(State::FavoriteBegun, State::FavoriteTitled, "setTitle");
  }
  if (next_ != nullptr) next_->setTitle(title);
}

void GrammarSink::setUrl(const char* url) {
  checkText(url, "setUrl");
  step(State::FavoriteTitled, State::FavoriteDone, "setUrl");
  if (next_ != nullptr) next_->setUrl(url);
}

void GrammarSink::endFavorite() {
  step(State::FavoriteDone, State::Between, "endFavorite");
  ++favorites_;
  if (next_ != nullptr) next_->endFavorite();
}

void GrammarSink::enterFolder() {
  step(State::FolderTitled, State::Between, "enterFolder");
  ++folders_;
  if (++open_ > deepest_) deepest_ = open_;
  if (next_ != nullptr) next_->enterFolder();
}

void GrammarSink::leaveFolder() {
  if (open_ == 0 && fault_.empty()) {
    fault_ = "leaveFolder without an open folder at event " + std::to_string(events_ + 1);
  }
  step(State::Between, State::FolderLeft, "leaveFolder");
  if (next_ != nullptr) next_->leaveFolder();
}

void GrammarSink::endFolder() {
  step(State::FolderLeft, State::Between, "endFolder");
  if (open_ > 0) --open_;
  if (next_ != nullptr) next_->endFolder();
}

std::string GrammarSink::fault() const {
  if (!fault_.empty()) return fault_;
  if (state_ != State::Between) return "ended inside an item after " + std::to_string(events_) + " events";
  if (open_ != 0) return "ended with " + std::to_string(open_) + " folders open";
  return std::string();
}
