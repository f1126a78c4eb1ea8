#pragma once
// The program's folders below the user's XDG base folders. Both carry the command's name, "tallix", so the data
// and the settings of one user sit in folders of one spelling, whatever name the windows show.

#include <QString>

namespace platform {

// $XDG_DATA_HOME/tallix (~/.local/share/tallix): files the program writes for the user, such as the demo ledger.
QString UserDataFolder();

// $XDG_CONFIG_HOME/tallix (~/.config/tallix): the settings file.
QString UserConfigFolder();

// $XDG_STATE_HOME/tallix (~/.local/state/tallix): what the program keeps between runs that is neither data nor
// settings, such as the recovery journals of unsaved changes.
QString UserStateFolder();

} // namespace platform
