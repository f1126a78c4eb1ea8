// Check stock formats are JSON files, one format each, named NAME.json:
//
//   {"title": "Three checks per page", "page": {"width": 612, "height": 792}, "check": {"width": 612, "height": 252},
//    "left": 0, "tops": [0, 252, 504], "fontSize": 10,
//    "fields": [{"field": "date", "x": 446, "y": 40, "width": 110, "height": 16}, ...]}
//
// in points: "left" and "tops" from the page's top-left corner, the fields from each check's. A field kind may
// appear more than once (voucher stubs repeat the check's). Other keys are ignored, so a file can carry notes.
#include "print/CheckPrint.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStandardPaths>

namespace print {

namespace {

// The shipped formats' titles, translated where they are shown; a user's own file keeps its words.
[[maybe_unused]] constexpr const char* ShippedTitles[] = {
    QT_TRANSLATE_NOOP("CheckFormats", "Three checks per page"),
    QT_TRANSLATE_NOOP("CheckFormats", "One check at the top, two stubs"),
    QT_TRANSLATE_NOOP("CheckFormats", "One check in the middle, two stubs"),
    QT_TRANSLATE_NOOP("CheckFormats", "One check at the bottom, two stubs"),
    QT_TRANSLATE_NOOP("CheckFormats", "Wallet checks with a stub on the left"),
};

const std::pair<const char*, CheckField> FieldKinds[] = {
    {"number", CheckField::Number},   {"date", CheckField::Date},   {"payee", CheckField::Payee},
    {"amount", CheckField::Amount},   {"words", CheckField::Words}, {"memo", CheckField::Memo},
    {"address", CheckField::Address},
};

// A size or position: a number, positive where it is a size; NaN otherwise.
double Points(const QJsonValue& value, bool size) {
    const double points = value.isDouble() ? value.toDouble() : qQNaN();
    return size ? (points > 0 ? points : qQNaN()) : (points >= 0 ? points : qQNaN());
}

std::optional<QSizeF> SizeOf(const QJsonObject& object, const QString& key) {
    const QJsonObject size = object.value(key).toObject();
    const double width = Points(size.value(QLatin1String("width")), true);
    const double height = Points(size.value(QLatin1String("height")), true);
    if (qIsNaN(width) || qIsNaN(height))
        return std::nullopt;
    return QSizeF(width, height);
}

// Slightly generous: a box that ends within rounding of an edge is inside.
bool Within(const QRectF& inner, const QRectF& outer) {
    return outer.adjusted(-0.01, -0.01, 0.01, 0.01).contains(inner);
}

// The formats of one folder, by file name.
void ReadFolder(const QString& folder, std::vector<CheckFormat>& formats, std::vector<CheckFormatProblem>& problems,
                QSet<QString>& names) {
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name)) {
        const QString name = info.completeBaseName();
        if (names.contains(name))
            continue;
        QFile file(info.filePath());
        QString reason;
        std::optional<CheckFormat> format;
        if (!file.open(QIODevice::ReadOnly))
            reason = file.errorString();
        else if (file.size() > 1 << 20)
            reason =
                QCoreApplication::translate("CheckFormats", "the file is larger than a check format can be (1 MB)");
        else
            format = ParseCheckFormat(file.readAll(), name, reason);
        if (!format) {
            problems.push_back({QDir::toNativeSeparators(info.filePath()), reason});
            continue;
        }
        names.insert(name);
        formats.push_back(*format);
    }
}

struct CheckFormatList {
    std::vector<CheckFormat> formats;
    std::vector<CheckFormatProblem> problems;
};

// The user's data folder comes first in the XDG list; the compiled-in copies last, for a build not installed.
CheckFormatList ReadCheckFormats() {
    CheckFormatList list;
    QSet<QString> names;
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        ReadFolder(data + QStringLiteral("/tallix/checks"), list.formats, list.problems, names);
    ReadFolder(QStringLiteral(":/tallix/checks"), list.formats, list.problems, names);
    return list;
}

} // namespace

