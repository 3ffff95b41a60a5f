#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace orbilunex {

class SettingsStore;

// The "General Settins" dialog: picks the distance/speed units, the
// altitude/elevation units, the position format and the satellite systems
// decoded ("Satellite systems", section "General"). It reads the choices
// from the store when built and writes them back on OK; the caller redraws
// the windows when accepted() arrives.
class GeneralSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // Opens with the stored "Units", "AltitudeElevationUnits" and
    // "PositionFormat" (section "Settings") selected. A missing key, or a
    // stored value with no entry in its list, selects the first entry (the
    // default), so that OK stores exactly what the dialog showed.
    explicit GeneralSettingsDialog(SettingsStore& settings, QWidget* parent = nullptr);

    // Writes the three choices as zero-based entry indices, in the order
    // "Units", "PositionFormat", "AltitudeElevationUnits", then the satellite
    // systems and "Smooth drawing", and closes with accepted(). Cancel (reject) writes nothing.
    void accept() override;

    // The lists, for callers and tests that drive the dialog directly.
    QComboBox* unitsBox() const { return unitsList; }
    QComboBox* altitudeElevationBox() const { return altitudeList; }
    QComboBox* positionFormatBox() const { return positionList; }
    QComboBox* satelliteSystemsBox() const { return systemsList; }
    QCheckBox* smoothDrawingBox() const { return smoothCheck; }

private:
    SettingsStore& settings;
    QComboBox* unitsList;
    QComboBox* altitudeList;
    QComboBox* positionList;
    QComboBox* systemsList;
    QCheckBox* smoothCheck;
};

} // namespace orbilunex
