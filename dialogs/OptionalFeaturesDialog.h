#pragma once

#include "data/OptionalFeatures.h"

#include <QDialog>

#include <optional>
#include <string_view>

#include <array>

class QLabel;
class QPushButton;

namespace tarn {

class ChannelDocument;
class Prompter;
class DialogUnits;
class OptionCombo;

// The radio-wide options of a document's image, one box each; OK writes them back.
class OptionalFeaturesDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int TemplateId = 150;

    // A box left with a text that names no entry is refused through the prompter.
    OptionalFeaturesDialog(ChannelDocument& document, Prompter& prompter, QWidget* parent);

    void accept() override;

private:
    void createControls();
    void placeControls(const DialogUnits& units);
    void placeField(const DialogUnits& units, std::size_t field, int left, int top);
    void loadFromImage();

    // The box's value for OK; nothing, after telling the user, for a refused text.
    [[nodiscard]] std::optional<int> chosen(OptionCombo& box, std::string_view label);

    ChannelDocument& m_document;
    Prompter& m_prompter;
    std::array<QLabel*, OptionalFeatures::FieldCount> m_labels{};
    std::array<OptionCombo*, OptionalFeatures::FieldCount> m_boxes{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace tarn
