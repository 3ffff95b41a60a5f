#pragma once

#include "framework/DialogKit.h"

#include "framework/PropertySheet.h"

#include <QDialog>
#include <QString>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace orbilunex {

class Prompter;

// What the sky plot's settings sheet shows and hands back.
struct SkyPlotSheetValues {
    int snrThreshold = 40;  // dB-Hz, 0..99 once the sheet has accepted it
    QString comment;        // the printed mask comment (see setValues for line breaks)
    bool autoLoad = true;   // load lastFile when the sky plot window opens
    QString lastFile;       // path of the mask file to load, as typed
};

// The message of the comment's length check (the threshold has the
// standard integer messages of the dialog kit).
namespace skyplotsheettexts {
constexpr const char* kCommentTooLong = "Please enter no more than 511 characters.";
} // namespace skyplotsheettexts

// First page, "Physical GPS Mask Angle": the SNR threshold under which
// satellites teach the mask nothing, and the comment printed with the mask.
// The pages keep the names ("Properity") the window's dialogs were always
// known by.
class CAzimuthElevationProperityPage1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinSnrThreshold = 0;
    static constexpr int kMaxSnrThreshold = 99;
    // The comment must fit the mask file's comment block with room to spare.
    static constexpr int kMaxCommentLength = 511;

    explicit CAzimuthElevationProperityPage1(QWidget* parent = nullptr);

    // Shows `snrThreshold` as decimal text and `comment` as it is, except
    // that CR LF and lone CR line breaks become "\n" (the only form comment()
    // returns). A comment longer than kMaxCommentLength is shown whole
    // (nothing is lost silently); typing cannot lengthen it and check()
    // refuses it.
    void setValues(int snrThreshold, const QString& comment);

    // The "SNR Threshold:" text as an integer (see parseDialogInteger); 0
    // while it is not one.
    int snrThreshold() const;
    // The comment text, line breaks as "\n".
    QString comment() const;

    // The first bad field in page order: the threshold must be an integer
    // (kEnterInteger) from 0 to 99 (the range message); the comment at most
    // kMaxCommentLength characters (kCommentTooLong), a line break counting
    // as one.
    FieldProblem check() const;

    QLineEdit* snrThresholdEdit() const { return snrField; }
    QPlainTextEdit* commentEdit() const { return commentField; }

private:
    void limitComment(int position, int charsAdded);

    QLineEdit* snrField;
    QPlainTextEdit* commentField;
    bool filling = false;
};

// Second page, "Auto Load": whether the sky plot loads a mask file when it
// opens, and which one.
class CAzimuthElevationProperityPage2 : public QWidget {
    Q_OBJECT

public:
    // "Browse..." asks `prompter` for the file.
    explicit CAzimuthElevationProperityPage2(Prompter& prompter, QWidget* parent = nullptr);

    // Ticks the box for `autoLoad`, shows `file`, and enables the file field
    // and "Browse..." accordingly.
    void setValues(bool autoLoad, const QString& file);

    bool autoLoad() const;
    // The "Load File:" text as typed (not checked: a missing file is simply
    // not loaded).
    QString loadFile() const;

    QCheckBox* autoLoadBox() const { return autoLoadCheck; }
    QLineEdit* loadFileEdit() const { return fileField; }
    QPushButton* browseButton() const { return browse; }

protected:
    // The enable rule is applied again each time the page comes into view.
    void showEvent(QShowEvent* event) override;

private:
    void applyAutoLoadState();
    void chooseFile();

    Prompter& prompter;
    QCheckBox* autoLoadCheck;
    QLineEdit* fileField;
    QPushButton* browse;
};

// The sky plot's settings sheet, caption "Azimuth Elevarion Property
// Sheet": the two pages above in tabs over OK, Cancel and Apply. It only
// edits values: it stores nothing and changes no window. The caller fills it,
// runs it, and on OK reads values() and applies them itself.
//
// Apply stays disabled: with nothing stored by the sheet there is nothing to
// apply before OK, and the caller applies everything once, in its own order.
class CSkyPlotPropertySheet : public CPropertySheet {
    Q_OBJECT

public:
    CSkyPlotPropertySheet(const SkyPlotSheetValues& values, Prompter& prompter,
                          QWidget* parent = nullptr);

    // What the fields hold now. snrThreshold is 0 while its text is not an
    // integer; after OK has closed the sheet all values have passed validate().
    SkyPlotSheetValues values() const;

    // "" when OK may close the sheet, else the message for the first bad
    // field (see CAzimuthElevationProperityPage1::check).
    QString validate() const;

    // OK: when a field fails its check, shows the message through the prompter,
    // brings its page to the front, puts the focus on the field with its
    // text selected and keeps the sheet open; otherwise closes it as accepted.
    // Leaving the first page for the second runs the same check.
    void accept() override;

    CAzimuthElevationProperityPage1* maskAnglePage() const { return page1; }
    CAzimuthElevationProperityPage2* autoLoadPage() const { return page2; }

private:
    void pageChanged(int index);
    void refuse(const FieldProblem& problem);

    CAzimuthElevationProperityPage1* page1;
    CAzimuthElevationProperityPage2* page2;
    int shownPage = 0;
    bool returningToPage = false;
};

} // namespace orbilunex
