#include "shell/CommandTable.h"

#include "common/Translate.h"
#include "data/StockChannelLists.h"
#include "qtsupport/CommandIds.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarn {

namespace {

using namespace cmd;

// The texts are translated by the menus (context tarn::CommandTable), when they are built and
// when the language changes.

constexpr std::string_view StockPrompt = TARN_TRANSLATE_NOOP(
    "tarn::CommandTable", "Place this ready-made channel list into the active document");

constexpr std::array<CommandInfo, 64> Commands{{
    {FileNew, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&New\tCtrl+N"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Create a new document\nNew"), "Ctrl+N"},
    {FileOpen, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Open...\tCtrl+O"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Open an existing document\nOpen"), "Ctrl+O"},
    {FileClose, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Close"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Close the active document\nClose")},
    {FileSave, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Save\tCtrl+S"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Save the active document\nSave"), "Ctrl+S"},
    {FileSaveAs, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Save &As..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Save the active document with a new name\nSave As")},
    {FileImportChannels, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Import Channels..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Place the channels of a CHIRP CSV channel list into "
                         "the active document\nImport Channels")},
    {FileExportChannels, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Export Channels..."),
     TARN_TRANSLATE_NOOP(
         "tarn::CommandTable",
         "Write the channels of the active document as a CHIRP CSV channel list\nExport Channels")},
    {CompareWith, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Co&mpare With..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Mark what differs from a .sin file\nCompare")},
    {ChannelLists, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Channel &Lists"),
     TARN_TRANSLATE_NOOP(
         "tarn::CommandTable",
         "Place a ready-made channel list into the active document\nChannel Lists")},
    {ChannelList1, StockChannelLists[0].title, StockPrompt},
    {ChannelList1 + 1, StockChannelLists[1].title, StockPrompt},
    {ChannelList1 + 2, StockChannelLists[2].title, StockPrompt},
    {ChannelList1 + 3, StockChannelLists[3].title, StockPrompt},
    {ChannelList1 + 4, StockChannelLists[4].title, StockPrompt},
    {ChannelList1 + 5, StockChannelLists[5].title, StockPrompt},
    {ChannelList1 + 6, StockChannelLists[6].title, StockPrompt},
    {FilePrint, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Print...\tCtrl+P"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Print the active document\nPrint"), "Ctrl+P"},
    {FilePrintPreview, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Print Pre&view"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Display full pages\nPrint Preview")},
    {FilePrintSetup, TARN_TRANSLATE_NOOP("tarn::CommandTable", "P&rint Setup..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Change the printer and printing options\nPrint Setup")},
    {RecentFile1, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Recent File"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Open this document")},
    {AppExit, TARN_TRANSLATE_NOOP("tarn::CommandTable", "E&xit"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Quit the application; prompts to save documents\nExit")},
    {ModelInformation, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Model Information"), ""},
    {EditUndo, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Undo\tCtrl+Z"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Undo the last change\nUndo"), "Ctrl+Z"},
    {EditRedo, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Redo\tCtrl+Y"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Redo the change last undone\nRedo"),
     "Ctrl+Y; Ctrl+Shift+Z"},
    {EditCut, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Cu&t\tCtrl+X"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Cut the selected channels and put them on the clipboard\nCut"),
     "Ctrl+X"},
    {EditCopy, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Copy\tCtrl+C"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Copy the selected channels to the clipboard\nCopy"),
     "Ctrl+C"},
    {EditPaste, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Paste\tCtrl+V"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Paste channels from the clipboard\nPaste"),
     "Ctrl+V"},
    {EditClear, TARN_TRANSLATE_NOOP("tarn::CommandTable", "C&lear Channels\tDel"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Empty the selected channels\nClear Channels"),
     "Del"},
    {InsertChannel, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Insert Channel"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Insert an empty channel at the current channel\nInsert Channel")},
    {DeleteChannel, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Delete Channel"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Delete the selected channels\nDelete Channel")},
    {FindChannels, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Find...\tCtrl+F"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Show only the channels that hold a text or a frequency\nFind"),
     "Ctrl+F"},
    {SortChannels, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Sort C&hannels..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Reorder the channels by a column\nSort Channels")},
    {MoveUp, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Mo&ve Up\tCtrl+Shift+Up"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Move the selected channels up by one\nMove Up"),
     "Ctrl+Shift+Up"},
    {MoveDown, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Move Do&wn\tCtrl+Shift+Down"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Move the selected channels down by one\nMove Down"),
     "Ctrl+Shift+Down"},
    {EditSelected, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Edit &Selected Channels..."),
     TARN_TRANSLATE_NOOP(
         "tarn::CommandTable",
         "Set TX offset, tones, power or lock on all selected channels\nEdit Selected Channels")},
    {FillChannels, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Fill Chann&els..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Program a run of channels at stepped frequencies\nFill Channels")},
    {OptionalFeatures, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Optional Features"), ""},
    {ReadFromRadio, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Read From Radio\tCtrl+R"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Read Data From Radio\nRead"), "Ctrl+R"},
    {WriteToRadio, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Write To Radio\tCtrl+W"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Write Data to Radio \nWrite"), "Ctrl+W"},
    {EditData, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Edit Data\tCtrl+G"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Edit channel Data \nEdit"), "Ctrl+G"},
    {Backups, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Backups..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Open an image kept from a read or a write\nBackups")},
    {VerifyAfterWrite, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Verify After Write"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Read the radio back after every write and compare\nVerify After Write")},
    {Com1, TARN_TRANSLATE_NOOP("tarn::CommandTable", "COM1(&P)"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Choose Communication Port one \nCom1")},
    {Com2, TARN_TRANSLATE_NOOP("tarn::CommandTable", "COM2(&Q)"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Choose Communication Port two \nCom2")},
    {Com3, TARN_TRANSLATE_NOOP("tarn::CommandTable", "COM3(&S)"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Choose Communication Port three \nCom3")},
    {Com4, TARN_TRANSLATE_NOOP("tarn::CommandTable", "COM4(&T)"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Choose Communication Port four \nCom4")},
    {Ports, TARN_TRANSLATE_NOOP("tarn::CommandTable", "P&orts..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Choose the device each communication port opens\nPorts")},
    {BandPlan, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Band Pla&n"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Choose the band plan of the repeater offsets\nBand Plan")},
    {BandPlanRegion1, TARN_TRANSLATE_NOOP("tarn::CommandTable", "IARU Region &1"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Repeater offsets of IARU Region 1: 0.6 MHz on 2 m, 7.6 MHz on 70 cm")},
    {BandPlanRegion1 + 1, TARN_TRANSLATE_NOOP("tarn::CommandTable", "IARU Region &2 / US"),
     TARN_TRANSLATE_NOOP(
         "tarn::CommandTable",
         "Repeater offsets of IARU Region 2 and the US: 0.6 MHz on 2 m, 5 MHz on 70 cm")},
    {BandPlanRegion1 + 2, TARN_TRANSLATE_NOOP("tarn::CommandTable", "IARU Region &3"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Repeater offsets of IARU Region 3: 0.6 MHz on 2 m, 5 MHz on 70 cm")},
    {ViewToolbar, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Toolbar"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Show or hide the toolbar\nToggle ToolBar")},
    {ViewStatusBar, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Status Bar"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Show or hide the status bar\nToggle StatusBar")},
    {WindowNew, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&New Window"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Open another window for the active document\nNew Window")},
    {WindowCascade, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Cascade"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Arrange windows so they overlap\nCascade Windows")},
    {WindowTile, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Tile"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Arrange windows as non-overlapping tiles\nTile Windows")},
    {WindowArrange, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Arrange Icons"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Arrange icons at the bottom of the window\nArrange Icons")},
    {LanguageMenu, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Language"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Choose the language of TARN's menus and windows\nLanguage")},
    {LanguageEnglish, "English",
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Show TARN in English\nEnglish")},
    {LanguageChinese, "中文 (Chinese)",
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Show TARN in Simplified Chinese\nChinese")},
    {HelpGuide, TARN_TRANSLATE_NOOP("tarn::CommandTable", "TARN &Help\tF1"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable", "Open the user guide\nHelp"), "F1"},
    {ShowLastTrace, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Show &Last Serial Trace"),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Show the bytes of the last transfer with the radio\nLast Serial Trace")},
    {ReportProblem, TARN_TRANSLATE_NOOP("tarn::CommandTable", "Report a &Problem..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Put together the facts a problem report needs\nReport a Problem")},
    {AppAbout, TARN_TRANSLATE_NOOP("tarn::CommandTable", "&About ..."),
     TARN_TRANSLATE_NOOP("tarn::CommandTable",
                         "Display program information, version number and copyright\nAbout")},
}};

constexpr std::array FileItems{FileNew,
                               FileOpen,
                               FileClose,
                               FileSave,
                               FileSaveAs,
                               FileImportChannels,
                               FileExportChannels,
                               ChannelLists,
                               CompareWith,
                               0,
                               FilePrint,
                               FilePrintPreview,
                               FilePrintSetup,
                               0,
                               RecentFile1,
                               0,
                               AppExit};
constexpr std::array ModelItems{ModelInformation};
constexpr std::array EditItems{EditUndo,
                               EditRedo,
                               0,
                               EditCut,
                               EditCopy,
                               EditPaste,
                               EditClear,
                               0,
                               FindChannels,
                               0,
                               InsertChannel,
                               DeleteChannel,
                               MoveUp,
                               MoveDown,
                               SortChannels,
                               0,
                               EditSelected,
                               FillChannels,
                               0,
                               OptionalFeatures};
constexpr std::array ProgramItems{ReadFromRadio, 0, WriteToRadio,    0, EditData,
                                  Backups,       0, VerifyAfterWrite};
#ifdef _WIN32
constexpr std::array SetupItems{Com1, Com2, Com3, Com4, 0, BandPlan, 0, LanguageMenu};
#else
constexpr std::array SetupItems{Com1, Com2, Com3, Com4, 0, Ports, 0, BandPlan, 0, LanguageMenu};
#endif
constexpr std::array ChannelListItems{ChannelList1,     ChannelList1 + 1, ChannelList1 + 2,
                                      ChannelList1 + 3, ChannelList1 + 4, 0,
                                      ChannelList1 + 5, ChannelList1 + 6};
constexpr std::array BandPlanItems{BandPlanRegion1, BandPlanRegion1 + 1, BandPlanRegion1 + 2};
constexpr std::array ViewItems{ViewToolbar, ViewStatusBar};
constexpr std::array WindowItems{WindowNew, WindowCascade, WindowTile, WindowArrange};
constexpr std::array HelpItems{HelpGuide, 0, ShowLastTrace, ReportProblem, 0, AppAbout};
constexpr std::array LanguageItems{LanguageEnglish, LanguageChinese};
constexpr std::array<std::pair<int, std::span<const int>>, 3> Submenus{{
    {ChannelLists, ChannelListItems},
    {BandPlan, BandPlanItems},
    {LanguageMenu, LanguageItems},
}};

constexpr std::array<MenuInfo, 8> Menus{{
    {TARN_TRANSLATE_NOOP("tarn::CommandTable", "&File"), FileItems},
    {TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Model"), ModelItems},
    {TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Edit"), EditItems},
    {TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Program"), ProgramItems},
    {TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Setup"), SetupItems},
    {TARN_TRANSLATE_NOOP("tarn::CommandTable", "&View"), ViewItems},
    {TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Window"), WindowItems},
    {TARN_TRANSLATE_NOOP("tarn::CommandTable", "&Help"), HelpItems},
}};

constexpr std::array Toolbar{FileNew,      FileOpen, FileSave,  0,       ReadFromRadio,
                             WriteToRadio, 0,        FilePrint, AppAbout};

} // namespace

std::span<const MenuInfo> CommandTable::menus() {
    return Menus;
}

std::span<const int> CommandTable::languageItems() {
    return LanguageItems;
}

std::span<const int> CommandTable::submenu(int id) {
    for (const auto& [owner, items] : Submenus) {
        if (owner == id)
            return items;
    }
    return {};
}

const char* CommandTable::translationContext() {
    return "tarn::CommandTable";
}

std::span<const CommandInfo> CommandTable::commands() {
    return Commands;
}

std::span<const int> CommandTable::toolbar() {
    return Toolbar;
}

std::span<const int> CommandTable::keyed() {
    static const std::vector<int> ids = [] {
        std::vector<int> found;
        for (const CommandInfo& command : Commands) {
            if (!command.keys.empty())
                found.push_back(command.id);
        }
        return found;
    }();
    return ids;
}

const CommandInfo* CommandTable::find(int id) {
    const auto it = std::find_if(Commands.begin(), Commands.end(),
                                 [id](const CommandInfo& c) { return c.id == id; });
    return it == Commands.end() ? nullptr : &*it;
}

std::string_view CommandTable::statusPrompt(const CommandInfo& info) {
    return info.prompt.substr(0, info.prompt.find('\n'));
}

std::string_view CommandTable::tooltip(const CommandInfo& info) {
    const auto newline = info.prompt.find('\n');
    return newline == std::string_view::npos ? std::string_view{} : info.prompt.substr(newline + 1);
}

} // namespace tarn
