#include "app/GeneralSettingsDialog.h"

#include "framework/DialogKit.h"
#include "framework/Prompter.h"

#include "format/PositionText.h"
#include "format/UnitTexts.h"
#include "format/Units.h"
#include "settings/AlarmSettings.h"
#include "settings/DisplaySettings.h"
#include "settings/GeneralSettings.h"
#include "settings/SettingsStore.h"
#include "survey/AccuracySettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace orbilunex {

namespace {

namespace alarm_keys = settings::alarms;

constexpr const char* kGeneralPage = "General";
constexpr const char* kAlarmsPage = "Alarms";

constexpr const char* kFixLostLabel = "&Fix lost";
constexpr const char* kFixLostSecondsLabel = "Fix lost after (&seconds):";
constexpr const char* kMinSatellitesLabel = "Fewer satellites &than:";
constexpr const char* kMaxHdopLabel = "&HDOP above:";
constexpr const char* kAnchorRadiusLabel = "Anchor watch &radius (%1):";
constexpr const char* kAnchorLatitudeLabel = "Anchor l&atitude:";
constexpr const char* kAnchorLongitudeLabel = "Anchor l&ongitude:";
constexpr const char* kSoundLabel = "So&und";
constexpr const char* kAlarmsNote =
    "0 switches an alarm off. Without an anchor position the\n"
    "position when the alarm is switched on is the anchor.";

// The longest wait the fix-lost alarm takes, and the most satellites a
// receiver reports.
constexpr int kMaxFixLostSeconds = 86400;
constexpr int kMaxSatellites = 99;

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

// A label's text as a message names its field: without the access key.
QString fieldName(const char* label)
{
    return QString::fromUtf8(label).remove(QLatin1Char('&'));
}

FieldProblem named(const FieldProblem& problem, const QString& name)
{
    if (!problem) return problem;
    return {problem.field, name + QLatin1Char(' ') + problem.text};
}

std::optional<double> decimalIn(const QLineEdit* field)
{
    return parseDecimal(field->text().trimmed().toStdString());
}

// Zero and up: a threshold, where 0 switches its alarm off.
FieldProblem checkThreshold(QLineEdit* field, const QString& name)
{
    const std::optional<double> value = decimalIn(field);
    if (value && *value >= 0) return {};
    return {field, name + QStringLiteral(" Please enter a number, 0 or more (0: off).")};
}

std::optional<double> storedPosition(const std::string& text, double limit)
{
    const std::optional<double> value = parseDecimal(text);
    if (!value || std::fabs(*value) > limit) return std::nullopt;
    return value;
}

// What the store holds as what a field shows: decimal degrees in the
// user's position format, anything else as it is (OK then refuses it).
QString shownPosition(const SettingsStore& settings, const StringSetting& setting, double limit,
                      std::string (*format)(const SettingsStore&, double))
{
    const std::string stored = readSetting(settings, setting);
    const std::optional<double> value = storedPosition(stored, limit);
    return QString::fromStdString(value ? format(settings, *value) : stored);
}

void writeIfChanged(SettingsStore& settings, const IntSetting& setting, int value)
{
    if (readSetting(settings, setting) != value) writeSetting(settings, setting, value);
}

void writeIfChanged(SettingsStore& settings, const StringSetting& setting,
                    const std::string& value)
{
    if (readSetting(settings, setting) != value) writeSetting(settings, setting, value);
}

} // namespace

GeneralSettingsDialog::GeneralSettingsDialog(SettingsStore& store, QWidget* parent,
                                             Prompter* messages)
    : QDialog(parent), settings(store), prompter(messages)
{
    setWindowTitle(QString::fromUtf8(generalSettingsTitle));

    tabs = new QTabWidget(this);
    auto* general = new QWidget;
    unitsList = makeList(unitsChoices, general);
    altitudeList = makeList(altitudeElevationUnitsChoices, general);
    positionList = makeList(positionFormatChoices, general);
    systemsList = makeList(settings::general::kSatelliteSystemsChoices, general);

    auto* grid = new QGridLayout(general);
    addLabelledRow(this, grid, 0, QString::fromUtf8(distanceSpeedChoiceLabel), unitsList);
    addLabelledRow(this, grid, 1, QString::fromUtf8(altitudeElevationChoiceLabel), altitudeList);
    addLabelledRow(this, grid, 2, QString::fromUtf8(positionFormatChoiceLabel), positionList);
    addLabelledRow(this, grid, 3, QString::fromUtf8(settings::general::kSatelliteSystemsLabel),
                   systemsList);
    smoothCheck = new QCheckBox(QString::fromUtf8(settings::general::kSmoothDrawingLabel), general);
    grid->addWidget(smoothCheck, 4, 1);
    grid->setRowStretch(5, 1);
    tabs->addTab(general, QString::fromLatin1(kGeneralPage));
    tabs->addTab(makeAlarmsPage(), QString::fromLatin1(kAlarmsPage));

    auto* outer = new QGridLayout;
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(tabs, 0, 0);
    finishOkCancelDialog(this, outer);

    select(unitsList, readSetting(settings, settings::display::kUnits));
    select(altitudeList, readSetting(settings, settings::display::kAltitudeUnits));
    select(positionList, readSetting(settings, settings::display::kPositionFormat));
    select(systemsList, readSetting(settings, settings::general::kSatelliteSystems));
    smoothCheck->setChecked(readSetting(settings, settings::general::kSmoothDrawing) == 1);

    // The radius is read in the units chosen here once OK stores them.
    showRadiusUnit(unitsList->currentIndex());
    connect(unitsList, &QComboBox::currentIndexChanged, this,
            &GeneralSettingsDialog::showRadiusUnit);
}

