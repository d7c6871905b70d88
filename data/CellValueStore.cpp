#include "data/CellValueStore.h"

#include "common/Prompter.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ChannelRules.h"
#include "data/ToneTable.h"

#include <utility>

namespace tarn {

CellValueStore::CellValueStore(ChannelDocument& document, const ToneTable& tones,
                               Prompter& prompter, std::string caption)
    : m_document(document)
    , m_tones(tones)
    , m_prompter(prompter)
    , m_caption(std::move(caption)) {}

std::string CellValueStore::checkedFrequency(const std::string& typed) {
    return acceptsFrequency(typed, true) ? frequencyValue(typed) : std::string();
}

bool CellValueStore::acceptsFrequency(const std::string& typed, bool tellWhyNot) {
    if (typed.empty())
        return true;
    const char* refusal = nullptr;
    switch (ChannelRules::checkFrequency(typed)) {
    case ChannelRules::Frequency::Valid:
        return true;
    case ChannelRules::Frequency::OutOfRange:
        refusal = ChannelRules::RangeMessage;
        break;
    case ChannelRules::Frequency::OffStep:
        refusal = ChannelRules::StepMessage;
        break;
    }
    if (tellWhyNot)
        (void)m_prompter.ask({refusal, m_caption, PromptButtons::Ok, PromptIcon::None});
    return false;
}

std::string CellValueStore::frequencyValue(const std::string& typed) {
    if (typed.empty() || ChannelRules::checkFrequency(typed) != ChannelRules::Frequency::Valid)
        return {};
    return ChannelRules::storedFrequency(typed);
}

void CellValueStore::storeFrequency(int row, int col, const std::string& typed, Emptying emptying) {
    // The cells a frequency fills in or empties belong to its step.
    const ChannelDocument::Change change(m_document, stepName(row));
    const std::string value = typed.empty() ? std::string() : checkedFrequency(typed);
    if (value.empty()) {
        emptyFrequency(row, col, emptying);
        return;
    }
    if (isNewChannel(row)) {
        store(row, ChannelCodec::DecColumn, NoTone);
        store(row, ChannelCodec::EncColumn, NoTone);
        store(row, ChannelCodec::PowerColumn, NewPower);
        store(row, ChannelCodec::LockColumn, NewLock);
        if (col == ChannelCodec::RxFreqColumn)
            store(row, ChannelCodec::TxFreqColumn, value);
    }
    store(row, col, value);
}

std::string CellValueStore::toneValue(int row, const std::string& typed) const {
    if (!hasFrequency(row))
        return {};
    return m_tones.find(typed) ? typed : std::string(NoTone);
}

void CellValueStore::storeChoice(int row, int col, const std::string& chosen) {
    store(row, col, hasFrequency(row) ? chosen : std::string());
}

void CellValueStore::store(int row, int col, const std::string& text) {
    const ChannelDocument::Change change(m_document, stepName(row));
    m_document.storeCell(row, col, text);
}

std::string CellValueStore::stepName(int row) {
    return "Edit Channel " + std::to_string(row);
}

std::string CellValueStore::cellText(int row, int col) const {
    return m_document.sheet().cellText(row, col);
}

bool CellValueStore::hasFrequency(int row) const {
    return !isEmpty(row, ChannelCodec::RxFreqColumn) || !isEmpty(row, ChannelCodec::TxFreqColumn);
}

bool CellValueStore::isEmpty(int row, int col) const {
    return cellText(row, col).empty();
}

bool CellValueStore::isNewChannel(int row) const {
    return !hasFrequency(row) && isEmpty(row, ChannelCodec::DecColumn) &&
           isEmpty(row, ChannelCodec::EncColumn) && isEmpty(row, ChannelCodec::PowerColumn);
}

void CellValueStore::emptyFrequency(int row, int col, Emptying emptying) {
    // A frequency takes the tone of its own direction with it.
    store(row,
          col == ChannelCodec::RxFreqColumn ? ChannelCodec::DecColumn : ChannelCodec::EncColumn,
          {});
    store(row, col, {});
    const auto rowIsBlank = [&] {
        return !hasFrequency(row) && isEmpty(row, ChannelCodec::DecColumn) &&
               isEmpty(row, ChannelCodec::EncColumn);
    };
    if (rowIsBlank())
        store(row, ChannelCodec::PowerColumn, {});
    if (emptying == Emptying::OnLeave && rowIsBlank())
        store(row, ChannelCodec::LockColumn, {});
}

} // namespace tarn
