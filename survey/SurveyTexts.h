#pragma once

namespace orbilunex {

// What the survey says to the person at the screen, word for word.
constexpr const char* disableAcquisitionQuestion = "Disable Position Acquisition?";
constexpr const char* oldFileFormatNotice = "Orbilunex will now read old file format.";
constexpr const char* couldNotOpenFileMessage = "Could Not Open File";
constexpr const char* clearSurveyQuestion =
    "This command will clear and erase all survey data. do you really want to continue?";
constexpr const char* untitledSurveyTitle = "Untitled Survey";
constexpr const char* pathFileFilter = "Path Files (*.pth)";
constexpr const char* pathFileExtension = ".pth";

} // namespace orbilunex
