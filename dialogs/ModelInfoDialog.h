#pragma once

#include <QDialog>

#include <optional>
#include <string_view>

class QLabel;
class QPushButton;

namespace tarn {

class ChannelDocument;
class Prompter;
class DialogUnits;
class OptionCombo;

// Model family and frequency band of a document's image. Choosing a model sets the
// document's channel count; Cancel puts the count back as it was.
class ModelInfoDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int TemplateId = 148;
    static constexpr int ModelTypeId = 1017;
    static constexpr int FrequencyId = 1011;

    // A box left with a text that names no entry is refused through the prompter.
    ModelInfoDialog(ChannelDocument& document, Prompter& prompter, QWidget* parent);

    // Refills the band list for the chosen model and selects its first band.
    void rebuildBandList();

    void accept() override;
    void reject() override;

private:
    void createControls();
    void placeControls(const DialogUnits& units);
    void loadFromImage();

    // The box's value for OK; nothing, after telling the user, for a refused text.
    [[nodiscard]] std::optional<int> chosen(OptionCombo& box, std::string_view label);

    ChannelDocument& m_document;
    Prompter& m_prompter;
    const int m_countAtStart;
    QLabel* m_modelLabel;
    OptionCombo* m_model;
    QLabel* m_bandLabel;
    OptionCombo* m_band;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace tarn
