#pragma once

#include "data/CellEditRules.h"
#include "data/ChannelDocument.h"
#include "data/SinFile.h"
#include "data/ToneTable.h"
#include "web/WebPrompter.h"

#include <optional>
#include <string>
#include <vector>

namespace tarn {

// A question the call asked with no answer given: the page asks it as the desktop's message
// box would (buttons and icon as the core numbers them) and calls again with the answer.
struct WebQuestion {
    bool asked = false;
    std::string text;
    std::string caption;
    int buttons = 0;
    int icon = 0;
};

// What a bound call tells the page: whether it did what was asked, the messages it showed on
// the way (each as the desktop's message box would show it), and the question it stopped at.
struct WebResult {
    bool ok = true;
    std::vector<std::string> messages;
    WebQuestion question = {};
};

// What an editing step did: the result, and where it leads (next row 0: nowhere) or what an
// opened editor shows.
struct WebEdit {
    bool ok = true;
    std::vector<std::string> messages;
    int nextRow = 0;
    int nextColumn = 0;
    bool leavesGrid = false;
    std::string text;
    bool selectAll = false;
};

// What Edit Selected Channels asks, as the desktop's dialog has it: the TX offset as typed
// (with its unit: 0 MHz, 1 kHz), and for the others the entry chosen; empty leaves a field
// as each channel has it.
struct WebBulkEdit {
    std::string offset;
    int offsetUnit = 0;
    std::string decTone;
    std::string encTone;
    std::string power;
    std::string lock;
};

// What Fill Channels asks: the run, its start in MHz and step in kHz as typed, the TX offset
// as typed (empty: simplex) and the settings every new channel gets.
struct WebFill {
    int first = 1;
    int count = 1;
    std::string start;
    std::string step;
    std::string offset;
    int offsetUnit = 0;
    std::string decTone;
    std::string encTone;
    std::string power;
    std::string lock;
};

// One document of the page, through the same core as the desktop's windows. Calls never
// throw: a failure comes back as a result with the desktop's message. Bytes travel as strings
// of byte values, copied both ways.
class WebDocument {
public:
    WebDocument();

    void newDocument();
    // The desktop's question before opening a file larger than a channel file (its first
    // 8192 bytes, Yes or No); empty for any other size.
    [[nodiscard]] static std::string sizeQuestion(double size, const std::string& fileName);
    // Opens a file as the desktop does: a file that loads is taken only once the user has
    // answered OK to "Do you rewrite data?" (the question comes back unanswered the first
    // time; Cancel leaves everything as it was). firstOfLarger: the user answered Yes to the
    // size question.
    [[nodiscard]] WebResult open(const std::string& bytes, const std::string& fileName,
                                 bool firstOfLarger = false);
    // A copy kept by the program itself (a backup), opened untitled without the question.
    [[nodiscard]] WebResult openCopy(const std::string& bytes, const std::string& fileName);
    // The bytes a Save writes: the grid parsed into the image.
    [[nodiscard]] std::string saveBytes();
    void markSaved();
    [[nodiscard]] bool isModified() const { return m_document.isModified(); }

    [[nodiscard]] int channelCount() const { return m_document.channelCount(); }
    [[nodiscard]] std::string cellText(int row, int column) const;
    [[nodiscard]] std::vector<std::string> toneNames() const;
    // Stores a value the user typed or chose, checked as the grid's editors check it. enter:
    // the value was stored by Enter rather than by leaving the cell.
    [[nodiscard]] WebResult storeCell(int row, int column, const std::string& text, bool enter);

    // In-place editing by the desktop grid's rules (keys are character codes, 0 a mouse
    // press, 13 Enter, 8 Backspace, 127 Delete). The editor a column has: 0 none,
    // 1 frequency, 2 tone, 3 power, 4 lock.
    [[nodiscard]] static int editorFor(int column);
    [[nodiscard]] bool keyOpensEditor(int row, int column, int key) const;
    // L or U over CHN Lock stores at once.
    bool typeOverLock(int row, int key) { return m_rules.typeOverLock(row, key); }
    // The frequency editor's opening text; a letter is told "Please input Number" first.
    [[nodiscard]] WebEdit openFrequency(int row, int column, int key);
    [[nodiscard]] static int listIndexFor(const std::vector<std::string>& items,
                                          const std::string& text);
    [[nodiscard]] static int itemStartingWith(const std::vector<std::string>& items,
                                              const std::string& typed);
    // Enter in an editor: stores, or tells the refusal and stores nothing; names the next cell.
    [[nodiscard]] WebEdit enterCell(int row, int column, const std::string& text);
    // Leaving an editor, or a command with one open: stores, or tells why not and keeps it.
    [[nodiscard]] WebEdit leaveCell(int row, int column, int farColumn, const std::string& text);
    [[nodiscard]] bool differs(int row, int column, const std::string& text) const;
    [[nodiscard]] WebEdit tabFrom(int row, int column, bool backward) const;
    [[nodiscard]] WebEdit enterOnGrid(int row, int column) const;

