#include "app/NetworkServerDialog.h"

#include "framework/DialogKit.h"

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

    auto* grid = new QGridLayout;
    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(portField, 0, 1);
    grid->addWidget(explanation, 1, 0, 1, 3);
    grid->addWidget(allowLabel, 2, 0);
    grid->addWidget(allowField, 2, 1);
    grid->addWidget(unitLabel, 2, 2);
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

FieldProblem NetworkServerDialog::check() const
{
    if (FieldProblem problem = checkIntegerField(portField, portField->text())) return problem;
    return checkIntegerField(allowField, allowField->text(), kMinConnections, kMaxConnections);
}

QString NetworkServerDialog::validate() const
{
    return check().text;
}

void NetworkServerDialog::accept()
{
    const FieldProblem problem = check();
    if (!problem) {
        QDialog::accept();
        return;
    }
    refuseField(prompter, this, problem);
}

} // namespace orbilunex
