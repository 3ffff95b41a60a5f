#pragma once

#include "framework/DialogKit.h"

#include "framework/PropertySheet.h"

#include <QDialog>
#include <QString>
#include <QWidget>

#include "survey/SurveyAccuracy.h"

#include <cstdint>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace orbilunex {

class CSurveyDoc;
class Prompter;

// A point with the texts the Accuracy page shows for it (the user's
// position format, metres to the millimetre). While the texts stay as shown
// the point is taken back exactly, not as its rounded texts read.
struct ShownPoint {
    ReferencePoint point;
    QString latitude;
    QString longitude;
    QString altitude;
};

// What the survey's settings sheet shows and hands back, as the survey
// holds it. Values no control changes pass through as they came.
struct SurveySheetValues {
    bool acquisition = true;
    int verify = 1;        // "VerifyPositionFix"
    int markerSize = 0;    // "PlotIndicatorSize": 0 small, 1 large
    int lines = 1;         // "UseLines"
    std::uint16_t hdopLimit = 30; // DOP x 10
    std::uint16_t vdopLimit = 30;
    std::uint16_t avgDopLimit = 30; // no control: carried through
    QString comment;                // line breaks as "\n"
    // "Accuracy": the stored reference point, the survey's mean (for the
    // button; none while no sample is averaged), the circles, the stop rule.
    std::optional<ShownPoint> reference;
    std::optional<ShownPoint> currentMean;
    bool circles = false;
    bool stopRule = false;
    QString stopSamples = QStringLiteral("3600");
    QString stopTwoDrms = QStringLiteral("2");
};

namespace surveysheettexts {
constexpr const char* kCaption = "Survey Window Properties";
constexpr const char* kCommentTooLong = "Please enter no more than 511 characters.";
constexpr const char* kBadLatitude =
    "Please enter the reference latitude as N 48° 07.0380, N 48° 07' 02.280, "
    "N 48.1173000000° or in signed decimal degrees such as -12.5.";
constexpr const char* kBadLongitude =
    "Please enter the reference longitude as E 011° 31.0000, E 011° 31' 02.280, "
    "E 011.5167000000° or in signed decimal degrees such as -12.5.";
constexpr const char* kBadAltitude =
    "Please enter the reference altitude in metres, a number such as 512.25.";
constexpr const char* kIncompleteReference =
    "Please enter the reference latitude, longitude and altitude, or leave all three empty "
    "to remove the reference.";
constexpr const char* kBadStopSamples =
    "Please enter a whole number of at least 2 for the horizontal samples.";
constexpr const char* kBadStopTwoDrms =
    "Please enter a number of metres of at least 0 for 2DRMS.";
constexpr const char* kStopRule = "Stop acquiring when at least N horizontal samples are stored "
                                  "and 2DRMS is at most X";
constexpr const char* kUseMean = "Use the current mean as the reference";
} // namespace surveysheettexts

// A DOP limit (DOP x 10) as its edit shows it: "%4.01f" of limit x 0.1.
QString dopLimitText(std::uint16_t limit);
// An edit's text back as a limit: read as a decimal number (leading blanks,
// then as much as reads as one; nothing readable gives 0), x 10, truncated
// toward zero, kept modulo 2^16 as an unsigned 16-bit value.
std::uint16_t dopLimitFromText(const QString& text);

// "Position Plot": acquisition, the GGA quality check, and how the plot
// marks its samples.
class CSurveyPropertyPage1 : public QWidget {
    Q_OBJECT

public:
    explicit CSurveyPropertyPage1(QWidget* parent = nullptr);

    // "Large" checked for a marker size of 1, else "Small"; "Use Lines" for
    // lines == 1; verify checked when not 0.
    void setValues(bool acquisition, int verify, int markerSize, int lines);

    bool acquisition() const { return acquisitionValue; }
    int verify() const { return verifyValue; }
    int markerSize() const { return markerSizeValue; }
    int lines() const { return linesValue; }

    QCheckBox* acquisitionBox() const { return acquisitionCheck; }
    QCheckBox* verifyBox() const { return verifyCheck; }
    QRadioButton* smallButton() const { return smallRadio; }
    QRadioButton* largeButton() const { return largeRadio; }
    QCheckBox* linesBox() const { return linesCheck; }

signals:
    // A value Apply would take over changed (not acquisition, which is
    // taken over only with the others).
    void modified();

private:
    QCheckBox* acquisitionCheck;
    QCheckBox* verifyCheck;
    QRadioButton* smallRadio;
    QRadioButton* largeRadio;
    QCheckBox* linesCheck;
    bool acquisitionValue = true;
    int verifyValue = 1;
    int markerSizeValue = 0;
    int linesValue = 1;
};

// "Position Average": the HDOP and VDOP limits under which samples feed the
// averages. Each limit follows its edit at every change of its text.
class CSurveyPropertyPage2 : public QWidget {
    Q_OBJECT

public:
    explicit CSurveyPropertyPage2(QWidget* parent = nullptr);

    // Shows both limits as dopLimitText; the limits stay exactly as given
    // until an edit's text changes.
    void setValues(std::uint16_t hdopLimit, std::uint16_t vdopLimit);

