#pragma once

class QWidget;

namespace orbilunex {

class CSurveyDoc;
class Prompter;

// File > Export Survey...: asks for a file name (its extension chooses CSV,
// GPX, KML or GeoJSON; the file chooser asks before replacing a file) and
// writes the survey's samples, averages and accuracy figures there through
// the safe save. A name of another kind, or a folder that cannot be
// written, is said and nothing is written.
void exportSurveyFromWindow(CSurveyDoc& document, Prompter& prompter, QWidget* parent);

} // namespace orbilunex
