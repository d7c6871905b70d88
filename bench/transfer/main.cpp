// Times a write and a read through the virtual radio paced at 9600 baud and compares each
// with its physical limit: the bytes on the wire at 10 bits a byte plus the protocol's own
// waits. The event-driven session in tarn-cli's poll loop, in TARN's Qt driver, and the
// blocking routine (the browser demo's) are measured alike.
#include "bench/transfer/BenchTarget.h"
#include "bench/transfer/BenchTransferUi.h"
#include "bench/transfer/CountingClock.h"
#include "bench/transfer/CountingLine.h"
#include "bench/transfer/EngineTransfer.h"
#include "bench/transfer/FailingPrompter.h"
#include "bench/transfer/QtDriverTransfer.h"
#include "common/Prompter.h"
#include "data/RadioImage.h"
#include "link/RadioTransfer.h"
#include "link/SerialPortLine.h"
#include "tools/virtual-radio/VirtualRadioProcess.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <iostream>

namespace {

constexpr double ByteSeconds = 10.0 / 9600.0;

void print(const char* label, double seconds, double limit, std::size_t bytes, double waitMs) {
    std::printf("%-15s time %7.3f s   limit %7.3f s (%zu bytes, %.0f ms of waits)   ratio %.3f\n",
                label, seconds, limit, bytes, waitMs, seconds / limit);
}

bool measureEngine(const std::string& device, tarn::TransferDirection direction, const char* label,
                   bool qtDriver = false) {
    const tarn::RadioImage image = tarn::bench::BenchTarget::pattern();
    const auto run = qtDriver ? tarn::bench::runThroughQtDriver(device, direction, image)
                              : tarn::bench::EngineTransfer::run(device, direction, image);
    if (!run.completed) {
        std::cerr << label << ": the transfer did not complete\n";
        return false;
    }
    const double limit = static_cast<double>(run.wireBytes) * ByteSeconds + run.pausedMs / 1000.0;
    print(label, run.seconds, limit, run.wireBytes, run.pausedMs);
    return true;
}

bool measure(const std::string& device, tarn::TransferDirection direction, const char* label) {
    tarn::SerialPortLine port;
    tarn::bench::CountingLine line(port);
    tarn::bench::CountingClock clock;
    tarn::bench::FailingPrompter prompter;
    tarn::bench::BenchTransferUi ui(prompter);
    tarn::bench::BenchTarget target(direction, tarn::bench::BenchTarget::pattern());
    tarn::RadioTransfer transfer(line, ui, clock);

    const auto start = std::chrono::steady_clock::now();
    const tarn::TransferOutcome outcome = transfer.run(device, target);
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
    if (outcome != tarn::TransferOutcome::Completed) {
        std::cerr << label << ": the transfer did not complete\n";
        return false;
    }
    const double limit =
        static_cast<double>(line.wireBytes()) * ByteSeconds + clock.sleptMs() / 1000.0;
    print(label, taken.count(), limit, line.wireBytes(), static_cast<double>(clock.sleptMs()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // TARN's driver reports to a progress window, never shown here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string program = argc > 1 ? argv[1] : TARN_VIRTUAL_RADIO;
    try {
        const tarn::VirtualRadioProcess radio(program, {"--pace", "9600"});
        const std::string device = radio.devicePath();
        bool ok = measureEngine(device, tarn::TransferDirection::Write, "write (engine)");
        ok = measureEngine(device, tarn::TransferDirection::Read, "read (engine)") && ok;
        ok = measureEngine(device, tarn::TransferDirection::Write, "write (TARN)", true) && ok;
        ok = measureEngine(device, tarn::TransferDirection::Read, "read (TARN)", true) && ok;
        ok = measure(device, tarn::TransferDirection::Write, "write (blocking)") && ok;
        ok = measure(device, tarn::TransferDirection::Read, "read (blocking)") && ok;
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "bench: " << error.what() << "\n";
        return 1;
    }
}
