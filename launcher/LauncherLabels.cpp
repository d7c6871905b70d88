#include "launcher/LauncherLabels.h"

namespace tarn {

const LauncherLabels& LauncherLabels::englishLabels() {
    static const LauncherLabels labels{QStringLiteral("Program Software"),
                                       QStringLiteral("Select Product"),
                                       QStringLiteral("English"),
                                       QStringLiteral("Chinese"),
                                       QStringLiteral("OK"),
                                       QStringLiteral("CANCEL"),
                                       true,
                                       "ENGLISH"};
    return labels;
}

const LauncherLabels& LauncherLabels::chineseLabels() {
    static const LauncherLabels labels{QStringLiteral("写频软件"),
                                       QStringLiteral("请选择产品"),
                                       QStringLiteral("英文"),
                                       QStringLiteral("中文"),
                                       QStringLiteral("确认"),
                                       QStringLiteral("取消"),
                                       false,
                                       "CHINESE"};
    return labels;
}

} // namespace tarn
