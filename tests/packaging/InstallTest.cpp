// The installed program as a desktop sees it: the files a package holds, the caches an install into a live prefix
// refreshes, and what file managers and Qt call a ledger afterwards.
#include "Version.h"
#include "ledger/Ledger.h"
#include "storage/LedgerFile.h"
#include "support/Files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString LedgerType = QStringLiteral("application/x-tallix-ledger");

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

ToolRun RunTool(const QString& program, const QStringList& args,
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The full path of a tool the test task of scripts/bootstrap installs; empty, with a failure naming the package,
// when it is missing.
QString Tool(const QString& name, const char* package) {
    const QString path = QStandardPaths::findExecutable(name);
    EXPECT_FALSE(path.isEmpty()) << name.toStdString() << " is missing: install " << package
                                 << " (scripts/bootstrap test does)";
    return path;
}

// `cmake --install` of the build tree these tests belong to; staged below `destdir` when it is not empty.
ToolRun Install(const QString& prefix, const QString& destdir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DESTDIR"));
    if (!destdir.isEmpty())
        env.insert(QStringLiteral("DESTDIR"), destdir);
    return RunTool(QStringLiteral(TALLIX_CMAKE), {"--install", TALLIX_BUILD_DIR, "--prefix", prefix}, env);
}

QStringList FilesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The installed files the README lists after "below the prefix:": every `bin/...`, `libexec/...` or `share/...` in
// backticks up to the next blank line, where `*` stands for one folder or name part.
QList<QRegularExpression> ReadmeInstallList() {
    QFile file(QStringLiteral(TALLIX_SOURCE_DIR "/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString readme = QString::fromUtf8(file.readAll());
    const qsizetype start = readme.indexOf(QLatin1String("below the prefix:\n"));
    if (start < 0)
        return {};
    const qsizetype end = readme.indexOf(QLatin1String("\n\n"), readme.indexOf(QLatin1Char('`'), start));
    const QString section = readme.mid(start, end - start);
    QList<QRegularExpression> list;
    static const QRegularExpression quoted(QStringLiteral("`((?:bin|libexec|share)/[^`]+)`"));
    for (const QRegularExpressionMatch& m : quoted.globalMatch(section))
        list << QRegularExpression(QRegularExpression::wildcardToRegularExpression(m.captured(1)));
    return list;
}

// A ledger of nine transactions: ten records, so its first bytes are 0A 00, which PCX images also start with.
void WriteTenRecordLedger(const QString& path) {
    ledger::NewLedger();
    for (int i = 1; i <= 9; ++i)
        ledger::AddTransaction(int16_t(100 + i), 45000 + i, 10.0f * i, QStringLiteral("Payee %1").arg(i),
                               ledger::CheckOrPayment);
    ledger::SetDataFileName(path);
    ASSERT_TRUE(ledger::SaveLedger());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_EQ(file.read(2), QByteArray("\x0A\x00", 2));
}
} // namespace

// A packager stages the install below DESTDIR: every file there is one the README names and the reverse, and
// nothing is written outside the stage, not even the desktop caches, which the package manager refreshes.
TEST(Install, StagedInstallHoldsWhatTheReadmeNamesAndNothingElse) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("prefix"));
    const QString stage = dir.filePath(QStringLiteral("stage"));
    const ToolRun install = Install(prefix, stage);
    ASSERT_EQ(install.status, 0) << install.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(prefix));

    const QStringList files = FilesBelow(stage + prefix);
    const QList<QRegularExpression> named = ReadmeInstallList();
    ASSERT_FALSE(named.isEmpty());
    for (const QString& file : files) {
        EXPECT_TRUE(std::any_of(named.begin(), named.end(), [&](const auto& n) { return n.match(file).hasMatch(); }))
            << "installed, but not named in the README: " << file.toStdString();
    }
    for (const QRegularExpression& n : named) {
        EXPECT_TRUE(std::any_of(files.begin(), files.end(), [&](const QString& f) { return n.match(f).hasMatch(); }))
            << "named in the README, but not installed: " << n.pattern().toStdString();
    }

    // AppStream checks the metadata against the desktop entry and the icons it finds in the same tree.
    const QString appstream = Tool(QStringLiteral("appstreamcli"), "appstream");
    if (!appstream.isEmpty()) {
        const ToolRun tree = RunTool(appstream, {"validate-tree", "--no-net", stage + prefix});
        EXPECT_EQ(tree.status, 0) << tree.out.toStdString() << tree.err.toStdString();
    }
    EXPECT_TRUE(tallix::test::ReadAll(stage + prefix + "/share/metainfo/org.tallix.Tallix.metainfo.xml")
                    .contains("<release version=\"" + QByteArray(TallixVersion) + "\" date=\"20"));
}

