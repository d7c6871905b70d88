#include "data/ChannelDocument.h"

#include "data/SinFile.h"

namespace tarn {

void ChannelDocument::initNew() {
    m_channelCount = RadioImage::MaxChannels;
    m_image = RadioImage::newDocument();
}

void ChannelDocument::takeImage(const RadioImage& image) {
    m_image = image;
    updateChannelCountFromModel();
}

void ChannelDocument::loadFile(const std::filesystem::path& path) {
    takeImage(SinFile::load(path));
}

void ChannelDocument::storeFile(const std::filesystem::path& path) const {
    SinFile::store(path, m_image);
}

void ChannelDocument::updateChannelCountFromModel() {
    m_channelCount = channelCountForModel(m_image.modelType(), m_channelCount);
}

} // namespace tarn
