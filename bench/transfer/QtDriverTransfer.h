#pragma once

#include "bench/transfer/EngineTransfer.h"

namespace tarn::bench {

// One transfer as TARN runs it: the session driven from Qt's event loop by SessionDriver, with
// the real port and the precise timer, timed. Needs a QApplication.
[[nodiscard]] EngineTransfer
runThroughQtDriver(const std::string& device, TransferDirection direction, const RadioImage& image);

} // namespace tarn::bench
