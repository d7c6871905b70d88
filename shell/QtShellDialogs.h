#pragma once

#include "shell/ShellDialogs.h"

#include <QCoreApplication>

namespace tarn {

class Prompter;

// The real file, printer, preview and About dialogs, and those of the document windows.
class QtShellDialogs final : public ShellDialogs {
    Q_DECLARE_TR_FUNCTIONS(tarn::QtShellDialogs)

public:
    // The settings dialogs tell their refusals through the prompter.
    explicit QtShellDialogs(Prompter& prompter)
        : m_prompter(prompter) {}

    [[nodiscard]] QString openFileName(QWidget* parent, const QString& filter) override;
    [[nodiscard]] QString saveFileName(QWidget* parent, const QString& suggested,
                                       const QString& filter,
                                       const QString& defaultSuffix) override;
    [[nodiscard]] bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void preview(QWidget* parent, QPrinter& printer,
                 const std::function<void(QPrinter&)>& paint) override;
    void about(QWidget* parent) override;
    void backups(BackupsDialog& dialog) override;
    void serialTrace(TraceViewer& viewer) override;
    void problemReport(ProblemReportDialog& dialog) override;
    void modelInformation(ChannelDocument& document, QWidget* parent) override;
    void optionalFeatures(ChannelDocument& document, QWidget* parent) override;
    void ports(QWidget* parent) override;
    [[nodiscard]] bool sortChannels(QWidget* parent, int selected,
                                    ChannelSortChoice& choice) override;
    [[nodiscard]] bool editChannels(QWidget* parent, int selected, ChannelBulkEdit& edit) override;
    [[nodiscard]] bool fillChannels(QWidget* parent, int channelCount, ChannelFill& fill) override;
    [[nodiscard]] QString importFileName(QWidget* parent) override;
    [[nodiscard]] QString exportFileName(QWidget* parent, const QString& suggested) override;
    [[nodiscard]] std::optional<ChannelCsvOptions> confirmImport(QWidget* parent,
                                                                 const std::string& listText,
                                                                 int channelCount,
                                                                 const QString& fileName) override;

private:
    [[nodiscard]] static QString askSaveName(QWidget* parent, const QString& caption,
                                             const QString& suggested, const QString& filter,
                                             const QString& defaultSuffix);

    Prompter& m_prompter;
};

} // namespace tarn
