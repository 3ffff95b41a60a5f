#include "app/CommunicationDialog.h"

#include "framework/DialogKit.h"

#include "links/SerialPortMap.h"
#include "nmea/NumberReader.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

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

// Where a present port's description is kept beside its path.
constexpr int kDetailsRole = Qt::UserRole + 1;

// "description, manufacturer, serial SN", leaving out what the system does
// not know.
QString portDetails(const PresentSerialPort& port)
{
    QStringList parts;
    for (const std::string* part : {&port.description, &port.manufacturer})
        if (!part->empty()) parts << QString::fromStdString(*part);
    if (!port.serialNumber.empty())
        parts << QStringLiteral("serial %1").arg(QString::fromStdString(port.serialNumber));
    return parts.join(QStringLiteral(", "));
}

// A path as the open list shows it: with what it is.
QString listedText(const QString& path, const QString& more)
{
    return more.isEmpty() ? path : path + QStringLiteral("  \u2014  ") + more;
}

// The open list shows each path with what it is; the field keeps the path.
class PortItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = listedText(option->text, index.data(kDetailsRole).toString());
    }
};

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
                                         QWidget* parent, std::vector<PresentSerialPort> present)
    : QDialog(parent), presentPorts(std::move(present)), deviceForPort(std::move(lookup))
{
    setWindowTitle(QStringLiteral("Communication"));

    portList = makeEditableList(this);
    for (int n = kFirstSerialPort; n <= kLastSerialPort; ++n) portList->addItem(QString::number(n));
    baudList = makeEditableList(this);
    for (const int rate : kBaudRates) baudList->addItem(QString::number(rate));
    deviceList = makeEditableList(this);
    deviceList->setItemDelegate(new PortItemDelegate(deviceList));
    // A path is typed as it is: completing "/dev/ttyUSB" to a listed
    // "/dev/ttyUSB0" would open another device than the one typed.
    deviceList->setCompleter(nullptr);
    for (const PresentSerialPort& present : presentPorts) {
        deviceList->addItem(QString::fromStdString(present.device));
        const int row = deviceList->count() - 1;
        deviceList->setItemData(row, portDetails(present), kDetailsRole);
        deviceList->setItemData(row, portDetails(present), Qt::ToolTipRole);
    }
    deviceList->setMinimumWidth(deviceList->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
    // The open list is as wide as its longest line, not the field.
    int widest = 0;
    for (const PresentSerialPort& present : presentPorts)
        widest = std::max(widest, deviceList->fontMetrics().horizontalAdvance(listedText(
                                      QString::fromStdString(present.device), portDetails(present))));
    deviceList->view()->setMinimumWidth(widest + 4 * deviceList->fontMetrics().averageCharWidth());
    details = new QLabel(this);
    details->setWordWrap(true);

    auto* grid = new QGridLayout;
    addLabelledRow(this, grid, 0, QStringLiteral("Port:"), portList);
    addLabelledRow(this, grid, 1, QStringLiteral("Baud"), baudList);
    addLabelledRow(this, grid, 2, QStringLiteral("Device:"), deviceList);
    grid->addWidget(details, 3, 1);

    finishOkCancelDialog(this, grid);

    showValue(portList, port);
    showValue(baudList, baud);
    showDeviceForPortText();
    showDetails();

    // editTextChanged covers both typing and picking an entry.
    connect(portList, &QComboBox::editTextChanged, this, [this] { showDeviceForPortText(); });
    connect(deviceList, &QComboBox::editTextChanged, this, [this] { showDetails(); });
    // textEdited and activated come only from the user, never from the
    // refill above.
    connect(deviceList->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { editedDevices[this->port()] = text; });
    connect(deviceList, &QComboBox::activated, this,
            [this](int row) { editedDevices[this->port()] = deviceList->itemText(row); });
}

QLineEdit* CommunicationDialog::deviceEdit() const
{
    return deviceList->lineEdit();
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
    return deviceList->currentText();
}

void CommunicationDialog::showDeviceForPortText()
{
    const int number = port();
    const auto edited = editedDevices.find(number);
    const QString text = edited != editedDevices.end() ? edited->second
                         : deviceForPort               ? deviceForPort(number)
                                                       : QString();
    // The list's highlight follows a path it holds; the text is the path
    // either way.
    const int row = deviceList->findText(text);
    if (row >= 0 && row != deviceList->currentIndex()) deviceList->setCurrentIndex(row);
    deviceList->setEditText(text);
}

void CommunicationDialog::showDetails()
{
    const QString path = deviceList->currentText();
    QString text;
    if (presentPorts.empty()) {
        text = QStringLiteral("No serial ports are present.");
    } else if (const int row = deviceList->findText(path); row >= 0) {
        const QString more = deviceList->itemData(row, kDetailsRole).toString();
        text = more.isEmpty() ? QStringLiteral("Present.") : more;
    } else if (!path.isEmpty()) {
        text = QStringLiteral("Not present now; the list holds the ports there are.");
    }
    if (details->text() != text) details->setText(text);
}

} // namespace orbilunex
