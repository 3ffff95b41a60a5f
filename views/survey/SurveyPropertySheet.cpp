#include "views/survey/SurveyPropertySheet.h"

#include "format/FixedText.h"
#include "framework/AppContext.h"
#include "framework/DialogKit.h"
#include "framework/Prompter.h"
#include "nmea/NumberReader.h"
#include "settings/SurveySettings.h"
#include "survey/PathFile.h"
#include "views/survey/SurveyDoc.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
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
#include <cmath>

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

    addPages({page1, page2, page3});
    connect(applyButton(), &QPushButton::clicked, this, [this] { applyPressed(); });
    connect(page1, &CSurveyPropertyPage1::modified, this,
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
    return v;
}

bool CSurveyPropertySheet::checkPages()
{
    const FieldProblem problem = page3->check();
    if (!problem) return true;
    tabs()->setCurrentWidget(page3);
    refuseField(prompter, this, problem);
    return false;
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

    Prompter& prompter = doc.app().prompter();
    CSurveyPropertySheet sheet(values, prompter, parent);
    const bool confirmed = prompter.runDialog(sheet);
    // Cancel after Apply still takes the values over as the sheet holds them.
    if (!confirmed && !sheet.applied()) return false;

    const SurveySheetValues chosen = sheet.values();
    SettingsStore& settings = doc.app().settings();
    namespace keys = settings::survey;
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
    return true;
}

} // namespace orbilunex
