#include "app/NetworkConnectDialog.h"

#include "framework/DialogKit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbilunex {

NetworkConnectDialog::NetworkConnectDialog(const QString& address, int port, Prompter& prompter,
                                           QWidget* parent)
    : QDialog(parent), prompter(prompter)
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
    return dialogIntegerOr0(portField->text());
}

QString NetworkConnectDialog::validate() const
{
    return checkIntegerField(portField, portField->text()).text;
}

void NetworkConnectDialog::accept()
{
    acceptOrRefuse(*this, prompter, checkIntegerField(portField, portField->text()));
}

} // namespace orbilunex
