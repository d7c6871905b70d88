#include "launcher/ProductNameOrder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarn {
namespace {

TEST(ProductNameOrder, CaseInsensitiveThenByBytes) {
    QStringList names{"b", "QX520", "a", "B", "qx520", "A", "_x", "10", "9", "中文", "Zeta"};
    std::stable_sort(names.begin(), names.end(), productNameBefore);
    // Letters fold to lower case, so "_" sorts before them.
    EXPECT_EQ(names,
              (QStringList{"10", "9", "_x", "A", "a", "B", "b", "QX520", "qx520", "Zeta", "中文"}));
}

TEST(ProductNameOrder, NewNamesGoAfterTheirEquals) {
    const QStringList sorted{"A", "B", "C"};
    EXPECT_EQ(sortedPosition(sorted, "0"), 0);
    EXPECT_EQ(sortedPosition(sorted, "B"), 2);
    EXPECT_EQ(sortedPosition(sorted, "b"), 2);
    EXPECT_EQ(sortedPosition(sorted, "d"), 3);
    EXPECT_EQ(sortedPosition({}, "x"), 0);
}

} // namespace
} // namespace tarn
