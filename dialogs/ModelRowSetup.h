#pragma once

#include "data/CellGrid.h"

namespace tarn {

class ChannelDocument;

// Sets a channel grid's rows up again for the document's channel count once Model
// Information has closed. Rows already there keep their texts (they may hold edits not yet
// parsed); rows that are added show the channels the image holds for them.
class ModelRowSetup {
public:
    static void apply(const ChannelDocument& document, CellGrid& grid);
};

} // namespace tarn
