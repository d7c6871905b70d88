#include "tools/cli/FleetWrite.h"

#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/SerialPortLine.h"
#include "link/TraceRecorder.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/CliTrace.h"
#include "tools/cli/CliTransferTarget.h"
#include "tools/cli/ConsoleTransferUi.h"
#include "tools/cli/FleetConsole.h"
#include "tools/cli/FleetTransferUi.h"
#include "tools/cli/SessionLoop.h"

#include <filesystem>
#include <memory>

namespace tarn::cli {

namespace {

// Symbolic links such as /dev/serial/by-id/... lead to the device they name.
std::string deviceIdentity(const std::string& device) {
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(device, error);
    return error ? device : canonical.string();
}

// One port of the fleet: its line and its progress under its label.
struct FleetPort {
    FleetPort(FleetConsole& console, std::size_t index, const FleetWrite::Settings& settings)
        : ui(console, index, settings.retries, settings.forceType) {}
    SerialPortLine line;
    FleetTransferUi ui;
    TraceRecorder recorder;
};

TransferReport reportOf(const TransferSession& session, const std::string& device,
                        SerialPortLine& line, std::size_t index, FleetConsole& console) {
    if (!line.errorText().empty())
        console.message(index, line.errorText());
    TransferReport report = TransferReport::collect(session);
    report.port = device;
    report.lineError = line.errorText();
    console.setPhase(index, report.exitStatus() == Success ? "Done" : "Failed");
    return report;
}

} // namespace

std::optional<std::vector<std::string>>
FleetWrite::resolveDistinct(const std::vector<std::string>& ports, std::string& error) {
    if (ports.size() > MaxPorts) {
        error = "at most " + std::to_string(MaxPorts) + " ports at once";
        return std::nullopt;
    }
    std::vector<std::string> devices;
    std::vector<std::string> identities;
    for (const std::string& port : ports) {
        const std::string device = PortNames::resolve(port, &PortSettings::lookup);
        const std::string identity = deviceIdentity(device);
        for (std::size_t i = 0; i < identities.size(); ++i) {
            if (identities[i] == identity) {
                error = "'" + ports[i] + "' and '" + port + "' are the same device, " + device;
                return std::nullopt;
            }
        }
        devices.push_back(device);
        identities.push_back(identity);
    }
    return devices;
}

std::vector<TransferReport> FleetWrite::run(const std::vector<std::string>& devices,
                                            const RadioImage& image, int /*channelCount*/,
                                            const Settings& settings, FleetConsole& console) {
    std::vector<std::unique_ptr<FleetPort>> ports;
    SessionLoop loop;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        ports.push_back(std::make_unique<FleetPort>(console, i, settings));
        loop.add(devices[i], ports[i]->line, ports[i]->ui, TransferDirection::Write, image,
                 SessionOptions{settings.verify});
        loop.setSessionObserver(i, &ports[i]->recorder);
    }
    loop.run();
    if (settings.trace)
        for (std::size_t i = 0; i < devices.size(); ++i)
            (void)settings.trace->keep(ports[i]->recorder, loop.session(i), devices[i], devices[i],
                                       {}, true);
    std::vector<TransferReport> reports;
    for (std::size_t i = 0; i < devices.size(); ++i)
        reports.push_back(reportOf(loop.session(i), devices[i], ports[i]->line, i, console));
    console.close();
    return reports;
}

} // namespace tarn::cli
