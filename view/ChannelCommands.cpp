#include "view/ChannelCommands.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "common/Translate.h"
#include "data/ChannelBulkEdit.h"
#include "data/ChannelDocument.h"
#include "data/ChannelEdits.h"
#include "data/ChannelFill.h"
#include "qtsupport/CommandIds.h"
#include "qtsupport/CoreMessages.h"
#include "qtsupport/DocumentDialogs.h"
#include "view/BandPlanSetting.h"
#include "view/CellEditing.h"
#include "view/ChannelClipboard.h"
#include "view/ChannelProxyModel.h"
#include "view/ChannelTableView.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace tarn {

namespace {

std::string channels(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " Channel" : " Channels");
}

// The names of the steps Undo and Redo take, as the document and the views give them.
constexpr std::array StepNames{
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Read From Radio"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Import Channels"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Model Information"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Optional Features"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Sort Channels"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Insert Channel"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Move Up"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Move Down"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Paste"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Edit Channel %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Edit %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Fill %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Move %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Cut %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Paste %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Clear %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Delete %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "1 Channel"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1 Channels"),
};

// The menu text of Undo or Redo, naming the step it would take, in the interface language.
std::string stepText(const char* pattern, const std::string& step) {
    if (step.empty())
        return {};
    return QCoreApplication::translate("tarn::ChannelCommands", pattern)
        .arg(CoreMessages::translated(QString::fromStdString(step), StepNames))
        .toStdString();
}

} // namespace

ChannelCommands::ChannelCommands(ChannelDocument& document, ChannelTableView& grid,
                                 CellEditing& editing, Prompter& prompter, DocumentDialogs& dialogs)
    : m_document(document)
    , m_grid(grid)
    , m_editing(editing)
    , m_prompter(prompter)
    , m_dialogs(dialogs) {}

std::vector<int> ChannelCommands::chosenChannels() const {
    std::vector<int> chosen = m_grid.selectedChannels();
    if (chosen.empty() && m_grid.currentCell().row >= 1)
        chosen.push_back(m_grid.currentCell().row);
    return chosen;
}

bool ChannelCommands::handlesCommand(int id) const {
    return id == cmd::EditUndo || id == cmd::EditRedo || id == cmd::EditCut ||
           id == cmd::EditCopy || id == cmd::EditPaste || id == cmd::EditClear ||
           id == cmd::InsertChannel || id == cmd::DeleteChannel || id == cmd::MoveUp ||
           id == cmd::MoveDown || id == cmd::SortChannels || id == cmd::EditSelected ||
           id == cmd::FillChannels;
}

bool ChannelCommands::needsChannelOrder(int id) {
    return id == cmd::InsertChannel || id == cmd::DeleteChannel || id == cmd::MoveUp ||
           id == cmd::MoveDown || id == cmd::SortChannels || id == cmd::FillChannels;
}

void ChannelCommands::updateCommand(int id, CommandState& state) {
    const UndoHistory& history = m_document.history();
    if (needsChannelOrder(id)) {
        // They work on channels one after another, some of which a found or sorted view hides.
        state.enabled = !isArranged();
    } else if (id == cmd::EditUndo) {
        // An open editor is undone first, as Escape does.
        state.enabled = history.canUndo() || m_editing.isEditorOpen();
        state.text = stepText(QT_TRANSLATE_NOOP("tarn::ChannelCommands", "&Undo %1\tCtrl+Z"),
                              history.undoName());
    } else if (id == cmd::EditRedo) {
        state.enabled = history.canRedo();
        state.text = stepText(QT_TRANSLATE_NOOP("tarn::ChannelCommands", "&Redo %1\tCtrl+Y"),
                              history.redoName());
    }
}

void ChannelCommands::runCommand(int id) {
    if (needsChannelOrder(id) && isArranged())
        return;
    switch (id) {
    case cmd::EditUndo:
        undo(true);
        break;
    case cmd::EditRedo:
        undo(false);
        break;
    case cmd::EditCut:
        cut();
        break;
    case cmd::EditCopy:
        copy();
        break;
    case cmd::EditPaste:
        paste();
        break;
    case cmd::EditClear:
        clear();
        break;
    case cmd::InsertChannel:
        insert();
        break;
    case cmd::DeleteChannel:
        remove();
        break;
    case cmd::MoveUp:
        move(-1);
        break;
    case cmd::MoveDown:
        move(1);
        break;
    case cmd::SortChannels:
        sort();
        break;
    case cmd::EditSelected:
        editSelected();
        break;
    case cmd::FillChannels:
        fill();
        break;
    default:
        break;
    }
}

void ChannelCommands::undo(bool back) {
    (void)m_editing.cancelEditor();
    (void)(back ? m_document.undo() : m_document.redo());
}

void ChannelCommands::copy() {
    // What is copied is what the user sees, a value still open in an editor included.
    if (!storeEditors())
        return;
    ChannelClipboard::put(
        ChannelClip::of(m_document.sheet(), m_document.image(), chosenChannels()));
}

void ChannelCommands::cut() {
    if (!storeEditors())
        return;
    const std::vector<int> chosen = chosenChannels();
    ChannelClipboard::put(ChannelClip::of(m_document.sheet(), m_document.image(), chosen));
    const ChannelDocument::Change change(m_document, "Cut " + channels(chosen.size()));
    const ChannelSheet::Batch batch(m_document.sheet());
    ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount()).clear(chosen);
}

