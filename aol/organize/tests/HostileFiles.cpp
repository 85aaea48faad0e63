#include "aol/organize/tests/HostileFiles.h"

#include "tests/builder/OrganizeBuilder.h"

#include <gtest/gtest.h>

namespace hostile {

using namespace builder;

namespace {

const std::uint32_t IndexOffset = 20;

}  // namespace

IndexedFile::IndexedFile(std::uint32_t entries) {
  std::string header = "AOLVM100";
  header.resize(16, '\0');
  bytes_ = header + le32(IndexOffset);
  add(0, std::string(8 + 4 * static_cast<std::size_t>(entries), '\0'));
}

std::uint32_t IndexedFile::add(std::uint32_t number, const std::string& data) {
  std::uint32_t offset = static_cast<std::uint32_t>(bytes_.size());
  bytes_ += std::string("RS\0\0", 4) + le32(static_cast<std::uint32_t>(data.size())) + data;
  if (number != 0) setEntry(number, offset);
  return offset;
}

void IndexedFile::setEntry(std::uint32_t number, std::uint32_t offset) {
  bytes_.replace(IndexOffset + 8 + 4 + 4 * static_cast<std::size_t>(number), 4, le32(offset));
}

std::string item(const std::string& title, std::uint32_t urlRecord, std::uint32_t nextSibling,
                 std::uint32_t firstChild) {
  return itemData(title, 0, urlRecord, nextSibling, firstChild);
}

IndexedFile withFavoritesFolder(std::uint32_t entries) {
  IndexedFile file(entries);
  file.add(1, item("Hostile", 0, 0, 2));
  file.add(2, itemData("Favorite Places", FavoritesKind, 0, 0, 3));
  return file;
}

std::string deepNesting(std::uint32_t levels) {
  // Records 3 .. levels + 2 are the folders, then the favourite and its URL.
  std::uint32_t favorite = levels + 3;
  IndexedFile file = withFavoritesFolder(favorite + 1);
  for (std::uint32_t number = 3; number < favorite; ++number) file.add(number, item("d", 0, 0, number + 1));
  file.add(favorite, item("leaf", favorite + 1, 0, 0));
  file.add(favorite + 1, std::string("http://leaf/") + '\0');
  return file.bytes();
}

std::string siblingChain(std::uint32_t count) {
  IndexedFile file = withFavoritesFolder(count + 2);
  for (std::uint32_t number = 3; number < count + 3; ++number) {
    file.add(number, item("s", 0, number + 1 < count + 3 ? number + 1 : 0, 0));
  }
  return file.bytes();
}

std::string sharedUrl(std::uint32_t count, std::uint32_t urlLength) {
  std::uint32_t url = count + 3;
  IndexedFile file = withFavoritesFolder(url);
  for (std::uint32_t number = 3; number < url; ++number) {
    file.add(number, item("f", url, number + 1 < url ? number + 1 : 0, 0));
  }
  file.add(url, std::string(urlLength, 'u'));
  return file.bytes();
}

std::string longestIndex(std::uint32_t recordLength) {
  const std::uint32_t entries = 4 * 1024 * 1024;
  IndexedFile file = withFavoritesFolder(entries);
  std::string title(recordLength - 39, 't');  // fills the item up to its trailer
  file.add(3, std::string(18, '\0') + title + std::string(1, '\0') + le32(4) + std::string(16, '\0'));
  std::uint32_t url = file.add(4, std::string(recordLength - 1, 'u') + '\0');
  for (std::uint32_t number = 5; number <= entries; ++number) file.setEntry(number, url);
  return file.bytes();
}

void writeSparseFile(const std::string& path, const std::vector<Piece>& pieces, ULONGLONG size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "CreateFile " << path << ": error " << GetLastError();
  std::vector<Piece> all = pieces;
  all.push_back(Piece{size - 1, std::string(1, '\0')});
  for (const Piece& piece : all) {
    LONG high = static_cast<LONG>(piece.offset >> 32);
    DWORD low = SetFilePointer(file, static_cast<LONG>(piece.offset & 0xFFFFFFFF), &high, FILE_BEGIN);
    EXPECT_FALSE(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        << "SetFilePointer to " << piece.offset << ": error " << GetLastError();
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, piece.bytes.data(), static_cast<DWORD>(piece.bytes.size()), &written, nullptr))
        << "WriteFile at " << piece.offset << ": error " << GetLastError();
  }
  CloseHandle(file);
}

}  // namespace hostile
