#include "shell/FramePlacement.h"

#include <algorithm>

namespace tarn {

QRect FramePlacement::place(QSize frame, std::optional<QPoint> newest) const {
    const QSize whole = frame.boundedTo(m_area);
    if (!newest) {
        const QSize room = m_area - whole;
        return {QPoint(room.width() / 2, room.height() / 2), whole};
    }
    // A step down and right, giving up what would stick out; once that is more than half the
    // frame, the cascade starts again at the top-left corner.
    const QPoint next = *newest + QPoint(m_step, m_step);
    const QSize fitting =
        whole.boundedTo(QSize(m_area.width() - next.x(), m_area.height() - next.y()));
    if (fitting.width() * 2 < whole.width() || fitting.height() * 2 < whole.height())
        return {QPoint(0, 0), whole};
    return {next, fitting};
}

} // namespace tarn
