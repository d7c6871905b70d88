#include "dialogs/OptionalFeaturesDialog.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "data/ChannelDocument.h"
#include "dialogs/OptionCombo.h"
#include "qtsupport/DialogUnits.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <string>

namespace tarn {

namespace {

// Dialog units of the two columns and their rows.
constexpr int LeftLabelX = 10;
constexpr int RightLabelX = 152;
constexpr int LabelWidth = 76;
constexpr int RightLabelWidth = 60;
constexpr int FirstRowY = 8;
constexpr int RowPitch = 16;
constexpr int LeftBoxWidth = 50;
constexpr int RightBoxWidth = 65;

// A label marked in the core, in the interface language.
QString translatedLabel(std::string_view text) {
    return QCoreApplication::translate("tarn::OptionalFeatures", std::string(text).c_str());
}

} // namespace

OptionalFeaturesDialog::OptionalFeaturesDialog(ChannelDocument& document, Prompter& prompter,
                                               QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_prompter(prompter) {
    setWindowTitle(tr("Optional Features"));
    setProperty("templateId", TemplateId);
    setFont(QFont(QStringLiteral("Times New Roman"), 9));
    createControls();
    placeControls(DialogUnits(font()));
    loadFromImage();
}

void OptionalFeaturesDialog::createControls() {
    // Created in the order of the columns, so Tab walks down the left column first.
    for (std::size_t i = 0; i < OptionalFeatures::FieldCount; ++i) {
        const FeatureField& field = OptionalFeatures::fields()[i];
        m_labels[i] = new QLabel(translatedLabel(field.label), this);
        m_boxes[i] = new OptionCombo(field.controlId, this);
        m_boxes[i]->setEntries(field.entries);
        m_labels[i]->setBuddy(m_boxes[i]);
        m_labels[i]->setVisible(!field.hidden);
        m_boxes[i]->setVisible(!field.hidden);
    }
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setProperty("controlId", 1);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setProperty("controlId", 2);
    connect(m_ok, &QPushButton::clicked, this, &OptionalFeaturesDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &OptionalFeaturesDialog::reject);
}

void OptionalFeaturesDialog::placeControls(const DialogUnits& units) {
    for (std::size_t i = 0; i < OptionalFeatures::FieldCount; ++i) {
        const auto row = static_cast<int>(i) % OptionalFeatures::LeftColumnFields;
        const bool left = static_cast<int>(i) < OptionalFeatures::LeftColumnFields;
        placeField(units, i, left ? LeftLabelX : RightLabelX, FirstRowY + row * RowPitch);
    }
    m_ok->setGeometry(units.rect(85, 122, 50, 14));
    m_cancel->setGeometry(units.rect(154, 122, 50, 14));
    setFixedSize(units.size(289, 141));
}

void OptionalFeaturesDialog::placeField(const DialogUnits& units, std::size_t field, int left,
                                        int top) {
    const bool leftColumn = left == LeftLabelX;
    const int labelWidth = leftColumn ? LabelWidth : RightLabelWidth;
    const int boxWidth = leftColumn ? LeftBoxWidth : RightBoxWidth;
    const int boxHeight = std::max(m_boxes[field]->sizeHint().height(), units.y(12));
    // Each label is centred on the height of its box.
    m_labels[field]->setGeometry(units.x(left), units.y(top), units.x(labelWidth), boxHeight);
    m_labels[field]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_boxes[field]->setGeometry(units.x(left + labelWidth + 2), units.y(top), units.x(boxWidth),
                                boxHeight);
}

void OptionalFeaturesDialog::loadFromImage() {
    const OptionalFeatures::Selections stored = OptionalFeatures::decode(m_document.image());
    for (std::size_t i = 0; i < OptionalFeatures::FieldCount; ++i) {
        m_boxes[i]->select(stored[i]);
        m_boxes[i]->markOpened();
    }
}

void OptionalFeaturesDialog::accept() {
    OptionalFeatures::Selections selections{};
    for (std::size_t i = 0; i < OptionalFeatures::FieldCount; ++i) {
        const std::optional<int> selection =
            chosen(*m_boxes[i], OptionalFeatures::fields()[i].label);
        if (!selection)
            return;
        selections[i] = *selection;
    }
    if (OptionalFeatures::encode(selections, m_document.image()))
        m_document.setModified(true);
    QDialog::accept();
}

std::optional<int> OptionalFeaturesDialog::chosen(OptionCombo& box, std::string_view label) {
    const ListName::Choice choice = box.choice();
    switch (choice.verdict) {
    case ListName::Verdict::Entry:
        return static_cast<int>(choice.entry);
    case ListName::Verdict::Keep:
        return OptionalFeatures::Unchanged;
    case ListName::Verdict::Refused:
        break;
    }
    (void)m_prompter.ask(
        {ListName::refusal(label), AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
    box.focusForMending();
    return std::nullopt;
}

} // namespace tarn
