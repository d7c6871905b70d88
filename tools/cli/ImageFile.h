#pragma once

#include "data/RadioImage.h"
#include "tools/cli/CliCommand.h"

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace tarn::cli {

// A ".sin" file with the channel count its model byte gives.
struct LoadedImage {
    RadioImage image;
    int channelCount = RadioImage::MaxChannels;
};

// What a verb that rewrites a channel file starts from: the loaded image, or the exit status
// when the output is a terminal (UsageError) or the file does not load (Failure).
struct ImageToEdit {
    std::optional<LoadedImage> loaded;
    int status = 0;
};

// Loading and storing for the verbs: failures are printed to err as "tarn-cli: ...".
class ImageFile {
public:
    // anySize: a larger file gives its first 8192 bytes; otherwise only 8192 bytes load.
    [[nodiscard]] static std::optional<LoadedImage> load(const std::filesystem::path& path,
                                                         std::ostream& err, bool anySize = false);
    // The verbs that read channel files, which take --any-size.
    [[nodiscard]] static bool readsChannelFiles(const std::string& verb);
    [[nodiscard]] static std::string anySizeUsage();
    [[nodiscard]] static bool store(const std::filesystem::path& path, const RadioImage& image,
                                    std::ostream& err);
    // Writes an edited image to output ("-": standard output), then the row dump as a save
    // does, so a failed store leaves the old dump; false when the image was not written.
    // True, after saying why, when output names standard output and that is a terminal.
    [[nodiscard]] static bool refusesTerminal(const std::string& output, CliContext& context);
    [[nodiscard]] static ImageToEdit loadToEdit(const std::string& image, const std::string& output,
                                                CliContext& context);
    [[nodiscard]] static bool storeEdited(const std::string& output, const RadioImage& image,
                                          CliContext& context);
};

} // namespace tarn::cli
