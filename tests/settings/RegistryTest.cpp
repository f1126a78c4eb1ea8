#include "settings/Registry.h"
#include "RegistryTestSupport.h"
#include "settings/RegistryStore.h"
#include "support/FailingDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <thread>

using tallix::test::ScopedRegistryFile;

namespace {
const QString SettingsKey = QStringLiteral("Software\\Morvane Freeware\\Tallix\\Settings");

class RegistryTest : public testing::Test {
protected:
    // Writes one value of any type and bytes, as another program could have left it.
    void Put(const QString& name, uint32_t type, const QByteArray& data) {
        ASSERT_TRUE(settings::ModifyRegistry([&](settings::RegistryHive& hive) {
            hive.CreateKey("HKEY_CURRENT_USER\\" + SettingsKey).SetValue({name, type, data});
            return true;
        }));
    }
    bool OpenSettings(uint32_t access = Registry::KEY_READ) {
        return registry.RegOpen(Registry::HKEY_CURRENT_USER, SettingsKey, access);
    }

    ScopedRegistryFile store;
    Registry registry;
};
} // namespace

TEST_F(RegistryTest, MissingValuesGiveTheirDefaults) {
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    QString text = "old";
    EXPECT_FALSE(registry.GetStr("UserName", text));
    EXPECT_EQ(text, QString());
    EXPECT_FALSE(registry.GetStr("UserName", text, "fallback"));
    EXPECT_EQ(text, QStringLiteral("fallback"));
    int32_t number = 7;
    EXPECT_FALSE(registry.GetLong("Height", number));
    EXPECT_EQ(number, 0);
    EXPECT_FALSE(registry.GetLong("Height", number, -5));
    EXPECT_EQ(number, -5);
    bool flag = true;
    EXPECT_FALSE(registry.GetBoolean("Flag", flag));
    EXPECT_FALSE(flag);
    EXPECT_FALSE(registry.GetBoolean("Flag", flag, true));
    EXPECT_TRUE(flag);
}

