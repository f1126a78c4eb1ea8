#include "formats/LedgerCheck.h"
#include "LedgerTestSupport.h"
#include "formats/LedgerFormat.h"

#include <QBuffer>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>

using ledger::CheckLedgerBytes;
using ledger::Finding;

namespace {
QByteArray Record(int16_t type, int16_t check, double date, float amount, const char* text, int16_t locked = 0) {
    QByteArray r(64, ' ');
    qToLittleEndian(type, r.data());
    qToLittleEndian(check, r.data() + 2);
    qToLittleEndian(date, r.data() + 4);
    qToLittleEndian(amount, r.data() + 12);
    memcpy(r.data() + 16, text, strlen(text));
    qToLittleEndian(locked, r.data() + 62);
    return r;
}

QByteArray Header(int16_t count, int16_t next = 0) {
    return Record(count, next, 0, 100, "CHECK DATA HEADER");
}

std::vector<QString> Errors(const QByteArray& bytes) {
    std::vector<QString> out;
    for (const Finding& f : CheckLedgerBytes(bytes))
        if (f.severity == Finding::Error)
            out.push_back(QStringLiteral("%1: %2").arg(f.record).arg(f.message));
    return out;
}
} // namespace

TEST(LedgerCheck, ASoundFileHasNoErrors) {
    const QByteArray file = Header(4, 103) + Record(0, 101, 39887, 25.5f, "Grocer") + Record(0, -1, 39888, 10, "Shop") +
                            Record(3, 0, 39889, 500, "Pay", -1);
    EXPECT_TRUE(Errors(file).empty());
}

TEST(LedgerCheck, ReportsEveryBadRecordWithItsNumber) {
    const QByteArray file = Header(8) + Record(7, 0, 39887, 1, "x") + Record(0, 0, 39887, 1, "zero check") +
                            Record(3, 5, 39887, 1, "deposit with number") + Record(1, 0, 39887.5, -2, "x", 3) +
                            Record(2, 0, std::nan(""), 1, "x") + Record(2, 0, 2958466, 2e12f, "x") +
                            Record(0, -1, -237, 1, "before 1900");
    EXPECT_EQ(Errors(file), (std::vector<QString>{
                                QStringLiteral("1: type code 7 is not 0 to 4"),
                                QStringLiteral("5: date nan is not a date from 1/1/100 to 12/31/9999"),
                                QStringLiteral("6: date 2958466 is not a date from 1/1/100 to 12/31/9999"),
                                QStringLiteral("6: amount 1999999991808 is not an amount of at most 1000000000000 "
                                               "either way"),
                            }));
    // What the loader reads as it stands is only noted, each with its record.
    std::vector<QString> notes;
    for (const Finding& f : CheckLedgerBytes(file))
        if (f.severity == Finding::Note)
            notes.push_back(QStringLiteral("%1: %2").arg(f.record).arg(f.message.section(QLatin1Char(' '), 0, 2)));
    EXPECT_EQ(notes,
              (std::vector<QString>{QStringLiteral("2: check number 0"), QStringLiteral("3: check number 5"),
                                    QStringLiteral("4: date 39887.5 carries"), QStringLiteral("4: amount -2 carries"),
                                    QStringLiteral("4: locked flag 3")}));
}

// The check calls a file unsound exactly when the program would refuse to load it.
TEST(LedgerCheck, ErrorsAreExactlyWhatTheLoaderRefuses) {
    std::vector<tallix::test::NamedFile> files = tallix::test::OutOfRangeFiles();
    for (tallix::test::NamedFile& file : tallix::test::InRangeFiles())
        files.push_back(std::move(file));
    files.push_back({"header with count 0", Header(0)});
    files.push_back({"cut short", Header(3) + Record(3, 0, 39887, 1, "only one")});
    files.push_back({"next check number negative", Header(1, -5)});
    for (const tallix::test::NamedFile& file : files) {
        QByteArray bytes = file.bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ledger::LedgerState into;
        const bool loads = ledger::ReadLedger(buffer, into) == ledger::ReadResult::Loaded;
        EXPECT_EQ(Errors(bytes).empty(), loads) << file.name;
    }
}

TEST(LedgerCheck, HeaderAndSizeProblems) {
    EXPECT_EQ(Errors(QByteArray(10, 'x')).size(), 1u);
    EXPECT_EQ(Errors(Record(1, 0, 0, 0, "check data header")).size(), 1u);
    EXPECT_EQ(Errors(Record(1, 0, 0, 0, "\tCHECK DATA HEADER")).size(), 1u);
    EXPECT_TRUE(Errors(Record(1, 0, 0, 0, "   CHECK DATA HEADER")).empty());
    EXPECT_EQ(Errors(Header(0)).size(), 1u);
    EXPECT_EQ(Errors(Header(3) + Record(3, 0, 39887, 1, "only one")),
              std::vector<QString>{QStringLiteral("-1: the header counts 3 records but the file holds 2")});
    // An old tail after the counted records is harmless.
    const auto findings = CheckLedgerBytes(Header(1) + Record(3, 0, 39887, 1, "stale"));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].severity, Finding::Note);
}

TEST(LedgerCheck, NotesGapsAndDuplicatesInCheckNumbers) {
    const QByteArray file = Header(6) + Record(0, 100, 39887, 1, "a") + Record(0, 101, 39887, 1, "b") +
                            Record(0, 101, 39888, 1, "c") + Record(0, 104, 39889, 1, "d") +
                            Record(0, 106, 39889, 1, "e");
    std::vector<QString> notes;
    for (const Finding& f : CheckLedgerBytes(file)) {
        EXPECT_EQ(f.severity, Finding::Note);
        notes.push_back(f.message);
    }
    EXPECT_EQ(notes, (std::vector<QString>{QStringLiteral("check 101 appears 2 times (records 2, 3)"),
                                           QStringLiteral("checks 102 to 103 are missing"),
                                           QStringLiteral("check 105 is missing")}));
}

// Control characters are loaded as they stand, so they are notes, each with the description made visible.
TEST(LedgerCheck, NotesDescriptionsHoldingControlCharacters) {
    const struct {
        QByteArray text;  // code page 1252 bytes
        std::string note; // empty: nothing to note
    } cases[] = {
        {QByteArray("Clear\x1b[2J\n\0x", 12), "\"Clear\\x1b[2J\\x0a\\x00x\""},
        {"del\x7f unassigned \x81\x9d", "\"del\\x7f unassigned \\x81\\x9d\""},
        {"caf\xe9 \x85 \x80 \xa0", {}}, // e acute, ellipsis, euro sign, no-break space
    };
    for (const auto& c : cases) {
        QByteArray record = Record(3, 0, 39887, 1, "");
        record.replace(16, c.text.size(), c.text);
        std::vector<std::string> notes;
        for (const Finding& f : CheckLedgerBytes(Header(2) + record))
            notes.push_back(QStringLiteral("%1: %2").arg(f.record).arg(f.message).toStdString());
        EXPECT_EQ(notes, c.note.empty()
                             ? std::vector<std::string>{}
                             : std::vector<std::string>{"1: the description holds control characters: " + c.note});
    }
}
