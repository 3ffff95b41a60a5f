#pragma once

#include <QDialog>

#include <initializer_list>

class QPushButton;
class QTabWidget;

namespace orbilunex {

class Prompter;

// A settings sheet: pages in tabs over OK, Cancel and Apply, its size fixed
// by its pages. Apply starts disabled; a sheet enables it where a change can
// be applied before OK. A sheet only edits values: the caller fills it, runs
// it and takes its values. OK goes through accept(), which a sheet overrides
// to check its fields first.
class CPropertySheet : public QDialog {
    Q_OBJECT

public:
    CPropertySheet(const QString& caption, Prompter& prompter, QWidget* parent);

    QTabWidget* tabs() const { return pages; }
    QPushButton* okButton() const { return ok; }
    QPushButton* cancelButton() const { return cancel; }
    QPushButton* applyButton() const { return apply; }

protected:
    // The pages, each in a tab titled with its window title, in order.
    void addPages(std::initializer_list<QWidget*> sheetPages);

    Prompter& prompter;

private:
    QTabWidget* pages;
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* apply;
};

} // namespace orbilunex
