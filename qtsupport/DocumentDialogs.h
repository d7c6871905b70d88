#pragma once

class QWidget;

namespace tarn {

class ChannelDocument;
struct ChannelBulkEdit;
struct ChannelFill;
struct ChannelSortChoice;

// The modal dialogs a document window opens, so tests can answer them without timers.
class DocumentDialogs {
public:
    virtual ~DocumentDialogs() = default;
    // Model Information on the document's settings; OK stores, Cancel leaves them.
    virtual void modelInformation(ChannelDocument& document, QWidget* parent) = 0;
    // Optional Features on the document's settings.
    virtual void optionalFeatures(ChannelDocument& document, QWidget* parent) = 0;
    // Which device each COM name opens.
    virtual void ports(QWidget* parent) = 0;
    // Sort Channels, Edit Selected Channels and Fill Channels: fill in what the user chose
    // (starting from what the argument holds); false on Cancel.
    [[nodiscard]] virtual bool sortChannels(QWidget* parent, int selected,
                                            ChannelSortChoice& choice) = 0;
    [[nodiscard]] virtual bool editChannels(QWidget* parent, int selected,
                                            ChannelBulkEdit& edit) = 0;
    [[nodiscard]] virtual bool fillChannels(QWidget* parent, int channelCount,
                                            ChannelFill& fill) = 0;
};

} // namespace tarn
