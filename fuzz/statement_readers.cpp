// Arbitrary bytes as a bank statement of each format: every reader returns all its lines or an error and no line,
// without a crash or a hang, and no line it returns holds a date or an amount the plan could not check.
#include "import/Statement.h"
#include "platform/Locale.h"

#include <cstdint>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

void Check(const import::ReadResult& read) {
    Require(read.Ok() || read.lines.empty());
    for (const import::StatementLine& line : read.lines)
        Require(platform::IsDayCountInRange(line.date));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Check(import::ReadOfx(bytes));
    Check(import::ReadQif(bytes));
    import::CsvMapping mapping = import::GuessCsvMapping(bytes);
    mapping.decimalSeparator = QChar();
    if (mapping.date >= 0 && (mapping.amount >= 0 || mapping.debit >= 0 || mapping.credit >= 0))
        Check(import::ReadCsv(bytes, mapping));
    return 0;
}
