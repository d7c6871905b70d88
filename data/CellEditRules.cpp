#include "data/CellEditRules.h"

#include "common/Prompter.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"

#include <cctype>
#include <optional>
#include <utility>

namespace tarn {

namespace {

bool isDigit(int key) {
    return key >= '0' && key <= '9';
}

bool isPrintable(int key) {
    return key >= 32 && key != CellEditRules::DeleteKey;
}

bool isFrequencyColumn(int column) {
    return column == ChannelCodec::RxFreqColumn || column == ChannelCodec::TxFreqColumn;
}

bool isToneColumn(int column) {
    return column == ChannelCodec::DecColumn || column == ChannelCodec::EncColumn;
}

// A typed character as the UTF-8 text an editor shows.
std::string utf8(int code) {
    const auto c = static_cast<unsigned>(code);
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

bool startsWithIgnoringCase(const std::string& item, const std::string& prefix) {
    if (prefix.size() > item.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(item[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

} // namespace

CellEditRules::CellEditRules(ChannelDocument& document, const ToneTable& tones, Prompter& prompter,
                             std::string caption)
    : m_document(document)
    , m_store(document, tones, prompter, caption)
    , m_prompter(prompter)
    , m_caption(std::move(caption)) {}

CellEditRules::Editor CellEditRules::editorFor(int column) {
    switch (column) {
    case ChannelCodec::RxFreqColumn:
    case ChannelCodec::TxFreqColumn:
        return Editor::Frequency;
    case ChannelCodec::DecColumn:
    case ChannelCodec::EncColumn:
        return Editor::Tone;
    case ChannelCodec::PowerColumn:
        return Editor::Power;
    case ChannelCodec::LockColumn:
        return Editor::Lock;
    default:
        return Editor::None;
    }
}

bool CellEditRules::isEditable(int row, int column) const {
    return row > 0 && editorFor(column) != Editor::None && !m_document.isTransferring() &&
           m_document.sheet().contains(row, column);
}

bool CellEditRules::keyOpensEditor(int row, int column, int key) const {
    if (!isEditable(row, column) || column == ChannelCodec::LockColumn)
        return false;
    // Backspace and Delete start a frequency over; other control keys open nothing.
    const bool erases = key == BackspaceKey || key == DeleteKey;
    return (erases && isFrequencyColumn(column)) || isPrintable(key);
}

bool CellEditRules::typeOverLock(int row, int key) {
    if (!isEditable(row, ChannelCodec::LockColumn))
        return false;
    const char* value = nullptr;
    if (key == 'l' || key == 'L')
        value = "Lock";
    else if (key == 'u' || key == 'U')
        value = "UnLock";
    if (!value)
        return false;
    m_store.storeChoice(row, ChannelCodec::LockColumn, value);
    return true;
}

CellEditRules::Opening CellEditRules::openFrequency(int row, int column, int key) {
    const std::string current = cellText({row, column});
    if (key == MouseKey || key == EnterKey)
        return {current, true};
    if (isDigit(key) ||
        ((key == '+' || key == '-') && m_store.isRepeaterShift(row, column, utf8(key))))
        return {utf8(key), false};
    if (isPrintable(key)) {
        (void)m_prompter.ask({NumberMessage, m_caption, PromptButtons::Ok, PromptIcon::None});
        return {current.empty() ? std::string() : utf8(key), false};
    }
    return {};
}

int CellEditRules::listIndexFor(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (startsWithIgnoringCase(items[i], text))
            return static_cast<int>(i);
    }
    return 0;
}

int CellEditRules::itemStartingWith(const std::vector<std::string>& items,
                                    const std::string& typed) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (startsWithIgnoringCase(items[i], typed))
            return static_cast<int>(i);
    }
    return -1;
}

CellEditRules::Result CellEditRules::leave(Cell cell, int farColumn, const std::string& text) {
    Result result;
    // A row the sheet no longer has takes nothing.
    if (!isEditable(cell.row, cell.column))
        return result;
    switch (editorFor(cell.column)) {
    case Editor::Tone:
        // A selection across both tone columns sets both; it never reaches other columns.
        result.refused = farColumn != cell.column && isToneColumn(farColumn)
                             ? !m_store.storeTone(cell.row, {cell.column, farColumn}, text)
                             : !m_store.storeTone(cell.row, {cell.column}, text);
        break;
    case Editor::Frequency:
        result.refused =
            !m_store.storeFrequency(cell.row, cell.column, text, CellValueStore::Emptying::OnLeave);
        break;
    default:
        m_store.storeChoice(cell.row, cell.column, text);
        break;
    }
    return result;
}

CellEditRules::Result CellEditRules::enter(Cell cell, const std::string& text) {
    Result result;
    if (!isEditable(cell.row, cell.column))
        return result;
    switch (editorFor(cell.column)) {
    case Editor::Frequency:
        result.refused =
            !m_store.storeFrequency(cell.row, cell.column, text, CellValueStore::Emptying::OnEnter);
        break;
    case Editor::Tone:
        result.refused = !m_store.storeTone(cell.row, {cell.column}, text);
        break;
    default:
        // A row without frequencies keeps what its cell held.
        if (m_store.hasFrequency(cell.row))
            m_store.storeChoice(cell.row, cell.column, text);
        if (const int next = neighbour(cell.row, 1); next > 0)
            result.next = {next, ChannelCodec::RxFreqColumn};
        else
            result.leavesGrid = true;
        return result;
    }
    if (!result.refused)
        result.next = {cell.row, cell.column + 1};
    return result;
}

bool CellEditRules::mayLeave(Cell cell, const std::string& text, bool tellWhyNot) {
    if (!isEditable(cell.row, cell.column))
        return true;
    switch (editorFor(cell.column)) {
    case Editor::Frequency:
        return m_store.acceptsFrequencyAt(cell.row, cell.column, text, tellWhyNot);
    case Editor::Tone:
        return m_store.acceptsTone(cell.row, text, tellWhyNot);
    default:
        return true;
    }
}

CellEditRules::Result CellEditRules::storePending(Cell cell, int farColumn,
                                                  const std::string& text) {
    if (!mayLeave(cell, text, true)) {
        Result refused;
        refused.refused = true;
        return refused;
    }
    return leave(cell, farColumn, text);
}

bool CellEditRules::differs(Cell cell, const std::string& text) const {
    if (!isEditable(cell.row, cell.column))
        return false;
    // A value that would be refused always differs: it is the user's, not the cell's.
    const std::optional<std::string> value = valueFor(cell, text);
    return !value || *value != cellText(cell);
}

CellEditRules::Cell CellEditRules::tabFrom(Cell cell, bool backward) const {
    const int rows = m_document.sheet().rowCount();
    if (cell.row < 1 || cell.row >= rows)
        return {};
    if (backward) {
        if (cell.column > ChannelCodec::RxFreqColumn)
            return {cell.row, cell.column - 1};
        const int previous = neighbour(cell.row, -1);
        return previous > 0 ? Cell{previous, ChannelCodec::LockColumn} : Cell{};
    }
    if (cell.column < ChannelCodec::LockColumn)
        return {cell.row, cell.column + 1};
    const int next = neighbour(cell.row, 1);
    return next > 0 ? Cell{next, ChannelCodec::RxFreqColumn} : Cell{};
}

int CellEditRules::neighbour(int channel, int by) const {
    if (m_neighbour)
        return m_neighbour(channel, by);
    const int next = channel + by;
    return next >= 1 && next < m_document.sheet().rowCount() ? next : 0;
}

CellEditRules::Cell CellEditRules::enterOnGrid(Cell cell) const {
    return tabFrom(cell, false);
}

std::optional<std::string> CellEditRules::valueFor(Cell cell, const std::string& text) const {
    switch (editorFor(cell.column)) {
    case Editor::Tone:
        return m_store.toneValue(cell.row, text);
    case Editor::Frequency:
        return m_store.frequencyValueAt(cell.row, cell.column, text);
    default:
        return m_store.choiceValue(cell.row, cell.column, text);
    }
}

std::string CellEditRules::cellText(Cell cell) const {
    return m_document.sheet().cellText(cell.row, cell.column);
}

} // namespace tarn
