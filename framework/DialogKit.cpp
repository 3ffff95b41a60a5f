#include "framework/DialogKit.h"

#include "framework/Prompter.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>

namespace orbilunex {

QString integerRangeMessage(int min, int max)
{
    return QStringLiteral("Please enter an integer between %1 and %2.").arg(min).arg(max);
}

bool parseDialogInteger(const QString& text, int& value)
{
    const QString digits = text.trimmed();
    int pos = 0;
    const bool negative = pos < digits.size() && digits[pos] == QLatin1Char('-');
    if (pos < digits.size() && (digits[pos] == QLatin1Char('-') || digits[pos] == QLatin1Char('+')))
        ++pos;
    if (pos == digits.size()) return false;

    // Accumulate as a negative number, whose range includes INT_MIN.
    long long result = 0;
    for (; pos < digits.size(); ++pos) {
        const QChar c = digits[pos];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        result = result * 10 - (c.unicode() - '0');
        if (result < INT_MIN) return false;
    }
    if (!negative) {
        result = -result;
        if (result > INT_MAX) return false;
    }
    value = static_cast<int>(result);
    return true;
}

QString storedText(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArray::fromStdString(bytes));
    return utf8.hasError() ? QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
                           : text;
}

int dialogIntegerOr0(const QString& text)
{
    int value = 0;
    return parseDialogInteger(text, value) ? value : 0;
}

FieldProblem checkIntegerField(QWidget* field, const QString& text, int min, int max)
{
    int value = 0;
    if (!parseDialogInteger(text, value))
        return {field, QString::fromLatin1(dialogtexts::kEnterInteger)};
    if (value < min || value > max) return {field, integerRangeMessage(min, max)};
    return {};
}

FieldProblem checkIntegerField(QWidget* field, const QString& text)
{
    return checkIntegerField(field, text, INT_MIN, INT_MAX);
}

void refuseField(Prompter& prompter, QWidget* dialog, const FieldProblem& problem)
{
    if (!problem) return;
    prompter.warn(dialog, problem.text);
    problem.field->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(problem.field)) line->selectAll();
    if (auto* text = qobject_cast<QPlainTextEdit*>(problem.field)) text->selectAll();
}

void acceptOrRefuse(QDialog& dialog, Prompter& prompter, const FieldProblem& problem)
{
    if (problem) refuseField(prompter, &dialog, problem);
    else dialog.QDialog::accept();
}

void addLabelledRow(QDialog* dialog, QGridLayout* grid, int row, const QString& label,
                    QWidget* field)
{
    auto* text = new QLabel(label, dialog);
    text->setBuddy(field);
    grid->addWidget(text, row, 0);
    grid->addWidget(field, row, 1);
}

void finishOkCancelDialog(QDialog* dialog, QGridLayout* grid)
{
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    // accept() is virtual: dialogs that check their fields first get theirs.
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace orbilunex
