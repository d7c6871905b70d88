#include "dialogs/BackupsDialog.h"

#include "data/BackupStore.h"
#include "data/ModelSettings.h"
#include "data/SinFile.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace tarn {

namespace {

enum Column { TimeColumn, KindColumn, OutcomeColumn, PortColumn, ModelColumn, ChannelsColumn };

QString kindText(const BackupName& name) {
    QString kind =
        name.kind == BackupKind::Read ? BackupsDialog::tr("Read") : BackupsDialog::tr("Write");
    if (!name.port.empty())
        kind += QStringLiteral(" (%1)").arg(QString::fromStdString(name.port));
    return kind;
}

QString outcomeText(const std::optional<BackupRecord>& record) {
    if (!record)
        return BackupsDialog::tr("Unknown");
    switch (record->outcome) {
    case BackupOutcome::Complete:
        return BackupsDialog::tr("Complete");
    case BackupOutcome::Verified:
        return BackupsDialog::tr("Verified");
    case BackupOutcome::PartlyWritten:
        return BackupsDialog::tr("Partly written");
    case BackupOutcome::VerifyFailed:
        return BackupsDialog::tr("Verify failed");
    case BackupOutcome::NotVerified:
        return BackupsDialog::tr("Not verified");
    }
    return BackupsDialog::tr("Unknown");
}

// Whether the radio may not hold what the backup holds.
bool doubtful(const std::optional<BackupRecord>& record) {
    return record && (record->outcome == BackupOutcome::PartlyWritten ||
                      record->outcome == BackupOutcome::VerifyFailed ||
                      record->outcome == BackupOutcome::NotVerified);
}

QString portText(const BackupEntry& entry) {
    if (!entry.record)
        return QString::fromStdString(entry.name.port);
    QString port = QString::fromStdString(entry.record->port);
    if (!entry.record->device.empty())
        port += QStringLiteral(" (%1)").arg(QString::fromStdString(entry.record->device));
    return port;
}

QString modelText(std::uint8_t modelType) {
    if (modelType < ModelSettings::ModelEntries.size()) {
        const std::string_view entry = ModelSettings::ModelEntries[modelType];
        return QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
    }
    if (modelType == RadioImage::Blank)
        return BackupsDialog::tr("(none)");
    return BackupsDialog::tr("type %1").arg(modelType);
}

QTreeWidgetItem* itemFor(const BackupEntry& entry) {
    auto* item = new QTreeWidgetItem;
    item->setText(TimeColumn, QString::fromStdString(entry.name.timeText()));
    item->setText(KindColumn, kindText(entry.name));
    item->setText(OutcomeColumn, outcomeText(entry.record));
    if (doubtful(entry.record))
        item->setIcon(OutcomeColumn,
                      QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning));
    item->setText(PortColumn, portText(entry));
    item->setData(TimeColumn, Qt::UserRole, QString::fromStdString(entry.file.string()));
    try {
        const BackupContents contents = BackupContents::of(SinFile::load(entry.file));
        item->setText(ModelColumn, modelText(contents.modelType));
        item->setText(
            ChannelsColumn,
            QStringLiteral("%1 of %2").arg(contents.programmedChannels).arg(contents.channelCount));
    } catch (const SinFileError&) {
        item->setText(ModelColumn, BackupsDialog::tr("cannot be read"));
        item->setDisabled(true);
    }
    return item;
}

} // namespace

BackupsDialog::BackupsDialog(std::filesystem::path folder, QWidget* parent)
    : QDialog(parent)
    , m_folder(std::move(folder))
    , m_where(new QLabel(this))
    , m_list(new QTreeWidget(this))
    , m_open(new QPushButton(tr("&Open"), this))
    , m_showFolder(new QPushButton(tr("Show &Folder"), this))
    , m_close(new QPushButton(tr("Close"), this))
    , m_showFolderAction(
          [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }) {
    setWindowTitle(tr("Backups"));
    m_list->setProperty("controlId", ListId);
    m_open->setProperty("controlId", OpenId);
    m_showFolder->setProperty("controlId", ShowFolderId);
    m_close->setProperty("controlId", CloseId);
    m_list->setHeaderLabels({tr("Date and Time"), tr("Read or Write"), tr("Outcome"), tr("Port"),
                             tr("Model Type"), tr("Channels Programmed")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_where->setWordWrap(true);
    m_where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_open->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_showFolder);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_where);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(820, 360);

    connect(m_open, &QPushButton::clicked, this, &BackupsDialog::openSelected);
    connect(m_showFolder, &QPushButton::clicked, this, &BackupsDialog::showFolder);
    connect(m_close, &QPushButton::clicked, this, &BackupsDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, &BackupsDialog::openSelected);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &BackupsDialog::updateButtons);
    refresh();
}

void BackupsDialog::setFolderShower(std::function<void(const QString&)> showFolder) {
    m_showFolderAction = std::move(showFolder);
}

void BackupsDialog::refresh() {
    m_list->clear();
    const BackupStore store(m_folder, m_clock);
    for (const BackupEntry& entry : store.list())
        m_list->addTopLevelItem(itemFor(entry));
    const QString folder = QString::fromStdString(m_folder.string());
    m_where->setText(
        m_list->topLevelItemCount() == 0
            ? tr("No backups yet. Every read from a radio and every write to one "
                 "is kept in %1.")
                  .arg(folder)
            : tr("Kept in %1; the newest %2 are kept.").arg(folder).arg(BackupStore::DefaultKeep));
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    updateButtons();
}

int BackupsDialog::backupCount() const {
    return m_list->topLevelItemCount();
}

void BackupsDialog::openSelected() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item || item->isDisabled())
        return;
    emit openRequested(item->data(TimeColumn, Qt::UserRole).toString());
    accept();
}

void BackupsDialog::showFolder() {
    const QString folder = QString::fromStdString(m_folder.string());
    // A folder that does not exist yet cannot be shown.
    QDir().mkpath(folder);
    m_showFolderAction(folder);
}

void BackupsDialog::updateButtons() {
    const QTreeWidgetItem* item = m_list->currentItem();
    m_open->setEnabled(item && !item->isDisabled());
}

} // namespace tarn
