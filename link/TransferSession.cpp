#include "link/TransferSession.h"

#include "link/PortTrouble.h"
#include "link/WriteReport.h"

#include "link/SerialLine.h"

#include <algorithm>
#include <utility>

namespace tarn {

namespace {

constexpr int HandshakePauseMs = 7;
constexpr int BytePauseMs = 1;
constexpr int FailedAttemptPauseMs = 2;
constexpr int TypeAcceptedPauseMs = 351;
constexpr int FinalAckFailedPauseMs = 601;
constexpr int BlockPauseMs = 2;
constexpr int ReadAckDelayMs = 15;

// The line's timeouts: a read of n bytes waits at most 500 ms per byte plus 90 ms and ends
// 30 ms after the last byte; a write of n bytes may take 50 ms per byte plus 50 ms.
constexpr SerialTimeouts Timeouts{};

using Act = SessionAction::Kind;

SessionAction action(Act kind) {
    SessionAction result;
    result.kind = kind;
    return result;
}

} // namespace

void TransferSession::start(TransferDirection direction, const RadioImage& image,
                            SessionOptions options, double nowMs) {
    if (m_running)
        return;
    *this = TransferSession();
    m_direction = direction;
    m_options = options;
    m_image = image;
    m_now = nowMs;
    m_running = true;
    m_wait = Wait::Open;
    m_stage = Stage::OpenAnswered;
    post(action(Act::OpenPort));
}

void TransferSession::portOpened(bool ok, double nowMs) {
    m_now = std::max(m_now, nowMs);
    if (m_wait != Wait::Open)
        return;
    m_openOk = ok;
    m_portOpen = ok;
    if (ok)
        m_lost = false;
    m_wait = Wait::None;
    run();
}

void TransferSession::portNotOpened(std::string why, double nowMs) {
    if (m_wait == Wait::Open)
        m_openTrouble = std::move(why);
    portOpened(false, nowMs);
}

void TransferSession::bytesReceived(std::span<const std::uint8_t> bytes, double nowMs) {
    m_now = std::max(m_now, nowMs);
    if (!m_running || !m_portOpen)
        return;
    m_input.insert(m_input.end(), bytes.begin(), bytes.end());
    if (m_wait != Wait::Read)
        return;
    const std::size_t before = m_read.size();
    const std::size_t take = std::min(m_readWanted - m_read.size(), m_input.size());
    m_read.insert(m_read.end(), m_input.begin(), m_input.begin() + static_cast<long>(take));
    m_input.erase(m_input.begin(), m_input.begin() + static_cast<long>(take));
    if (m_read.size() > before)
        m_lastByteAt = m_now;
    if (m_read.size() == m_readWanted) {
        m_wait = Wait::None;
        run();
    }
}

void TransferSession::written(bool ok, double nowMs) {
    m_now = std::max(m_now, nowMs);
    if (m_wait != Wait::Write)
        return;
    m_writeOk = ok;
    m_wait = Wait::None;
    run();
}

void TransferSession::timeElapsed(double nowMs) {
    m_now = std::max(m_now, nowMs);
    const std::optional<double> due = nextDeadline();
    if (!due || m_now < *due)
        return;
    // A write that has not left the port in its time failed.
    if (m_wait == Wait::Write)
        m_writeOk = false;
    m_wait = Wait::None;
    run();
}

void TransferSession::answer(PromptAnswer answer, double nowMs) {
    m_now = std::max(m_now, nowMs);
    if (m_wait != Wait::Answer)
        return;
    m_answer = answer;
    m_wait = Wait::None;
    run();
}

void TransferSession::cancel(double nowMs) {
    m_now = std::max(m_now, nowMs);
    if (!m_running)
        return;
    m_cancelRequested = true;
    // Waits between blocks and the whole handshake end at once; a block under way is
    // finished first, so the counts of what the radio holds stay true.
    if (m_cancellable && (m_wait == Wait::Pause || m_wait == Wait::Read)) {
        m_wait = Wait::None;
        endSession(Ending::Cancelled);
        run();
    }
}

void TransferSession::lineLost(double nowMs) {
    m_now = std::max(m_now, nowMs);
    if (!m_running || !m_portOpen)
        return;
    m_lost = true;
    if (m_wait == Wait::Read) {
        m_readFailed = true;
        m_wait = Wait::None;
        run();
    } else if (m_wait == Wait::Write) {
        m_writeOk = false;
        m_wait = Wait::None;
        run();
    }
}

std::vector<SessionAction> TransferSession::takeActions() {
    return std::exchange(m_actions, {});
}

std::optional<double> TransferSession::nextDeadline() const {
    switch (m_wait) {
    case Wait::Pause:
        return m_pauseUntil;
    case Wait::Read:
        return m_lastByteAt ? std::min(m_readTotalUntil, *m_lastByteAt + Timeouts.readIntervalMs)
                            : m_readTotalUntil;
    case Wait::Write:
        return m_writeUntil;
    case Wait::None:
    case Wait::Open:
    case Wait::Answer:
        break;
    }
    return std::nullopt;
}

TransferSession::Step TransferSession::step() const {
    if (m_ended)
        return Step::Ended;
    if (!m_running)
        return Step::Idle;
    if (m_wait == Wait::Answer)
        return Step::Asking;
    if (m_wait == Wait::Open)
        return Step::Opening;
    if (m_verifying)
        return Step::Verifying;
    if (m_stage < Stage::ModePause)
        return Step::WakeUp;
    if (m_stage < Stage::FinalAckWrite)
        return Step::Identify;
    if (m_stage < Stage::CommError)
        return Step::FinalAck;
    if (m_stage < Stage::WriteBlockCommand)
        return Step::WakeUp;
    if (m_stage < Stage::EndAfterMessage)
        return phaseDirection() == TransferDirection::Write ? Step::Writing : Step::Reading;
    return Step::Asking;
}

const char* TransferSession::stepName(Step step) {
    switch (step) {
    case Step::Idle:
        return "idle";
    case Step::Opening:
        return "open";
    case Step::WakeUp:
        return "wake-up";
    case Step::Identify:
        return "identify";
    case Step::FinalAck:
        return "acknowledge";
    case Step::Writing:
        return "write";
    case Step::Reading:
        return "read";
    case Step::Verifying:
        return "verify";
    case Step::Asking:
        return "question";
    case Step::Ended:
        return "end";
    }
    return "";
}

// ---- the machine ----------------------------------------------------------------------

void TransferSession::run() {
    while (m_running && m_wait == Wait::None) {
        if (m_cancellable && cancelNow())
            continue;
        runStage();
    }
}

void TransferSession::runStage() {
    if (m_stage < Stage::ModePause || (m_stage >= Stage::CommError && m_stage <= Stage::Reopened))
        runHandshakeStage();
    else if (m_stage < Stage::WriteBlockCommand)
        runIdentifyStage();
    else if (m_stage < Stage::ReadBlockCommand)
        runWriteStage();
    else if (m_stage < Stage::EndAfterMessage)
        runReadStage();
    else
        runEndStage();
}

void TransferSession::runHandshakeStage() {
    switch (m_stage) {
    case Stage::OpenAnswered:
        if (!m_openOk) {
            failWith(PortTrouble::message(m_openTrouble), Ending::NoPort);
            return;
        }
        setStatus(RadioTransfer::DetectingText);
        beginHandshake();
        return;
    case Stage::HandshakePause:
        if (cancelNow())
            return;
        m_cancellable = true;
        pause(HandshakePauseMs, Stage::WakeStart);
        return;
    case Stage::WakeStart:
        purge();
        setStatus(RadioTransfer::WaitingText);
        m_wakeIndex = 0;
        m_stage = Stage::WakeBytePause;
        return;
    case Stage::WakeBytePause:
        pause(BytePauseMs, Stage::WakeByteWrite);
        return;
    case Stage::WakeByteWrite:
        purge();
        writeBytes({RadioTransfer::WakeUp[m_wakeIndex]}, Stage::WakeByteWritten);
        return;
    case Stage::WakeByteWritten:
        if (!m_writeOk)
            m_stage = Stage::CommError;
        else if (++m_wakeIndex < RadioTransfer::WakeUp.size())
            m_stage = Stage::WakeBytePause;
        else
            m_stage = Stage::WakeRead;
        return;
    case Stage::WakeRead:
        setStatus(RadioTransfer::WaitingText);
        readBytes(1, Stage::WakeFirstByte);
        return;
    case Stage::WakeFirstByte:
        if (m_readFailed)
            m_stage = Stage::CommError;
        else if (replyAcknowledged())
            m_stage = Stage::ModePause;
        else // the acknowledge may come second, after a stray byte
            readBytes(1, Stage::WakeSecondByte);
        return;
    case Stage::WakeSecondByte:
        if (m_readFailed)
            m_stage = Stage::CommError;
        else if (replyAcknowledged())
            m_stage = Stage::ModePause;
        else
            pause(FailedAttemptPauseMs, Stage::NoAnswer);
        return;
    case Stage::NoAnswer:
        m_stage = ++m_attempt <= RadioTransfer::Attempts ? Stage::HandshakePause : Stage::CommError;
        return;
    case Stage::CommError:
        m_cancellable = false;
        ask(RadioTransfer::CommErrorText, PromptButtons::RetryCancel, Stage::CommAnswered);
        return;
    case Stage::CommAnswered:
        if (m_answer != PromptAnswer::Retry) {
            endSession(Ending::Failed);
            return;
        }
        if (!m_lost) {
            beginHandshake();
            return;
        }
        // A device that went away is opened afresh; one still missing asks again.
        post(action(Act::ClosePort));
        m_portOpen = false;
        m_wait = Wait::Open;
        m_stage = Stage::Reopened;
        post(action(Act::OpenPort));
        return;
    case Stage::Reopened:
        if (m_openOk)
            beginHandshake();
        else
            m_stage = Stage::CommError;
        return;
    default:
        break;
    }
}

void TransferSession::runIdentifyStage() {
    switch (m_stage) {
    case Stage::ModePause:
        pause(BytePauseMs, Stage::ModeWrite);
        return;
    case Stage::ModeWrite:
        purge();
        writeBytes({RadioTransfer::ModeRequest}, Stage::ArgumentPause);
        return;
    case Stage::ArgumentPause:
        if (!m_writeOk)
            m_stage = Stage::CommError;
        else
            pause(BytePauseMs, Stage::ArgumentWrite);
        return;
    case Stage::ArgumentWrite:
        purge();
        writeBytes({RadioTransfer::ModeArgument}, Stage::IdentityRead);
        return;
    case Stage::IdentityRead:
        if (!m_writeOk)
            m_stage = Stage::CommError;
        else
            readBytes(RadioTransfer::IdentitySize, Stage::TypeCheck);
        return;
    case Stage::TypeCheck: {
        if (m_readFailed) {
            m_stage = Stage::CommError;
            return;
        }
        // An identity cut short states no type; bytes that never arrived are not compared.
        const bool typeStated =
            m_read.size() > RadioTransfer::IdentityTypeIndex &&
            m_read[RadioTransfer::IdentityTypeIndex] != RadioTransfer::NoRadioType;
        const bool mismatch = phaseDirection() == TransferDirection::Write && m_typeCheckPending &&
                              typeStated &&
                              m_read[RadioTransfer::IdentityTypeIndex] != m_image.modelType();
        m_cancellable = false;
        if (mismatch)
            ask(RadioTransfer::TypeMismatchText, PromptButtons::OkCancel, Stage::TypeAnswered);
        else
            m_stage = Stage::FinalAckWrite;
        return;
    }
    case Stage::TypeAnswered:
        if (m_answer != PromptAnswer::Ok) {
            endSession(Ending::Failed);
            return;
        }
        m_typeCheckPending = false;
        m_cancellable = true;
        pause(TypeAcceptedPauseMs, Stage::TypeAccepted);
        return;
    case Stage::TypeAccepted:
        m_attempt = 1;
        m_stage = Stage::HandshakePause;
        return;
    case Stage::FinalAckWrite:
        purge();
        writeBytes({RadioTransfer::Ack}, Stage::FinalAckRead);
        return;
    case Stage::FinalAckRead:
        if (!m_writeOk)
            failWith(RadioTransfer::SendOrderText, Ending::Failed);
        else
            readBytes(1, Stage::FinalAckCheck);
        return;
    case Stage::FinalAckCheck:
        if (m_readFailed)
            m_stage = Stage::CommError;
        else if (replyAcknowledged())
            beginPhase();
        else {
            m_cancellable = true;
            pause(FinalAckFailedPauseMs, Stage::FinalAckFailed);
        }
        return;
    case Stage::FinalAckFailed:
        m_stage = Stage::CommError;
        return;
    default:
        break;
    }
}

void TransferSession::runWriteStage() {
    if (m_stage != Stage::BlockPause)
        m_cancellable = false;
    switch (m_stage) {
    case Stage::WriteBlockCommand: {
        const auto command = RadioTransfer::blockCommand(RadioTransfer::WriteCommand,
                                                         RadioImage::blockAddress(m_block));
        purge();
        writeBytes({command.begin(), command.end()}, Stage::WriteCommandPause);
        return;
    }
    case Stage::WriteCommandPause:
        if (!m_writeOk)
            failWith(RadioTransfer::ProgramInterruptText, Ending::WriteInterrupted);
        else
            pause(BytePauseMs, Stage::WriteBlockData);
        return;
    case Stage::WriteBlockData: {
        const std::uint16_t address = RadioImage::blockAddress(m_block);
        const auto data = m_image.bytes().subspan(address, RadioImage::BlockSize);
        purge();
        m_wroteToRadio = true;
        std::copy(data.begin(), data.end(), m_sent.bytes().begin() + address);
        writeBytes({data.begin(), data.end()}, Stage::WriteBlockSent);
        return;
    }
    case Stage::WriteBlockSent:
        if (!m_writeOk) {
            failWith(RadioTransfer::ProgramInterruptText, Ending::WriteInterrupted);
            return;
        }
        ++m_blocksSent;
        readBytes(1, Stage::WriteBlockAck);
        return;
    case Stage::WriteBlockAck:
        if (m_readFailed || !replyAcknowledged()) {
            failWith(RadioTransfer::ProgramInterruptText, Ending::WriteInterrupted);
            return;
        }
        ++m_blocksAcknowledged;
        stepProgress();
        m_stage = Stage::BlockPause;
        return;
    case Stage::BlockPause: {
        if (cancelNow())
            return;
        const int blocks = phaseDirection() == TransferDirection::Write ? RadioImage::WriteBlocks
                                                                        : RadioImage::ReadBlocks;
        const bool last = ++m_block == blocks;
        m_cancellable = true;
        if (last)
            pause(BlockPauseMs, Stage::EndAfterMessage);
        else
            pause(BlockPauseMs, phaseDirection() == TransferDirection::Write
                                    ? Stage::WriteBlockCommand
                                    : Stage::ReadBlockCommand);
        m_pendingEnding =
            phaseDirection() == TransferDirection::Write ? Ending::WriteDone : Ending::ReadDone;
        return;
    }
    default:
        break;
    }
}

void TransferSession::runReadStage() {
    m_cancellable = false;
    switch (m_stage) {
    case Stage::ReadBlockCommand: {
        const auto command = RadioTransfer::blockCommand(RadioTransfer::ReadCommand,
                                                         RadioImage::blockAddress(m_block));
        purge();
        writeBytes({command.begin(), command.end()}, Stage::ReadBlockReply);
        return;
    }
    case Stage::ReadBlockReply:
        if (!m_writeOk)
            failWith(RadioTransfer::NotEnoughText, Ending::Failed);
        else
            readBytes(RadioTransfer::ReplySize, Stage::ReadBlockSurplus);
        return;
    case Stage::ReadBlockSurplus:
        // Only a whole reply is taken, so no byte of an earlier reply reaches the image.
        if (m_readFailed || m_read.size() != RadioTransfer::ReplySize) {
            failWith(RadioTransfer::NotEnoughText, Ending::Failed);
            return;
        }
        std::copy(m_read.begin(), m_read.end(), m_reply.begin());
        m_surplus = purgeCounted();
        if (m_block == 0)
            setRange();
        stepProgress();
        pause(ReadAckDelayMs, Stage::ReadBlockAckWrite);
        return;
    case Stage::ReadBlockAckWrite: {
        m_surplus += purgeCounted();
        // Some radios end every reply with an extra byte; what block 0 shows is their habit.
        // A reply shifted by a stray byte is as unusable as a short one.
        if (m_block == 0)
            m_habitualSurplus = m_surplus;
        const std::uint16_t address = RadioImage::blockAddress(m_block);
        if (m_surplus != m_habitualSurplus || !echoIsTheRadiosHabit(address)) {
            failWith(RadioTransfer::NotEnoughText, Ending::Failed);
            return;
        }
        std::copy_n(m_reply.begin() + RadioTransfer::ReplyDataOffset, RadioImage::BlockSize,
                    phaseImage().bytes().begin() + address);
        writeBytes({RadioTransfer::Ack}, Stage::ReadBlockAckRead);
        return;
    }
    case Stage::ReadBlockAckRead:
        if (!m_writeOk)
            failWith(RadioTransfer::ReadAckText, Ending::Failed);
        else
            readBytes(1, Stage::ReadBlockAckCheck);
        return;
    case Stage::ReadBlockAckCheck:
        if (m_readFailed || !replyAcknowledged())
            failWith(RadioTransfer::ReadAckText, Ending::Failed);
        else
            m_stage = Stage::BlockPause;
        return;
    default:
        break;
    }
}

bool TransferSession::echoIsTheRadiosHabit(std::uint16_t address) {
    // The command byte varies between radios; the address and length are echoed or not at
    // all, so a reply for another block shows once block 0 has shown the echo.
    const auto command = RadioTransfer::blockCommand(RadioTransfer::ReadCommand, address);
    const bool echoes = std::equal(command.begin() + 1, command.end(), m_reply.begin() + 1);
    if (m_block == 0)
        m_radioEchoes = echoes;
    return echoes || !m_radioEchoes;
}

void TransferSession::runEndStage() {
    switch (m_stage) {
    case Stage::EndAfterMessage:
        endSession(m_pendingEnding);
        return;
    case Stage::Reporting:
        if (m_reports.empty()) {
            m_stage = Stage::Done;
            return;
        }
        ask(m_reports.front(), PromptButtons::Ok, Stage::Reporting);
        m_reports.erase(m_reports.begin());
        return;
    case Stage::Done:
        m_running = false;
        m_ended = true;
        post(action(Act::Finished));
        return;
    default:
        break;
    }
}

// ---- steps shared by the stages -------------------------------------------------------

void TransferSession::beginHandshake() {
    m_attempt = 1;
    m_stage = Stage::HandshakePause;
}

void TransferSession::beginPhase() {
    m_block = 0;
    if (phaseDirection() == TransferDirection::Write) {
        setRange();
        m_stage = Stage::WriteBlockCommand;
    } else {
        m_stage = Stage::ReadBlockCommand;
    }
}

TransferDirection TransferSession::phaseDirection() const {
    return m_verifying ? TransferDirection::Read : m_direction;
}

void TransferSession::pause(int ms, Stage next) {
    m_stage = next;
    if (ms <= 0)
        return;
    m_wait = Wait::Pause;
    m_pauseUntil = m_now + ms;
    m_pausedMs += ms;
}

void TransferSession::readBytes(std::size_t count, Stage next) {
    m_stage = next;
    m_read.clear();
    m_readWanted = count;
    m_readFailed = m_lost;
    m_lastByteAt.reset();
    if (m_lost)
        return;
    m_readTotalUntil = m_now + Timeouts.readTotalMultiplierMs * static_cast<double>(count) +
                       Timeouts.readTotalConstantMs;
    const std::size_t take = std::min(count, m_input.size());
    m_read.assign(m_input.begin(), m_input.begin() + static_cast<long>(take));
    m_input.erase(m_input.begin(), m_input.begin() + static_cast<long>(take));
    if (take > 0)
        m_lastByteAt = m_now;
    if (m_read.size() < count)
        m_wait = Wait::Read;
}

void TransferSession::writeBytes(std::vector<std::uint8_t> bytes, Stage next) {
    m_stage = next;
    if (m_lost) {
        m_writeOk = false;
        return;
    }
    const auto n = static_cast<double>(bytes.size());
    m_writeUntil = m_now + Timeouts.writeTotalMultiplierMs * n + Timeouts.writeTotalConstantMs;
    m_wait = Wait::Write;
    SessionAction write = action(Act::Write);
    write.bytes = std::move(bytes);
    post(std::move(write));
}

void TransferSession::purge() {
    (void)purgeCounted();
}

std::size_t TransferSession::purgeCounted() {
    const std::size_t dropped = m_input.size();
    m_input.clear();
    post(action(Act::Purge));
    return dropped;
}

bool TransferSession::replyAcknowledged() const {
    return m_read.size() == 1 && m_read.front() == RadioTransfer::Ack;
}

void TransferSession::ask(std::string text, PromptButtons buttons, Stage next) {
    // OK boxes warn; the retry box carries no icon.
    const PromptIcon icon =
        buttons == PromptButtons::RetryCancel ? PromptIcon::None : PromptIcon::Warning;
    m_stage = next;
    m_wait = Wait::Answer;
    SessionAction question = action(Act::Ask);
    question.prompt = Prompt{std::move(text), RadioTransfer::Caption, buttons, icon};
    post(std::move(question));
}

void TransferSession::failWith(std::string text, Ending ending) {
    m_pendingEnding = ending;
    m_cancellable = false;
    ask(std::move(text), PromptButtons::Ok, Stage::EndAfterMessage);
}

void TransferSession::setStatus(std::string text) {
    m_statusText = std::move(text);
    SessionAction status = action(Act::Status);
    status.text = m_statusText;
    post(std::move(status));
}

void TransferSession::setRange() {
    m_rangeSet = true;
    emitProgress();
}

void TransferSession::stepProgress() {
    if (m_position >= RadioTransfer::ProgressMaximum)
        return;
    ++m_position;
    emitProgress();
    setStatus(m_progressPrefix + std::to_string(m_position));
}

void TransferSession::emitProgress() {
    SessionAction progress = action(Act::Progress);
    progress.maximum = m_rangeSet ? RadioTransfer::ProgressMaximum : 0;
    progress.position = m_position;
    post(std::move(progress));
}

bool TransferSession::cancelNow() {
    if (!m_cancelRequested)
        return false;
    endSession(Ending::Cancelled);
    return true;
}

// ---- endings --------------------------------------------------------------------------

void TransferSession::endSession(Ending ending) {
    m_cancellable = false;
    if (!m_verifying && ending == Ending::WriteDone && m_options.verifyAfterWrite) {
        beginVerify();
        return;
    }
    if (m_verifying) {
        m_verifying = false;
        m_verify = ending == Ending::ReadDone ? compareReadBack() : VerifyResult{};
        // A failure is told by a message after the transfer.
        if (m_verify->passed())
            setStatus(RadioTransfer::VerifyPassedText);
        ending = Ending::WriteDone;
    }
    m_mainEnding = ending;
    finishAll();
}

void TransferSession::beginVerify() {
    // A scratch image, so what was sent is not touched.
    m_verifying = true;
    m_readBack = RadioImage();
    m_habitualSurplus = 0;
    setStatus(RadioTransfer::VerifyingText);
    m_position = 0;
    emitProgress();
    m_progressPrefix = RadioTransfer::VerifyProgressPrefix;
    beginHandshake();
}

VerifyResult TransferSession::compareReadBack() const {
    VerifyResult result;
    result.readBack = true;
    result.comparedBlocks = RadioImage::ReadBlocks;
    for (int block = 0; block < RadioImage::ReadBlocks; ++block) {
        const std::uint16_t address = RadioImage::blockAddress(block);
        const auto sent = m_sent.bytes().subspan(address, RadioImage::BlockSize);
        const auto got = m_readBack.bytes().subspan(address, RadioImage::BlockSize);
        if (std::equal(sent.begin(), sent.end(), got.begin()))
            continue;
        if (result.differingBlocks++ == 0)
            result.firstAddress = address;
    }
    return result;
}

void TransferSession::finishAll() {
    m_progressPrefix.clear();
    if (m_portOpen) {
        post(action(Act::ClosePort));
        m_portOpen = false;
    }
    const Ending ending = m_mainEnding;
    if (ending == Ending::WriteDone || ending == Ending::WriteInterrupted ||
        ending == Ending::ReadDone) {
        m_position = RadioTransfer::ProgressMaximum;
        emitProgress();
    }
    m_readCompleted = ending == Ending::ReadDone;
    switch (ending) {
    case Ending::WriteDone:
    case Ending::ReadDone:
        m_outcome = TransferOutcome::Completed;
        break;
    case Ending::Cancelled:
        m_outcome = TransferOutcome::Cancelled;
        break;
    case Ending::NoPort:
        m_outcome = TransferOutcome::PortUnavailable;
        break;
    case Ending::WriteInterrupted:
    case Ending::Failed:
        m_outcome = TransferOutcome::Failed;
        break;
    }
    if (writeConfirmed())
        setStatus(WriteReport::confirmation(m_blocksAcknowledged, m_verify ? &*m_verify : nullptr));
    post(action(Act::CloseWindow));
    queueReports();
    m_stage = Stage::Reporting;
}

void TransferSession::queueReports() {
    if (m_verify && !m_verify->readBack)
        m_reports.emplace_back(RadioTransfer::VerifyUnreadableText);
    else if (m_verify && !m_verify->passed())
        m_reports.push_back(RadioTransfer::verifyFailedReport(*m_verify, m_sent, m_readBack));
    // Anything short of the whole image leaves a radio that works on a mix of old and new.
    const bool stoppedPartWay = m_mainEnding == Ending::WriteInterrupted ||
                                (m_mainEnding == Ending::Cancelled && m_wroteToRadio);
    if (stoppedPartWay)
        m_reports.push_back(RadioTransfer::partlyWrittenReport(m_blocksAcknowledged, m_image));
}

bool TransferSession::writeConfirmed() const {
    return m_direction == TransferDirection::Write && m_outcome == TransferOutcome::Completed &&
           (!m_verify || m_verify->passed());
}

} // namespace tarn
