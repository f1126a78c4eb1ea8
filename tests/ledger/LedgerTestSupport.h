#pragma once
// Shared helpers of the ledger tests: a fresh store per test, file bytes, hand-built records and a complete
// snapshot of the store's state for "nothing changed" checks.

#include "ledger/Ledger.h"
#include "ledger/LedgerState.h"
#include "platform/Prompt.h"
#include "storage/LedgerFile.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>
#include <bit>
#include <gtest/gtest.h>
#include <vector>

namespace tallix::test {

// Every test starts on a new, empty ledger without a file-name prompt, inside a temporary folder.
class LedgerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ledger::NewLedger();
        ledger::SetFileNamePrompt({});
    }
    void TearDown() override {
        ledger::SetFileNamePrompt({});
        ledger::NewLedger();
    }
    QString PathOf(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// Names in a folder, sorted, without "." and "..".
QStringList Entries(const QString& folder);

// A 64-byte record laid out field by field, independent of the program's encoder.
QByteArray RawRecord(int16_t type, int16_t number, double date, float amount, const QByteArray& text, int16_t locked);
QByteArray RawHeader(int16_t count, int16_t nextCheck, double lockDate, float balance,
                     const QByteArray& text = "CHECK DATA HEADER", int16_t locked = 0);

// Files that differ from a sound one-transaction ledger only in a date, an amount, the lock date or the starting
// balance: values no program could have written, which the loader refuses, and odd values the program itself can
// write (dates before 1900, a negative starting balance), which it reads.
struct NamedFile {
    const char* name;
    QByteArray bytes;
};
std::vector<NamedFile> OutOfRangeFiles();
std::vector<NamedFile> InRangeFiles();

// Everything the store holds, for comparing before and after an operation.
struct StateSnapshot {
    std::vector<ledger::TransactionRecord> records;
    int32_t nextSlot, liveCount;
    int16_t cursor, nextCheckNumber;
    float startingBalance;
    double lockDate;
    bool modified, recordsLocked;
    QString dataFileName;
    bool operator==(const StateSnapshot&) const = default;
};
StateSnapshot TakeSnapshot();

// A ledger with a bit of everything: checks, a payment, the four other kinds, a deleted slot, a locked record,
// a lock date, a starting balance; Modified is true.
void BuildMixedLedger();

// Answers every message box, keeping what it was asked; for child processes and byte-level sweeps.
class RecordingPrompts : public platform::PromptBackend {
public:
    RecordingPrompts() : previous(platform::CurrentPromptBackend()) { platform::SetPromptBackend(this); }
    ~RecordingPrompts() override { platform::SetPromptBackend(previous); }
    platform::Answer ShowMessage(const platform::MessageRequest& request) override {
        messages.push_back(request);
        return platform::Answer::Ok;
    }
    QString ShowFileDialog(const platform::FileDialogRequest&) override { return {}; }
    std::vector<platform::MessageRequest> messages;

private:
    platform::PromptBackend* previous;
};

} // namespace tallix::test