// The Debian package, made by CPack from this build tree as scripts/package makes it from its own: the libraries
// it depends on are computed, lintian finds no error, and it holds what the README lists and nothing else.
TEST(Package, DebianPackageHoldsTheInstallAndPassesLintian) {
    const QString dpkgDeb = Tool(QStringLiteral("dpkg-deb"), "dpkg");
    const QString lintian = Tool(QStringLiteral("lintian"), "lintian");
    Tool(QStringLiteral("dpkg-shlibdeps"), "dpkg-dev");
    QTemporaryDir dir;
    const ToolRun cpack =
        RunTool(QStringLiteral(TALLIX_CPACK), {"--config", TALLIX_BUILD_DIR "/CPackConfig.cmake", "-B", dir.path()});
    ASSERT_EQ(cpack.status, 0) << cpack.out.toStdString() << cpack.err.toStdString();
    const QStringList debs = QDir(dir.path()).entryList({QStringLiteral("tallix_%1_*.deb").arg(TallixVersion)});
    ASSERT_EQ(debs.size(), 1) << cpack.out.toStdString();
    const QString deb = dir.filePath(debs.first());
    if (dpkgDeb.isEmpty() || lintian.isEmpty())
        return;

    // The control fields, indented by one space, and the maintainer scripts, executable (*).
    const QString control = RunTool(dpkgDeb, {"--info", deb}).out;
    for (const char* field : {"^ Section: misc$", "^ Depends: .*zlib1g", "^ Depends: .*libqt6widgets6 ",
                              "^ Depends: .*qt6-qpa-plugins", "^ Depends: .*libqt6sql6-sqlite",
                              "^ Description: .+\\n  .+", "^ +\\d+ bytes, +\\d+ lines +\\* +postinst +#!/bin/sh$",
                              "^ +\\d+ bytes, +\\d+ lines +\\* +postrm +#!/bin/sh$"})
        EXPECT_TRUE(
            QRegularExpression(QLatin1String(field), QRegularExpression::MultilineOption).match(control).hasMatch())
            << field << " not in:\n"
            << control.toStdString();

    QStringList files;
    static const QRegularExpression entry(QStringLiteral("^\\S+ \\S+ +\\d+ \\S+ \\S+ \\./usr/(.*[^/\\s])$"),
                                          QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& m : entry.globalMatch(RunTool(dpkgDeb, {"--contents", deb}).out))
        files << m.captured(1);
    const QList<QRegularExpression> named = ReadmeInstallList();
    ASSERT_FALSE(files.isEmpty());
    for (const QRegularExpression& n : named)
        EXPECT_TRUE(std::any_of(files.begin(), files.end(), [&](const QString& f) { return n.match(f).hasMatch(); }))
            << "named in the README, but not in the package: " << n.pattern().toStdString();
    for (const QString& file : files)
        EXPECT_TRUE(std::any_of(named.begin(), named.end(), [&](const auto& n) { return n.match(file).hasMatch(); }))
            << "in the package, but not named in the README: " << file.toStdString();

    const ToolRun check = RunTool(lintian, {"--no-tag-display-limit", deb});
    EXPECT_EQ(check.status, 0) << check.out.toStdString() << check.err.toStdString();
    EXPECT_FALSE(check.out.contains(QLatin1String("E: "))) << check.out.toStdString();
}

// Right after an install into a live prefix, file managers (gio, xdg-mime) and Qt call a ledger a ledger, under
// its own name and under any other, while a PCX image stays a PCX image.
TEST(Install, LiveInstallTeachesEveryLookupTheLedgerType) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("prefix"));
    const ToolRun install = Install(prefix, QString());
    ASSERT_EQ(install.status, 0) << install.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(prefix + "/share/mime/mime.cache"));
    EXPECT_TRUE(tallix::test::ReadAll(prefix + "/share/applications/mimeinfo.cache")
                    .contains("application/x-tallix-ledger=tallix.desktop;"));

    const QString book = dir.filePath(QStringLiteral("book.tlx"));
    WriteTenRecordLedger(book);
    ASSERT_TRUE(QFile::copy(book, dir.filePath(QStringLiteral("book"))));
    QFile picture(dir.filePath(QStringLiteral("picture")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray("\x0A\x05\x01\x08", 4) + QByteArray(124, '\0'));
    picture.close();

    // Only the installed prefix and the system's database, and no desktop session to hand the question to.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_DIRS"), prefix + "/share:/usr/share");
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("nothing")));
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                             "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(name));

    // Qt 6.4 takes the magic match of the last database folder that has one, whatever its priority, so below a
    // prefix searched before /usr/share it calls a ledger that starts like a PCX image a PCX image. A distribution
    // package installs into /usr/share, one database with the system's types, where the priority holds: for Qt,
    // that case is looked up in such a database.
    const QString system = dir.filePath(QStringLiteral("system"));
    ASSERT_TRUE(QDir().mkpath(system + "/mime/packages"));
    for (const QFileInfo& package : QDir(QStringLiteral("/usr/share/mime/packages")).entryInfoList({"*.xml"}))
        ASSERT_TRUE(QFile::copy(package.filePath(), system + "/mime/packages/" + package.fileName()));
    ASSERT_TRUE(QFile::copy(prefix + "/share/mime/packages/tallix.xml", system + "/mime/packages/tallix.xml"));
    const QString updateMime = Tool(QStringLiteral("update-mime-database"), "shared-mime-info");
    ASSERT_EQ(RunTool(updateMime, {system + "/mime"}).status, 0);
    QProcessEnvironment packaged = env;
    packaged.insert(QStringLiteral("XDG_DATA_DIRS"), system);

    // xdg-mime answers from shared-mime-info through `mimetype` outside a desktop session; without it, from file(1).
    Tool(QStringLiteral("mimetype"), "libfile-mimeinfo-perl");
    static const QRegularExpression gioType(QStringLiteral("standard::content-type: (\\S+)"));
    const struct Lookup {
        QString tool;
        const char* package;
        QStringList args;
        bool isGio;
        bool isQt;
    } lookups[] = {
        {QStringLiteral("gio"), "libglib2.0-bin", {"info", "-a", "standard::content-type"}, true, false},
        {QStringLiteral("xdg-mime"), "xdg-utils", {"query", "filetype"}, false, false},
        {QStringLiteral(TALLIX_MIME_PROBE), "qt6-base-dev", {}, false, true},
    };
    const struct Case {
        const char* file;
        QString type;
        bool qtBelowPrefix;
    } cases[] = {
        {"book.tlx", LedgerType, true},
        {"book", LedgerType, false},
        {"picture", QStringLiteral("image/vnd.zbrush.pcx"), true},
    };
    for (const Lookup& lookup : lookups) {
        const QString tool = lookup.isQt ? lookup.tool : Tool(lookup.tool, lookup.package);
        if (tool.isEmpty())
            continue;
        for (const Case& c : cases) {
            const bool belowPrefix = !lookup.isQt || c.qtBelowPrefix;
            const ToolRun run = RunTool(tool, lookup.args + QStringList{dir.filePath(QLatin1String(c.file))},
                                        belowPrefix ? env : packaged);
            const QString type = lookup.isGio ? gioType.match(run.out).captured(1) : run.out.trimmed();
            EXPECT_EQ(type.toStdString(), c.type.toStdString())
                << QFileInfo(lookup.tool).fileName().toStdString() << " " << c.file << ": " << run.err.toStdString();
        }
    }
}