TEST_F(RegistryTest, ValuesComeBackAsWritten) {
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    EXPECT_TRUE(registry.SaveStr("UserName", "Jos\u00e9 \"JB\" O'Neil \\ \u20ac"));
    EXPECT_TRUE(registry.SaveLong("Height", -300));
    EXPECT_TRUE(registry.SaveBoolean("Flag", true));
    registry.RegClose();

    Registry reader;
    ASSERT_TRUE(reader.RegOpen(Registry::HKEY_CURRENT_USER, SettingsKey, Registry::KEY_READ));
    QString text;
    EXPECT_TRUE(reader.GetStr("username", text));
    EXPECT_EQ(text, QStringLiteral("Jos\u00e9 \"JB\" O'Neil \\ \u20ac"));
    int32_t number = 0;
    EXPECT_TRUE(reader.GetLong("Height", number));
    EXPECT_EQ(number, -300);
    bool flag = false;
    EXPECT_TRUE(reader.GetBoolean("Flag", flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(store.Contents().contains("\"Height\"=dword:fffffed4\n"));
}

TEST_F(RegistryTest, TextsAreStoredAsUtf8SoEveryPathReadsBackIntact) {
    const QString path = QStringLiteral("/home/\u0418\u0432\u0430\u043d/\u20ac \U0001F600.tlx");
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    EXPECT_TRUE(registry.SaveStr("DataFile", path));
    const settings::RegistryHive hive = settings::ReadRegistry();
    const settings::RegistryValue* value = hive.FindKey("HKEY_CURRENT_USER\\" + SettingsKey)->FindValue("DataFile");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(*value, (settings::RegistryValue{"DataFile", settings::RegSz, path.toUtf8() + '\0'}));
    QString back;
    EXPECT_TRUE(registry.GetStr("DataFile", back));
    EXPECT_EQ(back, path);
}

TEST_F(RegistryTest, EmptyTextIsOneNulByte) {
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    EXPECT_TRUE(registry.SaveStr("UserName", ""));
    const settings::RegistryHive hive = settings::ReadRegistry();
    EXPECT_EQ(hive.FindKey("HKEY_CURRENT_USER\\" + SettingsKey)->FindValue("UserName")->data, QByteArray(1, '\0'));
    QString text = "old";
    EXPECT_TRUE(registry.GetStr("UserName", text, "default"));
    EXPECT_EQ(text, QString());
}

TEST_F(RegistryTest, LongTextsComeBackWhole) {
    const QString longText = QString(300, 'x') + "end";
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    EXPECT_TRUE(registry.SaveStr("DataFile", longText));
    QString text;
    EXPECT_TRUE(registry.GetStr("DataFile", text));
    EXPECT_EQ(text, longText);
}

TEST_F(RegistryTest, ReadsIgnoreTheStoredType) {
    Put("Text", settings::RegSz, QByteArray("ab\0cd\0", 6));
    Put("NoNul", settings::RegSz, QByteArray("abc"));
    Put("Dword", settings::RegDword, QByteArray("A\0\0\0", 4));
    Put("Two", settings::RegBinary, QByteArray(1, '\2'));
    Put("Zero", settings::RegDword, QByteArray(1, '\0'));
    Put("Short", settings::RegBinary, QByteArray("\x34\x12", 2));
    Put("Five", settings::RegBinary, QByteArray(5, '\1'));
    Put("Nothing", settings::RegNone, QByteArray());
    ASSERT_TRUE(OpenSettings());

    QString text;
    EXPECT_TRUE(registry.GetStr("Text", text));
    EXPECT_EQ(text, QStringLiteral("ab"));
    EXPECT_TRUE(registry.GetStr("NoNul", text));
    EXPECT_EQ(text, QStringLiteral("abc"));
    EXPECT_TRUE(registry.GetStr("Dword", text));
    EXPECT_EQ(text, QStringLiteral("A"));

    bool flag = false;
    EXPECT_TRUE(registry.GetBoolean("Two", flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(registry.GetBoolean("Zero", flag, true));
    EXPECT_FALSE(flag);
    // A 4-byte value does not fit the 1-byte buffer: the read fails with the default.
    EXPECT_FALSE(registry.GetBoolean("Dword", flag, true));
    EXPECT_TRUE(flag);
    EXPECT_FALSE(registry.GetBoolean("Dword", flag, false));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(registry.GetBoolean("Nothing", flag, true));
    EXPECT_FALSE(flag);

    int32_t number = 0x7FFFFFFF;
    EXPECT_TRUE(registry.GetLong("Short", number));
    EXPECT_EQ(number, 0x7FFF1234);
    EXPECT_FALSE(registry.GetLong("Five", number, 9));
    EXPECT_EQ(number, 9);
    number = 0x7F000000;
    EXPECT_TRUE(registry.GetLong("NoNul", number));
    EXPECT_EQ(number, 0x7F636261);
    EXPECT_FALSE(registry.GetLong("Text", number, 3));
    EXPECT_EQ(number, 3);
}

TEST_F(RegistryTest, RegCreateJoinsSectionAndCreatesParents) {
    ASSERT_TRUE(registry.RegCreate("A\\B", "C", Registry::HKEY_CURRENT_USER));
    registry.RegClose();
    EXPECT_TRUE(registry.RegOpen(Registry::HKEY_CURRENT_USER, "A\\B\\C", Registry::KEY_READ));
    EXPECT_TRUE(registry.RegOpen(Registry::HKEY_CURRENT_USER, "a\\b", Registry::KEY_READ));
    EXPECT_FALSE(registry.RegOpen(Registry::HKEY_CLASSES_ROOT, "A\\B\\C", Registry::KEY_READ));
    EXPECT_TRUE(store.Contents().contains("[HKEY_CURRENT_USER\\A\\B\\C]"));
}

TEST_F(RegistryTest, FailedOpensLeaveNoKeyToReadOrWrite) {
    EXPECT_FALSE(registry.RegOpen(Registry::HKEY_CURRENT_USER, SettingsKey, Registry::KEY_READ));
    EXPECT_FALSE(registry.RegCreate("A\\\\B", "", Registry::HKEY_CURRENT_USER));
    EXPECT_FALSE(registry.RegCreate("A", "", 0x80000002u));
    QString text;
    EXPECT_FALSE(registry.GetStr("UserName", text, "d"));
    EXPECT_EQ(text, QStringLiteral("d"));
    EXPECT_FALSE(registry.SaveStr("UserName", "x"));

    // A failed open also forgets a key that was open before.
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    EXPECT_FALSE(registry.RegOpen(Registry::HKEY_CURRENT_USER, "Missing", Registry::KEY_READ));
    EXPECT_FALSE(registry.SaveLong("Height", 1));
    registry.RegClose();
    EXPECT_FALSE(registry.SaveLong("Height", 1));
    EXPECT_FALSE(QFile::exists(store.Path()) && store.Contents().contains("Height"));
}

TEST_F(RegistryTest, AccessMaskDecidesWhatAnOpenKeyAllows) {
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.SaveLong("Height", 5));
    ASSERT_TRUE(OpenSettings(Registry::KEY_READ));
    EXPECT_FALSE(registry.SaveLong("Height", 6));
    ASSERT_TRUE(OpenSettings(0));
    int32_t number = 0;
    EXPECT_FALSE(registry.GetLong("Height", number, -1));
    EXPECT_EQ(number, -1);
    ASSERT_TRUE(OpenSettings(Registry::KEY_ALL_ACCESS));
    EXPECT_TRUE(registry.GetLong("Height", number));
    EXPECT_EQ(number, 5);
}

TEST_F(RegistryTest, BothRootsShareOneFile) {
    ASSERT_TRUE(registry.RegCreate(".tlx", "", Registry::HKEY_CLASSES_ROOT));
    ASSERT_TRUE(registry.SaveStr("", "TallixFile"));
    ASSERT_TRUE(registry.RegCreate(".tlx", "", Registry::HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.SaveStr("", "Other"));
    QString text;
    ASSERT_TRUE(registry.RegOpen(Registry::HKEY_CLASSES_ROOT, ".TLX", Registry::KEY_READ));
    EXPECT_TRUE(registry.GetStr("", text));
    EXPECT_EQ(text, QStringLiteral("TallixFile"));
    const QByteArray contents = store.Contents();
    EXPECT_TRUE(contents.contains("[HKEY_CLASSES_ROOT\\.tlx]\n@=\"TallixFile\"\n"));
    EXPECT_TRUE(contents.contains("[HKEY_CURRENT_USER\\.tlx]\n@=\"Other\"\n"));
}

TEST_F(RegistryTest, WriteProtectedKeysRefuseCreateAndWrite) {
    ASSERT_TRUE(registry.RegCreate(".tlx", "", Registry::HKEY_CLASSES_ROOT));
    settings::SetWriteProtectedKeyForTesting("HKEY_CLASSES_ROOT\\.tlx");
    EXPECT_FALSE(registry.SaveStr("", "x"));
    EXPECT_FALSE(registry.RegCreate(".TLX", "", Registry::HKEY_CLASSES_ROOT));
    EXPECT_FALSE(registry.RegCreate(".tlx", "sub", Registry::HKEY_CLASSES_ROOT));
    EXPECT_FALSE(registry.RegOpen(Registry::HKEY_CLASSES_ROOT, ".tlx", Registry::KEY_ALL_ACCESS));
    EXPECT_TRUE(registry.RegOpen(Registry::HKEY_CLASSES_ROOT, ".tlx", Registry::KEY_READ));
    EXPECT_TRUE(registry.RegCreate(".tlx2", "", Registry::HKEY_CLASSES_ROOT));
    settings::SetWriteProtectedKeyForTesting(QString());
    EXPECT_TRUE(registry.RegCreate(".tlx", "", Registry::HKEY_CLASSES_ROOT));
}

TEST_F(RegistryTest, MissingStoreReadsAsEmptyAndIsCreatedOnWrite) {
    const ScopedRegistryFile nested; // its folder exists; point into a folder that does not
    qputenv("TALLIX_REGISTRY_FILE", QFile::encodeName(nested.Folder() + "/a/b/registry.reg"));
    EXPECT_FALSE(OpenSettings());
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.SaveStr("UserName", "Ann"));
    EXPECT_TRUE(QFile::exists(nested.Folder() + "/a/b/registry.reg"));
    qputenv("TALLIX_REGISTRY_FILE", QFile::encodeName(store.Path()));
}

TEST_F(RegistryTest, EmptyStoreFileReadsAsEmpty) {
    store.Write("");
    EXPECT_FALSE(OpenSettings());
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.SaveLong("Height", 1));
    EXPECT_FALSE(QFile::exists(store.Path() + ".bad"));
}

TEST_F(RegistryTest, UnparsableStoreIsSetAsideBeforeTheFirstWrite) {
    const QByteArray garbage("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Morvane Freeware\\Tallix\\Settings]\n"
                             "\"UserName\"=\"Trunc");
    store.Write(garbage);
    QString text;
    EXPECT_FALSE(OpenSettings());
    EXPECT_FALSE(registry.GetStr("UserName", text));
    EXPECT_EQ(store.Contents(), garbage); // reads never touch the file

    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.SaveStr("UserName", "New"));
    QFile aside(store.Path() + ".bad");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), garbage);
    EXPECT_TRUE(registry.GetStr("UserName", text));
    EXPECT_EQ(text, QStringLiteral("New"));

    // A second bad file does not replace the first one set aside.
    const QByteArray binary("\x00\x01\x02garbage", 10);
    store.Write(binary);
    ASSERT_TRUE(registry.SaveStr("UserName", "Newer"));
    QFile second(store.Path() + ".bad.1");
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), binary);
    aside.seek(0);
    EXPECT_EQ(aside.readAll(), garbage);
}

