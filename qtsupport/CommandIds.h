#pragma once

// Numeric command ids of menu 129 and toolbar 128, the one place they are defined; every
// command target, the menus and the tests address commands by them.
namespace tarn::cmd {

inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintDirect = 57608;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int RecentFile1 = 57616;
inline constexpr int RecentFileCount = 4;
inline constexpr int WindowNew = 57648;
inline constexpr int WindowArrange = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int EditClear = 57632;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
// The user guide, as the framework's Help command.
inline constexpr int HelpGuide = 57670;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

inline constexpr int ReadFromRadio = 32771;
inline constexpr int WriteToRadio = 32772;
inline constexpr int Com1 = 32773;
inline constexpr int Com2 = 32775;
inline constexpr int Com3 = 32776;
inline constexpr int Com4 = 32777;
inline constexpr int EditData = 32780;
inline constexpr int ModelInformation = 32781;
inline constexpr int OptionalFeatures = 32782;
// Which device each COM name opens; not on Windows, where the names open as they are.
inline constexpr int Ports = 32783;
inline constexpr int InsertChannel = 32784;
inline constexpr int DeleteChannel = 32785;
// Channel lists in CHIRP's CSV format, in and out of the active document.
inline constexpr int FileImportChannels = 32790;
inline constexpr int FileExportChannels = 32791;
// The radio's safety net: kept images, reading back after a write, comparing with a file.
inline constexpr int Backups = 32795;
inline constexpr int VerifyAfterWrite = 32796;
inline constexpr int CompareWith = 32797;
// The interface language: a submenu of Setup and its two choices.
inline constexpr int LanguageMenu = 32800;
inline constexpr int LanguageEnglish = 32801;
inline constexpr int LanguageChinese = 32802;
// Managing channels: sort, move, edit many, fill a run, find.
inline constexpr int SortChannels = 32841;
inline constexpr int MoveUp = 32842;
inline constexpr int MoveDown = 32843;
inline constexpr int EditSelected = 32844;
inline constexpr int FillChannels = 32845;
inline constexpr int FindChannels = 32846;
// File > Channel Lists: a submenu of the ready-made lists, one id each.
inline constexpr int ChannelLists = 32850;
inline constexpr int ChannelList1 = 32851;
inline constexpr int ChannelListCount = 7;
// Setup > Band Plan: a submenu of the regions, one id each.
inline constexpr int BandPlan = 32860;
inline constexpr int BandPlanRegion1 = 32861;
inline constexpr int BandPlanRegionCount = 3;
// Help: the newest serial trace, and the text for a problem report.
inline constexpr int ShowLastTrace = 32870;
inline constexpr int ReportProblem = 32871;

// Commands that change a document or open a window that does: unavailable on a document while
// a transfer runs on it, since a completed read replaces its image and would drop them.
[[nodiscard]] inline constexpr bool changesDocument(int id) {
    switch (id) {
    case EditClear:
    case EditCut:
    case EditPaste:
    case EditUndo:
    case EditRedo:
    case EditData:
    case InsertChannel:
    case DeleteChannel:
    case FileImportChannels:
    case ModelInformation:
    case OptionalFeatures:
    case MoveUp:
    case MoveDown:
    case SortChannels:
    case EditSelected:
    case FillChannels:
        return true;
    default:
        // The ready-made lists are imports.
        return id >= ChannelList1 && id < ChannelList1 + ChannelListCount;
    }
}

} // namespace tarn::cmd
