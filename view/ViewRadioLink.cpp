#include "view/ViewRadioLink.h"

#include "view/ChannelView.h"

#include "data/ChannelDocument.h"
#include "link/QtTransferUi.h"
#include "link/RadioTransfer.h"
#include "link/SerialPortLine.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace tarn {

ViewRadioLink::ViewRadioLink(ChannelView& view, std::function<void()> commitEditor)
    : m_view(view)
    , m_commitEditor(std::move(commitEditor))
    , m_dialog(&view, [this] { onTransfer(); }) {}

ViewRadioLink::~ViewRadioLink() {
    watchFrame(false);
}

bool ViewRadioLink::handlesCommand(int id) const {
    return id == ReadCommand || id == WriteCommand || portOf(id) != nullptr;
}

void ViewRadioLink::updateCommand(int id, CommandState& state) {
    // A key pressed during a transfer must never start another or turn a read into a write.
    state.enabled = (id != ReadCommand && id != WriteCommand) || !anyTransferring();
    if (const char* port = portOf(id))
        state.checked = m_portName == port;
}

void ViewRadioLink::runCommand(int id) {
    if (const char* port = portOf(id)) {
        // Only the next transfer's port; a running one keeps its open line.
        m_portName = port;
        return;
    }
    switch (id) {
    case ReadCommand:
        startCommand(TransferDirection::Read, ReadCaption);
        break;
    case WriteCommand:
        startCommand(TransferDirection::Write, WriteCaption);
        break;
    default:
        break;
    }
}

const char* ViewRadioLink::portOf(int id) {
    switch (id) {
    case Com1Command:
        return "COM1";
    case Com2Command:
        return "COM2";
    case Com3Command:
        return "COM3";
    case Com4Command:
        return "COM4";
    default:
        break;
    }
    return nullptr;
}

void ViewRadioLink::useDevices(SerialLine& line, Clock& clock) {
    m_line = &line;
    m_clock = &clock;
}

void ViewRadioLink::startCommand(TransferDirection direction, const char* caption) {
    // The value being typed belongs to what is written.
    if (m_commitEditor)
        m_commitEditor();
    m_dialog.setCaption(QString::fromUtf8(caption));
    m_direction = direction;
    // An open window keeps its caption; its Start uses the new direction.
    if (!m_dialog.hasWindow())
        m_dialog.Create(&m_view.grid());
}

void ViewRadioLink::onTransfer() {
    if (m_running || !m_dialog.hasWindow())
        return;
    if (!m_line) {
        m_ownLine = std::make_unique<SerialPortLine>();
        m_line = m_ownLine.get();
    }
    m_running = true;
    ++s_running;
    watchFrame(true);
    emit transferStarted();
    {
        QtTransferUi ui(m_dialog, m_view.prompter());
        RadioTransfer transfer(*m_line, ui, *m_clock);
        const std::string port = m_portName;
        // Every ending has told the user what happened, or was the user's own Cancel.
        (void)transfer.run(port, *this);
    }
    watchFrame(false);
    m_running = false;
    --s_running;
    emit transferEnded();
    runDeferred();
}

void ViewRadioLink::cancelThen(std::function<void()> action) {
    if (!m_running) {
        action();
        return;
    }
    m_deferred.push_back(std::move(action));
    m_dialog.onCancel();
}

void ViewRadioLink::runDeferred() {
    // Queued, so an action that closes the view never runs inside this view's handler.
    for (std::function<void()>& action : std::exchange(m_deferred, {}))
        QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
}

void ViewRadioLink::watchFrame(bool watch) {
    if (m_frame)
        m_frame->removeEventFilter(this);
    m_frame = watch ? qobject_cast<QMdiSubWindow*>(m_view.parentWidget()) : nullptr;
    if (m_frame)
        m_frame->installEventFilter(this);
}

bool ViewRadioLink::eventFilter(QObject* watched, QEvent* event) {
    if (m_running && watched == m_frame && event->type() == QEvent::Close) {
        // The window goes once the transfer has let go of its port.
        event->ignore();
        cancelThen([frame = QPointer<QMdiSubWindow>(m_frame)] {
            if (frame)
                frame->close();
        });
        return true;
    }
    return QObject::eventFilter(watched, event);
}

RadioImage& ViewRadioLink::image() {
    return m_view.document().image();
}

int ViewRadioLink::channelCount() const {
    return m_view.document().channelCount();
}

void ViewRadioLink::setChannelCount(int count) {
    m_view.document().setChannelCount(count);
}

void ViewRadioLink::parseGrid() {
    // The row dump is a by-product for inspection; what is sent comes from the image.
    (void)m_view.parseGrid();
}

void ViewRadioLink::renderGrid() {
    m_view.numberRows();
    m_view.renderGrid();
    // What was read is new to the document: closing it asks to save.
    m_view.document().setModified(true);
    emit imageReceived();
}

} // namespace tarn
