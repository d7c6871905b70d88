#pragma once

#include <QString>
#include <QStringList>

namespace tarn {

// The order of a sorted drop-down list: names compare without regard to letter case,
// and names that differ only in case by their bytes.
[[nodiscard]] bool productNameBefore(const QString& a, const QString& b);

// Where a sorted list takes a new name: after every name that does not sort after it.
[[nodiscard]] int sortedPosition(const QStringList& sorted, const QString& name);

} // namespace tarn