void ChannelCommands::paste() {
    if (!storeEditors())
        return;
    const std::vector<int> selected = m_grid.selectedChannels();
    const int at = selected.empty() ? m_grid.currentCell().row : selected.front();
    if (at < 1)
        return;
    const ChannelClip clip = ChannelClipboard::get();
    // The channels after the first may not show, or show elsewhere.
    if (isArranged() && ChannelEdits::channelsIn(clip, m_document.channelCount()) > 1) {
        tell(ChannelEdits::ArrangedPasteText);
        return;
    }
    ChannelEdits::Pasted pasted;
    {
        ChannelDocument::Change change(m_document, "Paste");
        const ChannelSheet::Batch batch(m_document.sheet());
        pasted = ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount())
                     .paste(at, clip);
        change.rename("Paste " + channels(static_cast<std::size_t>(pasted.count)));
    }
    if (!pasted.errors.empty())
        tell(ChannelEdits::refusal(pasted.errors));
    else
        // What came in stays chosen, ready for another command.
        m_grid.selectChannels(at, at + pasted.count - 1);
}

void ChannelCommands::clear() {
    if (!storeEditors())
        return;
    const std::vector<int> chosen = chosenChannels();
    const ChannelDocument::Change change(m_document, "Clear " + channels(chosen.size()));
    const ChannelSheet::Batch batch(m_document.sheet());
    ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount()).clear(chosen);
}

void ChannelCommands::insert() {
    if (!storeEditors())
        return;
    const int at = m_grid.currentCell().row;
    ChannelEdits::Inserted inserted = ChannelEdits::Inserted::Done;
    {
        const ChannelDocument::Change change(m_document, "Insert Channel");
        const ChannelSheet::Batch batch(m_document.sheet());
        inserted = ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount())
                       .insert(at);
    }
    if (inserted == ChannelEdits::Inserted::NoRoom)
        tell(ChannelEdits::noRoom(at));
}

void ChannelCommands::remove() {
    if (!storeEditors())
        return;
    const std::vector<int> chosen = chosenChannels();
    const ChannelDocument::Change change(m_document, "Delete " + channels(chosen.size()));
    const ChannelSheet::Batch batch(m_document.sheet());
    ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount()).remove(chosen);
}

void ChannelCommands::move(int by) {
    if (!storeEditors())
        return;
    const std::vector<int> chosen = chosenChannels();
    if (chosen.empty())
        return;
    followMoved(chosen, m_document.moveChannels(chosen, by));
}

void ChannelCommands::moveTo(const std::vector<int>& channels, int before) {
    if (channels.empty() || isArranged() || m_document.isTransferring() || !storeEditors())
        return;
    followMoved(channels, m_document.moveChannelsTo(channels, before));
}

void ChannelCommands::followMoved(const std::vector<int>& channels,
                                  const std::vector<int>& places) {
    // The current cell goes with its channel, so the next move takes the same ones.
    const ChannelTableView::Cell current = m_grid.currentCell();
    if (const auto it = std::find(channels.begin(), channels.end(), current.row);
        it != channels.end() && places.size() == channels.size())
        m_grid.setCurrentCell(
            {places[static_cast<std::size_t>(it - channels.begin())], current.column});
    m_grid.selectChannels(places);
}

void ChannelCommands::sort() {
    if (!storeEditors())
        return;
    const std::vector<int> selected = m_grid.selectedChannels();
    ChannelSortChoice choice = m_lastSort;
    if (!m_dialogs.sortChannels(m_grid.window(), static_cast<int>(selected.size()), choice))
        return;
    m_lastSort = choice;
    const bool onlySelected = choice.onlySelected && selected.size() > 1;
    (void)m_document.sortChannels(choice.sort, onlySelected ? selected : std::vector<int>());
    m_grid.selectChannels(selected);
}

void ChannelCommands::editSelected() {
    if (!storeEditors())
        return;
    const std::vector<int> chosen = chosenChannels();
    ChannelBulkEdit edit;
    if (chosen.empty() ||
        !m_dialogs.editChannels(m_grid.window(), static_cast<int>(chosen.size()), edit) ||
        edit.isEmpty())
        return;
    const std::string problem = m_document.editChannels(edit, chosen, BandPlanSetting::region());
    if (!problem.empty())
        tell("Nothing was changed. " + problem);
    // The same channels stay chosen, ready for another command.
    m_grid.selectChannels(chosen);
}

void ChannelCommands::fill() {
    if (!storeEditors())
        return;
    const std::vector<int> selected = m_grid.selectedChannels();
    ChannelFill fill;
    fill.first = selected.empty() ? std::max(1, m_grid.currentCell().row) : selected.front();
    fill.count = std::max<int>(1, static_cast<int>(selected.size()));
    const int count = m_document.channelCount();
    if (!m_dialogs.fillChannels(m_grid.window(), count, fill))
        return;
    const BandPlan::Region region = BandPlanSetting::region();
    if (const std::string problem = fill.check(count, region); !problem.empty()) {
        tell("Nothing was filled. " + problem);
        return;
    }
    if (const int replaced = fill.replaced(m_document.sheet()); replaced > 0) {
        const std::string text = "Fill Channels replaces " + std::to_string(replaced) +
                                 (replaced == 1 ? " programmed channel." : " programmed channels.");
        if (m_prompter.ask({text, AppTitles::AppName, PromptButtons::OkCancel,
                            PromptIcon::Question}) != PromptAnswer::Ok)
            return;
    }
    if (m_document.fillChannels(fill, region).empty())
        m_grid.selectChannels(fill.first, fill.first + fill.count - 1);
}

bool ChannelCommands::storeEditors() {
    return m_document.storePendingEdits();
}

bool ChannelCommands::isArranged() const {
    return m_grid.channels().isArranged();
}

void ChannelCommands::tell(const std::string& text) {
    (void)m_prompter.ask({text, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
}

} // namespace tarn
