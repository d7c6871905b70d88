#pragma once

#include <QIcon>

namespace tarn {

// The launcher's application icon, from the resources linked into the launcher library.
[[nodiscard]] QIcon launcherIcon();

} // namespace tarn
