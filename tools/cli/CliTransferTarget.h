#pragma once

#include "data/RadioImage.h"
#include "link/TransferTarget.h"

namespace tarn::cli {

// The image of a file: there is no grid, so it is written as it stands and nothing is shown
// after a read.
class CliTransferTarget final : public TransferTarget {
public:
    CliTransferTarget(TransferDirection direction, const RadioImage& image, int channelCount);

    [[nodiscard]] TransferDirection direction() const override { return m_direction; }
    [[nodiscard]] RadioImage& image() override { return m_image; }
    [[nodiscard]] int channelCount() const override { return m_channelCount; }
    void setChannelCount(int count) override { m_channelCount = count; }
    void parseGrid() override {}
    void renderGrid() override {}

private:
    TransferDirection m_direction;
    RadioImage m_image;
    int m_channelCount;
};

} // namespace tarn::cli
