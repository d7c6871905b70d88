#pragma once

#include "qtsupport/CommandTarget.h"
#include "view/CMSFlexGrid.h"
#include "view/FlexCellGrid.h"

#include <QWidget>

#include <filesystem>

class QComboBox;
class QLineEdit;

namespace tarn {

class ChannelDocument;
class Prompter;
class ToneTable;

// The channel form: one grid row per channel of the document, edited in place through four
// hidden editors that live on the grid.
class CHalcyonView : public QWidget, public CommandTarget {
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
    // Room the grid leaves to the right and bottom edges of the view, in pixels.
    static constexpr int GridMargin = 12;

    static constexpr const char* ApplicationTitle = "Vizuruzu DizaRido";
    static constexpr const char* EditDataText = "Please directly double click inside the table";
    static constexpr const char* ComboBoxHelp =
        "Please click the CommBox to choose value，For help，please press F1";
    static constexpr const char* GridHelp =
        "Please Click the cell to edit or input data，For help，please press F1";
    static constexpr const char* GeneralHelp = "For help，please press F1";

    CHalcyonView(ChannelDocument& document, const ToneTable& tones, Prompter& prompter,
                 QWidget* parent = nullptr);
    ~CHalcyonView() override;

    // The first call creates the editors and the column layout; every call renders the
    // document's image into the grid again.
    void OnInitialUpdate();
    // Image -> grid for the document's channel count (also after a read from the radio).
    void renderGrid();
    // Row set-up alone, for a channel count that has changed.
    void numberRows();
    // Row set-up after a model change: rows that stay keep their texts (they may hold edits
    // not yet parsed); rows that are added show what the image holds for them.
    void setUpRowsForChannelCount();
    // Grid -> image, with the row dump; false when the dump could not be written.
    [[nodiscard]] bool parseGrid();
    void setDumpDirectory(const std::filesystem::path& dir) { m_dumpDirectory = dir; }

    [[nodiscard]] CMSFlexGrid& grid() { return m_grid; }
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

    [[nodiscard]] bool handlesCommand(int id) const override;
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
    void hideEditors();
    void resizeParentToFit();
    void layoutGrid();
    void onEditData();
    void onModelInformation();
    void onOptionalFeatures();
    // The view sees the events of all its windows, as a message filter would.
    void filterEventsOf(QObject* object);
    [[nodiscard]] QString statusHelpFor(const QWidget* widget) const;

    ChannelDocument& m_document;
    const ToneTable& m_tones;
    Prompter& m_prompter;
    CMSFlexGrid m_grid;
    FlexCellGrid m_cells{m_grid};
    QLineEdit* m_frequencyEdit = nullptr;
    QComboBox* m_powerBox = nullptr;
    QComboBox* m_lockBox = nullptr;
    QComboBox* m_toneBox = nullptr;
    std::filesystem::path m_dumpDirectory;
    bool m_initialised = false;
};

} // namespace tarn
