// Organize files at the reader's bounds, too big for the tree builder:
// written record by record in loops, with an index whose entries are set as
// the records are placed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace hostile {

class IndexedFile {
public:
  // The header and an index of `entries` record numbers, all 0.
  explicit IndexedFile(std::uint32_t entries);

  // Appends a record with `data` and makes it record `number` (0: a record
  // that no index entry names). Returns its offset.
  std::uint32_t add(std::uint32_t number, const std::string& data);
  void setEntry(std::uint32_t number, std::uint32_t offset);

  const std::string& bytes() const { return bytes_; }

private:
  std::string bytes_;
};

// The item data of an item with that title and trailer, kind byte 0.
std::string item(const std::string& title, std::uint32_t urlRecord, std::uint32_t nextSibling,
                 std::uint32_t firstChild);
// A root (1) whose only child is a favourites folder (2), whose first child
// is record 3.
IndexedFile withFavoritesFolder(std::uint32_t entries);

// Folders nested `levels` deep below the favourites folder, each the only
// child of the one before, the innermost holding one favourite.
std::string deepNesting(std::uint32_t levels);
// `count` items without URL or children in one sibling chain below the
// favourites folder.
std::string siblingChain(std::uint32_t count);
// `count` favourites below the favourites folder, all naming one URL record
// of `urlLength` characters.
std::string sharedUrl(std::uint32_t count, std::uint32_t urlLength);

// An index of 16 MiB and 8 bytes, every entry in use: the root, the
// favourites folder, a favourite whose item and URL record are `recordLength`
// bytes long each, and the rest naming that URL record.
std::string longestIndex(std::uint32_t recordLength);

// A piece of a sparse file: bytes at an offset.
struct Piece {
  ULONGLONG offset;
  std::string bytes;
};
// Writes a file of exactly `size` bytes made of the pieces; what lies
// between them is never written, so that the file system keeps it as holes.
void writeSparseFile(const std::string& path, const std::vector<Piece>& pieces, ULONGLONG size);

}  // namespace hostile
