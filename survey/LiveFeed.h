#pragma once

#include "nmea/GpsState.h"
#include "nmea/NmeaParser.h"
#include "survey/SurveyModel.h"

#include <cstddef>
#include <cstdint>

namespace orbilunex {

// Turns the decoded receiver state into survey samples: at most one sample
// per GGA sentence, from the state as it stands when it is looked at.
class SurveyLiveFeed {
public:
    // True when the state holds a GGA this feed has not yet processed, the
    // fix is valid (or the survey does not verify fixes) and acquisition is
    // on. Each new GGA count is processed once, whatever the answer.
    bool wantsSample(const GpsState& state, const SurveyModel& survey);

    // Feeds count bytes of an NMEA stream to parser and, right after each
    // GGA sentence it dispatches, takes a sample as above. Stops at the first
    // sample the survey cannot store and returns why; Stored otherwise.
    SurveyModel::AddResult feedStream(NmeaParser& parser, const unsigned char* bytes,
                                      std::size_t count, SurveyModel& survey);

    std::int32_t lastGgaCount = 0;
};

// Stores the state's position as a sample: PDOP, GGA HDOP and VDOP x 10
// truncated toward zero, fix3d 1 when the fix type is 3.
SurveyModel::AddResult addLiveSample(SurveyModel& survey, const GpsState& state);

} // namespace orbilunex
