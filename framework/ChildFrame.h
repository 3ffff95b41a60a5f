#pragma once

#include "shell/WindowPlacement.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QRect>

#include <memory>

namespace orbilunex {

class AppContext;
class CDocument;
class CView;

// The frame of one monitor window inside the main window: it holds the view,
// owns the document, shows the document's title as its caption, and asks to
// save a modified document before it closes.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    // Takes ownership of the document; the view becomes the frame's widget.
    CChildFrame(std::unique_ptr<CDocument> document, CView* view, AppContext& app);
    ~CChildFrame() override;

    CDocument* document() const { return doc.get(); }
    CView* view() const { return viewWidget; }

    // The placement as the layout stores it: the normal rectangle in the
    // main window's client area, and how the window is shown.
    WindowPlacement placement() const;
    // Applies a stored placement, keeping the window reachable inside the
    // area it lives in.
    void applyPlacement(const WindowPlacement& placement);
    // The rectangle the window has when neither maximised nor minimised.
    QRect normalRect() const { return normal; }

    // Closes without the save question, for when the program ends and every
    // question was answered (or nobody can be asked).
    void closeWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rememberNormalRect();

    std::unique_ptr<CDocument> doc;
    QPointer<CView> viewWidget;
    AppContext& context;
    QRect normal;
    bool askBeforeClosing = true;
};

} // namespace orbilunex
