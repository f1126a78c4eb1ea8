#include "storage/RecoveryJournal.h"

#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace ledger {

namespace {
// A journal holds at most the changes of one session; anything this large is not one.
constexpr qint64 MaxJournalBytes = qint64(1) << 30;

bool Fail(QString& error) {
    error = qt_error_string(errno);
    return false;
}
} // namespace

JournalRead ReadJournal(const QString& path, JournalContents& contents, QString& error) {
    QFile file(path);
    if (!file.exists())
        return JournalRead::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return JournalRead::Unreadable;
    }
    return DecodeJournal(file.read(MaxJournalBytes), contents, error) ? JournalRead::Read : JournalRead::Unreadable;
}

JournalWriter::~JournalWriter() {
    Close(false);
}

bool JournalWriter::Begin(const QString& to, const JournalHeader& header, const JournalEntry& first, QString& error) {
    Close(false);
    const QByteArray target = QFile::encodeName(to);
    const QByteArray staging = target + ".new";
    const int made = ::open(staging.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (made < 0)
        return Fail(error);
    const auto abandon = [&] {
        const bool failed = Fail(error);
        ::close(made);
        ::unlink(staging.constData());
        return failed;
    };
    const QByteArray start = EncodeJournalStart(header);
    if (::flock(made, LOCK_EX | LOCK_NB) != 0 || !platform::WriteAll(made, start + EncodeJournalEntry(first)) ||
        ::fdatasync(made) != 0 || ::rename(staging.constData(), target.constData()) != 0)
        return abandon();
    // The new name must survive a power cut as well as the bytes.
    const int folder = ::open(QFile::encodeName(QFileInfo(to).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    fd = made;
    path = to;
    headerSize = start.size();
    return true;
}

bool JournalWriter::Append(const JournalEntry& entry, QString& error) {
    if (fd < 0) {
        error = qt_error_string(EBADF);
        return false;
    }
    const off_t end = ::lseek(fd, 0, SEEK_END);
    if (end >= 0 && platform::WriteAll(fd, EncodeJournalEntry(entry)) && ::fdatasync(fd) == 0)
        return true;
    Fail(error);
    // A part of an entry would hide every later one from the reader.
    if (end >= 0 && ::ftruncate(fd, end) == 0)
        ::fdatasync(fd);
    return false;
}

QString JournalWriter::Close(bool remove) {
    if (fd < 0)
        return {};
    // Changes that are saved or discarded must not be offered again: a journal that stays (its folder became
    // read-only, say) keeps only its header, which the search passes over.
    QString error;
    if (remove && ::unlink(QFile::encodeName(path).constData()) != 0 &&
        (::ftruncate(fd, headerSize) != 0 || ::fdatasync(fd) != 0))
        Fail(error);
    ::close(fd);
    fd = -1;
    path.clear();
    return error;
}

bool IsJournalInUse(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool inUse = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return inUse;
}

} // namespace ledger
