#include "ledger/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

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

bool KeepBackup(const QString& path, QString& error) {
    const QByteArray source = QFile::encodeName(path);
    const QByteArray backup = QFile::encodeName(path + QStringLiteral(".bak"));
    // A fixed staging name is safe: the caller holds the data file's lock. A leftover of a crash is replaced.
    const QByteArray staging = backup + ".tmp";
    ::unlink(staging.constData());
    if (::link(source.constData(), staging.constData()) != 0) {
        QFile original(path);
        if (!original.copy(QFile::decodeName(staging))) {
            error = original.errorString();
            return false;
        }
    }
    const bool renamed = ::rename(staging.constData(), backup.constData()) == 0;
    if (!renamed)
        error = qt_error_string(errno);
    // rename() leaves both names when they are already links to the same file.
    ::unlink(staging.constData());
    return renamed;
}

} // namespace ledger
