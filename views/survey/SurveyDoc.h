#pragma once

#include "framework/Document.h"
#include "survey/SurveyAccuracy.h"
#include "survey/SurveyModel.h"

#include <functional>
#include <memory>

class QMenu;

namespace orbilunex {

// The survey window's document: the samples and statistics of one survey
// (the engine's SurveyModel), its path file, and the survey commands. The
// views read the survey; the plot view feeds it from the decoded state.
class CSurveyDoc : public CDocument {
    Q_OBJECT

public:
    CSurveyDoc(const DocTemplate& docTemplate, AppContext& app);
    ~CSurveyDoc() override;

    SurveyModel& survey() { return *model; }
    const SurveyModel& survey() const { return *model; }

    // Stores one live sample (see SurveyModel::addSample) and marks the
    // document modified; a survey that cannot take it more says nothing,
    // nor does one in the middle of reading a file. While acquisition is on
    // and the stop rule is set, the sample that meets the rule switches
    // acquisition off, as clearing it on the settings page does, and the
    // status bar says "Survey complete" with the figures.
    void addSample(double latitude, double longitude, double altitude, std::int16_t pdop10,
                   std::int32_t fix3d, std::uint16_t hdop10, std::uint16_t vdop10);

    // Shown as "Survey Window - [title]".
    void setTitle(const QString& title) override;

    // True while a path file is being read into the survey: events run
    // during a long read, and the survey then holds part of the file.
    bool isReading() const { return reading; }

    // Whether the stop rule ended the acquisition: from the sample that met
    // it until the survey is emptied or loaded, or the settings sheet turns
    // acquisition on again.
    bool surveyComplete() const { return complete; }

    // The framework's open and save: a path file of either layout in, the
    // current layout out (through a temporary file, so a failed save leaves
    // the old file whole). A long read shows its progress with a Cancel
    // button; a cancelled read keeps what it read and says so.
    bool onOpenDocument(const QString& path) override;
    bool onSaveDocument(const QString& path) override;

    // The survey's own File Open: offers to save changes, asks for a path
    // file, says "Could Not Open File" when it cannot be opened for reading
    // and writing, reads it into this survey and rebuilds the statistics
    // from the stored values.
    void onFileOpen(Prompter& prompter, QWidget* parent) override;

    // "&Erase and Clear Screen": on Yes to the warning, empties the survey
    // (header, thresholds and flags stay) and names it "Untitled", with no
    // file: Save then asks for one.
    void eraseCommand(QWidget* parent);
    // The indicator commands, written at once; every view redraws.
    void toggleLsfIndicator();
    void toggleMeanIndicator();
    // After the settings sheet was confirmed (its values already in the
    // survey and the store): statistics rebuilt under the new thresholds,
    // every view redrawn, the document modified.
    void propertiesConfirmed();

signals:
    // The survey was emptied: the plot starts its scale again.
    void surveyCleared();
    // A file was read into the survey: the plot fits its extents to it.
    void surveyLoaded();

private:
    bool readFile(const QString& path, QWidget* parent, bool framework);
    // The stop rule's spread again from the stored samples the horizontal
    // mean takes under the thresholds now in force.
    void rebuildSpread();

    std::unique_ptr<SurveyModel> model; // tens of kilobytes of tables: not on the stack
    bool reading = false;
    // 2DRMS of the horizontal samples, kept at every stored sample so that
    // the stop rule costs the same however large the survey.
    RunningHorizontalSpread spread;
    bool complete = false;
};

// The survey context menu, in order: "&Open...", "&Erase and Clear Screen",
// a separator, the two indicator toggles with their check marks, a
// separator, "&Properties" (which runs `properties`). `parent` is the view
// the menu opened over. The window's "Survey Settings" menu is the same
// without "&Open..." (File > Open is there): withOpen false.
void fillSurveyMenu(QMenu& menu, CSurveyDoc& document, QWidget* parent,
                    std::function<void()> properties, bool withOpen = true);

} // namespace orbilunex
