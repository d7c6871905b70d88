#include "tools/cli/PortsCommand.h"

#include "tools/cli/ExitStatusHelp.h"

#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/SystemPorts.h"

#include <cstdio>
#include <ostream>

namespace tarn::cli {

namespace {

std::string orDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned{byte});
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string jsonOrNull(const std::string& text) {
    return text.empty() ? "null" : jsonString(text);
}

std::string hexId(const std::optional<std::uint16_t>& id) {
    if (!id)
        return "null";
    char text[8];
    std::snprintf(text, sizeof text, "\"%04x\"", unsigned{*id});
    return text;
}

void printTable(const std::vector<SystemPort>& ports, std::ostream& out) {
    for (const SystemPort& port : ports)
        out << port.path << "\t" << orDash(port.description) << "\t" << orDash(port.usbId()) << "\t"
            << orDash(port.manufacturer) << "\t" << orDash(port.serialNumber) << "\n";
}

void printJson(const std::vector<SystemPort>& ports, std::ostream& out) {
    out << "[";
    const char* separator = "\n";
    for (const SystemPort& port : ports) {
        out << separator << "  {\"device\": " << jsonString(port.path)
            << ", \"description\": " << jsonOrNull(port.description)
            << ", \"manufacturer\": " << jsonOrNull(port.manufacturer)
            << ", \"vendorId\": " << hexId(port.vendorId)
            << ", \"productId\": " << hexId(port.productId)
            << ", \"serialNumber\": " << jsonOrNull(port.serialNumber)
            << ", \"chip\": " << jsonOrNull(port.chip()) << "}";
        separator = ",\n";
    }
    out << (ports.empty() ? "]\n" : "\n]\n");
}

} // namespace

std::string PortsCommand::usage() const {
    return "Usage: tarn-cli ports [--json]\n\n"
           "Lists the serial ports the system reports, one a line, tab-separated: device path,\n"
           "description, USB vendor:product ids, manufacturer, serial number (\"-\" where\n"
           "unknown). Where COM1 to COM4 lead goes to stderr.\n\n"
           "  --json   one JSON array instead: device, description, manufacturer, vendorId,\n"
           "           productId (hex), serialNumber and chip (the USB serial adapter's chip,\n"
           "           such as CH340 or PL2303); null where unknown\n" +
           ExitStatusHelp::describe({Success, UsageError});
}

int PortsCommand::run(const std::vector<std::string>& args, CliContext& context) {
    const bool json = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !json) {
        context.err << usage();
        return UsageError;
    }
    const std::vector<SystemPort> ports =
        context.listPorts ? context.listPorts() : SystemPorts::available();
    if (ports.empty())
        context.err << "tarn-cli: the system reports no serial ports\n";
    if (json)
        printJson(ports, context.out);
    else
        printTable(ports, context.out);
    for (int n = 1; n <= PortNames::Count; ++n) {
        const std::string com = "COM" + std::to_string(n);
        context.err << "tarn-cli: " << com << " is "
                    << PortNames::resolve(com, &PortSettings::lookup) << "\n";
    }
    return Success;
}

} // namespace tarn::cli
