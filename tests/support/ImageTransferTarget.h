#pragma once

#include "data/RadioImage.h"
#include "link/TransferTarget.h"

namespace tarn::test {

// A document stand-in: an image, a channel count, and counters for the grid hooks.
class ImageTransferTarget final : public TransferTarget {
public:
    explicit ImageTransferTarget(TransferDirection direction);

    [[nodiscard]] TransferDirection direction() const override { return m_direction; }
    [[nodiscard]] RadioImage& image() override { return m_image; }
    [[nodiscard]] int channelCount() const override { return m_count; }
    void setChannelCount(int count) override { m_count = count; }
    void parseGrid() override { ++m_parses; }
    void renderGrid() override;

    void setDirection(TransferDirection direction) { m_direction = direction; }
    [[nodiscard]] int parses() const { return m_parses; }
    [[nodiscard]] int renders() const { return m_renders; }
    // The channel count the last render showed (0: none yet).
    [[nodiscard]] int renderedCount() const { return m_renderedCount; }

private:
    TransferDirection m_direction;
    RadioImage m_image = RadioImage::newDocument();
    int m_count = RadioImage::MaxChannels;
    int m_parses = 0;
    int m_renders = 0;
    int m_renderedCount = 0;
};

} // namespace tarn::test
