#include "cli/CliForecast.h"

#include "cli/CommandLine.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/ForecastHorizon.h"
#include "platform/Locale.h"
#include "register/Forecast.h"
#include "register/ForecastText.h"
#include "register/RegisterCells.h"

#include <QCoreApplication>

namespace cli {

namespace {

constexpr int Low = 3;

int Usage(QTextStream& err, const QString& problem) {
    err << "tallix-cli: " << problem << "\n"
        << QCoreApplication::translate("CliForecast", "Usage: tallix-cli forecast LEDGER [--days N]") << "\n"
        << QCoreApplication::translate("CliForecast", "Try 'tallix-cli --help' for more information.") << "\n";
    return UsageError;
}

} // namespace

int RunForecast(const QStringList& args, int defaultDays, int64_t cushionCents, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption daysOption(QStringLiteral("days"), {}, QStringLiteral("N"));
    parser.addOption(daysOption);
    if (const platform::Result<> parsed = ParseCommand(parser, QStringLiteral("forecast"), args); !parsed)
        return Usage(err, parsed.Error());
    if (parser.positionalArguments().size() != 1)
        return Usage(err, QCoreApplication::translate("CliForecast", "forecast needs exactly one FILE"));
    int days = defaultDays;
    if (parser.isSet(daysOption)) {
        bool ok = false;
        days = parser.value(daysOption).toInt(&ok);
        if (!ok || days < 1 || days > platform::MaxHorizonDays)
            return Usage(err, QCoreApplication::translate("CliForecast", "--days takes a number of days from 1 to %1")
                                  .arg(platform::MaxHorizonDays));
    }
    if (!LoadLedgerFile(parser.positionalArguments().first()))
        return Failed;
    const platform::LocaleCodec codec;
    const Forecast f = StoreForecast(BuildRegisterRows(codec), platform::Today(), days);
    for (const UpcomingRow& upcoming : f.rows) {
        const RegisterRow row = AsRegisterRow(upcoming);
        const RowCells cells(row, codec, RowCells::Controls::Escape);
        out << "  " << cells.Text(RegisterColumn::Date).toString() << "  "
            << cells.Text(RegisterColumn::Type).toString() << "  " << cells.Text(RegisterColumn::Description).toString()
            << "  " << platform::FormatCents(ledger::SignedCents(upcoming.typeCode, upcoming.amountCents)) << "  "
            << cells.Text(RegisterColumn::Balance).toString();
        if (upcoming.due)
            out << "  " << QCoreApplication::translate("CliForecast", "due", "an overdue scheduled transaction");
        out << "\n";
    }
    // Before the last line, which scripts read for the balances.
    if (const QString cut = ForecastCutText(f.cut, codec); !cut.isEmpty())
        out << cut << "\n";
    out << QCoreApplication::translate("CliForecast", "Today (%1): %2  Lowest: %3 on %4")
               .arg(codec.FormatShortDate(f.today), platform::FormatCents(f.todayCents),
                    platform::FormatCents(f.lowestCents), codec.FormatShortDate(f.lowestDay))
        << "\n";
    return IsLowForecast(f, cushionCents) ? Low : Sound;
}

} // namespace cli
