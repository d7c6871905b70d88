#include "tools/cli/TransferReport.h"

#include "tools/cli/CliCommand.h"

#include <algorithm>
#include <array>

namespace tarn::cli {

namespace {

constexpr std::array<int, 6> GravestFirst = {WriteStopped, VerifyMismatch, VerifyUnreadable,
                                             NoRadio,      CancelledClean, Failure};

int gravity(int status) {
    if (status == Success)
        return 0;
    const auto found = std::find(GravestFirst.begin(), GravestFirst.end(), status);
    // Anything unlisted weighs like a plain failure.
    const auto rank = found == GravestFirst.end()
                          ? GravestFirst.size() - 1
                          : static_cast<std::size_t>(found - GravestFirst.begin());
    return static_cast<int>(GravestFirst.size() - rank);
}

std::string blocksText(int acknowledged) {
    return std::to_string(acknowledged) + " of " + std::to_string(RadioImage::WriteBlocks) +
           " blocks";
}

} // namespace

TransferReport TransferReport::collect(const RadioTransfer& transfer, TransferOutcome outcome,
                                       TransferDirection direction) {
    TransferReport report;
    report.direction = direction;
    report.outcome = outcome;
    report.wroteToRadio = transfer.wroteToRadio();
    report.blocksSent = transfer.blocksSent();
    report.blocksAcknowledged = transfer.blocksAcknowledged();
    report.verify = transfer.verifyResult();
    return report;
}

TransferReport TransferReport::collect(const TransferSession& session) {
    TransferReport report;
    report.direction = session.direction();
    report.outcome = session.outcome();
    report.wroteToRadio = session.wroteToRadio();
    report.blocksSent = session.blocksSent();
    report.blocksAcknowledged = session.blocksAcknowledged();
    report.verify = session.verifyResult();
    return report;
}

int TransferReport::exitStatus() const {
    const bool touched = direction == TransferDirection::Write && wroteToRadio;
    switch (outcome) {
    case TransferOutcome::Completed:
        if (verify && !verify->readBack)
            return VerifyUnreadable;
        if (verify && !verify->passed())
            return VerifyMismatch;
        return Success;
    case TransferOutcome::Cancelled:
        return touched ? WriteStopped : CancelledClean;
    case TransferOutcome::Failed:
        return touched ? WriteStopped : NoRadio;
    case TransferOutcome::PortUnavailable:
        return NoRadio;
    }
    return Failure;
}

std::string TransferReport::summary() const {
    const bool touched = direction == TransferDirection::Write && wroteToRadio;
    switch (outcome) {
    case TransferOutcome::Completed:
        if (!verify)
            return direction == TransferDirection::Write ? "written" : "read";
        if (!verify->readBack)
            return std::string("written; ") + RadioTransfer::VerifyUnreadableText;
        if (!verify->passed())
            return "written; " +
                   RadioTransfer::verifyFailedText(verify->differingBlocks, verify->firstAddress);
        return "written and verified";
    case TransferOutcome::Cancelled:
        return touched ? "cancelled after " + blocksText(blocksAcknowledged) + ": partly programmed"
                       : "cancelled before anything was written";
    case TransferOutcome::Failed:
        return touched ? "stopped after " + blocksText(blocksAcknowledged) + ": partly programmed"
                       : "no answer, a communication error or a refused radio type";
    case TransferOutcome::PortUnavailable:
        return "the port could not be opened" + (lineError.empty() ? "" : ": " + lineError);
    }
    return "not started";
}

int TransferReport::gravest(const std::vector<int>& statuses) {
    int worst = Success;
    for (const int status : statuses)
        if (gravity(status) > gravity(worst))
            worst = status;
    return worst;
}

} // namespace tarn::cli
