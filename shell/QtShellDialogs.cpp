#include "shell/QtShellDialogs.h"

#include "shell/ProblemReportDialog.h"
#include "shell/TraceViewer.h"

#include "dialogs/BackupsDialog.h"
#include "dialogs/EditChannelsDialog.h"
#include "dialogs/FillChannelsDialog.h"
#include "dialogs/ImportChannelsDialog.h"
#include "dialogs/ModelInfoDialog.h"
#include "dialogs/OptionalFeaturesDialog.h"
#include "dialogs/SortChannelsDialog.h"
#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/PortsDialog.h"
#include "link/SystemPorts.h"
#include "shell/AboutDialog.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace tarn {

QString QtShellDialogs::openFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, tr("Open"), QString(), filter);
}

QString QtShellDialogs::saveFileName(QWidget* parent, const QString& suggested,
                                     const QString& filter, const QString& defaultSuffix) {
    return askSaveName(parent, tr("Save As"), suggested, filter, defaultSuffix);
}

QString QtShellDialogs::askSaveName(QWidget* parent, const QString& caption,
                                    const QString& suggested, const QString& filter,
                                    const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtShellDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtShellDialogs::preview(QWidget* parent, QPrinter& printer,
                             const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.resize(900, 700);
    dialog.exec();
}

void QtShellDialogs::about(QWidget* parent) {
    AboutDialog dialog(parent);
    dialog.exec();
}

void QtShellDialogs::backups(BackupsDialog& dialog) {
    dialog.exec();
}

void QtShellDialogs::serialTrace(TraceViewer& viewer) {
    viewer.exec();
}

void QtShellDialogs::problemReport(ProblemReportDialog& dialog) {
    dialog.exec();
}

void QtShellDialogs::modelInformation(ChannelDocument& document, QWidget* parent) {
    ModelInfoDialog dialog(document, m_prompter, parent);
    dialog.exec();
}

void QtShellDialogs::optionalFeatures(ChannelDocument& document, QWidget* parent) {
    OptionalFeaturesDialog dialog(document, m_prompter, parent);
    dialog.exec();
}

void QtShellDialogs::ports(QWidget* parent) {
    PortsDialog dialog(&SystemPorts::available, &PortNames::processEnvironment,
                       &PortSettings::lookup, &PortSettings::store, parent);
    dialog.exec();
}

bool QtShellDialogs::sortChannels(QWidget* parent, int selected, ChannelSortChoice& choice) {
    SortChannelsDialog dialog(selected, choice, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.choice();
    return true;
}

bool QtShellDialogs::editChannels(QWidget* parent, int selected, ChannelBulkEdit& edit) {
    EditChannelsDialog dialog(selected, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    edit = dialog.edit();
    return true;
}

bool QtShellDialogs::fillChannels(QWidget* parent, int channelCount, ChannelFill& fill) {
    FillChannelsDialog dialog(channelCount, fill, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    fill = dialog.fill();
    return true;
}

namespace {
const char* const ChannelListFilter =
    QT_TRANSLATE_NOOP("tarn::QtShellDialogs", "Channel lists (*.csv);;All files (*)");
}

QString QtShellDialogs::importFileName(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, tr("Import Channels"), QString(),
                                        tr(ChannelListFilter));
}

QString QtShellDialogs::exportFileName(QWidget* parent, const QString& suggested) {
    return askSaveName(parent, tr("Export Channels"), suggested, tr(ChannelListFilter),
                       QStringLiteral("csv"));
}

std::optional<ChannelCsvOptions> QtShellDialogs::confirmImport(QWidget* parent,
                                                               const std::string& listText,
                                                               int channelCount,
                                                               const QString& fileName) {
    ImportChannelsDialog dialog(listText, channelCount, fileName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.options();
}

} // namespace tarn
