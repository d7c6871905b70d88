#pragma once

namespace tarn {

class RadioImage;

enum class TransferDirection { Read = 0, Write = 1 };

// The document side of a transfer. The direction is asked again while the handshake runs,
// because the user may switch between Read and Write from the menu meanwhile.
class TransferTarget {
public:
    virtual ~TransferTarget() = default;

    [[nodiscard]] virtual TransferDirection direction() const = 0;
    [[nodiscard]] virtual RadioImage& image() = 0;
    [[nodiscard]] virtual int channelCount() const = 0;
    virtual void setChannelCount(int count) = 0;
    // Brings the edited channel table into the image before a write.
    virtual void parseGrid() = 0;
    // A read has completed: what image() received becomes the document's and is shown.
    // A read that ends any other way leaves the target to drop what it received.
    virtual void renderGrid() = 0;
};

} // namespace tarn
