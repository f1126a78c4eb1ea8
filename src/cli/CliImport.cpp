#include "cli/CliImport.h"

#include "cli/CommandLine.h"
#include "import/ImportSequence.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/LedgerBalance.h"
#include "register/RegisterCells.h"
#include "register/RegisterModel.h"
#include "storage/CompanionCheck.h"
#include "storage/LedgerFile.h"
#include "storage/LedgerHold.h"
#include "storage/Recovery.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <csignal>

namespace cli {

namespace {

constexpr int SomeRefused = 3;

int Usage(QTextStream& err, const QString& problem) {
    err << "tallix-cli: " << problem << "\n"
        << QCoreApplication::translate("CliImport",
                                       "Usage: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] "
                                       "[--account ID]\n"
                                       "                         [CSV columns]\n"
                                       "  or:  tallix-cli balance LEDGER --date D\n"
                                       "  or:  tallix-cli reconcile LEDGER --date D --balance B")
        << "\n"
        << QCoreApplication::translate("CliImport", "Try 'tallix-cli --help' for more information.") << "\n";
    return UsageError;
}

// Statement text may hold anything; the terminal shows it, never acts on it.
QString Shown(const QString& text) {
    return ledger::EscapeControlCharacters(text);
}

// tallix-cli's side of an import: columns and account from its options, the plan printed line by line, the ledger
// held from the load to the save.
class TerminalFrontEnd final : public import::ImportFrontEnd {
public:
    TerminalFrontEnd(const QString& ledgerPath, const import::ImportRequest& request,
                     const std::optional<import::CsvMapping>& givenColumns, std::optional<import::CsvHeader> header,
                     bool dryRun, QTextStream& out, QTextStream& err)
        : ledgerPath(ledgerPath), request(request), givenColumns(givenColumns), header(header), dryRun(dryRun),
          out(out), err(err) {}

    // Columns given on the command line take the place of remembered ones; without either the read says so.
    // --header holds over remembered columns too.
    bool ChooseColumns(const QByteArray&, std::optional<import::CsvMapping>& columns) override {
        if (givenColumns)
            columns = givenColumns;
        if (columns && header)
            columns->header = *header;
        return true;
    }

    // Nobody to ask: the accounts are listed for the next run to name one.
    std::optional<QString> ChooseAccount(const std::vector<import::StatementAccount>& accounts) override {
        const QString count = QString::number(accounts.size());
        err << "tallix-cli: "
            << (request.account
                    ? QCoreApplication::translate(
                          "CliImport", "%1: no account %2; it holds %3 accounts; choose one with --account ID:")
                          .arg(Shown(request.path), Shown(*request.account), count)
                    : QCoreApplication::translate("CliImport",
                                                  "%1: it holds %2 accounts; choose one with --account ID:")
                          .arg(Shown(request.path), count))
            << "\n";
        for (const import::StatementAccount& a : accounts)
            err << "  " << (a.id.isEmpty() ? QStringLiteral("\"\"") : Shown(a.id)) << "  "
                << (a.lines == 1 ? QCoreApplication::translate("CliImport", "1 transaction")
                                 : QCoreApplication::translate("CliImport", "%1 transactions").arg(a.lines))
                << "\n";
        return std::nullopt;
    }

    // Held from the read to the save, so no window or other import can save between them and lose one side. A dry
    // run writes nothing, so it holds nothing either: not even a lock file in the ledger's folder.
    bool OpenLedger() override {
        ledger::NewLedger();
        ledger::LedgerHold hold;
        if (!dryRun && !Hold(hold))
            return false;
        if (RecoveryWaits() && !dryRun)
            return false;
        ledger::SetDataFileName(ledgerPath);
        if (!ledger::LoadLedger())
            return false;
        // Without its marks and bank ids the import would match against a ledger that is not the one on disk, and
        // the save could not keep what it adds: refused before anything is written.
        const ledger::CompanionLoad& companion = ledger::LastCompanionLoad();
        if (companion.outcome == ledger::CompanionLoad::Outcome::Unusable) {
            err << "tallix-cli: "
                << QCoreApplication::translate("CliImport",
                                               "%1: not imported: %2 cannot be used (%3), so the ledger's cleared "
                                               "marks and bank transaction ids are not known; move that file aside "
                                               "or put a sound copy in its place, then import again")
                       .arg(Shown(ledgerPath), Shown(ledger::CompanionPathOf(ledgerPath)), companion.problem)
                << "\n";
            return false;
        }
        ledger::KeepHold(std::move(hold));
        return true;
    }

