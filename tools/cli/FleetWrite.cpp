#include "tools/cli/FleetWrite.h"

#include "common/SystemClock.h"
#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/SerialPortLine.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/CliTransferTarget.h"
#include "tools/cli/ConsoleTransferUi.h"
#include "tools/cli/FleetConsole.h"
#include "tools/cli/FleetTransferUi.h"

#include <QThread>

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

TransferReport writeOne(const std::string& device, std::size_t index, const RadioImage& image,
                        int channelCount, const FleetWrite::Settings& settings,
                        FleetConsole& console) {
    // The serial port lives and dies in the thread that uses it.
    SerialPortLine line;
    line.setStopCheck(&ConsoleTransferUi::cancelPending);
    FleetTransferUi ui(console, index, settings.retries, settings.forceType);
    SystemClock clock;
    CliTransferTarget target(TransferDirection::Write, image, channelCount);
    RadioTransfer transfer(line, ui, clock);
    transfer.setVerifyAfterWrite(settings.verify);
    const TransferOutcome outcome = transfer.run(device, target);
    if (!line.errorText().empty())
        console.message(index, line.errorText());
    TransferReport report = TransferReport::collect(transfer, outcome, TransferDirection::Write);
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
                                            const RadioImage& image, int channelCount,
                                            const Settings& settings, FleetConsole& console) {
    std::vector<TransferReport> reports(devices.size());
    std::vector<std::unique_ptr<QThread>> threads;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        threads.emplace_back(QThread::create([&, i] {
            reports[i] = writeOne(devices[i], i, image, channelCount, settings, console);
        }));
        threads.back()->start();
    }
    for (const auto& thread : threads)
        thread->wait();
    console.close();
    return reports;
}

} // namespace tarn::cli
