#pragma once

namespace tarn {

// Registers the pictures compiled into the static resource library; safe to call repeatedly.
void initTarnResources();

} // namespace tarn
