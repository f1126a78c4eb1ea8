#include "settings/RegistryFile.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {
RegistryHive ParseOrFail(const QByteArray& text) {
    const std::optional<RegistryHive> hive = ParseRegistryFile(text);
    EXPECT_TRUE(hive.has_value()) << text.toStdString();
    return hive.value_or(RegistryHive());
}

const RegistryValue* Find(const RegistryHive& hive, const QString& key, const QString& name) {
    const RegistryKey* k = hive.FindKey(key);
    return k ? k->FindValue(name) : nullptr;
}

RegistryHive RoundTrip(const RegistryHive& hive) {
    const QByteArray text = SerializeRegistryFile(hive);
    const std::optional<RegistryHive> again = ParseRegistryFile(text);
    EXPECT_TRUE(again.has_value()) << text.toStdString();
    return again.value_or(RegistryHive());
}
} // namespace

TEST(RegistryFile, TextThatIsNoValidUtf8KeepsItsBytes) {
    RegistryHive hive;
    hive.CreateKey("HKEY_CURRENT_USER\\A").SetValue({"Latin1", RegSz, QByteArray("caf\xe9\0", 5)});
    EXPECT_TRUE(SerializeRegistryFile(hive).contains("hex(1):"));
    EXPECT_EQ(Find(RoundTrip(hive), "HKEY_CURRENT_USER\\A", "Latin1")->data, QByteArray("caf\xe9\0", 5));
}

TEST(RegistryFile, ReadsEveryValueForm) {
    const RegistryHive hive = ParseOrFail("REGEDIT4\r\n\r\n"
                                          "[HKEY_CURRENT_USER\\Software\\Morvane Freeware\\Tallix\\Settings]\r\n"
                                          "\"UserName\"=\"Jo \\\"JB\\\" Brown\"\r\n"
                                          "\"DataFile\"=\"C:\\\\Data\\\\x.tlx\"\r\n"
                                          "\"Height\"=dword:0000012c\r\n"
                                          "\"Flag\"=hex:02\r\n"
                                          "@=hex(1):41,00,42,00\r\n"
                                          "\r\n[HKEY_CLASSES_ROOT\\.tlx]\r\n@=\"TallixFile\"\r\n");
    const QString settings = QStringLiteral("HKEY_CURRENT_USER\\Software\\Morvane Freeware\\Tallix\\Settings");
    EXPECT_EQ(*Find(hive, settings, "UserName"), (RegistryValue{"UserName", RegSz, QByteArray("Jo \"JB\" Brown", 14)}));
    EXPECT_EQ(Find(hive, settings, "DataFile")->data, QByteArray("C:\\Data\\x.tlx", 14));
    EXPECT_EQ(*Find(hive, settings, "Height"), (RegistryValue{"Height", RegDword, QByteArray("\x2c\x01\x00\x00", 4)}));
    EXPECT_EQ(*Find(hive, settings, "Flag"), (RegistryValue{"Flag", RegBinary, QByteArray("\x02", 1)}));
    EXPECT_EQ(*Find(hive, settings, ""), (RegistryValue{"", RegSz, QByteArray("A\0B\0", 4)}));
    EXPECT_EQ(Find(hive, "HKEY_CLASSES_ROOT\\.tlx", "")->data, QByteArray("TallixFile", 11));
}

