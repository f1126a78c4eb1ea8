#include "platform/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

// The windows call the program "Tallix"; its folders carry one spelling whatever the names and wherever XDG puts them.
TEST(UserFolders, OneSpellingBelowTheXdgFolders) {
    const QByteArray data = qgetenv("XDG_DATA_HOME"), config = qgetenv("XDG_CONFIG_HOME");
    const QString app = QCoreApplication::applicationName(), organisation = QCoreApplication::organizationName();
    const QString home = QDir::homePath();
    const struct Case {
        const char* dataHome; // unset when empty
        const char* configHome;
        const char* app;
        const char* organisation;
        QString data;
        QString config;
    } cases[] = {
        {"/x/data", "/x/config", "Tallix", "", "/x/data/tallix", "/x/config/tallix"},
        {"/x/data", "/x/config", "Tallix", "Morvane Freeware", "/x/data/tallix", "/x/config/tallix"},
        {"", "", "Tallix", "", home + "/.local/share/tallix", home + "/.config/tallix"},
    };
    for (const Case& c : cases) {
        for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", c.dataHome}, {"XDG_CONFIG_HOME", c.configHome}})
            *value ? qputenv(name, value) : qunsetenv(name);
        QCoreApplication::setApplicationName(QLatin1String(c.app));
        QCoreApplication::setOrganizationName(QLatin1String(c.organisation));
        EXPECT_EQ(platform::UserDataFolder(), c.data) << c.organisation;
        EXPECT_EQ(platform::UserConfigFolder(), c.config) << c.organisation;
    }
    qputenv("XDG_DATA_HOME", data);
    qputenv("XDG_CONFIG_HOME", config);
    QCoreApplication::setApplicationName(app);
    QCoreApplication::setOrganizationName(organisation);
}