    // How the statement was read (the date order, what was left out) first, then its lines, then what they come to.
    bool Preview(import::ImportPlan& plan, const QStringList& notes) override {
        for (const QString& note : notes)
            out << Shown(note) << "\n";
        for (const import::PlannedLine& p : plan.lines) {
            // A line the reader skipped or refused may have no date; its payee is the statement's own.
            out << QCoreApplication::translate("CliImport", "line %1").arg(p.line.source) << "  "
                << (p.line.date ? platform::FormatShortDate(p.line.date) : QStringLiteral("-")) << "  "
                << platform::FormatCents(p.line.cents) << "  "
                << (p.description.isEmpty() ? Shown(p.line.payee.simplified()) : p.description.trimmed()) << "  "
                << Shown(import::PlanText(p)) << "\n";
        }
        const int adds = plan.Count(import::PlanKind::Add);
        const QString added = QString::number(adds), marked = QString::number(plan.Marks()),
                      skipped = QString::number(plan.Skips()),
                      refused = QString::number(plan.Count(import::PlanKind::Refused));
        out << (dryRun && (adds || plan.Marks())
                    ? QCoreApplication::translate(
                          "CliImport", "%1 added, %2 marked cleared, %3 skipped, %4 refused (dry run: nothing written)")
                    : QCoreApplication::translate("CliImport", "%1 added, %2 marked cleared, %3 skipped, %4 refused"))
                   .arg(added, marked, skipped, refused)
            << "\n";
        return !dryRun;
    }

    bool KeepLedger() override { return ledger::SaveLedger(); }

    void Failed(import::ImportFailure failure, const QString& reason) override {
        err << "tallix-cli: ";
        if (failure == import::ImportFailure::ReadStatement)
            err << Shown(request.path) << ": ";
        err << Shown(reason) << "\n";
    }

private:
    bool Hold(ledger::LedgerHold& hold) {
        hold = ledger::LedgerHold::Take(ledgerPath);
        const ledger::LedgerHolder& holder = hold.Holder();
        switch (hold.Status()) {
        case ledger::HoldStatus::Held:
            return true;
        case ledger::HoldStatus::HeldByOther:
            if (holder.program == QLatin1String("tallix-cli"))
                err << "tallix-cli: "
                    << QCoreApplication::translate("CliImport",
                                                   "%1 is being changed by another tallix-cli (%2); try again once it "
                                                   "is done")
                           .arg(Shown(ledgerPath), ledger::DescribeHolder(holder))
                    << "\n";
            else
                err << "tallix-cli: "
                    << QCoreApplication::translate("CliImport",
                                                   "%1 is open in Tallix (%2); import the statement there, with File > "
                                                   "Import..., instead")
                           .arg(Shown(ledgerPath), ledger::DescribeHolder(holder))
                    << "\n";
            return false;
        case ledger::HoldStatus::Unavailable:
            err << "tallix-cli: "
                << QCoreApplication::translate("CliImport",
                                               "cannot import into %1: no lock file can be made in %2 (%3), and "
                                               "without one Tallix could change the ledger at the same time; nothing "
                                               "was changed")
                       .arg(Shown(ledgerPath), Shown(QFileInfo(hold.Target()).absolutePath()), hold.Error())
                << "\n";
            return false;
        }
        return false;
    }

