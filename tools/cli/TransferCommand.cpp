#include "tools/cli/TransferCommand.h"

#include "common/SystemClock.h"
#include "link/SerialPortLine.h"
#include "tools/cli/CliTransferTarget.h"
#include "tools/cli/ConsolePrompter.h"
#include "tools/cli/ConsoleTransferUi.h"

#include <QCoreApplication>

#include <csignal>
#include <memory>
#include <ostream>

namespace tarn::cli {

namespace {

extern "C" void onInterrupt(int) {
    ConsoleTransferUi::requestCancel();
}

// Ctrl-C cancels the transfer (the port is closed properly) instead of killing the program.
class InterruptAsCancel {
public:
    InterruptAsCancel() {
        ConsoleTransferUi::resetCancel();
        m_previous = std::signal(SIGINT, onInterrupt);
    }
    ~InterruptAsCancel() { std::signal(SIGINT, m_previous); }
    InterruptAsCancel(const InterruptAsCancel&) = delete;
    InterruptAsCancel& operator=(const InterruptAsCancel&) = delete;

private:
    void (*m_previous)(int) = SIG_DFL;
};

// The serial port wants a Qt application object; the command line has none of its own.
std::unique_ptr<QCoreApplication> ensureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    static int argc = 1;
    static char name[] = "tarn-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

std::string TransferCommand::optionsUsage() {
    return "  --port P       a device path such as /dev/ttyUSB0, or COM1 to COM4 (through\n"
           "                 TARN_COM1..TARN_COM4, the settings, or /dev/ttyUSB0..3)\n"
           "  --retry N      answer Retry to a communication error up to N times (default 0)\n"
           "  --force-type   continue when the radio reports another radio type\n"
           "\n"
           "Every message of the radio link is printed to stderr. Ctrl-C cancels the\n"
           "transfer and closes the port properly.\n";
}

int TransferCommand::run(const std::vector<std::string>& args, CliContext& context) {
    std::string error;
    const std::optional<TransferOptions> options = TransferOptions::parse(args, error);
    if (!options) {
        context.err << "tarn-cli " << name() << ": " << error << "\n\n" << usage();
        return UsageError;
    }
    std::optional<CliTransferTarget> target = prepare(*options, context);
    if (!target)
        return Failure;
    const Result result = transfer(*options, *target, context);
    if (result.outcome == TransferOutcome::Completed)
        return complete(*options, *target, context) ? Success : Failure;
    if (result.outcome == TransferOutcome::Cancelled)
        context.err << "tarn-cli: cancelled\n";
    if (result.wroteToRadio)
        context.err << "tarn-cli: the radio was partly written; write it again before use\n";
    return exitStatus(result);
}

int TransferCommand::exitStatus(const Result& result) {
    if (result.wroteToRadio)
        return WriteStopped;
    switch (result.outcome) {
    case TransferOutcome::Completed:
        return Success;
    case TransferOutcome::Cancelled:
        return CancelledClean;
    case TransferOutcome::Failed:
    case TransferOutcome::PortUnavailable:
        return NoRadio;
    case TransferOutcome::Busy:
        break;
    }
    return Failure;
}

TransferCommand::Result TransferCommand::transfer(const TransferOptions& options,
                                                  CliTransferTarget& target, CliContext& context) {
    const auto application = ensureApplication();
    const InterruptAsCancel interrupt;
    SerialPortLine line;
    ConsolePrompter prompter(context.err, options.retries, options.forceType);
    ConsoleTransferUi ui(context.err, context.errIsTerminal, progressLabel(), prompter);
    SystemClock clock;
    RadioTransfer radioTransfer(line, ui, clock);
    const TransferOutcome outcome = radioTransfer.run(options.port, target);
    if (!line.errorText().empty())
        context.err << "tarn-cli: " << line.devicePath() << ": " << line.errorText() << "\n";
    return {outcome, radioTransfer.wroteToRadio()};
}

} // namespace tarn::cli
