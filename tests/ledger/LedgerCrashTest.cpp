#include "LedgerTestSupport.h"
#include "formats/LedgerFormat.h"
#include "ledger/Categories.h"
#include "storage/LedgerFile.h"

#include <QBuffer>
#include <QFile>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledger;
using namespace tallix::test;

namespace {

class LedgerCrashTest : public LedgerTest {};

// Two ledgers of different sizes, so a torn file would show as either length or content; with a category of their
// own, kept in the companion file, which must come with its data file.
QString CategoryOfLedger(bool first) {
    return first ? QStringLiteral("Food:Groceries") : QStringLiteral("Car:Fuel");
}

void BuildLedger(bool first) {
    NewLedger();
    SetStartingBalance(first ? 100 : 200);
    const int records = first ? 3000 : 1800;
    for (int i = 0; i < records; ++i)
        AddTransaction(int16_t(i + 1), 40000 + i, float(i) / 4,
                       (first ? QStringLiteral("first %1") : QStringLiteral("second %1")).arg(i), CheckOrPayment);
    SetCategory(2, {CategoryOfLedger(first), {}});
}

QByteArray BytesOf(bool first) {
    BuildLedger(first);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteLedger(buffer, State()));
    return buffer.data();
}

[[noreturn]] void SaveForever(const QString& path, int readyPipe) {
    RecordingPrompts prompts;
    for (bool first = false;; first = !first) {
        BuildLedger(first);
        SetDataFileName(path);
        SaveLedger();
        if (readyPipe >= 0) {
            (void)!::write(readyPipe, "x", 1);
            ::close(readyPipe);
            readyPipe = -1;
        }
    }
}

TEST_F(LedgerCrashTest, KilledSaveLeavesEitherTheOldOrTheNewLedger) {
    const QByteArray first = BytesOf(true);
    const QByteArray second = BytesOf(false);
    const QString path = PathOf("crash.tlx");
    BuildLedger(true);
    SetDataFileName(path);
    ASSERT_TRUE(SaveLedger());

    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE(round);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            SaveForever(path, ready[1]);
        }
        ::close(ready[1]);
        char byte = 0;
        const bool started = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        // Spread the kills over the next few saves (one save takes a few milliseconds).
        ::usleep(useconds_t((round * 7919) % 12000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(started);
        ASSERT_TRUE(WIFSIGNALED(status));

        const QByteArray onDisk = ReadBytes(path);
        EXPECT_TRUE(onDisk == first || onDisk == second) << "torn file of " << onDisk.size() << " bytes";
        if (QFile::exists(path + ".bak")) {
            const QByteArray backup = ReadBytes(path + ".bak");
            EXPECT_TRUE(backup == first || backup == second) << "torn backup of " << backup.size() << " bytes";
        }
        // The dead child's lock never blocks the next load.
        NewLedger();
        SetDataFileName(path);
        EXPECT_TRUE(LoadLedger());
        EXPECT_EQ(GetTransactionCount(), onDisk.size() / RecordSize);
        EXPECT_EQ(CategoryOf(2).category, CategoryOfLedger(onDisk == first));
    }
}

} // namespace
