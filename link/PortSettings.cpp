#include "link/PortSettings.h"

#include <QSettings>

namespace tarn {

std::optional<std::string> PortSettings::lookup(const std::string& key) {
    const QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"),
                             QStringLiteral("Vizuruzu DizaRido"));
    const QVariant value = settings.value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

} // namespace tarn
