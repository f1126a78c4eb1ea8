#pragma once
// The recovery journal's file (formats/JournalFormat.h lays out its bytes), written as changes are made and read
// back after a crash.

#include "formats/JournalFormat.h"
#include "platform/Result.h"

#include <QString>

namespace ledger {

using platform::FileRead;
// Reads a journal: Missing when there is none, Unreadable (with the reason) for a file that is not a journal of a
// version this program knows.
platform::Result<JournalContents, FileRead> ReadJournal(const QString& path);

// Writes one journal. While open it holds an exclusive flock on the file, which tells other copies of the
// program that the journal is in use (IsJournalInUse).
class JournalWriter {
public:
    JournalWriter() = default;
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Makes the journal at `path` with its header and `first` entry, complete on disk before it takes the name
    // (replacing a journal of that name).
    platform::Result<> Begin(const QString& path, const JournalHeader& header, const JournalEntry& first);
    // Appends an entry and waits until it is on the disk.
    platform::Result<> Append(const JournalEntry& entry);
    bool IsOpen() const { return fd >= 0; }
    const QString& Path() const { return path; }
    // Closes the journal; `remove` deletes it first, or where it cannot be deleted cuts it back to its header, a
    // journal with no change to offer. A failure when neither could be done.
    platform::Result<> Close(bool remove);

private:
    int fd = -1;
    QString path;
    qint64 headerSize = 0;
};

// True while another process writes the journal at `path`.
bool IsJournalInUse(const QString& path);

} // namespace ledger