TEST(RegistryFile, WritesEachValueInItsForm) {
    RegistryHive hive;
    RegistryKey& key = hive.CreateKey("HKEY_CURRENT_USER\\A");
    key.SetValue({"", RegSz, QByteArray("say \"hi\" \\o/", 13)});
    key.SetValue({"Height", RegDword, QByteArray("\x2c\x01\x00\x00", 4)});
    key.SetValue({"Short", RegDword, QByteArray("\x07", 1)});
    key.SetValue({"Bool", RegBinary, QByteArray(1, '\1')});
    key.SetValue({"NoNul", RegSz, QByteArray("ab")});
    key.SetValue({"TwoTexts", RegSz, QByteArray("a\0b\0", 4)});
    key.SetValue({"Newline", RegSz, QByteArray("a\nb", 4)});
    key.SetValue({"Empty", RegBinary, QByteArray()});
    EXPECT_EQ(SerializeRegistryFile(hive).toStdString(), "REGEDIT4\n\n"
                                                         "[HKEY_CURRENT_USER\\A]\n"
                                                         "@=\"say \\\"hi\\\" \\\\o/\"\n"
                                                         "\"Height\"=dword:0000012c\n"
                                                         "\"Short\"=hex(4):07\n"
                                                         "\"Bool\"=hex:01\n"
                                                         "\"NoNul\"=hex(1):61,62\n"
                                                         "\"TwoTexts\"=hex(1):61,00,62,00\n"
                                                         "\"Newline\"=hex(1):61,0a,62,00\n"
                                                         "\"Empty\"=hex:\n");
    EXPECT_EQ(RoundTrip(hive), hive);
}

TEST(RegistryFile, TextsKeepTheirBytesThroughTheFile) {
    RegistryHive hive;
    RegistryKey& key = hive.CreateKey("HKEY_CURRENT_USER\\Software\\Caf\u00e9 \"quoted\\\"");
    QByteArray high;
    for (int b = 0x20; b < 256; ++b)
        high.append(char(b));
    key.SetValue({"All \\ \"bytes\"", RegSz, high + '\0'});
    key.SetValue({"Empty", RegSz, QByteArray(1, '\0')});
    const QByteArray text = SerializeRegistryFile(hive);
    EXPECT_TRUE(text.contains("\"Empty\"=\"\"\n"));
    EXPECT_EQ(RoundTrip(hive), hive);
}

TEST(RegistryFile, KeyPathsAndValueNamesIgnoreCase) {
    const RegistryHive hive = ParseOrFail("REGEDIT4\n[hkey_classes_root\\TallixFile]\n\"Name\"=\"one\"\n"
                                          "[HKEY_CLASSES_ROOT\\tallixfile]\n\"NAME\"=\"two\"\n");
    ASSERT_EQ(hive.Keys().size(), 1u);
    EXPECT_EQ(hive.Keys()[0].Path(), QStringLiteral("HKEY_CLASSES_ROOT\\TallixFile"));
    ASSERT_NE(Find(hive, "HKEY_CLASSES_ROOT\\TALLIXFILE", "name"), nullptr);
    EXPECT_EQ(Find(hive, "HKEY_CLASSES_ROOT\\TALLIXFILE", "name")->data, QByteArray("two", 4));
    EXPECT_EQ(Find(hive, "HKEY_CLASSES_ROOT\\TALLIXFILE", "name")->name, QStringLiteral("Name"));
}

TEST(RegistryFile, KeysBringTheirParentsIntoBeing) {
    RegistryHive hive;
    hive.CreateKey("HKEY_CLASSES_ROOT\\A\\B\\C");
    EXPECT_EQ(hive.Keys().size(), 1u);
    EXPECT_TRUE(hive.KeyExists("HKEY_CLASSES_ROOT\\a\\b"));
    EXPECT_TRUE(hive.KeyExists("HKEY_CLASSES_ROOT\\A"));
    EXPECT_FALSE(hive.KeyExists("HKEY_CLASSES_ROOT\\A\\B\\C\\D"));
    EXPECT_FALSE(hive.KeyExists("HKEY_CLASSES_ROOT\\A\\BC"));
    EXPECT_FALSE(hive.KeyExists("HKEY_CURRENT_USER\\A"));
    EXPECT_TRUE(hive.KeyExists("HKEY_CURRENT_USER"));
    EXPECT_EQ(&hive.CreateKey("HKEY_CLASSES_ROOT\\a\\b\\c"), &hive.Keys()[0]);

    const RegistryHive parsed = ParseOrFail("REGEDIT4\n\n[HKEY_CURRENT_USER\\X\\Y]\n");
    EXPECT_TRUE(parsed.KeyExists("HKEY_CURRENT_USER\\X"));
}

