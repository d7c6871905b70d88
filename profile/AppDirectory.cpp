#include "profile/AppDirectory.h"

#include "profile/MultiByteText.h"

#include <utility>

namespace tarn {

AppDirectory::AppDirectory(std::string argv0, std::string currentDirectory)
    : m_directory(std::move(currentDirectory)) {
    const std::size_t last = MultiByteText(systemCodePage()).findLast(argv0, separator);
    if (last != std::string::npos)
        m_directory = argv0.substr(0, last);
}

AppDirectory AppDirectory::at(std::string directory) {
    return AppDirectory(std::string(), std::move(directory));
}

std::string AppDirectory::pathOf(const std::string& fileName) const {
    return m_directory + separator + fileName;
}

} // namespace tarn
