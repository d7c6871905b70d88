#include "tests/support/ImageTransferTarget.h"

namespace tarn::test {

ImageTransferTarget::ImageTransferTarget(TransferDirection direction)
    : m_direction(direction) {}

void ImageTransferTarget::renderGrid() {
    ++m_renders;
    m_renderedCount = m_count;
}

} // namespace tarn::test
