#include "framework/Document.h"

#include "framework/AppContext.h"
#include "framework/Prompter.h"
#include "shell/WindowKinds.h"

#include <QFileInfo>
#include <QPainter>

namespace orbilunex {

CView::CView(CDocument* document, AppContext& app) : doc(document), context(app)
{
    if (doc != nullptr) doc->addView(this);
}

CView::~CView()
{
    if (doc != nullptr) doc->removeView(this);
}

void CView::onUpdate(CView*)
{
    update();
}

void CView::printPage(QPainter& painter, const QRect& pageRect, int)
{
    // The window as it looks, as large as fits the page, keeping its shape.
    const QPixmap picture = grab();
    if (picture.isNull() || picture.width() == 0 || picture.height() == 0) return;
    QSize size = picture.size();
    size.scale(pageRect.size(), Qt::KeepAspectRatio);
    const QRect target(pageRect.left() + (pageRect.width() - size.width()) / 2, pageRect.top(),
                       size.width(), size.height());
    painter.drawPixmap(target, picture);
}

bool CView::allowsFileCommands() const
{
    return doc != nullptr && doc->docTemplate().hasFileType();
}

bool DocTemplate::hasFileType() const
{
    return kind != nullptr && kind->extension[0] != '\0';
}

QString DocTemplate::fileFilter() const
{
    return kind != nullptr ? QString::fromUtf8(kind->fileFilter) : QString();
}

QString DocTemplate::extension() const
{
    return hasFileType() ? QString::fromUtf8(kind->extension + 1) : QString();
}

CDocument::CDocument(const DocTemplate& docTemplate, AppContext& app)
    : tmpl(docTemplate), context(app)
{
}

// The frame deletes its view before the document, so no view is left here.
CDocument::~CDocument() = default;

void CDocument::setTitle(const QString& title)
{
    if (title == titleText) return;
    titleText = title;
    emit titleChanged(titleText);
}

void CDocument::addView(CView* view)
{
    if (!viewList.contains(view)) viewList.append(view);
}

void CDocument::removeView(CView* view)
{
    viewList.removeOne(view);
}

void CDocument::updateAllViews(CView* sender)
{
    for (CView* view : viewList)
        if (view != sender) view->onUpdate(sender);
}

bool CDocument::onOpenDocument(const QString&)
{
    return false;
}

bool CDocument::onSaveDocument(const QString&)
{
    return false;
}

void CDocument::onFileOpen(Prompter& prompter, QWidget* parent)
{
    if (!tmpl.hasFileType() || !saveModified(prompter, parent)) return;
    const QString file =
        prompter.chooseOpenFile(parent, QStringLiteral("Open"), tmpl.fileFilter(), tmpl.extension());
    if (file.isEmpty()) return;
    if (!onOpenDocument(file)) {
        prompter.warn(parent, QStringLiteral("Could Not Open File"));
        return;
    }
    path = file;
    setTitle(QFileInfo(file).fileName());
    modified = false;
}

bool CDocument::saveModified(Prompter& prompter, QWidget* parent)
{
    if (!modified) return true;
    const QString name = path.isEmpty() ? titleText : QFileInfo(path).fileName();
    switch (prompter.askYesNoCancel(parent, QStringLiteral("Save changes to %1?").arg(name))) {
    case Prompter::Answer::Yes: return doSave(prompter, parent, false);
    case Prompter::Answer::No: return true;
    case Prompter::Answer::Cancel: break;
    }
    return false;
}

bool CDocument::doSave(Prompter& prompter, QWidget* parent, bool saveAs)
{
    if (!tmpl.hasFileType()) return false;
    QString target = path;
    if (saveAs || target.isEmpty()) {
        target = prompter.chooseSaveFile(parent, QStringLiteral("Save As"), tmpl.fileFilter(),
                                         tmpl.extension(), titleText);
        if (target.isEmpty()) return false;
    }
    saveFailure.clear();
    if (!onSaveDocument(target)) {
        prompter.warn(parent, saveFailure.isEmpty() ? QStringLiteral("Failed to save document.")
                                                    : saveFailure);
        return false;
    }
    path = target;
    setTitle(QFileInfo(target).fileName());
    modified = false;
    return true;
}

bool CDocument::writeCopy(const QString& target, QString& error)
{
    saveFailure.clear();
    const bool modifiedBefore = modified;
    const bool written = tmpl.hasFileType() && onSaveDocument(target);
    modified = modifiedBefore;
    if (!written)
        error = saveFailure.isEmpty() ? QStringLiteral("Failed to save document.") : saveFailure;
    return written;
}

bool saveAllModified(const QList<CDocument*>& documents, Prompter& prompter, QWidget* parent)
{
    // Nothing is marked or closed between the questions: a Cancel late in
    // the row must find every earlier document still counted as modified.
    for (CDocument* document : documents)
        if (!document->saveModified(prompter, parent)) return false;
    return true;
}

} // namespace orbilunex
