#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace orbilunex {

class Prompter;
class SettingsStore;
struct FieldProblem;

// The "General Settins" dialog, two pages. "General" picks the
// distance/speed units, the altitude/elevation units, the position format
// and the satellite systems decoded ("Satellite systems", section
// "General"). "Alarms" edits the section "Alarms" (see
// settings/AlarmSettings.h). It reads the values from the store when built
// and writes them back on OK; the caller redraws the windows when
// accepted() arrives.
class GeneralSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // Opens with the stored "Units", "AltitudeElevationUnits" and
    // "PositionFormat" (section "Settings") selected. A missing key, or a
    // stored value with no entry in its list, selects the first entry (the
    // default), so that OK stores exactly what the dialog showed. A field
    // OK refuses is reported through `prompter`, or a message box without
    // one.
    explicit GeneralSettingsDialog(SettingsStore& settings, QWidget* parent = nullptr,
                                   Prompter* prompter = nullptr);

    // Checks the Alarms page first: a field that does not read refuses OK
    // with a message naming it, and nothing is written. Otherwise writes the
    // three choices as zero-based entry indices, in the order "Units",
    // "PositionFormat", "AltitudeElevationUnits", then the satellite systems
    // and "Smooth drawing", then those alarm values that differ from the
    // store's, and closes with accepted(). Cancel (reject) writes nothing.
    void accept() override;

    // The lists, for callers and tests that drive the dialog directly.
    QComboBox* unitsBox() const { return unitsList; }
    QComboBox* altitudeElevationBox() const { return altitudeList; }
    QComboBox* positionFormatBox() const { return positionList; }
    QComboBox* satelliteSystemsBox() const { return systemsList; }
    QCheckBox* smoothDrawingBox() const { return smoothCheck; }

    QTabWidget* pages() const { return tabs; }
    QWidget* alarmsPage() const { return alarms; }
    QCheckBox* fixLostBox() const { return fixLostCheck; }
    QLineEdit* fixLostSecondsEdit() const { return fixLostSecondsField; }
    QLineEdit* minSatellitesEdit() const { return minSatellitesField; }
    QLineEdit* maxHdopEdit() const { return maxHdopField; }
    QLineEdit* anchorRadiusEdit() const { return anchorRadiusField; }
    QLineEdit* anchorLatitudeEdit() const { return anchorLatitudeField; }
    QLineEdit* anchorLongitudeEdit() const { return anchorLongitudeField; }
    QCheckBox* soundBox() const { return soundCheck; }

private:
    QWidget* makeAlarmsPage();
    // The radius label in the short distance unit of the units chosen.
    void showRadiusUnit(int units);
    FieldProblem checkAlarms() const;
    void refuse(const FieldProblem& problem);
    void writeAlarms();

    SettingsStore& settings;
    Prompter* prompter;
    QTabWidget* tabs;
    QComboBox* unitsList;
    QComboBox* altitudeList;
    QComboBox* positionList;
    QComboBox* systemsList;
    QCheckBox* smoothCheck;

    QWidget* alarms = nullptr;
    QCheckBox* fixLostCheck = nullptr;
    QLineEdit* fixLostSecondsField = nullptr;
    QLineEdit* minSatellitesField = nullptr;
    QLineEdit* maxHdopField = nullptr;
    QLabel* anchorRadiusLabel = nullptr;
    QLineEdit* anchorRadiusField = nullptr;
    QLineEdit* anchorLatitudeField = nullptr;
    QLineEdit* anchorLongitudeField = nullptr;
    QCheckBox* soundCheck = nullptr;
    // The anchor's texts as the fields first showed them: untouched, the
    // stored values stay exactly as they are.
    QString shownLatitude;
    QString shownLongitude;
};

} // namespace orbilunex
