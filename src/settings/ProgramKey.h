#pragma once
// Where the program keeps its settings in the settings store, below HKEY_CURRENT_USER.

#include <QString>

inline QString ProgramSettingsKey() {
    return QStringLiteral("Software\\Morvane Freeware\\Tallix\\Settings");
}
