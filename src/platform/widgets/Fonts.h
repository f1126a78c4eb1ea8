#pragma once
// The program's windows were laid out in MS Sans Serif. Liberation Sans has its proportions, so captions fit the
// same twips; without it the desktop's UI font stands in.

#include <QFont>

namespace platform {

QFont SansSerifFont(double pointSize, bool bold = false);

} // namespace platform
