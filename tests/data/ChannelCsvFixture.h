#pragma once

#include "data/ChannelCodec.h"
#include "data/ChannelCsvColumns.h"
#include "data/ChannelCsvImport.h"
#include "data/TextGrid.h"

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

    // Both tones as the grid shows them and the seven tone columns that stand for them.
    struct ToneCase {
        const char* dec;
        const char* enc;
        const char* columns; // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
    };
    static constexpr ToneCase ToneCases[] = {
        {"", "", ",88.5,88.5,023,NN,023,Tone->Tone"},
        {"", "100.0", "Tone,100.0,88.5,023,NN,023,Tone->Tone"},
        {"67.0", "67.0", "TSQL,88.5,67.0,023,NN,023,Tone->Tone"},
        {"D754I", "D754N", "DTCS,88.5,88.5,754,NR,023,Tone->Tone"},
        {"D023N", "D023N", "DTCS,88.5,88.5,023,NN,023,Tone->Tone"},
        {"254.1", "71.9", "Cross,71.9,254.1,023,NN,023,Tone->Tone"},
        {"D152I", "71.9", "Cross,71.9,88.5,023,NR,152,Tone->DTCS"},
        {"88.5", "D411I", "Cross,88.5,88.5,411,RN,023,DTCS->Tone"},
        {"D025N", "D411N", "Cross,88.5,88.5,411,NN,025,DTCS->DTCS"},
        {"77.0", "", "Cross,88.5,77.0,023,NN,023,->Tone"},
        {"", "D065N", "Cross,88.5,88.5,065,NN,023,DTCS->"},
        {"D065I", "", "Cross,88.5,88.5,023,NR,065,->DTCS"},
    };

    // The cells of a tone case's columns, for line().
    static std::map<std::string, std::string> toneCells(const std::string& columns) {
        std::map<std::string, std::string> cells;
        std::size_t start = 0;
        for (int column = ChannelCsvColumns::Tone; column <= ChannelCsvColumns::CrossMode;
             ++column) {
            const std::size_t comma = columns.find(',', start);
            cells[std::string(ChannelCsvColumns::Names[static_cast<std::size_t>(column)])] =
                columns.substr(start, comma - start);
            start = comma + 1;
        }
        return cells;
    }

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
        ChannelCodec::parse(grid, image, count);
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
        ChannelCodec::parse(grid, image, count);
    }

    RadioImage image = RadioImage::newDocument();
    int count = RadioImage::MaxChannels;
};

} // namespace tarn::test
