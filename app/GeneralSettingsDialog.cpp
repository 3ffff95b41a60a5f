#include "app/GeneralSettingsDialog.h"

#include "framework/DialogKit.h"

#include "format/UnitTexts.h"
#include "settings/DisplaySettings.h"
#include "settings/GeneralSettings.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbilunex {

namespace {

template <std::size_t N>
QComboBox* makeList(const char* const (&entries)[N], QWidget* parent)
{
    auto* box = new QComboBox(parent);
    for (const char* entry : entries) box->addItem(QString::fromUtf8(entry));
    return box;
}

// A stored value without an entry shows the first one rather than a blank
// list, whose index (-1) OK would then store.
void select(QComboBox* box, int value)
{
    box->setCurrentIndex(value >= 0 && value < box->count() ? value : 0);
}

} // namespace

GeneralSettingsDialog::GeneralSettingsDialog(SettingsStore& store, QWidget* parent)
    : QDialog(parent), settings(store)
{
    setWindowTitle(QString::fromUtf8(generalSettingsTitle));

    unitsList = makeList(unitsChoices, this);
    altitudeList = makeList(altitudeElevationUnitsChoices, this);
    positionList = makeList(positionFormatChoices, this);
    systemsList = makeList(settings::general::kSatelliteSystemsChoices, this);

    auto* grid = new QGridLayout;
    addLabelledRow(this, grid, 0, QString::fromUtf8(distanceSpeedChoiceLabel), unitsList);
    addLabelledRow(this, grid, 1, QString::fromUtf8(altitudeElevationChoiceLabel), altitudeList);
    addLabelledRow(this, grid, 2, QString::fromUtf8(positionFormatChoiceLabel), positionList);
    addLabelledRow(this, grid, 3, QString::fromUtf8(settings::general::kSatelliteSystemsLabel),
                   systemsList);
    smoothCheck = new QCheckBox(QString::fromUtf8(settings::general::kSmoothDrawingLabel), this);
    grid->addWidget(smoothCheck, 4, 1);

    finishOkCancelDialog(this, grid);

    select(unitsList, readSetting(settings, settings::display::kUnits));
    select(altitudeList, readSetting(settings, settings::display::kAltitudeUnits));
    select(positionList, readSetting(settings, settings::display::kPositionFormat));
    select(systemsList, readSetting(settings, settings::general::kSatelliteSystems));
    smoothCheck->setChecked(readSetting(settings, settings::general::kSmoothDrawing) == 1);
}

void GeneralSettingsDialog::accept()
{
    writeSetting(settings, settings::display::kUnits, unitsList->currentIndex());
    writeSetting(settings, settings::display::kPositionFormat, positionList->currentIndex());
    writeSetting(settings, settings::display::kAltitudeUnits, altitudeList->currentIndex());
    writeSetting(settings, settings::general::kSatelliteSystems, systemsList->currentIndex());
    writeSetting(settings, settings::general::kSmoothDrawing, smoothCheck->isChecked() ? 1 : 0);
    QDialog::accept();
}

} // namespace orbilunex
