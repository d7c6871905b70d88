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
    std::optional<int> strayBeforeReadBlock; // one extra 0x06 ahead of that block's reply
    bool trailingByte = false;               // every read reply carries one byte more
    std::optional<int> shiftReadBlock; // read block K answered with block K+1's address and data
    bool noEcho = false;               // read replies carry zeros for the address and length
    std::optional<int> hangUpBlock;
    bool hangUpOnWakeUp = false; // the device goes away as a wake-up arrives
    int splitPieceBytes = 0;     // 0: replies go out whole
    int splitGapMs = 0;

    // Adds one fault given as on the command line: never, wake-after=N, ack-second,
    // drop-identity, bad-final-ack, refuse-write=K, bad-store=K, short-read=K[:LEN],
    // bad-read-ack=K, hang-up=K, split=BYTES:GAP_MS, stray=K, trailing-byte, hang-up-wake,
    // shift=K, no-echo.
    // Throws FaultPlanError.
    void add(const std::string& fault);
    [[nodiscard]] static std::string usage();
};

} // namespace tarn