std::optional<CheckFormat> ParseCheckFormat(const QByteArray& json, const QString& name, QString& reason) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject()) {
        reason = error.error != QJsonParseError::NoError
                     ? QCoreApplication::translate("CheckFormats", "it is not JSON: %1 at character %2")
                           .arg(error.errorString())
                           .arg(error.offset)
                     : QCoreApplication::translate("CheckFormats", "it is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    CheckFormat format;
    format.name = name;
    const QString title = root.value(QLatin1String("title")).toString().trimmed();
    format.title = title.isEmpty() ? name : QCoreApplication::translate("CheckFormats", title.toUtf8().constData());
    const std::optional<QSizeF> page = SizeOf(root, QStringLiteral("page"));
    const std::optional<QSizeF> check = SizeOf(root, QStringLiteral("check"));
    if (!page || !check) {
        reason = QCoreApplication::translate(
            "CheckFormats", "it needs \"page\" and \"check\", each with a \"width\" and \"height\" above 0");
        return std::nullopt;
    }
    format.page = *page;
    format.check = *check;
    format.left = root.contains(QLatin1String("left")) ? Points(root.value(QLatin1String("left")), false) : 0;
    format.fontSize = root.contains(QLatin1String("fontSize")) ? Points(root.value(QLatin1String("fontSize")), true)
                                                               : format.fontSize;
    if (qIsNaN(format.left) || qIsNaN(format.fontSize) || format.fontSize > 72) {
        reason = QCoreApplication::translate(
            "CheckFormats", "\"left\" must be a number of 0 or more and \"fontSize\" one from above 0 to 72");
        return std::nullopt;
    }
    const QRectF pageBox(QPointF(), format.page);
    for (const QJsonValue& top : root.value(QLatin1String("tops")).toArray()) {
        const double points = Points(top, false);
        if (qIsNaN(points) || !Within(QRectF(QPointF(format.left, points), format.check), pageBox)) {
            reason = QCoreApplication::translate("CheckFormats", "check %1 of \"tops\" does not lie on the page")
                         .arg(format.tops.size() + 1);
            return std::nullopt;
        }
        format.tops.push_back(points);
    }
    if (format.tops.empty()) {
        reason = QCoreApplication::translate("CheckFormats", "\"tops\" lists no check");
        return std::nullopt;
    }
    const QRectF checkBox(QPointF(), format.check);
    const QJsonArray fields = root.value(QLatin1String("fields")).toArray();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QJsonObject field = fields[i].toObject();
        const QString kind = field.value(QLatin1String("field")).toString();
        const auto known = std::find_if(std::begin(FieldKinds), std::end(FieldKinds),
                                        [&](const auto& k) { return kind == QLatin1String(k.first); });
        if (known == std::end(FieldKinds)) {
            reason =
                QCoreApplication::translate(
                    "CheckFormats", "field %1 is of no known kind (number, date, payee, amount, words, memo, address)")
                    .arg(i + 1);
            return std::nullopt;
        }
        const QRectF box(Points(field.value(QLatin1String("x")), false), Points(field.value(QLatin1String("y")), false),
                         Points(field.value(QLatin1String("width")), true),
                         Points(field.value(QLatin1String("height")), true));
        if (qIsNaN(box.x()) || qIsNaN(box.y()) || qIsNaN(box.width()) || qIsNaN(box.height()) ||
            !Within(box, checkBox)) {
            reason = QCoreApplication::translate("CheckFormats", "field %1 (%2) does not lie on the check")
                         .arg(i + 1)
                         .arg(kind);
            return std::nullopt;
        }
        format.fields.push_back({known->second, box});
    }
    if (format.fields.empty()) {
        reason = QCoreApplication::translate("CheckFormats", "\"fields\" lists no field");
        return std::nullopt;
    }
    return format;
}

std::vector<CheckFormat> CheckFormats() {
    return ReadCheckFormats().formats;
}

std::vector<CheckFormatProblem> CheckFormatProblems() {
    return ReadCheckFormats().problems;
}

std::optional<CheckFormat> FindCheckFormat(const QString& name) {
    for (const CheckFormat& format : CheckFormats())
        if (format.name == name)
            return format;
    return std::nullopt;
}

QString DefaultCheckFormatName() {
    return QStringLiteral("laser-three");
}

} // namespace print
