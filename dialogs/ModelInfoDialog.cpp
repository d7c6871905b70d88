#include "dialogs/ModelInfoDialog.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "data/ChannelDocument.h"
#include "data/ModelSettings.h"
#include "dialogs/OptionCombo.h"
#include "qtsupport/DialogUnits.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace tarn {

ModelInfoDialog::ModelInfoDialog(ChannelDocument& document, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_prompter(prompter)
    , m_countAtStart(document.channelCount())
    , m_modelLabel(new QLabel(tr("Model Type"), this))
    , m_model(new OptionCombo(ModelTypeId, this))
    , m_bandLabel(new QLabel(tr("Frequency"), this))
    , m_band(new OptionCombo(FrequencyId, this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Model Information"));
    setProperty("templateId", TemplateId);
    setFont(QFont(QStringLiteral("Times New Roman"), 9));
    createControls();
    placeControls(DialogUnits(font()));
    loadFromImage();
    // Connected last: the start-up selection must not rebuild the list a second time.
    connect(m_model, &OptionCombo::selectionChanged, this, [this] { rebuildBandList(); });
}

void ModelInfoDialog::createControls() {
    m_model->setEntries(ModelSettings::ModelEntries);
    m_modelLabel->setBuddy(m_model);
    m_modelLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_bandLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_bandLabel->setBuddy(m_band);
    m_ok->setProperty("controlId", 1);
    m_ok->setDefault(true);
    m_cancel->setProperty("controlId", 2);
    connect(m_ok, &QPushButton::clicked, this, &ModelInfoDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &ModelInfoDialog::reject);
}

void ModelInfoDialog::placeControls(const DialogUnits& units) {
    const int boxHeight = std::max(m_model->sizeHint().height(), units.y(12));
    m_modelLabel->setGeometry(units.x(12), units.y(12), units.x(52), boxHeight);
    m_model->setGeometry(units.x(66), units.y(12), units.x(180), boxHeight);
    m_bandLabel->setGeometry(units.x(12), units.y(34), units.x(52), boxHeight);
    m_band->setGeometry(units.x(66), units.y(34), units.x(180), boxHeight);
    m_ok->setGeometry(units.rect(71, 60, 50, 14));
    m_cancel->setGeometry(units.rect(136, 60, 50, 14));
    setFixedSize(units.size(257, 84));
}

void ModelInfoDialog::loadFromImage() {
    const ModelSettings stored = ModelSettings::decode(m_document.image());
    m_model->select(stored.model());
    rebuildBandList();
    m_band->select(stored.band());
    m_model->markOpened();
    m_band->markOpened();
}

void ModelInfoDialog::rebuildBandList() {
    const int model = m_model->selection();
    m_band->setEntries(ModelSettings::bandEntriesFor(model));
    if (const auto count = ModelSettings::channelCountFor(model))
        m_document.setChannelCount(*count);
    m_band->select(0);
}

void ModelInfoDialog::accept() {
    const std::optional<int> model = chosen(*m_model, ModelSettings::ModelLabel);
    if (!model)
        return;
    const std::optional<int> band = chosen(*m_band, ModelSettings::BandLabel);
    if (!band)
        return;
    if (ModelSettings(*model, *band).encode(m_document.image()))
        m_document.setModified(true);
    QDialog::accept();
}

std::optional<int> ModelInfoDialog::chosen(OptionCombo& box, std::string_view label) {
    const ListName::Choice choice = box.choice();
    switch (choice.verdict) {
    case ListName::Verdict::Entry:
        return static_cast<int>(choice.entry);
    case ListName::Verdict::Keep:
        return ModelSettings::Unchanged;
    case ListName::Verdict::Refused:
        break;
    }
    (void)m_prompter.ask(
        {ListName::refusal(label), AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
    box.focusForMending();
    return std::nullopt;
}

void ModelInfoDialog::reject() {
    m_document.setChannelCount(m_countAtStart);
    QDialog::reject();
}

} // namespace tarn
