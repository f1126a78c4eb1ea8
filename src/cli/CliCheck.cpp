#include "cli/CliCheck.h"

#include "formats/LedgerCheck.h"
#include "ledger/ClearMarks.h"
#include "platform/Locale.h"
#include "storage/CompanionCheck.h"
#include "storage/Recovery.h"
#include "storage/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace cli {

namespace {
// The companion is not part of the file's format: what is wrong with it is a note, and the ledger stays sound.
void NoteCompanion(const QString& path, const QByteArray& bytes, QTextStream& out) {
    const ledger::CompanionLoad companion = ledger::CheckCompanion(path, bytes);
    const QString name = ledger::CompanionPathOf(path);
    switch (companion.outcome) {
    case ledger::CompanionLoad::Outcome::None:
    case ledger::CompanionLoad::Outcome::Matched:
        return;
    case ledger::CompanionLoad::Outcome::Unusable:
        out << name << ": "
            << QCoreApplication::translate("CliCheck",
                                           "note: cannot be used: %1; Tallix opens the ledger without its "
                                           "cleared marks, schedules and categories and leaves this file as it is")
                   .arg(companion.problem)
            << "\n";
        return;
    case ledger::CompanionLoad::Outcome::Rematched:
        out << name << ": "
            << (companion.marksDropped + companion.bankIdsDropped + companion.detailsDropped +
                            companion.categoriesDropped ==
                        0
                    ? QCoreApplication::translate("CliCheck",
                                                  "note: written with another version of %1; every mark still matches "
                                                  "a record")
                          .arg(path)
                    : QCoreApplication::translate("CliCheck",
                                                  "note: written with another version of %1; %2 of its cleared marks, "
                                                  "%3 of its bank transaction ids, %4 of its checks' memos or "
                                                  "addresses and %5 of its transactions' categories match no record "
                                                  "and would be dropped")
                          .arg(path, QString::number(companion.marksDropped), QString::number(companion.bankIdsDropped),
                               QString::number(companion.detailsDropped), QString::number(companion.categoriesDropped)))
            << "\n";
        return;
    }
}
} // namespace

int RunCheck(const QString& path, QTextStream& out, QTextStream& err) {
    // Opened as the loader opens it: regular files only, so a pipe or a device never blocks or floods memory.
    QFile file;
    switch (ledger::OpenRegularFile(path, file)) {
    case ledger::OpenResult::NotRegular:
        err << "tallix-cli: " << QCoreApplication::translate("CliCheck", "cannot read %1: not a regular file").arg(path)
            << "\n";
        return 1;
    case ledger::OpenResult::Failed:
        err << "tallix-cli: "
            << (QFileInfo::exists(path) ? QCoreApplication::translate("CliCheck", "cannot read %1: no access")
                                        : QCoreApplication::translate("CliCheck", "cannot read %1: no such file"))
                   .arg(path)
            << "\n";
        return 1;
    case ledger::OpenResult::Opened:
        break;
    }
    // One byte more than a ledger can hold tells that the file goes on.
    const qint64 limit = ledger::MaxLedgerBytes;
    const QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        out << path << ": "
            << QCoreApplication::translate("CliCheck", "note: the file goes on past %1 bytes, the most a ledger can "
                                                       "hold; the rest is not read")
                   .arg(limit)
            << "\n";
    }
    const auto findings = ledger::CheckLedgerBytes(bytes.left(limit));
    int errors = 0;
    for (const ledger::Finding& f : findings) {
        const bool isError = f.severity == ledger::Finding::Error;
        errors += isError ? 1 : 0;
        out << path << ": ";
        if (f.record == 0)
            out << QCoreApplication::translate("CliCheck", "header: ");
        else if (f.record > 0)
            out << QCoreApplication::translate("CliCheck", "record %1: ").arg(f.record);
        out << (isError ? QCoreApplication::translate("CliCheck", "error: %1")
                        : QCoreApplication::translate("CliCheck", "note: %1"))
                   .arg(f.message)
            << "\n";
    }
    const ledger::RecoverySearch recovery = ledger::PeekRecovery(path);
    if (recovery.found == ledger::RecoveryFound::Read)
        out << path << ": "
            << (recovery.pending.changeCount == 1
                    ? QCoreApplication::translate("CliCheck",
                                                  "note: 1 unsaved change from %1 wait in a recovery journal; open "
                                                  "the ledger in Tallix to recover or discard them")
                          .arg(platform::FormatShortDateTime(recovery.pending.lastChange))
                    : QCoreApplication::translate("CliCheck",
                                                  "note: %1 unsaved changes from %2 wait in a recovery journal; open "
                                                  "the ledger in Tallix to recover or discard them")
                          .arg(QString::number(recovery.pending.changeCount),
                               platform::FormatShortDateTime(recovery.pending.lastChange)))
            << "\n";
    else if (recovery.found == ledger::RecoveryFound::Foreign)
        out << path << ": "
            << QCoreApplication::translate("CliCheck", "note: the recovery journal %1 holds changes of another ledger "
                                                       "(%2); Tallix keeps it aside and never applies them")
                   .arg(recovery.keptAs, recovery.otherLedger)
            << "\n";
    if (errors == 0)
        NoteCompanion(path, bytes.left(limit), out);
    if (errors == 0)
        out << path << ": " << QCoreApplication::translate("CliCheck", "sound") << "\n";
    else
        out << path << ": "
            << (errors == 1 ? QCoreApplication::translate("CliCheck", "1 error")
                            : QCoreApplication::translate("CliCheck", "%1 errors").arg(errors))
            << "\n";
    return errors == 0 ? 0 : 1;
}

} // namespace cli
