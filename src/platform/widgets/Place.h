#pragma once
// Puts a control where a window's design says: its objectName and its geometry in twips.

#include "platform/widgets/Twips.h"

#include <QString>
#include <QWidget>

namespace platform {

template <typename Control> Control* Place(Control* control, const QString& name, QRect twips) {
    control->setObjectName(name);
    control->setGeometry(twips);
    return control;
}

} // namespace platform
