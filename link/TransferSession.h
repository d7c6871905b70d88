#pragma once

#include "common/Prompter.h"
#include "data/RadioImage.h"
#include "link/RadioTransfer.h"
#include "link/TransferTarget.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarn {

struct SessionOptions {
    // After a complete write, read the radio back in a new session and compare.
    bool verifyAfterWrite = false;
};

// One thing a driver must do, in order. Writes are followed by no other action until the
// driver reports them with written().
struct SessionAction {
    enum class Kind {
        OpenPort,    // open and set up the line (8N1, 9600), then call portOpened()
        ClosePort,   // close the line
        Purge,       // the session dropped what it held of the input; drivers drop nothing
        Write,       // bytes
        Status,      // text
        Progress,    // minimum, maximum, position
        Ask,         // prompt: answer with answer(); the session waits meanwhile
        CloseWindow, // the progress window goes; messages that follow come after it
        Finished,    // the session has ended: see outcome()
    };
    Kind kind = Kind::Status;
    std::vector<std::uint8_t> bytes;
    std::string text;
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    Prompt prompt;
};

// The programming protocol as a state machine with no blocking call, no sleep and no thread:
// it takes bytes, times and answers, and hands back actions and the next time it must be
// told about. Times are monotonic milliseconds from any origin; every input carries one.
// A driver passes in every byte that arrived before telling it that a deadline has passed.
class TransferSession {
public:
    // The protocol step, named for traces.
    enum class Step {
        Idle,
        Opening,
        WakeUp,
        Identify,
        FinalAck,
        Writing,
        Reading,
        Verifying,
        Asking,
        Ended
    };

    TransferSession() = default;

    void start(TransferDirection direction, const RadioImage& image, SessionOptions options,
               double nowMs);
    // The answer to the OpenPort action: whether the port could be opened and set up.
    void portOpened(bool ok, double nowMs);
    // The port could not be opened, and why: a paragraph shown under the message.
    void portNotOpened(std::string why, double nowMs);
    void bytesReceived(std::span<const std::uint8_t> bytes, double nowMs);
    // The last Write has left the port (ok), or could not be written.
    void written(bool ok, double nowMs);
    void timeElapsed(double nowMs);
    void answer(PromptAnswer answer, double nowMs);
    // The progress window's Cancel: acted on at the session's next step.
    void cancel(double nowMs);
    // The device went away; reads and writes fail until a new open.
    void lineLost(double nowMs);

    // Actions since the last call, in order.
    [[nodiscard]] std::vector<SessionAction> takeActions();
    // The earliest time the session needs timeElapsed(); empty when it waits for nothing
    // but bytes, a write, an open or an answer.
    [[nodiscard]] std::optional<double> nextDeadline() const;
    [[nodiscard]] bool isRunning() const { return m_running; }
    [[nodiscard]] bool hasEnded() const { return m_ended; }
    [[nodiscard]] Step step() const;
    [[nodiscard]] static const char* stepName(Step step);

    // Results, once ended.
    [[nodiscard]] TransferOutcome outcome() const { return m_outcome; }
    [[nodiscard]] TransferDirection direction() const { return m_direction; }
    // For a read: what arrived, blocks of a failed read included; for a write: what was sent
    // from. Only a completed read is the radio's whole memory.
    [[nodiscard]] const RadioImage& image() const { return m_image; }
    [[nodiscard]] bool readCompleted() const { return m_readCompleted; }
    [[nodiscard]] bool wroteToRadio() const { return m_wroteToRadio; }
    [[nodiscard]] int blocksSent() const { return m_blocksSent; }
    [[nodiscard]] int blocksAcknowledged() const { return m_blocksAcknowledged; }
    [[nodiscard]] const std::optional<VerifyResult>& verifyResult() const { return m_verify; }
    // A write that completed and, when read back, matched: its window confirms and stays.
    [[nodiscard]] bool writeConfirmed() const;
    [[nodiscard]] const std::string& statusText() const { return m_statusText; }
    [[nodiscard]] int progressPosition() const { return m_position; }
    // The protocol's own waits so far, for the lower bound of a transfer's time.
    [[nodiscard]] double pausedMs() const { return m_pausedMs; }

private:
    enum class Stage {
        OpenAnswered,
        HandshakePause,
        WakeStart,
        WakeBytePause,
        WakeByteWrite,
        WakeByteWritten,
        WakeRead,
        WakeFirstByte,
        WakeSecondByte,
        NoAnswer,
        ModePause,
        ModeWrite,
        ArgumentPause,
        ArgumentWrite,
        IdentityRead,
        TypeCheck,
        TypeAnswered,
        TypeAccepted,
        FinalAckWrite,
        FinalAckRead,
        FinalAckCheck,
        FinalAckFailed,
        CommError,
        CommAnswered,
        Reopened,
        WriteBlockCommand,
        WriteCommandPause,
        WriteBlockData,
        WriteBlockSent,
        WriteBlockAck,
        BlockPause,
        ReadBlockCommand,
        ReadBlockReply,
        ReadBlockSurplus,
        ReadBlockAckWrite,
        ReadBlockAckRead,
        ReadBlockAckCheck,
        EndAfterMessage,
        Reporting,
        Done,
    };
    enum class Wait { None, Pause, Read, Write, Open, Answer };
    enum class Ending { WriteDone, WriteInterrupted, ReadDone, Failed, Cancelled, NoPort };

