#include "tools/cli/TransferCommand.h"

#include "common/SystemClock.h"
#include "data/AtomicFile.h"
#include "data/TraceStore.h"
#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/SerialPortLine.h"
#include "link/TracingLine.h"
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
           "  --trace FILE   also write the serial trace of the transfer to FILE\n"
           "\n"
           "Every message of the radio link is printed to stderr. Ctrl-C cancels the\n"
           "transfer and closes the port properly. Every image read, and every image written,\n"
           "is kept as a backup in $XDG_DATA_HOME/tarn/backups (default\n"
           "~/.local/share/tarn/backups; the newest 200 are kept); its path is printed to\n"
           "stderr. The serial trace of every transfer is kept in $XDG_STATE_HOME/tarn/traces\n"
           "(default ~/.local/state/tarn/traces; the last 10 are kept).\n";
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
    if (!options->trace.empty()) {
        // Refused before the radio is touched, not after a transfer that cannot be repeated.
        if (const auto why = AtomicFile::probe(options->trace)) {
            context.err << "tarn-cli: cannot write the trace \"" << options->trace << "\": " << *why
                        << "\n";
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
    ConsolePrompter prompter(context.err, options.retries, options.forceType);
    ConsoleTransferUi ui(context.err, context.errIsTerminal, progressLabel(), prompter);
    SystemClock clock;
    SerialTrace trace;
    trace.addHeader("tarn-cli serial trace: " + name() + " through " +
                    PortNames::describe(options.port(), &PortSettings::lookup));
    TracingLine tracingLine(line, clock, trace);
    RadioTransfer radioTransfer(tracingLine, ui, clock);
    radioTransfer.setVerifyAfterWrite(options.verify);
    const TransferOutcome outcome = radioTransfer.run(options.port(), target);
    keepTrace(trace, options, context);
    if (!line.errorText().empty())
        context.err << "tarn-cli: " << line.devicePath() << ": " << line.errorText() << "\n";
    TransferReport report = TransferReport::collect(radioTransfer, outcome, target.direction());
    report.port = options.port();
    report.lineError = line.errorText();
    return report;
}

void TransferCommand::keepTrace(const SerialTrace& trace, const TransferOptions& options,
                                CliContext& context) const {
    const std::string text = trace.text();
    const SystemWallClock clock;
    TraceStore store(
        context.traceFolder.empty() ? TraceStore::defaultFolder() : context.traceFolder, clock);
    try {
        context.err << "tarn-cli: trace " << store.store(text, name()).string() << "\n";
    } catch (const TraceError& e) {
        context.err << "tarn-cli: warning: no trace kept: " << e.what() << "\n";
    }
    if (options.trace.empty())
        return;
    try {
        TraceStore::writeTo(options.trace, text);
    } catch (const TraceError& e) {
        context.err << "tarn-cli: warning: " << e.what() << "\n";
    }
}

} // namespace tarn::cli
