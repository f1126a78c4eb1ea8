// Checks on their stock read back from the PDF: every field's words where the format puts them, moved by the
// offset; the formats' files and the reasons a broken one is skipped.
#include "print/CheckPrint.h"
#include "model/AmountWords.h"
#include "platform/Locale.h"
#include "support/ScopedLocale.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Word {
    QString text;
    QRectF box; // points from the page's top-left corner
};

// pdftotext -bbox's words, one list per page.
std::vector<std::vector<Word>> WordsOf(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000));
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    std::vector<std::vector<Word>> pages;
    static const QRegularExpression tag(QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                                       "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (m.captured(0) == QLatin1String("<page ")) {
            pages.emplace_back();
            continue;
        }
        pages.back().push_back({m.captured(5).replace(QLatin1String("&amp;"), QLatin1String("&")),
                                QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                       QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return pages;
}

// The first word a field shows for `check`, and for the address the first word of every line.
QStringList FirstWords(print::CheckField field, const print::CheckToPrint& check) {
    const auto first = [](const QString& text) { return text.section(QLatin1Char(' '), 0, 0); };
    switch (field) {
    case print::CheckField::Number:
        return {QString::number(check.number)};
    case print::CheckField::Date:
        return {platform::FormatShortDate(check.date)};
    case print::CheckField::Payee:
        return {first(check.payee)};
    case print::CheckField::Amount:
        return {QStringLiteral("**") + platform::FormatCents(check.cents)};
    case print::CheckField::Words:
        return {first(ledger::AmountInWords(check.cents))};
    case print::CheckField::Memo:
        return {first(check.memo)};
    case print::CheckField::Address: {
        QStringList lines;
        for (const QString& line : check.address)
            lines << first(line);
        return lines;
    }
    }
    return {};
}

TEST(CheckPrintTest, EveryFieldIsPrintedWhereItsFormatPutsIt) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    tallix::test::ScopedLocale locale(QStringLiteral("en_US"));
    // "Fifty" must not come out with a ligature "fi" glyph, which reads back as another character.
    const int64_t cents[] = {123456, 5515, 13107199, 1};
    std::vector<print::CheckToPrint> checks;
    for (int i = 0; i < 4; ++i)
        checks.push_back({1101 + i,
                          platform::DayCountFromDate(QDate(2026, 3, 4 + i)),
                          QStringLiteral("Payee%1 Fine Hardware").arg(i),
                          cents[i],
                          QStringLiteral("Memo%1 invoice 88").arg(i),
                          {QStringLiteral("Street%1 Main").arg(i), QStringLiteral("Town%1, ST 12345").arg(i)}});
    struct Case {
        const char* format;
        print::CheckOffset offset;
    };
    for (const Case& c : {Case{"laser-three", {5, -10}}, Case{"voucher-middle", {-8, 12}}, Case{"wallet", {}}}) {
        SCOPED_TRACE(c.format);
        const std::optional<print::CheckFormat> format = print::FindCheckFormat(QLatin1String(c.format));
        ASSERT_TRUE(format);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("checks.pdf"));
        {
            QPdfWriter writer(pdf);
            ASSERT_TRUE(print::DrawChecks(writer, *format, checks, c.offset));
        }
        const std::vector<std::vector<Word>> pages = WordsOf(pdf);
        const size_t perPage = format->tops.size();
        ASSERT_EQ(pages.size(), (checks.size() + perPage - 1) / perPage);
        const QPointF shift(c.offset.right * 0.72, c.offset.down * 0.72);
        for (size_t i = 0; i < checks.size(); ++i) {
            const QPointF corner = QPointF(format->left, format->tops[i % perPage]) + shift;
            for (const print::CheckFieldBox& field : format->fields) {
                const QRectF box = field.box.translated(corner);
                for (const QString& word : FirstWords(field.field, checks[i])) {
                    const std::vector<Word>& page = pages[i / perPage];
                    const bool found = std::any_of(page.begin(), page.end(), [&](const Word& w) {
                        return w.text == word && std::abs(w.box.left() - box.left()) <= 1 &&
                               w.box.top() >= box.top() - 1 && w.box.bottom() <= box.bottom() + 1;
                    });
                    EXPECT_TRUE(found) << word.toStdString() << " at " << box.left() << "," << box.top();
                }
            }
        }
        // The words end in a line of "*" to the end of their box.
        const auto stars = std::find_if(pages[0].begin(), pages[0].end(),
                                        [](const Word& w) { return w.text.startsWith(QLatin1String("***")); });
        ASSERT_NE(stars, pages[0].end());
        const auto words = std::find_if(format->fields.begin(), format->fields.end(),
                                        [](const auto& f) { return f.field == print::CheckField::Words; });
        EXPECT_NEAR(stars->box.right(), words->box.right() + format->left + shift.x(), 8);
    }
}

