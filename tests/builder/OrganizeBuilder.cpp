#include "tests/builder/OrganizeBuilder.h"

#include "tests/support/TempFolder.h"

#include <stdexcept>

namespace builder {

Item favorite(const std::string& title, const std::string& url) {
  Item item;
  item.title = title;
  item.hasUrl = true;
  item.url = url;
  return item;
}

Item folder(const std::string& title, std::vector<Item> children) {
  Item item;
  item.title = title;
  item.children = std::move(children);
  return item;
}

Item favoritePlaces(std::vector<Item> children) {
  return topFolder("Favorite Places", FavoritesKind, std::move(children));
}

Item topFolder(const std::string& title, std::uint8_t kind, std::vector<Item> children) {
  Item item = folder(title, std::move(children));
  item.kind = kind;
  return item;
}

std::string le32(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

std::string itemData(const std::string& title, std::uint8_t kind, std::uint32_t urlRecord, std::uint32_t nextSibling,
                     std::uint32_t firstChild) {
  std::string data(18, '\0');
  data[10] = static_cast<char>(kind);
  data += title;
  data += '\0';
  data += le32(urlRecord) + le32(nextSibling) + le32(0) + le32(0) + le32(firstChild);
  return data;
}

namespace {

// Record numbers of an item and its subtree in depth-first order: the item,
// its URL record, then its children.
std::uint32_t subtreeSize(const Item& item) {
  std::uint32_t size = item.hasUrl ? 2 : 1;
  for (const Item& child : item.children) size += subtreeSize(child);
  return size;
}

}  // namespace

OrganizeFile::OrganizeFile(const Profile& profile) {
  Item root = folder(profile.screenName, profile.topLevel);
  std::uint32_t count = subtreeSize(root);
  offsets_.assign(count, 0);

  std::string header = "AOLVM100";
  header.resize(16, '\0');
  bytes_ = header + le32(indexOffset());
  // The index: a word not interpreted, the unused slot of record 0, then one
  // entry a record; filled in as the records are placed.
  std::string index(8 + 4 * count, '\0');
  appendRecord(index);
  place(root, {}, 1);
  for (std::uint32_t number = 1; number <= count; ++number) setIndexEntry(number, offsets_[number - 1]);
}

// Places the item as record `number` and returns the next free number.
std::uint32_t OrganizeFile::place(const Item& item, std::vector<std::string> titles, std::uint32_t number) {
  std::uint32_t urlNumber = item.hasUrl ? number + 1 : 0;
  std::uint32_t firstChild = item.children.empty() ? 0 : number + (item.hasUrl ? 2 : 1);
  offsets_[number - 1] = appendRecord(itemData(item.title, item.kind, urlNumber, 0, firstChild));
  placed_.push_back(Placed{titles, number, urlNumber});
  if (item.hasUrl) offsets_[urlNumber - 1] = appendRecord(item.url + '\0');

  std::uint32_t next = number + (item.hasUrl ? 2 : 1);
  for (std::size_t i = 0; i < item.children.size(); ++i) {
    std::vector<std::string> childTitles = titles;
    childTitles.push_back(item.children[i].title);
    std::uint32_t after = place(item.children[i], childTitles, next);
    if (i + 1 < item.children.size()) setTrailer(next, Trailer::NextSibling, after);
    next = after;
  }
  return next;
}

std::uint32_t OrganizeFile::numberOf(const std::vector<std::string>& titles) const {
  for (const Placed& entry : placed_) {
    if (entry.titles == titles) return entry.number;
  }
  throw std::invalid_argument("no such item in the organize file");
}

std::uint32_t OrganizeFile::urlRecordOf(const std::vector<std::string>& titles) const {
  for (const Placed& entry : placed_) {
    if (entry.titles == titles) return entry.urlNumber;
  }
  throw std::invalid_argument("no such item in the organize file");
}

std::uint32_t OrganizeFile::get32(std::uint32_t offset) const {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes_.at(offset + i));
  return value;
}

void OrganizeFile::put32(std::uint32_t offset, std::uint32_t value) { bytes_.replace(offset, 4, le32(value)); }

std::uint32_t OrganizeFile::dataLength(std::uint32_t record) const { return get32(recordOffset(record) + 4); }

void OrganizeFile::setTrailer(std::uint32_t record, Trailer field, std::uint32_t value) {
  std::uint32_t end = recordOffset(record) + 8 + dataLength(record);
  put32(end - static_cast<std::uint32_t>(field), value);
}

// The entry of record N lies at data offset 4 + 4N of the index record.
void OrganizeFile::setIndexEntry(std::uint32_t number, std::uint32_t offset) {
  put32(indexOffset() + 8 + 4 + 4 * number, offset);
}

void OrganizeFile::setIndexLength(std::uint32_t length) { put32(indexOffset() + 4, length); }

void OrganizeFile::setRecordLength(std::uint32_t record, std::uint32_t length) {
  put32(recordOffset(record) + 4, length);
}

void OrganizeFile::setSignature(std::uint32_t record, const char signature[2]) {
  bytes_[recordOffset(record)] = signature[0];
  bytes_[recordOffset(record) + 1] = signature[1];
}

void OrganizeFile::setKind(std::uint32_t record, std::uint8_t kind) {
  bytes_[recordOffset(record) + 8 + 10] = static_cast<char>(kind);
}

std::uint32_t OrganizeFile::append(const std::string& raw) {
  std::uint32_t offset = static_cast<std::uint32_t>(bytes_.size());
  bytes_ += raw;
  return offset;
}

std::uint32_t OrganizeFile::appendRecord(const std::string& data) {
  return append(std::string("RS\0\0", 4) + le32(static_cast<std::uint32_t>(data.size())) + data);
}

void OrganizeFile::save(const std::string& path) const { writeWholeFile(path, bytes_); }

}  // namespace builder
