#include "app/NetworkConnectDialog.h"

#include <QDialogButtonBox>
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
    const auto addRow = [&](int row, const char* label, QWidget* field) {
        auto* text = new QLabel(QString::fromLatin1(label), this);
        text->setBuddy(field);
        grid->addWidget(text, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, "Connect to:", addressField);
    addRow(1, "Port:", portField);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &NetworkConnectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
