#pragma once
// Checks on the check stock people buy: the stock's formats (small JSON files, see CheckFormats.cpp) and the
// drawing of checks and of the alignment sheet onto a printer's or a PDF writer's pages.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace print {

struct CheckToPrint {
    int number = 0;
    double date = 0; // the record's date serial (platform::DateSerial)
    QString payee;
    int64_t cents = 0;
    QString memo;
    QStringList address;
};

// 1/100 inch; negative: left / up.
struct CheckOffset {
    int right = 0;
    int down = 0;
};

// What a field box shows; the stubs repeat the check's number, date, payee, amount and memo.
enum class CheckField { Number, Date, Payee, Amount, Words, Memo, Address };

struct CheckFieldBox {
    CheckField field = CheckField::Date;
    QRectF box; // points from the check's top-left corner
};

struct CheckFormat {
    QString name;             // the file's base name, as --format and the settings name it
    QString title;            // shown to the user
    QSizeF page;              // points; US Letter
    QSizeF check;             // one check with its stubs, points
    std::vector<double> tops; // each check's top on the page, points; as many checks per page
    double left = 0;          // the checks' left edge on the page, points
    double fontSize = 10;     // points
    std::vector<CheckFieldBox> fields;
};

// The formats in the user's data folder first (~/.local/share/tallix/checks), then the installed ones
// (share/tallix/checks), then those compiled in; a name found earlier hides a later file of the same name.
std::vector<CheckFormat> CheckFormats();
std::optional<CheckFormat> FindCheckFormat(const QString& name);
// The three-per-page laser stock.
QString DefaultCheckFormatName();

// A format file that CheckFormats skips, and why, for the user to mend it.
struct CheckFormatProblem {
    QString file;
    QString reason;
};
std::vector<CheckFormatProblem> CheckFormatProblems();
// The format that a file's JSON describes; none with `reason` set when it is no usable format (not JSON, a missing
// or negative size, an unknown field kind, a box outside the check, a check outside the page).
std::optional<CheckFormat> ParseCheckFormat(const QByteArray& json, const QString& name, QString& reason);

// Draws the checks onto the device's pages (QPrinter or QPdfWriter), as many per page as the format holds.
// False (no page drawn) without checks, and when the device cannot be painted on.
bool DrawChecks(QPagedPaintDevice& device, const CheckFormat& format, const std::vector<CheckToPrint>& checks,
                CheckOffset offset);
// Every field's box with its name and a ruler in inches, on plain paper to lay against a form.
bool DrawAlignmentSheet(QPagedPaintDevice& device, const CheckFormat& format, CheckOffset offset);

} // namespace print
