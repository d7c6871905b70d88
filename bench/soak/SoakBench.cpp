// Soak: write and read cycles through the virtual radio paced at 9600 baud with a gap after
// every reply piece, while busy loops keep the cores loaded. Any failed transfer is a fault of
// the link's timing; the ratio to the physical limit (wire time, the protocol's waits and
// the radio's gaps) shows what the load costs.
//
//   tarn-bench-soak [--cycles N] [--split BYTES:MS] [--busy N] [VIRTUAL_RADIO]
#include "bench/soak/BusyLoops.h"
#include "bench/transfer/BenchTarget.h"
#include "bench/transfer/EngineTransfer.h"
#include "data/RadioImage.h"
#include "link/RadioTransfer.h"
#include "tools/virtual-radio/VirtualRadioProcess.h"

#include <QCoreApplication>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sched.h>
#include <string>

namespace {

using tarn::TransferDirection;

constexpr double ByteSeconds = 10.0 / 9600.0;

struct Options {
    int cycles = 20;
    int pieceBytes = 1;
    int gapMs = 25;
    int busyLoops = 2;
    std::string program = TARN_VIRTUAL_RADIO;
};

// A real radio sends on time whatever the PC is doing; the emulated one is a process of this
// machine, and the busy loops would make it late (a 25 ms gap sent 15 ms late breaks the
// 30 ms rule on the radio's side). Real-time scheduling keeps it punctual where permitted.
void keepPunctual(pid_t radio) {
    const sched_param priority{sched_get_priority_min(SCHED_FIFO)};
    if (::sched_setscheduler(radio, SCHED_FIFO, &priority) != 0)
        std::printf("note: the virtual radio runs at normal priority (%s); under load its own "
                    "lateness can fail a transfer\n",
                    std::strerror(errno));
}

// Gaps the radio leaves inside its replies during one transfer.
int replyGaps(const Options& options, TransferDirection direction) {
    const auto gapsIn = [&](int bytes) { return (bytes - 1) / options.pieceBytes; };
    int gaps = gapsIn(static_cast<int>(tarn::RadioTransfer::IdentitySize));
    if (direction == TransferDirection::Read)
        gaps +=
            tarn::RadioImage::ReadBlocks * gapsIn(static_cast<int>(tarn::RadioTransfer::ReplySize));
    return gaps;
}

struct Run {
    bool completed = false;
    double seconds = 0;
    double limit = 0;
};

Run transfer(const std::string& device, TransferDirection direction, const tarn::RadioImage& image,
             const Options& options, tarn::RadioImage& got) {
    const auto engine = tarn::bench::EngineTransfer::run(device, direction, image);
    Run run;
    run.completed = engine.completed;
    run.seconds = engine.seconds;
    run.limit = static_cast<double>(engine.wireBytes) * ByteSeconds + engine.pausedMs / 1000.0 +
                replyGaps(options, direction) * options.gapMs / 1000.0;
    got = engine.image;
    return run;
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--cycles" && hasValue)
            options.cycles = std::stoi(argv[++i]);
        else if (arg == "--busy" && hasValue)
            options.busyLoops = std::stoi(argv[++i]);
        else if (arg == "--split" && hasValue &&
                 std::sscanf(argv[++i], "%d:%d", &options.pieceBytes, &options.gapMs) == 2 &&
                 options.pieceBytes > 0)
            continue;
        else if (!arg.starts_with("-"))
            options.program = arg;
        else
            return false;
    }
    return options.cycles > 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << "usage: tarn-bench-soak [--cycles N] [--split BYTES:MS] [--busy N] "
                     "[VIRTUAL_RADIO]\n";
        return 2;
    }
    try {
        const std::string split =
            std::to_string(options.pieceBytes) + ":" + std::to_string(options.gapMs);
        const tarn::VirtualRadioProcess radio(options.program,
                                              {"--pace", "9600", "--fault", "split=" + split});
        keepPunctual(radio.pid());
        const tarn::bench::BusyLoops load(options.busyLoops);
        const tarn::RadioImage image = tarn::bench::BenchTarget::pattern();
        int failures = 0;
        double taken = 0;
        double limit = 0;
        for (int cycle = 1; cycle <= options.cycles; ++cycle) {
            tarn::RadioImage unused;
            tarn::RadioImage got;
            const Run written =
                transfer(radio.devicePath(), TransferDirection::Write, image, options, unused);
            const Run read = transfer(radio.devicePath(), TransferDirection::Read,
                                      tarn::RadioImage(), options, got);
            bool same = read.completed;
            for (int block = 0; same && block < tarn::RadioImage::ReadBlocks; ++block)
                for (std::size_t i = 0; i < tarn::RadioImage::BlockSize; ++i)
                    same = same && got[tarn::RadioImage::blockAddress(block) + i] ==
                                       image[tarn::RadioImage::blockAddress(block) + i];
            failures += (written.completed ? 0 : 1) + (same ? 0 : 1);
            taken += written.seconds + read.seconds;
            limit += written.limit + read.limit;
            std::printf("cycle %2d  write %s %6.2f s  read %s %6.2f s\n", cycle,
                        written.completed ? "ok  " : "FAIL", written.seconds,
                        same ? "ok  " : "FAIL", read.seconds);
            std::fflush(stdout);
        }
        std::printf("soak: %d cycles, split %s, %d busy loops: %d failures; time %.1f s, "
                    "limit %.1f s, ratio %.3f\n",
                    options.cycles, split.c_str(), options.busyLoops, failures, taken, limit,
                    taken / limit);
        return failures == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "soak: " << error.what() << "\n";
        return 1;
    }
}
