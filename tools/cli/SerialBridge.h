#pragma once

#include "link/SerialPortLine.h"
#include "tools/cli/BridgeOptions.h"

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocketServer>

#include <memory>
#include <string>

class QSocketNotifier;
class QWebSocket;

namespace tarn::cli {

// A serial port relayed over a WebSocket, one client at a time. The client presents the
// token in the path, from a page of an allowed origin. Binary frames carry the bytes both
// ways, one frame per arrival; text frames tell the client "open" once the port is open
// (9600 8N1, held exclusively, as TARN opens it) and "written" once a write has left the
// port, so a session over the bridge keeps the timing it has on a local port. The port is
// opened for each client and closed when it goes.
class SerialBridge final : public QObject {
    Q_OBJECT

public:
    // Close codes a refused or ended client sees.
    static constexpr int TryAgainLater = 1013;   // another client holds the port
    static constexpr int PolicyViolation = 1008; // wrong origin or token
    static constexpr int PortFailed = 1011;      // the port could not be opened, or failed

    SerialBridge(BridgeOptions options, std::string token, QObject* parent = nullptr);
    ~SerialBridge() override;

    // Starts listening; the error, empty on success.
    [[nodiscard]] std::string listen();
    // The address a page is given: ws://HOST:PORT/TOKEN.
    [[nodiscard]] std::string address() const;
    [[nodiscard]] static std::string newToken();

signals:
    // What the bridge did, one line each, for the console.
    void happened(const QString& line);

private:
    void takeConnection();
    void takeClient();
    void dropClient();
    void relayFromPort();
    void relayToPort(const QByteArray& bytes);
    void checkDrained();
    void closePort();

    BridgeOptions m_options;
    std::string m_token;
    QTcpServer m_tcp;
    QWebSocketServer m_server;
    QPointer<QWebSocket> m_client;
    SerialPortLine m_line;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_drain;
    int m_unconfirmedWrites = 0;
};

} // namespace tarn::cli
