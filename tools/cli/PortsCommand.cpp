#include "tools/cli/PortsCommand.h"

#include "common/Translate.h"
#include "tools/cli/CliText.h"
#include "tools/cli/ExitStatusHelp.h"

#include "link/PortNames.h"
#include "link/PortSettings.h"

#include <QSerialPortInfo>

#include <cstdio>
#include <ostream>

namespace tarn::cli {

namespace {

std::string usbIds(const QSerialPortInfo& port) {
    if (!port.hasVendorIdentifier() || !port.hasProductIdentifier())
        return "-";
    char ids[16];
    std::snprintf(ids, sizeof ids, "%04x:%04x", port.vendorIdentifier(), port.productIdentifier());
    return ids;
}

std::string orDash(const QString& text) {
    return text.isEmpty() ? "-" : text.toStdString();
}

} // namespace

std::string PortsCommand::usage() const {
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "Usage: tarn-cli ports\n\n"
               "Lists the serial ports the system reports, one a line, tab-separated: device "
               "path,\n"
               "description, USB vendor:product ids, manufacturer, serial number (\"-\" where\n"
               "unknown). Where COM1 to COM4 lead goes to stderr.\n")) +
           ExitStatusHelp::describe({Success, UsageError});
}

int PortsCommand::run(const std::vector<std::string>& args, CliContext& context) {
    if (!args.empty()) {
        context.err << usage();
        return UsageError;
    }
    const auto ports = QSerialPortInfo::availablePorts();
    if (ports.isEmpty())
        context.err << "tarn-cli: the system reports no serial ports\n";
    for (const QSerialPortInfo& port : ports) {
        context.out << port.systemLocation().toStdString() << "\t" << orDash(port.description())
                    << "\t" << usbIds(port) << "\t" << orDash(port.manufacturer()) << "\t"
                    << orDash(port.serialNumber()) << "\n";
    }
    for (int n = 1; n <= PortNames::Count; ++n) {
        const std::string com = "COM" + std::to_string(n);
        context.err << "tarn-cli: " << com << " is "
                    << PortNames::resolve(com, &PortSettings::lookup) << "\n";
    }
    return Success;
}

} // namespace tarn::cli
