// Writes one image into one paced virtual radio, then into N at once, and compares the wall
// times: programming N radios in parallel should take about as long as programming one.
#include "data/RadioImage.h"
#include "tools/cli/FleetConsole.h"
#include "tools/cli/FleetWrite.h"
#include "tools/virtual-radio/VirtualRadioProcess.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

namespace {

using tarn::cli::FleetWrite;

// Wall time of one parallel write, or a negative value when a radio was not programmed.
double timedWrite(const std::vector<std::string>& devices, const tarn::RadioImage& image) {
    std::ostringstream quiet;
    std::vector<std::string> labels(devices.begin(), devices.end());
    tarn::cli::FleetConsole console(quiet, false, labels);
    const auto start = std::chrono::steady_clock::now();
    const auto reports =
        FleetWrite::run(devices, image, tarn::RadioImage::MaxChannels, {}, console);
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
    for (const auto& report : reports) {
        if (report.exitStatus() != 0) {
            std::cerr << report.port << ": " << report.summary() << "\n" << quiet.str();
            return -1;
        }
    }
    return taken.count();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ports = argc > 1 ? std::stoi(argv[1]) : static_cast<int>(FleetWrite::MaxPorts);
    const std::string program = argc > 2 ? argv[2] : TARN_VIRTUAL_RADIO;
    tarn::RadioImage image = tarn::RadioImage::newDocument();
    for (std::size_t i = 0; i < tarn::RadioImage::ChannelAreaEnd; ++i)
        image[i] = static_cast<std::uint8_t>(i * 31 + 3);
    try {
        std::vector<std::unique_ptr<tarn::VirtualRadioProcess>> radios;
        std::vector<std::string> devices;
        for (int i = 0; i < ports; ++i) {
            radios.push_back(std::make_unique<tarn::VirtualRadioProcess>(
                program, std::vector<std::string>{"--pace", "9600"}));
            devices.push_back(radios.back()->devicePath());
        }
        const double one = timedWrite({devices.front()}, image);
        const double all = timedWrite(devices, image);
        if (one < 0 || all < 0)
            return 1;
        std::printf("write to 1 radio   %7.3f s\n", one);
        std::printf("write to %d radios %7.3f s   ratio %.3f (limit 1.2)\n", ports, all, all / one);
        return all / one <= 1.2 ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "bench: " << error.what() << "\n";
        return 1;
    }
}
