#pragma once
// The settings file behind Registry, shared safely by every running copy of the program.
//
// Reads take no lock: the file is only ever replaced whole (atomic rename), so a reader sees either the old or
// the new file. A write takes the lock file beside the store, reads the file afresh, changes it and replaces it,
// so two copies writing at the same time never lose each other's values. A file that does not parse reads as
// empty and is renamed aside (NAME.bad, NAME.bad.1, ...) before the first write would replace it: it is never lost.

#include "settings/RegistryFile.h"

#include <QString>
#include <functional>

namespace settings {

// $TALLIX_REGISTRY_FILE when set, else tallix/registry.reg in the user's configuration folder ($XDG_CONFIG_HOME).
QString RegistryFilePath();

// The store as it is now; a missing, unreadable or unparsable file gives an empty hive.
RegistryHive ReadRegistry();

// Runs `change` on the current store under the lock and writes the result when `change` answers true (something
// changed). True when nothing needed writing or the new file is in place; false when the lock could not be had,
// the current file could not be read or set aside, or the new file could not be written. The file is then as before.
bool ModifyRegistry(const std::function<bool(RegistryHive&)>& change);

// Test seam: makes a key and everything below it unwritable, as a key the user has no rights on. Empty clears it.
void SetWriteProtectedKeyForTesting(const QString& path);
bool IsWriteProtected(const QString& path);

} // namespace settings
