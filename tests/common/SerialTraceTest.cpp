#include "common/SerialTrace.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr auto To = TraceDirection::ToRadio;
constexpr auto From = TraceDirection::FromRadio;

// A read's opening as the transfer sends it: byte by byte, replies in pieces.
SerialTrace readOpening() {
    SerialTrace trace;
    trace.addHeader("test trace");
    std::int64_t ms = 1000;
    for (const std::uint8_t byte : Bytes{0x02, 'P', 'R', 'O', 'G', 'R', 'A'})
        trace.add(To, Bytes{byte}, ms++);
    trace.add(From, Bytes{0x06}, 1010);
    trace.add(To, Bytes{'M'}, 1011);
    trace.add(To, Bytes{0x02}, 1012);
    trace.add(From, Bytes{1, 2, 3, 4}, 1013);
    trace.add(From, Bytes{5, 6, 7, 8}, 1020);
    trace.add(To, Bytes{0x06}, 1030);
    trace.add(From, Bytes{0x06}, 1031);
    trace.add(To, Bytes{'R', 0x00, 0x10, 0x08}, 1040);
    trace.add(From, Bytes{'W', 0x00, 0x10, 0x08, 9, 9, 9, 9, 9, 9, 9, 9}, 1041);
    trace.add(To, Bytes{'W', 0x1F, 0xC0, 0x08, 1, 2, 3, 4, 5, 6, 7, 8}, 1100);
    trace.add(From, Bytes{0x15}, 1200);
    return trace;
}

TEST(SerialTraceTest, RunsMergeUntilTheDirectionTurnsAndNameTheirStep) {
    const SerialTrace trace = readOpening();
    EXPECT_EQ(trace.text(), "# test trace\n"
                            "       0 > 02 50 52 4F 47 52 41  ; wake-up\n"
                            "      10 < 06  ; acknowledge\n"
                            "      11 > 4D 02  ; mode request\n"
                            "      13 < 01 02 03 04 05 06 07 08  ; identity\n"
                            "      30 > 06  ; acknowledge\n"
                            "      31 < 06  ; acknowledge\n"
                            "      40 > 52 00 10 08  ; read request 0x0010\n"
                            "      41 < 57 00 10 08 09 09 09 09 09 09 09 09  ; block 0x0010\n"
                            "     100 > 57 1F C0 08 01 02 03 04 05 06 07 08  ; write block 0x1FC0\n"
                            "     200 < 15\n");
}

TEST(SerialTraceTest, TextReadsBackAsTheSameRunsAndForeignLinesArePassedOver) {
    const SerialTrace trace = readOpening();
    EXPECT_EQ(SerialTrace::parse(trace.text()), trace.namedRuns());
    const std::string edited = "# edited by hand\r\n"
                               "  5 > 02 50\r\n"
                               "nonsense line\n"
                               "  6 ? 01\n"   // no direction
                               "  7 < 0G\n"   // not hex
                               "  8 < 123\n"  // not a byte
                               "  9 <\n"      // no bytes
                               "x 10 < 01\n"  // no time
                               " 11 < 06 ;\n" // a stray mark after the bytes
                               " 12 < 06  ; acknowledge";
    const std::vector<TraceRun> runs = SerialTrace::parse(edited);
    ASSERT_EQ(runs.size(), 2U);
    EXPECT_EQ(runs[0], (TraceRun{5, To, {0x02, 0x50}, ""}));
    EXPECT_EQ(runs[1], (TraceRun{12, From, {0x06}, "acknowledge"}));
}

TEST(SerialTraceTest, AnEndlessConversationStopsGrowingAndSaysSo) {
    SerialTrace trace;
    for (std::size_t i = 0; i < SerialTrace::MaxRuns + 5; ++i)
        trace.add(i % 2 == 0 ? To : From, Bytes{0x00}, static_cast<std::int64_t>(i));
    EXPECT_TRUE(trace.truncated());
    EXPECT_EQ(trace.runs().size(), SerialTrace::MaxRuns);
    const std::string text = trace.text();
    EXPECT_TRUE(text.ends_with("# the trace stops here: it grew too long\n"));
    EXPECT_EQ(trace.runs().back().bytes.size(), 1U) << "nothing joins the last run either";
}

} // namespace
} // namespace tarn
