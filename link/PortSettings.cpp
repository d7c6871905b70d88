#include "link/PortSettings.h"

#include "common/AppTitles.h"

#include <QSettings>

namespace tarn {

std::optional<std::string> PortSettings::lookup(const std::string& key) {
    const QSettings settings(QString::fromUtf8(AppTitles::SettingsRoot),
                             QString::fromUtf8(AppTitles::AppName));
    const QVariant value = settings.value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void PortSettings::store(const std::string& key, const std::string& value) {
    QSettings settings(QString::fromUtf8(AppTitles::SettingsRoot),
                       QString::fromUtf8(AppTitles::AppName));
    if (value.empty())
        settings.remove(QString::fromStdString(key));
    else
        settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

} // namespace tarn
