#include "platform/widgets/Fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace platform {

QFont SansSerifFont(double pointSize, bool bold) {
    const QString family = QStringLiteral("Liberation Sans");
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace platform
