#include "link/RadioTransfer.h"

#include "link/WriteReport.h"

#include "common/Clock.h"
#include "data/RadioImage.h"
#include "link/ImageTarget.h"
#include "link/SerialLine.h"
#include "link/TransferUi.h"

#include <algorithm>
#include <cstdio>

namespace tarn {

namespace {

constexpr std::size_t InputQueueBytes = 1024;
constexpr std::size_t OutputQueueBytes = 512;
constexpr int HandshakePasses = 7;
constexpr int TypeAcceptedPasses = 351;
constexpr int FinalAckFailedPasses = 601;
constexpr int WriteBlockPasses = 21;
constexpr int ReadBlockPasses = 19;
constexpr int ReadAckDelayMs = 15;

} // namespace

RadioTransfer::RadioTransfer(SerialLine& line, TransferUi& ui, Clock& clock)
    : m_line(line)
    , m_ui(ui)
    , m_clock(clock) {}

std::array<std::uint8_t, 4> RadioTransfer::blockCommand(std::uint8_t command,
                                                        std::uint16_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF),
            static_cast<std::uint8_t>(RadioImage::BlockSize)};
}

std::string RadioTransfer::verifyFailedText(int blocks, std::uint16_t firstAddress) {
    char address[8];
    std::snprintf(address, sizeof address, "0x%04X", firstAddress);
    if (blocks == 1)
        return formatText(FormattedMessage::VerifyFailedOne, {address});
    return formatText(FormattedMessage::VerifyFailedMany, {std::to_string(blocks), address});
}

