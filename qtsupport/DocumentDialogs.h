#pragma once

class QWidget;

namespace tarn {

class ChannelDocument;

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
};

} // namespace tarn
