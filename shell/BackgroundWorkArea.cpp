#include "shell/BackgroundWorkArea.h"

#include "resources/ResourceInit.h"

#include <QBrush>
#include <QResizeEvent>

namespace tarn {

BackgroundWorkArea::BackgroundWorkArea(QWidget* parent)
    : QMdiArea(parent) {
    initTarnResources();
    // Document windows larger than the work area stay reachable.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_picture.load(QStringLiteral(":/tarn/pictures/background.png"));
    // A texture brush tiles from the viewport's origin, the work area's top-left corner.
    if (!m_picture.isNull())
        setBackground(QBrush(m_picture));
    else
        setBackground(QBrush(QColor(0x30, 0x55, 0x7f)));
}

void BackgroundWorkArea::resizeEvent(QResizeEvent* event) {
    QMdiArea::resizeEvent(event);
    viewport()->update();
}

} // namespace tarn
