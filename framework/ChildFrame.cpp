#include "framework/ChildFrame.h"

#include "framework/AppContext.h"
#include "framework/Document.h"
#include "framework/PlacementGeometry.h"
#include "framework/Prompter.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace orbilunex {

namespace {

constexpr QSize kDefaultChildSize(480, 360);

} // namespace

CChildFrame::CChildFrame(std::unique_ptr<CDocument> document, CView* view, AppContext& app)
    : doc(std::move(document)), viewWidget(view), context(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowTitle(doc->title());
    connect(doc.get(), &CDocument::titleChanged, this, &QWidget::setWindowTitle);
    resize(kDefaultChildSize);
}

CChildFrame::~CChildFrame()
{
    // The view goes first: it may still refer to its document.
    delete viewWidget.data();
    context.documentClosing(doc.get());
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (askBeforeClosing && !doc->saveModified(context.prompter(), this)) {
        event->ignore();
        return;
    }
    // The kind is free again at once, though the frame is deleted later.
    context.documentClosing(doc.get());
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::closeWithoutAsking()
{
    askBeforeClosing = false;
    close();
}

void CChildFrame::moveEvent(QMoveEvent* event)
{
    QMdiSubWindow::moveEvent(event);
    rememberNormalRect();
}

void CChildFrame::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    rememberNormalRect();
}

void CChildFrame::rememberNormalRect()
{
    if (!isMaximized() && !isMinimized() && !isShaded()) normal = geometry();
}

WindowPlacement CChildFrame::placement() const
{
    WindowPlacement p;
    p.showCommand = isMinimized() ? kShowMinimized : isMaximized() ? kShowMaximized : kShowNormal;
    setPlacementRect(p, normal.isValid() ? normal : geometry());
    return p;
}

void CChildFrame::applyPlacement(const WindowPlacement& p)
{
    QRect area(QPoint(0, 0), QSize(4096, 4096));
    if (mdiArea() != nullptr && mdiArea()->viewport()->width() > 0)
        area = mdiArea()->viewport()->rect();
    const QRect rect = reachableRect(placementRect(p), area, kDefaultChildSize, false);
    setGeometry(rect);
    normal = rect;
    if (p.showCommand == kShowMaximized)
        showMaximized();
    else if (p.showCommand == kShowMinimized)
        showMinimized();
    else
        showNormal();
}

} // namespace orbilunex