QWidget* GeneralSettingsDialog::makeAlarmsPage()
{
    alarms = new QWidget;
    auto* grid = new QGridLayout(alarms);
    auto field = [this](const QString& text) {
        auto* edit = new QLineEdit(text, alarms);
        // Room for a position in any format: "N 48° 07' 02.280".
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 18);
        return edit;
    };
    fixLostCheck = new QCheckBox(QString::fromUtf8(kFixLostLabel), alarms);
    fixLostCheck->setChecked(readSetting(settings, alarm_keys::kFixLost) == 1);
    fixLostSecondsField =
        field(QString::number(readSetting(settings, alarm_keys::kFixLostSeconds)));
    minSatellitesField = field(QString::number(readSetting(settings, alarm_keys::kMinSatellites)));
    maxHdopField = field(QString::fromStdString(readSetting(settings, alarm_keys::kMaxHdop)));
    anchorRadiusField =
        field(QString::fromStdString(readSetting(settings, alarm_keys::kAnchorRadius)));
    shownLatitude = shownPosition(settings, alarm_keys::kAnchorLatitude, 90.0, formatLatitude);
    shownLongitude =
        shownPosition(settings, alarm_keys::kAnchorLongitude, 180.0, formatLongitude);
    anchorLatitudeField = field(shownLatitude);
    anchorLongitudeField = field(shownLongitude);
    soundCheck = new QCheckBox(QString::fromUtf8(kSoundLabel), alarms);
    soundCheck->setChecked(readSetting(settings, alarm_keys::kSound) == 1);

    grid->addWidget(fixLostCheck, 0, 0, 1, 2);
    addLabelledRow(this, grid, 1, QString::fromUtf8(kFixLostSecondsLabel), fixLostSecondsField);
    addLabelledRow(this, grid, 2, QString::fromUtf8(kMinSatellitesLabel), minSatellitesField);
    addLabelledRow(this, grid, 3, QString::fromUtf8(kMaxHdopLabel), maxHdopField);
    addLabelledRow(this, grid, 4, QString(), anchorRadiusField);
    anchorRadiusLabel = qobject_cast<QLabel*>(grid->itemAtPosition(4, 0)->widget());
    addLabelledRow(this, grid, 5, QString::fromUtf8(kAnchorLatitudeLabel), anchorLatitudeField);
    addLabelledRow(this, grid, 6, QString::fromUtf8(kAnchorLongitudeLabel), anchorLongitudeField);
    grid->addWidget(new QLabel(QString::fromLatin1(kAlarmsNote), alarms), 7, 0, 1, 2);
    grid->addWidget(soundCheck, 8, 0, 1, 2);
    grid->setRowStretch(9, 1);
    return alarms;
}

void GeneralSettingsDialog::showRadiusUnit(int units)
{
    MemorySettingsStore chosen;
    writeSetting(chosen, settings::display::kUnits, units);
    anchorRadiusLabel->setText(QString::fromUtf8(kAnchorRadiusLabel)
                                   .arg(QString::fromStdString(shortDistanceUnitLabel(chosen))));
}

