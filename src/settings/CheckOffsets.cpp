#include "settings/CheckOffsets.h"

#include "settings/ProgramSettings.h"

#include <QStringList>
#include <cstdlib>

namespace settings {

namespace {
// One text per format, named as the format: "right,down".
const QString Section = QStringLiteral("CheckOffsets");

bool InRange(StoredCheckOffset offset) {
    return std::abs(offset.right) <= MaxCheckOffset && std::abs(offset.down) <= MaxCheckOffset;
}
} // namespace

StoredCheckOffset ReadCheckOffset(const QString& format) {
    const std::optional<QString> text = ReadProgramText(Section, format);
    if (!text)
        return {};
    const QStringList parts = text->split(QLatin1Char(','));
    bool rightOk = false;
    bool downOk = false;
    const StoredCheckOffset read =
        parts.size() == 2 ? StoredCheckOffset{parts[0].toInt(&rightOk), parts[1].toInt(&downOk)} : StoredCheckOffset{};
    return rightOk && downOk && InRange(read) ? read : StoredCheckOffset{};
}

bool WriteCheckOffset(const QString& format, StoredCheckOffset offset) {
    return InRange(offset) && !format.isEmpty() &&
           WriteProgramText(Section, format, QStringLiteral("%1,%2").arg(offset.right).arg(offset.down));
}

} // namespace settings
