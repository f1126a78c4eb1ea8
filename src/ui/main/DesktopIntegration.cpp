#include "ui/main/DesktopIntegration.h"

#include "ui/resources/Resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace desktop {

namespace {
constexpr int ToolTimeoutMs = 30000;

QString DataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}
QString ConfigHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QByteArray Resource(const QString& name) {
    LoadTallixResources();
    QFile file(QStringLiteral(":/tallix/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void RunTool(const QString& name, const QString& folder) {
    const QString tool = QStandardPaths::findExecutable(name);
    if (tool.isEmpty())
        return;
    QProcess process;
    process.start(tool, {folder});
    if (!process.waitForFinished(ToolTimeoutMs))
        process.kill();
    process.waitForFinished();
}

QString DesktopEntry(const QString& executablePath) {
    QStringList lines = QString::fromUtf8(Resource(QStringLiteral("tallix.desktop"))).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Exec=")))
            line = QStringLiteral("Exec=") + DesktopExecValue(executablePath);
    }
    return lines.join(QLatin1Char('\n'));
}

QString QuoteArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes =
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    QString quoted;
    for (const QChar c : argument) {
        if (needsQuotes && QStringLiteral("\"`$\\").contains(c))
            quoted.append(QLatin1Char('\\'));
        quoted.append(c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c));
    }
    return needsQuotes ? QLatin1Char('"') + quoted + QLatin1Char('"') : quoted;
}

QString EscapeKeyFileValue(const QString& value) {
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            break;
        case u'\n':
            escaped += QLatin1String("\\n");
            break;
        case u'\t':
            escaped += QLatin1String("\\t");
            break;
        case u'\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

bool IsSectionHeader(const QString& line) {
    return line.trimmed().startsWith(QLatin1Char('['));
}

// Edits the `key` line of one section of an INI-style list file; `edit` gets the current entries and returns the
// new ones (none removes the line).
void EditListEntry(QStringList& lines, const QString& section, const QString& key,
                   const std::function<QStringList(QStringList)>& edit) {
    const auto header =
        std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.trimmed() == section; });
    const qsizetype start = header == lines.end() ? -1 : header - lines.begin();
    if (start < 0) {
        const QStringList entries = edit({});
        if (entries.isEmpty())
            return;
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QString());
        lines.append(section);
        lines.append(key + QLatin1Char('=') + entries.join(QLatin1Char(';')) + QLatin1Char(';'));
        return;
    }
    qsizetype end = start + 1;
    while (end < lines.size() && !IsSectionHeader(lines[end]))
        ++end;
    qsizetype lastContent = start;
    for (qsizetype i = start + 1; i < end; ++i) {
        const QString line = lines[i];
        if (!line.trimmed().isEmpty() && !line.trimmed().startsWith(QLatin1Char('#')))
            lastContent = i;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.first(equals).trimmed() != key)
            continue;
        const QStringList entries = edit(line.sliced(equals + 1).trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts));
        if (entries.isEmpty())
            lines.removeAt(i);
        else
            lines[i] = key + QLatin1Char('=') + entries.join(QLatin1Char(';')) + QLatin1Char(';');
        return;
    }
    const QStringList entries = edit({});
    if (!entries.isEmpty())
        lines.insert(lastContent + 1, key + QLatin1Char('=') + entries.join(QLatin1Char(';')) + QLatin1Char(';'));
}
} // namespace

QString DesktopExecValue(const QString& executablePath) {
    return EscapeKeyFileValue(QuoteArgument(executablePath)) + QStringLiteral(" %f");
}

QString MergeMimeApps(const QString& existing, const QString& mimeType, const QString& desktopId) {
    QStringList lines = existing.split(QLatin1Char('\n'));
    const bool endedWithNewline = existing.isEmpty() || existing.endsWith(QLatin1Char('\n'));
    if (endedWithNewline)
        lines.removeLast();
    const auto first = [&](QStringList entries) {
        entries.removeAll(desktopId);
        entries.prepend(desktopId);
        return entries;
    };
    EditListEntry(lines, QStringLiteral("[Default Applications]"), mimeType, first);
    EditListEntry(lines, QStringLiteral("[Added Associations]"), mimeType, first);
    EditListEntry(lines, QStringLiteral("[Removed Associations]"), mimeType, [&](QStringList entries) {
        entries.removeAll(desktopId);
        return entries;
    });
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void InstallDesktopIntegration(const QString& executablePath) {
    const QString data = DataHome();
    WriteFile(data + QStringLiteral("/mime/packages/tallix.xml"), Resource(QStringLiteral("tallix-mime.xml")));
    WriteFile(data + QStringLiteral("/applications/") + DesktopFileId, DesktopEntry(executablePath).toUtf8());
    WriteFile(data + QStringLiteral("/icons/hicolor/scalable/apps/tallix.svg"), Resource(QStringLiteral("tallix.svg")));
    WriteFile(data + QStringLiteral("/icons/hicolor/scalable/mimetypes/application-x-tallix-ledger.svg"),
              Resource(QStringLiteral("application-x-tallix-ledger.svg")));
    RunTool(QStringLiteral("update-mime-database"), data + QStringLiteral("/mime"));
    RunTool(QStringLiteral("update-desktop-database"), data + QStringLiteral("/applications"));

    const QString mimeApps = ConfigHome() + QStringLiteral("/mimeapps.list");
    QFile current(mimeApps);
    QString existing;
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly))
            return; // never replace a file we could not read
        existing = QString::fromUtf8(current.readAll());
    }
    const QString merged = MergeMimeApps(existing, LedgerMimeType, DesktopFileId);
    if (merged != existing)
        WriteFile(mimeApps, merged.toUtf8());
}

} // namespace desktop
