#pragma once

#include <QFileDialog>
#include <QString>

class QCheckBox;
class QLineEdit;

namespace orbilunex {

// The "Record NMEA" dialog: a save-file dialog that also asks for how long
// to record. It is Qt's own (non-native) file dialog, because a native one
// cannot carry the extra panel. It only chooses; the caller runs it and on
// accept creates the file at selectedPath() and keeps durationHours().
class CRecordFileDialog : public QFileDialog {
    Q_OBJECT

public:
    // What the duration field shows while "Infinite" is checked.
    static constexpr const char* kInfiniteText = "Infinite";

    // A save dialog for NMEA files (filter "NMEA Files (*.txt)", default
    // suffix "txt", asks before replacing an existing file) whose accept
    // button reads "Record", opened on `directory` (Qt's choice, the
    // working folder, when empty). Starts with "Infinite" checked, the
    // duration field disabled showing "Infinite", and a duration of 0.
    explicit CRecordFileDialog(QWidget* parent = nullptr, const QString& directory = QString());

    // The recording duration in hours, taken from the duration field each
    // time its text changes: read as a decimal integer (leading blanks and a
    // sign allowed, stops at the first non-digit, no digits gives 0). 0 means
    // no limit ("Infinite" reads as 0); a negative value is kept as it is.
    int durationHours() const { return duration; }

    // The chosen file with its folder: the first of selectedFiles() (with
    // the default suffix added to a name that has none), "" when none.
    QString selectedPath() const;

    // The panel's widgets, for callers and tests that drive the dialog.
    QLineEdit* durationEdit() const { return durationField; }
    QCheckBox* infiniteBox() const { return infiniteCheck; }

private:
    void addDurationPanel();
    void infiniteToggled(bool infinite);

    QLineEdit* durationField = nullptr;
    QCheckBox* infiniteCheck = nullptr;
    int duration = 0;
};

} // namespace orbilunex
