#include "model/Cp1252.h"

#include <array>

namespace ledger {

namespace {
// Bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> DecodeTable = [] {
    std::array<char16_t, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = i >= 0x80 && i < 0xA0 ? HighControlRange[i - 0x80] : char16_t(i);
    return table;
}();

// A character outside ASCII and Latin-1: one of the 32 in 0x80 to 0x9F, or none.
char EncodeChar(char16_t c) {
    for (int i = 0; i < int(HighControlRange.size()); ++i) {
        if (HighControlRange[i] == c)
            return char(0x80 + i);
    }
    return '?';
}
} // namespace

QChar FromCp1252(unsigned char byte) {
    return QChar(DecodeTable[byte]);
}

void EncodeCp1252(QStringView text, char* out, int length) {
    const char16_t* in = text.utf16();
    const qsizetype size = text.size();
    int written = 0;
    for (qsizetype i = 0; i < size && written < length; ++i) {
        const char16_t c = in[i];
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out[written++] = char(c);
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1]))
            ++i;
        out[written++] = EncodeChar(c);
    }
    for (; written < length; ++written)
        out[written] = ' ';
}

void DecodeCp1252(const char* in, int length, QChar* out) {
    for (int i = 0; i < length; ++i)
        out[i] = QChar(DecodeTable[static_cast<unsigned char>(in[i])]);
}

} // namespace ledger
