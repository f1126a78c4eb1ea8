#pragma once
// Finding rows of the register by what the user remembers of a transaction: words of its description or memo, its
// check number, its date as the grid shows it, or its amount as typed.

#include "platform/FlexGrid.h"

#include <QString>
#include <cstdint>
#include <optional>

class RegisterFind {
public:
    // The text to look for. A row matches when its description, memo or date cell contains the text (letter case
    // ignored), its check number is the text, or the text reads as an amount by the locale's rules ("42.17",
    // "42,17", "1,042.17") and the row's payment or deposit is that amount to the cent.
    explicit RegisterFind(const QString& text);

    bool IsEmpty() const { return needle.isEmpty(); }
    bool Matches(const platform::FlexGrid& grid, int row) const;

    struct Hit {
        int row = -1;
        bool wrapped = false; // the search went past the last (or first) row to find it
    };
    // The next matching row after `from` (before it when `forward` is false), going round the ends of the grid;
    // `from` itself comes last. No row when nothing matches.
    std::optional<Hit> Step(const platform::FlexGrid& grid, int from, bool forward) const;

private:
    QString needle;
    QString checkNumber;
    std::optional<int64_t> cents;
};
