#pragma once

#include "common/Prompter.h"
#include "data/BandPlan.h"
#include "data/ChannelOrder.h"
#include "data/ChannelSheet.h"
#include "data/DocumentState.h"
#include "data/RadioImage.h"
#include "data/SinFile.h"
#include "data/UndoHistory.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarn {

class ChannelCsvImport;
struct ChannelBulkEdit;
struct ChannelFill;
class PendingEdit;

// A channel document: its image, its channel count, the channel sheet every window shows,
// the values still open in its windows' editors, and whether it has changed since it was
// created, loaded or saved. The image and the sheet meet at fixed moments only: a render
// when the document gets an image (new, opened, read from the radio), a parse before the
// image is stored or written to the radio.
class ChannelDocument {
public:
    ChannelDocument();
    virtual ~ChannelDocument() = default;
    ChannelDocument(const ChannelDocument&) = delete;
    ChannelDocument& operator=(const ChannelDocument&) = delete;

    // A new document: 199 channels, a blank image with the settings defaults.
    void initNew();
    // The question after a file has loaded, before it replaces what the window shows.
    [[nodiscard]] static Prompt rewriteQuestion();
    // Takes a loaded image; the channel count follows its model type byte.
    void takeImage(const RadioImage& image);
    // What a completed read received: the transferred blocks of `received` replace the
    // image's, the count follows the model byte and the document counts as changed.
    void takeReceived(const RadioImage& received);
    // ".sin" file load and atomic store; throw SinFileError, leaving the document as it was.
    void loadFile(const std::filesystem::path& path, SinSize rule = SinSize::Exact);
    void storeFile(const std::filesystem::path& path) const;

    [[nodiscard]] RadioImage& image() { return m_image; }
    [[nodiscard]] const RadioImage& image() const { return m_image; }
    [[nodiscard]] int channelCount() const { return m_channelCount; }
    void setChannelCount(int count) { m_channelCount = count; }
    // Sets the count from the model type byte (above 7: unchanged).
    void updateChannelCountFromModel();

    [[nodiscard]] ChannelSheet& sheet() { return m_sheet; }
    [[nodiscard]] const ChannelSheet& sheet() const { return m_sheet; }
    // Image -> sheet for the channel count.
    void renderSheet();
    // Sheet -> image.
    void parseSheet();
    // Sets the sheet's rows up for the channel count after a model change: rows that stay
    // keep their texts (edits not yet parsed); added rows show what the image holds.
    void setUpRowsForChannelCount();
    // A value stored by the user; a text that differs from the cell's marks the document changed.
    void storeCell(int row, int column, const std::string& text);
    // Places an accepted channel list into the sheet as one change; the document counts as
    // changed when a text changed.
    void importChannels(const ChannelCsvImport& list);

    // Whole-channel operations, each one undo step; cells and image rows move together.
    // Sorts the channels (only those given, among their places, when any are); false when
    // nothing moved.
    bool sortChannels(ChannelOrder::Sort sort, std::span<const int> only);
    // Moves the channels one place up (by -1) or down (+1), or as a block before `before`;
    // returns where they stand afterwards.
    std::vector<int> moveChannels(std::span<const int> channels, int by);
    std::vector<int> moveChannelsTo(std::span<const int> channels, int before);
    // Refused whole, with what is wrong returned, when a channel cannot take the edit or the
    // run; empty when done.
    std::string editChannels(const ChannelBulkEdit& edit, std::span<const int> channels,
                             BandPlan::Region region);
    std::string fillChannels(const ChannelFill& fill, BandPlan::Region region);

    // The image as a save would store it: the sheet parsed into a copy.
    [[nodiscard]] RadioImage currentImage() const;

    // Where the row dump goes (empty: the current directory); false when it failed.
    void setDumpDirectory(const std::filesystem::path& directory) { m_dumpDirectory = directory; }
    [[nodiscard]] bool writeRowDump() const;

    // Open editors of the document's windows.
    void addPendingEdit(PendingEdit& edit);
    void removePendingEdit(PendingEdit& edit);
    // Stores every open editor; false at the first one whose value was refused.
    [[nodiscard]] bool storePendingEdits();
    [[nodiscard]] bool hasPendingChanges() const;

    // Makes what changes while it lives one undo step with the given name; a scope opened
    // inside another joins it. A step that changes nothing is no step.
    class Change {
    public:
        Change(ChannelDocument& document, std::string name);
        ~Change();
        // For a step whose name depends on what it did; only the outermost scope names it.
        void rename(std::string name);
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        ChannelDocument& m_document;
        bool m_outermost;
    };
    [[nodiscard]] const UndoHistory& history() const { return m_history; }
    // Puts back the state before the last step, or after the step last undone; false when
    // there is none. Back at the state last saved, the document counts as unchanged.
    bool undo();
    bool redo();
    // The file now holds what the document holds.
    void markSaved() { m_history.markSaved(); }

    [[nodiscard]] bool isModified() const { return m_modified; }
    // A radio transfer runs on this document: nothing may change it until the transfer ends,
    // since a completed read replaces its image.
    void setTransferring(bool transferring) { m_transferring = transferring; }
    [[nodiscard]] bool isTransferring() const { return m_transferring; }
    virtual void setModified(bool modified) { m_modified = modified; }
    // Modified, or a value typed but not yet stored: closing asks first.
    [[nodiscard]] bool isChanged() const { return isModified() || hasPendingChanges(); }

private:
    [[nodiscard]] DocumentState state() const;
    [[nodiscard]] int shownChannels() const;
    bool reorder(const ChannelOrder::Order& order, std::string name);
    void restore(const DocumentState& state);
    // A new image: nothing to undo, and the state is the one in the file.
    void startHistory() { m_history.clear(); }

    RadioImage m_image;
    int m_channelCount = RadioImage::MaxChannels;
    ChannelSheet m_sheet;
    std::vector<PendingEdit*> m_pendingEdits;
    std::filesystem::path m_dumpDirectory;
    bool m_modified = false;
    bool m_transferring = false;
    UndoHistory m_history;
    // The open step: how deep its scopes nest, its name and the state it started from.
    int m_changeDepth = 0;
    std::string m_changeName;
    std::optional<DocumentState> m_changeStart;
};

} // namespace tarn
