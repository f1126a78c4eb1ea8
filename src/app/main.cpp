// Starts Tallix: the main window is the whole program; closing it ends the run.
#include "platform/widgets/WidgetPrompts.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

namespace {
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
} // namespace

int main(int argc, char** argv) {
    if (!HasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "tallix: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                             "Run it from a desktop session, or under xvfb-run.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallix"));
    QApplication::setApplicationVersion(QStringLiteral(TALLIX_VERSION));

    platform::WidgetPrompts prompts;
    platform::SetPromptBackend(&prompts);

    frmMain window(QApplication::arguments().mid(1));
    window.show();
    return QApplication::exec();
}