    bool undo() { return m_document.undo(); }
    bool redo() { return m_document.redo(); }
    [[nodiscard]] std::string undoName() const;
    [[nodiscard]] std::string redoName() const;

    // The channels as the clipboard table; rows are channel numbers.
    [[nodiscard]] std::string copyChannels(const std::vector<int>& channels) const;
    [[nodiscard]] WebResult paste(int channel, const std::string& text);
    [[nodiscard]] WebResult clearChannels(const std::vector<int>& channels);

    // whole: a ready-made list, refused when the document cannot hold all of it.
    [[nodiscard]] WebResult importChannels(const std::string& text, const std::string& fileName,
                                           bool replace, bool whole = false);
    // The import's report for the confirmation, empty lines for a refused list.
    [[nodiscard]] std::vector<std::string> importReport(const std::string& text,
                                                        bool whole = false) const;
    // The ready-made channel lists of File > Channel Lists, shipped inside the module.
    [[nodiscard]] static std::string stockListText(int index);
    [[nodiscard]] static std::string stockListFile(int index);

    // The channel tools of the Edit menu, each one undo step as on the desktop. Channels are
    // numbers from 1; regions are BandPlan::Regions' places.
    [[nodiscard]] WebResult cutChannels(const std::vector<int>& channels);
    [[nodiscard]] WebResult insertChannel(int at);
    [[nodiscard]] WebResult deleteChannels(const std::vector<int>& channels);
    // Where the channels stand afterwards.
    [[nodiscard]] std::vector<int> moveChannels(const std::vector<int>& channels, int by);
    // key: ChannelOrder::Key's place; only: the channels sorted among their places, or empty.
    bool sortChannels(int key, bool descending, const std::vector<int>& only);
    [[nodiscard]] WebResult editChannels(const WebBulkEdit& edit, const std::vector<int>& channels,
                                         int region);
    // Asks the desktop's question before replacing programmed channels.
    [[nodiscard]] WebResult fillChannels(const WebFill& fill, int region);
    // What the dialogs say under their fields while OK cannot be pressed; empty when it can.
    [[nodiscard]] static std::string offsetNote(const std::string& offset, int unit);
    [[nodiscard]] static std::string fillNote(const WebFill& fill);
    [[nodiscard]] std::string exportChannels(std::vector<std::string>& report) const;

    // Compare With: "channel,column,from,to" marks and the settings lines.
    [[nodiscard]] WebResult compareWith(const std::string& bytes, const std::string& fileName,
                                        std::vector<std::string>& marks,
                                        std::vector<std::string>& settings);

    // Model Information and Optional Features as list selections.
    [[nodiscard]] std::vector<int> modelSelections() const;
    void setModelSelections(int model, int band);
    [[nodiscard]] std::vector<int> featureSelections() const;
    void setFeatureSelections(const std::vector<int>& selections);

    // A transfer starts from the grid parsed into the image; a completed read comes back
    // as one undoable step, as the desktop's does.
    [[nodiscard]] std::string transferImage();
    void takeRead(const std::string& bytes);

    // Find: the channels the text matches in channel order, every one for an empty text.
    // Until the next find, Enter's and Tab's walk goes through these alone and a paste of
    // several channels is refused, since it would land on channels hidden or shown elsewhere.
    [[nodiscard]] std::vector<int> findChannels(const std::string& text);
    [[nodiscard]] bool isFound() const { return m_found; }
    // "12 of 199 channels".
    [[nodiscard]] static std::string findCountText(int shown, int total);

    // Answers for the questions of the next call, in order.
    void giveAnswer(int answer) { m_prompter.giveAnswer(static_cast<PromptAnswer>(answer)); }

private:
    [[nodiscard]] WebResult result(bool ok);
    // The file's image, or nothing after telling why it is none.
    [[nodiscard]] std::optional<RadioImage> load(const std::string& bytes,
                                                 const std::string& fileName, SinSize size);
    void take(const RadioImage& image);
    [[nodiscard]] WebEdit edit(const CellEditRules::Result& done);
    [[nodiscard]] static WebEdit moveTo(CellEditRules::Cell cell);

    ChannelDocument m_document;
    ToneTable m_tones;
    WebPrompter m_prompter;
    CellEditRules m_rules;
    std::vector<int> m_shown; // what the last find showed, when m_found
    bool m_found = false;
};

} // namespace tarn
