#pragma once

#include "data/RadioImage.h"
#include "link/TransferTarget.h"

namespace tarn {

// An image with no grid behind it: written as it stands, and nothing is shown after a read.
class ImageTarget : public TransferTarget {
public:
    ImageTarget(TransferDirection direction, const RadioImage& image, int channelCount)
        : m_direction(direction)
        , m_image(image)
        , m_channelCount(channelCount) {}

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

} // namespace tarn