    // Unsaved changes of a crashed window would undo the import, or it theirs: the user decides first, in Tallix.
    // A dry run only says so.
    bool RecoveryWaits() {
        const ledger::RecoverySearch search = ledger::PeekRecovery(ledgerPath);
        QString waiting, advice;
        if (search.found == ledger::RecoveryFound::Read) {
            const QString when = platform::FormatShortDateTime(search.pending.lastChange);
            waiting = search.pending.changeCount == 1
                          ? QCoreApplication::translate("CliImport", "1 unsaved change from %1 wait").arg(when)
                          : QCoreApplication::translate("CliImport", "%1 unsaved changes from %2 wait")
                                .arg(QString::number(search.pending.changeCount), when);
            advice = QCoreApplication::translate("CliImport", "open the ledger in Tallix to recover or discard them");
        } else if (search.found == ledger::RecoveryFound::Unreadable) {
            waiting = QCoreApplication::translate("CliImport", "unsaved changes that cannot be read (%1) wait")
                          .arg(search.error);
            advice = QCoreApplication::translate("CliImport", "open the ledger in Tallix, which keeps them aside");
        } else {
            return false;
        }
        err << "tallix-cli: "
            << (dryRun ? QCoreApplication::translate("CliImport", "note: %1: %2 in the recovery journal %3; %4; until "
                                                                  "then the import is refused")
                       : QCoreApplication::translate("CliImport", "%1: %2 in the recovery journal %3; %4, then import "
                                                                  "the statement; nothing was changed"))
                   .arg(Shown(ledgerPath), waiting, Shown(ledger::JournalPathFor(ledgerPath)), advice)
            << "\n";
        return true;
    }

