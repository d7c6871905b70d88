#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace tarn {

class FaultPlanError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// How the virtual radio misbehaves. Block numbers count the write or read commands of one
// session from 0.
struct FaultPlan {
    bool neverAnswer = false;
    int ignoredWakeUps = 0;       // answer only from wake-up ignoredWakeUps + 1 on
    bool ackAsSecondByte = false; // a stray byte before the wake-up acknowledge
    bool dropIdentity = false;
    bool wrongFinalAck = false;
    std::optional<int> refuseWriteBlock;
    std::optional<int> badStoreBlock; // acknowledged, but stored with every bit flipped
    std::optional<int> shortReadBlock;
    int shortReadLength = 11;
    std::optional<int> wrongReadAckBlock;
    std::optional<int> hangUpBlock;
    int splitPieceBytes = 0; // 0: replies go out whole
    int splitGapMs = 0;

    // Adds one fault given as on the command line: never, wake-after=N, ack-second,
    // drop-identity, bad-final-ack, refuse-write=K, bad-store=K, short-read=K[:LEN],
    // bad-read-ack=K, hang-up=K, split=BYTES:GAP_MS. Throws FaultPlanError.
    void add(const std::string& fault);
    [[nodiscard]] static std::string usage();
};

} // namespace tarn
