// The ledger file as one writer holds it: opening a file that another copy holds, changes made to the file on
// disk by someone else, and the unsaved changes a crash left behind.
#include "ui/main/frmMain.h"

#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "storage/LedgerFile.h"
#include "storage/LedgerHold.h"
#include "storage/Recovery.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>

namespace {

enum HeldChoice { OpenReadOnly, CancelOpen, TakeOver };

// Message boxes break lines at carriage returns; translations are written with line feeds. Applied before the
// placeholders are filled, so a path or name keeps what it holds.
QString BoxText(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text;
}

// Asks what to do about a ledger another copy holds; TakeOver only after the user confirmed it a second time.
HeldChoice AskAboutHeldLedger(const QString& path, const ledger::LedgerHold& hold) {
    const ledger::LedgerHolder& holder = hold.Holder();
    const QString who = ledger::DescribeHolder(holder);
    if (holder.onThisHost) {
        const int choice = platform::Choose(BoxText(frmMain::tr("%1\nis open in another copy of Tallix: %2.\n"
                                                                "Only one copy at a time can change a ledger."))
                                                .arg(path, who),
                                            {frmMain::tr("Open Read-Only"), frmMain::tr("Cancel")}, 0, 1);
        return choice == 0 ? OpenReadOnly : CancelOpen;
    }
    const int choice =
        platform::Choose(BoxText(frmMain::tr("%1\nis open in Tallix on another computer: %2.\n"
                                             "If that copy no longer runs, you can take the ledger over."))
                             .arg(path, who),
                         {frmMain::tr("Open Read-Only"), frmMain::tr("Cancel"), frmMain::tr("Take Over...")}, 0, 1);
    if (choice != 2)
        return choice == 0 ? OpenReadOnly : CancelOpen;
    const platform::Answer sure = platform::MsgBox(
        BoxText(frmMain::tr("Take %1 over from %2?\nIf that copy still runs, whatever it saves "
                            "afterwards replaces your changes, or yours replace its."))
            .arg(path, holder.host),
        platform::Buttons::YesNo, platform::ProgramTitle(), platform::Icon::Question, platform::Answer::No);
    return sure == platform::Answer::Yes ? TakeOver : CancelOpen;
}

} // namespace

bool frmMain::OpenLedgerFile() {
    const QString path = ledger::GetDataFileName();
    ledger::LedgerHold hold;
    bool readOnly = false;
    // Opening the ledger the window holds again needs no hold of its own; a name that names nothing is reported
    // by the load.
    const bool heldAlready = ledger::HoldsFile(path);
    if (!heldAlready && ledger::FileExists(path)) {
        hold = ledger::LedgerHold::Take(path);
        if (hold.Status() == ledger::HoldStatus::HeldByOther) {
            switch (AskAboutHeldLedger(path, hold)) {
            case OpenReadOnly:
                readOnly = true;
                break;
            case TakeOver:
                if (hold.TakeOver())
                    break;
                platform::MsgBox(BoxText(tr("%1\ncould not be taken over.")).arg(path));
                return false;
            case CancelOpen:
                return false;
            }
        }
    }
    // Where no lock can be made, every window would be a writer: none is.
    const bool unlocked = !hold.Target().isEmpty() && hold.Status() == ledger::HoldStatus::Unavailable;
    const QString why = unlocked ? BoxText(tr("%1\nis opened read-only: Tallix cannot make its lock file in the "
                                              "folder %2 (%3). Without it, another copy of Tallix could change "
                                              "the ledger at the same time.\nSave As saves a copy that you can "
                                              "change."))
                                       .arg(path, QFileInfo(hold.Target()).absolutePath(), hold.Error())
                                 : QString();
    readOnly = readOnly || unlocked;
    if (!ledger::LoadLedger())
        return false;
    // The file held before (if any) is let go: the window has this ledger now.
    if (!heldAlready)
        ledger::KeepHold(std::move(hold));
    SetReadOnly(readOnly);
    if (unlocked)
        platform::MsgBox(why);
    if (!readOnly && !OfferRecovery(path)) {
        // Changes kept for later belong to the file as it was: it is not changed meanwhile.
        ledger::KeepHold({});
        SetReadOnly(true);
    }
    return true;
}