    const QString ledgerPath;
    const import::ImportRequest request;
    const std::optional<import::CsvMapping> givenColumns;
    const std::optional<import::CsvHeader> header;
    const bool dryRun;
    QTextStream& out;
    QTextStream& err;
};

} // namespace

int RunBalance(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption dateOption(QStringLiteral("date"), {}, QStringLiteral("D"));
    parser.addOption(dateOption);
    if (const platform::Result<> parsed = ParseCommand(parser, QStringLiteral("balance"), args); !parsed)
        return Usage(err, parsed.Error());
    if (parser.positionalArguments().size() > 1)
        return Usage(
            err,
            QCoreApplication::translate("CliImport", "unexpected argument '%1'").arg(parser.positionalArguments()[1]));
    const QString file = parser.positionalArguments().value(0);
    const QString dateText = parser.value(dateOption);
    if (file.isEmpty() || dateText.isEmpty())
        return Usage(err, QCoreApplication::translate("CliImport", "balance needs a FILE and --date D"));
    const auto day = ParseDateArgument(dateText);
    if (!day)
        return Usage(err, QCoreApplication::translate("CliImport", "not a date: '%1'").arg(dateText));
    if (!LoadLedgerFile(file))
        return Failed;
    out << platform::FormatCents(BalanceOn(*day)) << "\n";
    return Sound;
}

int RunReconcile(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption dateOption(QStringLiteral("date"), {}, QStringLiteral("D"));
    const QCommandLineOption balanceOption(QStringLiteral("balance"), {}, QStringLiteral("B"));
    parser.addOptions({dateOption, balanceOption});
    if (const platform::Result<> parsed = ParseCommand(parser, QStringLiteral("reconcile"), args); !parsed)
        return Usage(err, parsed.Error());
    if (parser.positionalArguments().size() > 1)
        return Usage(
            err,
            QCoreApplication::translate("CliImport", "unexpected argument '%1'").arg(parser.positionalArguments()[1]));
    const QString file = parser.positionalArguments().value(0);
    if (file.isEmpty() || !parser.isSet(dateOption) || !parser.isSet(balanceOption))
        return Usage(err, QCoreApplication::translate("CliImport", "reconcile needs a FILE, --date D and --balance B"));
    const auto day = ParseDateArgument(parser.value(dateOption));
    if (!day)
        return Usage(err, QCoreApplication::translate("CliImport", "not a date: '%1'").arg(parser.value(dateOption)));
    const std::optional<double> balance = platform::ToDouble(parser.value(balanceOption));
    if (!balance || !platform::MoneyKeptToTheCent(*balance))
        return Usage(err,
                     QCoreApplication::translate("CliImport", "not an amount: '%1'").arg(parser.value(balanceOption)));
    if (!LoadLedgerFile(file))
        return Failed;
    const platform::LocaleCodec codec;
    RegisterModel model(codec);
    model.Load();
    const int64_t statementCents = ledger::ToCents(*balance);
    const RegisterModel::Reconciliation r = model.Reconcile(*day, statementCents);
    out << QCoreApplication::translate("CliImport", "Cleared balance on %1: %2")
               .arg(codec.FormatShortDate(*day), platform::FormatCents(r.clearedCents))
        << "\n"
        << QCoreApplication::translate("CliImport", "Statement: %1").arg(platform::FormatCents(statementCents)) << "\n"
        << QCoreApplication::translate("CliImport", "Difference: %1").arg(platform::FormatCents(r.differenceCents))
        << "\n"
        << QCoreApplication::translate("CliImport", "Outstanding: %1 out (%2), %3 in (%4)")
               .arg(QString::number(r.outstandingDebits), platform::FormatCents(r.outstandingDebitCents),
                    QString::number(r.outstandingCredits), platform::FormatCents(r.outstandingCreditCents))
        << "\n";
    for (const int index : r.outstanding) {
        const RegisterRow& row = model.At(index);
        const RowCells cells(row, codec, RowCells::Controls::Escape);
        const QStringView number =
            row.isCheck ? cells.Text(RegisterColumn::CheckNumber) : cells.Text(RegisterColumn::Type);
        out << "  " << cells.Text(RegisterColumn::Date).toString() << "  " << number.toString() << "  "
            << cells.Text(RegisterColumn::Description).toString() << "  "
            << platform::FormatCents(SignedCents(row.record)) << "\n";
    }
    return r.differenceCents == 0 ? Sound : SomeRefused;
}

int RunImport(const QStringList& args, QTextStream& out, QTextStream& err) {
    // Output cut short by a reader that has seen enough (| head) must not end the import before it saves.
    std::signal(SIGPIPE, SIG_IGN);
    QCommandLineParser parser;
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption formatOption(QStringLiteral("format"), {}, QStringLiteral("qif|csv|ofx"));
    const QCommandLineOption dateOrderOption(QStringLiteral("date-order"), {}, QStringLiteral("mdy|dmy|ymd"));
    const QCommandLineOption decimalOption(QStringLiteral("decimal"), {}, QStringLiteral(".|,"));
    const QCommandLineOption accountOption(QStringLiteral("account"), {}, QStringLiteral("ID"));
    const QCommandLineOption headerOption(QStringLiteral("header"), {}, QStringLiteral("yes|no"));
    const QCommandLineOption payeeOption(QStringLiteral("payee-col"), {}, QStringLiteral("N[,M]"));
    import::CsvMapping columns;
    columns.decimalSeparator = QChar(); // unless --decimal says: from the amounts
    // Each column option and the field of the mapping it sets.
    const std::pair<QCommandLineOption, int*> columnOptions[] = {
        {QCommandLineOption(QStringLiteral("date-col"), {}, QStringLiteral("N")), &columns.date},
        {QCommandLineOption(QStringLiteral("amount-col"), {}, QStringLiteral("N")), &columns.amount},
        {QCommandLineOption(QStringLiteral("debit-col"), {}, QStringLiteral("N")), &columns.debit},
        {QCommandLineOption(QStringLiteral("credit-col"), {}, QStringLiteral("N")), &columns.credit},
        {QCommandLineOption(QStringLiteral("check-col"), {}, QStringLiteral("N")), &columns.checkNumber},
        {QCommandLineOption(QStringLiteral("type-col"), {}, QStringLiteral("N")), &columns.type},
        {QCommandLineOption(QStringLiteral("direction-col"), {}, QStringLiteral("N")), &columns.direction},
        {QCommandLineOption(QStringLiteral("status-col"), {}, QStringLiteral("N")), &columns.status},
        {QCommandLineOption(QStringLiteral("category-col"), {}, QStringLiteral("N")), &columns.category},
        {QCommandLineOption(QStringLiteral("split-col"), {}, QStringLiteral("N")), &columns.split},
    };
    parser.addOptions(
        {dryRunOption, formatOption, dateOrderOption, decimalOption, accountOption, headerOption, payeeOption});
    for (const auto& [option, field] : columnOptions)
        parser.addOption(option);
    if (const platform::Result<> parsed = ParseCommand(parser, QStringLiteral("import"), args); !parsed)
        return Usage(err, parsed.Error());

    const QStringList files = parser.positionalArguments();
    const QString formatName = parser.value(formatOption);
    const bool dryRun = parser.isSet(dryRunOption);
    bool columnsGiven = false;
    for (const auto& [option, field] : columnOptions) {
        if (!parser.isSet(option))
            continue;
        bool ok = false;
        const int column = parser.value(option).toInt(&ok) - 1;
        if (!ok || column < 0)
            return Usage(err, QCoreApplication::translate("CliImport", "--%1 needs a column number from 1")
                                  .arg(option.names().first()));
        *field = column;
        columnsGiven = true;
    }
    if (parser.isSet(payeeOption)) { // one column, or two joined with a space
        const QStringList numbers = parser.value(payeeOption).split(QLatin1Char(','));
        bool ok = numbers.size() <= 2;
        for (int i = 0; i < numbers.size() && ok; ++i)
            *(i == 0 ? &columns.payee : &columns.payeeMore) = numbers[i].toInt(&ok) - 1;
        if (!ok || columns.payee < 0 || columns.payeeMore < -1 || (numbers.size() == 2 && columns.payeeMore < 0))
            return Usage(err,
                         QCoreApplication::translate(
                             "CliImport", "--payee-col needs a column number from 1, or two separated by a comma"));
        columnsGiven = true;
    }
    std::optional<import::CsvHeader> header;
    if (parser.isSet(headerOption)) {
        const QString answer = parser.value(headerOption).toLower();
        if (answer != QLatin1String("yes") && answer != QLatin1String("no"))
            return Usage(err, QCoreApplication::translate("CliImport", "--header takes yes or no"));
        header = answer == QLatin1String("yes") ? import::CsvHeader::Yes : import::CsvHeader::No;
    }
    if (parser.isSet(dateOrderOption)) {
        const QString order = parser.value(dateOrderOption).toLower();
        if (order == QLatin1String("mdy"))
            columns.dateOrder = import::DateOrder::MonthDayYear;
        else if (order == QLatin1String("dmy"))
            columns.dateOrder = import::DateOrder::DayMonthYear;
        else if (order == QLatin1String("ymd"))
            columns.dateOrder = import::DateOrder::YearMonthDay;
        else
            return Usage(err, QCoreApplication::translate("CliImport", "--date-order takes mdy, dmy or ymd"));
    }
    if (parser.isSet(decimalOption)) {
        const QString separator = parser.value(decimalOption);
        if (separator != QLatin1String(".") && separator != QLatin1String(","))
            return Usage(err, QCoreApplication::translate("CliImport", "--decimal takes . or ,"));
        columns.decimalSeparator = separator[0];
    }
    if (files.size() != 2)
        return Usage(err, QCoreApplication::translate("CliImport", "import needs a LEDGER and a STATEMENT"));
    std::optional<import::Format> named;
    if (!formatName.isEmpty() && !(named = import::FormatFromName(formatName)))
        return Usage(err, QCoreApplication::translate("CliImport", "--format takes qif, csv or ofx"));
    const import::ImportRequest request{
        files[1], named, parser.isSet(accountOption) ? std::optional(parser.value(accountOption)) : std::nullopt,
        columns.dateOrder};
    TerminalFrontEnd frontEnd(files[0], request, columnsGiven ? std::optional(columns) : std::nullopt, header, dryRun,
                              out, err);
    const import::ImportResult result = import::ImportStatement(request, frontEnd);
    if (result.columnsForgotten)
        err << "tallix-cli: "
            << QCoreApplication::translate("CliImport", "warning: the columns could not be remembered in the settings")
            << "\n";
    if (result.outcome == import::ImportOutcome::Stopped || result.outcome == import::ImportOutcome::NotKept)
        return Failed;
    // Lines the ledger refused are told apart from a statement imported whole.
    return result.refused ? SomeRefused : Sound;
}

} // namespace cli
