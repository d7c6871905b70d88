#include "view/CellValueStore.h"

#include "common/Prompter.h"
#include "data/CellGrid.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ChannelRules.h"
#include "data/ToneTable.h"

#include <utility>

namespace tarn {

CellValueStore::CellValueStore(CellGrid& cells, ChannelDocument& document, const ToneTable& tones,
                               Prompter& prompter, std::string caption)
    : m_cells(cells)
    , m_document(document)
    , m_tones(tones)
    , m_prompter(prompter)
    , m_caption(std::move(caption)) {}

std::string CellValueStore::checkedFrequency(const std::string& typed) {
    const char* refusal = nullptr;
    switch (ChannelRules::checkFrequency(typed)) {
    case ChannelRules::Frequency::Valid:
        return ChannelRules::storedFrequency(typed);
    case ChannelRules::Frequency::OutOfRange:
        refusal = ChannelRules::RangeMessage;
        break;
    case ChannelRules::Frequency::OffStep:
        refusal = ChannelRules::StepMessage;
        break;
    }
    (void)m_prompter.ask({refusal, m_caption, PromptButtons::Ok, PromptIcon::None});
    return {};
}

void CellValueStore::storeFrequency(int row, int col, const std::string& typed, Emptying emptying) {
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
    if (m_cells.cellText(row, col) == text)
        return;
    m_cells.setCellText(row, col, text);
    m_document.setModified(true);
}

bool CellValueStore::hasFrequency(int row) const {
    return !isEmpty(row, ChannelCodec::RxFreqColumn) || !isEmpty(row, ChannelCodec::TxFreqColumn);
}

bool CellValueStore::isEmpty(int row, int col) const {
    return m_cells.cellText(row, col).empty();
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
