#pragma once

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace orbilunex::test {

// The text of the label whose access key leads to `field`.
inline QString labelOf(const QWidget& dialog, const QWidget* field)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == field) return label->text();
    return QStringLiteral("<no label>");
}

inline QStringList entries(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

// The button of the dialog's button box that reads `text`, or nullptr.
inline QPushButton* buttonWithText(const QDialog& dialog, const char* text)
{
    for (QPushButton* button : dialog.findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
        if (button->text() == QLatin1String(text)) return button;
    return nullptr;
}

} // namespace orbilunex::test
