#pragma once

#include "data/ChannelCsvImport.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace tarn {

// The dialogs of File > Import Channels and Export Channels, so tests can answer them.
class ChannelListDialogs {
public:
    virtual ~ChannelListDialogs() = default;
    // The list to import; empty when cancelled.
    [[nodiscard]] virtual QString importFileName(QWidget* parent) = 0;
    // Where to export; empty when cancelled.
    [[nodiscard]] virtual QString exportFileName(QWidget* parent, const QString& suggested) = 0;
    // Shows what importing the list would do; the options chosen on OK, nothing on Cancel.
    [[nodiscard]] virtual std::optional<ChannelCsvOptions>
    confirmImport(QWidget* parent, const std::string& listText, int channelCount,
                  const QString& fileName) = 0;
};

} // namespace tarn
