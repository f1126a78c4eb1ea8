#include "settings/ProgramSettings.h"

#include "settings/ProgramKey.h"
#include "settings/Registry.h"

namespace settings {

namespace {
QString SectionKey(const QString& section) {
    return ProgramSettingsKey() + QLatin1Char('\\') + section;
}
} // namespace

std::optional<QString> ReadProgramText(const QString& section, const QString& name) {
    Registry registry;
    if (!registry.RegOpen(Registry::HKEY_CURRENT_USER, SectionKey(section), Registry::KEY_READ))
        return std::nullopt;
    QString text;
    const bool read = registry.GetStr(name, text);
    registry.RegClose();
    return read ? std::optional<QString>(text) : std::nullopt;
}

bool WriteProgramText(const QString& section, const QString& name, const QString& text) {
    Registry registry;
    if (!registry.RegCreate(SectionKey(section), QString(), Registry::HKEY_CURRENT_USER))
        return false;
    const bool saved = registry.SaveStr(name, text);
    registry.RegClose();
    return saved;
}

} // namespace settings
