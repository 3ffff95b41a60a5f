#pragma once

#include <QString>

class QDialog;
class QGridLayout;
class QWidget;

namespace orbilunex {

// The shape the program's small dialogs share: labelled fields in a grid
// above an OK / Cancel row, at a fixed size.

// Puts `label` and its field into row `row` of the grid; the label's access
// key moves the focus to the field.
void addLabelledRow(QDialog* dialog, QGridLayout* grid, int row, const QString& label,
                    QWidget* field);

// Lays the grid out above "OK" (the default button, running the dialog's
// accept(), overrides included) and "Cancel" (reject()).
void finishOkCancelDialog(QDialog* dialog, QGridLayout* grid);

} // namespace orbilunex
