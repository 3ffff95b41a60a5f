#include "views/skyplot/SkyPlotPropertySheet.h"

#include "framework/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace orbilunex {

namespace {

// Characters in the editor's text; a line break counts as one.
int textLength(const QPlainTextEdit* edit)
{
    // The document counts a final paragraph separator the text does not have.
    return edit->document()->characterCount() - 1;
}

QLabel* labelFor(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

} // namespace

// ---- Physical GPS Mask Angle ----

CAzimuthElevationProperityPage1::CAzimuthElevationProperityPage1(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Physical GPS Mask Angle"));

    snrField = new QLineEdit(this);
    snrField->setFixedWidth(snrField->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);

    commentField = new QPlainTextEdit(this);
    // Enter is the editor's (a new line); Tab still walks through the sheet.
    commentField->setTabChangesFocus(true);
    commentField->setMinimumSize(commentField->fontMetrics().averageCharWidth() * 56,
                                 commentField->fontMetrics().lineSpacing() * 8);
    connect(commentField->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int charsAdded) { limitComment(position, charsAdded); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(labelFor(QStringLiteral("SNR Threshold:"), snrField, this), 0, 0);
    grid->addWidget(snrField, 0, 1, Qt::AlignLeft);
    grid->addWidget(
        labelFor(QStringLiteral("Comment (This comment printed when printing the azimuth mask):"),
                 commentField, this),
        1, 0, 1, 2);
    grid->addWidget(commentField, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

void CAzimuthElevationProperityPage1::setValues(int snrThreshold, const QString& comment)
{
    snrField->setText(QString::number(snrThreshold));
    filling = true;
    commentField->setPlainText(comment);
    filling = false;
}

int CAzimuthElevationProperityPage1::snrThreshold() const
{
    return dialogIntegerOr0(snrField->text());
}

QString CAzimuthElevationProperityPage1::comment() const
{
    return commentField->toPlainText();
}

FieldProblem CAzimuthElevationProperityPage1::check() const
{
    if (FieldProblem problem =
            checkIntegerField(snrField, snrField->text(), kMinSnrThreshold, kMaxSnrThreshold))
        return problem;
    if (textLength(commentField) > kMaxCommentLength)
        return {commentField, QString::fromLatin1(skyplotsheettexts::kCommentTooLong)};
    return {};
}

// Cuts what an edit added beyond the limit, from the end of the addition, so
// a paste keeps its beginning and a key press past the limit adds nothing.
// Text that was already too long when filled only cannot grow.
void CAzimuthElevationProperityPage1::limitComment(int position, int charsAdded)
{
    if (filling || charsAdded <= 0) return;
    const int length = textLength(commentField);
    const int excess = length - kMaxCommentLength;
    if (excess <= 0) return;
    const int end = std::min(position + charsAdded, length);
    const int start = std::max(end - excess, position);
    QTextCursor cut(commentField->document());
    cut.setPosition(start);
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

// ---- Auto Load ----

CAzimuthElevationProperityPage2::CAzimuthElevationProperityPage2(Prompter& prompter,
                                                                 QWidget* parent)
    : QWidget(parent), prompter(prompter)
{
    setWindowTitle(QStringLiteral("Auto Load"));

    autoLoadCheck = new QCheckBox(QStringLiteral("Enable Auto Load"), this);
    fileField = new QLineEdit(this);
    fileField->setMinimumWidth(fileField->fontMetrics().averageCharWidth() * 40);
    browse = new QPushButton(QStringLiteral("Browse..."), this);
    browse->setAutoDefault(false);

    // clicked, not toggled: the rule follows the user's clicks and the page
    // opening, as setValues() and showEvent() apply it themselves.
    connect(autoLoadCheck, &QCheckBox::clicked, this, [this] { applyAutoLoadState(); });
    connect(browse, &QPushButton::clicked, this, [this] { chooseFile(); });

    auto* grid = new QGridLayout(this);
    // Only as wide as its text: a click beside the text should not tick it.
    grid->addWidget(autoLoadCheck, 0, 0, 1, 3, Qt::AlignLeft);
    grid->addWidget(labelFor(QStringLiteral("Load File:"), fileField, this), 1, 0);
    grid->addWidget(fileField, 1, 1);
    grid->addWidget(browse, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    applyAutoLoadState();
}

void CAzimuthElevationProperityPage2::setValues(bool autoLoad, const QString& file)
{
    autoLoadCheck->setChecked(autoLoad);
    fileField->setText(file);
    applyAutoLoadState();
}

bool CAzimuthElevationProperityPage2::autoLoad() const
{
    return autoLoadCheck->isChecked();
}

QString CAzimuthElevationProperityPage2::loadFile() const
{
    return fileField->text();
}

void CAzimuthElevationProperityPage2::showEvent(QShowEvent* event)
{
    applyAutoLoadState();
    QWidget::showEvent(event);
}

void CAzimuthElevationProperityPage2::applyAutoLoadState()
{
    const bool on = autoLoadCheck->isChecked();
    fileField->setEnabled(on);
    browse->setEnabled(on);
}

void CAzimuthElevationProperityPage2::chooseFile()
{
    const QString path =
        prompter.chooseOpenFile(window(), QStringLiteral("Choose the Mask File to Load"),
                                QStringLiteral("Mask Files (*.msk)"), QStringLiteral("msk"));
    if (!path.isEmpty()) fileField->setText(path);
}

// ---- the sheet ----

// "Elevarion": the caption as this sheet has always had it.
CSkyPlotPropertySheet::CSkyPlotPropertySheet(const SkyPlotSheetValues& values, Prompter& prompter,
                                             QWidget* parent)
    : CPropertySheet(QStringLiteral("Azimuth Elevarion Property Sheet"), prompter, parent)
{

    page1 = new CAzimuthElevationProperityPage1;
    page1->setValues(values.snrThreshold, values.comment);
    page2 = new CAzimuthElevationProperityPage2(prompter);
    page2->setValues(values.autoLoad, values.lastFile);

    addPages({page1, page2});
    connect(tabs(), &QTabWidget::currentChanged, this, [this](int index) { pageChanged(index); });
}

SkyPlotSheetValues CSkyPlotPropertySheet::values() const
{
    return {page1->snrThreshold(), page1->comment(), page2->autoLoad(), page2->loadFile()};
}

QString CSkyPlotPropertySheet::validate() const
{
    return page1->check().text;
}

void CSkyPlotPropertySheet::accept()
{
    const FieldProblem problem = page1->check();
    if (!problem) {
        QDialog::accept();
        return;
    }
    refuse(problem);
}

// Leaving the first page checks it, like OK; a bad field brings it back.
void CSkyPlotPropertySheet::pageChanged(int index)
{
    if (returningToPage) return;
    const int left = shownPage;
    shownPage = index;
    if (tabs()->widget(left) != page1) return;
    const FieldProblem problem = page1->check();
    if (problem) refuse(problem);
}

void CSkyPlotPropertySheet::refuse(const FieldProblem& problem)
{
    returningToPage = true;
    tabs()->setCurrentWidget(page1);
    shownPage = tabs()->currentIndex();
    returningToPage = false;
    refuseField(prompter, this, problem);
}

} // namespace orbilunex
