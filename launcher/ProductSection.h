#pragma once

#include <string>
#include <vector>

namespace tarn {

// The CH number (1 for CH1) of a listed product name: the first section whose name equals
// it byte for byte, since the store's ignore-case lookup would merge "tarn" with "TARN".
// 0, the section of no choice, when no name matches.
[[nodiscard]] int productSection(const std::vector<std::string>& namesInSectionOrder,
                                 const std::string& name);

} // namespace tarn
