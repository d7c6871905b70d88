#include "radio/FaultPlan.h"

#include <charconv>

namespace tarn {

namespace {

int parseNumber(const std::string& fault, std::string_view text, int minimum) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < minimum)
        throw FaultPlanError("bad number in fault \"" + fault + "\"");
    return value;
}

// "a:b" -> {a, b}; "a" -> {a, fallback}.
std::pair<int, int> parsePair(const std::string& fault, std::string_view text, int fallback,
                              int secondMinimum) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return {parseNumber(fault, text, 0), fallback};
    return {parseNumber(fault, text.substr(0, colon), 0),
            parseNumber(fault, text.substr(colon + 1), secondMinimum)};
}

} // namespace

void FaultPlan::add(const std::string& fault) {
    const auto equals = fault.find('=');
    const std::string name = fault.substr(0, equals);
    const bool hasValue = equals != std::string::npos;
    const std::string_view value =
        hasValue ? std::string_view(fault).substr(equals + 1) : std::string_view();
    const auto number = [&] {
        if (!hasValue)
            throw FaultPlanError("fault \"" + name + "\" needs a number");
        return parseNumber(fault, value, 0);
    };
    const auto flag = [&](bool& target) {
        if (hasValue)
            throw FaultPlanError("fault \"" + name + "\" takes no value");
        target = true;
    };

    if (name == "never")
        flag(neverAnswer);
    else if (name == "wake-after")
        ignoredWakeUps = number();
    else if (name == "ack-second")
        flag(ackAsSecondByte);
    else if (name == "drop-identity")
        flag(dropIdentity);
    else if (name == "bad-final-ack")
        flag(wrongFinalAck);
    else if (name == "refuse-write")
        refuseWriteBlock = number();
    else if (name == "bad-store")
        badStoreBlock = number();
    else if (name == "short-read") {
        if (!hasValue)
            throw FaultPlanError("fault \"short-read\" needs a block number");
        const auto [block, length] = parsePair(fault, value, shortReadLength, 0);
        if (length >= 12)
            throw FaultPlanError("a short reply has fewer than 12 bytes");
        shortReadBlock = block;
        shortReadLength = length;
    } else if (name == "bad-read-ack")
        wrongReadAckBlock = number();
    else if (name == "stray")
        strayBeforeReadBlock = number();
    else if (name == "trailing-byte")
        flag(trailingByte);
    else if (name == "shift")
        shiftReadBlock = number();
    else if (name == "no-echo")
        flag(noEcho);
    else if (name == "hang-up-wake")
        flag(hangUpOnWakeUp);
    else if (name == "hang-up")
        hangUpBlock = number();
    else if (name == "split") {
        if (!hasValue)
            throw FaultPlanError("fault \"split\" needs BYTES:GAP_MS");
        const auto [bytes, gap] = parsePair(fault, value, 5, 0);
        if (bytes < 1)
            throw FaultPlanError("a reply piece has at least one byte");
        splitPieceBytes = bytes;
        splitGapMs = gap;
    } else
        throw FaultPlanError("unknown fault \"" + name + "\"");
}

std::string FaultPlan::usage() {
    return "  never              never answer\n"
           "  wake-after=N       ignore the first N wake-ups\n"
           "  ack-second         send a stray byte before the wake-up acknowledge\n"
           "  drop-identity      send no identity\n"
           "  bad-final-ack      answer the final acknowledge wrongly\n"
           "  refuse-write=K     refuse write block K\n"
           "  bad-store=K        acknowledge write block K but store it wrongly\n"
           "  short-read=K[:LEN] reply to read block K with LEN bytes (default 11)\n"
           "  bad-read-ack=K     answer the acknowledge after read block K wrongly\n"
           "  stray=K            send a stray 0x06 ahead of the reply to read block K\n"
           "  trailing-byte      end every read reply with one byte more\n"
           "  shift=K            answer read block K with the next block's address and data\n"
           "  no-echo            send zeros where a reply repeats the address and length\n"
           "  hang-up=K          hang up at block K of a write or read\n"
           "  hang-up-wake       hang up as the first wake-up arrives\n"
           "  split=BYTES[:MS]   send replies in pieces of BYTES with MS between them\n";
}

} // namespace tarn
