#include "tools/cli/CliTransferTarget.h"

namespace tarn::cli {

CliTransferTarget::CliTransferTarget(TransferDirection direction, const RadioImage& image,
                                     int channelCount)
    : m_direction(direction)
    , m_image(image)
    , m_channelCount(channelCount) {}

} // namespace tarn::cli
