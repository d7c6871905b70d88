#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tarn {

// The radio's programmable memory: 512 rows of 16 bytes; an offset is also the radio address.
class RadioImage {
public:
    static constexpr std::size_t Size = 8192;
    static constexpr std::size_t RowSize = 16;
    static constexpr std::size_t RowCount = Size / RowSize;
    static constexpr std::uint8_t Blank = 0xFF;

    // Channel n (1-based) is row n-1.
    static constexpr int MaxChannels = 199;
    static constexpr int ReducedChannels = 160;
    static constexpr std::size_t ChannelAreaEnd = MaxChannels * RowSize; // 0x0C70

    static constexpr std::size_t SettingsBegin = 0x1FC0;
    static constexpr std::size_t SettingsEnd = 0x1FF0;
    static constexpr std::size_t ModelTypeOffset = 0x1FDE;
    static constexpr std::size_t BandOffset = 0x1FDF;

    // Both transfer directions move 8-byte blocks: the channel rows, then settings bytes.
    static constexpr std::size_t BlockSize = 8;
    static constexpr int ChannelBlocks = static_cast<int>(ChannelAreaEnd / BlockSize); // 398
    static constexpr int WriteBlocks = 404; // ends with 0x1FE8
    static constexpr int ReadBlocks = 403;  // ends with 0x1FE0
    [[nodiscard]] static constexpr std::uint16_t blockAddress(int block) {
        return block < ChannelBlocks ? static_cast<std::uint16_t>(block * BlockSize)
                                     : static_cast<std::uint16_t>(
                                           SettingsBegin + (block - ChannelBlocks) * BlockSize);
    }

    // All bytes blank.
    RadioImage() { m_bytes.fill(Blank); }
    // A blank image with the settings defaults of a new document.
    [[nodiscard]] static RadioImage newDocument();

    [[nodiscard]] std::uint8_t& operator[](std::size_t offset) { return m_bytes.at(offset); }
    [[nodiscard]] std::uint8_t operator[](std::size_t offset) const { return m_bytes.at(offset); }
    [[nodiscard]] std::span<std::uint8_t, RowSize> row(std::size_t r);
    [[nodiscard]] std::span<const std::uint8_t, RowSize> row(std::size_t r) const;
    [[nodiscard]] std::span<std::uint8_t, Size> bytes() { return m_bytes; }
    [[nodiscard]] std::span<const std::uint8_t, Size> bytes() const { return m_bytes; }
    [[nodiscard]] std::uint8_t modelType() const { return m_bytes[ModelTypeOffset]; }

    friend bool operator==(const RadioImage&, const RadioImage&) = default;

private:
    std::array<std::uint8_t, Size> m_bytes;
};

// The channel count that follows a model type byte: 4 or 5 give 160, 0-3, 6 and 7 give 199,
// anything above 7 keeps the current count.
[[nodiscard]] int channelCountForModel(std::uint8_t modelType, int currentCount);

} // namespace tarn
