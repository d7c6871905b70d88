#include "qtsupport/DialogUnits.h"

#include <QFontMetrics>

namespace tarn {

namespace {

// Windows measures the average width over the 52 Latin letters, rounded up.
int averageWidth(const QFontMetrics& metrics) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int total = metrics.horizontalAdvance(letters);
    return (total / 26 + 1) / 2;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
    : DialogUnits(averageWidth(QFontMetrics(font)), QFontMetrics(font).height()) {}

DialogUnits::DialogUnits(int averageCharWidth, int charHeight)
    : m_cx(averageCharWidth > 0 ? averageCharWidth : 1)
    , m_cy(charHeight > 0 ? charHeight : 1) {}

} // namespace tarn
