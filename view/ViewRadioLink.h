#pragma once

#include "common/SystemClock.h"
#include "link/TransferProgressDialog.h"
#include "link/TransferTarget.h"
#include "qtsupport/CommandTarget.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMdiSubWindow;

namespace tarn {

class ChannelView;
class Clock;
class SerialLine;

// A channel view's side of the radio link: its port, its direction, its progress window,
// the Read and Write commands and the transfer they start.
class ViewRadioLink : public QObject, public CommandTarget, private TransferTarget {
    Q_OBJECT
public:
    static constexpr int ReadCommand = 32771;
    static constexpr int WriteCommand = 32772;
    static constexpr int Com1Command = 32773;
    static constexpr int Com2Command = 32775;
    static constexpr int Com3Command = 32776;
    static constexpr int Com4Command = 32777;
    static constexpr const char* ReadCaption = "Reading Data Progress";
    static constexpr const char* WriteCaption = "Writing Data Progress";
    static constexpr const char* DefaultPort = "COM1";

    ViewRadioLink(ChannelView& view, std::function<void()> commitEditor);
    ~ViewRadioLink() override;
    ViewRadioLink(const ViewRadioLink&) = delete;
    ViewRadioLink& operator=(const ViewRadioLink&) = delete;

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

    // The line and clock of later transfers; the real port and clock unless given.
    void useDevices(SerialLine& line, Clock& clock);

    [[nodiscard]] const std::string& portName() const { return m_portName; }
    [[nodiscard]] TransferDirection direction() const override { return m_direction; }
    [[nodiscard]] TransferProgressDialog& progressDialog() { return m_dialog; }
    [[nodiscard]] bool isTransferring() const { return m_running; }
    // Whether a transfer runs in any window: they share one pump, so another cannot start.
    [[nodiscard]] static bool anyTransferring() { return s_running > 0; }

    // Runs action once no transfer runs any more; a running one is cancelled first.
    void cancelThen(std::function<void()> action);

    // The queued request of the progress window's Start.
    void onTransfer();

signals:
    // Start was pressed: Read and Write are unavailable until transferEnded.
    void transferStarted();
    // The transfer has ended and its port is closed.
    void transferEnded();
    // A completed read replaced the document's image: other windows of it must show it too.
    void imageReceived();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startCommand(TransferDirection direction, const char* caption);
    [[nodiscard]] static const char* portOf(int id);
    void watchFrame(bool watch);
    void runDeferred();

    RadioImage& image() override;
    [[nodiscard]] int channelCount() const override;
    void setChannelCount(int count) override;
    void parseGrid() override;
    void renderGrid() override;

    ChannelView& m_view;
    std::function<void()> m_commitEditor;
    std::string m_portName = DefaultPort;
    TransferDirection m_direction = TransferDirection::Read;
    TransferProgressDialog m_dialog;
    std::unique_ptr<SerialLine> m_ownLine;
    SystemClock m_systemClock;
    SerialLine* m_line = nullptr;
    Clock* m_clock = &m_systemClock;
    bool m_running = false;
    QPointer<QMdiSubWindow> m_frame;
    std::vector<std::function<void()>> m_deferred;
    static inline int s_running = 0;
};

} // namespace tarn
