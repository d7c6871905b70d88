#pragma once

#include "link/RadioTransfer.h"
#include "link/TransferSession.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarn::cli {

// How one radio's transfer ended, and the exit status that stands for it.
struct TransferReport {
    std::string port;
    TransferDirection direction = TransferDirection::Write;
    TransferOutcome outcome = TransferOutcome::Failed;
    bool wroteToRadio = false; // block data went out, so the radio's memory may have changed
    int blocksSent = 0;
    int blocksAcknowledged = 0;
    std::optional<VerifyResult> verify;
    std::string lineError; // why the port failed, when it did
    std::filesystem::path backup;

    [[nodiscard]] static TransferReport
    collect(const RadioTransfer& transfer, TransferOutcome outcome, TransferDirection direction);
    [[nodiscard]] static TransferReport collect(const TransferSession& session);
    [[nodiscard]] int exitStatus() const;
    // One line for the table of a fleet write: "written and verified", ...
    [[nodiscard]] std::string summary() const;
    // The status that matters most when several radios were written: 4, 6, 7, 3, 5, 1,
    // then 0.
    [[nodiscard]] static int gravest(const std::vector<int>& statuses);
};

} // namespace tarn::cli
