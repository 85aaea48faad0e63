// The receiver of a favourites tree: the one seam between a reader of
// favourites and a writer of them. A favourite is reported as beginFavorite,
// setTitle, setUrl, endFavorite; a folder as beginFolder, setTitle,
// enterFolder, its children, leaveFolder, endFolder; advance() tells that one
// source record was consumed. Texts are valid only during the call.
#pragma once

class FavoritesSink {
public:
  virtual ~FavoritesSink() = default;
  virtual void advance() {}
  virtual void setTitle(const char* title) = 0;
  virtual void beginFavorite() = 0;
  virtual void setUrl(const char* url) = 0;
  virtual void endFavorite() = 0;
  virtual void beginFolder() = 0;
  virtual void enterFolder() = 0;
  virtual void leaveFolder() = 0;
  virtual void endFolder() = 0;
};
