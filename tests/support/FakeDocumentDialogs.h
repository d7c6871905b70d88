#pragma once

#include "data/ChannelBulkEdit.h"
#include "data/ChannelFill.h"
#include "data/ChannelOrder.h"
#include "qtsupport/DocumentDialogs.h"

#include <functional>

namespace tarn::test {

// Answers a document window's dialogs at once: each runs its hook, if set, on the document.
class FakeDocumentDialogs : public DocumentDialogs {
public:
    void modelInformation(ChannelDocument& document, QWidget* /*parent*/) override {
        ++modelInformationRuns;
        if (onModelInformation)
            onModelInformation(document);
    }
    void optionalFeatures(ChannelDocument& document, QWidget* /*parent*/) override {
        ++optionalFeaturesRuns;
        if (onOptionalFeatures)
            onOptionalFeatures(document);
    }
    void ports(QWidget* /*parent*/) override { ++portsRuns; }
    // Without a hook, the dialog is cancelled.
    bool sortChannels(QWidget* /*parent*/, int selected, ChannelSortChoice& choice) override {
        return onSort && onSort(selected, choice);
    }
    bool editChannels(QWidget* /*parent*/, int selected, ChannelBulkEdit& edit) override {
        return onEdit && onEdit(selected, edit);
    }
    bool fillChannels(QWidget* /*parent*/, int channelCount, ChannelFill& fill) override {
        return onFill && onFill(channelCount, fill);
    }

    std::function<bool(int, ChannelSortChoice&)> onSort;
    std::function<bool(int, ChannelBulkEdit&)> onEdit;
    std::function<bool(int, ChannelFill&)> onFill;

    std::function<void(ChannelDocument&)> onModelInformation;
    std::function<void(ChannelDocument&)> onOptionalFeatures;
    int modelInformationRuns = 0;
    int optionalFeaturesRuns = 0;
    int portsRuns = 0;
};

} // namespace tarn::test
