#include "shell/ProblemReport.h"

#include "common/Version.h"
#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/TraceStore.h"
#include "link/UsbSerialChip.h"
#include "qtsupport/LastMessage.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QSysInfo>

namespace tarn {

namespace {

QString hex4(quint16 value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

// A symbolic link such as /dev/serial/by-id/... names the device it leads to.
QString canonicalDevice(const QString& device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

} // namespace

ProblemReport ProblemReport::gather(const QString& port) {
    ProblemReport report;
    report.program = QStringLiteral("TARN ") + QString::fromUtf8(PackageVersion);
    report.qt =
        tr("%1 (built with %2)").arg(QString::fromUtf8(qVersion()), QStringLiteral(QT_VERSION_STR));
    report.system = QSysInfo::prettyProductName() + QStringLiteral("; ") + QSysInfo::kernelType() +
                    QLatin1Char(' ') + QSysInfo::kernelVersion() + QStringLiteral("; ") +
                    QSysInfo::currentCpuArchitecture();
    report.port = port;
    if (!port.isEmpty()) {
        report.device =
            QString::fromStdString(PortNames::resolve(port.toStdString(), &PortSettings::lookup));
        report.identity = identityOf(report.device);
    }
    report.messageCaption = LastMessage::caption();
    report.message = LastMessage::text();
    if (const auto trace = TraceStore(TraceStore::defaultFolder(), SystemWallClock()).newest())
        report.tracePath = QString::fromStdU16String(trace->u16string());
    return report;
}

QString ProblemReport::identityOf(const QString& device) {
    const QString wanted = canonicalDevice(device);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (canonicalDevice(info.systemLocation()) != wanted)
            continue;
        QStringList parts;
        if (!info.description().isEmpty())
            parts << tr("description: %1").arg(info.description());
        if (!info.manufacturer().isEmpty())
            parts << tr("manufacturer: %1").arg(info.manufacturer());
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            parts << tr("USB id: %1:%2")
                         .arg(hex4(info.vendorIdentifier()), hex4(info.productIdentifier()));
            const std::string chip =
                UsbSerialChip::name(info.vendorIdentifier(), info.productIdentifier());
            if (!chip.empty())
                parts << tr("chip: %1").arg(QString::fromStdString(chip));
        }
        if (!info.serialNumber().isEmpty())
            parts << tr("serial number: %1").arg(info.serialNumber());
        return parts.isEmpty() ? tr("listed, without details") : parts.join(QStringLiteral("; "));
    }
    return {};
}

QString ProblemReport::withoutFrequencies(QString text) {
    // Two to four digits, a point, one to six decimals, not part of a longer number or a
    // version such as 6.4.2.
    static const QRegularExpression frequency(
        QStringLiteral("(?<![\\d.])\\d{2,4}\\.\\d{1,6}(?![\\d.])"));
    return text.replace(frequency, tr("[frequency left out]"));
}

QString ProblemReport::text(bool includeFrequencies) const {
    QStringList lines;
    lines << tr("Program: %1").arg(program) << tr("Qt: %1").arg(qt) << tr("System: %1").arg(system);
    if (port.isEmpty()) {
        lines << tr("Port: no window open");
    } else {
        lines << tr("Port: %1 (%2)").arg(port, QDir::toNativeSeparators(device));
        lines << tr("Port identity: %1")
                     .arg(identity.isEmpty() ? tr("not among the system's serial ports")
                                             : identity);
    }
    if (message.isEmpty()) {
        lines << tr("Last message: none");
    } else {
        const QString shown = includeFrequencies ? message : withoutFrequencies(message);
        lines << tr("Last message: %1").arg(messageCaption);
        for (const QString& line : shown.split(QLatin1Char('\n')))
            lines << QStringLiteral("    ") + line;
    }
    lines << tr("Last serial trace: %1")
                 .arg(tracePath.isEmpty() ? tr("none kept yet")
                                          : QDir::toNativeSeparators(tracePath));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace tarn
