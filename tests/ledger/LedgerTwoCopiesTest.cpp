// Two running copies of the program saving one ledger at the same time: the file on disk is always one complete
// ledger, whichever save comes last, and a save that finds the file busy, or saved by the other since, says so instead
// of writing.
#include "LedgerTestSupport.h"
#include "formats/LedgerFormat.h"
#include "storage/LedgerFile.h"

#include <QBuffer>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledger;
using namespace tallix::test;

namespace {

class LedgerTwoCopiesTest : public LedgerTest {};

void BuildCopysLedger(int copy) {
    NewLedger();
    SetStartingBalance(float(copy * 1000));
    const int records = copy == 1 ? 2500 : 1200;
    for (int i = 0; i < records; ++i)
        AddTransaction(0, 40000 + i, float(i), QStringLiteral("copy %1 entry %2").arg(copy).arg(i), Deposit);
}

QByteArray BytesOfCopy(int copy) {
    BuildCopysLedger(copy);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteLedger(buffer, State()));
    return buffer.data();
}

// The child's life: save its own ledger over and over, counting the saves that found the file busy.
[[noreturn]] void SaveRepeatedly(int copy, const QString& path, int saves, int resultPipe) {
    RecordingPrompts prompts;
    BuildCopysLedger(copy);
    SetDataFileName(path);
    int written = 0;
    for (int i = 0; i < saves; ++i) {
        SetModified();
        written += SaveLedger() ? 1 : 0;
    }
    // Refused while the other copy saves, or because it has saved since: never a silent overwrite.
    const QString unable = QStringLiteral("Unable to save file:\r") + path + QLatin1Char('\r');
    bool messagesRight = true;
    for (const platform::MessageRequest& m : prompts.messages)
        messagesRight = messagesRight && (m.text.startsWith(unable + "It is open in another copy of Tallix: ") ||
                                          m.text == unable + "It changed on disk since it was read.");
    const int report[2] = {written, messagesRight ? 1 : 0};
    (void)!::write(resultPipe, report, sizeof report);
    ::_exit(0);
}

pid_t StartCopy(int copy, const QString& path, int saves, int& readEnd) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        SaveRepeatedly(copy, path, saves, fds[1]);
    }
    ::close(fds[1]);
    readEnd = fds[0];
    return pid;
}

} // namespace

TEST_F(LedgerTwoCopiesTest, FileIsAlwaysOneCompleteLedger) {
    const QByteArray first = BytesOfCopy(1);
    const QByteArray second = BytesOfCopy(2);
    const QString path = PathOf(QStringLiteral("shared.tlx"));
    WriteBytes(path, first);

    constexpr int Saves = 60;
    int pipes[2];
    const pid_t copies[2] = {StartCopy(1, path, Saves, pipes[0]), StartCopy(2, path, Saves, pipes[1])};
    ASSERT_GT(copies[0], 0);
    ASSERT_GT(copies[1], 0);

    // Watch the file while both copies save; every look must find one whole ledger.
    int looks = 0;
    for (bool running = true; running; ++looks) {
        const QByteArray now = ReadBytes(path);
        ASSERT_TRUE(now == first || now == second) << "torn file of " << now.size() << " bytes after " << looks;
        running = false;
        for (pid_t pid : copies)
            running = running || ::waitpid(pid, nullptr, WNOHANG) == 0;
    }

    for (int i = 0; i < 2; ++i) {
        int report[2] = {0, 0};
        ASSERT_EQ(::read(pipes[i], report, sizeof report), ssize_t(sizeof report));
        ::close(pipes[i]);
        EXPECT_EQ(report[1], 1) << "copy " << i + 1 << " showed an unexpected message";
        EXPECT_GT(report[0], 0) << "copy " << i + 1 << " never got to save";
    }
    const QByteArray last = ReadBytes(path);
    EXPECT_TRUE(last == first || last == second);
    // No temporary file or lock is left behind.
    const QStringList left = Entries(dir.path());
    for (const QString& name : left)
        EXPECT_TRUE(name == QStringLiteral("shared.tlx") || name == QStringLiteral("shared.tlx.bak"))
            << name.toStdString();
}
