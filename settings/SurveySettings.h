#pragma once

#include "settings/Setting.h"

// Where a survey keeps its choices. Every survey document reads them when it
// is made; the settings sheet and the two indicator commands write them back.
namespace orbilunex::settings::survey {

constexpr const char* kSection = "Survey Configuration";
// Kept as decimal text (the sheet writes them with "%d").
constexpr IntTextSetting kPlotIndicatorSize{kSection, "PlotIndicatorSize", 0};
constexpr IntTextSetting kAvgDopThreshold{kSection, "AvgDOPThreshold", 30}; // read, unused
constexpr IntSetting kUseLines{kSection, "UseLines", 1};
constexpr IntSetting kHdopThreshold{kSection, "HDOPThreshold", 30};
constexpr IntSetting kVdopThreshold{kSection, "VDOPThreshold", 30};
constexpr IntSetting kVerifyPositionFix{kSection, "VerifyPositionFix", 1};
constexpr IntSetting kMeanIndicator{kSection, "EnablePositionAvgIndicator", 1};
constexpr IntSetting kLsfIndicator{kSection, "EnablePALSFSD", 1};
// The survey window's split: the plot's height and the altitude chart's
// width in pixels, written back whenever the panes are resized.
constexpr IntSetting kFramePane{kSection, "FramePane", 300};
constexpr IntSetting kFramePane2{kSection, "FramePane2", 150};

// Accuracy in metres. The CEP50 and R95 circles on the plot (0 off, 1 on).
constexpr IntSetting kAccuracyCircles{kSection, "AccuracyCircles", 0};
// The reference point, as decimal degrees and metres written exactly (empty
// while none is set; all three are set together).
constexpr StringSetting kReferenceLatitude{kSection, "ReferenceLatitude", ""};
constexpr StringSetting kReferenceLongitude{kSection, "ReferenceLongitude", ""};
constexpr StringSetting kReferenceAltitude{kSection, "ReferenceAltitude", ""};
// The stop rule: stop acquiring when at least StopSamples horizontal samples
// are stored and 2DRMS is at most StopTwoDrms metres (decimal text). Off
// while StopRule is 0.
constexpr IntSetting kStopRule{kSection, "StopRule", 0};
constexpr IntSetting kStopSamples{kSection, "StopSamples", 3600};
constexpr StringSetting kStopTwoDrms{kSection, "StopTwoDrms", "2"};

} // namespace orbilunex::settings::survey
