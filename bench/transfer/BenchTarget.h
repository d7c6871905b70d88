#pragma once

#include "data/RadioImage.h"
#include "link/TransferTarget.h"

namespace tarn::bench {

// An image without a grid: written as it stands, nothing rendered after a read.
class BenchTarget final : public TransferTarget {
public:
    BenchTarget(TransferDirection direction, const RadioImage& image)
        : m_direction(direction)
        , m_image(image) {}
    [[nodiscard]] TransferDirection direction() const override { return m_direction; }
    [[nodiscard]] RadioImage& image() override { return m_image; }
    [[nodiscard]] int channelCount() const override { return m_count; }
    void setChannelCount(int count) override { m_count = count; }
    void parseGrid() override {}
    void renderGrid() override {}

    // Distinct bytes everywhere, so a misplaced block shows.
    [[nodiscard]] static RadioImage pattern() {
        RadioImage image;
        for (std::size_t i = 0; i < RadioImage::Size; ++i)
            image[i] = static_cast<std::uint8_t>(i * 31 + 3);
        return image;
    }

private:
    TransferDirection m_direction;
    RadioImage m_image;
    int m_count = RadioImage::MaxChannels;
};

} // namespace tarn::bench
