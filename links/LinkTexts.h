#pragma once

// The fixed texts the data links show, in one place.

namespace orbilunex::texts {

// Serial port open failures, by class.
constexpr const char* kPortNotFound =
    "Communication Port Not Found!\n\nThe communications port does not exist. Check your system "
    "configuration on the status of this Communication port";
constexpr const char* kPortAccessDenied =
    "Access Denied!\n\n The communications port may be in use at this time. Please choose another "
    "port or close the application using the desired port.";
constexpr const char* kPortOpenErrorPrefix = "Comm Open Error!";
constexpr const char* kPortOpenErrorSuffix =
    "\n\n The communications port may be in use at this time. Please choose another port or "
    "close the application using the desired port.";
constexpr const char* kCannotOpenPort = "Cannot open communications port"; // 30000

// Playback and recording.
constexpr const char* kFileError = "File Error!";
// Why a pipe, a terminal or a device is neither played nor recorded to.
constexpr const char* kNotRegularFile = "not a regular file";
constexpr const char* kAlreadyRecording =
    "WARNING!\nCurrently recording data. Would you like to close current file and open a new "
    "one?"; // 30013
constexpr const char* kRecordingExpired = "NMEA recording complete due to duration has expired"; // 30033
constexpr const char* kNmeaFileFilter = "NMEA Files (*.txt)";
// What "Connect to file" offers: logs by any of their usual names first
// (data/sample.nmea among them), then the recordings' own, then anything.
constexpr const char* kNmeaOpenFilters =
    "NMEA logs (*.nmea *.log *.txt);;NMEA Files (*.txt);;All Files (*)";
constexpr const char* kNmeaFileSuffix = "txt";

// Network.
constexpr const char* kCannotCreateConnection = "Could not create a network connection"; // 30004
constexpr const char* kCannotConnect = "Could not connect to computer";                   // 30005
constexpr const char* kCannotCreateServer = "CNetServer Error: Could not create server";

// gpsd: "Could not connect to gpsd at HOST:PORT: " and why, or the server
// there is something else.
constexpr const char* kGpsdConnectPrefix = "Could not connect to gpsd at ";
constexpr const char* kGpsdRefused = "connection refused. Is gpsd running?";
constexpr const char* kGpsdHostNotFound = "host not found.";
constexpr const char* kGpsdNoAnswer = "no answer.";
constexpr const char* kGpsdBadPort = "the port must be 1 to 65535.";
constexpr const char* kGpsdNotGpsdPrefix = "The server at ";
constexpr const char* kGpsdNotGpsdSuffix = " is not gpsd: it did not greet as gpsd does.";

} // namespace orbilunex::texts
