#include "settings/RegistryStore.h"

#include "platform/AtomicFile.h"
#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <optional>

namespace settings {

namespace {
// The store holds a handful of values; anything this large is not ours to load into memory.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
constexpr int LockTimeoutMs = 10000;
constexpr int MaxSetAsideNames = 100;

QString protectedKey;

enum class FileState { Missing, Unreadable, Bad, Good };

struct Loaded {
    FileState state = FileState::Missing;
    RegistryHive hive;
};

Loaded Load(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {FileState::Unreadable, {}};
    if (file.size() > MaxFileSize)
        return {FileState::Bad, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileState::Unreadable, {}};
    std::optional<RegistryHive> hive = ParseRegistryFile(bytes);
    if (!hive)
        return {FileState::Bad, {}};
    return {FileState::Good, std::move(*hive)};
}

bool SetAside(const QString& path) {
    for (int i = 0; i < MaxSetAsideNames; ++i) {
        const QString aside = path + QStringLiteral(".bad") + (i == 0 ? QString() : QStringLiteral(".%1").arg(i));
        if (!QFileInfo::exists(aside))
            return QFile::rename(path, aside);
    }
    return false;
}

bool Write(const QString& path, const RegistryHive& hive) {
    return platform::WriteFileAtomically(path, SerializeRegistryFile(hive)).Ok();
}
} // namespace

QString RegistryFilePath() {
    const QString overridden = qEnvironmentVariable("TALLIX_REGISTRY_FILE");
    if (!overridden.isEmpty())
        return overridden;
    return platform::UserConfigFolder() + QStringLiteral("/registry.reg");
}

RegistryHive ReadRegistry() {
    return Load(RegistryFilePath()).hive;
}

bool ModifyRegistry(const std::function<bool(RegistryHive&)>& change) {
    const QString path = RegistryFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockTimeoutMs))
        return false;
    Loaded current = Load(path);
    if (current.state == FileState::Unreadable)
        return false;
    if (!change(current.hive))
        return true;
    if (current.state == FileState::Bad && !SetAside(path))
        return false;
    return Write(path, current.hive);
}

void SetWriteProtectedKeyForTesting(const QString& path) {
    protectedKey = path;
}

bool IsWriteProtected(const QString& path) {
    if (protectedKey.isEmpty())
        return false;
    return path.compare(protectedKey, Qt::CaseInsensitive) == 0 ||
           path.startsWith(protectedKey + QLatin1Char('\\'), Qt::CaseInsensitive);
}

} // namespace settings