TEST(CheckPrintTest, UsersFormatsComeFirstAndABrokenOneIsSkippedWithItsReason) {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tallix/checks");
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto write = [&](const char* name, const QByteArray& json) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
    };
    const QByteArray valid = R"({"title": "Mine", "page": {"width": 612, "height": 792},
        "check": {"width": 612, "height": 264}, "tops": [0, 264],
        "fields": [{"field": "payee", "x": 10, "y": 10, "width": 200, "height": 16}]})";
    write("laser-three.json", valid);
    struct Case {
        const char* file;
        QByteArray json;
        const char* reason;
    };
    const Case broken[] = {
        {"a-not-json.json", "{\"title\": ", "it is not JSON"},
        {"b-no-page.json", QByteArray(valid).replace("\"page\"", "\"paper\""), "\"page\" and \"check\""},
        {"c-kind.json", QByteArray(valid).replace("payee", "signature"), "field 1 is of no known kind"},
        {"d-outside.json", QByteArray(valid).replace("\"x\": 10", "\"x\": 500"), "field 1 (payee) does not lie"},
        {"e-low.json", QByteArray(valid).replace("[0, 264]", "[0, 600]"), "check 2 of \"tops\" does not lie"},
        {"f-tops.json", QByteArray(valid).replace("[0, 264]", "[]"), "\"tops\" lists no check"},
        {"g-fields.json", QByteArray(valid).left(valid.indexOf("\"fields\"")) + "\"x\": 1}",
         "\"fields\" lists no field"},
    };
    for (const Case& c : broken)
        write(c.file, c.json);

    const std::vector<print::CheckFormatProblem> problems = print::CheckFormatProblems();
    ASSERT_EQ(problems.size(), std::size(broken));
    for (size_t i = 0; i < problems.size(); ++i) {
        EXPECT_TRUE(problems[i].file.endsWith(QLatin1String(broken[i].file))) << problems[i].file.toStdString();
        EXPECT_TRUE(problems[i].reason.contains(QLatin1String(broken[i].reason))) << problems[i].reason.toStdString();
    }
    QStringList names;
    for (const print::CheckFormat& format : print::CheckFormats())
        names << format.name;
    EXPECT_EQ(names.join(u' '), QStringLiteral("laser-three voucher-bottom voucher-middle voucher-top wallet"));
    EXPECT_EQ(print::FindCheckFormat(print::DefaultCheckFormatName())->title, QStringLiteral("Mine"));
    QDir(folder).removeRecursively();
}

// The sheet names every field in its box, moved by the offset, and numbers the inches of both rulers.
TEST(CheckPrintTest, AlignmentSheetNamesEveryBoxAndNumbersTheInches) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::optional<print::CheckFormat> format = print::FindCheckFormat(QStringLiteral("voucher-top"));
    ASSERT_TRUE(format);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    {
        QPdfWriter writer(pdf);
        ASSERT_TRUE(print::DrawAlignmentSheet(writer, *format, {10, 20}));
    }
    const std::vector<std::vector<Word>> pages = WordsOf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const std::map<print::CheckField, QString> names = {
        {print::CheckField::Number, "Check"},   {print::CheckField::Date, "Date"},
        {print::CheckField::Payee, "Payee"},    {print::CheckField::Amount, "Amount"},
        {print::CheckField::Words, "Amount"},   {print::CheckField::Memo, "Memo"},
        {print::CheckField::Address, "Address"}};
    for (const print::CheckFieldBox& field : format->fields) {
        const QRectF box = field.box.translated(QPointF(format->left + 7.2, format->tops[0] + 14.4));
        EXPECT_TRUE(
            std::any_of(pages[0].begin(), pages[0].end(),
                        [&](const Word& w) { return w.text == names.at(field.field) && box.contains(w.box.center()); }))
            << names.at(field.field).toStdString() << " at " << box.left() << "," << box.top();
    }
    for (int inch = 1; inch <= 10; ++inch)
        EXPECT_TRUE(std::any_of(pages[0].begin(), pages[0].end(), [&](const Word& w) {
            return w.text == QString::number(inch) && w.box.left() < 30 && std::abs(w.box.top() - inch * 72) < 8;
        })) << inch;
}

} // namespace
