#include "resources/ResourceInit.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initResourcesOnce() {
    Q_INIT_RESOURCE(tarn);
}

namespace tarn {

void initTarnResources() {
    static const bool done = [] {
        initResourcesOnce();
        return true;
    }();
    (void)done;
}

} // namespace tarn
