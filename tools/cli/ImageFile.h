#pragma once

#include "data/RadioImage.h"

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace tarn::cli {

// A ".sin" file with the channel count its model byte gives.
struct LoadedImage {
    RadioImage image;
    int channelCount = RadioImage::MaxChannels;
};

// Loading and storing for the verbs: failures are printed to err as "tarn-cli: ...".
class ImageFile {
public:
    [[nodiscard]] static std::optional<LoadedImage> load(const std::filesystem::path& path,
                                                         std::ostream& err);
    [[nodiscard]] static bool store(const std::filesystem::path& path, const RadioImage& image,
                                    std::ostream& err);
};

} // namespace tarn::cli
