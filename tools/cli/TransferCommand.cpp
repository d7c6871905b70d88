#include "tools/cli/TransferCommand.h"

#include "common/Translate.h"
#include "tools/cli/CliText.h"

#include "data/AtomicFile.h"
#include "link/SerialPortLine.h"
#include "link/TraceRecorder.h"
#include "tools/cli/CliTrace.h"
#include "tools/cli/CliTransferTarget.h"
#include "tools/cli/ConsolePrompter.h"
#include "tools/cli/ConsoleTransferUi.h"
#include "tools/cli/SessionLoop.h"

#include <QCoreApplication>

#include <array>
#include <csignal>
#include <memory>
#include <ostream>

namespace tarn::cli {

namespace {

extern "C" void onInterrupt(int) {
    ConsoleTransferUi::requestCancel();
}

// Ctrl-C, and a polite kill or a closed terminal alike, cancel the transfer: the port is
// closed properly, a partly programmed radio is reported and what went out is backed up.
class InterruptAsCancel {
public:
    static constexpr std::array<int, 3> Signals = {SIGINT, SIGTERM, SIGHUP};

    InterruptAsCancel() {
        ConsoleTransferUi::resetCancel();
        for (std::size_t i = 0; i < Signals.size(); ++i)
            m_previous[i] = std::signal(Signals[i], onInterrupt);
    }
    ~InterruptAsCancel() {
        for (std::size_t i = 0; i < Signals.size(); ++i)
            std::signal(Signals[i], m_previous[i]);
    }
    InterruptAsCancel(const InterruptAsCancel&) = delete;
    InterruptAsCancel& operator=(const InterruptAsCancel&) = delete;

private:
    std::array<void (*)(int), Signals.size()> m_previous{};
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
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "  --port P       a device path such as /dev/ttyUSB0, or COM1 to COM4 (through\n"
               "                 TARN_COM1..TARN_COM4, the settings, or /dev/ttyUSB0..3)\n"
               "  --retry N      answer Retry to a communication error up to N times (default 0)\n"
               "  --force-type   continue when the radio reports another radio type\n"
               "\n"
               "Every message of the radio link is printed to stderr. Ctrl-C, SIGTERM and SIGHUP\n"
               "cancel the transfer and close the port properly. Every image read, and every\n"
               "image written, is kept as a backup in $XDG_DATA_HOME/tarn/backups (default\n"
               "~/.local/share/tarn/backups; the newest 200 are kept); its path is printed to\n"
               "stderr.\n")) +
           CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "\n"
               "  --trace FILE   write the serial trace of the transfer to FILE as well\n"
               "\n"
               "The bytes of every transfer, both ways, are kept as a serial trace in\n"
               "$XDG_STATE_HOME/tarn/traces (default ~/.local/state/tarn/traces; the newest 10\n"
               "are kept).\n"));
}

bool TransferCommand::accepts(const TransferOptions& options, std::string& error) const {
    if (options.ports.size() > 1) {
        error = name() + " takes one --port";
        return false;
    }
    if (options.verify) {
        error = "--verify belongs to write";
        return false;
    }
    return true;
}

int TransferCommand::runFleet(const TransferOptions& /*options*/, CliTransferTarget& /*target*/,
                              CliContext& /*context*/) {
    return UsageError;
}

int TransferCommand::run(const std::vector<std::string>& args, CliContext& context) {
    std::string error;
    std::optional<TransferOptions> options = TransferOptions::parse(args, error);
    if (options && !accepts(*options, error))
        options.reset();
    if (!options) {
        context.err << "tarn-cli " << name() << ": " << error << "\n\n" << usage();
        return UsageError;
    }
    if (!options->traceFile.empty()) {
        // Checked before the radio is touched, as the output file is.
        if (const auto why = AtomicFile::probe(options->traceFile)) {
            context.err << "tarn-cli " << name() << ": cannot write the trace "
                        << options->traceFile << ": " << *why << "\n";
            return Failure;
        }
    }
    std::optional<CliTransferTarget> target = prepare(*options, context);
    if (!target)
        return Failure;
    const auto application = ensureApplication();
    const InterruptAsCancel interrupt;
    if (options->ports.size() > 1)
        return runFleet(*options, *target, context);
    const TransferReport report = transfer(*options, *target, context);
    if (report.outcome == TransferOutcome::Cancelled)
        context.err << "tarn-cli: cancelled\n";
    return conclude(*options, report, *target, context);
}

TransferReport TransferCommand::transfer(const TransferOptions& options, CliTransferTarget& target,
                                         CliContext& context) {
    SerialPortLine line;
    line.setStopCheck(&ConsoleTransferUi::cancelPending);
    ConsolePrompter prompter(context.err, options.retries, options.forceType);
    ConsoleTransferUi ui(context.err, context.errIsTerminal, progressLabel(), prompter);
    SessionLoop loop;
    TraceRecorder recorder;
    const std::size_t index = loop.add(options.port(), line, ui, target.direction(), target.image(),
                                       SessionOptions{options.verify});
    loop.setSessionObserver(index, &recorder);
    loop.run();
    const TransferSession& session = loop.session(index);
    (void)CliTrace(context).keep(recorder, session, options.port(), line.devicePath(),
                                 options.traceFile);
    target.image() = session.image();
    if (session.readCompleted())
        target.setChannelCount(
            channelCountForModel(target.image().modelType(), target.channelCount()));
    if (!line.errorText().empty())
        context.err << "tarn-cli: " << line.devicePath() << ": " << line.errorText() << "\n";
    TransferReport report = TransferReport::collect(session);
    report.port = options.port();
    report.lineError = line.errorText();
    return report;
}

} // namespace tarn::cli
