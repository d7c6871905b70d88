#pragma once

#include "common/AppTitles.h"
#include "qtsupport/CommandTarget.h"
#include "view/CellEditing.h"
#include "view/FlexCellGrid.h"
#include "view/FlexGrid.h"
#include "view/ViewRadioLink.h"
#include "view/WindowCaptions.h"

#include <QWidget>

#include <filesystem>

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace tarn {

class ChannelDocument;
class Prompter;
class ToneTable;

// The channel form: one grid row per channel of the document, edited in place through four
// hidden editors that live on the grid.
class ChannelView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int GridControlId = 1007;
    static constexpr int FrequencyEditId = 61446;
    static constexpr int PowerBoxId = 61448;
    static constexpr int LockBoxId = 61449;
    static constexpr int ToneBoxId = 1000;
    static constexpr int EditDataCommand = 32780;
    static constexpr int ModelInformationCommand = 32781;
    static constexpr int OptionalFeaturesCommand = 32782;
    static constexpr int CopyCommand = 57634;
    // Room the grid leaves to the right and bottom edges of the view, in pixels.
    static constexpr int GridMargin = 12;

    static constexpr const char* ApplicationTitle = AppTitles::AppName;
    static constexpr const char* EditDataText = "Please directly double click inside the table";
    static constexpr const char* ComboBoxHelp =
        "Please click the CommBox to choose value，For help，please press F1";
    static constexpr const char* GridHelp =
        "Please Click the cell to edit or input data，For help，please press F1";
    static constexpr const char* GeneralHelp = "For help，please press F1";

    ChannelView(ChannelDocument& document, const ToneTable& tones, Prompter& prompter,
                QWidget* parent = nullptr);
    ~ChannelView() override;

    // The first call creates the editors and the column layout; every call renders the
    // document's image into the grid again.
    void initialUpdate();
    // Image -> grid for the document's channel count (also after a read from the radio).
    void renderGrid();
    // Row set-up alone, for a channel count that has changed.
    void numberRows();
    // Row set-up after a model change: rows that stay keep their texts (they may hold edits
    // not yet parsed); rows that are added show what the image holds for them.
    void setUpRowsForChannelCount();
    // Grid -> image, with the row dump; false when the dump could not be written.
    [[nodiscard]] bool parseGrid();
    // Stores a value still open in an editor into its cell; safe when none is open. Saving and
    // the radio transfers call it first, so they see what the user sees.
    void commitEditor() { m_editing.commitEditor(); }
    [[nodiscard]] CellEditing& editing() { return m_editing; }
    // What Copy takes: the channels the selection spans, else the current channel.
    [[nodiscard]] std::vector<int> chosenChannels() const;
    void setDumpDirectory(const std::filesystem::path& dir) { m_dumpDirectory = dir; }

    [[nodiscard]] FlexGrid& grid() { return m_grid; }
    [[nodiscard]] ChannelDocument& document() { return m_document; }
    [[nodiscard]] const ToneTable& tones() const { return m_tones; }
    [[nodiscard]] Prompter& prompter() { return m_prompter; }
    [[nodiscard]] bool isInitialised() const { return m_initialised; }

    // The in-place editors; null until the first initial update.
    [[nodiscard]] QLineEdit* frequencyEdit() const { return m_frequencyEdit; }
    [[nodiscard]] QComboBox* powerBox() const { return m_powerBox; }
    [[nodiscard]] QComboBox* lockBox() const { return m_lockBox; }
    [[nodiscard]] QComboBox* toneBox() const { return m_toneBox; }

    // The form's own size.
    [[nodiscard]] QSize sizeHint() const override;

    [[nodiscard]] ViewRadioLink& radioLink() { return m_radioLink; }

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

signals:
    // Pointer help for the status bar's message pane.
    void statusText(const QString& text);
    // The document's channel count may have changed: its other views set their rows up again.
    void channelRowsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createEditors();
    void setUpColumns();
    void connectGridEvents();
    void onMouseDown(short button);
    void updateCaptions();
    // Keys the view answers before the focused window sees them; true when taken.
    [[nodiscard]] bool filterKey(QObject* watched, const QKeyEvent& key);
    void resizeParentToFit();
    void layoutGrid();
    void onEditData();
    void onModelInformation();
    void onOptionalFeatures();
    void onCopy();
    // The view sees the events of all its windows, as a message filter would.
    void filterEventsOf(QObject* object);
    [[nodiscard]] QString statusHelpFor(const QWidget* widget) const;

    ChannelDocument& m_document;
    const ToneTable& m_tones;
    Prompter& m_prompter;
    FlexGrid m_grid;
    FlexCellGrid m_cells{m_grid};
    QLineEdit* m_frequencyEdit = nullptr;
    QComboBox* m_powerBox = nullptr;
    QComboBox* m_lockBox = nullptr;
    QComboBox* m_toneBox = nullptr;
    CellEditing m_editing;
    WindowCaptions m_captions{QString::fromUtf8(ApplicationTitle)};
    std::filesystem::path m_dumpDirectory;
    bool m_initialised = false;
    ViewRadioLink m_radioLink{*this, [this] { commitEditor(); }};
};

} // namespace tarn
