#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace tarn {

class CellGrid;
class Prompter;
class ShellDialogs;

// The program's printer and its settings, shared by Print Setup, Print and Print Preview.
class PrintService {
public:
    PrintService(ShellDialogs& dialogs, Prompter& prompter);
    ~PrintService();
    PrintService(const PrintService&) = delete;
    PrintService& operator=(const PrintService&) = delete;

    // Made on first use: a printer loads the print system, which start-up does not need.
    [[nodiscard]] QPrinter& printer();
    // Print Setup: the printer dialog; its choice stays for later prints.
    void setup(QWidget* parent);
    // Prints the channel table; with no printer at all the dialog is shown even when none was
    // asked for, so the pages can go to a PDF file.
    void print(QWidget* parent, const CellGrid& grid, int channelCount, const QString& title,
               bool withDialog);
    void preview(QWidget* parent, const CellGrid& grid, int channelCount, const QString& title);

private:
    void printPages(const CellGrid& grid, int channelCount, const QString& title);

    ShellDialogs& m_dialogs;
    Prompter& m_prompter;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace tarn
