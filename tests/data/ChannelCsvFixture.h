#pragma once

#include "data/ChannelCodec.h"
#include "data/ChannelCsvColumns.h"
#include "data/ChannelCsvImport.h"
#include "data/TextGrid.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tarn::test {

// An image to import channel lists into and look at channel by channel.
class ChannelCsvFixture : public ::testing::Test {
protected:
    static constexpr const char* Header =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

    // One line of all 21 columns: the given values over those of a plain simplex channel.
    static std::string line(const std::map<std::string, std::string>& values) {
        std::map<std::string, std::string> all{{"Location", "1"},
                                               {"Frequency", "146.520000"},
                                               {"Offset", "0.000000"},
                                               {"rToneFreq", "88.5"},
                                               {"cToneFreq", "88.5"},
                                               {"DtcsCode", "023"},
                                               {"DtcsPolarity", "NN"},
                                               {"RxDtcsCode", "023"},
                                               {"CrossMode", "Tone->Tone"},
                                               {"Mode", "FM"},
                                               {"TStep", "5.00"}};
        for (const auto& [column, value] : values)
            all[column] = value;
        std::string text;
        for (const auto name : ChannelCsvColumns::Names)
            text += (text.empty() ? "" : ",") + all[std::string(name)];
        return text + "\n";
    }

    // Reads the list and, when it is accepted, stores it as a save from the grid would.
    ChannelCsvImport importText(const std::string& text, const ChannelCsvOptions& options = {}) {
        ChannelCsvImport result = ChannelCsvImport::read(text, count, options);
        TextGrid grid;
        ChannelCodec::render(image, grid, count);
        if (!result.accepted())
            return result;
        result.applyTo(grid);
        EXPECT_TRUE(ChannelCodec::parse(grid, image, count, dir.path()));
        return result;
    }

    // Channel n as the grid shows it: "RX|TX|Dec|Enc|Power|Lock".
    std::string channel(int n) const {
        TextGrid grid;
        ChannelCodec::render(image, grid, count);
        std::string text;
        for (int column = ChannelCodec::RxFreqColumn; column < ChannelCodec::ColumnCount; ++column)
            text += (column > 1 ? "|" : "") + grid.cellText(n, column);
        return text;
    }

    // Programs channel n through the grid's cells; power "" leaves bits 5-4 as they are.
    void program(int n, const std::string& cells) {
        TextGrid grid;
        ChannelCodec::render(image, grid, count);
        std::size_t start = 0;
        for (int column = 1; column < ChannelCodec::ColumnCount; ++column) {
            const std::size_t bar = cells.find('|', start);
            grid.setCellText(n, column, cells.substr(start, bar - start));
            start = bar + 1;
        }
        ASSERT_TRUE(ChannelCodec::parse(grid, image, count, dir.path()));
    }

    TempDir dir;
    RadioImage image = RadioImage::newDocument();
    int count = RadioImage::MaxChannels;
};

} // namespace tarn::test