TEST_F(RegistryTest, UnreadableStoreIsNeverReplaced) {
    // Something in the store's place that cannot be read as a file (here a folder holding data) is left alone.
    ASSERT_TRUE(QDir().mkpath(store.Path()));
    QFile inside(store.Path() + "/keep");
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.close();
    EXPECT_FALSE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    EXPECT_FALSE(OpenSettings());
    EXPECT_TRUE(QFile::exists(store.Path() + "/keep"));
    EXPECT_FALSE(QFile::exists(store.Path() + ".bad"));
}

TEST_F(RegistryTest, UnchangedValuesDoNotRewriteTheFile) {
    ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.SaveStr("UserName", "Ann"));
    store.Write(store.Contents() + "; kept while nothing changes\n");
    EXPECT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    EXPECT_TRUE(registry.SaveStr("UserName", "Ann"));
    EXPECT_TRUE(store.Contents().contains("; kept"));
}

// A failing disk is never taken for a write: the value is refused, and the store keeps its old content unless
// the new file had already taken its name. No temporary file is left behind.
TEST_F(RegistryTest, FailingDiskRefusesTheWrite) {
    for (const tallix::test::FailingStep& failing : tallix::test::FailingSteps) {
        SCOPED_TRACE(failing.name);
        ASSERT_TRUE(registry.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
        ASSERT_TRUE(registry.SaveStr("UserName", "Ann"));
        const QByteArray old = store.Contents();
        {
            tallix::test::FailingDisk disk(failing.step);
            EXPECT_FALSE(registry.SaveStr("UserName", "Bob"));
        }
        EXPECT_EQ(store.Contents() == old, !failing.renamed);
        EXPECT_EQ(QDir(store.Folder()).entryList(QDir::Files | QDir::Hidden),
                  QStringList({QFileInfo(store.Path()).fileName()}));
    }
}

TEST_F(RegistryTest, TwoInstancesKeepEachOthersValues) {
    Registry first;
    Registry second;
    ASSERT_TRUE(first.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    ASSERT_TRUE(second.RegCreate(SettingsKey, "", Registry::HKEY_CURRENT_USER));
    ASSERT_TRUE(first.SaveStr("UserName", "Ann"));
    ASSERT_TRUE(second.SaveLong("Height", 4000));
    ASSERT_TRUE(first.SaveStr("DataFile", "/tmp/a.tlx"));
    QString text;
    int32_t number = 0;
    EXPECT_TRUE(second.GetStr("UserName", text));
    EXPECT_EQ(text, QStringLiteral("Ann"));
    EXPECT_TRUE(first.GetLong("Height", number));
    EXPECT_EQ(number, 4000);
}

TEST_F(RegistryTest, ConcurrentWritersLoseNothing) {
    constexpr int Writers = 4;
    constexpr int ValuesEach = 25;
    std::vector<std::thread> threads;
    for (int w = 0; w < Writers; ++w) {
        threads.emplace_back([w] {
            Registry mine;
            for (int i = 0; i < ValuesEach; ++i) {
                if (mine.RegCreate(SettingsKey, QString::number(w), Registry::HKEY_CURRENT_USER))
                    mine.SaveLong(QString::number(i), w * 1000 + i);
                mine.RegClose();
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    for (int w = 0; w < Writers; ++w) {
        ASSERT_TRUE(
            registry.RegOpen(Registry::HKEY_CURRENT_USER, SettingsKey + "\\" + QString::number(w), Registry::KEY_READ));
        for (int i = 0; i < ValuesEach; ++i) {
            int32_t number = -1;
            EXPECT_TRUE(registry.GetLong(QString::number(i), number));
            EXPECT_EQ(number, w * 1000 + i);
        }
    }
    EXPECT_FALSE(QFile::exists(store.Path() + ".lock"));
}

TEST(RegistryFilePath, FollowsTheEnvironment) {
    const QByteArray previous = qgetenv("TALLIX_REGISTRY_FILE");
    qputenv("TALLIX_REGISTRY_FILE", "/somewhere/else.reg");
    EXPECT_EQ(settings::RegistryFilePath(), QStringLiteral("/somewhere/else.reg"));
    qunsetenv("TALLIX_REGISTRY_FILE");
    EXPECT_EQ(settings::RegistryFilePath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/tallix/registry.reg");
    qputenv("TALLIX_REGISTRY_FILE", previous);
}
