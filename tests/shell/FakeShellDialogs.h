#pragma once

#include "dialogs/BackupsDialog.h"
#include "shell/ProblemReportDialog.h"
#include "shell/ShellDialogs.h"
#include "shell/TraceViewer.h"
#include "tests/support/FakeDocumentDialogs.h"

#include <QStringList>

#include <deque>

namespace tarn::test {

// File names come from queues (empty: cancelled); printing goes to a PDF file; a document
// window's dialogs run the hooks of FakeDocumentDialogs.
class FakeShellDialogs final : public ShellDialogs {
public:
    void modelInformation(ChannelDocument& document, QWidget* parent) override {
        windowDialogs.modelInformation(document, parent);
    }
    void optionalFeatures(ChannelDocument& document, QWidget* parent) override {
        windowDialogs.optionalFeatures(document, parent);
    }
    void ports(QWidget* parent) override { windowDialogs.ports(parent); }
    bool sortChannels(QWidget* parent, int selected, ChannelSortChoice& choice) override {
        return windowDialogs.sortChannels(parent, selected, choice);
    }
    bool editChannels(QWidget* parent, int selected, ChannelBulkEdit& edit) override {
        return windowDialogs.editChannels(parent, selected, edit);
    }
    bool fillChannels(QWidget* parent, int channelCount, ChannelFill& fill) override {
        return windowDialogs.fillChannels(parent, channelCount, fill);
    }

    [[nodiscard]] QString openFileName(QWidget* parent, const QString& filter) override;
    [[nodiscard]] QString saveFileName(QWidget* parent, const QString& suggested,
                                       const QString& filter,
                                       const QString& defaultSuffix) override;
    [[nodiscard]] bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void preview(QWidget* parent, QPrinter& printer,
                 const std::function<void(QPrinter&)>& paint) override;
    void about(QWidget* parent) override;
    void backups(BackupsDialog& dialog) override {
        if (onBackups)
            onBackups(dialog);
    }
    void serialTrace(TraceViewer& viewer) override {
        if (onSerialTrace)
            onSerialTrace(viewer);
    }
    void problemReport(ProblemReportDialog& dialog) override {
        if (onProblemReport)
            onProblemReport(dialog);
    }
    [[nodiscard]] QString importFileName(QWidget* parent) override;
    [[nodiscard]] QString exportFileName(QWidget* parent, const QString& suggested) override;
    [[nodiscard]] std::optional<ChannelCsvOptions> confirmImport(QWidget* parent,
                                                                 const std::string& listText,
                                                                 int channelCount,
                                                                 const QString& fileName) override;

    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    QString pdfFile;         // where chosen printers print; empty: the printer dialog is cancelled
    QStringList filters;     // filter of every file dialog, in order
    QStringList suggestions; // suggested name of every Save As
    int printerDialogs = 0;
    int previews = 0;
    int abouts = 0;
    FakeDocumentDialogs windowDialogs;
    std::function<void(BackupsDialog&)> onBackups; // what the user does in Backups...
    std::function<void(TraceViewer&)> onSerialTrace;
    std::function<void(ProblemReportDialog&)> onProblemReport;
    // Import Channels and Export Channels take their names from openNames and saveNames; the
    // import's report answers importAnswer (empty: Cancel) and records what it showed.
    std::optional<ChannelCsvOptions> importAnswer = ChannelCsvOptions{};
    QStringList importReports; // file name, then the report's lines
};

} // namespace tarn::test
