#pragma once

#include "data/RadioImage.h"

#include <filesystem>

namespace tarn {

// The data half of a channel document: one image, its channel count and whether it has
// changed since it was created, loaded or saved. Windows and views live above it.
class ChannelDocument {
public:
    ChannelDocument() = default;
    virtual ~ChannelDocument() = default;
    ChannelDocument(const ChannelDocument&) = delete;
    ChannelDocument& operator=(const ChannelDocument&) = delete;

    // A new document: 199 channels, a blank image with the settings defaults.
    void initNew();
    // Takes a loaded or received image; the channel count follows its model type byte.
    void takeImage(const RadioImage& image);
    // ".sin" file load and atomic store; throw SinFileError, leaving the document as it was.
    void loadFile(const std::filesystem::path& path);
    void storeFile(const std::filesystem::path& path) const;

    [[nodiscard]] RadioImage& image() { return m_image; }
    [[nodiscard]] const RadioImage& image() const { return m_image; }
    [[nodiscard]] int channelCount() const { return m_channelCount; }
    void setChannelCount(int count) { m_channelCount = count; }
    // Sets the count from the model type byte (above 7: unchanged).
    void updateChannelCountFromModel();

    [[nodiscard]] bool isModified() const { return m_modified; }
    virtual void setModified(bool modified) { m_modified = modified; }

private:
    RadioImage m_image;
    int m_channelCount = RadioImage::MaxChannels;
    bool m_modified = false;
};

} // namespace tarn
