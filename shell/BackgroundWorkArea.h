#pragma once

#include <QMdiArea>
#include <QPixmap>

namespace tarn {

// The main window's work area, covered with the 232 x 124 picture tiled from the top-left.
class BackgroundWorkArea : public QMdiArea {
    Q_OBJECT
public:
    static constexpr int PictureId = 130;

    explicit BackgroundWorkArea(QWidget* parent = nullptr);

    [[nodiscard]] const QPixmap& picture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace tarn
