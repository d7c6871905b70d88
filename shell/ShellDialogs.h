#pragma once

#include "qtsupport/DocumentDialogs.h"
#include "shell/ChannelListDialogs.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace tarn {

class BackupsDialog;
class ProblemReportDialog;
class TraceViewer;

// The standard dialogs of the program's frame and the dialogs of its document windows, so
// tests can answer them.
class ShellDialogs : public DocumentDialogs, public ChannelListDialogs {
public:
    // Empty when cancelled.
    [[nodiscard]] virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    [[nodiscard]] virtual QString saveFileName(QWidget* parent, const QString& suggested,
                                               const QString& filter,
                                               const QString& defaultSuffix) = 0;
    // The printer dialog; false when cancelled.
    [[nodiscard]] virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows pages drawn by paint until the user closes the preview.
    virtual void preview(QWidget* parent, QPrinter& printer,
                         const std::function<void(QPrinter&)>& paint) = 0;
    virtual void about(QWidget* parent) = 0;
    // Program > Backups..., until the user closes it or opens a backup.
    virtual void backups(BackupsDialog& dialog) = 0;
    // Help > Show Last Serial Trace and Help > Report a Problem, until the user closes them.
    virtual void serialTrace(TraceViewer& viewer) = 0;
    virtual void problemReport(ProblemReportDialog& dialog) = 0;
};

} // namespace tarn
