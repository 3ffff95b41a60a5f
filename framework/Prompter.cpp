#include "framework/Prompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdio>

namespace orbilunex {

namespace {

QString boxTitle()
{
    return QApplication::applicationDisplayName();
}

QString runFileDialog(QWidget* parent, const QString& caption, const QString& filter,
                      const QString& suffix, QFileDialog::AcceptMode mode, const QString& name)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (!name.isEmpty()) dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

} // namespace

Prompter::Answer WidgetPrompter::askYesNo(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, boxTitle(), text, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Prompter::Answer WidgetPrompter::askYesNoCancel(QWidget* parent, const QString& text)
{
    switch (QMessageBox::question(parent, boxTitle(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

void WidgetPrompter::inform(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, boxTitle(), text);
}

void WidgetPrompter::warn(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, boxTitle(), text);
}

QString WidgetPrompter::chooseOpenFile(QWidget* parent, const QString& caption,
                                       const QString& filter, const QString& suffix)
{
    return runFileDialog(parent, caption, filter, suffix, QFileDialog::AcceptOpen, {});
}

QString WidgetPrompter::chooseSaveFile(QWidget* parent, const QString& caption,
                                       const QString& filter, const QString& suffix,
                                       const QString& suggestedName)
{
    return runFileDialog(parent, caption, filter, suffix, QFileDialog::AcceptSave, suggestedName);
}

bool WidgetPrompter::runDialog(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

Prompter::Answer UnattendedPrompter::askYesNo(QWidget*, const QString& text)
{
    std::fprintf(stderr, "orbilunex: %s [answered No]\n", text.toLocal8Bit().constData());
    return Answer::No;
}

Prompter::Answer UnattendedPrompter::askYesNoCancel(QWidget*, const QString& text)
{
    std::fprintf(stderr, "orbilunex: %s [answered No]\n", text.toLocal8Bit().constData());
    return Answer::No;
}

void UnattendedPrompter::inform(QWidget*, const QString& text)
{
    std::fprintf(stderr, "orbilunex: %s\n", text.toLocal8Bit().constData());
}

void UnattendedPrompter::warn(QWidget*, const QString& text)
{
    std::fprintf(stderr, "orbilunex: %s\n", text.toLocal8Bit().constData());
}

QString UnattendedPrompter::chooseOpenFile(QWidget*, const QString&, const QString&,
                                           const QString&)
{
    return {};
}

QString UnattendedPrompter::chooseSaveFile(QWidget*, const QString&, const QString&,
                                           const QString&, const QString&)
{
    return {};
}

bool UnattendedPrompter::runDialog(QDialog&)
{
    return false;
}

} // namespace orbilunex
