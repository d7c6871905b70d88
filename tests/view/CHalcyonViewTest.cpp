#include "view/CHalcyonView.h"

#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(CHalcyonView, ReducedModelGivesOneRowPerChannelAndTheHeader) {
    ChannelDocument document;
    document.initNew();
    document.setChannelCount(RadioImage::ReducedChannels);
    const ToneTable tones;
    test::TestPrompter prompter;
    CHalcyonView view(document, tones, prompter);
    view.OnInitialUpdate();
    EXPECT_EQ(view.grid().GetRows(), 161);
    EXPECT_EQ(view.grid().GetTextMatrix(160, 0), "160");
    EXPECT_EQ(view.grid().GetTextMatrix(7, 0), "  7");
}

} // namespace
} // namespace tarn
