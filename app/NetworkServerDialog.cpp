#include "app/NetworkServerDialog.h"

#include "framework/DialogKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbilunex {

NetworkServerDialog::NetworkServerDialog(int port, int maxConnections, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), prompter(prompter)
{
    setWindowTitle(QStringLiteral("Enable Network Server"));

    portField = new QLineEdit(QString::number(port), this);
    allowField = new QLineEdit(QString::number(maxConnections), this);
    // Wide enough for "65535" and a little more; the fields need not stretch.
    const int fieldWidth = portField->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10;
    portField->setFixedWidth(fieldWidth);
    allowField->setFixedWidth(fieldWidth);

    auto* portLabel = new QLabel(QStringLiteral("Port:"), this);
    portLabel->setBuddy(portField);
    auto* explanation = new QLabel(
        QStringLiteral("Set the maximum number of connections\nallowed for this server:"), this);
    auto* allowLabel = new QLabel(QStringLiteral("Allow:"), this);
    allowLabel->setBuddy(allowField);
    auto* unitLabel = new QLabel(QStringLiteral("connections"), this);
    loopbackCheck = new QCheckBox(QStringLiteral("&This computer only"), this);
    loopbackCheck->setToolTip(
        QStringLiteral("Accept clients on this computer alone (listen on 127.0.0.1)"));
    udpField = new QLineEdit(this);
    udpField->setPlaceholderText(QStringLiteral("HOST:PORT, ..."));
    udpField->setToolTip(QStringLiteral(
        "Also send each block as a UDP datagram to these; a port alone is this computer"));
    auto* udpLabel = new QLabel(QStringLiteral("&UDP destinations:"), this);
    udpLabel->setBuddy(udpField);

    auto* grid = new QGridLayout;
    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(portField, 0, 1);
    grid->addWidget(explanation, 1, 0, 1, 3);
    grid->addWidget(allowLabel, 2, 0);
    grid->addWidget(allowField, 2, 1);
    grid->addWidget(unitLabel, 2, 2);
    grid->addWidget(loopbackCheck, 3, 0, 1, 3);
    grid->addWidget(udpLabel, 4, 0, 1, 3);
    grid->addWidget(udpField, 5, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    finishOkCancelDialog(this, grid);
}

int NetworkServerDialog::port() const
{
    return dialogIntegerOr0(portField->text());
}

int NetworkServerDialog::maxConnections() const
{
    return dialogIntegerOr0(allowField->text());
}

void NetworkServerDialog::setLoopbackOnly(bool on)
{
    loopbackCheck->setChecked(on);
}

bool NetworkServerDialog::loopbackOnly() const
{
    return loopbackCheck->isChecked();
}

void NetworkServerDialog::setUdpDestinations(const QString& list)
{
    udpField->setText(list);
}

QString NetworkServerDialog::udpDestinationsText() const
{
    return udpField->text();
}

std::vector<UdpDestination> NetworkServerDialog::udpDestinations() const
{
    std::vector<UdpDestination> destinations;
    parseUdpDestinations(udpField->text().toStdString(), destinations);
    return destinations;
}

FieldProblem NetworkServerDialog::check() const
{
    if (FieldProblem problem = checkIntegerField(portField, portField->text())) return problem;
    if (FieldProblem problem =
            checkIntegerField(allowField, allowField->text(), kMinConnections, kMaxConnections))
        return problem;
    std::vector<UdpDestination> destinations;
    const std::string error = parseUdpDestinations(udpField->text().toStdString(), destinations);
    if (!error.empty()) return {udpField, QString::fromStdString(error)};
    return {};
}

QString NetworkServerDialog::validate() const
{
    return check().text;
}

void NetworkServerDialog::accept()
{
    acceptOrRefuse(*this, prompter, check());
}

} // namespace orbilunex