bool frmMain::OfferRecovery(const QString& path) {
    const ledger::RecoverySearch search = ledger::FindRecovery(path);
    const QString ledgerName = path.isEmpty() ? tr("a ledger that was never saved") : path;
    if (search.found == ledger::RecoveryFound::Unreadable) {
        platform::MsgBox(BoxText(tr("The unsaved changes to %1 cannot be read back: %2.\n"
                                    "Nothing was recovered; the journal was kept as %3."))
                             .arg(ledgerName, search.error, search.keptAs));
        return true;
    }
    if (search.found == ledger::RecoveryFound::Foreign) {
        const QString other = search.otherLedger.isEmpty() ? tr("a ledger that was never saved") : search.otherLedger;
        platform::MsgBox(BoxText(tr("The recovery journal found for %1 holds unsaved changes of another "
                                    "ledger, %2.\nNothing was recovered; the journal was kept as %3."))
                             .arg(ledgerName, other, search.keptAs));
        return true;
    }
    if (search.found != ledger::RecoveryFound::Read)
        return true;
    const ledger::PendingRecovery& pending = search.pending;
    const QString count = QString::number(pending.changeCount);
    const QString lastChange = platform::FormatShortDateTime(pending.lastChange);
    const bool one = pending.changeCount == 1;
    QString text =
        one ? tr("%1 was not saved when Tallix last ended: 1 change, the last made %2.").arg(ledgerName, lastChange)
            : tr("%1 was not saved when Tallix last ended: %2 changes, the last made %3.")
                  .arg(ledgerName, count, lastChange);
    if (pending.contents.cutShort)
        text += QLatin1Char('\r') + tr("A change after that was cut short and cannot be recovered.");
    // Over a file saved since, the changes would undo that save: they come back as a copy, or wait.
    QStringList choices = {tr("Recover"), tr("Discard")};
    int escape = 0; // closing the box recovers: that loses nothing, and a recovered ledger can still be left unsaved
    if (pending.ledgerChanged) {
        text += QLatin1Char('\r') +
                BoxText(tr("The file was changed on disk since then; these changes would undo that.\n"
                           "Open as Copy opens the ledger as you left it as a new ledger, to be saved under "
                           "another name; the file stays as it is. Keep for Later opens the file read-only and "
                           "asks again the next time."));
        choices = {tr("Open as Copy"), tr("Discard"), tr("Keep for Later")};
        escape = 2;
    }
    for (;;) {
        const int choice = platform::Choose(text, choices, 0, escape);
        if (choice == 0) {
            const ledger::AppliedRecovery recovered = ledger::ApplyRecovery(pending);
            (void)platform::ShowIfFailed(recovered.previousJournal);
            const int applied = recovered.entries;
            if (applied < pending.changeCount)
                platform::MsgBox(tr("%1 of the %2 changes were recovered; the others could not be read "
                                    "back.")
                                     .arg(applied)
                                     .arg(pending.changeCount));
            SetReadOnly(false);
            ShowOpenedLedger();
            return true;
        }
        if (choice == 2)
            return false;
        if (platform::MsgBox(one ? tr("Discard 1 unsaved change? They cannot be recovered afterwards.")
                                 : tr("Discard %1 unsaved changes? They cannot be recovered afterwards.").arg(count),
                             platform::Buttons::YesNo, platform::ProgramTitle(), platform::Icon::Question,
                             platform::Answer::No) == platform::Answer::Yes) {
            ledger::DiscardRecovery(pending);
            return true;
        }
    }
}

ledger::DiskChangeAnswer frmMain::AskAboutDiskChange(const QString& path, bool vanished) {
    const QString text = vanished ? BoxText(tr("%1\nwas moved or deleted since Tallix opened or last saved it.\n"
                                               "Overwrite would write this ledger there again."))
                                  : BoxText(tr("%1\nchanged on disk since Tallix opened or last saved it.\n"
                                               "Overwrite would replace that version with this ledger."));
    const int choice = platform::Choose(text.arg(path), {tr("Save As..."), tr("Overwrite"), tr("Cancel")}, 0, 2);
    switch (choice) {
    case 0:
        return ledger::DiskChangeAnswer::SaveAs;
    case 1:
        return ledger::DiskChangeAnswer::Overwrite;
    default:
        return ledger::DiskChangeAnswer::Cancel;
    }
}

void frmMain::SetReadOnly(bool readOnly) {
    ReadOnlyLedger = readOnly;
    for (QAction* command : {Save, Import, PrintChecks, Options, BalanceToStatement, Schedules, Categories})
        command->setEnabled(!readOnly);
    Command1->setEnabled(!readOnly);
    setWindowTitle(readOnly ? tr("%1 (Read-Only)").arg(platform::ProgramTitle()) : platform::ProgramTitle());
}

void frmMain::ShowOpenedLedger() {
    FillPayeeList();
    ShowNextCheckNumber();
    if (ledger::GetTransactionCount() >= 2)
        Command4->setEnabled(true);
}
