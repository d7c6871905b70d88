#pragma once

#include "qtsupport/DocumentDialogs.h"
#include "shell/ChannelListDialogs.h"

#include <QString>

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

namespace tarn {

class BackupsDialog;

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
    // A window of the Help menu (the last trace, a report of a problem) until it is closed.
    virtual void helpWindow(QDialog& dialog) = 0;
};

} // namespace tarn
