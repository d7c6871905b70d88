#include "link/TraceRecorder.h"

namespace tarn {

namespace {

const char* outcomeName(TransferOutcome outcome) {
    switch (outcome) {
    case TransferOutcome::Completed:
        return "completed";
    case TransferOutcome::Failed:
        return "failed";
    case TransferOutcome::Cancelled:
        return "cancelled";
    case TransferOutcome::PortUnavailable:
        return "port unavailable";
    }
    return "";
}

} // namespace

void TraceRecorder::started(double nowMs) {
    m_startMs = nowMs;
}

void TraceRecorder::bytesOut(std::span<const std::uint8_t> bytes, double nowMs,
                             TransferSession::Step step) {
    add(TraceDirection::ToRadio, bytes, nowMs, step);
}

void TraceRecorder::bytesIn(std::span<const std::uint8_t> bytes, double nowMs,
                            TransferSession::Step step) {
    add(TraceDirection::FromRadio, bytes, nowMs, step);
}

void TraceRecorder::add(TraceDirection direction, std::span<const std::uint8_t> bytes, double nowMs,
                        TransferSession::Step step) {
    if (bytes.empty())
        return;
    if (!m_startMs)
        m_startMs = nowMs;
    m_runs.push_back(WireRun{nowMs - *m_startMs,
                             direction,
                             {bytes.begin(), bytes.end()},
                             TransferSession::stepName(step)});
}

std::string TraceRecorder::text(const std::vector<std::string>& header) const {
    return SerialTrace::format(header, m_runs);
}

std::string TraceRecorder::summary(const TransferSession& session, std::string_view port,
                                   std::string_view device) {
    std::string text = session.direction() == TransferDirection::Read ? "read" : "write";
    text += ", port ";
    text += port;
    if (!device.empty() && device != port) {
        text += " (";
        text += device;
        text += ")";
    }
    text += ", outcome: ";
    text += outcomeName(session.outcome());
    if (session.direction() == TransferDirection::Write)
        text += ", blocks acknowledged: " + std::to_string(session.blocksAcknowledged());
    return text;
}

} // namespace tarn
