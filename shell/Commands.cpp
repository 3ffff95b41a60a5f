#include "shell/Commands.h"

namespace orbilunex::commands {

namespace {

constexpr CommandText kTexts[] = {
    {kFileOpen, "&Open...\tCtrl+O", "Open an existing document", "Open"},
    {kFileSave, "&Save\tCtrl+S", "Save the active document", "Save"},
    {kFileSaveAs, "Save &As...", "Save the active document with a new name", "Save As"},
    {kFileExport, "E&xport...", "Export the active window's data for other programs", "Export"},
    {kFilePrint, "&Print...\tCtrl+P", "Print the active document", "Print"},
    {kFilePrintPreview, "Print Pre&view", "Display full pages", "Print Preview"},
    {kFilePrintSetup, "P&rint Setup...", "Change the printer and printing options", "Print Setup"},
    {kAppExit, "E&xit", "Quit the application; prompts to save documents", "Exit"},
    {kEditCut, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard", "Cut"},
    {kEditCopy, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard", "Copy"},
    {kEditPaste, "&Paste\tCtrl+V", "Insert Clipboard contents", "Paste"},
    {kAppAbout, "&About Orbilunex...", "Display program information, version number and copyright",
     "About"},
    {kContextHelp, "&What's This?", "Display help for clicked on buttons, menus and windows", "Help"},
    {kViewStatusBar, "&Status Bar", "Show or hide the status bar", "Toggle StatusBar"},
    {kWindowCascade, "&Cascade", "Arrange windows so they overlap", "Cascade Windows"},
    {kWindowTile, "&Tile", "Arrange windows as non-overlapping tiles", "Tile Windows"},
    {kWindowArrange, "&Arrange Icons", "Arrange icons at the bottom of the window", "Arrange Icons"},
    {kConnectSerial, "Connect using &serial port", "Connects using the PC serial communication port",
     "Connect Using Serial Port"},
    {kConnectNetwork, "Connect using &network", "Connects to another instance over the network",
     "Connect Using Network"},
    {kConnectGpsd, "Connect to &gpsd...", "Shows the NMEA stream of a gpsd server",
     "Connect To gpsd"},
    {kConnectUdp, "Connect to &UDP...", "Takes the NMEA datagrams sent to a UDP port",
     "Connect To UDP"},
    {kConnectFile, "Connect to &file", "Plays back a recorded NMEA file", "Connect To File"},
    {kDisconnect, "&Disconnect", "Disconnect from GPS device", "Disconnect/Close Connection"},
    {kNetworkServer, "&Enable/Disable network server", "Enable or Disable Network Server",
     "Enable/Disable Server"},
    {kRecordStart, "&Start", "Record NMEA data to file", "Record NMEA Data"},
    {kRecordStop, "Sto&p", "Stop Recording NMEA Data", "Stop Recording NMEA Data"},
    {kGeneralSettings, "&General Settings", "Units and position format", "General Settings"},
    {kPlayFastest, "Play file fastest", "Play the file at 20000 bytes a second", "Fastest"},
    {kPlayFast, "Play file fast", "Play the file at 10000 bytes a second", "Fast"},
    {kPlayMedium, "Play file medium", "Play the file at 2560 bytes a second", "Medium"},
    {kPlaySlow, "Play file slow", "Play the file at 500 bytes a second", "Slow"},
    {kViewWindowToolbar, "&Window Toolbar", "Show or hide the window tool bar", "Window Toolbar"},
    {kViewConnectToolbar, "&Connect Toolbar", "Show or hide the connect tool bar",
     "Connect Toolbar"},
    {kViewRecordToolbar, "Record Toolbar", "Show or hide the record tool bar", "Record Toolbar"},
    {kViewMainToolbar, "&Main Toolbar", "Show or hide the main tool bar", "Toggle ToolBar"},
};

} // namespace

const CommandText* commandText(int id)
{
    for (const CommandText& text : kTexts)
        if (text.id == id) return &text;
    return nullptr;
}

} // namespace orbilunex::commands
