#pragma once

#include "link/SerialTrace.h"
#include "link/TransferObserver.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Records a transfer's bytes both ways in memory, with the milliseconds since the transfer
// started (or since the first byte, when the driver does not say) and the protocol step.
class TraceRecorder final : public TransferObserver {
public:
    void started(double nowMs) override;
    void bytesOut(std::span<const std::uint8_t> bytes, double nowMs,
                  TransferSession::Step step) override;
    void bytesIn(std::span<const std::uint8_t> bytes, double nowMs,
                 TransferSession::Step step) override;

    [[nodiscard]] const std::vector<WireRun>& runs() const { return m_runs; }
    // The trace as text, with the header lines given.
    [[nodiscard]] std::string text(const std::vector<std::string>& header) const;
    // "read, port COM1 (/dev/ttyUSB0), outcome: completed"
    [[nodiscard]] static std::string summary(const TransferSession& session, std::string_view port,
                                             std::string_view device);

private:
    void add(TraceDirection direction, std::span<const std::uint8_t> bytes, double nowMs,
             TransferSession::Step step);

    std::optional<double> m_startMs;
    std::vector<WireRun> m_runs;
};

} // namespace tarn
