#include "settings/RecentFiles.h"

#include "settings/ProgramSettings.h"

#include <QFileInfo>

namespace settings {

namespace {
const QString Section = QStringLiteral("Recent");

QString LedgerName(int index) {
    return QStringLiteral("Ledger%1").arg(index + 1);
}
} // namespace

QStringList ReadRecentLedgers() {
    QStringList paths;
    for (int i = 0; i < MaxRecentLedgers; ++i) {
        const std::optional<QString> path = ReadProgramText(Section, LedgerName(i));
        if (!path || path->isEmpty())
            break;
        paths << *path;
    }
    return paths;
}

void NoteRecentLedger(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList paths = ReadRecentLedgers();
    paths.removeAll(full);
    paths.prepend(full);
    // The list never gets shorter, so every name written before is written again.
    for (int i = 0; i < MaxRecentLedgers && i < paths.size(); ++i)
        WriteProgramText(Section, LedgerName(i), paths.at(i));
}

QString ReadStatementFolder() {
    return ReadProgramText(Section, QStringLiteral("StatementFolder")).value_or(QString());
}

void WriteStatementFolder(const QString& folder) {
    WriteProgramText(Section, QStringLiteral("StatementFolder"), folder);
}

} // namespace settings
