#include "tests/shell/FakeShellDialogs.h"

#include <QPrinter>

namespace tarn::test {

namespace {

QString take(std::deque<QString>& queue) {
    if (queue.empty())
        return {};
    QString next = queue.front();
    queue.pop_front();
    return next;
}

} // namespace

QString FakeShellDialogs::openFileName(QWidget*, const QString& filter) {
    filters.append(filter);
    return take(openNames);
}

QString FakeShellDialogs::saveFileName(QWidget*, const QString& suggested, const QString& filter,
                                       const QString&) {
    filters.append(filter);
    suggestions.append(suggested);
    return take(saveNames);
}

bool FakeShellDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    ++printerDialogs;
    if (pdfFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return true;
}

void FakeShellDialogs::preview(QWidget*, QPrinter& printer,
                               const std::function<void(QPrinter&)>& paint) {
    ++previews;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    paint(printer);
}

void FakeShellDialogs::about(QWidget*) {
    ++abouts;
}

QString FakeShellDialogs::importFileName(QWidget*) {
    filters.append(QStringLiteral("*.csv"));
    return take(openNames);
}

QString FakeShellDialogs::exportFileName(QWidget*, const QString& suggested) {
    filters.append(QStringLiteral("*.csv"));
    suggestions.append(suggested);
    return take(saveNames);
}

std::optional<ChannelCsvOptions> FakeShellDialogs::confirmImport(QWidget*,
                                                                 const std::string& listText,
                                                                 int channelCount,
                                                                 const QString& fileName) {
    const auto shown =
        ChannelCsvImport::read(listText, channelCount, importAnswer.value_or(ChannelCsvOptions{}));
    importReports.append(fileName);
    for (const std::string& line : shown.report().lines())
        importReports.append(QString::fromStdString(line));
    return importAnswer;
}

} // namespace tarn::test
