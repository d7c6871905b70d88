#include "launcher/LauncherAboutDialog.h"

#include "common/Version.h"
#include "launcher/LauncherIcon.h"
#include "qtsupport/DialogUnits.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace tarn {

namespace {

QFont aboutFont() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(9);
    return font;
}

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

LauncherAboutDialog::LauncherAboutDialog(QWidget* parent)
    : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("关于"));
    setWindowIcon(launcherIcon());
    setFont(aboutFont());
    const DialogUnits units(font());
    setFixedSize(units.size(235, 55));

    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    m_icon = new QLabel(this);
    m_icon->setPixmap(launcherIcon().pixmap(iconSize, iconSize));
    m_icon->setGeometry(units.x(11), units.y(17), iconSize, iconSize);
    m_version = plainLabel(QStringLiteral("Halcyon 1.0 版"), this);
    m_version->setGeometry(units.rect(40, 10, 119, 8));
    m_notice = plainLabel(QStringLiteral("版权所有 (C) 2026"), this);
    m_notice->setGeometry(units.rect(40, 25, 119, 8));
    m_packageVersion = plainLabel(QStringLiteral("Version ") + QLatin1String(PackageVersion), this);
    m_packageVersion->setGeometry(units.rect(40, 38, 119, 8));
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setProperty("controlId", 1);
    m_ok->setDefault(true);
    m_ok->setGeometry(units.rect(178, 7, 50, 14));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tarn
