#pragma once

// Command identifiers of the main window's menus and tool bars, with their
// menu texts and their help texts (status-bar line, tool tip).

namespace orbilunex::commands {

// Framework commands.
constexpr int kFileOpen = 57601;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintPreview = 57609;
constexpr int kFilePrintSetup = 57606;
// The active window's data written to another program's format; its menu
// text comes from the window ("Export Survey...").
constexpr int kFileExport = 33791;
constexpr int kAppExit = 57665;
constexpr int kEditCut = 57635;
constexpr int kEditCopy = 57634;
constexpr int kEditPaste = 57637;
constexpr int kAppAbout = 57664;
constexpr int kContextHelp = 57669;
constexpr int kViewStatusBar = 59393;
constexpr int kWindowCascade = 57650;
constexpr int kWindowTile = 57651;
constexpr int kWindowArrange = 57649;

// Connecting and recording.
constexpr int kConnectSerial = 33773;
constexpr int kConnectNetwork = 33774;
constexpr int kConnectFile = 33775;
constexpr int kConnectGpsd = 33790;
constexpr int kConnectUdp = 33792;
constexpr int kDisconnect = 33783;
constexpr int kNetworkServer = 33784;
constexpr int kRecordStart = 33787;
constexpr int kRecordStop = 33789;
constexpr int kGeneralSettings = 33776;
constexpr int kPlayFastest = 332;
constexpr int kPlayFast = 333;
constexpr int kPlayMedium = 334;
constexpr int kPlaySlow = 335;

// Tool-bar toggles.
constexpr int kViewWindowToolbar = 33820;
constexpr int kViewConnectToolbar = 33821;
constexpr int kViewRecordToolbar = 33822;
constexpr int kViewMainToolbar = 59392;

// Each window kind brings its own window command (shell/WindowKinds.h).

// Separator in tool-bar button lists.
constexpr int kSeparator = 0;

struct CommandText {
    int id;
    const char* menuText; // "&" marks the access key
    const char* flyBy;    // status-bar help line
    const char* toolTip;
};

// The texts of every command above; nullptr when the id is unknown.
const CommandText* commandText(int id);

} // namespace orbilunex::commands
