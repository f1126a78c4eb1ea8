#include "platform/UserFolders.h"

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

} // namespace platform
