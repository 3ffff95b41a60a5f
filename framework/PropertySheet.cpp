#include "framework/PropertySheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orbilunex {

CPropertySheet::CPropertySheet(const QString& caption, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter(prompter), pages(new QTabWidget(this))
{
    setWindowTitle(caption);
    auto* buttons = new QDialogButtonBox(this);
    ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    apply = buttons->addButton(QStringLiteral("Apply"), QDialogButtonBox::ApplyRole);
    apply->setEnabled(false);
    // accept() is virtual: OK reaches the sheet's checks.
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPropertySheet::addPages(std::initializer_list<QWidget*> sheetPages)
{
    for (QWidget* page : sheetPages) pages->addTab(page, page->windowTitle());
}

} // namespace orbilunex
