#include "link/PortNames.h"

#include <gtest/gtest.h>

#include <map>

namespace tarn {
namespace {

PortNames::Lookup table(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const std::string& key) -> std::optional<std::string> {
        const auto found = values.find(key);
        if (found == values.end())
            return std::nullopt;
        return found->second;
    };
}

TEST(PortNamesTest, ComNamesResolveThroughEnvironmentThenSettingsThenDefault) {
    const auto env = table({{"TARN_COM2", "/dev/pts/7"}, {"TARN_COM4", ""}});
    const auto settings = table({{"Ports/COM2", "/dev/ttyS1"}, {"Ports/COM3", "/dev/ttyACM0"}});
#ifdef _WIN32
    EXPECT_EQ(PortNames::resolve("COM2", env, settings), "COM2");
#else
    EXPECT_EQ(PortNames::resolve("COM2", env, settings), "/dev/pts/7");
    EXPECT_EQ(PortNames::resolve("COM3", env, settings), "/dev/ttyACM0");
    EXPECT_EQ(PortNames::resolve("COM1", env, settings), "/dev/ttyUSB0");
    EXPECT_EQ(PortNames::resolve("COM4", env, settings), "/dev/ttyUSB3") << "empty means unset";
    EXPECT_EQ(PortNames::resolve("com3", env, settings), "/dev/ttyACM0");
    EXPECT_EQ(PortNames::resolve("COM1", nullptr, nullptr), "/dev/ttyUSB0");
#endif
}

TEST(PortNamesTest, OtherNamesAreDevicePaths) {
    const auto env = table({{"TARN_COM1", "/dev/pts/1"}});
    for (const char* name : {"/dev/ttyS0", "COM5", "COM0", "COM12", "ttyUSB0", ""})
        EXPECT_EQ(PortNames::resolve(name, env, nullptr), name);
    EXPECT_EQ(PortNames::comNumber("COM4"), 4);
    EXPECT_EQ(PortNames::comNumber("COM5"), 0);
}

} // namespace
} // namespace tarn
