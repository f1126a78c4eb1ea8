#include "platform/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace platform {

namespace {
// Generic locations plus a fixed name rather than AppDataLocation, which follows the application and organisation
// names and so spelled the data folder "Tallix" beside the settings folder "tallix".
const QString FolderName = QStringLiteral("/tallix");
} // namespace

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + FolderName;
}

QString UserConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + FolderName;
}

QString UserStateFolder() {
    // Qt 6.4 has no state location yet; the XDG rule is a relative value counts as unset.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.isEmpty() && QDir::isAbsolutePath(state))
        return state + FolderName;
    return QDir::homePath() + QStringLiteral("/.local/state") + FolderName;
}

} // namespace platform
