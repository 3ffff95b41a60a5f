#pragma once

#include <QString>

#include <string>

class QDialog;
class QGridLayout;
class QWidget;

namespace orbilunex {

class Prompter;

// What the program's dialogs share: the field checks with their standard
// messages, the way a refused field is shown, and the layout of the small
// dialogs (labelled fields in a grid above an OK / Cancel row).

namespace dialogtexts {
constexpr const char* kEnterInteger = "Please enter an integer.";
} // namespace dialogtexts

// "Please enter an integer between <min> and <max>."
QString integerRangeMessage(int min, int max);

// Reads all of `text` as a decimal int: blanks around it and one leading
// sign allowed, at least one digit, nothing else. Returns false, leaving
// `value` alone, for empty text, any other character ("12a", "0x10", "1e3")
// and values outside the int range.
bool parseDialogInteger(const QString& text, int& value);

// The integer a field holds, or 0 while its text is not one.
int dialogIntegerOr0(const QString& text);

// A field whose content fails its check, with the message to show; no field
// when all is well.
struct FieldProblem {
    QWidget* field = nullptr;
    QString text;
    explicit operator bool() const { return field != nullptr; }
};

// The integer check of a field: kEnterInteger when its text is not an
// integer, the range message when it is outside min..max.
FieldProblem checkIntegerField(QWidget* field, const QString& text, int min, int max);
// Any integer will do.
FieldProblem checkIntegerField(QWidget* field, const QString& text);

// Refuses OK for a bad field: the message goes through the prompter (over
// `dialog`), then the field takes the focus with its text selected. Does
// nothing for an empty problem.
void refuseField(Prompter& prompter, QWidget* dialog, const FieldProblem& problem);

// What a dialog's OK does after its check: closes the dialog as accepted
// (QDialog's own accept, not an override) when there is no problem, else
// refuses the field.
void acceptOrRefuse(QDialog& dialog, Prompter& prompter, const FieldProblem& problem);

// Text kept in a file as bytes (a comment): UTF-8, or single-byte text
// where the bytes are not UTF-8 (files written that way).
QString storedText(const std::string& bytes);

// Puts `label` and its field into row `row` of the grid; the label's access
// key moves the focus to the field.
void addLabelledRow(QDialog* dialog, QGridLayout* grid, int row, const QString& label,
                    QWidget* field);

// Lays the grid out above "OK" (the default button, running the dialog's
// accept(), overrides included) and "Cancel" (reject()), at a fixed size.
void finishOkCancelDialog(QDialog* dialog, QGridLayout* grid);

} // namespace orbilunex
