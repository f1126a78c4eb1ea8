#pragma once
// Where `tallix-cli export -o OUT` may write, decided before anything is read or written: never over the file
// being read or any other ledger, into pipes and devices as a stream, over regular files only as a whole.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace cli {

enum class OutputKind {
    StandardOutput, // "-"
    Stream,         // an existing pipe or character device (/dev/null, a terminal): written, never replaced
    Replace,        // a regular file that is not a ledger, or a new name: replaced as a whole
};
// Why an output is not written, with the reason as the failure's text.
enum class OutputRefusal {
    Refused,    // the file being read, a ledger, a folder, or anything else
    Unreadable, // an existing file that cannot be read to see whether it is a ledger: a failure, not a misuse
};

// What `output` names, compared with `input`, the data file that is read (the same file under any name or link
// is refused).
platform::Result<OutputKind, OutputRefusal> ClassifyOutput(const QString& output, const QString& input);

// Writes `bytes` to `output` as `kind` (Stream or Replace) says. A failure when the output could not be opened or
// any byte not written; a file that is replaced is then left as it was.
platform::Result<> WriteOutput(const QString& output, OutputKind kind, const QByteArray& bytes);

} // namespace cli
