#include "cli/OutputFile.h"

#include "formats/LedgerFormat.h"
#include "platform/AtomicFile.h"
#include "storage/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {
platform::Failure<OutputRefusal> Refuse(const QString& reason) {
    return platform::Fail(reason, OutputRefusal::Refused);
}

// The loader's own test of a header: a file that starts with one would be taken for a ledger, so it is one.
// 0 when it is not a ledger, 1 when it is, -1 when it cannot be read.
int IsLedgerFile(const QString& path) {
    QFile file;
    if (ledger::OpenRegularFile(path, file) != ledger::OpenResult::Opened)
        return -1;
    char header[ledger::RecordSize];
    const qint64 got = file.read(header, ledger::RecordSize);
    if (got < 0)
        return -1;
    return got == ledger::RecordSize && ledger::IsHeaderText(header + ledger::TextOffset) ? 1 : 0;
}

platform::Result<> WriteStream(const QString& output, const QByteArray& bytes) {
    // No O_CREAT and no O_TRUNC: only what was found a pipe or device is opened. A pipe waits here for its reader.
    const int fd = ::open(QFile::encodeName(output).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return platform::Fail(qt_error_string(errno));
    QFile file;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !(S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)) ||
        !file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return platform::Fail(QCoreApplication::translate("OutputFile", "it is no longer a pipe or a device"));
    }
    // A reader that leaves the pipe early is a write error to report, not a signal that ends the process unheard.
    std::signal(SIGPIPE, SIG_IGN);
    if (file.write(bytes) != bytes.size())
        return platform::Fail(file.errorString());
    return {};
}
} // namespace

platform::Result<OutputKind, OutputRefusal> ClassifyOutput(const QString& output, const QString& input) {
    if (output == QLatin1String("-"))
        return OutputKind::StandardOutput;
    // stat, not lstat: a link is judged by what it names, and that is what gets written.
    struct stat target {};
    if (::stat(QFile::encodeName(output).constData(), &target) != 0) {
        if (errno == ENOENT) // a new name (or a link to one); a missing folder fails when written
            return OutputKind::Replace;
        return Refuse(qt_error_string(errno));
    }
    struct stat source {};
    if (::stat(QFile::encodeName(input).constData(), &source) == 0 && source.st_dev == target.st_dev &&
        source.st_ino == target.st_ino)
        return Refuse(QCoreApplication::translate("OutputFile", "it is the file being exported"));
    if (S_ISDIR(target.st_mode))
        return Refuse(QCoreApplication::translate("OutputFile", "it is a folder"));
    if (S_ISFIFO(target.st_mode) || S_ISCHR(target.st_mode))
        return OutputKind::Stream;
    if (!S_ISREG(target.st_mode))
        return Refuse(
            QCoreApplication::translate("OutputFile", "it is neither a regular file, a pipe nor a character device"));
    switch (IsLedgerFile(output)) {
    case 0:
        return OutputKind::Replace;
    case 1:
        return Refuse(QCoreApplication::translate("OutputFile", "it is a Tallix ledger"));
    default:
        // A file that cannot be read could be a ledger; replacing it could lose one.
        return platform::Fail(
            QCoreApplication::translate("OutputFile", "it cannot be read to see whether it is a ledger"),
            OutputRefusal::Unreadable);
    }
}

platform::Result<> WriteOutput(const QString& output, OutputKind kind, const QByteArray& bytes) {
    switch (kind) {
    case OutputKind::Stream:
        return WriteStream(output, bytes);
    case OutputKind::Replace:
        return platform::WriteFileAtomically(output, bytes);
    case OutputKind::StandardOutput:
        break;
    }
    return platform::Fail(QCoreApplication::translate("OutputFile", "not a file to write"));
}

} // namespace cli
