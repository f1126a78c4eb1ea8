#pragma once
// Code page 1252 (Windows Western European), the single-byte text of the data file's description fields.
// Every byte decodes to one character (the five bytes the code page leaves unassigned decode to the C1 control
// of the same value), so decoding and encoding again gives back the same bytes.

#include <QChar>
#include <QStringView>

namespace ledger {

QChar FromCp1252(unsigned char byte);

// Writes `text` as exactly `length` bytes: one per character, "?" for a character the code page lacks (a
// character outside the 16-bit range counts once), spaces after the end of the text, cut after `length` bytes.
void EncodeCp1252(QStringView text, char* out, int length);
void DecodeCp1252(const char* in, int length, QChar* out);

} // namespace ledger
