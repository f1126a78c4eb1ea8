#include "ui/resources/Resources.h"

#include <QtGlobal>

void LoadTallixResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(loaded);
}
