#include "views/signalquality/SignalQualityPropertySheet.h"

#include "framework/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orbilunex {

namespace {

QLineEdit* numberField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
    return field;
}

void addRow(QGridLayout* grid, int row, const QString& text, QLineEdit* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

// A threshold as typed, when it is one the window can use.
bool usableThreshold(const QString& text, int& value)
{
    return parseDialogInteger(text, value) && value >= CSignalQualityPropertyPage1::kMinThreshold &&
           value <= CSignalQualityPropertyPage1::kMaxThreshold;
}

} // namespace

CSignalQualityPropertyPage1::CSignalQualityPropertyPage1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Upper and Lower SNR Threshold"));
    upperField = numberField(this);
    lowerField = numberField(this);
    autoTrackCheck = new QCheckBox(QStringLiteral("Auto Track"), this);

    auto* observed = new QGroupBox(QStringLiteral("Observed Minimum/Maximum"), this);
    maximumField = numberField(observed);
    minimumField = numberField(observed);
    maximumField->setReadOnly(true);
    minimumField->setReadOnly(true);
    auto* observedGrid = new QGridLayout(observed);
    addRow(observedGrid, 0, QStringLiteral("Maximum SNR:"), maximumField, observed);
    addRow(observedGrid, 1, QStringLiteral("Minimum SNR:"), minimumField, observed);

    auto* grid = new QGridLayout(this);
    addRow(grid, 0, QStringLiteral("Upper Threshold:"), upperField, this);
    addRow(grid, 1, QStringLiteral("Lower Threshold:"), lowerField, this);
    grid->addWidget(autoTrackCheck, 2, 0, 1, 2);
    grid->addWidget(observed, 0, 2, 3, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);

    connect(autoTrackCheck, &QCheckBox::clicked, this, [this] { applyAutoTrack(); });
}

void CSignalQualityPropertyPage1::setValues(const SignalQualitySheetValues& values)
{
    upperField->setText(QString::number(values.upperThreshold));
    lowerField->setText(QString::number(values.lowerThreshold));
    autoTrackCheck->setChecked(values.autoTrack);
    maximumField->setText(QString::number(values.observedMax));
    minimumField->setText(QString::number(values.observedMin));
    applyAutoTrack();
}

void CSignalQualityPropertyPage1::applyAutoTrack()
{
    const bool editable = !autoTrackCheck->isChecked();
    upperField->setEnabled(editable);
    lowerField->setEnabled(editable);
}

FieldProblem CSignalQualityPropertyPage1::check() const
{
    if (autoTrackCheck->isChecked()) return {};
    if (FieldProblem problem =
            checkIntegerField(lowerField, lowerField->text(), kMinThreshold, kMaxThreshold))
        return problem;
    return checkIntegerField(upperField, upperField->text(), kMinThreshold, kMaxThreshold);
}

CSignalQualityPropertySheet::CSignalQualityPropertySheet(const SignalQualitySheetValues& values,
                                                         Prompter& prompter, QWidget* parent)
    : CPropertySheet(QStringLiteral("Signal Quality Property Sheet"), prompter, parent),
      page1(new CSignalQualityPropertyPage1)
{
    page1->setValues(values);
    addPages({page1});
}

SignalQualitySheetValues CSignalQualityPropertySheet::values() const
{
    SignalQualitySheetValues v;
    v.upperTaken = usableThreshold(page1->upperEdit()->text(), v.upperThreshold);
    v.lowerTaken = usableThreshold(page1->lowerEdit()->text(), v.lowerThreshold);
    v.autoTrack = page1->autoTrackBox()->isChecked();
    v.observedMax = dialogIntegerOr0(page1->maximumEdit()->text());
    v.observedMin = dialogIntegerOr0(page1->minimumEdit()->text());
    return v;
}

void CSignalQualityPropertySheet::accept()
{
    acceptOrRefuse(*this, prompter, page1->check());
}

} // namespace orbilunex
