#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using platform::ChooseLanguage;
using platform::MessageEnvironment;

TEST(Translations, TheLanguageIsChosenAsGettextChoosesIt) {
    const QStringList shipped{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
    const struct {
        const char* language;
        const char* messages;
        const char* chosen;
    } cases[] = {
        {"", "de_DE.UTF-8", "de"},
        {"", "de_AT@euro", "de"},
        {"", "fr_CA.UTF-8", "fr"},
        {"", "en_US.UTF-8", ""},
        {"", "pt_BR.UTF-8", ""}, // not shipped: English, not a half-translated window
        {"fr:de", "de_DE.UTF-8", "fr"},
        {"pt_BR:es", "de_DE.UTF-8", "es"}, // the first one shipped
        {"en:de", "de_DE.UTF-8", ""},      // English asked for first
        {"de", "C.UTF-8", ""},             // C and POSIX ignore LANGUAGE, as gettext does
        {"de", "POSIX", ""},
        {"de", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            ChooseLanguage(MessageEnvironment{QString::fromUtf8(c.language), QString::fromUtf8(c.messages)}, shipped),
            QString::fromUtf8(c.chosen))
            << c.language << " / " << c.messages;
}

TEST(Translations, EveryShippedLanguageLoadsWithQtsOwnButtons) {
    EXPECT_EQ(platform::ShippedLanguages(),
              (QStringList{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}));
    const struct {
        const char* language;
        const char* cancel;
    } cases[] = {{"de", "Abbrechen"}, {"es", "Cancelar"}, {"fr", "Annuler"}, {"", "Cancel"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(platform::InstallTranslations(QString::fromUtf8(c.language)));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(c.cancel)) << c.language;
    }
    EXPECT_FALSE(platform::InstallTranslations(QStringLiteral("pt")));
}

namespace {
// %1..%99 in the order they appear, sorted: a translation may move them but not lose, add or change one.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// A menu's or a button's keyboard letter: "&File" has one, "&&" is a plain ampersand.
bool HasAccelerator(const QString& text) {
    static const QRegularExpression accelerator(QStringLiteral("(^|[^&])&[^&\\s]"));
    return text.contains(accelerator);
}
} // namespace

TEST(Translations, EveryTranslationIsFinishedAndKeepsThePlaceholdersAndKeyboardLetters) {
    const QDir folder(QStringLiteral(TALLIX_TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("tallix_*.ts")}, QDir::Files);
    ASSERT_EQ(files.size(), 3);
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        QXmlStreamReader xml(&file);
        QString context, source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
                const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                const std::string where =
                    (name + QLatin1Char(' ') + context + QStringLiteral(": ") + source).toStdString();
                ++messages;
                EXPECT_FALSE(unfinished) << where;
                EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where;
                EXPECT_EQ(HasAccelerator(translation), HasAccelerator(source)) << where;
            }
        }
        EXPECT_FALSE(xml.hasError()) << qPrintable(name) << qPrintable(xml.errorString());
        EXPECT_GT(messages, 0) << qPrintable(name);
    }
}
