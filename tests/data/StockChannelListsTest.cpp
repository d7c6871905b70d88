#include "data/StockChannelLists.h"
#include "data/ChannelCodec.h"
#include "data/ChannelCsvImport.h"
#include "data/ChannelDocument.h"
#include "data/CsvText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tarn {
namespace {

struct Expected {
    std::uint32_t rx; // 10 Hz units
    std::uint32_t tx;
    const char* power;
};

std::vector<Expected> run(std::uint32_t first, std::uint32_t step, int count, const char* power) {
    std::vector<Expected> channels;
    for (int n = 0; n < count; ++n) {
        const std::uint32_t f = first + step * static_cast<std::uint32_t>(n);
        channels.push_back({f, f, power});
    }
    return channels;
}

std::vector<Expected> frs() {
    std::vector<Expected> all = run(46256250, 2500, 7, "High");
    for (const auto& part : {run(46756250, 2500, 7, "Low"), run(46255000, 2500, 8, "High")})
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<Expected> gmrsRepeaters() {
    std::vector<Expected> all = run(46255000, 2500, 8, "High");
    for (Expected& channel : all)
        channel.tx = channel.rx + 500000;
    return all;
}

// Every list's frequencies, worked out here from the service's channel plan.
const std::map<std::string_view, std::vector<Expected>>& expectedLists() {
    static const std::map<std::string_view, std::vector<Expected>> lists{
        {"pmr446.csv", run(44600625, 1250, 16, "Low")},
        {"lpd433.csv", run(43307500, 2500, 69, "Low")},
        {"frs.csv", frs()},
        {"gmrs-repeaters.csv", gmrsRepeaters()},
        {"murs.csv",
         {{15182000, 15182000, "High"},
          {15188000, 15188000, "High"},
          {15194000, 15194000, "High"},
          {15457000, 15457000, "High"},
          {15460000, 15460000, "High"}}},
        {"calling-iaru-region1.csv", {{14550000, 14550000, "High"}, {43350000, 43350000, "High"}}},
        {"calling-us.csv", {{14652000, 14652000, "High"}, {44600000, 44600000, "High"}}},
    };
    return lists;
}

TEST(StockChannelLists, EachImportsIntoANewDocumentWithItsPlannedFrequencies) {
    ASSERT_EQ(expectedLists().size(), StockChannelLists.size());
    for (const StockChannelList& stock : StockChannelLists) {
        SCOPED_TRACE(std::string(stock.file));
        const std::vector<Expected>& expected = expectedLists().at(stock.file);
        // The menu names the count of every list but the two calling frequencies.
        if (expected.size() > 2) {
            EXPECT_NE(stock.title.find(std::to_string(expected.size()) + " channels"),
                      std::string_view::npos);
        }
        const std::string text =
            CsvText::readFile(std::filesystem::path(TARN_CHANNEL_LISTS) / stock.file);
        for (const int count : {RadioImage::MaxChannels, RadioImage::ReducedChannels}) {
            ChannelDocument document;
            document.initNew();
            document.setChannelCount(count);
            document.setUpRowsForChannelCount();
            const ChannelCsvImport list = ChannelCsvImport::read(text, count);
            ASSERT_TRUE(list.accepted()) << list.problems().front();
            EXPECT_TRUE(list.report().leftOut.empty());
            document.importChannels(list);
            const ChannelSheet& sheet = document.sheet();
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const int channel = static_cast<int>(i) + 1;
                EXPECT_EQ(sheet.cellText(channel, ChannelCodec::RxFreqColumn),
                          ChannelCodec::formatFrequency(expected[i].rx))
                    << channel;
                EXPECT_EQ(sheet.cellText(channel, ChannelCodec::TxFreqColumn),
                          ChannelCodec::formatFrequency(expected[i].tx))
                    << channel;
                EXPECT_EQ(sheet.cellText(channel, ChannelCodec::DecColumn), "OFF") << channel;
                EXPECT_EQ(sheet.cellText(channel, ChannelCodec::EncColumn), "OFF") << channel;
                EXPECT_EQ(sheet.cellText(channel, ChannelCodec::PowerColumn), expected[i].power)
                    << channel;
            }
            const int after = static_cast<int>(expected.size()) + 1;
            EXPECT_EQ(sheet.cellText(after, ChannelCodec::RxFreqColumn), "") << "no more";
        }
    }
}

TEST(StockChannelLists, EveryChannelSaysWhereAndHowItMayBeUsed) {
    for (const StockChannelList& stock : StockChannelLists) {
        const std::string text =
            CsvText::readFile(std::filesystem::path(TARN_CHANNEL_LISTS) / stock.file);
        std::size_t lines = 0;
        std::size_t start = text.find('\n') + 1;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            const std::string line = text.substr(start, end - start);
            EXPECT_NE(line.find("licence"), std::string::npos) << stock.file << ": " << line;
            ++lines;
            start = end == std::string::npos ? text.size() : end + 1;
        }
        EXPECT_EQ(lines, expectedLists().at(stock.file).size()) << stock.file;
    }
}

} // namespace
} // namespace tarn
