#pragma once

#include "framework/DialogKit.h"

#include "framework/PropertySheet.h"

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace orbilunex {

class Prompter;

// What the signal-quality sheet shows and hands back.
struct SignalQualitySheetValues {
    int upperThreshold = 60;
    int lowerThreshold = 30;
    bool autoTrack = true;
    int observedMax = -999; // shown only
    int observedMin = 999;  // shown only
    // On the way back: whether each threshold is to be taken (see values()).
    bool upperTaken = true;
    bool lowerTaken = true;
};

// The page "Upper and Lower SNR Threshold": the two thresholds, "Auto Track",
// and the observed extremes read-only. The threshold fields are enabled only
// while "Auto Track" is not ticked.
class CSignalQualityPropertyPage1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinThreshold = 0;
    static constexpr int kMaxThreshold = 99;

    explicit CSignalQualityPropertyPage1(QWidget* parent = nullptr);

    void setValues(const SignalQualitySheetValues& values);

    // The first bad threshold, lower field first: an integer
    // (dialogtexts::kEnterInteger) from 0 to 99 (the range message). While
    // "Auto Track" is ticked the fields hold the tracked values and cannot be
    // edited, so they are not checked: a refusal there could not be mended.
    FieldProblem check() const;

    QLineEdit* upperEdit() const { return upperField; }
    QLineEdit* lowerEdit() const { return lowerField; }
    QCheckBox* autoTrackBox() const { return autoTrackCheck; }
    QLineEdit* maximumEdit() const { return maximumField; }
    QLineEdit* minimumEdit() const { return minimumField; }

private:
    void applyAutoTrack();

    QLineEdit* upperField;
    QLineEdit* lowerField;
    QCheckBox* autoTrackCheck;
    QLineEdit* maximumField;
    QLineEdit* minimumField;
};

// The sheet "Signal Quality Property Sheet": the page above over OK, Cancel
// and Apply. It only edits values; the caller fills it, runs it and on OK
// takes values() and stores them. Apply stays disabled: the caller applies
// everything once, in its order.
class CSignalQualityPropertySheet : public CPropertySheet {
    Q_OBJECT

public:
    CSignalQualityPropertySheet(const SignalQualitySheetValues& values, Prompter& prompter,
                                QWidget* parent = nullptr);

    // The fields' values. A threshold whose text is not an integer from 0 to
    // 99 (possible only while "Auto Track" is ticked, say before any SNR was
    // seen) is not taken: its *Taken flag is false and the caller keeps the
    // threshold and its setting as they were.
    SignalQualitySheetValues values() const;

    // OK: a bad field is reported through the prompter, focused with its text
    // selected, and the sheet stays open; otherwise it closes as accepted.
    void accept() override;

    CSignalQualityPropertyPage1* page() const { return page1; }

private:
    CSignalQualityPropertyPage1* page1;
};

} // namespace orbilunex
