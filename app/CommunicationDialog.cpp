#include "app/CommunicationDialog.h"

#include "framework/DialogKit.h"

#include "links/SerialPortMap.h"
#include "nmea/NumberReader.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbilunex {

namespace {

constexpr int kBaudRates[] = {4800, 9600, 19200, 38400, 57600, 115200};

int readDecimal(const QString& text)
{
    return readInteger(text.toUtf8().constData());
}

// An editable list that keeps its entries fixed: Return in the edit field
// must not add the typed text to the list.
QComboBox* makeEditableList(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// Selects the entry matching value, or shows it as typed text when the list
// has no such entry, so that the list's highlight agrees with the text.
void showValue(QComboBox* box, int value)
{
    const QString text = QString::number(value);
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
    else
        box->setEditText(text);
}

} // namespace

CommunicationDialog::CommunicationDialog(int port, int baud, DeviceLookup lookup,
                                         QWidget* parent)
    : QDialog(parent), deviceForPort(std::move(lookup))
{
    setWindowTitle(QStringLiteral("Communication"));

    portList = makeEditableList(this);
    for (int n = kFirstSerialPort; n <= kLastSerialPort; ++n) portList->addItem(QString::number(n));
    baudList = makeEditableList(this);
    for (const int rate : kBaudRates) baudList->addItem(QString::number(rate));
    deviceField = new QLineEdit(this);
    deviceField->setMinimumWidth(deviceField->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);

    auto* grid = new QGridLayout;
    addLabelledRow(this, grid, 0, QStringLiteral("Port:"), portList);
    addLabelledRow(this, grid, 1, QStringLiteral("Baud"), baudList);
    addLabelledRow(this, grid, 2, QStringLiteral("Device:"), deviceField);

    finishOkCancelDialog(this, grid);

    showValue(portList, port);
    showValue(baudList, baud);
    showDeviceForPortText();

    // editTextChanged covers both typing and picking an entry.
    connect(portList, &QComboBox::editTextChanged, this, [this] { showDeviceForPortText(); });
    // textEdited comes only from the user, never from the refill above.
    connect(deviceField, &QLineEdit::textEdited, this,
            [this](const QString& text) { editedDevices[this->port()] = text; });
}

int CommunicationDialog::port() const
{
    return readDecimal(portList->currentText());
}

int CommunicationDialog::baud() const
{
    return readDecimal(baudList->currentText());
}

QString CommunicationDialog::devicePath() const
{
    return deviceField->text();
}

void CommunicationDialog::showDeviceForPortText()
{
    const int number = port();
    const auto edited = editedDevices.find(number);
    if (edited != editedDevices.end())
        deviceField->setText(edited->second);
    else
        deviceField->setText(deviceForPort ? deviceForPort(number) : QString());
}

} // namespace orbilunex
