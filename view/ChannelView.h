#pragma once

#include "common/AppTitles.h"
#include "common/Translate.h"
#include "qtsupport/CommandTarget.h"
#include "view/CellEditing.h"
#include "view/ChannelCommands.h"
#include "view/ChannelDelegate.h"
#include "view/ChannelProxyModel.h"
#include "view/ChannelTableView.h"
#include "view/WindowCaptions.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace tarn {

class ChannelDocument;
class DocumentDialogs;
class Prompter;
class ToneTable;
class ChannelTableModel;
class FindBar;

// The channel form: a table view of the document's channel model, one row per channel, edited
// in place through the four editors of its delegate. What an editor stores goes into the
// sheet, and from there into every window of the document.
class ChannelView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int GridControlId = 1007;
    static constexpr int FrequencyEditId = 61446;
    static constexpr int PowerBoxId = 61448;
    static constexpr int LockBoxId = 61449;
    static constexpr int ToneBoxId = 1000;
    // Room the grid leaves to the right and bottom edges of the view, in pixels.
    static constexpr int GridMargin = 12;

    static constexpr const char* ApplicationTitle = AppTitles::AppName;
    static constexpr const char* EditDataText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Please directly double click inside the table");
    static constexpr const char* ComboBoxHelp = QT_TRANSLATE_NOOP(
        "tarn::ChannelView", "Please click the CommBox to choose value，For help，please press F1");
    static constexpr const char* GridHelp =
        QT_TRANSLATE_NOOP("tarn::ChannelView",
                          "Please Click the cell to edit or input data，For help，please press F1");
    static constexpr const char* GeneralHelp =
        QT_TRANSLATE_NOOP("tarn::ChannelView", "For help，please press F1");

    // model: the document's channel table, shared by its windows; a view given none makes
    // its own.
    ChannelView(ChannelDocument& document, const ToneTable& tones, Prompter& prompter,
                DocumentDialogs& dialogs, QWidget* parent = nullptr,
                ChannelTableModel* model = nullptr);
    ~ChannelView() override;

    // The first call creates the editors; every call closes an open editor and makes a
    // cell current.
    void initialUpdate();
    [[nodiscard]] CellEditing& editing() { return m_editing; }
    // What Copy takes: the channels the selection spans, else the current channel.
    [[nodiscard]] std::vector<int> chosenChannels() const { return m_commands.chosenChannels(); }

    [[nodiscard]] ChannelTableView& grid() { return m_grid; }
    [[nodiscard]] FindBar& findBar() { return *m_findBar; }
    [[nodiscard]] ChannelProxyModel& channels() { return m_proxy; }
    [[nodiscard]] ChannelDocument& document() { return m_document; }
    [[nodiscard]] const ToneTable& tones() const { return m_tones; }
    [[nodiscard]] Prompter& prompter() { return m_prompter; }

    // The in-place editors; null until the first initial update.
    [[nodiscard]] QLineEdit* frequencyEdit() const { return m_frequencyEdit; }
    [[nodiscard]] QComboBox* powerBox() const { return m_powerBox; }
    [[nodiscard]] QComboBox* lockBox() const { return m_lockBox; }
    [[nodiscard]] QComboBox* toneBox() const { return m_toneBox; }

    // Channels with a frequency outside the band of the document's model: kept and written,
    // but the radio cannot use them, so their cells carry a warning.
    [[nodiscard]] int outOfBandChannels() const;

    // The form's own size.
    [[nodiscard]] QSize sizeHint() const override;

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

signals:
    // Pointer help for the status bar's message pane.
    void statusText(const QString& text);
    // The rows were found or sorted, or show all channels in channel order again.
    void arrangementChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createEditors();
    void connectGridEvents();
    void onMouseDown(Qt::MouseButton button);
    // The Edit menu's channel commands at a point of the screen.
    void showContextMenu(const QPoint& globalAt);
    void updateCaptions();
    // Keys the view answers before the focused window sees them; true when taken.
    [[nodiscard]] bool filterKey(QObject* watched, const QKeyEvent& key);
    void resizeParentToFit();
    void layoutGrid();
    void connectFind();
    void onEditData();
    void onModelInformation();
    void onOptionalFeatures();
    // Edit > Find: the bar opens over the table with its text selected.
    void openFind();
    void findChanged(const QString& text);
    void closeFind();
    void showFindCount();
    // The view sees the events of all its windows, as a message filter would.
    void filterEventsOf(QObject* object);
    [[nodiscard]] QString statusHelpFor(const QWidget* widget) const;

    ChannelDocument& m_document;
    const ToneTable& m_tones;
    Prompter& m_prompter;
    DocumentDialogs& m_dialogs;
    std::unique_ptr<ChannelTableModel> m_ownModel;
    ChannelProxyModel m_proxy;
    ChannelTableView m_grid;
    FindBar* m_findBar = nullptr;
    // Where the table's top edge is with the find bar closed.
    int m_gridTop = 0;
    QLineEdit* m_frequencyEdit = nullptr;
    QComboBox* m_powerBox = nullptr;
    QComboBox* m_lockBox = nullptr;
    QComboBox* m_toneBox = nullptr;
    CellEditing m_editing;
    ChannelDelegate m_delegate;
    ChannelCommands m_commands;
    WindowCaptions m_captions{QString::fromUtf8(ApplicationTitle)};
    bool m_initialised = false;
};

} // namespace tarn