bool RadioTransfer::isBlockCount(std::string_view text) {
    if (text.starts_with(VerifyProgressPrefix))
        text.remove_prefix(std::string_view(VerifyProgressPrefix).size());
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string RadioTransfer::partlyWrittenText(int acknowledged) {
    return formatText(FormattedMessage::PartlyWritten,
                      {std::to_string(acknowledged), std::to_string(RadioImage::WriteBlocks)});
}

std::string RadioTransfer::verifyFailedReport(const VerifyResult& verify, const RadioImage& sent,
                                              const RadioImage& readBack) {
    std::string text = verifyFailedText(verify.differingBlocks, verify.firstAddress);
    const std::string details = WriteReport::verifyDetails(sent, readBack);
    return details.empty() ? text : text + "\n" + details;
}

std::string RadioTransfer::partlyWrittenReport(int acknowledged, const RadioImage& sent) {
    return partlyWrittenText(acknowledged) + "\n" +
           WriteReport::lastChannelWritten(acknowledged, sent);
}

TransferOutcome RadioTransfer::run(const std::string& portName, TransferTarget& target) {
    m_typeCheckPending = true;
    m_verify.reset();
    m_blocksSent = 0;
    m_blocksAcknowledged = 0;
    m_wroteToRadio = false;
    m_portName = portName;
    if (target.direction() == TransferDirection::Write)
        target.parseGrid();
    if (!m_line.open(portName)) {
        (void)ask(OpenFailedText, PromptButtons::Ok);
        m_ui.closeWindow();
        return TransferOutcome::PortUnavailable;
    }
    configureLine();
    m_ui.setStatusText(DetectingText);
    m_identity.fill(0);
    m_identityCount = 0;

    const Ending ending = session(target);
    if (ending == Ending::WriteDone && m_verifyAfterWrite)
        verifyWrite(target);
    if (ending == Ending::WriteDone && (!m_verify || m_verify->passed()))
        m_ui.setStatusText(
            WriteReport::confirmation(m_blocksAcknowledged, m_verify ? &*m_verify : nullptr));
    finish(ending, target);
    reportAfterWrite(ending);
    switch (ending) {
    case Ending::WriteDone:
    case Ending::ReadDone:
        return TransferOutcome::Completed;
    case Ending::Cancelled:
        return TransferOutcome::Cancelled;
    case Ending::WriteInterrupted:
    case Ending::Failed:
        break;
    }
    return TransferOutcome::Failed;
}

void RadioTransfer::configureLine() {
    m_line.setQueueSizes(InputQueueBytes, OutputQueueBytes);
    m_line.setTimeouts(SerialTimeouts{});
    m_line.setLineSettings(LineSettings{});
}

RadioTransfer::Ending RadioTransfer::session(TransferTarget& target) {
    int attempt = 1;
    for (;;) {
        Step step = wakeUp();
        if (step == Step::NoAnswer) {
            m_clock.sleep(2);
            if (++attempt <= Attempts)
                continue;
            step = Step::CommError;
        } else if (step == Step::Answered) {
            step = identify(target);
        }
        switch (step) {
        case Step::Ready:
            return target.direction() == TransferDirection::Write ? writePhase(target)
                                                                  : readPhase(target);
        case Step::Rewake:
            attempt = 1;
            continue;
        case Step::Failed:
            return Ending::Failed;
        case Step::Cancelled:
            return Ending::Cancelled;
        default:
            break;
        }
        if (!retryAfterCommError())
            return Ending::Failed;
        // A device that is still missing asks again rather than failing fifteen times at once.
        while (!reopenIfLost())
            if (!retryAfterCommError())
                return Ending::Failed;
        attempt = 1;
    }
}

bool RadioTransfer::reopenIfLost() {
    if (!m_line.isLost())
        return true;
    m_line.close();
    if (!m_line.open(m_portName))
        return false;
    configureLine();
    return true;
}

RadioTransfer::Step RadioTransfer::wakeUp() {
    if (!pausePasses(HandshakePasses, 1))
        return Step::Cancelled;
    m_line.purgeAll();
    m_ui.setStatusText(WaitingText);
    for (const std::uint8_t byte : WakeUp) {
        m_clock.sleep(1);
        if (!writeAfterPurge(byte))
            return Step::CommError;
    }
    m_ui.setStatusText(WaitingText);
    std::uint8_t reply = 0;
    ReadResult result = m_line.read({&reply, 1});
    if (result.failed)
        return Step::CommError;
    if (result.count == 1 && reply == Ack)
        return Step::Answered;
    // The acknowledge may come second, after a stray byte.
    result = m_line.read({&reply, 1});
    if (result.failed)
        return Step::CommError;
    return result.count == 1 && reply == Ack ? Step::Answered : Step::NoAnswer;
}

RadioTransfer::Step RadioTransfer::identify(TransferTarget& target) {
    m_clock.sleep(1);
    if (!writeAfterPurge(ModeRequest))
        return Step::CommError;
    m_clock.sleep(1);
    if (!writeAfterPurge(ModeArgument))
        return Step::CommError;
    const ReadResult identity = m_line.read(m_identity);
    if (identity.failed)
        return Step::CommError;
    m_identityCount = identity.count;

    const Step typeStep = checkRadioType(target);
    if (typeStep != Step::Ready)
        return typeStep;

    m_line.purge();
    if (!writeByte(Ack)) {
        (void)ask(SendOrderText, PromptButtons::Ok);
        return Step::Failed;
    }
    std::uint8_t reply = 0;
    const ReadResult result = m_line.read({&reply, 1});
    if (result.failed)
        return Step::CommError;
    if (result.count == 1 && reply == Ack)
        return Step::Ready;
    if (!pausePasses(FinalAckFailedPasses, 1))
        return Step::Cancelled;
    return Step::CommError;
}

RadioTransfer::Step RadioTransfer::checkRadioType(TransferTarget& target) {
    if (target.direction() != TransferDirection::Write || !m_typeCheckPending)
        return Step::Ready;
    // An identity cut short states no type; bytes that never arrived are not compared.
    if (m_identityCount <= IdentityTypeIndex)
        return Step::Ready;
    const std::uint8_t radioType = m_identity[IdentityTypeIndex];
    if (radioType == NoRadioType || radioType == target.image().modelType())
        return Step::Ready;
    if (ask(TypeMismatchText, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return Step::Failed;
    m_typeCheckPending = false;
    if (!pausePasses(TypeAcceptedPasses, 1))
        return Step::Cancelled;
    return Step::Rewake;
}

bool RadioTransfer::retryAfterCommError() {
    return ask(CommErrorText, PromptButtons::RetryCancel) == PromptAnswer::Retry;
}

RadioTransfer::Ending RadioTransfer::writePhase(TransferTarget& target) {
    m_ui.setProgressRange(0, ProgressMaximum);
    for (int block = 0; block < RadioImage::WriteBlocks; ++block) {
        if (!writeBlock(target, RadioImage::blockAddress(block))) {
            // Cancel cut the wait for the acknowledge short; the radio did nothing wrong.
            if (m_ui.cancelRequested())
                return Ending::Cancelled;
            (void)ask(ProgramInterruptText, PromptButtons::Ok);
            return Ending::WriteInterrupted;
        }
        ++m_blocksAcknowledged;
        stepProgress();
        if (!pausePasses(WriteBlockPasses, 0))
            return Ending::Cancelled;
        m_clock.sleep(2);
    }
    return Ending::WriteDone;
}

bool RadioTransfer::writeBlock(TransferTarget& target, std::uint16_t address) {
    m_line.purge();
    if (!m_line.write(blockCommand(WriteCommand, address)))
        return false;
    m_clock.sleep(1);
    m_line.purge();
    const auto data = target.image().bytes().subspan(address, RadioImage::BlockSize);
    m_wroteToRadio = true;
    if (!m_line.write(data))
        return false;
    ++m_blocksSent;
    std::copy(data.begin(), data.end(), m_sent.bytes().begin() + address);
    return acknowledged();
}

RadioTransfer::Ending RadioTransfer::readPhase(TransferTarget& target) {
    for (int block = 0; block < RadioImage::ReadBlocks; ++block) {
        const std::uint16_t address = RadioImage::blockAddress(block);
        if (!readReply(address))
            return failedOrCancelled(NotEnoughText);
        std::size_t surplus = m_line.purge();
        if (block == 0)
            m_ui.setProgressRange(0, ProgressMaximum);
        stepProgress();
        m_clock.sleep(ReadAckDelayMs);
        surplus += m_line.purge();
        // A reply shifted by a stray byte is as unusable as a short one.
        if (!surplusIsTheRadiosHabit(block, surplus) || !echoIsTheRadiosHabit(block, address))
            return failedOrCancelled(NotEnoughText);
        std::copy_n(m_reply.begin() + ReplyDataOffset, RadioImage::BlockSize,
                    target.image().bytes().begin() + address);
        if (!writeByte(Ack) || !acknowledged())
            return failedOrCancelled(ReadAckText);
        if (!pausePasses(ReadBlockPasses, 0))
            return Ending::Cancelled;
        m_clock.sleep(2);
    }
    return Ending::ReadDone;
}

bool RadioTransfer::readReply(std::uint16_t address) {
    m_line.purge();
    if (!m_line.write(blockCommand(ReadCommand, address)))
        return false;
    const ReadResult result = m_line.read(m_reply);
    // Only a whole reply is taken, so no byte of an earlier reply reaches the image.
    return !result.failed && result.count == ReplySize;
}

bool RadioTransfer::surplusIsTheRadiosHabit(int block, std::size_t surplus) {
    // Some radios end every reply with an extra byte; what block 0 shows is their habit.
    if (block == 0)
        m_habitualSurplus = surplus;
    return surplus == m_habitualSurplus;
}

bool RadioTransfer::echoIsTheRadiosHabit(int block, std::uint16_t address) {
    // The command byte varies between radios; the address and length are echoed or not at
    // all, so a reply for another block shows once block 0 has shown the echo.
    const auto command = blockCommand(ReadCommand, address);
    const bool echoes = std::equal(command.begin() + 1, command.end(), m_reply.begin() + 1);
    if (block == 0)
        m_radioEchoes = echoes;
    return echoes || !m_radioEchoes;
}

RadioTransfer::Ending RadioTransfer::failedOrCancelled(const char* text) {
    if (m_ui.cancelRequested())
        return Ending::Cancelled;
    (void)ask(text, PromptButtons::Ok);
    return Ending::Failed;
}

bool RadioTransfer::acknowledged() {
    std::uint8_t reply = 0;
    const ReadResult result = m_line.read({&reply, 1});
    return !result.failed && result.count == 1 && reply == Ack;
}

void RadioTransfer::verifyWrite(TransferTarget& target) {
    // A scratch image, so the document is not touched.
    ImageTarget readBack(TransferDirection::Read, RadioImage(), target.channelCount());
    m_ui.setStatusText(VerifyingText);
    m_ui.setProgressPosition(0);
    m_progressPrefix = VerifyProgressPrefix;
    const Ending ending = session(readBack);
    m_progressPrefix.clear();
    m_readBack = readBack.image();
    m_verify = ending == Ending::ReadDone ? compareReadBack(m_readBack) : VerifyResult{};
    // A failure is told by a message after the transfer.
    if (m_verify->passed())
        m_ui.setStatusText(VerifyPassedText);
}

VerifyResult RadioTransfer::compareReadBack(const RadioImage& readBack) const {
    VerifyResult result;
    result.readBack = true;
    result.comparedBlocks = RadioImage::ReadBlocks;
    for (int block = 0; block < RadioImage::ReadBlocks; ++block) {
        const std::uint16_t address = RadioImage::blockAddress(block);
        const auto sent = m_sent.bytes().subspan(address, RadioImage::BlockSize);
        const auto got = readBack.bytes().subspan(address, RadioImage::BlockSize);
        if (std::equal(sent.begin(), sent.end(), got.begin()))
            continue;
        if (result.differingBlocks++ == 0)
            result.firstAddress = address;
    }
    return result;
}

void RadioTransfer::reportAfterWrite(Ending ending) {
    if (m_verify && !m_verify->readBack)
        (void)ask(VerifyUnreadableText, PromptButtons::Ok);
    else if (m_verify && !m_verify->passed())
        (void)ask(verifyFailedReport(*m_verify, m_sent, m_readBack).c_str(), PromptButtons::Ok);
    // Anything short of the whole image leaves a radio that works on a mix of old and new.
    const bool stoppedPartWay =
        ending == Ending::WriteInterrupted || (ending == Ending::Cancelled && m_wroteToRadio);
    if (stoppedPartWay)
        (void)ask(partlyWrittenReport(m_blocksAcknowledged, m_sent).c_str(), PromptButtons::Ok);
}

void RadioTransfer::finish(Ending ending, TransferTarget& target) {
    m_line.close();
    if (ending == Ending::WriteDone || ending == Ending::WriteInterrupted ||
        ending == Ending::ReadDone)
        m_ui.setProgressPosition(ProgressMaximum);
    m_ui.closeWindow();
    if (ending == Ending::ReadDone) {
        target.setChannelCount(
            channelCountForModel(target.image().modelType(), target.channelCount()));
        target.renderGrid();
    }
}

void RadioTransfer::stepProgress() {
    if (m_ui.progressPosition() >= ProgressMaximum)
        return;
    m_ui.stepProgress();
    m_ui.setStatusText(m_progressPrefix + std::to_string(m_ui.progressPosition()));
}

bool RadioTransfer::pausePasses(int passes, int sleepMs) {
    for (int i = 0; i < passes; ++i) {
        if (m_ui.cancelRequested())
            return false;
        if (sleepMs > 0)
            m_clock.sleep(sleepMs);
    }
    return true;
}

bool RadioTransfer::writeByte(std::uint8_t byte) {
    return m_line.write({&byte, 1});
}

bool RadioTransfer::writeAfterPurge(std::uint8_t byte) {
    m_line.purge();
    return writeByte(byte);
}

PromptAnswer RadioTransfer::ask(const char* text, PromptButtons buttons) {
    // OK boxes warn; the retry box carries no icon.
    const PromptIcon icon =
        buttons == PromptButtons::RetryCancel ? PromptIcon::None : PromptIcon::Warning;
    return m_ui.prompter().ask(Prompt{text, Caption, buttons, icon});
}

} // namespace tarn