    void run();
    void runStage();
    void runHandshakeStage();
    void runIdentifyStage();
    void runWriteStage();
    void runReadStage();
    [[nodiscard]] bool echoIsTheRadiosHabit(std::uint16_t address);
    void runEndStage();
    void beginHandshake();
    void beginPhase();
    void pause(int ms, Stage next);
    void readBytes(std::size_t count, Stage next);
    void finishRead();
    void writeBytes(std::vector<std::uint8_t> bytes, Stage next);
    void purge();
    std::size_t purgeCounted();
    void ask(std::string text, PromptButtons buttons, Stage next);
    void failWith(std::string text, Ending ending);
    void setStatus(std::string text);
    void setRange();
    void stepProgress();
    void emitProgress();
    [[nodiscard]] bool cancelNow();
    void endSession(Ending ending);
    void beginVerify();
    void finishAll();
    void queueReports();
    [[nodiscard]] VerifyResult compareReadBack() const;
    [[nodiscard]] bool replyAcknowledged() const;
    [[nodiscard]] RadioImage& phaseImage() { return m_verifying ? m_readBack : m_image; }
    [[nodiscard]] TransferDirection phaseDirection() const;
    void post(SessionAction action) { m_actions.push_back(std::move(action)); }

    TransferDirection m_direction = TransferDirection::Read;
    SessionOptions m_options;
    RadioImage m_image;
    RadioImage m_sent;
    RadioImage m_readBack;
    std::vector<SessionAction> m_actions;

    bool m_running = false;
    bool m_ended = false;
    bool m_cancelRequested = false;
    bool m_lost = false;
    bool m_portOpen = false;
    bool m_openOk = false;
    std::string m_openTrouble; // why the port did not open
    Stage m_stage = Stage::Done;
    Wait m_wait = Wait::None;
    double m_now = 0;
    double m_pauseUntil = 0;
    bool m_writeOk = false;
    double m_writeUntil = 0;
    // Cancel ends the session at once here: during the handshake and between blocks.
    bool m_cancellable = false;
    Ending m_pendingEnding = Ending::Failed;
    bool m_rangeSet = false;
    PromptAnswer m_answer = PromptAnswer::Cancel;

    // The read in progress: the radio's timeout rule, counted on this session's clock.
    std::vector<std::uint8_t> m_input; // arrived, not yet read or purged
    std::vector<std::uint8_t> m_read;
    std::size_t m_readWanted = 0;
    double m_readTotalUntil = 0;
    std::optional<double> m_lastByteAt;
    bool m_readFailed = false;

    int m_attempt = 1;
    bool m_typeCheckPending = true;
    std::size_t m_wakeIndex = 0;
    int m_block = 0;
    std::size_t m_surplus = 0;
    std::size_t m_habitualSurplus = 0;
    bool m_radioEchoes = false; // block 0's reply repeated its address and length
    std::array<std::uint8_t, RadioTransfer::ReplySize> m_reply{};
    bool m_verifying = false;
    Ending m_mainEnding = Ending::Failed;
    std::vector<std::string> m_reports;

    TransferOutcome m_outcome = TransferOutcome::Failed;
    bool m_readCompleted = false;
    bool m_wroteToRadio = false;
    int m_blocksSent = 0;
    int m_blocksAcknowledged = 0;
    std::optional<VerifyResult> m_verify;
    std::string m_statusText;
    std::string m_progressPrefix;
    int m_position = 0;
    double m_pausedMs = 0;
};

} // namespace tarn
