#include "launcher/LauncherLabels.h"

namespace tarn {

const LauncherLabels& LauncherLabels::englishLabels() {
    static const LauncherLabels labels{
        QStringLiteral("Program Software"),
        QStringLiteral("Select Product"),
        QStringLiteral("English"),
        QStringLiteral("Chinese"),
        QStringLiteral("OK"),
        QStringLiteral("CANCEL"),
        true,
        "ENGLISH",
        QStringLiteral("The program \"%1\" could not be started."),
        QStringLiteral("No program is set for \"%1\"."),
        QStringLiteral("Please select a product."),
        QStringLiteral("The settings could not be saved to \"%1\".")};
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
                                       "CHINESE",
                                       QStringLiteral("无法启动程序“%1”。"),
                                       QStringLiteral("没有为“%1”设置程序。"),
                                       QStringLiteral("请选择产品。"),
                                       QStringLiteral("无法将设置保存到“%1”。")};
    return labels;
}

} // namespace tarn
