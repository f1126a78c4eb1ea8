#pragma once
// A command's own arguments read with QCommandLineParser: its options anywhere, its operands in order, "--" ending
// the options so that a file whose name starts with "-" can still be named. Also what every command shares: its exit
// statuses and the loading of the ledger it works on.

#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "platform/Result.h"
#include "storage/LedgerFile.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

// Exit statuses every command gives; a command's own (3) is named where it is given.
constexpr int Sound = 0;
constexpr int Failed = 1;
constexpr int UsageError = 2;

// The ledger store afresh with the data file at `path`; false when it could not be loaded (the load said why).
inline bool LoadLedgerFile(const QString& path) {
    ledger::NewLedger();
    ledger::SetDataFileName(path);
    return ledger::LoadLedger();
}

// A day given on the command line: ISO 8601 from scripts, or the locale's short date as the user types it.
inline std::optional<double> ParseDateArgument(const QString& text) {
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid() && platform::IsDayCountInRange(platform::DayCountFromDate(iso)))
        return platform::DayCountFromDate(iso);
    return platform::ParseTypedDate(text);
}

// Parses `args` (what follows the command's name) with the options already added to `parser`. A failure, with the
// parser's message, for an unknown option or an option without its value.
inline platform::Result<> ParseCommand(QCommandLineParser& parser, const QString& command, const QStringList& args) {
    if (parser.parse(QStringList{QStringLiteral("tallix-cli ") + command} + args))
        return {};
    return platform::Fail(parser.errorText());
}

} // namespace cli
