// Makes the screenshots that software centres show: the main window on a sample ledger, with a check being
// entered, and the register window over it. scripts/screenshots runs it under Xvfb.
//   Screenshots MAIN.png REGISTER.png
#include "demo/SampleLedger.h"
#include "platform/Prompt.h"
#include "platform/widgets/WidgetPrompts.h"
#include "settings/Registry.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: Screenshots MAIN.png REGISTER.png\n");
        return 2;
    }
    // Settings and ledger of their own, so that the pictures never show the user's.
    QTemporaryDir dir;
    qputenv("TALLIX_REGISTRY_FILE", QFile::encodeName(dir.filePath(QStringLiteral("registry.reg"))));
    QApplication app(argc, argv);
    platform::WidgetPrompts prompts;
    platform::SetPromptBackend(&prompts);
    const QString ledger = dir.filePath(QStringLiteral("Household.tlx"));
    Registry settings;
    if (!ledger::WriteSampleLedger(ledger, QDate(2026, 6, 30)) ||
        !settings.RegCreate(frmMain::SettingsKey(), QString(), Registry::HKEY_CURRENT_USER))
        return 1;
    settings.SaveStr(QStringLiteral("UserName"), QStringLiteral("Alex Morgan"));
    settings.RegClose();

    frmMain window({ledger});
    window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("City Water Utility"));
    window.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("48.20"));
    window.show();
    bool saved = false;
    // Once the window has drawn itself; the register is modal, so it is grabbed from inside its own event loop.
    QTimer::singleShot(1000, &window, [&] {
        saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
        QTimer::singleShot(1000, &window, [&] {
            QWidget* reg = QApplication::activeModalWidget();
            saved = saved && reg && reg->grab().save(QString::fromLocal8Bit(argv[2]));
            if (reg)
                reg->close();
        });
        window.findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        QApplication::quit();
    });
    QApplication::exec();
    return saved ? 0 : 1;
}