FieldProblem GeneralSettingsDialog::checkAlarms() const
{
    if (FieldProblem p = named(checkIntegerField(fixLostSecondsField, fixLostSecondsField->text(),
                                                 1, kMaxFixLostSeconds),
                               fieldName(kFixLostSecondsLabel)))
        return p;
    if (FieldProblem p = named(checkIntegerField(minSatellitesField, minSatellitesField->text(), 0,
                                                 kMaxSatellites),
                               fieldName(kMinSatellitesLabel)))
        return p;
    if (FieldProblem p = checkThreshold(maxHdopField, fieldName(kMaxHdopLabel))) return p;
    if (FieldProblem p = checkThreshold(anchorRadiusField,
                                        anchorRadiusLabel->text().remove(QLatin1Char('&'))))
        return p;

    const QString latitude = anchorLatitudeField->text().trimmed();
    const QString longitude = anchorLongitudeField->text().trimmed();
    if (!latitude.isEmpty() && !parseLatitude(latitude.toStdString()))
        return {anchorLatitudeField,
                fieldName(kAnchorLatitudeLabel) +
                    QString::fromUtf8(" Please enter a latitude such as N 48\u00b0 07.0380 or "
                                      "-12.5, or leave it empty.")};
    if (!longitude.isEmpty() && !parseLongitude(longitude.toStdString()))
        return {anchorLongitudeField,
                fieldName(kAnchorLongitudeLabel) +
                    QString::fromUtf8(" Please enter a longitude such as E 011\u00b0 31.0000 or "
                                      "-71.25, or leave it empty.")};
    // One without the other would be ignored: the anchor needs both.
    if (latitude.isEmpty() != longitude.isEmpty()) {
        QLineEdit* empty = latitude.isEmpty() ? anchorLatitudeField : anchorLongitudeField;
        return {empty, fieldName(latitude.isEmpty() ? kAnchorLatitudeLabel : kAnchorLongitudeLabel) +
                           QStringLiteral(" Please enter both the latitude and the longitude "
                                          "of the anchor, or neither.")};
    }
    return {};
}

void GeneralSettingsDialog::refuse(const FieldProblem& problem)
{
    tabs->setCurrentWidget(alarms);
    if (prompter) {
        refuseField(*prompter, this, problem);
        return;
    }
    QMessageBox::warning(this, windowTitle(), problem.text);
    problem.field->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(problem.field)) line->selectAll();
}

void GeneralSettingsDialog::accept()
{
    if (const FieldProblem problem = checkAlarms()) {
        refuse(problem);
        return;
    }
    writeSetting(settings, settings::display::kUnits, unitsList->currentIndex());
    writeSetting(settings, settings::display::kPositionFormat, positionList->currentIndex());
    writeSetting(settings, settings::display::kAltitudeUnits, altitudeList->currentIndex());
    writeSetting(settings, settings::general::kSatelliteSystems, systemsList->currentIndex());
    writeSetting(settings, settings::general::kSmoothDrawing, smoothCheck->isChecked() ? 1 : 0);
    writeAlarms();
    QDialog::accept();
}

void GeneralSettingsDialog::writeAlarms()
{
    // Only what differs: a visit for the units leaves the alarms' section
    // as it was.
    writeIfChanged(settings, alarm_keys::kFixLost, fixLostCheck->isChecked() ? 1 : 0);
    writeIfChanged(settings, alarm_keys::kFixLostSeconds,
                   dialogIntegerOr0(fixLostSecondsField->text()));
    writeIfChanged(settings, alarm_keys::kMinSatellites,
                   dialogIntegerOr0(minSatellitesField->text()));
    writeIfChanged(settings, alarm_keys::kMaxHdop, exactDecimal(decimalIn(maxHdopField).value_or(0)));
    writeIfChanged(settings, alarm_keys::kAnchorRadius,
                   exactDecimal(decimalIn(anchorRadiusField).value_or(0)));
    // Untouched, the stored degrees stay exact rather than become their
    // rounded text.
    auto position = [](const QLineEdit* field, const QString& shown, const StringSetting& setting,
                       const SettingsStore& store,
                       std::optional<double> (*parse)(std::string_view)) -> std::string {
        if (field->text() == shown) return readSetting(store, setting);
        const std::string text = field->text().trimmed().toStdString();
        if (text.empty()) return {};
        return exactDecimal(parse(text).value_or(0));
    };
    writeIfChanged(settings, alarm_keys::kAnchorLatitude,
                   position(anchorLatitudeField, shownLatitude, alarm_keys::kAnchorLatitude,
                            settings, parseLatitude));
    writeIfChanged(settings, alarm_keys::kAnchorLongitude,
                   position(anchorLongitudeField, shownLongitude, alarm_keys::kAnchorLongitude,
                            settings, parseLongitude));
    writeIfChanged(settings, alarm_keys::kSound, soundCheck->isChecked() ? 1 : 0);
}

} // namespace orbilunex
