#pragma once

#include "link/ImageTarget.h"

namespace tarn::cli {

// The image of a file: there is no grid, so it is written as it stands and nothing is shown
// after a read.
class CliTransferTarget final : public ImageTarget {
public:
    using ImageTarget::ImageTarget;
};

} // namespace tarn::cli
