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

bool CellValueStore::acceptsFrequency(const std::string& typed, bool tellWhyNot) {
    if (typed.empty())
        return true;
    const ChannelRules::Frequency verdict = ChannelRules::checkFrequency(typed);
    if (verdict == ChannelRules::Frequency::Valid)
        return true;
    if (tellWhyNot)
        tell(ChannelRules::refusal(verdict, typed));
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

bool CellValueStore::storeFrequency(int row, int col, const std::string& typed, Emptying emptying) {
    if (isRepeaterShift(row, col, typed)) {
        // Refused, the cell keeps its frequency: the user asked for a shift, not for no TX.
        if (!acceptsFrequencyAt(row, col, typed, true))
            return false;
        store(row, col, *frequencyValueAt(row, col, typed));
        return true;
    }
    if (!acceptsFrequency(typed, true))
        return false;
    // The cells a frequency fills in or empties belong to its step.
    const ChannelDocument::Change change(m_document, stepName(row));
    const std::string value = frequencyValue(typed);
    if (value.empty()) {
        emptyFrequency(row, col, emptying);
        return true;
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
    return true;
}

std::optional<std::string> CellValueStore::toneValue(int row, const std::string& typed) const {
    if (!hasFrequency(row))
        return std::string();
    if (StrictNumber::trimmed(typed).empty())
        return std::string(NoTone);
    const auto index = m_tones.match(typed);
    if (!index)
        return std::nullopt;
    return m_tones.at(*index);
}

bool CellValueStore::acceptsTone(int row, const std::string& typed, bool tellWhyNot) {
    if (toneValue(row, typed))
        return true;
    if (tellWhyNot)
        tell(ChannelRules::ToneMessage);
    return false;
}

bool CellValueStore::storeTone(int row, std::initializer_list<int> cols, const std::string& typed) {
    if (!acceptsTone(row, typed, true))
        return false;
    const std::string value = *toneValue(row, typed);
    const ChannelDocument::Change change(m_document, stepName(row));
    for (const int col : cols)
        store(row, col, value);
    return true;
}

void CellValueStore::storeChoice(int row, int col, const std::string& chosen) {
    if (const auto value = choiceValue(row, col, chosen))
        store(row, col, *value);
}

std::optional<std::string> CellValueStore::choiceValue(int row, int col,
                                                       const std::string& chosen) const {
    if (!hasFrequency(row))
        return std::string();
    return col == ChannelCodec::LockColumn ? ChannelRules::lockName(chosen)
                                           : ChannelRules::powerName(chosen);
}

void CellValueStore::store(int row, int col, const std::string& text) {
    const ChannelDocument::Change change(m_document, stepName(row));
    m_document.storeCell(row, col, text);
}

void CellValueStore::tell(const std::string& text) {
    (void)m_prompter.ask({text, m_caption, PromptButtons::Ok, PromptIcon::None});
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
