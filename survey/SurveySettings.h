#pragma once

namespace orbilunex {

// Where a survey keeps its choices in the settings store. Every survey
// document reads them when it is made; the settings sheet and the two
// indicator commands write them back.
constexpr const char* surveySettingsSection = "Survey Configuration";

// Decimal integers stored as text (the sheet writes them with "%d").
constexpr const char* plotIndicatorSizeKey = "PlotIndicatorSize";   // default "0"
constexpr const char* avgDopThresholdKey = "AvgDOPThreshold";       // default "30", unused
// Integers.
constexpr const char* useLinesKey = "UseLines";                     // default 1
constexpr const char* hdopThresholdKey = "HDOPThreshold";           // default 30
constexpr const char* vdopThresholdKey = "VDOPThreshold";           // default 30
constexpr const char* verifyPositionFixKey = "VerifyPositionFix";   // default 1
constexpr const char* meanIndicatorKey = "EnablePositionAvgIndicator"; // default 1
constexpr const char* lsfIndicatorKey = "EnablePALSFSD";            // default 1
// The survey window's pane height, written by the plot view.
constexpr const char* framePaneKey = "FramePane";

} // namespace orbilunex
