#include "view/FixedCornerCell.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace tarn {

FixedCornerCell::FixedCornerCell(QWidget* parent)
    : QWidget(parent) {
    // Presses fall through to nothing: the fixed cell is never current.
    setFocusPolicy(Qt::NoFocus);
}

void FixedCornerCell::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void FixedCornerCell::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect();
    option.text = m_text;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    style()->drawControl(QStyle::CE_Header, &option, &painter, this);
}

} // namespace tarn
