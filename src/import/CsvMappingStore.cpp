// The column mappings of CSV statements, remembered in the settings store by the file's header line.
#include "import/Statement.h"
#include "settings/ProgramKey.h"
#include "settings/Registry.h"

namespace import {

namespace {
QString MappingKey() {
    return ProgramSettingsKey() + QStringLiteral("\\CsvMappings");
}
} // namespace

std::optional<CsvMapping> StoredCsvMapping(const QString& headerLine) {
    Registry registry;
    if (!registry.RegOpen(Registry::HKEY_CURRENT_USER, MappingKey(), Registry::KEY_READ))
        return std::nullopt;
    QString text;
    const bool read = registry.GetStr(headerLine, text);
    registry.RegClose();
    return read ? CsvMappingFromText(text) : std::nullopt;
}

bool StoreCsvMapping(const QString& headerLine, const CsvMapping& mapping) {
    Registry registry;
    if (!registry.RegCreate(MappingKey(), QString(), Registry::HKEY_CURRENT_USER))
        return false;
    const bool saved = registry.SaveStr(headerLine, CsvMappingText(mapping));
    registry.RegClose();
    return saved;
}

} // namespace import
