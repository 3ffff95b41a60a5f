#include "app/RecordFileDialog.h"

#include "links/LinkTexts.h"
#include "nmea/NumberReader.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace orbilunex {

CRecordFileDialog::CRecordFileDialog(QWidget* parent, const QString& directory)
    : QFileDialog(parent)
{
    // First, so that the widgets (and the layout the panel joins) exist.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setWindowTitle(QStringLiteral("Record NMEA"));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setLabelText(QFileDialog::Accept, QStringLiteral("Record"));
    setNameFilter(QString::fromLatin1(texts::kNmeaFileFilter));
    setDefaultSuffix(QString::fromLatin1(texts::kNmeaFileSuffix));
    // Recording truncates the file: the user must confirm replacing one.
    setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!directory.isEmpty()) setDirectory(directory);
    addDurationPanel();
}

void CRecordFileDialog::addDurationPanel()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Record duration (hours):"), panel);
    durationField = new QLineEdit(QString::fromLatin1(kInfiniteText), panel);
    durationField->setEnabled(false);
    durationField->setFixedWidth(durationField->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    label->setBuddy(durationField);
    infiniteCheck = new QCheckBox(QStringLiteral("Infinite"), panel);
    infiniteCheck->setChecked(true);
    row->addWidget(label);
    row->addWidget(durationField);
    row->addWidget(infiniteCheck);
    row->addStretch(1);

    // Qt's file dialog lays itself out on a grid; the panel becomes its last
    // row, under the file name and type rows.
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
    else if (layout())
        layout()->addWidget(panel);

    connect(durationField, &QLineEdit::textChanged, this, [this](const QString& text) {
        duration = readInteger(text.toUtf8().constData());
    });
    connect(infiniteCheck, &QCheckBox::toggled, this, &CRecordFileDialog::infiniteToggled);
}

void CRecordFileDialog::infiniteToggled(bool infinite)
{
    durationField->setEnabled(!infinite);
    durationField->setText(infinite ? QString::fromLatin1(kInfiniteText) : QStringLiteral("1"));
}

QString CRecordFileDialog::selectedPath() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace orbilunex
