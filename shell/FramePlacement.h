#pragma once

#include <QRect>

#include <optional>

namespace tarn {

// Where a new document window goes in the work area, and how large it may be there: the first
// in the middle, each later one a title bar's height below and right of the newest. No frame
// reaches past the area's edges.
class FramePlacement {
public:
    FramePlacement(QSize area, int step)
        : m_area(area)
        , m_step(step) {}

    [[nodiscard]] QRect place(QSize frame, std::optional<QPoint> newest) const;

private:
    QSize m_area;
    int m_step;
};

} // namespace tarn
