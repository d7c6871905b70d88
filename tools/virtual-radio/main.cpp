#include "data/SinFile.h"
#include "radio/VirtualRadio.h"
#include "tools/virtual-radio/PtyRadioHost.h"
#include "tools/virtual-radio/VirtualRadioOptions.h"
#include "tools/virtual-radio/WireLogFile.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <memory>
#include <system_error>

namespace {

const tarn::PtyRadioHost* g_host = nullptr;

extern "C" void onStopSignal(int) {
    if (g_host != nullptr)
        g_host->requestStop();
}

void loadImage(tarn::VirtualRadio& radio, const std::string& file, bool anySize) {
    const tarn::RadioImage image =
        tarn::SinFile::load(file, anySize ? tarn::SinSize::FirstOfLarger : tarn::SinSize::Exact);
    std::copy(image.bytes().begin(), image.bytes().end(), radio.memory().begin());
}

void saveImage(const tarn::VirtualRadio& radio, const std::string& file) {
    tarn::RadioImage image;
    std::copy(radio.memory().begin(), radio.memory().end(), image.bytes().begin());
    tarn::SinFile::store(file, image);
}

int serve(const tarn::VirtualRadioOptions& options) {
    tarn::VirtualRadio radio(options.faults);
    radio.setPacing(options.paced);
    if (options.radioType)
        radio.setRadioType(*options.radioType);
    if (!options.imageFile.empty())
        loadImage(radio, options.imageFile, options.anySize);
    // A session's memory would be lost at the end for a target known bad from the start.
    if (!options.saveFile.empty())
        tarn::SinFile::checkStorable(options.saveFile);

    std::unique_ptr<tarn::WireLogFile> wireLog;
    if (!options.wireLogFile.empty())
        wireLog = std::make_unique<tarn::WireLogFile>(options.wireLogFile);

    tarn::PtyRadioHost host(radio);
    host.setWireLog(wireLog.get());
    g_host = &host;
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
    std::cout << host.devicePath() << std::endl;
    host.run();
    g_host = nullptr;
    if (host.hungUp())
        std::cerr << "tarn-virtual-radio: hung up at block " << *options.faults.hangUpBlock
                  << std::endl;
    std::cerr << "tarn-virtual-radio: " << radio.blocksWritten() << " blocks written, "
              << radio.blocksRead() << " blocks read" << std::endl;
    if (!options.saveFile.empty())
        saveImage(radio, options.saveFile);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const auto options =
            tarn::VirtualRadioOptions::parse(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::cout << tarn::VirtualRadioOptions::usage();
            return 0;
        }
        return serve(options);
    } catch (const std::invalid_argument& error) {
        std::cerr << "tarn-virtual-radio: " << error.what() << "\n\n"
                  << tarn::VirtualRadioOptions::usage();
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "tarn-virtual-radio: " << error.what() << std::endl;
        return 1;
    }
}
