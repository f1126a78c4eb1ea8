// Arbitrary bytes as the companion file NAME.tlx.db (an SQLite database that another program, a sync tool or a
// damaged disk may have changed): the reader must refuse them or read them without a crash, a hang or a leak, and
// what it reads must write back to a companion that reads the same.
#include "storage/Companion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// The files live on a memory file system when there is one.
QString FuzzFolder() {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/companion_fuzz-XXXXXX")
                                 : QDir::tempPath() + "/companion_fuzz-XXXXXX");
    return dir.path();
}

bool SameStatements(const ledger::CompanionContents& a, const ledger::CompanionContents& b) {
    if (a.statements.size() != b.statements.size())
        return false;
    for (size_t i = 0; i < a.statements.size(); ++i) {
        const auto& x = a.statements[i];
        const auto& y = b.statements[i];
        if (x.date != y.date || x.endingCents != y.endingCents || x.positions != y.positions)
            return false;
    }
    return true;
}

bool Same(const ledger::CompanionContents& a, const ledger::CompanionContents& b) {
    return a.dataFile == b.dataFile && a.records == b.records && a.marks == b.marks && a.hashes == b.hashes &&
           a.bankIds == b.bankIds && SameStatements(a, b) && a.deletedBankIds == b.deletedBankIds &&
           a.schedules == b.schedules && a.details == b.details && a.categories == b.categories &&
           a.categoryLists == b.categoryLists;
}

// Record hashes are read too: the data file is never the one the companion was written with.
platform::Result<ledger::CompanionContents, platform::FileRead> Read(const QString& path) {
    return ledger::ReadCompanionFile(path, [](const ledger::CompanionContents&) { return false; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Qt SQL finds its SQLite driver through the application's plugin paths.
    static int argc = 1;
    static char name[] = "companion_reader";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    const QString path = FuzzFolder() + QStringLiteral("/input.tlx.db");
    const QString copy = FuzzFolder() + QStringLiteral("/copy.tlx.db");
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Require(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    const auto read = Read(path);
    if (!read) {
        Require(read.Code() == platform::FileRead::Unreadable && !read.Error().isEmpty());
        return 0;
    }
    QFile::remove(copy);
    Require(ledger::WriteCompanionFile(copy, read.Value(), 0600).Ok());
    const auto again = Read(copy);
    Require(again.Ok());
    Require(Same(read.Value(), again.Value()));
    return 0;
}
