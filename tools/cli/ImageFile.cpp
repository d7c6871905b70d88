#include "tools/cli/ImageFile.h"

#include "data/SinFile.h"

#include <ostream>

namespace tarn::cli {

std::optional<LoadedImage> ImageFile::load(const std::filesystem::path& path, std::ostream& err) {
    try {
        LoadedImage loaded{SinFile::load(path), RadioImage::MaxChannels};
        loaded.channelCount = channelCountForModel(loaded.image.modelType(), loaded.channelCount);
        return loaded;
    } catch (const SinFileError& e) {
        err << "tarn-cli: " << e.what() << "\n";
        return std::nullopt;
    }
}

bool ImageFile::store(const std::filesystem::path& path, const RadioImage& image,
                      std::ostream& err) {
    try {
        SinFile::store(path, image);
        return true;
    } catch (const SinFileError& e) {
        err << "tarn-cli: " << e.what() << "\n";
        return false;
    }
}

} // namespace tarn::cli
