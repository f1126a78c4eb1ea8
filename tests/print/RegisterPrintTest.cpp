// The printed register read back from its PDF: every row once, whole, on the page its place gives it; headers and
// page numbers on every page.
#include "print/RegisterPrint.h"
#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "support/ScopedLocale.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// pdftotext's text of a PDF, one entry per page.
QStringList PagesOf(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000));
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

TEST(RegisterPrintTest, EveryRowIsPrintedWholeOnItsPageUnderTheHeaders) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    struct Case {
        const char* locale;
        const char* balanceOfRow1; // 100.00 - 1.01
        const char* lockDate;
        const char* paper; // the page's size in points, as the PDF gives it: the locale's paper
    };
    for (const Case& c :
         {Case{"en_US", "98.99", "1/10/2020", "612 792"}, Case{"de_DE", "98,99", "10.01.20", "595 842"}}) {
        SCOPED_TRACE(c.locale);
        tallix::test::ScopedLocale locale(QString::fromLatin1(c.locale));
        constexpr int Rows = 1000;
        ledger::NewLedger();
        ledger::SetStartingBalance(100);
        for (int i = 0; i < Rows; ++i)
            ledger::AddTransaction(int16_t(i % 3 == 0 ? 2000 + i : -1),
                                   platform::DayCountFromDate(QDate(2020, 1, 1).addDays(i)), 1.01f,
                                   QStringLiteral("Payee %1").arg(i, 4, 10, QLatin1Char('0')), ledger::CheckOrPayment);
        ledger::SetLockDate(platform::DayCountFromDate(QDate(2020, 1, 10)));

        print::PrintedRegister printed;
        const QByteArray pdf = print::RegisterPdf(QStringLiteral("Check Register: book"), QDate(2026, 3, 4), &printed);
        ASSERT_TRUE(printed.ok);
        ASSERT_TRUE(pdf.startsWith("%PDF"));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 (\\d+)[.0]* (\\d+)")).match(QString::fromLatin1(pdf));
        EXPECT_EQ(box.captured(1) + u' ' + box.captured(2), QLatin1String(c.paper));
        // A page holds a few dozen rows; the pages are as many as the rows need.
        EXPECT_GT(printed.rowsPerPage, 20);
        EXPECT_LT(printed.rowsPerPage, 100);
        EXPECT_EQ(printed.pages, (Rows + printed.rowsPerPage - 1) / printed.rowsPerPage);

        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("register.pdf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pdf);
        file.close();
        const QStringList pages = PagesOf(file.fileName());
        ASSERT_EQ(pages.size(), printed.pages);
        for (int p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE(p + 1);
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Description of Transaction")));
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Balance")));
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Lock date: %1").arg(QLatin1String(c.lockDate))));
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(printed.pages)));
        }
        // Row i: on the page its place gives it, once in the whole document, its balance on its own line.
        const QString all = pages.join(QLatin1Char('\n'));
        for (int i = 0; i < Rows; ++i) {
            const QString payee = QStringLiteral("Payee %1").arg(i, 4, 10, QLatin1Char('0'));
            ASSERT_EQ(all.count(payee), 1) << payee.toStdString();
            const QString& page = pages[i / printed.rowsPerPage];
            const qsizetype at = page.indexOf(payee);
            ASSERT_GE(at, 0) << payee.toStdString();
            const qsizetype start = page.lastIndexOf(QLatin1Char('\n'), at) + 1;
            const QString line = page.mid(start, page.indexOf(QLatin1Char('\n'), at) - start);
            if (i == 0) {
                EXPECT_TRUE(line.trimmed().endsWith(QLatin1String(c.balanceOfRow1))) << line.toStdString();
            }
            if (i % 3 == 0) {
                EXPECT_TRUE(line.contains(QString::number(2000 + i))) << line.toStdString();
            }
        }
    }
    ledger::NewLedger();
}

} // namespace
