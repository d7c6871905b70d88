#pragma once

#include "common/Translate.h"
#include "data/CellValueStore.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarn {

class ChannelDocument;
class Prompter;
class ToneTable;

// What the keys and moves of in-place editing do to a channel sheet, whatever draws the grid:
// which editor a column has, what an opened editor shows, what Enter, Escape, leaving a cell,
// L/U and Backspace store, and which cell comes next. Rows and columns are the sheet's; keys
// are character codes (0 for a mouse press, 13 for Enter, 8 Backspace, 127 Delete).
class CellEditRules {
public:
    static constexpr const char* NumberMessage =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Please input Number");
    static constexpr int MouseKey = 0;
    static constexpr int EnterKey = 13;
    static constexpr int BackspaceKey = 8;
    static constexpr int DeleteKey = 127;

    enum class Editor { None, Frequency, Tone, Power, Lock };

    struct Cell {
        int row = 0;
        int column = 0;
        friend bool operator==(const Cell&, const Cell&) = default;
    };

    // The text an editor opens with; selectAll false leaves the caret after it.
    struct Opening {
        std::string text;
        bool selectAll = false;
    };

    // What became of an editor's value.
    struct Result {
        // Refused: nothing was stored, the editor stays open with its text for the user to mend.
        bool refused = false;
        // Enter's next cell, whose editor opens; row 0 when there is none.
        Cell next;
        // Enter on the last channel row of the last editor: the focus leaves the grid.
        bool leavesGrid = false;
    };

    // Refusals are shown with the given caption.
    CellEditRules(ChannelDocument& document, const ToneTable& tones, Prompter& prompter,
                  std::string caption);

    // Where the band plan for "+" and "-" in TX Freq comes from (the user's setting).
    void setBandPlan(std::function<BandPlan::Region()> region) {
        m_store.setBandPlan(std::move(region));
    }

    // Which channel the grid shows after (by +1) or before (-1) a channel: the next one in
    // channel order unless set, a found or sorted view's own otherwise; 0 when none does.
    // Enter's and Tab's walk go by it.
    void setNeighbours(std::function<int(int channel, int by)> neighbour) {
        m_neighbour = std::move(neighbour);
    }

    [[nodiscard]] static Editor editorFor(int column);
    // The sheet's channel cells, those an editor can open over.
    [[nodiscard]] bool isEditable(int row, int column) const;

    // Whether a key typed over the cell opens its editor; L and U over CHN Lock store instead
    // (typeOverLock), other keys there open nothing.
    [[nodiscard]] bool keyOpensEditor(int row, int column, int key) const;
    // L or U over CHN Lock stores Lock or UnLock at once; false for any other key.
    bool typeOverLock(int row, int key);
    // What the frequency editor shows when opened by the key; a letter is answered with
    // "Please input Number" first, but "+" or "-" in TX Freq of a row with an RX frequency
    // opens as typed: the repeater shift.
    [[nodiscard]] Opening openFrequency(int row, int column, int key);
    // The list item a box selects for a cell's text: the first that begins with it (case
    // ignored), item 0 when none does.
    [[nodiscard]] static int listIndexFor(const std::vector<std::string>& items,
                                          const std::string& text);
    // The first item that begins with a typed character (case ignored); -1 when none does.
    [[nodiscard]] static int itemStartingWith(const std::vector<std::string>& items,
                                              const std::string& typed);

    // Whether the cell may be left with this text open over it: false for a frequency or a tone
    // its check refuses, told first when asked to.
    [[nodiscard]] bool mayLeave(Cell cell, const std::string& text, bool tellWhyNot);
    // Leaving the cell stores the editor's text; a tone also goes into the far column of the
    // selection when that is the other tone column. A refused value is told and stores nothing.
    Result leave(Cell cell, int farColumn, const std::string& text);
    // Enter inside an editor: stores as leaving does (a frequency emptied by it keeps CHN Lock,
    // a choice on a row without frequencies is kept out) and names the next cell; a refused
    // value is told, stores nothing and names none.
    Result enter(Cell cell, const std::string& text);
    // Stores a value still open before a save, a transfer or a command; a value that its
    // check refuses is told, left open and stored nowhere.
    Result storePending(Cell cell, int farColumn, const std::string& text);
    // Whether the open text would change its cell (a refused frequency always would).
    [[nodiscard]] bool differs(Cell cell, const std::string& text) const;

    // Tab (backward for Shift+Tab) from a cell: along the row, then on to the next shown
    // row's RX Freq (back to the previous one's CHN Lock); row 0 when the grid is left.
    [[nodiscard]] Cell tabFrom(Cell cell, bool backward) const;
    // Enter with no editor open: one cell to the right, Tab's move from CHN Lock.
    [[nodiscard]] Cell enterOnGrid(Cell cell) const;

    [[nodiscard]] CellValueStore& store() { return m_store; }

private:
    // What leaving would store; nothing for a value that would be refused.
    [[nodiscard]] std::optional<std::string> valueFor(Cell cell, const std::string& text) const;
    [[nodiscard]] std::string cellText(Cell cell) const;
    [[nodiscard]] int neighbour(int channel, int by) const;

    ChannelDocument& m_document;
    CellValueStore m_store;
    Prompter& m_prompter;
    std::string m_caption;
    std::function<int(int, int)> m_neighbour;
};

} // namespace tarn
