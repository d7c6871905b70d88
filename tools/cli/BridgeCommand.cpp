#include "tools/cli/BridgeCommand.h"

#include "tools/cli/SerialBridge.h"

#include <QCoreApplication>

#include <memory>
#include <ostream>

namespace tarn::cli {

std::string BridgeCommand::usage() const {
    return "Usage: tarn-cli bridge --port PORT [--listen HOST:PORT] [--allow-origin ORIGIN]...\n"
           "                       [--allow-remote]\n"
           "\n"
           "Relays PORT (opened 9600 8N1 while a page uses it) over a WebSocket, so the TARN\n"
           "page in a browser reaches a radio on this computer or, for a wired LAN, another.\n"
           "Prints the address to give the page: open it as tarn.html?bridge=ADDRESS, or choose\n"
           "\"Remote port...\" in its progress window. Runs until interrupted.\n"
           "\n"
           "  --port PORT           the serial port (COM1, /dev/ttyUSB0, ...)\n"
           "  --listen HOST:PORT    where to listen (default 127.0.0.1:8890; port 0: any)\n"
           "  --allow-origin ORIGIN also accept pages from ORIGIN (pages opened from disk,\n"
           "                        http://localhost and http://127.0.0.1 always are)\n"
           "  --allow-remote        allow --listen on an address other computers reach\n"
           "\n"
           "Only a client presenting the address's token is served, one at a time; others are\n"
           "closed with code 1013.\n";
}

int BridgeCommand::run(const std::vector<std::string>& args, CliContext& context) {
    BridgeOptions options;
    if (const std::string error = options.parse(args); !error.empty()) {
        context.err << "tarn-cli bridge: " << error << "\n" << usage();
        return UsageError;
    }
    // The verb runs Qt's event loop; the other verbs need none.
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "tarn-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    SerialBridge bridge(options, SerialBridge::newToken());
    if (const std::string error = bridge.listen(); !error.empty()) {
        context.err << "tarn-cli bridge: " << error << "\n";
        return Failure;
    }
    QObject::connect(&bridge, &SerialBridge::happened, [&context](const QString& line) {
        context.err << "tarn-cli bridge: " << line.toStdString() << std::endl;
    });
    context.out << bridge.address() << std::endl;
    return QCoreApplication::exec() == 0 ? Success : Failure;
}

} // namespace tarn::cli
