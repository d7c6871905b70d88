#include "data/ChannelCsvExport.h"
#include "data/CsvText.h"
#include "data/ToneTable.h"
#include "tests/data/ChannelCsvFixture.h"

#include <gmock/gmock.h>

#include <random>

namespace tarn {
namespace {

using ::testing::ElementsAre;

class ChannelCsvExportTest : public test::ChannelCsvFixture {
protected:
    // The exported lines after the header, without their CR LF.
    std::vector<std::string> exported() {
        result = ChannelCsvExport::write(image, count);
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < result.text.size();) {
            const std::size_t end = result.text.find("\r\n", start);
            lines.push_back(result.text.substr(start, end - start));
            start = end + 2;
        }
        EXPECT_EQ(lines.front() + "\n", Header);
        lines.erase(lines.begin());
        return lines;
    }

    ChannelCsvExport::Result result;
};

TEST_F(ChannelCsvExportTest, DuplexAndOffsetFollowTheTransmitFrequency) {
    program(1, "146.52000|146.52000|||High|Lock");
    program(2, "145.29000|144.69000|||Middle|Lock");
    program(3, "440.00000|450.00000|||Low|Lock");
    program(4, "440.00000|450.00625|||Low|Lock");
    program(5, "162.55000||||High|UnLock");
    program(6, "|146.52000|||High|Lock");
    program(8, "446.00625|446.00625|||High|Lock");
    EXPECT_THAT(
        exported(),
        ElementsAre(
            "1,,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
            "2,,145.290000,-,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Mid,,,,,",
            "3,,440.000000,+,10.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,",
            "4,,440.000000,split,450.006250,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,",
            "5,,162.550000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
            "8,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,High,,,,,"));
    EXPECT_EQ(result.written, 6);
    EXPECT_EQ(result.leftOut, std::vector<int>{6});
    EXPECT_THAT(result.reportLines(),
                ElementsAre("Channels written: 6.",
                            "Left out, having only a TX frequency, which the list cannot hold: "
                            "channel 6."));
}

TEST_F(ChannelCsvExportTest, ToneColumnsReproduceBothTones) {
    for (const ToneCase& c : ToneCases) {
        program(1, std::string("146.52000|146.52000|") + c.dec + "|" + c.enc + "|High|Lock");
        const auto lines = exported();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0],
                  std::string("1,,146.520000,,0.000000,") + c.columns + ",FM,5.00,,High,,,,,");
    }
}

TEST_F(ChannelCsvExportTest, TheUnnamedPowerIsEmptyAndSurvivesTheRoundTrip) {
    program(1, "146.52000|146.52000|||High|Lock");
    image[12] |= 0x30;
    auto lines = exported();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "1,,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,");
    ASSERT_TRUE(importText(result.text).accepted());
    EXPECT_EQ(image[12] & 0x30, 0x30);
}

// ---- Export then import reproduces every channel

struct RandomChannels {
    std::mt19937 random;
    ToneTable tones;

    std::uint32_t frequency() {
        const std::uint32_t step = random() % 2 ? 625 : 500;
        return (10000000 + step - 1) / step * step +
               step * static_cast<std::uint32_t>(random() % (50000000 / step));
    }
    std::uint32_t transmit(std::uint32_t rx) {
        switch (random() % 4) {
        case 0:
            return 0;
        case 1:
            return rx;
        case 2: {
            // On both steps, so the shifted frequency stays on the step of rx.
            const std::uint32_t shifted = rx + 2500 * (random() % 8001) - 10000000;
            return shifted >= 10000000 && shifted <= 60000000 ? shifted : rx;
        }
        default:
            return frequency();
        }
    }
    void tone(std::span<std::uint8_t, RadioImage::RowSize> row, std::size_t low) {
        const int index = random() % 3 == 0 ? 0 : static_cast<int>(random() % ToneTable::Size);
        std::tie(row[low + 1], row[low]) = ChannelCodec::encodeTone(tones.at(index));
    }
    void fill(RadioImage& image, int count) {
        for (int n = 0; n < count; ++n) {
            auto row = image.row(static_cast<std::size_t>(n));
            const auto kind = random() % 8;
            if (kind == 0)
                continue; // empty
            const std::uint32_t rx = kind == 1 ? 0 : frequency();
            ChannelCodec::encodeFrequency(rx, row.subspan<0, 4>());
            ChannelCodec::encodeFrequency(rx ? transmit(rx) : frequency(), row.subspan<4, 4>());
            tone(row, 8);
            tone(row, 10);
            row[12] = static_cast<std::uint8_t>(random());
        }
    }
};

TEST_F(ChannelCsvExportTest, ExportThenImportReproducesEveryChannelOfRandomImages) {
    RandomChannels channels{std::mt19937(20261207), {}};
    for (int round = 0; round < 40; ++round) {
        count = round % 4 == 3 ? RadioImage::ReducedChannels : RadioImage::MaxChannels;
        image = RadioImage::newDocument();
        channels.fill(image, count);
        const RadioImage original = image;
        const auto exported = ChannelCsvExport::write(original, count);

        // Into the same image with every exported channel's frequencies and tones changed:
        // RX, TX, tones and power come back, the power's fourth value included.
        for (int n = 1; n <= count; ++n) {
            auto row = image.row(static_cast<std::size_t>(n - 1));
            if (row[3] != 0xFF)
                std::fill(row.begin(), row.begin() + 12, std::uint8_t{0x10});
        }
        const RadioImage scrambled = image;
        const auto result = importText(exported.text);
        ASSERT_TRUE(result.accepted()) << result.problems().front();
        ASSERT_EQ(static_cast<int>(result.channels().size()), exported.written);
        const RadioImage kept = image;
        // With --replace every channel starts empty: High for the fourth power value.
        image = scrambled;
        ASSERT_TRUE(importText(exported.text, {true, 0}).accepted());
        const RadioImage& fresh = image;

        for (int n = 1; n <= count; ++n) {
            const auto want = original.row(static_cast<std::size_t>(n - 1));
            if (want[3] == 0xFF)
                continue;
            for (const RadioImage* got : {&kept, &fresh}) {
                const auto row = got->row(static_cast<std::size_t>(n - 1));
                ASSERT_TRUE(std::equal(want.begin(), want.begin() + 12, row.begin()))
                    << "channel " << n << " of round " << round;
                const int power = want[12] & 0x30;
                EXPECT_EQ(row[12] & 0x30, power == 0x30 && got == &fresh ? 0x20 : power);
                EXPECT_EQ(row[12] & 0x08, 0x08);
            }
        }
    }
}

} // namespace
} // namespace tarn
