#include "shell/PrintService.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "shell/ChannelTablePrinter.h"
#include "shell/ShellDialogs.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tarn {

PrintService::PrintService(ShellDialogs& dialogs, Prompter& prompter)
    : m_dialogs(dialogs)
    , m_prompter(prompter) {}

PrintService::~PrintService() = default;

QPrinter& PrintService::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without any printer the pages go to a PDF file.
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            m_printer->setOutputFormat(QPrinter::PdfFormat);
    }
    return *m_printer;
}

void PrintService::setup(QWidget* parent) {
    (void)m_dialogs.choosePrinter(parent, printer());
}

void PrintService::print(QWidget* parent, const CellGrid& grid, int channelCount,
                         const QString& title, bool withDialog) {
    const bool noTarget =
        printer().outputFormat() == QPrinter::PdfFormat && printer().outputFileName().isEmpty();
    if ((withDialog || noTarget) && !m_dialogs.choosePrinter(parent, printer()))
        return;
    printer().setDocName(title);
    printPages(grid, channelCount, title);
}

void PrintService::preview(QWidget* parent, const CellGrid& grid, int channelCount,
                           const QString& title) {
    printer().setDocName(title);
    m_dialogs.preview(parent, printer(), [&](QPrinter& target) {
        (void)ChannelTablePrinter(grid, channelCount, title).print(target);
    });
}

void PrintService::printPages(const CellGrid& grid, int channelCount, const QString& title) {
    if (ChannelTablePrinter(grid, channelCount, title).print(printer()))
        return;
    const QString target = printer().outputFormat() == QPrinter::PdfFormat
                               ? printer().outputFileName()
                               : printer().printerName();
    const std::string text =
        "\"" + title.toStdString() + "\" could not be printed to \"" + target.toStdString() + "\".";
    (void)m_prompter.ask({text, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
}

} // namespace tarn
