#pragma once

#include "data/OptionalFeatures.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace tarn {

class ChannelDocument;
class DialogUnits;
class OptionCombo;

// The radio-wide options of a document's image, one box each; OK writes them back.
class OptionalFeaturesDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int TemplateId = 150;

    OptionalFeaturesDialog(ChannelDocument& document, QWidget* parent);

    void accept() override;

private:
    void createControls();
    void placeControls(const DialogUnits& units);
    void placeField(const DialogUnits& units, std::size_t field, int left, int top);
    void loadFromImage();

    ChannelDocument& m_document;
    std::array<QLabel*, OptionalFeatures::FieldCount> m_labels{};
    std::array<OptionCombo*, OptionalFeatures::FieldCount> m_boxes{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace tarn
