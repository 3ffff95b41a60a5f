#include "survey/LiveFeed.h"

namespace orbilunex {

bool SurveyLiveFeed::wantsSample(const GpsState& state, const SurveyModel& survey)
{
    if (state.ggaCount == lastGgaCount) return false;
    lastGgaCount = state.ggaCount;
    if (state.fixQuality == 0 && survey.verifyPositionFix != 0) return false;
    return survey.acquisitionEnabled;
}

SurveyModel::AddResult SurveyLiveFeed::feedStream(NmeaParser& parser,
                                                  const unsigned char* bytes, std::size_t count,
                                                  SurveyModel& survey)
{
    const GpsState& state = parser.gpsState();
    for (std::size_t i = 0; i < count; ++i) {
        parser.pushByte(bytes[i]);
        if (state.ggaCount == lastGgaCount || !wantsSample(state, survey)) continue;
        const SurveyModel::AddResult result = addLiveSample(survey, state);
        if (result != SurveyModel::AddResult::Stored) return result;
    }
    return SurveyModel::AddResult::Stored;
}

SurveyModel::AddResult addLiveSample(SurveyModel& survey, const GpsState& state)
{
    return survey.addSample(state.latitude, state.longitude, state.altitude,
                            truncateToInt16(state.pdop * 10.0), state.fixType == 3 ? 1 : 0,
                            truncateToUint16(state.hdop * 10.0),
                            truncateToUint16(state.vdop * 10.0));
}

} // namespace orbilunex
