#pragma once

#include <QCoreApplication>
#include <QString>

namespace tarn {

// What Help > Report a Problem puts together for the user to paste into a report: the
// program, Qt, the system, the active window's port and its identity, the last message shown
// and the last serial trace's path. Nothing is sent anywhere.
struct ProblemReport {
    Q_DECLARE_TR_FUNCTIONS(tarn::ProblemReport)

public:
    QString program;  // "TARN 1.2.0"
    QString qt;       // "6.4.2 (built with 6.4.2)"
    QString system;   // "Debian GNU/Linux 12 (bookworm); linux 6.1.0; x86_64"
    QString port;     // the active window's port, "COM1"; empty: no window
    QString device;   // what it opens, "/dev/ttyUSB0"
    QString identity; // description, manufacturer, USB ids, serial; empty: not listed
    QString messageCaption;
    QString message;   // the last message shown; empty: none
    QString tracePath; // empty: no trace kept yet

    // The facts of this run, with the port named by the active window (empty: none).
    [[nodiscard]] static ProblemReport gather(const QString& port);
    // The identity of a serial device as the system lists it; empty when it is not listed.
    [[nodiscard]] static QString identityOf(const QString& device);
    // text with numbers that read as frequencies in MHz (145.500, 438.025) left out.
    [[nodiscard]] static QString withoutFrequencies(QString text);

    [[nodiscard]] QString text(bool includeFrequencies) const;
};

} // namespace tarn
