#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace orbilunex {

// Everything that asks the user something or tells them something goes
// through here: message boxes, file choosers and modal dialogs. The window
// uses real dialogs; tests script the answers; the snapshot run answers
// without waiting for anyone.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // A question with Yes and No.
    virtual Answer askYesNo(QWidget* parent, const QString& text) = 0;
    // A question with Yes, No and Cancel (save changes before closing).
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    virtual void inform(QWidget* parent, const QString& text) = 0;
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // File choosers; an empty result means the user cancelled.
    virtual QString chooseOpenFile(QWidget* parent, const QString& caption,
                                   const QString& filter, const QString& suffix) = 0;
    virtual QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                                   const QString& suffix, const QString& suggestedName) = 0;
    // Runs a modal dialog; true when it was accepted.
    virtual bool runDialog(QDialog& dialog) = 0;
};

// Real message boxes and dialogs.
class WidgetPrompter : public Prompter {
public:
    Answer askYesNo(QWidget* parent, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter,
                           const QString& suffix) override;
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                           const QString& suffix, const QString& suggestedName) override;
    bool runDialog(QDialog& dialog) override;
};

// Never waits: messages go to standard error, questions are answered No (or
// Cancel), dialogs and file choosers are cancelled. For runs without anyone
// at the screen (--snapshot).
class UnattendedPrompter : public Prompter {
public:
    Answer askYesNo(QWidget* parent, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter,
                           const QString& suffix) override;
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                           const QString& suffix, const QString& suggestedName) override;
    bool runDialog(QDialog& dialog) override;
};

} // namespace orbilunex
