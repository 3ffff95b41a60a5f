#pragma once

#include "framework/Prompter.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace orbilunex::test {

// Answers what the program asks from a script and remembers what it said.
// An empty script answers questions with No and cancels dialogs and file
// choosers, as a user who walks away would.
class ScriptedPrompter : public Prompter {
public:
    std::deque<Answer> answers;
    std::deque<QString> files;
    // Each gets the dialog about to run; it may fill it in and returns
    // whether the dialog was accepted.
    std::deque<std::function<bool(QDialog&)>> dialogs;

    QStringList questions;
    QStringList messages;
    // The filter of each file chooser asked for, in order.
    QStringList fileFilters;
    QWidget* lastMessageParent = nullptr;
    int dialogsRun = 0;

    Answer askYesNo(QWidget*, const QString& text) override { return answer(text); }
    Answer askYesNoCancel(QWidget*, const QString& text) override { return answer(text); }
    void inform(QWidget* parent, const QString& text) override { say(parent, text); }
    void warn(QWidget* parent, const QString& text) override { say(parent, text); }
    QString chooseOpenFile(QWidget*, const QString&, const QString& filter,
                           const QString&) override
    {
        fileFilters << filter;
        return nextFile();
    }
    QString chooseSaveFile(QWidget*, const QString&, const QString& filter, const QString&,
                           const QString&) override
    {
        fileFilters << filter;
        return nextFile();
    }
    bool runDialog(QDialog& dialog) override
    {
        ++dialogsRun;
        if (dialogs.empty()) return false;
        auto script = dialogs.front();
        dialogs.pop_front();
        return script(dialog);
    }

private:
    void say(QWidget* parent, const QString& text)
    {
        messages << text;
        lastMessageParent = parent;
    }
    Answer answer(const QString& text)
    {
        questions << text;
        if (answers.empty()) return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString nextFile()
    {
        if (files.empty()) return {};
        const QString f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace orbilunex::test
