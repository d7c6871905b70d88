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

void PortSettings::store(const std::string& key, const std::string& value) {
    QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"),
                       QStringLiteral("Vizuruzu DizaRido"));
    if (value.empty())
        settings.remove(QString::fromStdString(key));
    else
        settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

} // namespace tarn
