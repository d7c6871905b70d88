#pragma once

#include <span>

namespace tarn {

// The core's messages that are put together from parts (a file's name and a reason, a line
// and a column, counts) as patterns, so a finished message can be shown translated without
// the core building it differently. The English text the core makes stays the source.
[[nodiscard]] std::span<const char* const> messageCatalog();

} // namespace tarn
