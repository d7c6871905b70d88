#include "shell/LockKeyIndicator.h"

namespace tarn {

LockKeyIndicator::LockKeyIndicator(const QString& name, int key, QWidget* parent)
    : QLabel(name, parent)
    , m_key(key) {
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
    setOn(false);
}

void LockKeyIndicator::setOn(bool on) {
    m_on = on;
    setEnabled(on);
}

} // namespace tarn
