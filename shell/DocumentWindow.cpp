#include "shell/DocumentWindow.h"

#include "data/ImageDiff.h"
#include "dialogs/CompareSettingsWindow.h"
#include "link/RadioLink.h"
#include "qtsupport/CommandIds.h"
#include "resources/ResourceInit.h"
#include "shell/DocumentHost.h"
#include "shell/PrintService.h"
#include "shell/TarnDocument.h"
#include "view/ChannelTableModel.h"
#include "view/ChannelView.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QPointer>

#include <utility>

namespace tarn {

DocumentWindow::DocumentWindow(std::shared_ptr<TarnDocument> document, const ToneTable& tones,
                               Prompter& prompter, DocumentDialogs& dialogs, DocumentHost& host,
                               PrintService& printing, QWidget* parent)
    : QMdiSubWindow(parent)
    , m_document(std::move(document))
    , m_view(std::make_unique<ChannelView>(*m_document, tones, prompter, dialogs, nullptr,
                                           &m_document->channelModel()))
    , m_radioLink(
          std::make_unique<RadioLink>(*m_document, prompter, dialogs, *m_view, m_view->grid()))
    , m_host(host)
    , m_printing(printing) {
    initTarnResources();
    setWindowIcon(QIcon(QStringLiteral(":/tarn/pictures/tarn-32.png")));
    setWidget(m_view.get());
    resize(InitialWidth, InitialHeight);
    // The window menu keeps its items but no keys: Ctrl+W and Ctrl+F4 would close the window
    // at once, with a value still in an editor.
    if (QMenu* menu = systemMenu())
        for (QAction* action : menu->actions())
            action->setShortcuts({});
    connect(m_document.get(), &TarnDocument::titleChanged, this, &DocumentWindow::updateTitle);
    updateTitle();
}

DocumentWindow::~DocumentWindow() {
    m_radioLink.reset();
    // Take the view back from the window; its member deletes it before the document goes.
    setWidget(nullptr);
}

void DocumentWindow::initialUpdate() {
    m_view->initialUpdate();
}

void DocumentWindow::setWindowNumber(int number) {
    m_windowNumber = number;
    updateTitle();
}

void DocumentWindow::updateTitle() {
    QString title = m_document->title();
    if (m_windowNumber > 0)
        title += QStringLiteral(":%1").arg(m_windowNumber);
    setWindowTitle(title);
}

bool DocumentWindow::handlesCommand(int id) const {
    return id == cmd::FilePrint || id == cmd::FilePrintDirect || id == cmd::FilePrintPreview ||
           m_radioLink->handlesCommand(id);
}

void DocumentWindow::updateCommand(int id, CommandState& state) {
    if (m_radioLink->handlesCommand(id))
        m_radioLink->updateCommand(id, state);
}

void DocumentWindow::runCommand(int id) {
    if (m_radioLink->handlesCommand(id))
        m_radioLink->runCommand(id);
    else
        print(id);
}

void DocumentWindow::print(int id) {
    // Pages show the sheet, the working copy, with what is still being typed in any window.
    if (!m_document->storePendingEdits())
        return;
    const ChannelSheet& sheet = m_document->sheet();
    const int count = m_document->channelCount();
    const QString title = m_document->title();
    if (id == cmd::FilePrint)
        m_printing.print(this, sheet, count, title, true);
    else if (id == cmd::FilePrintDirect)
        m_printing.print(this, sheet, count, title, false);
    else if (id == cmd::FilePrintPreview)
        m_printing.preview(this, sheet, count, title);
}

void DocumentWindow::showComparison(const QString& comparedFile,
                                    const ImageDifferences& differences) {
    ChannelProxyModel& channels = m_view->channels();
    channels.clearMarks();
    for (const ChannelDifference& cell : differences.channels)
        channels.setCellMarked(cell.channel, cell.column, true);
    if (m_comparison)
        m_comparison->close();
    m_comparison = new CompareSettingsWindow(comparedFile, differences, this);
    m_comparison->setAttribute(Qt::WA_DeleteOnClose);
    m_comparison->show();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (!m_closing && m_radioLink->isTransferring()) {
        // The window goes once the transfer has ended, asked again as if asked then.
        event->ignore();
        if (!m_closeHeld) {
            m_closeHeld = true;
            m_radioLink->whenIdle(
                [window = QPointer<DocumentWindow>(this)] {
                    if (!window)
                        return;
                    window->m_closeHeld = false;
                    window->close();
                },
                tr("This window will close when the transfer ends."));
        }
        return;
    }
    if (m_closing || !m_host.canCloseFrame(*this)) {
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
    deleteLater();
    m_host.frameClosed(*this);
}

void DocumentWindow::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    // Shown again (restored, or the main window shown again) it stays where the user left it.
    if (!std::exchange(m_shown, true))
        emit firstShown();
}

} // namespace tarn
