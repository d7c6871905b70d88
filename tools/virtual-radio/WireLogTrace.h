#pragma once

#include "common/SerialTrace.h"

namespace tarn {

class WireLog;

// The radio's wire log in the program's trace format, so the two compare run by run.
class WireLogTrace {
public:
    [[nodiscard]] static SerialTrace of(const WireLog& log);
};

} // namespace tarn
