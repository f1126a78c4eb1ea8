#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace platform {

namespace {
// The compiled translations are resources of this library: the window, tallix-cli and tallix-pdf read the same
// ones wherever they are installed.
const QString TranslationFolder = QStringLiteral(":/i18n");
const QString ProgramPrefix = QStringLiteral("tallix_");

// "de_DE.UTF-8@euro" -> "de"; "C", "POSIX" and "" -> "".
QString LanguageOf(const QString& locale) {
    const QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return {};
    return name.section(QLatin1Char('_'), 0, 0).toLower();
}

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}
} // namespace

MessageEnvironment ReadMessageEnvironment() {
    MessageEnvironment environment{qEnvironmentVariable("LANGUAGE"), {}};
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        environment.messages = qEnvironmentVariable(name);
        if (!environment.messages.isEmpty())
            break;
    }
    return environment;
}

QStringList ShippedLanguages() {
    QStringList languages;
    const QStringList files = QDir(TranslationFolder).entryList({ProgramPrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(ProgramPrefix.size()).chopped(3);
    return languages;
}

QString ChooseLanguage(const MessageEnvironment& environment, const QStringList& shipped) {
    const QString fallback = LanguageOf(environment.messages);
    if (fallback.isEmpty())
        return {};
    QStringList wanted;
    for (const QString& entry : environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        wanted << LanguageOf(entry);
    wanted << fallback;
    for (const QString& language : wanted) {
        if (language == QLatin1String("en"))
            return {};
        if (shipped.contains(language))
            return language;
    }
    return {};
}

bool InstallTranslations(const QString& language) {
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
    if (language.isEmpty())
        return true;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(ProgramPrefix + language, TranslationFolder))
        return false;
    QCoreApplication::installTranslator(program.get());
    Installed().push_back(std::move(program));
    // Missing when Debian's Qt translations are not installed: the standard buttons then stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        Installed().push_back(std::move(qt));
    }
    return true;
}

void InstallEnvironmentLanguage() {
    InstallTranslations(ChooseLanguage(ReadMessageEnvironment(), ShippedLanguages()));
}

} // namespace platform
