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

platform::Failure<> FailWithErrno() {
    return platform::Fail(qt_error_string(errno));
}
} // namespace

platform::Result<JournalContents, FileRead> ReadJournal(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return platform::Fail(QString(), FileRead::Missing);
    if (!file.open(QIODevice::ReadOnly))
        return platform::Fail(file.errorString(), FileRead::Unreadable);
    platform::Result<JournalContents> decoded = DecodeJournal(file.read(MaxJournalBytes));
    if (!decoded)
        return platform::Fail(decoded.Error(), FileRead::Unreadable);
    return std::move(decoded.Value());
}

JournalWriter::~JournalWriter() {
    (void)Close(false);
}

platform::Result<> JournalWriter::Begin(const QString& to, const JournalHeader& header, const JournalEntry& first) {
    (void)Close(false);
    const QByteArray target = QFile::encodeName(to);
    const QByteArray staging = target + ".new";
    const int made = ::open(staging.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (made < 0)
        return FailWithErrno();
    const auto abandon = [&] {
        platform::Failure<> failure = FailWithErrno();
        ::close(made);
        ::unlink(staging.constData());
        return failure;
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
    return {};
}

platform::Result<> JournalWriter::Append(const JournalEntry& entry) {
    if (fd < 0)
        return platform::Fail(qt_error_string(EBADF));
    const off_t end = ::lseek(fd, 0, SEEK_END);
    if (end >= 0 && platform::WriteAll(fd, EncodeJournalEntry(entry)) && ::fdatasync(fd) == 0)
        return {};
    platform::Failure<> failure = FailWithErrno();
    // A part of an entry would hide every later one from the reader.
    if (end >= 0 && ::ftruncate(fd, end) == 0)
        ::fdatasync(fd);
    return failure;
}

platform::Result<> JournalWriter::Close(bool remove) {
    if (fd < 0)
        return {};
    // Changes that are saved or discarded must not be offered again: a journal that stays (its folder became
    // read-only, say) keeps only its header, which the search passes over.
    platform::Result<> closed;
    if (remove && ::unlink(QFile::encodeName(path).constData()) != 0 &&
        (::ftruncate(fd, headerSize) != 0 || ::fdatasync(fd) != 0))
        closed = FailWithErrno();
    ::close(fd);
    fd = -1;
    path.clear();
    return closed;
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
