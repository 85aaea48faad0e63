// Writes organize files for tests from a tree description, and lets a test
// damage them field by field. Only the fields that the reader uses are
// written; every other byte is zero.
//
// Layout: the 20-byte header, the record index (record at offset 20), then
// the item records in depth-first order, each favourite's URL record right
// behind its item record. Record numbers follow the same order: 1 is the
// root, whose title is the screen name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace builder {

const std::uint8_t FavoritesKind = 0xC8;

struct Item {
  std::string title;
  std::uint8_t kind = 0;
  bool hasUrl = false;
  std::string url;
  std::vector<Item> children;
};

Item favorite(const std::string& title, const std::string& url);
Item folder(const std::string& title, std::vector<Item> children);
// A top-level folder with the favourites kind byte and the usual title.
Item favoritePlaces(std::vector<Item> children);
// A top-level folder with any title and kind byte.
Item topFolder(const std::string& title, std::uint8_t kind, std::vector<Item> children);

struct Profile {
  std::string screenName;
  std::vector<Item> topLevel;  // the root's children
};

// The fields of an item record's trailer, by their offset from its end.
enum class Trailer : std::uint32_t { UrlRecord = 20, NextSibling = 16, FirstChild = 4 };

class OrganizeFile {
public:
  explicit OrganizeFile(const Profile& profile);

  const std::string& bytes() const { return bytes_; }
  std::uint32_t recordCount() const { return static_cast<std::uint32_t>(offsets_.size()); }
  std::uint32_t indexOffset() const { return 20; }
  std::uint32_t recordOffset(std::uint32_t number) const { return offsets_.at(number - 1); }
  // The record number of the item reached by following titles from the
  // root's children ({"Favorite Places", "News"}); of the root for {}.
  std::uint32_t numberOf(const std::vector<std::string>& titles) const;
  // The URL record of a favourite item.
  std::uint32_t urlRecordOf(const std::vector<std::string>& titles) const;

  // Damage: each of these changes the bytes in place.
  void setTrailer(std::uint32_t record, Trailer field, std::uint32_t value);
  void setIndexEntry(std::uint32_t number, std::uint32_t offset);
  void setIndexLength(std::uint32_t length);
  void setRecordLength(std::uint32_t record, std::uint32_t length);
  void setSignature(std::uint32_t record, const char signature[2]);
  void setKind(std::uint32_t record, std::uint8_t kind);
  void put32(std::uint32_t offset, std::uint32_t value);
  void patch(std::uint32_t offset, const std::string& raw) { bytes_.replace(offset, raw.size(), raw); }
  void truncate(std::uint32_t size) { bytes_.resize(size); }
  // Appends raw bytes and returns their offset.
  std::uint32_t append(const std::string& raw);
  // Appends a record ("RS" header and data) and returns its offset.
  std::uint32_t appendRecord(const std::string& data);

  void save(const std::string& path) const;

private:
  struct Placed {
    std::vector<std::string> titles;
    std::uint32_t number;
    std::uint32_t urlNumber;
  };

  std::uint32_t place(const Item& item, std::vector<std::string> titles, std::uint32_t number);
  std::uint32_t get32(std::uint32_t offset) const;
  std::uint32_t dataLength(std::uint32_t record) const;

  std::string bytes_;
  std::vector<std::uint32_t> offsets_;
  std::vector<Placed> placed_;
};

// Little-endian encoding of a 32-bit value.
std::string le32(std::uint32_t value);
// The data of an item record with that title, kind byte and trailer fields.
std::string itemData(const std::string& title, std::uint8_t kind, std::uint32_t urlRecord, std::uint32_t nextSibling,
                     std::uint32_t firstChild);

}  // namespace builder
