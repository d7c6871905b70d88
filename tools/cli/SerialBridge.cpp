#include "tools/cli/SerialBridge.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QWebSocket>

#include <array>

namespace tarn::cli {

namespace {
constexpr std::size_t InputQueueBytes = 1024;
constexpr std::size_t OutputQueueBytes = 512;
constexpr int DrainCheckMs = 1;
} // namespace

SerialBridge::SerialBridge(BridgeOptions options, std::string token, QObject* parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_token(std::move(token))
    , m_server(QStringLiteral("tarn-cli bridge"), QWebSocketServer::NonSecureMode) {
    connect(&m_tcp, &QTcpServer::newConnection, this, &SerialBridge::takeConnection);
    connect(&m_server, &QWebSocketServer::newConnection, this, &SerialBridge::takeClient);
    m_drain.setTimerType(Qt::PreciseTimer);
    m_drain.setInterval(DrainCheckMs);
    connect(&m_drain, &QTimer::timeout, this, &SerialBridge::checkDrained);
}

SerialBridge::~SerialBridge() {
    closePort();
}

std::string SerialBridge::newToken() {
    std::array<quint32, 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), static_cast<qsizetype>(words.size()));
    QString text;
    for (const quint32 word : words)
        text += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    return text.toStdString();
}

std::string SerialBridge::listen() {
    const QString host = QString::fromStdString(m_options.host);
    const QHostAddress address = host == QLatin1String("localhost")
                                     ? QHostAddress(QHostAddress::LocalHost)
                                     : QHostAddress(host);
    if (address.isNull())
        return "cannot listen on \"" + m_options.host + "\": not an address";
    if (!m_tcp.listen(address, m_options.listenPort))
        return "cannot listen on " + m_options.host + ":" + std::to_string(m_options.listenPort) +
               ": " + m_tcp.errorString().toStdString();
    return {};
}

std::string SerialBridge::address() const {
    QString host = m_tcp.serverAddress().toString();
    if (m_tcp.serverAddress().protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return "ws://" + host.toStdString() + ":" + std::to_string(m_tcp.serverPort()) + "/" + m_token;
}

void SerialBridge::takeConnection() {
    while (QTcpSocket* socket = m_tcp.nextPendingConnection()) {
        // Nagle and delayed acknowledgements together could hold a reply past the radio's
        // 30 ms interval.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        // The WebSocket server owns it from here.
        socket->setParent(nullptr);
        m_server.handleConnection(socket);
    }
}

void SerialBridge::takeClient() {
    while (QWebSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
        const std::string origin = socket->origin().toStdString();
        if (!m_options.originAllowed(origin) ||
            socket->requestUrl().path() != QString::fromStdString("/" + m_token)) {
            emit happened(QStringLiteral("refused a client from %1").arg(socket->origin()));
            socket->close(QWebSocketProtocol::CloseCode(PolicyViolation));
            continue;
        }
        // A client that has begun to close has let the port go, though Qt may not have
        // said so yet.
        if (m_client && m_client->state() != QAbstractSocket::ConnectedState)
            dropClient();
        if (m_client) {
            socket->close(QWebSocketProtocol::CloseCode(TryAgainLater),
                          QStringLiteral("the port is in use by another page"));
            continue;
        }
        if (!m_line.open(m_options.port)) {
            const QString why = QString::fromStdString(m_line.errorText());
            emit happened(QStringLiteral("could not open %1: %2")
                              .arg(QString::fromStdString(m_options.port), why));
            socket->close(QWebSocketProtocol::CloseCode(PortFailed), why.left(120));
            continue;
        }
        m_line.setQueueSizes(InputQueueBytes, OutputQueueBytes);
        m_line.setTimeouts(SerialTimeouts{});
        m_line.setLineSettings(LineSettings{});
        m_client = socket;
        connect(socket, &QWebSocket::binaryMessageReceived, this, &SerialBridge::relayToPort);
        connect(socket, &QWebSocket::disconnected, this, &SerialBridge::dropClient);
        m_notifier = std::make_unique<QSocketNotifier>(m_line.descriptor(), QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &SerialBridge::relayFromPort);
        emit happened(QStringLiteral("client from %1 on %2")
                          .arg(socket->origin(), QString::fromStdString(m_options.port)));
        socket->sendTextMessage(QStringLiteral("open"));
        socket->flush();
    }
}

void SerialBridge::dropClient() {
    if (!m_client)
        return;
    m_client->disconnect(this);
    closePort();
    m_client = nullptr;
    emit happened(QStringLiteral("client gone; port closed"));
}

void SerialBridge::relayFromPort() {
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const ReadResult got = m_line.readArrived(buffer);
        // A reply means the radio has what was sent: the client hears "written" first,
        // without waiting for the next drain check.
        if (got.count > 0 && m_unconfirmedWrites > 0)
            checkDrained();
        if (got.count > 0 && m_client) {
            m_client->sendBinaryMessage(QByteArray(reinterpret_cast<const char*>(buffer.data()),
                                                   static_cast<qsizetype>(got.count)));
            m_client->flush();
        }
        if (got.failed) {
            // Unplugged: the client hears it as its line going away.
            emit happened(QStringLiteral("the port failed"));
            closePort();
            if (m_client)
                m_client->close(QWebSocketProtocol::CloseCode(PortFailed));
            return;
        }
        if (got.count < buffer.size())
            return;
    }
}

void SerialBridge::relayToPort(const QByteArray& bytes) {
    const std::span<const std::uint8_t> view{reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             static_cast<std::size_t>(bytes.size())};
    if (!m_line.writeWithoutDrain(view)) {
        closePort();
        if (m_client)
            m_client->close(QWebSocketProtocol::CloseCode(PortFailed));
        return;
    }
    ++m_unconfirmedWrites;
    checkDrained();
}

void SerialBridge::checkDrained() {
    if (!m_line.isOpen() || !m_client)
        return m_drain.stop();
    if (!m_line.outputDrained()) {
        if (!m_drain.isActive())
            m_drain.start();
        return;
    }
    m_drain.stop();
    for (; m_unconfirmedWrites > 0; --m_unconfirmedWrites)
        m_client->sendTextMessage(QStringLiteral("written"));
    m_client->flush();
}

void SerialBridge::closePort() {
    m_drain.stop();
    m_unconfirmedWrites = 0;
    m_notifier.reset();
    if (m_line.isOpen())
        m_line.close();
}

} // namespace tarn::cli
