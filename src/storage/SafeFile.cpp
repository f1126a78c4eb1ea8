#include "storage/SafeFile.h"

#include "platform/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

namespace {
bool hardLinks = true;

// A copy for file systems without hard links (FAT, some network shares), written and synced as a save is, so that
// a disk that fails to store it is not taken for a kept backup. The copy gets the ledger's permissions: the write
// keeps those of the file it replaces, so an older backup is given them first, or an empty one made with them.
platform::Result<> CopyToBackup(const QString& path, const QString& backup) {
    QFile original;
    if (OpenRegularFile(path, original) != OpenResult::Opened)
        return platform::Fail(qt_error_string(errno));
    const QByteArray bytes = original.readAll();
    if (original.error() != QFileDevice::NoError)
        return platform::Fail(original.errorString());
    struct stat st {};
    const QByteArray name = QFile::encodeName(backup);
    const mode_t mode = ::fstat(original.handle(), &st) == 0 ? st.st_mode & 07777 : 0600;
    const int placeholder = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (placeholder >= 0)
        ::close(placeholder);
    else
        (void)::chmod(name.constData(), mode);
    platform::Result<> written = platform::WriteFileAtomically(backup, bytes);
    if (!written && placeholder >= 0 && QFileInfo(backup).size() == 0)
        ::unlink(name.constData());
    return written;
}
} // namespace

OpenResult OpenRegularFile(const QString& path, QFile& file) {
    // O_NONBLOCK: opening a named pipe for reading would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EISDIR ? OpenResult::NotRegular : OpenResult::Failed;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return OpenResult::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return OpenResult::NotRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return OpenResult::Failed;
    }
    return OpenResult::Opened;
}

platform::Result<> KeepBackup(const QString& path) {
    const QByteArray source = QFile::encodeName(path);
    const QByteArray backup = QFile::encodeName(path + QStringLiteral(".bak"));
    // A fixed staging name is safe: the caller holds the data file's lock. A leftover of a crash is replaced.
    const QByteArray staging = backup + ".tmp";
    ::unlink(staging.constData());
    if (!hardLinks || ::link(source.constData(), staging.constData()) != 0)
        return CopyToBackup(path, QFile::decodeName(backup));
    const bool renamed = ::rename(staging.constData(), backup.constData()) == 0;
    const int renameError = errno;
    // rename() leaves both names when they are already links to the same file.
    ::unlink(staging.constData());
    if (!renamed)
        return platform::Fail(qt_error_string(renameError));
    return {};
}

void SetHardLinksForTesting(bool available) {
    hardLinks = available;
}

} // namespace ledger
