#include "bench/transfer/EngineTransfer.h"

#include "bench/transfer/BenchTransferUi.h"
#include "bench/transfer/FailingPrompter.h"
#include "link/SerialPortLine.h"
#include "link/TransferObserver.h"
#include "tools/cli/SessionLoop.h"

#include <chrono>

namespace tarn::bench {

namespace {

class WireCounter final : public TransferObserver {
public:
    void bytesOut(std::span<const std::uint8_t> bytes, double, TransferSession::Step) override {
        count += bytes.size();
    }
    void bytesIn(std::span<const std::uint8_t> bytes, double, TransferSession::Step) override {
        count += bytes.size();
    }
    std::size_t count = 0;
};

} // namespace

EngineTransfer EngineTransfer::run(const std::string& device, TransferDirection direction,
                                   const RadioImage& image) {
    SerialPortLine line;
    FailingPrompter prompter;
    BenchTransferUi ui(prompter);
    WireCounter counter;
    cli::SessionLoop loop;
    loop.setObserver(&counter);
    loop.add(device, line, ui, direction, image, {});
    const auto start = std::chrono::steady_clock::now();
    loop.run();
    EngineTransfer result;
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const TransferSession& session = loop.session(0);
    result.completed = session.outcome() == TransferOutcome::Completed;
    result.wireBytes = counter.count;
    result.pausedMs = session.pausedMs();
    result.image = session.image();
    return result;
}

} // namespace tarn::bench
