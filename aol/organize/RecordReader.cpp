#include "aol/organize/RecordReader.h"

#include "aol/organize/Format.h"

namespace organize {

// A well-formed file is read about once; twice its size and a megabyte
// leaves room for anything but records that overlap or are read again.
RecordReader::RecordReader(ByteSource& source)
    : source_(source),
      size_(source.size()),
      budget_(2 * size_ + 1024 * 1024),
      absence_(Absence::None),
      indexBytesCut_(0) {}

bool RecordReader::absent(Absence why) {
  absence_ = why;
  return false;
}

// A source that ends sooner than its size said was shortened while it was
// read: what lies past its new end is past the end as well.
bool RecordReader::read(DWORD offset, void* buffer, DWORD count) {
  if (static_cast<ULONGLONG>(offset) + count > size_) return absent(Absence::PastEnd);
  if (count > budget_) return absent(Absence::OverBudget);
  budget_ -= count;
  return source_.read(offset, buffer, count) || absent(Absence::PastEnd);
}

bool RecordReader::readHeader(DWORD offset, bool signature, DWORD& dataLength) {
  BYTE header[RecordHeaderSize];
  if (offset == 0) return absent(Absence::NoEntry);
  if (!read(offset, header, RecordHeaderSize)) return false;
  RecordHeader record = decodeRecordHeader(header);
  if (signature && !record.hasSignature) return absent(Absence::Broken);
  dataLength = record.length;
  return true;
}

// Checked before allocating: a length that passes the end of the source, or
// the bytes left to read, never costs memory.
LocalBlock RecordReader::readData(DWORD offset, DWORD dataLength, DWORD used, DWORD& length) {
  ULONGLONG dataOffset = static_cast<ULONGLONG>(offset) + RecordHeaderSize;
  if (dataOffset > 0x7FFFFFFF || dataOffset + dataLength > size_) {
    absent(Absence::PastEnd);
    return LocalBlock();
  }
  if (used > budget_) {
    absent(Absence::OverBudget);
    return LocalBlock();
  }
  LocalBlock data = allocateLocalBlock(used + 1);
  if (!read(static_cast<DWORD>(dataOffset), data.get(), used)) return LocalBlock();
  data.get()[used] = '\0';
  length = used;
  return data;
}

LocalBlock RecordReader::readRecord(DWORD offset, DWORD maxLength, bool signature, DWORD& length) {
  DWORD dataLength = 0;
  if (!readHeader(offset, signature, dataLength)) return LocalBlock();
  if (dataLength > maxLength) {
    absent(Absence::TooLong);
    return LocalBlock();
  }
  return readData(offset, dataLength, dataLength, length);
}

LocalBlock RecordReader::readIndex(DWORD offset, bool signature, DWORD& length) {
  DWORD dataLength = 0;
  indexBytesCut_ = 0;
  if (!readHeader(offset, signature, dataLength)) return LocalBlock();
  DWORD used = dataLength < MaxIndexLength ? dataLength : MaxIndexLength;
  LocalBlock index = readData(offset, dataLength, used, length);
  if (index) indexBytesCut_ = dataLength - used;
  return index;
}

}  // namespace organize
