#include "ui/main/FileAssociation.h"
#include "settings/Registry.h"
#include "settings/RegistryStore.h"
#include "support/PromptScript.h"
#include "ui/main/DesktopIntegration.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tallix::test::PromptScript;

namespace {
const QString Question = QStringLiteral("Associate \".TLX\" files with this application?");
const QString Program = QStringLiteral("/opt/tallix/bin/tallix");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A home of its own for each test: settings store, data and configuration folders.
class FileAssociationTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"TALLIX_REGISTRY_FILE", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            saved.emplace_back(name, qgetenv(name));
        qputenv("TALLIX_REGISTRY_FILE", QFile::encodeName(home.filePath("config/tallix/registry.reg")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    }
    void TearDown() override {
        settings::SetWriteProtectedKeyForTesting(QString());
        for (const auto& [name, value] : saved)
            qputenv(name, value);
    }

    void Associate(const QString& program = Program) {
        PromptScript script;
        script.ExpectMessage(Question, platform::Answer::Yes);
        AssociateFiles(program);
    }

    // The default value of a key below HKEY_CLASSES_ROOT; nothing when the key or the value is missing.
    std::optional<QString> DefaultValue(const QString& key) {
        Registry registry;
        QString text;
        if (!registry.RegOpen(Registry::HKEY_CLASSES_ROOT, key, Registry::KEY_READ) || !registry.GetStr("", text))
            return std::nullopt;
        return text;
    }

    QStringList AllFiles() {
        QStringList files;
        QDirIterator it(home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        return files;
    }

    QString DataFile(const QString& relative) { return home.filePath("data/" + relative); }

    QTemporaryDir home;
    std::vector<std::pair<const char*, QByteArray>> saved;
};
} // namespace

TEST_F(FileAssociationTest, AsksYesNoWithNoAsTheDefault) {
    PromptScript script;
    script.ExpectMessage(Question, platform::Answer::No);
    AssociateFiles(Program);
    ASSERT_EQ(script.Messages().size(), 1u);
    const platform::MessageRequest& asked = script.Messages()[0];
    EXPECT_EQ(asked.buttons, platform::Buttons::YesNo);
    EXPECT_EQ(asked.icon, platform::Icon::Question);
    EXPECT_EQ(asked.defaultButton, platform::Answer::No);
    EXPECT_EQ(asked.caption, QStringLiteral("Tallix"));
    EXPECT_TRUE(AllFiles().isEmpty()) << AllFiles().join(", ").toStdString();
}

TEST_F(FileAssociationTest, YesWritesTheFiveKeys) {
    Associate();
    EXPECT_EQ(DefaultValue(".tlx"), QStringLiteral("TallixFile"));
    EXPECT_EQ(DefaultValue("TallixFile"), QStringLiteral("CheckRegister"));
    EXPECT_EQ(DefaultValue("TallixFile\\shell\\open\\command"), QStringLiteral("/opt/tallix/bin/tallix \"%1\""));
    QStringList keys;
    const settings::RegistryHive hive = settings::ReadRegistry();
    for (const settings::RegistryKey& key : hive.Keys())
        keys << key.Path() + (key.Values().empty() ? "" : " =" + QString::number(key.Values().size()));
    EXPECT_EQ(keys, QStringList({"HKEY_CLASSES_ROOT\\.tlx =1", "HKEY_CLASSES_ROOT\\TallixFile =1",
                                 "HKEY_CLASSES_ROOT\\TallixFile\\shell", "HKEY_CLASSES_ROOT\\TallixFile\\shell\\open",
                                 "HKEY_CLASSES_ROOT\\TallixFile\\shell\\open\\command =1"}));
}

TEST_F(FileAssociationTest, OpenCommandDropsTheExtensionAndQuotesOnlyThePlaceholder) {
    EXPECT_EQ(OpenCommand("/opt/My Apps/tallix.bin"), QStringLiteral("/opt/My Apps/tallix \"%1\""));
    EXPECT_EQ(OpenCommand("/usr/bin/tallix"), QStringLiteral("/usr/bin/tallix \"%1\""));
}

TEST_F(FileAssociationTest, RunningTwiceLeavesTheSameKeysAndFiles) {
    Associate();
    const settings::RegistryHive once = settings::ReadRegistry();
    const QByteArray mimeApps = ReadAll(home.filePath("config/mimeapps.list"));
    const QStringList files = AllFiles();
    Associate();
    EXPECT_EQ(settings::ReadRegistry(), once);
    EXPECT_EQ(ReadAll(home.filePath("config/mimeapps.list")), mimeApps);
    EXPECT_EQ(AllFiles(), files);
}

TEST_F(FileAssociationTest, OtherValuesInTheKeysAreLeftAlone) {
    Registry registry;
    ASSERT_TRUE(registry.RegCreate("TallixFile", "", Registry::HKEY_CLASSES_ROOT));
    ASSERT_TRUE(registry.SaveStr("", "Old name"));
    ASSERT_TRUE(registry.SaveStr("Other", "kept"));
    registry.RegClose();
    Associate();
    EXPECT_EQ(DefaultValue("TallixFile"), QStringLiteral("CheckRegister"));
    QString text;
    ASSERT_TRUE(registry.RegOpen(Registry::HKEY_CLASSES_ROOT, "TallixFile", Registry::KEY_READ));
    EXPECT_TRUE(registry.GetStr("Other", text));
    EXPECT_EQ(text, QStringLiteral("kept"));
}

TEST_F(FileAssociationTest, UnwritableExtensionKeyStillWritesTheFileType) {
    settings::SetWriteProtectedKeyForTesting("HKEY_CLASSES_ROOT\\.tlx");
    Associate();
    EXPECT_EQ(DefaultValue(".tlx"), std::nullopt);
    EXPECT_EQ(DefaultValue("TallixFile"), QStringLiteral("CheckRegister"));
    EXPECT_EQ(DefaultValue("TallixFile\\shell\\open\\command"), QStringLiteral("/opt/tallix/bin/tallix \"%1\""));
}

TEST_F(FileAssociationTest, UnwritableFileTypeKeyStopsTheChain) {
    settings::SetWriteProtectedKeyForTesting("HKEY_CLASSES_ROOT\\TallixFile\\shell\\open");
    Associate();
    EXPECT_EQ(DefaultValue(".tlx"), QStringLiteral("TallixFile"));
    EXPECT_EQ(DefaultValue("TallixFile"), QStringLiteral("CheckRegister"));
    Registry registry;
    EXPECT_TRUE(registry.RegOpen(Registry::HKEY_CLASSES_ROOT, "TallixFile\\shell", Registry::KEY_READ));
    EXPECT_FALSE(registry.RegOpen(Registry::HKEY_CLASSES_ROOT, "TallixFile\\shell\\open", Registry::KEY_READ));
}

TEST_F(FileAssociationTest, InstallsTheDesktopFiles) {
    Associate("/opt/My Apps/tallix");
    const QByteArray mime = ReadAll(DataFile("mime/packages/tallix.xml"));
    EXPECT_TRUE(mime.contains("type=\"application/x-tallix-ledger\""));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.tlx\"/>"));
    EXPECT_TRUE(mime.contains("<match type=\"string\" offset=\"16\" value=\"CHECK DATA HEADER\"/>"));

    const QString entry = QString::fromUtf8(ReadAll(DataFile("applications/tallix.desktop")));
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/My Apps/tallix\" %f\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-tallix-ledger;\n"));
    EXPECT_FALSE(ReadAll(DataFile("icons/hicolor/scalable/apps/tallix.svg")).isEmpty());
    EXPECT_FALSE(ReadAll(DataFile("icons/hicolor/scalable/mimetypes/application-x-tallix-ledger.svg")).isEmpty());

    const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validate.isEmpty()) {
        QProcess process;
        process.start(validate, {DataFile("applications/tallix.desktop")});
        ASSERT_TRUE(process.waitForFinished());
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardOutput().toStdString();
    }
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_TRUE(ReadAll(DataFile("mime/globs2")).contains("application/x-tallix-ledger:*.tlx"));
        EXPECT_TRUE(ReadAll(DataFile("mime/magic")).contains("CHECK DATA HEADER"));
    }
    // The magic rule recognises a ledger by its header even under another name.
    const QString gio = QStandardPaths::findExecutable("gio");
    if (!gio.isEmpty() && !QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        QFile ledger(home.filePath("ledger.dat"));
        ASSERT_TRUE(ledger.open(QIODevice::WriteOnly));
        ledger.write(QByteArray(16, '\0') + "CHECK DATA HEADER" + QByteArray(29, ' ') + QByteArray(2, '\0'));
        ledger.close();
        QProcess process;
        process.start(gio, {"info", "-a", "standard::content-type", ledger.fileName()});
        ASSERT_TRUE(process.waitForFinished());
        EXPECT_TRUE(process.readAllStandardOutput().contains("standard::content-type: application/x-tallix-ledger"));
    }
    if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty()) {
        EXPECT_TRUE(
            ReadAll(DataFile("applications/mimeinfo.cache")).contains("application/x-tallix-ledger=tallix.desktop;"));
    }

    EXPECT_EQ(ReadAll(home.filePath("config/mimeapps.list")),
              QByteArray("[Default Applications]\napplication/x-tallix-ledger=tallix.desktop;\n\n"
                         "[Added Associations]\napplication/x-tallix-ledger=tallix.desktop;\n"));
}

