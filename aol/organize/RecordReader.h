// The bounded reading of one organize file: its records and its record
// index, read from a byte source within the bounds that keep a walk finite.
//
// The source is untrusted. A length or offset that reaches past its end, an
// offset of 2^31 or more, and a record number without an index entry (or
// with an entry of 0) read as absent; an index is used up to its first
// 16 MiB and any other record longer than 1 MiB is broken; and one reader
// reads at most twice the source's size plus 1 MiB, after which the rest
// reads as absent.
#pragma once

#include "aol/organize/ByteSource.h"
#include "support/LocalMemory.h"

#include <windows.h>

namespace organize {

const DWORD MaxIndexLength = 16 * 1024 * 1024;
const DWORD MaxRecordLength = 1024 * 1024;

// Why the last read of a RecordReader found nothing.
enum class Absence {
  None,
  NoEntry,     // offset 0: the record number had no index entry
  PastEnd,     // the range reaches past the end of the source, or the source ended sooner than its size said
  Broken,      // no "RS" signature where one is required
  TooLong,     // a length above the one allowed
  OverBudget,  // the reading budget is spent
};

class RecordReader {
public:
  explicit RecordReader(ByteSource& source);
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // The source's read within the bounds: false as well when the range passes
  // the end of the source or the reading budget.
  bool read(DWORD offset, void* buffer, DWORD count);
  // The data of the record at `offset`, at most `maxLength` bytes long, in a
  // block one byte longer that ends with a NUL. Null when the record is
  // absent: at offset 0 (the file's header, which an index entry of 0 or
  // no entry at all stands for), short, longer than maxLength, or without
  // the "RS" signature when `signature` is required.
  LocalBlock readRecord(DWORD offset, DWORD maxLength, bool signature, DWORD& length);
  // The record index: as readRecord, except that an index longer than
  // MaxIndexLength is used up to its first MaxIndexLength bytes.
  LocalBlock readIndex(DWORD offset, bool signature, DWORD& length);

  // Why the last read, record or index that found nothing did so.
  Absence absence() const { return absence_; }
  // The bytes of the last index read that lay past MaxIndexLength.
  DWORD indexBytesCut() const { return indexBytesCut_; }

private:
  // Remembers why a read found nothing; returns false.
  bool absent(Absence why);
  // The header of the record at `offset`; false when it is absent.
  bool readHeader(DWORD offset, bool signature, DWORD& dataLength);
  // The first `used` of the `dataLength` data bytes of the record at
  // `offset`; null when the whole record does not lie within the source.
  LocalBlock readData(DWORD offset, DWORD dataLength, DWORD used, DWORD& length);

  ByteSource& source_;
  ULONGLONG size_;
  ULONGLONG budget_;
  Absence absence_;
  DWORD indexBytesCut_;
};

}  // namespace organize
