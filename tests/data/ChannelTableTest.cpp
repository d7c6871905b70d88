#include "data/ChannelTable.h"
#include "data/StrictNumber.h"

#include "data/TextGrid.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

const std::string Header =
    "Channel NO.\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tTX Power\tCHN Lock\n";

TextGrid gridWith(const std::vector<ChannelTable::Cells>& channels) {
    TextGrid grid;
    ChannelCodec::numberRows(grid, 199);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        for (int c = 1; c < ChannelCodec::ColumnCount; ++c)
            grid.setCellText(static_cast<int>(i + 1), c, channels[i][static_cast<std::size_t>(c)]);
    }
    return grid;
}

TEST(ChannelTableTest, ChosenChannelsReadBackCellForCell) {
    const TextGrid grid = gridWith({
        {"", "145.50000", "145.00625", "D023N", "D754I", "Middle", "UnLock"},
        {},
        {"", "433.12500", "", "254.1", "", "Low", "Lock"},
    });
    const std::vector<int> chosen{3, 1, 2};
    const std::string text = ChannelTable::format(grid, chosen);
    EXPECT_EQ(text, Header + "  3\t433.12500\t\t254.1\t\tLow\tLock\n"
                             "  1\t145.50000\t145.00625\tD023N\tD754I\tMiddle\tUnLock\n"
                             "  2\t\t\t\t\t\t\n");
    const ChannelTable::Rows read = ChannelTable::read(text);
    ASSERT_TRUE(read.errors.empty()) << read.errors.front();
    ASSERT_EQ(read.rows.size(), 3U);
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        EXPECT_EQ(read.rows[i].line, static_cast<int>(i + 2));
        for (int c = 0; c < ChannelCodec::ColumnCount; ++c)
            EXPECT_EQ(read.rows[i].cells[static_cast<std::size_t>(c)], grid.cellText(chosen[i], c));
    }
}

TEST(ChannelTableTest, CellsAreCheckedStrictlyAndTonesTakeTheListSpelling) {
    const ChannelTable::Rows read =
        ChannelTable::read(Header + "1\t146.525abc\t1.46525e2\td023n\tOFF\tHigh\tLock\r\n"
                                    "2\t145.5\t\tOFF\t\t\t\n"
                                    "3\t\t\n");
    EXPECT_EQ(read.errors,
              (std::vector<std::string>{
                  "line 2, column RX Freq: \"146.525abc\" is not a number (digits, optionally a "
                  "point and digits)",
                  "line 2, column TX Freq: \"1.46525e2\" is not a number (digits, optionally a "
                  "point and digits)",
                  "line 4: expected 7 columns, found 3"}));
    ASSERT_EQ(read.rows.size(), 2U);
    EXPECT_EQ(read.rows[0].cells[3], "D023N");
    EXPECT_EQ(read.rows[0].cells[6], "Lock") << "a CR LF line end is no part of the cell";
}

TEST(ChannelTableTest, AByteOrderMarkIsReadAndUtf16IsNamed) {
    const std::string text = Header + "1\t146.52\t\t\t\t\t\n";
    const ChannelTable::Rows marked = ChannelTable::read("\xEF\xBB\xBF" + text);
    EXPECT_TRUE(marked.errors.empty()) << ::testing::PrintToString(marked.errors);
    EXPECT_EQ(marked.rows.size(), 1U);

    std::string utf16le = "\xFF\xFE";
    std::string bare;
    for (const char c : text) {
        utf16le += {c, '\0'};
        bare += {'\0', c};
    }
    for (const std::string& wide : {utf16le, bare}) {
        const ChannelTable::Rows read = ChannelTable::read(wide);
        EXPECT_EQ(read.errors, std::vector<std::string>{"UTF-16 text: save it as UTF-8"});
        EXPECT_TRUE(read.rows.empty());
    }
}

TEST(ChannelTableTest, FrequenciesFinerThanTenHertzAreRefusedNotRounded) {
    const ChannelTable::Rows read =
        ChannelTable::read(Header + "1\t600.000001\t99.9999999\t\t\t\t\n"
                                    "2\t146.520000001\t146.520000\t\t\t\t\n");
    const std::string rule = StrictNumber::PrecisionRule;
    EXPECT_EQ(read.errors,
              (std::vector<std::string>{"line 2, column RX Freq: \"600.000001\" " + rule,
                                        "line 2, column TX Freq: \"99.9999999\" " + rule,
                                        "line 3, column RX Freq: \"146.520000001\" " + rule}));
    ASSERT_EQ(read.rows.size(), 2U);
    EXPECT_EQ(read.rows[1].cells[2], "146.52000") << "zeros are no precision";
}

} // namespace
} // namespace tarn
