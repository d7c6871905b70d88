#include "launcher/ProductSection.h"

#include <algorithm>

namespace tarn {

int productSection(const std::vector<std::string>& namesInSectionOrder, const std::string& name) {
    const auto found = std::find(namesInSectionOrder.begin(), namesInSectionOrder.end(), name);
    if (found == namesInSectionOrder.end())
        return 0;
    return static_cast<int>(found - namesInSectionOrder.begin()) + 1;
}

} // namespace tarn
