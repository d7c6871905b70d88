#pragma once

#include "link/TransferObserver.h"

#include <vector>

namespace tarn {

// Hands what a driver reports on to several observers (a trace and a caller's own), in the
// order added; null ones are skipped.
class TransferObserverList final : public TransferObserver {
public:
    void add(TransferObserver* observer) {
        if (observer)
            m_observers.push_back(observer);
    }
    void started(double nowMs) override {
        for (TransferObserver* observer : m_observers)
            observer->started(nowMs);
    }
    void bytesOut(std::span<const std::uint8_t> bytes, double nowMs,
                  TransferSession::Step step) override {
        for (TransferObserver* observer : m_observers)
            observer->bytesOut(bytes, nowMs, step);
    }
    void bytesIn(std::span<const std::uint8_t> bytes, double nowMs,
                 TransferSession::Step step) override {
        for (TransferObserver* observer : m_observers)
            observer->bytesIn(bytes, nowMs, step);
    }

private:
    std::vector<TransferObserver*> m_observers;
};

} // namespace tarn
