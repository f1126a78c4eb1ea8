#include "platform/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {
// Sets the XDG variables and the application's names for one case and puts them back afterwards.
class ScopedIdentity {
public:
    ScopedIdentity(const char* dataHome, const char* configHome, const QString& app, const QString& organisation)
        : savedData(qgetenv("XDG_DATA_HOME")), savedConfig(qgetenv("XDG_CONFIG_HOME")),
          savedApp(QCoreApplication::applicationName()), savedOrganisation(QCoreApplication::organizationName()) {
        Set("XDG_DATA_HOME", dataHome);
        Set("XDG_CONFIG_HOME", configHome);
        QCoreApplication::setApplicationName(app);
        QCoreApplication::setOrganizationName(organisation);
    }
    ~ScopedIdentity() {
        qputenv("XDG_DATA_HOME", savedData);
        qputenv("XDG_CONFIG_HOME", savedConfig);
        QCoreApplication::setApplicationName(savedApp);
        QCoreApplication::setOrganizationName(savedOrganisation);
    }
    ScopedIdentity(const ScopedIdentity&) = delete;
    ScopedIdentity& operator=(const ScopedIdentity&) = delete;

private:
    static void Set(const char* name, const char* value) {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    QByteArray savedData, savedConfig;
    QString savedApp, savedOrganisation;
};
} // namespace

// The windows call the program "Tallix"; its folders carry one spelling whatever the names and wherever XDG puts them.
TEST(UserFolders, OneSpellingBelowTheXdgFolders) {
    const QString home = QDir::homePath();
    struct Case {
        const char* dataHome;
        const char* configHome;
        QString app;
        QString organisation;
        QString data;
        QString config;
    } cases[] = {
        {"/x/data", "/x/config", "Tallix", "", "/x/data/tallix", "/x/config/tallix"},
        {"/x/data", "/x/config", "Tallix", "Morvane Freeware", "/x/data/tallix", "/x/config/tallix"},
        {nullptr, nullptr, "Tallix", "", home + "/.local/share/tallix", home + "/.config/tallix"},
        {"/x/data", nullptr, "tallix_test", "", "/x/data/tallix", home + "/.config/tallix"},
    };
    for (const Case& c : cases) {
        ScopedIdentity identity(c.dataHome, c.configHome, c.app, c.organisation);
        SCOPED_TRACE((c.app + " / " + c.organisation).toStdString());
        EXPECT_EQ(platform::UserDataFolder(), c.data);
        EXPECT_EQ(platform::UserConfigFolder(), c.config);
    }
}