TEST_F(FileAssociationTest, KeepsTheUsersOtherAssociations) {
    ASSERT_TRUE(QDir().mkpath(home.filePath("config")));
    QFile list(home.filePath("config/mimeapps.list"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/plain=gedit.desktop;\n\n# mine\n[Removed Associations]\n"
               "application/x-tallix-ledger=tallix.desktop;\n");
    list.close();
    Associate();
    EXPECT_EQ(
        ReadAll(home.filePath("config/mimeapps.list")).toStdString(),
        std::string("[Default Applications]\ntext/plain=gedit.desktop;\napplication/x-tallix-ledger=tallix.desktop;"
                    "\n\n# mine\n[Removed Associations]\n\n[Added Associations]\n"
                    "application/x-tallix-ledger=tallix.desktop;\n"));
}

TEST(MergeMimeApps, PutsTheProgramFirstAndKeepsTheOthers) {
    const QString merged = desktop::MergeMimeApps("[Added Associations]\r\nx/y=a.desktop;\n"
                                                  "application/x-tallix-ledger=other.desktop;tallix.desktop;\n"
                                                  "[Default Applications]\n"
                                                  "application/x-tallix-ledger = other.desktop\n",
                                                  "application/x-tallix-ledger", "tallix.desktop");
    EXPECT_EQ(merged.toStdString(), "[Added Associations]\r\nx/y=a.desktop;\n"
                                    "application/x-tallix-ledger=tallix.desktop;other.desktop;\n"
                                    "[Default Applications]\n"
                                    "application/x-tallix-ledger=tallix.desktop;other.desktop;\n");
}

TEST(DesktopExecValue, QuotesAndEscapesWhatTheLauncherWouldSplit) {
    EXPECT_EQ(desktop::DesktopExecValue("/usr/bin/tallix"), QStringLiteral("/usr/bin/tallix %f"));
    EXPECT_EQ(desktop::DesktopExecValue("/opt/a b/tallix"), QStringLiteral("\"/opt/a b/tallix\" %f"));
    // Within quotes \ " ` $ take a backslash, which the key file doubles; % is always doubled.
    EXPECT_EQ(desktop::DesktopExecValue("/opt/$x \"q\" \\ 100%/tallix"),
              QStringLiteral("\"/opt/\\\\$x \\\\\"q\\\\\" \\\\\\\\ 100%%/tallix\" %f"));
}
