#include "support/TestProcess.h"

#include <QLocale>

namespace tallix::test {

bool PrepareTestProcess(const QTemporaryDir& home) {
    if (!home.isValid())
        return false;
    const QByteArray root = home.path().toLocal8Bit();
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("XDG_RUNTIME_DIR", root);
    qputenv("TALLIX_REGISTRY_FILE", root + "/config/tallix/registry.reg");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return true;
}

} // namespace tallix::test
