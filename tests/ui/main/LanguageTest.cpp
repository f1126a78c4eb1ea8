// The main window in the user's language, and every text of it fitting its fixed place in every language shipped.
#include "MainWindowFixture.h"
#include "platform/Translations.h"
#include "support/ClippedCaptions.h"
#include "support/ScopedLocale.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {
// The messages locale of the environment for one scope, as a user's session sets it.
class ScopedMessagesLocale {
public:
    explicit ScopedMessagesLocale(const char* locale) : saved{qgetenv("LC_ALL"), qgetenv("LANGUAGE")} {
        qputenv("LC_ALL", locale);
        qunsetenv("LANGUAGE");
        platform::InstallEnvironmentLanguage();
    }
    ~ScopedMessagesLocale() {
        saved[0].isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", saved[0]);
        saved[1].isNull() ? qunsetenv("LANGUAGE") : qputenv("LANGUAGE", saved[1]);
        platform::InstallTranslations({});
    }

private:
    QByteArray saved[2];
};

QStringList MenuTitles(const QMenuBar* bar) {
    QStringList titles;
    for (const QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

} // namespace

TEST_F(MainWindowTest, UnderAGermanLocaleTheMenusAndButtonsAreGerman) {
    tallix::test::ScopedLocale numbers(QStringLiteral("de_DE"));
    ScopedMessagesLocale messages("de_DE.UTF-8");
    WriteSettings();
    Start();
    EXPECT_EQ(MenuTitles(window->menuBar()), (QStringList{"&Datei", "&Ansicht", "&Einrichten"}));
    EXPECT_EQ(Find<QAction>("SaveAs")->text(), QStringLiteral("Speichern &unter..."));
    EXPECT_EQ(Button("Command1")->text(), QStringLiteral("Hinzufügen"));
    EXPECT_EQ(Button("Command4")->text(), QStringLiteral("Register zeigen"));
    EXPECT_EQ(Button("Command3")->text(), QStringLiteral("Beenden"));
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Nicht gesperrt"));
}

TEST_F(MainWindowTest, EveryCaptionFitsItsPlaceInEveryLanguage) {
    WriteSettings();
    const QStringList languages = platform::ShippedLanguages() << QString();
    for (const QString& language : languages) {
        ASSERT_TRUE(platform::InstallTranslations(language));
        Start();
        Activate();
        EXPECT_EQ(tallix::test::ClippedCaptions(*window, window->statusBar()), "") << language.toStdString();
        // The windows of their own that lay out their captions, as they first show.
        for (const char* command : {"mnuSetupCategories"}) {
            WhenModalOpens([&](QWidget* modal) {
                EXPECT_EQ(tallix::test::ClippedCaptions(*modal), "") << language.toStdString() << " " << command;
            });
            Trigger(command);
        }
    }
    platform::InstallTranslations({});
}
