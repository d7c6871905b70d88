#include "tools/cli/ImageFile.h"

#include "common/Translate.h"
#include "tools/cli/CliText.h"

#include "data/RowDump.h"
#include "data/SinFile.h"
#include "tools/cli/CliOutput.h"

#include <ostream>
#include <string>

namespace tarn::cli {

std::optional<LoadedImage> ImageFile::load(const std::filesystem::path& path, std::ostream& err,
                                           bool anySize) {
    try {
        LoadedImage loaded{SinFile::load(path, anySize ? SinSize::FirstOfLarger : SinSize::Exact),
                           RadioImage::MaxChannels};
        loaded.channelCount = channelCountForModel(loaded.image.modelType(), loaded.channelCount);
        return loaded;
    } catch (const SinFileError& e) {
        err << "tarn-cli: " << e.what() << "\n";
        return std::nullopt;
    }
}

bool ImageFile::readsChannelFiles(const std::string& verb) {
    for (const char* name : {"show", "apply", "import", "export", "diff", "write", "check", "sort"})
        if (verb == name)
            return true;
    return false;
}

std::string ImageFile::anySizeUsage() {
    return CliText::help(TARN_TRANSLATE_NOOP(
        "tarn::cli::Help",
        "  --any-size     take the first 8192 bytes of a larger channel file (by default\n"
        "                 a file of any size but 8192 bytes is refused)\n"));
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

bool ImageFile::storeEdited(const std::string& output, const RadioImage& image,
                            CliContext& context) {
    if (output != "-") {
        if (!store(output, image, context.err))
            return false;
    } else {
        const auto bytes = image.bytes();
        context.out.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<std::streamsize>(bytes.size()));
        if (!CliOutput::flushed(context.out, context.err, "the image to standard output"))
            return false;
    }
    if (!RowDump::writeInto(image, context.dumpDirectory))
        context.err << "tarn-cli: warning: could not write the row dump " << RowDump::FileName
                    << "\n";
    return true;
}

bool ImageFile::refusesTerminal(const std::string& output, CliContext& context) {
    if (output != "-" || !context.outIsTerminal)
        return false;
    context.err << "tarn-cli: will not write a memory image to a terminal; redirect it\n";
    return true;
}

ImageToEdit ImageFile::loadToEdit(const std::string& image, const std::string& output,
                                  CliContext& context) {
    if (refusesTerminal(output, context))
        return {std::nullopt, UsageError};
    ImageToEdit edit{load(image, context.err, context.anySize)};
    edit.status = edit.loaded ? Success : Failure;
    return edit;
}

} // namespace tarn::cli
