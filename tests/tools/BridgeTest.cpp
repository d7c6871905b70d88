// tarn-cli bridge: who may connect, and bytes relayed both ways with the port held only
// while a client is there.
#include "tests/support/PtyRadioFixture.h"
#include "tools/cli/BridgeOptions.h"
#include "tools/cli/SerialBridge.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QWebSocket>

#include <gtest/gtest.h>

#include <memory>

namespace tarn::cli {
namespace {

TEST(BridgeOptions, ParsesOrRefusesWithTheReason) {
    struct Case {
        std::vector<std::string> args;
        std::string error; // empty: accepted
        std::string host;
        int listenPort;
    };
    const std::vector<Case> cases = {
        {{"--port", "COM1"}, "", "127.0.0.1", 8890},
        {{"--port", "COM1", "--listen", "127.0.0.1:0"}, "", "127.0.0.1", 0},
        {{"--port", "COM1", "--listen", "localhost:9000"}, "", "localhost", 9000},
        {{"--listen", "127.0.0.1:1"}, "--port is required", "", 0},
        {{"--port"}, "--port takes a value", "", 0},
        {{"--port", "COM1", "--listen", "8890"}, "--listen takes HOST:PORT, not \"8890\"", "", 0},
        {{"--port", "COM1", "--listen", "h:70000"},
         "--listen takes HOST:PORT, not \"h:70000\"",
         "",
         0},
        {{"--port", "COM1", "--listen", "h:"}, "--listen takes HOST:PORT, not \"h:\"", "", 0},
        {{"--port", "COM1", "--listen", "192.168.1.5:8890"},
         "--listen 192.168.1.5 reaches beyond this computer: add --allow-remote",
         "",
         0},
        {{"--port", "COM1", "--listen", "192.168.1.5:8890", "--allow-remote"},
         "",
         "192.168.1.5",
         8890},
        {{"--port", "COM1", "--verbose"}, "unknown argument '--verbose'", "", 0},
    };
    for (const Case& c : cases) {
        BridgeOptions options;
        EXPECT_EQ(options.parse(c.args), c.error) << c.args.back();
        if (c.error.empty()) {
            EXPECT_EQ(options.host, c.host);
            EXPECT_EQ(options.listenPort, c.listenPort);
        }
    }
}

TEST(BridgeOptions, AdmitsPagesOfThisComputerAndNamedOrigins) {
    BridgeOptions options;
    ASSERT_EQ(options.parse({"--port", "COM1", "--allow-origin", "https://lab.example"}), "");
    const std::vector<std::pair<std::string, bool>> cases = {
        {"null", true},
        {"http://localhost", true},
        {"http://localhost:8891", true},
        {"http://127.0.0.1:8891", true},
        {"https://lab.example", true},
        {"", false},
        {"http://localhost.evil.example", false},
        {"http://127.0.0.1.evil.example:80", false},
        {"http://localhost:88a", false},
        {"https://localhost:8891", false},
        {"http://example.com", false},
        {"https://lab.example:444", false},
    };
    for (const auto& [origin, allowed] : cases)
        EXPECT_EQ(options.originAllowed(origin), allowed) << origin;
}

class BridgeRelay : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "bridge_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            s_app = new QCoreApplication(argc, argv);
    }

    void SetUp() override {
        m_radio.start();
        BridgeOptions options;
        ASSERT_EQ(options.parse({"--port", m_radio.devicePath(), "--listen", "127.0.0.1:0"}), "");
        m_bridge = std::make_unique<SerialBridge>(options, "0123456789abcdef0123456789abcdef");
        ASSERT_EQ(m_bridge->listen(), "");
    }

    void TearDown() override {
        m_bridge.reset();
        m_radio.stop();
    }

    // A client of the given origin; returns once it is open (the bridge said "open") or closed.
    std::unique_ptr<QWebSocket> connectClient(const QString& origin, std::string address = {}) {
        auto client = std::make_unique<QWebSocket>(origin);
        QSignalSpy texts(client.get(), &QWebSocket::textMessageReceived);
        QSignalSpy closed(client.get(), &QWebSocket::disconnected);
        client->open(QUrl(QString::fromStdString(address.empty() ? m_bridge->address() : address)));
        for (int i = 0; i < 50 && texts.isEmpty() && closed.isEmpty(); ++i)
            (void)texts.wait(100);
        if (!texts.isEmpty()) {
            EXPECT_EQ(texts.front().front().toString(), "open");
        }
        return client;
    }

    static inline QCoreApplication* s_app = nullptr;
    test::PtyRadioFixture m_radio;
    std::unique_ptr<SerialBridge> m_bridge;
};

TEST_F(BridgeRelay, RelaysBytesBothWaysAndConfirmsWrites) {
    auto client = connectClient(QStringLiteral("null"));
    ASSERT_EQ(client->state(), QAbstractSocket::ConnectedState);
    QSignalSpy texts(client.get(), &QWebSocket::textMessageReceived);
    QSignalSpy replies(client.get(), &QWebSocket::binaryMessageReceived);
    const QByteArray wakeUp("\x02PROGRA", 7);
    client->sendBinaryMessage(wakeUp);
    ASSERT_TRUE(texts.wait(2000));
    EXPECT_EQ(texts.front().front().toString(), "written");
    // The radio's acknowledge of the wake-up comes back as a frame of its own.
    if (replies.isEmpty()) {
        ASSERT_TRUE(replies.wait(2000));
    }
    EXPECT_EQ(replies.front().front().toByteArray(), QByteArray("\x06", 1));
    QSignalSpy gone(client.get(), &QWebSocket::disconnected);
    client->close();
    if (gone.isEmpty())
        (void)gone.wait(1000);
    m_radio.stop();
    QByteArray toRadio;
    for (const WireByte& byte : m_radio.radio().wireLog().entries())
        if (byte.direction == WireDirection::ToRadio)
            toRadio.append(static_cast<char>(byte.value));
    EXPECT_EQ(toRadio, wakeUp);
}

TEST_F(BridgeRelay, ServesOneClientWithTheTokenFromAnAllowedOrigin) {
    auto first = connectClient(QStringLiteral("http://localhost:8891"));
    ASSERT_EQ(first->state(), QAbstractSocket::ConnectedState);

    // Qt's client predates close code 1013 and reports it as a protocol error; the browser
    // suite sees the 1013 itself.
    auto second = connectClient(QStringLiteral("null"));
    EXPECT_EQ(second->state(), QAbstractSocket::UnconnectedState);
    EXPECT_NE(second->closeCode(), SerialBridge::PolicyViolation);
    EXPECT_EQ(first->state(), QAbstractSocket::ConnectedState);
    auto foreign = connectClient(QStringLiteral("https://example.com"));
    EXPECT_EQ(foreign->closeCode(), SerialBridge::PolicyViolation);
    std::string wrongToken = m_bridge->address();
    wrongToken.back() = wrongToken.back() == '0' ? '1' : '0';
    auto guessing = connectClient(QStringLiteral("null"), wrongToken);
    EXPECT_EQ(guessing->closeCode(), SerialBridge::PolicyViolation);

    // Once the first has gone, the port is free for the next.
    QSignalSpy gone(first.get(), &QWebSocket::disconnected);
    first->close();
    if (gone.isEmpty())
        (void)gone.wait(1000);
    auto next = connectClient(QStringLiteral("null"));
    EXPECT_EQ(next->state(), QAbstractSocket::ConnectedState);
}

} // namespace
} // namespace tarn::cli
