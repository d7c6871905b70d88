#include "launcher/ProductNameOrder.h"

#include <algorithm>

namespace tarn {

bool productNameBefore(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    return a.toLocal8Bit() < b.toLocal8Bit();
}

int sortedPosition(const QStringList& sorted, const QString& name) {
    const auto at = std::upper_bound(sorted.begin(), sorted.end(), name, productNameBefore);
    return static_cast<int>(at - sorted.begin());
}

} // namespace tarn
