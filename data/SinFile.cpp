#include "data/SinFile.h"

#include "data/AtomicFile.h"
#include "data/FileHandle.h"
#include "data/StoreTarget.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>

namespace tarn {

namespace {

using std::filesystem::path;
namespace fs = std::filesystem;

std::string describe(const path& file, const std::string& reason) {
    return "\"" + file.string() + "\": " + reason;
}

std::string lastError() {
    return std::strerror(errno);
}

path checkedTarget(const path& file) {
    const StoreTarget::Resolved resolved = StoreTarget::resolve(file, "a channel file");
    if (resolved.refused())
        throw SinFileError(describe(file, resolved.refusal));
    return resolved.target;
}

} // namespace

std::uintmax_t SinFile::regularFileSize(const path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error)
        throw SinFileError(describe(file, "cannot open: " + error.message()));
    // Reading a device or a pipe could block or never end, and is no channel file anyway.
    if (!fs::is_regular_file(status))
        throw SinFileError(describe(file, std::string(StoreTarget::kindOf(status.type())) +
                                              ", not a channel file"));
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        throw SinFileError(describe(file, "cannot read: " + error.message()));
    return size;
}

std::string SinFile::firstBytesQuestion(const std::string& name, std::uintmax_t size) {
    const std::string image = std::to_string(RadioImage::Size);
    return name + " is " + std::to_string(size) + " bytes; a channel file has " + image +
           ". Open its first " + image + " bytes?";
}

RadioImage SinFile::load(const path& file, SinSize rule) {
    (void)regularFileSize(file);
    FileHandle in(std::fopen(file.string().c_str(), "rb"));
    if (!in)
        throw SinFileError(describe(file, "cannot open: " + lastError()));
    RadioImage image;
    const auto bytes = image.bytes();
    std::size_t got = std::fread(bytes.data(), 1, bytes.size(), in.get());
    // One byte more tells a longer file from an exact one, whatever the size said before.
    unsigned char extra = 0;
    const bool longer = got == bytes.size() && std::fread(&extra, 1, 1, in.get()) == 1;
    if (std::ferror(in.get()))
        throw SinFileError(describe(file, "cannot read: " + lastError()));
    if (got == bytes.size() && (!longer || rule == SinSize::FirstOfLarger))
        return image;
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (!error)
        got = static_cast<std::size_t>(size);
    throw SinFileError(describe(file, "not a channel file: it holds " + std::to_string(got) +
                                          " bytes, a channel file holds " +
                                          std::to_string(RadioImage::Size)));
}

RadioImage SinFile::fromBytes(std::span<const std::uint8_t> bytes, const path& name, SinSize rule) {
    const bool fits = bytes.size() == RadioImage::Size ||
                      (bytes.size() > RadioImage::Size && rule == SinSize::FirstOfLarger);
    if (!fits)
        throw SinFileError(
            describe(name, "not a channel file: it holds " + std::to_string(bytes.size()) +
                               " bytes, a channel file holds " + std::to_string(RadioImage::Size)));
    RadioImage image;
    std::copy_n(bytes.begin(), RadioImage::Size, image.bytes().begin());
    return image;
}

void SinFile::checkStorable(const path& file) {
    if (const auto failure = AtomicFile::probe(checkedTarget(file)))
        throw SinFileError(describe(file, *failure));
}

void SinFile::store(const path& file, const RadioImage& image) {
    const path target = checkedTarget(file);
    std::error_code error;
    std::optional<AtomicFile::Keep> keep;
    if (fs::exists(target, error))
        keep = AtomicFile::Keep{target};
    if (const auto failure = AtomicFile::replace(target, image.bytes(), keep))
        throw SinFileError(describe(file, *failure));
}

} // namespace tarn
