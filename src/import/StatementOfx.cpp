// OFX 1.x (SGML) and 2.x (XML), and QFX, which is OFX, through libofx.
#include "import/Statement.h"

#include "platform/Locale.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cmath>
#include <cstdio>
#include <libofx/libofx.h>
#include <unistd.h>

namespace import {

namespace {

const char* TypeName(TransactionType type) {
    static const char* const names[] = {"CREDIT", "DEBIT",     "INT",         "DIV",       "FEE",   "SRVCHG",
                                        "DEP",    "ATM",       "POS",         "XFER",      "CHECK", "PAYMENT",
                                        "CASH",   "DIRECTDEP", "DIRECTDEBIT", "REPEATPMT", "OTHER"};
    return type >= 0 && size_t(type) < std::size(names) ? names[type] : "";
}

struct Collected {
    ReadResult result;
    int element = 0;
};

int OnTransaction(const OfxTransactionData data, void* context) {
    Collected& c = *static_cast<Collected*>(context);
    const int element = ++c.element;
    if (!c.result.Ok())
        return 0;
    const QString id = data.fi_id_valid ? QString::fromUtf8(data.fi_id) : QString();
    auto fail = [&](const char* missing) {
        c.result.error = QStringLiteral("transaction %1 (STMTTRN%2): %3")
                             .arg(element)
                             .arg(id.isEmpty() ? QString() : QStringLiteral(" FITID ") + id)
                             .arg(QLatin1String(missing));
    };
    if (!data.date_posted_valid)
        return fail("no valid DTPOSTED"), 0;
    if (!data.amount_valid || !std::isfinite(data.amount) || std::fabs(data.amount) > 1e16)
        return fail("no valid TRNAMT"), 0;
    StatementLine line;
    // libofx gives a moment; a date without a time of day becomes 10:59 UTC on that day, whatever the time
    // zone, so the UTC day is the statement's day (a time within hours of midnight may move it by one).
    const QDate date = QDateTime::fromSecsSinceEpoch(data.date_posted, Qt::UTC).date();
    line.date = platform::DayCountFromDate(date);
    line.cents = std::llround(data.amount * 100);
    line.payee = data.name_valid   ? QString::fromUtf8(data.name)
                 : data.memo_valid ? QString::fromUtf8(data.memo)
                                   : QString();
    line.checkNumber = data.check_number_valid ? QString::fromUtf8(data.check_number).trimmed() : QString();
    line.bankId = id;
    line.bankType = data.transactiontype_valid ? QString::fromLatin1(TypeName(data.transactiontype)) : QString();
    line.source = element;
    c.result.lines.push_back(line);
    return 0;
}

// libofx numbers the lines of an OFX 1.x file from its <OFX> line, after the header it strips.
int HeaderLines(const QByteArray& data) {
    if (data.trimmed().startsWith("<?xml") || data.trimmed().startsWith("\xEF\xBB\xBF<?xml"))
        return 0;
    const qsizetype start = data.toUpper().indexOf("<OFX>");
    return start < 0 ? 0 : int(data.left(start).count('\n'));
}

// libofx reports errors only on standard error; the first one the SGML/XML parser found is what the user needs.
// Only the GUI thread reads statements, so nothing else writes to standard error meanwhile.
class CapturedErrors {
public:
    CapturedErrors() {
        if (!log.open())
            return;
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        if (saved >= 0)
            dup2(log.handle(), STDERR_FILENO);
    }
    QString FirstError(int headerLines) {
        Restore();
        log.seek(0);
        static const QRegularExpression error(QStringLiteral(R"(:(\d+):(\d+):E: (.*))"));
        const auto m = error.match(QString::fromUtf8(log.readAll()));
        if (!m.hasMatch())
            return QStringLiteral("libofx could not read the file");
        return QStringLiteral("line %1: %2").arg(m.captured(1).toInt() + headerLines).arg(m.captured(3).trimmed());
    }
    ~CapturedErrors() { Restore(); }

private:
    void Restore() {
        if (saved < 0)
            return;
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        saved = -1;
    }
    QTemporaryFile log;
    int saved = -1;
};

} // namespace

ReadResult ReadOfx(const QByteArray& data) {
    if (!data.toUpper().contains("<OFX"))
        return {{}, QStringLiteral("no <OFX> element: not an OFX file")};
    // libofx reads only named files.
    QTemporaryFile file;
    if (!file.open() || file.write(data) != data.size() || !file.flush())
        return {{}, QStringLiteral("cannot write a temporary copy: %1").arg(file.errorString())};
    // Only errors: they are what the message to the user is made of.
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = ofx_DEBUG4_msg =
        ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = 0;
    ofx_ERROR_msg = 1;
    Collected collected;
    CapturedErrors errors;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, OnTransaction, &collected);
    const int status = libofx_proc_file(context, QFile::encodeName(file.fileName()).constData(), AUTODETECT);
    libofx_free_context(context);
    const QString parseError = errors.FirstError(HeaderLines(data));
    if (status != 0)
        return {{}, parseError};
    if (!collected.result.Ok())
        return {{}, collected.result.error};
    return collected.result;
}

} // namespace import
