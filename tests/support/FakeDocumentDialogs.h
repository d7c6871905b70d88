#pragma once

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

    std::function<void(ChannelDocument&)> onModelInformation;
    std::function<void(ChannelDocument&)> onOptionalFeatures;
    int modelInformationRuns = 0;
    int optionalFeaturesRuns = 0;
    int portsRuns = 0;
};

} // namespace tarn::test
