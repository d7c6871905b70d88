#pragma once

#include "data/DocumentState.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

// A document's undo and redo steps. Each step holds the whole state before and after it, so
// undoing and redoing give back the image and the cells byte for byte. Consecutive steps share
// the state between them.
class UndoHistory {
public:
    static constexpr std::size_t Limit = 100;

    // Records a step; one that changes nothing is not recorded (false). Steps that were undone
    // are gone; beyond the limit the oldest goes.
    bool record(std::string name, const DocumentState& before, const DocumentState& after);

    [[nodiscard]] bool canUndo() const { return m_done > 0; }
    [[nodiscard]] bool canRedo() const { return m_done < m_steps.size(); }
    // The names of the steps Undo and Redo would take; empty when there is none.
    [[nodiscard]] std::string undoName() const;
    [[nodiscard]] std::string redoName() const;
    // Steps back or forward; the state to put in place. Call only when possible.
    [[nodiscard]] const DocumentState& undo();
    [[nodiscard]] const DocumentState& redo();

    // The present state is the one in the file.
    void markSaved() { m_saved = m_done; }
    // Whether undo or redo has led back to the state in the file.
    [[nodiscard]] bool isAtSaved() const { return m_saved == m_done; }
    void clear();

private:
    struct Step {
        std::string name;
        std::shared_ptr<const DocumentState> before;
        std::shared_ptr<const DocumentState> after;
    };

    std::vector<Step> m_steps;
    std::size_t m_done = 0;
    // Steps done when the file was written; nothing when that state can no longer be reached.
    std::optional<std::size_t> m_saved = 0;
};

} // namespace tarn
