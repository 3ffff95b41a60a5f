#pragma once

#include "survey/SurveyAccuracy.h"
#include "survey/SurveyModel.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace orbilunex {

// The files a survey is exported to, for spreadsheets and map programs.
//
// - Csv: a summary in lines starting with "#" ("# name,value..." with the
//   accuracy figures, the sample counts, the mean and least-squares
//   positions), then a header row and one row per stored sample: index
//   (from 0), latitude, longitude, altitude, HDOP, VDOP, PDOP, the 3D flag
//   and 1/0 for the horizontal and vertical sets.
// - Gpx (1.1): a waypoint "Mean" and one "Least squares" with the figures in
//   their descriptions, and a track of one segment holding every sample.
// - Kml (2.2): the same as two Point placemarks and a LineString.
// - GeoJson: a FeatureCollection of a Point per average with the figures as
//   properties, and a LineString of the samples.
//
// Samples are written exactly from the stored integers (10^-7 degree,
// centimetres); the averages, which are doubles, in the shortest text that
// reads back the same double. An average is left out while its set is
// empty, and its altitude while no sample has fed the altitude. A LineString
// needs two points, so KML and GeoJSON leave it out below two samples; the
// GPX track is always there.
enum class ExportFormat { Csv, Gpx, Kml, GeoJson };

// The format a file name's extension asks for (.csv, .gpx, .kml, .geojson,
// in any case); none for anything else.
std::optional<ExportFormat> exportFormatFor(const std::string& path);

// Writes the export to a stream; false when the stream fails.
bool writeSurveyExport(std::ostream& out, ExportFormat format, const SurveyModel& survey,
                       const SurveyAccuracy& figures);

// Saves the export to path through replaceFile. An existing name (a link
// too) is kept unless replaceExisting. On failure returns false, leaves the
// file as it was and sets error to a sentence naming it.
bool exportSurvey(const std::string& path, ExportFormat format, const SurveyModel& survey,
                  const SurveyAccuracy& figures, bool replaceExisting, std::string& error);

// Whether the name exists (a dangling link counts).
bool exportTargetExists(const std::string& path);

} // namespace orbilunex
