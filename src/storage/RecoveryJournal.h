#pragma once
// The recovery journal's file (formats/JournalFormat.h lays out its bytes), written as changes are made and read
// back after a crash.

#include "formats/JournalFormat.h"

#include <QString>

namespace ledger {

enum class JournalRead { Read, Missing, Unreadable };
// Reads a journal; Unreadable (with the reason in `error`) for a file that is not a journal of a version this
// program knows.
JournalRead ReadJournal(const QString& path, JournalContents& contents, QString& error);

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
    bool Begin(const QString& path, const JournalHeader& header, const JournalEntry& first, QString& error);
    // Appends an entry and waits until it is on the disk.
    bool Append(const JournalEntry& entry, QString& error);
    bool IsOpen() const { return fd >= 0; }
    const QString& Path() const { return path; }
    // Closes the journal; `remove` deletes it first, or where it cannot be deleted cuts it back to its header, a
    // journal with no change to offer. The reason when neither could be done, else nothing.
    QString Close(bool remove);

private:
    int fd = -1;
    QString path;
    qint64 headerSize = 0;
};

// True while another process writes the journal at `path`.
bool IsJournalInUse(const QString& path);

} // namespace ledger
