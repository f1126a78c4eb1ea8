// Arbitrary bytes as a recovery journal (a file that a crash, a full disk or another program may have left half
// written): the reader must refuse them or read them without a crash, a hang or a leak, and what it reads must
// write back to bytes that read as the same journal, whole.
#include "formats/JournalFormat.h"

#include <cstdint>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

QByteArray Encoded(const ledger::JournalContents& contents) {
    QByteArray bytes = ledger::EncodeJournalStart(contents.header);
    for (const ledger::JournalEntry& entry : contents.entries)
        bytes += ledger::EncodeJournalEntry(entry);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const platform::Result<ledger::JournalContents> read = ledger::DecodeJournal(bytes);
    if (!read) {
        Require(!read.Error().isEmpty());
        return 0;
    }
    const QByteArray written = Encoded(read.Value());
    const platform::Result<ledger::JournalContents> again = ledger::DecodeJournal(written);
    Require(again.Ok());
    Require(!again->cutShort && again->entries.size() == read->entries.size());
    Require(Encoded(again.Value()) == written);
    return 0;
}
