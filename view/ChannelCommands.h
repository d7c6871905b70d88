#pragma once

#include "common/Translate.h"
#include "data/ChannelOrder.h"
#include "qtsupport/CommandTarget.h"

#include <string>
#include <vector>

namespace tarn {

class CellEditing;
class ChannelDocument;
class ChannelTableView;
class DocumentDialogs;
class Prompter;

// The Edit menu's commands on a view's channels: Undo and Redo of the document's steps, Cut,
// Copy and Paste through the clipboard, Clear, Insert and Delete, Move Up and Down, Sort, Edit
// Selected and Fill Channels. Each change is one undo step.
class ChannelCommands final : public CommandTarget {
public:
    // Why the commands that work on channels one after another are off.
    static constexpr const char* ArrangedText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "Found or sorted: Insert, Delete, Move, Sort and Fill are off");

    ChannelCommands(ChannelDocument& document, ChannelTableView& grid, CellEditing& editing,
                    Prompter& prompter, DocumentDialogs& dialogs);

    // Commands that need every channel shown in channel order.
    [[nodiscard]] static bool needsChannelOrder(int id);
    // Dragged channel numbers: the channels as a block before the channel `before`.
    void moveTo(const std::vector<int>& channels, int before);

    // What Copy, Cut, Clear and Delete take: the channels the selection spans, else the current
    // channel.
    [[nodiscard]] std::vector<int> chosenChannels() const;

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

private:
    void undo(bool back);
    void copy();
    void cut();
    void paste();
    void clear();
    void insert();
    void remove();
    void move(int by);
    void sort();
    void editSelected();
    void fill();
    // Selects the channels, whole rows; the first becomes the current row.
    // Values still being typed are stored first; false when one was refused.
    [[nodiscard]] bool storeEditors();
    void tell(const std::string& text);
    // Whether the rows show found or sorted rather than every channel in order.
    [[nodiscard]] bool isArranged() const;
    // Puts the current cell and the selection on the channels' new places.
    void followMoved(const std::vector<int>& channels, const std::vector<int>& places);

    ChannelDocument& m_document;
    ChannelTableView& m_grid;
    CellEditing& m_editing;
    Prompter& m_prompter;
    DocumentDialogs& m_dialogs;
    // What the last Sort Channels chose, offered again.
    ChannelSortChoice m_lastSort;
};

} // namespace tarn
