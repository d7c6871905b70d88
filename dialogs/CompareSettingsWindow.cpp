#include "dialogs/CompareSettingsWindow.h"

#include "data/ImageDiff.h"

#include <QCoreApplication>

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarn {

namespace {

// A setting's name or value as the option dialogs show it ("Squelch Level", "On").
QString settingText(const std::string& text) {
    for (const char* context : {"tarn::OptionalFeatures", "tarn::ModelInfoDialog"}) {
        const QString shown = QCoreApplication::translate(context, text.c_str());
        if (shown != QString::fromStdString(text))
            return shown;
    }
    return QString::fromStdString(text);
}

QString counted(std::size_t count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString summaryText(const ImageDifferences& differences) {
    if (differences.equal())
        return CompareSettingsWindow::tr("The radio would hold the same from both.");
    QStringList parts;
    parts << CompareSettingsWindow::tr("%1 (marked in the grid).")
                 .arg(counted(differences.channels.size(), "channel cell differs",
                              "channel cells differ"));
    parts << counted(differences.settings.size(), "setting differs.", "settings differ.");
    if (differences.otherBytes > 0)
        parts << CompareSettingsWindow::tr("%1 (no cell or dialog shows it).")
                     .arg(counted(differences.otherBytes, "other byte the radio receives differs",
                                  "other bytes the radio receives differ"));
    return parts.join(QLatin1Char(' '));
}

} // namespace

CompareSettingsWindow::CompareSettingsWindow(const QString& comparedFile,
                                             const ImageDifferences& differences, QWidget* parent)
    : QDialog(parent)
    , m_summary(new QLabel(summaryText(differences), this))
    , m_list(new QTreeWidget(this)) {
    setWindowTitle(tr("Compared With %1").arg(QFileInfo(comparedFile).fileName()));
    m_summary->setProperty("controlId", SummaryId);
    m_summary->setWordWrap(true);
    m_list->setProperty("controlId", ListId);
    m_list->setHeaderLabels({tr("Setting"), tr("This Document"), tr("Compared File")});
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const SettingDifference& d : differences.settings)
        m_list->addTopLevelItem(
            new QTreeWidgetItem({settingText(d.name), settingText(d.from), settingText(d.to)}));
    m_list->setVisible(!differences.settings.empty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CompareSettingsWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(460, differences.settings.empty() ? 120 : 300);
}

int CompareSettingsWindow::settingCount() const {
    return m_list->topLevelItemCount();
}

} // namespace tarn
