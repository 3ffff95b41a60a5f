#include "app/UdpConnectDialog.h"

#include "links/UdpReceiver.h"

#include <QGridLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>

namespace orbilunex {

UdpConnectDialog::UdpConnectDialog(int port, const QString& sender, Prompter& prompter,
                                   QWidget* parent)
    : QDialog(parent), prompter(prompter)
{
    setWindowTitle(QStringLiteral("Connect to UDP"));
    portField = new QLineEdit(QString::number(port), this);
    senderField = new QLineEdit(sender, this);
    senderField->setMinimumWidth(senderField->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    senderField->setPlaceholderText(QStringLiteral("any sender"));

    auto* grid = new QGridLayout;
    addLabelledRow(this, grid, 0, QStringLiteral("&Port:"), portField);
    addLabelledRow(this, grid, 1, QStringLiteral("&Accept only from:"), senderField);
    finishOkCancelDialog(this, grid);
}

int UdpConnectDialog::port() const
{
    return dialogIntegerOr0(portField->text());
}

QString UdpConnectDialog::sender() const
{
    return senderField->text().trimmed();
}

FieldProblem UdpConnectDialog::check() const
{
    if (FieldProblem problem = checkIntegerField(portField, portField->text(), 1, 65535))
        return problem;
    QHostAddress address;
    if (!sender().isEmpty() && !readUdpSender(sender(), address))
        return {senderField, QString::fromUtf8(kEnterAddress)};
    return {};
}

QString UdpConnectDialog::validate() const
{
    return check().text;
}

void UdpConnectDialog::accept()
{
    acceptOrRefuse(*this, prompter, check());
}

} // namespace orbilunex
