#pragma once
// Windows code page 1252, the single-byte (ANSI) code page in which the settings store keeps its texts.

#include <QByteArray>
#include <QString>

namespace settings {

// Every byte maps to exactly one character (the five bytes the code page leaves unassigned map to the C1 control
// of the same value, as Windows does), so FromCp1252 followed by ToCp1252 gives back the same bytes.
QString FromCp1252(QByteArrayView bytes);
// Characters outside the code page become '?', as the system's conversion does.
QByteArray ToCp1252(QStringView text);

} // namespace settings
