#include "bench/transfer/QtDriverTransfer.h"

#include "bench/transfer/FailingPrompter.h"
#include "link/PreciseSessionTimer.h"
#include "link/SerialPortLine.h"
#include "link/SessionDriver.h"
#include "link/TransferObserver.h"
#include "link/TransferProgressDialog.h"

#include <QEventLoop>

#include <chrono>
#include <cstdio>

namespace tarn::bench {

namespace {

class WireCount final : public TransferObserver {
public:
    void bytesOut(std::span<const std::uint8_t> bytes, double at, TransferSession::Step) override {
        count += bytes.size();
        trace(">", bytes, at);
    }
    void bytesIn(std::span<const std::uint8_t> bytes, double at, TransferSession::Step) override {
        count += bytes.size();
        trace("<", bytes, at);
    }
    static void trace(const char* way, std::span<const std::uint8_t> bytes, double at) {
        if (qEnvironmentVariableIsEmpty("TARN_BENCH_TRACE"))
            return;
        std::fprintf(stderr, "%.3f %s", at, way);
        for (const std::uint8_t byte : bytes)
            std::fprintf(stderr, " %02x", byte);
        std::fprintf(stderr, "\n");
    }
    std::size_t count = 0;
};

} // namespace

EngineTransfer runThroughQtDriver(const std::string& device, TransferDirection direction,
                                  const RadioImage& image) {
    SerialPortLine line;
    PreciseSessionTimer timer;
    FailingPrompter prompter;
    TransferProgressDialog dialog(nullptr, {});
    WireCount counter;
    SessionDriver driver(line, timer, prompter, dialog);
    driver.setObserver(&counter);
    QEventLoop loop;
    QObject::connect(&driver, &SessionDriver::ended, &loop, &QEventLoop::quit);
    const auto start = std::chrono::steady_clock::now();
    driver.start(device, direction, image, {});
    loop.exec();
    EngineTransfer result;
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const TransferSession& session = driver.session();
    result.completed = session.outcome() == TransferOutcome::Completed;
    result.wireBytes = counter.count;
    result.pausedMs = session.pausedMs();
    result.image = session.image();
    return result;
}

} // namespace tarn::bench
