#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
AtomicFileCalls testCalls;

// Any number of tries would do; a clash of 64 random bits is not going to happen twice.
constexpr int NameAttempts = 16;

ssize_t Write(int fd, const void* data, size_t size) {
    return testCalls.write ? testCalls.write(fd, data, size) : ::write(fd, data, size);
}
int SyncFile(int fd) {
    return testCalls.syncFile ? testCalls.syncFile(fd) : ::fdatasync(fd);
}
int Rename(const char* from, const char* to) {
    return testCalls.rename ? testCalls.rename(from, to) : ::rename(from, to);
}
int SyncFolderFd(int fd) {
    return testCalls.syncFolder ? testCalls.syncFolder(fd) : ::fsync(fd);
}

Failure<> FailWith(int errorNumber) {
    return Fail(qt_error_string(errorNumber));
}

// A new file named after `path` in the same folder, so that the rename stays inside one file system. O_EXCL with
// mode 0666 lets the kernel apply the umask, as for any new file; -1 with errno set when none could be made.
int CreateTemporary(const QString& path, QByteArray& name) {
    for (int i = 0; i < NameAttempts; ++i) {
        name = QFile::encodeName(path) + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

Result<> SyncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FailWith(errno);
    const int synced = SyncFolderFd(fd);
    const int syncError = errno;
    ::close(fd);
    // EINVAL: the file system cannot sync a folder at all, so there is nothing more to wait for.
    if (synced != 0 && syncError != EINVAL)
        return FailWith(syncError);
    return {};
}

// The last steps of a replacement, once `temporary` is complete on disk.
Result<> PutInPlace(const QByteArray& temporary, const QString& path, const std::function<Result<>()>& beforeRename) {
    if (beforeRename) {
        Result<> ready = beforeRename();
        if (!ready) {
            ::unlink(temporary.constData());
            return ready;
        }
    }
    if (Rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int errorNumber = errno;
        ::unlink(temporary.constData());
        return FailWith(errorNumber);
    }
    return SyncFolderOf(path);
}
} // namespace

QString ResolveSymlinks(const QString& path) {
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    for (int links = 0; links < 40 && info.isSymLink(); ++links)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

Result<> WriteFileAtomically(const QString& file, const QByteArray& bytes,
                             const std::function<Result<>()>& beforeRename) {
    const QString path = ResolveSymlinks(file);
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0)
        return FailWith(errno);
    const auto abandon = [&](int errorNumber) {
        ::unlink(temporary.constData());
        return FailWith(errorNumber);
    };

    // The replacement keeps the permissions of the file it replaces. Best effort: only the owner may change them.
    struct stat old {};
    if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(fd, old.st_mode & 07777);

    if (!WriteAll(fd, bytes) || SyncFile(fd) != 0) {
        const int errorNumber = errno;
        ::close(fd);
        return abandon(errorNumber);
    }
    // A network file system may report a failed write only here.
    if (::close(fd) != 0 && errno != EINTR)
        return abandon(errno);
    return PutInPlace(temporary, path, beforeRename);
}

Result<> ReplaceWithFile(const QString& staged, const QString& path, bool syncFolder) {
    const QByteArray name = QFile::encodeName(staged);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    const int synced = fd >= 0 ? SyncFile(fd) : -1;
    const int errorNumber = errno;
    if (fd >= 0)
        ::close(fd);
    if (synced != 0 || Rename(name.constData(), QFile::encodeName(path).constData()) != 0) {
        const int failure = synced != 0 ? errorNumber : errno;
        ::unlink(name.constData());
        return FailWith(failure);
    }
    if (!syncFolder)
        return {};
    return SyncFolderOf(path);
}

Result<> MoveIntoPlace(const QString& from, const QString& to) {
    if (Rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return FailWith(errno);
    return SyncFolderOf(to);
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t written = Write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= size_t(written);
    }
    return true;
}

void RemoveLeftoverTemporaries(const QString& file, const std::function<bool(const QByteArray& head)>& looksWritten) {
    const QFileInfo info(ResolveSymlinks(file));
    // CreateTemporary's names: the file's name, a dot and a 64-bit random number in base 36 (8 digits or more
    // but for one chance in ten million).
    const QRegularExpression name(
        QStringLiteral("^%1\\.[0-9a-z]{8,13}$").arg(QRegularExpression::escape(info.fileName())));
    const QDir folder = info.absoluteDir();
    const QStringList candidates =
        folder.entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& candidate : candidates) {
        if (!name.match(candidate).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(candidate));
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        QFile leftover(QFile::decodeName(path));
        if (st.st_size == 0 || (leftover.open(QIODevice::ReadOnly) && looksWritten(leftover.read(4096))))
            ::unlink(path.constData());
    }
}

void SetAtomicFileCallsForTesting(const AtomicFileCalls& calls) {
    testCalls = calls;
}

} // namespace platform
