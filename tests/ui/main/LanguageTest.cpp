// The main window in the user's language, and every text of it fitting its fixed place in every language shipped.
#include "MainWindowFixture.h"
#include "platform/Translations.h"
#include "support/ScopedLocale.h"

#include <QAbstractButton>
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

// A caption drawn in a place of fixed size: the width its text needs beyond the place's width, 0 when it fits.
int Overflow(const QWidget* control, const QString& caption, int padding) {
    QString text = caption;
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return std::max(0, control->fontMetrics().horizontalAdvance(text) + padding - control->width());
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
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisible() || button->text().isEmpty())
                continue;
            // A check or option box needs its indicator's room before the text; a button its frame.
            const int padding = qobject_cast<const QPushButton*>(button) ? 8 : 20;
            EXPECT_EQ(Overflow(button, button->text(), padding), 0)
                << language.toStdString() << " " << button->objectName().toStdString() << ": "
                << button->text().toStdString();
        }
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() ||
                label->parentWidget() == window->statusBar())
                continue;
            EXPECT_EQ(Overflow(label, label->text(), 0), 0)
                << language.toStdString() << " " << label->objectName().toStdString() << ": "
                << label->text().toStdString();
        }
    }
    platform::InstallTranslations({});
}
