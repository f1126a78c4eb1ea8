#pragma once
// The packed blobs of the companion file (storage/Companion.h lays out its tables), all numbers little-endian, and
// the record hashes it keeps to match its marks to a data file that changed behind its back.

#include "model/Category.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ledger {

// The bank ids of positions first to first+count-1, `next` walking the ids sorted by position: for each position
// that has one, its index in the block (u16), the length (u16) and the UTF-8 bytes. Empty for a block without ids.
QByteArray PackBankIds(const std::vector<std::pair<int, QString>>& ids, size_t& next, int first, int count);
// Appends the ids of a block packed so to `ids`; false for bytes that are not such a block of `count` positions.
bool UnpackBankIds(QByteArrayView bytes, int first, int count, std::vector<std::pair<int, QString>>& ids);
// A mark byte: 0 none, 1 cleared, 2 reconciled (ClearMark).
bool IsMarkByte(char byte);
// A statement's positions as i32 each.
QByteArray PackPositions(const std::vector<int>& positions);
// Appends them to `positions`; false for bytes that are not whole i32s.
bool UnpackPositions(QByteArrayView bytes, std::vector<int>& positions);

// A check's address lines, each as its length (u16) and UTF-8 bytes.
QByteArray PackLines(const QStringList& lines);
// Them back; false for bytes that are not such lines.
bool UnpackLines(QByteArrayView bytes, QStringList& lines);

// A split's parts, each as its category and memo (u16 length and UTF-8 bytes each) and its cents (i64).
QByteArray PackParts(const std::vector<SplitPart>& parts);
// Them back; false for bytes that are not such parts.
bool UnpackParts(QByteArrayView bytes, std::vector<SplitPart>& parts);

constexpr int RecordHashSize = 8;
// The first 8 bytes of the SHA-1 of each of the first `records` 64-byte records after the header of a data file.
QByteArray RecordHashes(const QByteArray& ledgerBytes, int records);

} // namespace ledger
