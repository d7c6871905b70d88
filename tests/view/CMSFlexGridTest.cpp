#include "view/CMSFlexGrid.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(CMSFlexGrid, Placeholder) {
    CMSFlexGrid grid;
    EXPECT_EQ(grid.GetRows(), 2);
}

} // namespace
} // namespace tarn
