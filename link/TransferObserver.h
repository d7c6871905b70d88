#pragma once

#include "link/TransferSession.h"

#include <cstdint>
#include <span>

namespace tarn {

// Sees every byte a driver moves between the port and its TransferSession, with the time and
// the session's step, e.g. to record a trace. Drivers call it; nothing is changed by it.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    // The session has been started; later times count from here.
    virtual void started(double /*nowMs*/) {}
    // Bytes handed to the port for the radio.
    virtual void bytesOut(std::span<const std::uint8_t> bytes, double nowMs,
                          TransferSession::Step step) = 0;
    // Bytes that arrived from the radio, before the session takes them.
    virtual void bytesIn(std::span<const std::uint8_t> bytes, double nowMs,
                         TransferSession::Step step) = 0;
};

} // namespace tarn
