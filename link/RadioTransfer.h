#pragma once

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "common/Translate.h"
#include "data/RadioImage.h"
#include "link/TransferTarget.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

class Clock;
class SerialLine;
class TransferUi;

enum class TransferOutcome {
    Completed,
    Failed,          // a message was shown, or the user cancelled a prompt
    Cancelled,       // the progress window's Cancel button
    PortUnavailable, // the port could not be opened
};

// What reading the radio back after a write found.
struct VerifyResult {
    bool readBack = false; // false: the radio could not be read back
    int differingBlocks = 0;
    std::uint16_t firstAddress = 0; // of the first differing block
    int comparedBlocks = 0;

    [[nodiscard]] bool passed() const { return readBack && differingBlocks == 0; }
};

// One Read From Radio or Write To Radio run: wake-up handshake, then 8-byte blocks, each
// acknowledged before the next. Runs synchronously, with nothing else running meanwhile: the
// browser's demo radio uses it; TARN and tarn-cli run TransferSession.
class RadioTransfer {
public:
    static constexpr const char* Caption = AppTitles::AppName;
    static constexpr const char* OpenFailedText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt",
        "Could not Open the Port,Please check whether the Port are occupied or the device are ok");
    static constexpr const char* DetectingText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Now are detecting Communication Port,Please wait...");
    static constexpr const char* WaitingText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Waiting the response from radio....");
    static constexpr const char* CommErrorText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt",
        "Communication Error\xEF\xBC\x8CPlease check all the connections and the radio power");
    static constexpr const char* TypeMismatchText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", " Radio Type are not match for your setting\xEF\xBC\x8CIf you want "
                        "continue,push ok button");
    static constexpr const char* SendOrderText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", " Error in the Send Order");
    static constexpr const char* ProgramInterruptText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", " Program Interrupt\xEF\xBC\x8CPlease reset the radio and try again");
    static constexpr const char* NotEnoughText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "not received enough  byte");
    static constexpr const char* ReadAckText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Error had happen,please try again");
    static constexpr const char* VerifyingText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Verifying: reading the radio back...");
    static constexpr const char* VerifyProgressPrefix = "Verify ";
    static constexpr const char* VerifyPassedText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Verify passed: the radio holds what was written");
    static constexpr const char* VerifyUnreadableText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Verify could not read the radio back");

    static constexpr std::uint8_t Ack = 0x06;
    static constexpr std::array<std::uint8_t, 7> WakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
    static constexpr std::uint8_t ModeRequest = 'M';
    static constexpr std::uint8_t ModeArgument = 0x02;
    static constexpr std::uint8_t WriteCommand = 'W';
    static constexpr std::uint8_t ReadCommand = 'R';
    static constexpr std::size_t IdentitySize = 8;
    static constexpr std::size_t IdentityTypeIndex = 4;
    static constexpr std::uint8_t NoRadioType = 0xFF;
    static constexpr std::size_t ReplySize = 12;
    static constexpr std::size_t ReplyDataOffset = 4;
    static constexpr int Attempts = 15;
    static constexpr int ProgressMaximum = 403;

    RadioTransfer(SerialLine& line, TransferUi& ui, Clock& clock);

    [[nodiscard]] TransferOutcome run(const std::string& portName, TransferTarget& target);
    // Whether the last run sent the radio any block data, so its memory may have changed.
    [[nodiscard]] bool wroteToRadio() const { return m_wroteToRadio; }

    // After a complete write, read the radio back in a new session and compare.
    void setVerifyAfterWrite(bool verify) { m_verifyAfterWrite = verify; }
    // The last run's verify pass; empty when none ran.
    [[nodiscard]] const std::optional<VerifyResult>& verifyResult() const { return m_verify; }
    // Write blocks of the last run whose data went out, and those the radio acknowledged.
    [[nodiscard]] int blocksSent() const { return m_blocksSent; }
    [[nodiscard]] int blocksAcknowledged() const { return m_blocksAcknowledged; }

    // "Verify failed: 3 blocks differ, the first at 0x0150"
    [[nodiscard]] static std::string verifyFailedText(int blocks, std::uint16_t firstAddress);
    // True for the status texts that only count blocks: "12", or "Verify 12" when reading back.
    [[nodiscard]] static bool isBlockCount(std::string_view text);
    // Shown when a write stopped after some blocks had gone out.
    [[nodiscard]] static std::string partlyWrittenText(int acknowledged);
    // The whole messages: the line above, then the channels and settings that differ, or the
    // last channel written.
    [[nodiscard]] static std::string verifyFailedReport(const VerifyResult& verify,
                                                        const RadioImage& sent,
                                                        const RadioImage& readBack);
    [[nodiscard]] static std::string partlyWrittenReport(int acknowledged, const RadioImage& sent);

    // The 4-byte command that opens a block exchange.
    [[nodiscard]] static std::array<std::uint8_t, 4> blockCommand(std::uint8_t command,
                                                                  std::uint16_t address);

private:
    enum class Ending { WriteDone, WriteInterrupted, ReadDone, Failed, Cancelled };
    enum class Step { Answered, NoAnswer, CommError, Rewake, Ready, Failed, Cancelled };

    void configureLine();
    [[nodiscard]] Ending session(TransferTarget& target);
    [[nodiscard]] Step wakeUp();
    [[nodiscard]] Step identify(TransferTarget& target);
    [[nodiscard]] Step checkRadioType(TransferTarget& target);
    [[nodiscard]] bool acknowledged();
    [[nodiscard]] bool retryAfterCommError();
    [[nodiscard]] bool reopenIfLost();
    [[nodiscard]] Ending writePhase(TransferTarget& target);
    [[nodiscard]] bool writeBlock(TransferTarget& target, std::uint16_t address);
    [[nodiscard]] Ending readPhase(TransferTarget& target);
    void verifyWrite(TransferTarget& target);
    [[nodiscard]] VerifyResult compareReadBack(const RadioImage& readBack) const;
    [[nodiscard]] bool readReply(std::uint16_t address);
    [[nodiscard]] bool surplusIsTheRadiosHabit(int block, std::size_t surplus);
    [[nodiscard]] bool echoIsTheRadiosHabit(int block, std::uint16_t address);
    [[nodiscard]] Ending failedOrCancelled(const char* text);
    void finish(Ending ending, TransferTarget& target);
    void reportAfterWrite(Ending ending);
    void stepProgress();
    [[nodiscard]] bool pausePasses(int passes, int sleepMs);
    [[nodiscard]] bool writeByte(std::uint8_t byte);
    [[nodiscard]] bool writeAfterPurge(std::uint8_t byte);
    [[nodiscard]] PromptAnswer ask(const char* text, PromptButtons buttons);

    SerialLine& m_line;
    TransferUi& m_ui;
    Clock& m_clock;
    std::string m_portName;
    bool m_wroteToRadio = false;
    bool m_typeCheckPending = true;
    std::array<std::uint8_t, IdentitySize> m_identity{};
    std::size_t m_identityCount = 0;
    bool m_verifyAfterWrite = false;
    std::optional<VerifyResult> m_verify;
    RadioImage m_sent;
    RadioImage m_readBack;
    int m_blocksSent = 0;
    int m_blocksAcknowledged = 0;
    std::string m_progressPrefix;
    std::array<std::uint8_t, ReplySize> m_reply{};
    std::size_t m_habitualSurplus = 0; // bytes after block 0's reply; every block must match
    bool m_radioEchoes = false;        // block 0's reply repeated its address and length
};

} // namespace tarn
