#include "data/UndoHistory.h"

namespace tarn {

bool UndoHistory::record(std::string name, const DocumentState& before,
                         const DocumentState& after) {
    if (before == after)
        return false;
    m_steps.resize(m_done);
    if (m_saved && *m_saved > m_done)
        m_saved.reset();
    auto start = m_done > 0 && *m_steps.back().after == before
                     ? m_steps.back().after
                     : std::make_shared<const DocumentState>(before);
    m_steps.push_back(
        {std::move(name), std::move(start), std::make_shared<const DocumentState>(after)});
    ++m_done;
    if (m_steps.size() > Limit) {
        m_steps.erase(m_steps.begin());
        --m_done;
        if (m_saved)
            m_saved = *m_saved == 0 ? std::nullopt : std::optional(*m_saved - 1);
    }
    return true;
}

std::string UndoHistory::undoName() const {
    return canUndo() ? m_steps[m_done - 1].name : std::string();
}

std::string UndoHistory::redoName() const {
    return canRedo() ? m_steps[m_done].name : std::string();
}

const DocumentState& UndoHistory::undo() {
    --m_done;
    return *m_steps[m_done].before;
}

const DocumentState& UndoHistory::redo() {
    ++m_done;
    return *m_steps[m_done - 1].after;
}

void UndoHistory::clear() {
    m_steps.clear();
    m_done = 0;
    m_saved = 0;
}

} // namespace tarn
