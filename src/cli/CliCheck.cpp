#include "cli/CliCheck.h"

#include "ledger/LedgerCheck.h"

#include <QFile>
#include <QFileInfo>

namespace cli {

int RunCheck(const QString& path, QTextStream& out, QTextStream& err) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        err << "tallix-cli: cannot read " << path << ": "
            << (QFileInfo(path).isDir() ? "is a folder" : file.errorString()) << "\n";
        return 1;
    }
    const auto findings = ledger::CheckLedgerBytes(file.readAll());
    int errors = 0;
    for (const ledger::Finding& f : findings) {
        const bool isError = f.severity == ledger::Finding::Error;
        errors += isError ? 1 : 0;
        out << path << ": ";
        if (f.record == 0)
            out << "header: ";
        else if (f.record > 0)
            out << "record " << f.record << ": ";
        out << (isError ? "error: " : "note: ") << f.message << "\n";
    }
    if (errors == 0)
        out << path << ": sound\n";
    else
        out << path << ": " << errors << (errors == 1 ? " error\n" : " errors\n");
    return errors == 0 ? 0 : 1;
}

} // namespace cli
