#pragma once
// The register as the register window shows it, for the terminal: the same fill, sort and balance procedures on
// a headless grid, so the two can never disagree.

#include "platform/FlexGrid.h"

#include <QByteArray>

namespace cli {

// Columns 1 to 7 of the register are the ones a user sees.
constexpr int FirstVisibleColumn = 1;
constexpr int LastVisibleColumn = 7;

// Fills `grid` with the register of the ledger in the store, as the register window does when it opens.
void FillRegister(platform::FlexGrid& grid);
// Starting balance, lock date and next check number, then the filled register as aligned text, in UTF-8.
QByteArray FormatRegister(const platform::FlexGrid& grid);

} // namespace cli
