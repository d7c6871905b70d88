#include "launcher/LauncherIcon.h"

// Resources of a static library must be registered by hand, from the global namespace.
static void registerLauncherResources() {
    Q_INIT_RESOURCE(halcyon);
}

namespace tarn {

QIcon launcherIcon() {
    static const bool registered = (registerLauncherResources(), true);
    static_cast<void>(registered);
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/halcyon/halcyon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tarn
