#pragma once
// The register on paper or in a PDF: the rows as the register window sorts and balances them, every column it
// shows, with the starting balance, the lock date and the day printed above, page numbers below, and the column
// headers at the top of every page. A row never breaks across pages.

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

namespace print {

struct PrintedRegister {
    bool ok = false;
    int pages = 0;
    int rowsPerPage = 0;
};

// Prints the ledger in the store onto `device` (a printer or a PDF writer), whose page layout is already set.
// `title` heads every page (the ledger's name). Needs a QGuiApplication for the fonts.
PrintedRegister PrintRegister(QPagedPaintDevice& device, const QString& title, const QDate& printed);

// The page the register is printed on, in the window and by tallix-cli alike: the locale's paper (A4 where it
// measures in metric, else Letter), portrait, 15 mm margins.
QPageLayout RegisterPageLayout(const QLocale& locale = QLocale());

// The whole register as PDF bytes on RegisterPageLayout's page, for writing where the caller decides.
QByteArray RegisterPdf(const QString& title, const QDate& printed, PrintedRegister* result = nullptr);

} // namespace print
