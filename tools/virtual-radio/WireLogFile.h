#pragma once

#include "link/SerialTrace.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace tarn {

// The radio's side of the wire in the serial trace's format, written as it happens (each
// run flushed), so it is whole however the radio is stopped. Times count from the radio's
// start; the step column says "radio".
class WireLogFile {
public:
    // Creates or truncates the file; throws std::system_error.
    explicit WireLogFile(const std::string& path);
    ~WireLogFile();
    WireLogFile(const WireLogFile&) = delete;
    WireLogFile& operator=(const WireLogFile&) = delete;

    void add(TraceDirection direction, std::span<const std::uint8_t> bytes, double ms);

private:
    std::FILE* m_file = nullptr;
};

} // namespace tarn