    std::uint16_t hdopLimit() const { return hdopValue; }
    std::uint16_t vdopLimit() const { return vdopValue; }

    QLineEdit* hdopEdit() const { return hdopField; }
    QLineEdit* vdopEdit() const { return vdopField; }

private:
    QLineEdit* hdopField;
    QLineEdit* vdopField;
    std::uint16_t hdopValue = 30;
    std::uint16_t vdopValue = 30;
    bool filling = false;
};

// "Printing": the comment printed with the survey and kept in its file.
class CSurveyPropertyPage3 : public QWidget {
    Q_OBJECT

public:
    // The comment's room in the path file, in bytes of its UTF-8 text (so
    // characters, for plain ASCII).
    static constexpr int kMaxCommentLength = 511;

    explicit CSurveyPropertyPage3(QWidget* parent = nullptr);

    // Shows the comment as it is, however long: typing cannot lengthen one
    // that is too long, and check() refuses it.
    void setComment(const QString& comment);
    QString comment() const;

    // The comment must fit its room (kCommentTooLong).
    FieldProblem check() const;

    QPlainTextEdit* commentEdit() const { return commentField; }

private:
    void limitComment(int position, int charsAdded);

    QPlainTextEdit* commentField;
    bool filling = false;
};

// "Accuracy": the reference point, typed in any position format or as
// decimal degrees (empty: none), the accuracy circles and the stop rule.
class CSurveyPropertyPage4 : public QWidget {
    Q_OBJECT

public:
    explicit CSurveyPropertyPage4(QWidget* parent = nullptr);

    void setValues(const SurveySheetValues& values);

    // The first field that does not read, with its message; none when
    // every field does.
    FieldProblem check() const;

    // What the fields read as; meaningful once check() passed.
    std::optional<ReferencePoint> reference() const;
    bool circles() const;
    bool stopRule() const;
    int stopSamples() const;
    double stopTwoDrms() const;
    // The texts as typed, for the sheet's values.
    QString stopSamplesText() const;
    QString stopTwoDrmsText() const;

    QLineEdit* latitudeEdit() const { return latitudeField; }
    QLineEdit* longitudeEdit() const { return longitudeField; }
    QLineEdit* altitudeEdit() const { return altitudeField; }
    QPushButton* useMeanButton() const { return useMean; }
    QPushButton* clearButton() const { return clear; }
    QCheckBox* circlesBox() const { return circlesCheck; }
    QCheckBox* stopRuleBox() const { return stopRuleCheck; }
    QLineEdit* stopSamplesEdit() const { return stopSamplesField; }
    QLineEdit* stopTwoDrmsEdit() const { return stopTwoDrmsField; }

signals:
    void modified();

private:
    void show(const std::optional<ShownPoint>& point);
    // The reference as the texts read: none for three empty texts; a
    // problem when they do not read.
    std::optional<ReferencePoint> readReference(FieldProblem* problem) const;

    QLineEdit* latitudeField;
    QLineEdit* longitudeField;
    QLineEdit* altitudeField;
    QPushButton* useMean;
    QPushButton* clear;
    QCheckBox* circlesCheck;
    QCheckBox* stopRuleCheck;
    QLineEdit* stopSamplesField;
    QLineEdit* stopTwoDrmsField;
    std::optional<ShownPoint> shown; // what the fields were last filled with
    std::optional<ShownPoint> mean;
};

// The settings sheet "Survey Window Properties": the four pages in tabs
// over OK, Cancel and Apply. Apply is enabled by a change on the first or
// the fourth page; pressing it sets the applied flag, so that the values are taken over
// even if the sheet is then closed with Cancel. It stores nothing itself.
class CSurveyPropertySheet : public CPropertySheet {
    Q_OBJECT

public:
    CSurveyPropertySheet(const SurveySheetValues& values, Prompter& prompter,
                         QWidget* parent = nullptr);

    // What the pages hold now.
    SurveySheetValues values() const;
    // Apply was pressed (and its checks passed) since the sheet opened.
    bool applied() const { return appliedFlag; }

    // OK: a bad field is refused through the prompter (its page brought to
    // the front, the field focused and selected) and the sheet stays open.
    void accept() override;

    CSurveyPropertyPage1* plotPage() const { return page1; }
    CSurveyPropertyPage2* averagePage() const { return page2; }
    CSurveyPropertyPage3* printingPage() const { return page3; }
    CSurveyPropertyPage4* accuracyPage() const { return page4; }

private:
    bool checkPages();
    void applyPressed();

    CSurveyPropertyPage1* page1;
    CSurveyPropertyPage2* page2;
    CSurveyPropertyPage3* page3;
    CSurveyPropertyPage4* page4;
    std::uint16_t avgDopLimit = 30; // no control: carried through
    bool appliedFlag = false;
};

// "&Properties": runs the sheet on the survey through the document's
// prompter. When it closes with OK, or with Cancel after Apply, the values
// go into the survey and the "Survey Configuration" settings (the reference
// point through storeReference, exactly) and the
// function returns true (the caller then has the statistics rebuilt and the
// views redrawn); otherwise nothing changes and it returns false.
bool editSurveyProperties(CSurveyDoc& doc, QWidget* parent);

} // namespace orbilunex
