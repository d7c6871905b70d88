#include "tools/cli/PortsCommand.h"

#include "common/Translate.h"
#include "tools/cli/CliText.h"
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

// A JSON string: quotes, backslashes and control characters escaped; the rest passes as the
// UTF-8 it is.
std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                quoted += escaped;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

std::string jsonOrNull(const std::string& text) {
    return text.empty() ? "null" : jsonString(text);
}

std::string hexOrNull(const std::optional<std::uint16_t>& id) {
    if (!id)
        return "null";
    char text[8];
    std::snprintf(text, sizeof text, "\"%04x\"", *id);
    return text;
}

void printJson(const std::vector<PortIdentity>& ports, std::ostream& out) {
    out << "[";
    const char* separator = "\n";
    for (const PortIdentity& port : ports) {
        out << separator << "  {\"device\": " << jsonString(port.device)
            << ", \"description\": " << jsonOrNull(port.description)
            << ", \"manufacturer\": " << jsonOrNull(port.manufacturer)
            << ", \"vendor_id\": " << hexOrNull(port.vendorId)
            << ", \"product_id\": " << hexOrNull(port.productId)
            << ", \"serial_number\": " << jsonOrNull(port.serialNumber)
            << ", \"chip\": " << jsonOrNull(port.chip()) << "}";
        separator = ",\n";
    }
    out << (ports.empty() ? "]\n" : "\n]\n");
}

void printTable(const std::vector<PortIdentity>& ports, std::ostream& out) {
    for (const PortIdentity& port : ports) {
        out << port.device << "\t" << orDash(port.description) << "\t" << orDash(port.usbId())
            << "\t" << orDash(port.manufacturer) << "\t" << orDash(port.serialNumber) << "\n";
    }
}

} // namespace

std::string PortsCommand::usage() const {
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "Usage: tarn-cli ports [--json]\n\n"
               "Lists the serial ports the system reports, one a line, tab-separated: device "
               "path,\n"
               "description, USB vendor:product ids, manufacturer, serial number (\"-\" where\n"
               "unknown). Where COM1 to COM4 lead goes to stderr.\n")) +
           CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "\n  --json   print a JSON array instead, one object a port: device, description,\n"
               "           manufacturer, vendor_id, product_id, serial_number and chip (the\n"
               "           USB serial adapter's chip, such as CH340/CH341); null where "
               "unknown\n")) +
           ExitStatusHelp::describe({Success, UsageError});
}

int PortsCommand::run(const std::vector<std::string>& args, CliContext& context) {
    const bool json = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !json) {
        context.err << usage();
        return UsageError;
    }
    const std::vector<PortIdentity> ports =
        context.ports ? context.ports() : SystemPorts::available();
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
