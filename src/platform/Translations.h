#pragma once
// The language the program speaks: chosen from the environment as gettext chooses it, and installed as the
// program's own translation together with Qt's (standard buttons, the file dialog).

#include <QString>
#include <QStringList>

namespace platform {

// What the environment says about the language of messages.
struct MessageEnvironment {
    QString language; // LANGUAGE: a colon-separated list, best first
    QString messages; // the first set of LC_ALL, LC_MESSAGES, LANG: e.g. "de_DE.UTF-8"
};

MessageEnvironment ReadMessageEnvironment();

// The languages the program carries a translation for ("de", "fr", ...), English not among them.
QStringList ShippedLanguages();

// The first language of LANGUAGE, or else of the messages locale, that is English or shipped: "" for English. As
// with gettext, LANGUAGE counts only when the messages locale is not C or POSIX, so those stay English.
QString ChooseLanguage(const MessageEnvironment& environment, const QStringList& shipped);

// Replaces the translations installed before with those of language ("" for English, which installs none).
// Returns false when the program carries no translation for it; Qt's own are taken where installed.
bool InstallTranslations(const QString& language);

// At start-up, after the application object: the translations of the language the environment asks for.
void InstallEnvironmentLanguage();

} // namespace platform
