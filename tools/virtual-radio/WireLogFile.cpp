#include "tools/virtual-radio/WireLogFile.h"

#include <cerrno>
#include <system_error>

namespace tarn {

WireLogFile::WireLogFile(const std::string& path)
    : m_file(std::fopen(path.c_str(), "w")) {
    if (!m_file)
        throw std::system_error(errno, std::generic_category(), "--wire-log " + path);
    const std::string header = SerialTrace::format({"the virtual radio's side of the wire"}, {});
    std::fputs(header.c_str(), m_file);
    std::fflush(m_file);
}

WireLogFile::~WireLogFile() {
    std::fclose(m_file);
}

void WireLogFile::add(TraceDirection direction, std::span<const std::uint8_t> bytes, double ms) {
    if (bytes.empty())
        return;
    const std::string line =
        SerialTrace::formatRun(WireRun{ms, direction, {bytes.begin(), bytes.end()}, "radio"});
    std::fputs(line.c_str(), m_file);
    std::fflush(m_file);
}

} // namespace tarn
