#include "cli/CliCheck.h"

#include "formats/LedgerCheck.h"
#include "ledger/ClearMarks.h"
#include "platform/Locale.h"
#include "storage/CompanionCheck.h"
#include "storage/Recovery.h"
#include "storage/SafeFile.h"

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
        out << name << ": note: cannot be used: " << companion.problem
            << "; Tallix opens the ledger without its cleared marks and schedules and leaves this file as it is\n";
        return;
    case ledger::CompanionLoad::Outcome::Rematched:
        out << name << ": note: written with another version of " << path << "; "
            << (companion.marksDropped + companion.bankIdsDropped == 0
                    ? QStringLiteral("every mark still matches a record")
                    : QStringLiteral("%1 of its cleared marks and %2 of its bank transaction ids match no record "
                                     "and would be dropped")
                          .arg(companion.marksDropped)
                          .arg(companion.bankIdsDropped))
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
        err << "tallix-cli: cannot read " << path << ": not a regular file\n";
        return 1;
    case ledger::OpenResult::Failed:
        err << "tallix-cli: cannot read " << path << ": " << (QFileInfo::exists(path) ? "no access" : "no such file")
            << "\n";
        return 1;
    case ledger::OpenResult::Opened:
        break;
    }
    // One byte more than a ledger can hold tells that the file goes on.
    const qint64 limit = ledger::MaxLedgerBytes;
    const QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        out << path << ": note: the file goes on past " << limit
            << " bytes, the most a ledger can hold; the rest is not read\n";
    }
    const auto findings = ledger::CheckLedgerBytes(bytes.left(limit));
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
    const ledger::RecoverySearch recovery = ledger::PeekRecovery(path);
    if (recovery.found == ledger::RecoveryFound::Read)
        out << path << ": note: " << recovery.pending.changeCount << " unsaved change"
            << (recovery.pending.changeCount == 1 ? "" : "s") << " from "
            << platform::FormatShortDateTime(recovery.pending.lastChange)
            << " wait in a recovery journal; open the ledger in Tallix to recover or discard them\n";
    else if (recovery.found == ledger::RecoveryFound::Foreign)
        out << path << ": note: the recovery journal " << recovery.keptAs << " holds changes of another ledger ("
            << recovery.otherLedger << "); Tallix keeps it aside and never applies them\n";
    if (errors == 0)
        NoteCompanion(path, bytes.left(limit), out);
    if (errors == 0)
        out << path << ": sound\n";
    else
        out << path << ": " << errors << (errors == 1 ? " error\n" : " errors\n");
    return errors == 0 ? 0 : 1;
}

} // namespace cli
