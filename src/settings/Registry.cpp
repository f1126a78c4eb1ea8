#include "settings/Registry.h"

#include "settings/RegistryStore.h"

#include <optional>

namespace {
constexpr uint32_t KeyQueryValue = 0x0001;
constexpr uint32_t KeySetValue = 0x0002;

std::optional<QString> RootName(uint32_t handle) {
    if (handle == Registry::HKEY_CLASSES_ROOT)
        return QStringLiteral("HKEY_CLASSES_ROOT");
    if (handle == Registry::HKEY_CURRENT_USER)
        return QStringLiteral("HKEY_CURRENT_USER");
    return std::nullopt;
}

std::optional<QString> FullPath(uint32_t root, const QString& subKey) {
    const std::optional<QString> rootName = RootName(root);
    if (!rootName)
        return std::nullopt;
    return settings::CanonicalKeyPath(subKey.isEmpty() ? *rootName : *rootName + QLatin1Char('\\') + subKey);
}
} // namespace

bool Registry::RegCreate(const QString& Location, const QString& Section, uint32_t key) {
    RegClose();
    const std::optional<QString> path =
        FullPath(key, Section.isEmpty() ? Location : Location + QLatin1Char('\\') + Section);
    if (!path || settings::IsWriteProtected(*path))
        return false;
    const bool created = settings::ModifyRegistry([&](settings::RegistryHive& hive) {
        if (hive.KeyExists(*path))
            return false;
        hive.CreateKey(*path);
        return true;
    });
    if (!created)
        return false;
    KeyHandle = *path;
    keyAccess = KEY_ALL_ACCESS;
    return true;
}

bool Registry::RegOpen(uint32_t handle, const QString& Location, uint32_t access) {
    RegClose();
    const std::optional<QString> path = FullPath(handle, Location);
    if (!path || !settings::ReadRegistry().KeyExists(*path))
        return false;
    if ((access & KeySetValue) && settings::IsWriteProtected(*path))
        return false;
    KeyHandle = *path;
    keyAccess = access;
    return true;
}

void Registry::RegClose() {
    KeyHandle.clear();
    keyAccess = 0;
}

bool Registry::OpenedWith(uint32_t right) const {
    return !KeyHandle.isEmpty() && (keyAccess & right);
}

namespace {
// The value's bytes, as a registry query delivers them whatever the value's type.
std::optional<QByteArray> Query(const QString& keyPath, const QString& name) {
    const settings::RegistryHive hive = settings::ReadRegistry();
    const settings::RegistryKey* key = hive.FindKey(keyPath);
    const settings::RegistryValue* value = key ? key->FindValue(name) : nullptr;
    if (!value)
        return std::nullopt;
    return value->data;
}
} // namespace

bool Registry::GetBoolean(const QString& Where, bool& What, bool Default) {
    const std::optional<QByteArray> data = OpenedWith(KeyQueryValue) ? Query(KeyHandle, Where) : std::nullopt;
    if (!data || data->size() > 1) {
        What = Default;
        return false;
    }
    What = !data->isEmpty() && data->at(0) != 0;
    return true;
}

bool Registry::SaveBoolean(const QString& Where, bool What) {
    return SetValue(Where, settings::RegBinary, QByteArray(1, What ? '\1' : '\0'));
}

bool Registry::GetLong(const QString& Where, int32_t& What, int32_t Default) {
    const std::optional<QByteArray> data = OpenedWith(KeyQueryValue) ? Query(KeyHandle, Where) : std::nullopt;
    if (!data || data->size() > 4) {
        What = Default;
        return false;
    }
    // The query copies the value over What's own bytes; a short value leaves the high-order ones as they were.
    auto bits = uint32_t(What);
    for (qsizetype i = 0; i < data->size(); ++i)
        bits = (bits & ~(0xFFu << (8 * i))) | uint32_t(uchar(data->at(i))) << (8 * i);
    What = int32_t(bits);
    return true;
}

bool Registry::SaveLong(const QString& Where, int32_t What) {
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = char(uint32_t(What) >> (8 * i));
    return SetValue(Where, settings::RegDword, data);
}

bool Registry::GetStr(const QString& Where, QString& What, const QString& Default) {
    const std::optional<QByteArray> data = OpenedWith(KeyQueryValue) ? Query(KeyHandle, Where) : std::nullopt;
    if (!data) {
        What = Default;
        return false;
    }
    const qsizetype end = data->indexOf('\0');
    What = QString::fromUtf8(QByteArrayView(*data).first(end < 0 ? data->size() : end));
    return true;
}

bool Registry::SaveStr(const QString& Where, const QString& What) {
    // Texts are kept in the system's multibyte encoding, UTF-8, so that any path a user has reads back intact.
    return SetValue(Where, settings::RegSz, What.toUtf8() + '\0');
}

bool Registry::SetValue(const QString& Where, uint32_t type, const QByteArray& data) {
    if (!OpenedWith(KeySetValue) || !settings::IsValidValueName(Where) || settings::IsWriteProtected(KeyHandle))
        return false;
    const settings::RegistryValue value{Where, type, data};
    return settings::ModifyRegistry([&](settings::RegistryHive& hive) {
        // The key may have vanished from the file since it was opened (the file was replaced or set aside).
        settings::RegistryKey& key = hive.CreateKey(KeyHandle);
        const settings::RegistryValue* existing = key.FindValue(Where);
        if (existing && existing->type == type && existing->data == data)
            return false;
        key.SetValue(value);
        return true;
    });
}
