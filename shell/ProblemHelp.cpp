#include "shell/ProblemHelp.h"

#include "common/AppTitles.h"
#include "common/RememberingPrompter.h"
#include "common/WallClock.h"
#include "data/ChannelCodec.h"
#include "data/ChannelTable.h"
#include "data/TraceStore.h"
#include "dialogs/ProblemReportDialog.h"
#include "dialogs/TraceViewerDialog.h"
#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/RadioLink.h"
#include "link/SystemPorts.h"
#include "shell/DocumentWindow.h"
#include "shell/ShellDialogs.h"
#include "shell/TarnDocument.h"

#include <QSysInfo>
#include <QtGlobal>

#include <vector>

namespace tarn {

namespace {

namespace fs = std::filesystem;

bool sameDevice(const std::string& a, const std::string& b) {
    std::error_code error;
    return a == b || fs::equivalent(a, b, error);
}

std::string programmedChannels(const ChannelDocument& document) {
    const ChannelSheet& sheet = document.sheet();
    std::vector<int> channels;
    for (int channel = 1; channel <= sheet.channelCount(); ++channel)
        if (!sheet.cellText(channel, ChannelCodec::RxFreqColumn).empty())
            channels.push_back(channel);
    return channels.empty() ? std::string() : ChannelTable::format(sheet, channels);
}

} // namespace

ProblemHelp::ProblemHelp(RememberingPrompter& prompter, ShellDialogs& dialogs)
    : m_prompter(prompter)
    , m_dialogs(dialogs) {}

fs::path ProblemHelp::traceFolder() const {
    return m_traceFolder.empty() ? TraceStore::defaultFolder() : m_traceFolder;
}

fs::path ProblemHelp::lastTrace() const {
    const SystemWallClock clock;
    const TraceStore store(traceFolder(), clock);
    return store.latest().value_or(fs::path());
}

void ProblemHelp::showLastTrace(QWidget* parent) {
    const fs::path path = lastTrace();
    if (path.empty()) {
        tell(NoTraceText + traceFolder().string() + ".");
        return;
    }
    std::string text;
    try {
        text = TraceStore::read(path);
    } catch (const TraceError& error) {
        tell(std::string("Could not show the trace: ") + error.what());
        return;
    }
    TraceViewerDialog dialog(
        QString::fromStdString(path.string()),
        QString::fromUtf8(text.data(), qsizetype(text.size())), m_prompter,
        [this, parent, name = path.filename()] {
            return m_dialogs.saveFileName(parent, QString::fromStdString(name.string()),
                                          QStringLiteral("Serial traces (*.trace);;All files (*)"),
                                          QStringLiteral("trace"));
        },
        parent);
    m_dialogs.helpWindow(dialog);
}

ProblemFacts ProblemHelp::facts(DocumentWindow* active) const {
    ProblemFacts facts;
    facts.program = std::string("TARN ") + TARN_VERSION + " (" + AppTitles::AppName + ")";
    facts.toolkit = std::string("Qt ") + qVersion();
    facts.system = (QSysInfo::prettyProductName() + QStringLiteral("; ") + QSysInfo::kernelType() +
                    QLatin1Char(' ') + QSysInfo::kernelVersion() + QStringLiteral("; ") +
                    QSysInfo::currentCpuArchitecture())
                       .toStdString();
    facts.lastMessage = m_prompter.lastText();
    facts.lastTrace = lastTrace().string();
    if (!active)
        return facts;
    const std::string name = active->radioLink().portName();
    facts.port = PortNames::describe(name, &PortSettings::lookup);
    const std::string device = PortNames::resolve(name, &PortSettings::lookup);
    for (const SystemPort& port : SystemPorts::available())
        if (sameDevice(port.path, device))
            facts.device = port;
    facts.frequencies = programmedChannels(active->document());
    return facts;
}

void ProblemHelp::reportProblem(QWidget* parent, DocumentWindow* active) {
    const ProblemFacts known = facts(active);
    ProblemReportDialog dialog(
        [known](bool withFrequencies) {
            return QString::fromStdString(ProblemReport::text(known, withFrequencies));
        },
        parent);
    m_dialogs.helpWindow(dialog);
}

void ProblemHelp::tell(const std::string& text) {
    (void)m_prompter.ask(
        Prompt{text, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Information});
}

} // namespace tarn
