#include "shell/CommandTable.h"

#include "qtsupport/CommandIds.h"

#include <algorithm>
#include <array>

namespace tarn {

namespace {

using namespace cmd;

constexpr std::array<CommandInfo, 42> Commands{{
    {FileNew, "&New\tCtrl+N", "Create a new document\nNew", "Ctrl+N"},
    {FileOpen, "&Open...\tCtrl+O", "Open an existing document\nOpen", "Ctrl+O"},
    {FileClose, "&Close", "Close the active document\nClose"},
    {FileSave, "&Save\tCtrl+S", "Save the active document\nSave", "Ctrl+S"},
    {FileSaveAs, "Save &As...", "Save the active document with a new name\nSave As"},
    {FileImportChannels, "&Import Channels...",
     "Place the channels of a CHIRP CSV channel list into the active document\nImport Channels"},
    {FileExportChannels, "&Export Channels...",
     "Write the channels of the active document as a CHIRP CSV channel list\nExport Channels"},
    {CompareWith, "Co&mpare With...", "Mark what differs from a .sin file\nCompare"},
    {FilePrint, "&Print...\tCtrl+P", "Print the active document\nPrint", "Ctrl+P"},
    {FilePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview"},
    {FilePrintSetup, "P&rint Setup...", "Change the printer and printing options\nPrint Setup"},
    {RecentFile1, "Recent File", "Open this document"},
    {AppExit, "E&xit", "Quit the application; prompts to save documents\nExit"},
    {ModelInformation, "&Model Information", ""},
    {EditUndo, "&Undo\tCtrl+Z", "Undo the last change\nUndo", "Ctrl+Z"},
    {EditRedo, "&Redo\tCtrl+Y", "Redo the change last undone\nRedo", "Ctrl+Y; Ctrl+Shift+Z"},
    {EditCut, "Cu&t\tCtrl+X", "Cut the selected channels and put them on the clipboard\nCut",
     "Ctrl+X"},
    {EditCopy, "&Copy\tCtrl+C", "Copy the selected channels to the clipboard\nCopy", "Ctrl+C"},
    {EditPaste, "&Paste\tCtrl+V", "Paste channels from the clipboard\nPaste", "Ctrl+V"},
    {EditClear, "C&lear Channels\tDel", "Empty the selected channels\nClear Channels", "Del"},
    {InsertChannel, "&Insert Channel",
     "Insert an empty channel at the current channel\nInsert Channel"},
    {DeleteChannel, "&Delete Channel", "Delete the selected channels\nDelete Channel"},
    {OptionalFeatures, "&Optional Features", ""},
    {ReadFromRadio, "&Read From Radio\tCtrl+R", "Read Data From Radio\nRead", "Ctrl+R"},
    {WriteToRadio, "&Write To Radio\tCtrl+W", "Write Data to Radio \nWrite", "Ctrl+W"},
    {EditData, "&Edit Data\tCtrl+G", "Edit channel Data \nEdit", "Ctrl+G"},
    {Backups, "&Backups...", "Open an image kept from a read or a write\nBackups"},
    {VerifyAfterWrite, "&Verify After Write",
     "Read the radio back after every write and compare\nVerify After Write"},
    {Com1, "COM1(&P)", "Choose Communication Port one \nCom1"},
    {Com2, "COM2(&Q)", "Choose Communication Port two \nCom2"},
    {Com3, "COM3(&S)", "Choose Communication Port three \nCom3"},
    {Com4, "COM4(&T)", "Choose Communication Port four \nCom4"},
    {Ports, "P&orts...", "Choose the device each communication port opens\nPorts"},
    {ViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar"},
    {ViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle StatusBar"},
    {WindowNew, "&New Window", "Open another window for the active document\nNew Window"},
    {WindowCascade, "&Cascade", "Arrange windows so they overlap\nCascade Windows"},
    {WindowTile, "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows"},
    {WindowArrange, "&Arrange Icons", "Arrange icons at the bottom of the window\nArrange Icons"},
    {ShowLastTrace, "Show &Last Serial Trace",
     "Show the bytes of the last transfer as they went over the cable\nLast Serial Trace"},
    {ReportProblem, "Report a &Problem...",
     "Show a text to copy into a report of a problem; nothing is sent\nReport a Problem"},
    {AppAbout, "&About ...", "Display program information, version number and copyright\nAbout"},
}};

constexpr std::array FileItems{FileNew,
                               FileOpen,
                               FileClose,
                               FileSave,
                               FileSaveAs,
                               FileImportChannels,
                               FileExportChannels,
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
constexpr std::array EditItems{EditUndo,      EditRedo,      0,         EditCut,
                               EditCopy,      EditPaste,     EditClear, 0,
                               InsertChannel, DeleteChannel, 0,         OptionalFeatures};
constexpr std::array ProgramItems{ReadFromRadio, 0, WriteToRadio,    0, EditData,
                                  Backups,       0, VerifyAfterWrite};
#ifdef _WIN32
constexpr std::array SetupItems{Com1, Com2, Com3, Com4, 0};
#else
constexpr std::array SetupItems{Com1, Com2, Com3, Com4, 0, Ports};
#endif
constexpr std::array ViewItems{ViewToolbar, ViewStatusBar};
constexpr std::array WindowItems{WindowNew, WindowCascade, WindowTile, WindowArrange};
constexpr std::array HelpItems{ShowLastTrace, ReportProblem, 0, AppAbout};

constexpr std::array<MenuInfo, 8> Menus{{
    {"&File", FileItems},
    {"&Model", ModelItems},
    {"&Edit", EditItems},
    {"&Program", ProgramItems},
    {"&Setup", SetupItems},
    {"&View", ViewItems},
    {"&Window", WindowItems},
    {"&Help", HelpItems},
}};

constexpr std::array Toolbar{FileNew,      FileOpen, FileSave,  0,       ReadFromRadio,
                             WriteToRadio, 0,        FilePrint, AppAbout};

} // namespace

std::span<const MenuInfo> CommandTable::menus() {
    return Menus;
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
