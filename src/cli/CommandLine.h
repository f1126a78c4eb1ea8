#pragma once
// A command's own arguments read with QCommandLineParser: its options anywhere, its operands in order, "--" ending
// the options so that a file whose name starts with "-" can still be named.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace cli {

// Parses `args` (what follows the command's name) with the options already added to `parser`. False, with the
// parser's message in `problem`, for an unknown option or an option without its value.
inline bool ParseCommand(QCommandLineParser& parser, const QString& command, const QStringList& args,
                         QString& problem) {
    if (parser.parse(QStringList{QStringLiteral("tallix-cli ") + command} + args))
        return true;
    problem = parser.errorText();
    return false;
}

} // namespace cli
