#include "data/CellValueStore.h"

#include "common/Prompter.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ChannelRules.h"
#include "data/StrictNumber.h"
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
        tell(refusal);
    return false;
}

std::string CellValueStore::frequencyValue(const std::string& typed) {
    if (typed.empty() || ChannelRules::checkFrequency(typed) != ChannelRules::Frequency::Valid)
        return {};
    return ChannelRules::storedFrequency(typed);
}

bool CellValueStore::isRepeaterShift(int row, int col, const std::string& typed) const {
    const std::string_view text = StrictNumber::trimmed(typed);
    return col == ChannelCodec::TxFreqColumn && (text == "+" || text == "-") &&
           !isEmpty(row, ChannelCodec::RxFreqColumn);
}

BandPlan::Tx CellValueStore::repeaterTx(int row, const std::string& typed) const {
    const std::uint32_t rx =
        ChannelCodec::frequencyUnits(cellText(row, ChannelCodec::RxFreqColumn));
    return BandPlan::repeaterTx(m_region(), rx, StrictNumber::trimmed(typed).front());
}

std::optional<std::string> CellValueStore::frequencyValueAt(int row, int col,
                                                            const std::string& typed) const {
    if (isRepeaterShift(row, col, typed)) {
        const BandPlan::Tx tx = repeaterTx(row, typed);
        if (!tx.error.empty())
            return std::nullopt;
        return ChannelCodec::formatFrequency(tx.units);
    }
    std::string value = frequencyValue(typed);
    if (value.empty() && !typed.empty())
        return std::nullopt;
    return value;
}

bool CellValueStore::acceptsFrequencyAt(int row, int col, const std::string& typed,
                                        bool tellWhyNot) {
    if (!isRepeaterShift(row, col, typed))
        return acceptsFrequency(typed, tellWhyNot);
    const BandPlan::Tx tx = repeaterTx(row, typed);
    if (!tx.error.empty() && tellWhyNot)
        tell(tx.error);
    return tx.error.empty();
}

void CellValueStore::tell(const std::string& text) {
    (void)m_prompter.ask({text, m_caption, PromptButtons::Ok, PromptIcon::None});
}

void CellValueStore::storeFrequency(int row, int col, const std::string& typed, Emptying emptying) {
    // The cells a frequency fills in or empties belong to its step.
    const ChannelDocument::Change change(m_document, stepName(row));
    if (isRepeaterShift(row, col, typed)) {
        // Refused, the cell keeps its frequency: the user asked for a shift, not for no TX.
        if (acceptsFrequencyAt(row, col, typed, true))
            store(row, col, *frequencyValueAt(row, col, typed));
        return;
    }
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
