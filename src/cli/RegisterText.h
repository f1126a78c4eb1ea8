#pragma once
// The register as the register window shows it, for the terminal: built from the same rows as the window's grid,
// so the two can never disagree.

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

namespace cli {

// Where printed text goes, a piece at a time; false when a piece could not be written.
using TextSink = std::function<bool(QByteArrayView)>;

// Starting balance, lock date and next check number, then the register of the ledger in the store as aligned
// text, in UTF-8, handed to `sink` in pieces. False when the sink failed.
bool WriteRegister(const TextSink& sink);
// All of it as one text.
QByteArray FormatRegister();

} // namespace cli
