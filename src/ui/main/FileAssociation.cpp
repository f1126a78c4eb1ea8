#include "ui/main/FileAssociation.h"

#include "platform/Prompt.h"
#include "settings/Registry.h"
#include "ui/main/DesktopIntegration.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr QChar Quote = QLatin1Char('"');

// A key that cannot be created ends the chain, except ".tlx": the file type's own keys are still worth writing.
void WriteAssociationKeys(Registry& registry, const QString& command) {
    if (registry.RegCreate(QStringLiteral(".tlx"), QString(), Registry::HKEY_CLASSES_ROOT)) {
        registry.SaveStr(QString(), QStringLiteral("TallixFile"));
        registry.RegClose();
    }
    QString location = QStringLiteral("TallixFile");
    if (!registry.RegCreate(location, QString(), Registry::HKEY_CLASSES_ROOT))
        return;
    registry.SaveStr(QString(), QStringLiteral("CheckRegister"));
    registry.RegClose();
    if (!registry.RegCreate(location, QStringLiteral("shell"), Registry::HKEY_CLASSES_ROOT))
        return;
    registry.RegClose();
    location += QStringLiteral("\\shell");
    if (!registry.RegCreate(location, QStringLiteral("open"), Registry::HKEY_CLASSES_ROOT))
        return;
    registry.RegClose();
    location += QStringLiteral("\\open");
    if (!registry.RegCreate(location, QStringLiteral("command"), Registry::HKEY_CLASSES_ROOT))
        return;
    registry.SaveStr(QString(), command);
    registry.RegClose();
}
} // namespace

QString OpenCommand(const QString& executablePath) {
    const QFileInfo program(executablePath);
    return program.absolutePath() + QLatin1Char('/') + program.completeBaseName() + QLatin1Char(' ') + Quote +
           QStringLiteral("%1") + Quote;
}

void AssociateFiles(const QString& executablePath) {
    const QString question =
        QCoreApplication::translate("FileAssociation", "Associate \".TLX\" files with this application?");
    if (platform::MsgBox(question, platform::Buttons::YesNo, platform::ProgramTitle(), platform::Icon::Question,
                         platform::Answer::No) != platform::Answer::Yes)
        return;
    Registry registry;
    WriteAssociationKeys(registry, OpenCommand(executablePath));
    // The desktop is told even when a registry key failed: it keeps its own files.
    desktop::InstallDesktopIntegration(executablePath);
}
