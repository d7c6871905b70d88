#include "view/BandPlanSetting.h"

#include "common/AppTitles.h"

#include <QSettings>

namespace tarn {

BandPlan::Region BandPlanSetting::region() {
    const QSettings settings(QString::fromUtf8(AppTitles::SettingsRoot),
                             QString::fromUtf8(AppTitles::AppName));
    const QString stored = settings.value(QString::fromUtf8(Key)).toString();
    return BandPlan::fromKey(stored.toStdString()).value_or(BandPlan::DefaultRegion);
}

void BandPlanSetting::setRegion(BandPlan::Region region) {
    QSettings settings(QString::fromUtf8(AppTitles::SettingsRoot),
                       QString::fromUtf8(AppTitles::AppName));
    settings.setValue(QString::fromUtf8(Key), QString::fromStdString(BandPlan::key(region)));
}

} // namespace tarn
