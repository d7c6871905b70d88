#include "bench/transfer/CountingLine.h"

namespace tarn::bench {

ReadResult CountingLine::read(std::span<std::uint8_t> buffer) {
    const ReadResult result = m_line.read(buffer);
    m_wireBytes += result.count;
    return result;
}

bool CountingLine::write(std::span<const std::uint8_t> bytes) {
    const bool written = m_line.write(bytes);
    if (written)
        m_wireBytes += bytes.size();
    return written;
}

} // namespace tarn::bench
