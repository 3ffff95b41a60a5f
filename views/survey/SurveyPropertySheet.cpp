#include "views/survey/SurveyPropertySheet.h"

#include "format/FixedText.h"
#include "format/PositionText.h"
#include "framework/AppContext.h"
#include "framework/DialogKit.h"
#include "framework/Prompter.h"
#include "nmea/NumberReader.h"
#include "settings/SurveySettings.h"
#include "survey/AccuracySettings.h"
#include "survey/PathFile.h"
#include "views/survey/SurveyDoc.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>
#include <vector>

namespace orbilunex {

namespace {

constexpr double kLimitScale = 10.0;

// Bytes the text takes in the path file.
int storedLength(const QString& text)
{
    return static_cast<int>(text.toUtf8().size());
}

QLabel* labelFor(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

std::string trimmedText(const QLineEdit* field)
{
    return field->text().trimmed().toUtf8().toStdString();
}

FieldProblem problemAt(QLineEdit* field, const char* text)
{
    return {field, QString::fromUtf8(text)};
}

// A point as the Accuracy page shows it.
ShownPoint shownPoint(const SettingsStore& settings, const ReferencePoint& point)
{
    return {point, QString::fromStdString(formatLatitude(settings, point.latitude)),
            QString::fromStdString(formatLongitude(settings, point.longitude)),
            QString::fromStdString(fixedText(point.altitude, 3, 0))};
}

} // namespace

QString dopLimitText(std::uint16_t limit)
{
    QString text = QString::fromStdString(fixedText(limit * 0.1, 1, 0));
    return text.rightJustified(4, QLatin1Char(' '));
}

std::uint16_t dopLimitFromText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const double scaled = std::trunc(readReal(bytes.constData()) * kLimitScale);
    if (!std::isfinite(scaled)) return 0;
    // Kept modulo 2^16 as an unsigned 16-bit value: a negative limit wraps.
    double wrapped = std::fmod(scaled, 65536.0);
    if (wrapped < 0) wrapped += 65536.0;
    return static_cast<std::uint16_t>(wrapped);
}

// ---- Position Plot ----

CSurveyPropertyPage1::CSurveyPropertyPage1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Position Plot"));
    acquisitionCheck = new QCheckBox(QStringLiteral("Enable Position Acquisition"), this);
    verifyCheck =
        new QCheckBox(QStringLiteral("Validate each position using GGA -- GPS Quality"), this);
    auto* group = new QGroupBox(QStringLiteral("Plot Indicator"), this);
    smallRadio = new QRadioButton(QStringLiteral("Small"), group);
    largeRadio = new QRadioButton(QStringLiteral("Large"), group);
    linesCheck = new QCheckBox(QStringLiteral("Use Lines"), group);

    // clicked, not toggled: only the user's clicks change the values, so a
    // size other than 0 or 1 passes through when the radio buttons are left
    // alone.
    connect(acquisitionCheck, &QCheckBox::clicked, this,
            [this](bool on) { acquisitionValue = on; });
    connect(verifyCheck, &QCheckBox::clicked, this, [this](bool on) {
        verifyValue = on ? 1 : 0;
        emit modified();
    });
    connect(smallRadio, &QRadioButton::clicked, this, [this] {
        markerSizeValue = 0;
        emit modified();
    });
    connect(largeRadio, &QRadioButton::clicked, this, [this] {
        markerSizeValue = 1;
        emit modified();
    });
    connect(linesCheck, &QCheckBox::clicked, this, [this](bool on) {
        linesValue = on ? 1 : 0;
        emit modified();
    });

    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(smallRadio);
    groupLayout->addWidget(largeRadio);
    groupLayout->addWidget(linesCheck);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(acquisitionCheck);
    layout->addWidget(verifyCheck);
    layout->addWidget(group);
    layout->addStretch(1);
}

void CSurveyPropertyPage1::setValues(bool acquisition, int verify, int markerSize, int lines)
{
    acquisitionValue = acquisition;
    verifyValue = verify;
    markerSizeValue = markerSize;
    linesValue = lines;
    acquisitionCheck->setChecked(acquisition);
    verifyCheck->setChecked(verify != 0);
    (markerSize == 1 ? largeRadio : smallRadio)->setChecked(true);
    linesCheck->setChecked(lines == 1);
}

