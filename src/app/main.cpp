// Starts Tallix: the main window is the whole program; closing it ends the run.
#include "Version.h"
#include "demo/SampleLedger.h"
#include "platform/Translations.h"
#include "platform/UserFolders.h"
#include "platform/widgets/WidgetPrompts.h"
#include "settings/Registry.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Qt's own options (see qt6options(7)), which QApplication takes out of the command line itself. Those with a
// value take the next argument, or, where Qt allows it, "-style=Fusion"; Qt accepts them with two dashes as well.
constexpr const char* ToolkitOptionsWithValue[] = {"style",
                                                   "stylesheet",
                                                   "platform",
                                                   "platformpluginpath",
                                                   "platformtheme",
                                                   "plugin",
                                                   "qwindowgeometry",
                                                   "qwindowicon",
                                                   "qwindowtitle",
                                                   "session",
                                                   "display",
                                                   "geometry",
                                                   "title",
                                                   "icon",
                                                   "name"};
constexpr const char* ToolkitOptionsJoined[] = {"style", "stylesheet", "qmljsdebugger", "dialogs", "fontengine"};
constexpr const char* ToolkitFlags[] = {"widgetcount", "reverse", "nograb", "dograb", "sync"};

struct OwnArguments {
    QStringList arguments; // the program's own, for its parser
    QString problem;       // a toolkit option without its value
    bool platformChosen = false;
};

// Leaves out Qt's options, so that "tallix -style Fusion FILE" reads as "tallix FILE"; after "--" nothing is an
// option.
OwnArguments WithoutToolkitOptions(const QStringList& commandLine) {
    OwnArguments own;
    for (qsizetype i = 0; i < commandLine.size(); ++i) {
        const QString& argument = commandLine.at(i);
        if (i == 0 || !argument.startsWith(u'-') || argument == QLatin1String("-")) {
            own.arguments << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            own.arguments << commandLine.mid(i);
            break;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const auto is = [&name](const char* option) { return name == QLatin1String(option); };
        const auto joined = [&name](const char* option) { return name.startsWith(QLatin1String(option) + u'='); };
        if (std::any_of(std::begin(ToolkitFlags), std::end(ToolkitFlags), is) ||
            std::any_of(std::begin(ToolkitOptionsJoined), std::end(ToolkitOptionsJoined), joined))
            continue;
        if (std::any_of(std::begin(ToolkitOptionsWithValue), std::end(ToolkitOptionsWithValue), is)) {
            if (i + 1 == commandLine.size()) {
                own.problem = QCoreApplication::translate("TallixCommandLine", "%1 needs a value").arg(argument);
                return own;
            }
            own.platformChosen = own.platformChosen || is("platform") || is("display");
            ++i;
            continue;
        }
        own.arguments << argument;
    }
    return own;
}

// The option names are the program's interface: a translation keeps them as they are.
void PrintHelp(FILE* to) {
    const QString help = QCoreApplication::translate(
        "TallixCommandLine",
        "Usage: tallix [QT-OPTION...] [--] [FILE]\n"
        "  or:  tallix [QT-OPTION...] --demo\n"
        "List and balance checks.\n"
        "\n"
        "Opens FILE, a Tallix data file (.tlx); without it the data file of the last run is reopened.\n"
        "\n"
        "      --demo     open a sample ledger of a year of transactions (a fresh copy in the user's data\n"
        "                 folder, so nothing of yours is touched)\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n"
        "\n"
        "Qt's standard options are taken as well, such as -style NAME, -platform NAME or -reverse.\n");
    std::fputs(help.toLocal8Bit().constData(), to);
}

// The About box's "All rights reserved." is left out here: the licence that follows says what is reserved.
void PrintVersion() {
    std::printf("tallix %s\n%s\n%s\n", TallixVersion, TallixCopyright, TallixLicense);
}

// Answers --help, --version and a command line that cannot start the window; nothing when the window can start.
std::optional<int> AnswerCommandLine(QCommandLineParser& parser, const OwnArguments& own) {
    if (!own.problem.isEmpty()) {
        std::fprintf(stderr, "tallix: %s\n", qPrintable(own.problem));
        PrintHelp(stderr);
        return 2;
    }
    if (!parser.parse(own.arguments) || parser.positionalArguments().size() > 1 ||
        (parser.isSet(QStringLiteral("demo")) && !parser.positionalArguments().isEmpty())) {
        const QString problem =
            parser.errorText().isEmpty()
                ? QCoreApplication::translate("TallixCommandLine", "one FILE at most, and none with --demo")
                : parser.errorText();
        std::fprintf(stderr, "tallix: %s\n", qPrintable(problem));
        PrintHelp(stderr);
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        PrintHelp(stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        PrintVersion();
        return 0;
    }
    if (!HasDisplay() && !own.platformChosen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString problem = QCoreApplication::translate(
            "TallixCommandLine", "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
                                 "set).\nRun it from a desktop session, or under xvfb-run.");
        std::fprintf(stderr, "tallix: %s\n", problem.toLocal8Bit().constData());
        return 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    // The command line is read before the window's application exists, so --help, --version and mistakes are
    // answered without a display, from any terminal. "--" ends the options: a file named "-x" opens as "tallix -- -x".
    QStringList commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption demo(QStringLiteral("demo"));
    parser.addOptions({help, version, demo});
    const OwnArguments own = WithoutToolkitOptions(commandLine);
    {
        // Answers in the user's language need a translator, and a translator an application: a plain one, gone
        // before the window's is made, so that these answers need no display.
        const QCoreApplication terminal(argc, argv);
        platform::InstallEnvironmentLanguage();
        if (const std::optional<int> status = AnswerCommandLine(parser, own))
            return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallix"));
    QApplication::setApplicationVersion(QLatin1String(TallixVersion));
    // On Wayland the compositor finds the desktop entry, and with it the icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral("tallix"));
    platform::InstallEnvironmentLanguage();

    platform::WidgetPrompts prompts;
    platform::SetPromptBackend(&prompts);

    QStringList arguments = parser.positionalArguments();
    if (parser.isSet(demo)) {
        const QString folder = platform::UserDataFolder();
        const QString demo = QDir(folder).filePath(QStringLiteral("Demo ledger.tlx"));
        if (!QDir().mkpath(folder) || !ledger::WriteSampleLedger(demo, QDate::currentDate()))
            return 1;
        // A first run would ignore the file for want of settings; the demo starts as a program that has run before.
        Registry settings;
        if (settings.RegCreate(frmMain::SettingsKey(), QString(), Registry::HKEY_CURRENT_USER))
            settings.RegClose();
        arguments = QStringList{demo};
    }

    frmMain window(arguments);
    window.show();
    return QApplication::exec();
}
