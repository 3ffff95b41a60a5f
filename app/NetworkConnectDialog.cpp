#include "app/NetworkConnectDialog.h"

#include "app/DialogLayout.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>

namespace orbilunex {

void showDialogWarning(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), text);
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

NetworkConnectDialog::NetworkConnectDialog(const QString& address, int port, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Network Connect"));

    addressField = new QLineEdit(address, this);
    addressField->setMinimumWidth(addressField->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    portField = new QLineEdit(QString::number(port), this);

    auto* grid = new QGridLayout;
    addLabelledRow(this, grid, 0, QStringLiteral("Connect to:"), addressField);
    addLabelledRow(this, grid, 1, QStringLiteral("Port:"), portField);

    finishOkCancelDialog(this, grid);
}

QString NetworkConnectDialog::address() const
{
    return addressField->text();
}

int NetworkConnectDialog::port() const
{
    int value = 0;
    return parseDialogInteger(portField->text(), value) ? value : 0;
}

QString NetworkConnectDialog::validate() const
{
    int value = 0;
    return parseDialogInteger(portField->text(), value)
               ? QString()
               : QString::fromLatin1(dialogtexts::kEnterInteger);
}

void NetworkConnectDialog::accept()
{
    const QString problem = validate();
    if (problem.isEmpty()) {
        QDialog::accept();
        return;
    }
    if (messageHook) messageHook(this, problem);
    portField->setFocus(Qt::OtherFocusReason);
    portField->selectAll();
}

} // namespace orbilunex
