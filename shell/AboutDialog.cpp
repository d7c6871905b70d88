#include "shell/AboutDialog.h"

#include "common/Version.h"
#include "qtsupport/DialogUnits.h"
#include "resources/ResourceInit.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace tarn {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , m_icon(new QLabel(this))
    , m_version(new QLabel(QString::fromUtf8(VersionText), this))
    , m_packageVersion(new QLabel(tr("Version %1").arg(QLatin1String(PackageVersion)), this))
    , m_ornament(new QLabel(QString::fromUtf8(Ornament), this))
    , m_ok(new QPushButton(tr("OK"), this)) {
    initTarnResources();
    setWindowTitle(tr("About"));
    QFont font(QStringLiteral("Times New Roman"), 10);
    setFont(font);
    const DialogUnits du(font);
    setFixedSize(du.size(163, 95));

    m_icon->setPixmap(QPixmap(QStringLiteral(":/tarn/pictures/about-32.png")));
    m_icon->setProperty("controlId", IconId);
    m_icon->setGeometry(du.rect(11, 12, 21, 20));
    m_version->setGeometry(du.rect(40, 17, 117, 10));
    m_packageVersion->setGeometry(du.rect(40, 29, 117, 10));
    m_ornament->setGeometry(du.rect(4, 44, 155, 10));
    m_ornament->setAlignment(Qt::AlignCenter);
    m_ok->setGeometry(du.rect(56, 70, 50, 14));
    m_ok->setProperty("controlId", 1); // IDOK
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tarn
