#pragma once

#include <QRect>
#include <QSize>

class QFont;

namespace tarn {

// Converts dialog-template units to pixels for a font: x·cx/4, y·cy/8, where cx is the
// font's average character width and cy its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int averageCharWidth, int charHeight);

    [[nodiscard]] int x(int units) const { return units * m_cx / 4; }
    [[nodiscard]] int y(int units) const { return units * m_cy / 8; }
    [[nodiscard]] QSize size(int width, int height) const { return {x(width), y(height)}; }
    [[nodiscard]] QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(width), y(height)};
    }
    [[nodiscard]] int averageCharWidth() const { return m_cx; }
    [[nodiscard]] int charHeight() const { return m_cy; }

private:
    int m_cx;
    int m_cy;
};

} // namespace tarn