// The files a desktop reads pass the checks of the tools that read them.
TEST(PackagingFiles, PassTheirValidators) {
    const QString packaging = QStringLiteral(TALLIX_SOURCE_DIR "/packaging/");
    const QString man = QStringLiteral(TALLIX_BUILD_DIR "/share/man/man1/");
    const struct Check {
        QString tool;
        const char* package;
        QStringList args;
    } checks[] = {
        {"xmllint", "libxml2-utils", {"--noout", packaging + "tallix-mime.xml"}},
        {"desktop-file-validate", "desktop-file-utils", {packaging + "tallix.desktop"}},
        {"appstreamcli",
         "appstream",
         {"validate", "--no-net", TALLIX_BUILD_DIR "/share/metainfo/org.tallix.Tallix.metainfo.xml"}},
        {"groff", "groff-base", {"-man", "-ww", "-z", man + "tallix.1"}},
        {"groff", "groff-base", {"-man", "-ww", "-z", man + "tallix-cli.1"}},
    };
    for (const Check& check : checks) {
        const QString tool = Tool(check.tool, check.package);
        if (tool.isEmpty())
            continue;
        ASSERT_TRUE(QFileInfo::exists(check.args.last())) << check.args.last().toStdString();
        const ToolRun run = RunTool(tool, check.args);
        EXPECT_EQ(run.status, 0) << check.args.join(' ').toStdString() << "\n" << run.out.toStdString();
        EXPECT_EQ(run.err.trimmed(), QString()) << check.args.join(' ').toStdString();
    }
}

// The manual pages, as man shows them: each command of tallix-cli's help is an item of its own, and both pages
// state the licence, each notice on its own line.
TEST(PackagingFiles, ManualPagesKeepTheHelpsLinesAndStateTheLicence) {
    const QString groff = Tool(QStringLiteral("groff"), "groff-base");
    if (groff.isEmpty())
        return;
    const struct {
        const char* page;
        const char* line;
    } cases[] = {
        {"tallix-cli.1", "^ balance\\s+the balance at the end of day D"},
        {"tallix-cli.1", "^ import add a bank statement"},
        {"tallix-cli.1", "^ This is free software: you are free to change and redistribute it\\.$"},
        {"tallix.1", "^ Copyright © 2026 The Tallix developers License GPLv3\\+: GNU GPL"},
        {"tallix.1", "^ This is free software: you are free to change and redistribute it\\.$"},
    };
    for (const auto& c : cases) {
        const ToolRun run =
            RunTool(groff, {"-man", "-Tutf8", "-P-cbou", QStringLiteral(TALLIX_BUILD_DIR "/share/man/man1/") + c.page});
        ASSERT_EQ(run.status, 0) << c.page;
        // Justified lines have runs of spaces; one stands for each.
        const QString text = QString(run.out).replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" "));
        EXPECT_TRUE(
            QRegularExpression(QString::fromUtf8(c.line), QRegularExpression::MultilineOption).match(text).hasMatch())
            << c.page << " has no line " << c.line << ":\n"
            << text.toStdString();
    }
}