// ---- Position Average ----

CSurveyPropertyPage2::CSurveyPropertyPage2(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Position Average"));
    hdopField = new QLineEdit(this);
    vdopField = new QLineEdit(this);
    for (QLineEdit* field : {hdopField, vdopField})
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
    connect(hdopField, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!filling) hdopValue = dopLimitFromText(text);
    });
    connect(vdopField, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!filling) vdopValue = dopLimitFromText(text);
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(labelFor(QStringLiteral("Lat/Lon Average HDOP Threshold:"), hdopField, this),
                    0, 0);
    grid->addWidget(hdopField, 0, 1, Qt::AlignLeft);
    grid->addWidget(
        labelFor(QStringLiteral("Elevation Average VDOP Threshold:"), vdopField, this), 1, 0);
    grid->addWidget(vdopField, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

void CSurveyPropertyPage2::setValues(std::uint16_t hdopLimit, std::uint16_t vdopLimit)
{
    hdopValue = hdopLimit;
    vdopValue = vdopLimit;
    filling = true;
    hdopField->setText(dopLimitText(hdopLimit));
    vdopField->setText(dopLimitText(vdopLimit));
    filling = false;
}

// ---- Printing ----

CSurveyPropertyPage3::CSurveyPropertyPage3(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Printing"));
    commentField = new QPlainTextEdit(this);
    // Enter is the editor's (a new line); Tab still walks through the sheet.
    commentField->setTabChangesFocus(true);
    commentField->setMinimumSize(commentField->fontMetrics().averageCharWidth() * 56,
                                 commentField->fontMetrics().lineSpacing() * 8);
    connect(commentField->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int charsAdded) { limitComment(position, charsAdded); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelFor(QStringLiteral("Comments:"), commentField, this));
    layout->addWidget(commentField, 1);
}

void CSurveyPropertyPage3::setComment(const QString& comment)
{
    filling = true;
    commentField->setPlainText(comment);
    filling = false;
}

QString CSurveyPropertyPage3::comment() const
{
    return commentField->toPlainText();
}

FieldProblem CSurveyPropertyPage3::check() const
{
    if (storedLength(comment()) > kMaxCommentLength)
        return {commentField, QString::fromLatin1(surveysheettexts::kCommentTooLong)};
    return {};
}

// Keeps of an addition only the beginning that still fits, so a paste keeps
// its start and a key press at the limit adds nothing. A comment that was
// too long when filled only cannot grow.
void CSurveyPropertyPage3::limitComment(int position, int charsAdded)
{
    if (filling || charsAdded <= 0) return;
    const QString text = comment();
    const int end = std::min<int>(position + charsAdded, static_cast<int>(text.size()));
    if (position < 0 || position >= end) return;
    const int before = storedLength(text.left(position)) + storedLength(text.mid(end));
    int room = kMaxCommentLength - before;
    int keep = position;
    while (keep < end) {
        // A surrogate pair is one character: kept or cut whole.
        const int width = text.at(keep).isHighSurrogate() && keep + 1 < end ? 2 : 1;
        const int bytes = storedLength(text.mid(keep, width));
        if (bytes > room) break;
        room -= bytes;
        keep += width;
    }
    if (keep == end) return;
    QTextCursor cut(commentField->document());
    cut.setPosition(keep);
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

// ---- Accuracy ----

CSurveyPropertyPage4::CSurveyPropertyPage4(QWidget* parent) : QWidget(parent)
{
    namespace texts = surveysheettexts;
    setWindowTitle(QStringLiteral("Accuracy"));
    auto* group = new QGroupBox(QStringLiteral("Reference Point"), this);
    latitudeField = new QLineEdit(group);
    longitudeField = new QLineEdit(group);
    altitudeField = new QLineEdit(group);
    const int wide = latitudeField->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 22;
    latitudeField->setMinimumWidth(wide);
    longitudeField->setMinimumWidth(wide);
    useMean = new QPushButton(QString::fromUtf8(texts::kUseMean), group);
    clear = new QPushButton(QStringLiteral("C&lear"), group);
    circlesCheck = new QCheckBox(QStringLiteral("Draw the CEP50 and R95 &circles on the plot"), this);
    stopRuleCheck = new QCheckBox(QString::fromUtf8(texts::kStopRule), this);
    stopSamplesField = new QLineEdit(this);
    stopTwoDrmsField = new QLineEdit(this);

    connect(useMean, &QPushButton::clicked, this, [this] {
        show(mean);
        emit modified();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        show(std::nullopt);
        emit modified();
    });
    for (QLineEdit* field : {latitudeField, longitudeField, altitudeField, stopSamplesField,
                             stopTwoDrmsField})
        connect(field, &QLineEdit::textEdited, this, [this] { emit modified(); });
    for (QCheckBox* box : {circlesCheck, stopRuleCheck})
        connect(box, &QCheckBox::clicked, this, [this] { emit modified(); });

    auto* grid = new QGridLayout(group);
    grid->addWidget(labelFor(QStringLiteral("L&atitude:"), latitudeField, group), 0, 0);
    grid->addWidget(latitudeField, 0, 1);
    grid->addWidget(labelFor(QStringLiteral("L&ongitude:"), longitudeField, group), 1, 0);
    grid->addWidget(longitudeField, 1, 1);
    grid->addWidget(labelFor(QStringLiteral("Al&titude (m):"), altitudeField, group), 2, 0);
    grid->addWidget(altitudeField, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(useMean);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 0, 1, 2);

    auto* stop = new QGridLayout;
    stop->addWidget(labelFor(QStringLiteral("N (horizontal samples):"), stopSamplesField, this),
                    0, 0);
    stop->addWidget(stopSamplesField, 0, 1, Qt::AlignLeft);
    stop->addWidget(labelFor(QStringLiteral("X (2DRMS, metres):"), stopTwoDrmsField, this), 1,
                    0);
    stop->addWidget(stopTwoDrmsField, 1, 1, Qt::AlignLeft);
    stop->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(circlesCheck);
    layout->addWidget(stopRuleCheck);
    layout->addLayout(stop);
    layout->addStretch(1);
}

void CSurveyPropertyPage4::setValues(const SurveySheetValues& values)
{
    mean = values.currentMean;
    useMean->setEnabled(mean.has_value());
    show(values.reference);
    circlesCheck->setChecked(values.circles);
    stopRuleCheck->setChecked(values.stopRule);
    stopSamplesField->setText(values.stopSamples);
    stopTwoDrmsField->setText(values.stopTwoDrms);
}

void CSurveyPropertyPage4::show(const std::optional<ShownPoint>& point)
{
    shown = point;
    latitudeField->setText(point ? point->latitude : QString());
    longitudeField->setText(point ? point->longitude : QString());
    altitudeField->setText(point ? point->altitude : QString());
}

std::optional<ReferencePoint> CSurveyPropertyPage4::readReference(FieldProblem* problem) const
{
    namespace texts = surveysheettexts;
    const std::string latitude = trimmedText(latitudeField);
    const std::string longitude = trimmedText(longitudeField);
    const std::string altitude = trimmedText(altitudeField);
    if (latitude.empty() && longitude.empty() && altitude.empty()) return std::nullopt;
    // Untouched since shown: the exact point, not its rounded texts.
    if (shown && latitudeField->text() == shown->latitude &&
        longitudeField->text() == shown->longitude && altitudeField->text() == shown->altitude)
        return shown->point;

    const std::optional<double> lat = parseLatitude(latitude);
    const std::optional<double> lon = parseLongitude(longitude);
    const std::optional<double> alt = parseDecimal(altitude);
    FieldProblem found;
    for (auto [field, text, read, bad] :
         {std::tuple{latitudeField, &latitude, lat.has_value(), texts::kBadLatitude},
          std::tuple{longitudeField, &longitude, lon.has_value(), texts::kBadLongitude},
          std::tuple{altitudeField, &altitude, alt.has_value(), texts::kBadAltitude}}) {
        if (read) continue;
        found = problemAt(field, text->empty() ? texts::kIncompleteReference : bad);
        break;
    }
    if (found) {
        if (problem) *problem = found;
        return std::nullopt;
    }
    return ReferencePoint{*lat, *lon, *alt};
}

FieldProblem CSurveyPropertyPage4::check() const
{
    FieldProblem problem;
    readReference(&problem);
    if (problem) return problem;
    const std::optional<double> samples = parseDecimal(trimmedText(stopSamplesField));
    if (!samples || *samples != std::floor(*samples) || *samples < 2 || *samples > INT_MAX)
        return problemAt(stopSamplesField, surveysheettexts::kBadStopSamples);
    const std::optional<double> twoDrms = parseDecimal(trimmedText(stopTwoDrmsField));
    if (!twoDrms || *twoDrms < 0)
        return problemAt(stopTwoDrmsField, surveysheettexts::kBadStopTwoDrms);
    return {};
}

std::optional<ReferencePoint> CSurveyPropertyPage4::reference() const
{
    return readReference(nullptr);
}

bool CSurveyPropertyPage4::circles() const
{
    return circlesCheck->isChecked();
}

bool CSurveyPropertyPage4::stopRule() const
{
    return stopRuleCheck->isChecked();
}

int CSurveyPropertyPage4::stopSamples() const
{
    return static_cast<int>(parseDecimal(trimmedText(stopSamplesField)).value_or(0));
}

double CSurveyPropertyPage4::stopTwoDrms() const
{
    return parseDecimal(trimmedText(stopTwoDrmsField)).value_or(0);
}

QString CSurveyPropertyPage4::stopSamplesText() const
{
    return stopSamplesField->text();
}

QString CSurveyPropertyPage4::stopTwoDrmsText() const
{
    return stopTwoDrmsField->text();
}

// ---- the sheet ----

CSurveyPropertySheet::CSurveyPropertySheet(const SurveySheetValues& values, Prompter& prompter,
                                           QWidget* parent)
    : CPropertySheet(QString::fromLatin1(surveysheettexts::kCaption), prompter, parent)
{

    page1 = new CSurveyPropertyPage1;
    page1->setValues(values.acquisition, values.verify, values.markerSize, values.lines);
    page2 = new CSurveyPropertyPage2;
    page2->setValues(values.hdopLimit, values.vdopLimit);
    page3 = new CSurveyPropertyPage3;
    page3->setComment(values.comment);
    avgDopLimit = values.avgDopLimit;
    page4 = new CSurveyPropertyPage4;
    page4->setValues(values);

    addPages({page1, page2, page3, page4});
    connect(applyButton(), &QPushButton::clicked, this, [this] { applyPressed(); });
    connect(page1, &CSurveyPropertyPage1::modified, this,
            [this] { applyButton()->setEnabled(true); });
    connect(page4, &CSurveyPropertyPage4::modified, this,
            [this] { applyButton()->setEnabled(true); });
}

SurveySheetValues CSurveyPropertySheet::values() const
{
    SurveySheetValues v;
    v.acquisition = page1->acquisition();
    v.verify = page1->verify();
    v.markerSize = page1->markerSize();
    v.lines = page1->lines();
    v.hdopLimit = page2->hdopLimit();
    v.vdopLimit = page2->vdopLimit();
    v.avgDopLimit = avgDopLimit;
    v.comment = page3->comment();
    if (const std::optional<ReferencePoint> reference = page4->reference())
        v.reference = ShownPoint{*reference, page4->latitudeEdit()->text(),
                                 page4->longitudeEdit()->text(), page4->altitudeEdit()->text()};
    v.circles = page4->circles();
    v.stopRule = page4->stopRule();
    v.stopSamples = page4->stopSamplesText();
    v.stopTwoDrms = page4->stopTwoDrmsText();
    return v;
}

bool CSurveyPropertySheet::checkPages()
{
    for (QWidget* page : {static_cast<QWidget*>(page3), static_cast<QWidget*>(page4)}) {
        const FieldProblem problem = page == page3 ? page3->check() : page4->check();
        if (!problem) continue;
        tabs()->setCurrentWidget(page);
        refuseField(prompter, this, problem);
        return false;
    }
    return true;
}

void CSurveyPropertySheet::accept()
{
    if (checkPages()) QDialog::accept();
}

void CSurveyPropertySheet::applyPressed()
{
    if (!checkPages()) return;
    appliedFlag = true;
    applyButton()->setEnabled(false);
}

// ---- the command ----

bool editSurveyProperties(CSurveyDoc& doc, QWidget* parent)
{
    SurveyModel& survey = doc.survey();
    SurveySheetValues values;
    values.acquisition = survey.acquisitionEnabled;
    values.verify = survey.verifyPositionFix;
    values.markerSize = survey.plotIndicatorSize;
    values.lines = survey.useLines;
    values.hdopLimit = survey.hdopThreshold;
    values.vdopLimit = survey.vdopThreshold;
    values.avgDopLimit = survey.avgDopThreshold;
    values.comment = storedText(pathComment(survey.headerBlock));
    SettingsStore& settings = doc.app().settings();
    namespace keys = settings::survey;
    if (const std::optional<ReferencePoint> reference = storedReference(settings))
        values.reference = shownPoint(settings, *reference);
    AccuracyScratch scratch;
    const SurveyAccuracy accuracy = surveyAccuracy(survey, scratch);
    if (accuracy.horizontalSamples > 0)
        values.currentMean =
            shownPoint(settings, {accuracy.centreLatitude, accuracy.centreLongitude,
                                  accuracy.centreAltitude});
    values.circles = readSetting(settings, keys::kAccuracyCircles) != 0;
    values.stopRule = readSetting(settings, keys::kStopRule) != 0;
    values.stopSamples = QString::number(readSetting(settings, keys::kStopSamples));
    values.stopTwoDrms = QString::fromStdString(readSetting(settings, keys::kStopTwoDrms));

    Prompter& prompter = doc.app().prompter();
    CSurveyPropertySheet sheet(values, prompter, parent);
    const bool confirmed = prompter.runDialog(sheet);
    // Cancel after Apply still takes the values over as the sheet holds them.
    if (!confirmed && !sheet.applied()) return false;

    const SurveySheetValues chosen = sheet.values();
    survey.acquisitionEnabled = chosen.acquisition;
    survey.plotIndicatorSize = chosen.markerSize;
    writeSetting(settings, keys::kPlotIndicatorSize, chosen.markerSize);
    survey.hdopThreshold = chosen.hdopLimit;
    writeSetting(settings, keys::kHdopThreshold, chosen.hdopLimit);
    survey.vdopThreshold = chosen.vdopLimit;
    writeSetting(settings, keys::kVdopThreshold, chosen.vdopLimit);
    survey.avgDopThreshold = chosen.avgDopLimit;
    writeSetting(settings, keys::kAvgDopThreshold, chosen.avgDopLimit);
    survey.useLines = chosen.lines;
    writeSetting(settings, keys::kUseLines, chosen.lines);
    survey.verifyPositionFix = chosen.verify;
    writeSetting(settings, keys::kVerifyPositionFix, chosen.verify);
    setPathComment(survey.headerBlock, chosen.comment.toUtf8().toStdString());
    const CSurveyPropertyPage4& accuracyPage = *sheet.accuracyPage();
    // Cancel after Apply with a field spoilt since: the accuracy stays as
    // stored rather than lose the reference to a text that does not read.
    if (accuracyPage.check()) return true;
    storeReference(settings, accuracyPage.reference());
    writeSetting(settings, keys::kAccuracyCircles, accuracyPage.circles() ? 1 : 0);
    writeSetting(settings, keys::kStopRule, accuracyPage.stopRule() ? 1 : 0);
    writeSetting(settings, keys::kStopSamples, accuracyPage.stopSamples());
    writeSetting(settings, keys::kStopTwoDrms, exactDecimal(accuracyPage.stopTwoDrms()));
    return true;
}

} // namespace orbilunex