TEST(RegistryFile, LongByteListsMayContinueOnTheNextLine) {
    const RegistryHive hive =
        ParseOrFail("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=hex:01,02,\\\n  03,FF\n\"C\"=dword:1\n");
    EXPECT_EQ(Find(hive, "HKEY_CURRENT_USER\\A", "B")->data, QByteArray("\x01\x02\x03\xff", 4));
    EXPECT_EQ(Find(hive, "HKEY_CURRENT_USER\\A", "C")->data, QByteArray("\x01\0\0\0", 4));
}

TEST(RegistryFile, BlankCommentedAndEmptyFilesAreAccepted) {
    EXPECT_TRUE(ParseOrFail("").Keys().empty());
    EXPECT_TRUE(ParseOrFail("\n \r\n").Keys().empty());
    EXPECT_TRUE(ParseOrFail("REGEDIT4").Keys().empty());
    EXPECT_EQ(ParseOrFail("\xEF\xBB\xBFREGEDIT4\n; note\n[HKEY_CURRENT_USER\\A]\n").Keys().size(), 1u);
}

TEST(RegistryFile, RejectsWhatIsNotARegistryFile) {
    const char* const bad[] = {
        "REGEDI",                                               // truncated header
        "Windows Registry Editor Version 5.00\n",               // other format
        "hello world",                                          // not ours at all
        "REGEDIT4\n\"A\"=\"no key yet\"\n",                     // value outside a key
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software]\n",           // a root we do not keep
        "REGEDIT4\n[HKEY_CURRENT_USER\\A\\\\B]\n",              // empty key name
        "REGEDIT4\n[HKEY_CURRENT_USER\\A\n",                    // unclosed section
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=\"unclosed\n", // text cut short
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=\"a\\n\"\n",   // unknown escape
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=\"a\" x\n",    // garbage after the text
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=dword:123456789\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=dword:\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=hex:1,,2\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=hex:100\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=hex(x):00\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=hex:01,\\\n", // continuation cut off
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=sz:x\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\nB=\"x\"\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"\n",
    };
    for (const char* text : bad)
        EXPECT_FALSE(ParseRegistryFile(text).has_value()) << text;
    EXPECT_FALSE(ParseRegistryFile(QByteArray("REGEDIT4\n\0", 10)).has_value());
    EXPECT_FALSE(ParseRegistryFile("REGEDIT4\n[HKEY_CURRENT_USER\\\xff]\n").has_value()); // not UTF-8
}

TEST(RegistryFile, KeyPathRules) {
    EXPECT_EQ(CanonicalKeyPath("hkey_current_user\\Software\\x"), QStringLiteral("HKEY_CURRENT_USER\\Software\\x"));
    EXPECT_EQ(CanonicalKeyPath("HKEY_CLASSES_ROOT"), QStringLiteral("HKEY_CLASSES_ROOT"));
    EXPECT_FALSE(CanonicalKeyPath("HKEY_CLASSES_ROOT\\"));
    EXPECT_FALSE(CanonicalKeyPath("HKEY_CLASSES_ROOT\\\\a"));
    EXPECT_FALSE(CanonicalKeyPath("HKEY_CLASSES_ROOT\\a\nb"));
    EXPECT_FALSE(CanonicalKeyPath("HKEY_CLASSES_ROOT\\" + QString(256, 'k')));
    EXPECT_TRUE(CanonicalKeyPath("HKEY_CLASSES_ROOT\\" + QString(255, 'k')));
    EXPECT_FALSE(IsValidValueName("a\rb"));
    EXPECT_TRUE(IsValidValueName(""));
}
