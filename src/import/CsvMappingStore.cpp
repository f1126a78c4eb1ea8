// The column mappings of CSV statements, remembered in the settings by the file's header line.
#include "import/Statement.h"
#include "settings/ProgramSettings.h"

namespace import {

namespace {
const QString MappingSection = QStringLiteral("CsvMappings");
} // namespace

std::optional<CsvMapping> StoredCsvMapping(const QString& headerLine) {
    const std::optional<QString> text = settings::ReadProgramText(MappingSection, headerLine);
    return text ? CsvMappingFromText(*text) : std::nullopt;
}

bool StoreCsvMapping(const QString& headerLine, const CsvMapping& mapping) {
    return settings::WriteProgramText(MappingSection, headerLine, CsvMappingText(mapping));
}

} // namespace import
