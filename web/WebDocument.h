#pragma once

#include "data/CellEditRules.h"
#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "web/WebPrompter.h"

#include <string>
#include <vector>

namespace tarn {

// What a bound call tells the page: whether it did what was asked, and the messages it
// showed on the way (each as the desktop's message box would show it).
struct WebResult {
    bool ok = true;
    std::vector<std::string> messages;
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
    // firstOfLarger: the user answered Yes to that question.
    [[nodiscard]] WebResult open(const std::string& bytes, const std::string& fileName,
                                 bool firstOfLarger = false);
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

    [[nodiscard]] WebResult importChannels(const std::string& text, const std::string& fileName,
                                           bool replace);
    // The import's report for the confirmation, empty lines for a refused list.
    [[nodiscard]] std::vector<std::string> importReport(const std::string& text) const;
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

    // Answers for the questions of the next call, in order.
    void giveAnswer(int answer) { m_prompter.giveAnswer(static_cast<PromptAnswer>(answer)); }

private:
    [[nodiscard]] WebResult result(bool ok);
    [[nodiscard]] WebEdit edit(const CellEditRules::Result& done);
    [[nodiscard]] static WebEdit moveTo(CellEditRules::Cell cell);

    ChannelDocument m_document;
    ToneTable m_tones;
    WebPrompter m_prompter;
    CellEditRules m_rules;
};

} // namespace tarn
