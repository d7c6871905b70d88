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

} // namespace tarn::test
