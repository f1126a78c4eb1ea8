#include "ui/main/frmMain.h"

int16_t frmMain::IsDollarAmt(const int16_t& KeyAscii, const QString& text) {
    constexpr int16_t Backspace = 8;
    constexpr int16_t Point = '.';
    if (KeyAscii == Backspace)
        return KeyAscii;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (KeyAscii == Point)
        return point < 0 ? KeyAscii : 0;
    if (KeyAscii >= '0' && KeyAscii <= '9') {
        // Whole text, caret ignored: once two decimals stand, no digit is taken anywhere.
        if (point < 0 || text.size() - 2 < point + 1)
            return KeyAscii;
    }
    return 0;
}
