#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>

class QMenu;
class QPainter;

namespace orbilunex {

class AppContext;
class CDocument;
class Prompter;
struct WindowKind;

// What a monitor window shows. Views poll the decoded state on timers of
// their own; the document holds what is worth saving, when anything is.
class CView : public QWidget {
    Q_OBJECT

public:
    CView(CDocument* document, AppContext& app);
    ~CView() override;

    CDocument* document() const { return doc; }
    AppContext& app() const { return context; }

    // Called once the view is in its frame and the document is set up.
    virtual void onInitialUpdate() {}
    // The document changed (sender is the view that changed it, or none).
    virtual void onUpdate(CView* sender);

    // Draws the printed page into pageRect of a device with `dpi` pixels per
    // inch. Views without a page layout of their own print their picture
    // scaled to fit the page.
    virtual void printPage(QPainter& painter, const QRect& pageRect, int dpi);

    // Whether File Open / Save apply while this view is active.
    virtual bool allowsFileCommands() const;
    virtual bool allowsPrinting() const { return true; }

    // The File menu's export item while this view is active: its text
    // (empty: no item) and what it does.
    virtual QString exportMenuText() const { return {}; }
    virtual void exportData() {}

    // A menu of the window's own in the main window's menu bar while it is
    // active: its title (empty: none) and its items, added as it opens.
    virtual QString frameMenuTitle() const { return {}; }
    virtual void fillFrameMenu(QMenu& menu) { (void)menu; }

    // What the window holds and draws from now, by name, for the snapshot's
    // "shows" object; kinds report the values their picture was drawn from,
    // never values worked out again for the report. Empty: nothing to report.
    virtual QJsonObject shows() const { return {}; }

private:
    CDocument* doc;
    AppContext& context;
};

// The kind-specific part of a monitor window kind: how to make its document
// and view. The window title, file type and codes come from the kind table.
struct DocTemplate {
    const WindowKind* kind = nullptr;
    std::function<CDocument*(const DocTemplate&, AppContext&)> createDocument;
    std::function<CView*(CDocument*, AppContext&)> createView;

    bool hasFileType() const;
    QString fileFilter() const;
    QString extension() const; // without the dot
};

// The data of one monitor window: title, file path, modified mark and views.
class CDocument : public QObject {
    Q_OBJECT

public:
    CDocument(const DocTemplate& docTemplate, AppContext& app);
    ~CDocument() override;

    const DocTemplate& docTemplate() const { return tmpl; }
    AppContext& app() const { return context; }

    QString title() const { return titleText; }
    // Kinds may show the title decorated; the base shows it as given.
    virtual void setTitle(const QString& title);
    QString pathName() const { return path; }
    void setPathName(const QString& pathName) { path = pathName; }

    bool isModified() const { return modified; }
    void setModifiedFlag(bool value = true) { modified = value; }

    void addView(CView* view);
    void removeView(CView* view);
    const QList<CView*>& views() const { return viewList; }
    void updateAllViews(CView* sender = nullptr);

    // Reading and writing the document's file; the base has no file format.
    virtual bool onOpenDocument(const QString& path);
    virtual bool onSaveDocument(const QString& path);

    // The File Open command while this document's window is active: offers
    // to save changes, asks for a file of the kind's type and reads it.
    virtual void onFileOpen(Prompter& prompter, QWidget* parent);

    // Before the document goes: a modified one asks "Save changes to %1?";
    // Yes saves (false if that fails), No discards, Cancel keeps it open.
    bool saveModified(Prompter& prompter, QWidget* parent);
    // Saves under the current path, or asks for one (always for Save As);
    // the title becomes the file's name. A failed write says so, in the
    // words onSaveDocument gave (setSaveFailure) or the framework's own.
    bool doSave(Prompter& prompter, QWidget* parent, bool saveAs);
    // Writes the document to path in its own format, leaving its path, title
    // and modified mark as they are (a recovery copy). False with the reason
    // in `error`.
    bool writeCopy(const QString& path, QString& error);

signals:
    void titleChanged(const QString& title);

protected:
    // From onSaveDocument: why the save failed, for the user.
    void setSaveFailure(const QString& text) { saveFailure = text; }

private:
    QString saveFailure;
    const DocTemplate& tmpl;
    AppContext& context;
    QString titleText;
    QString path;
    bool modified = false;
    QList<CView*> viewList;
};

// Before the program ends: every modified document is asked about in turn,
// before any window closes. Yes saves (through Save As when the document
// has no file the user chose), No leaves it to be discarded. Cancel, or a
// Save As cancelled or failed, stops there and returns false with every
// document as it was (those already saved stay saved). True when all were
// answered; the caller then closes the windows without asking again.
bool saveAllModified(const QList<CDocument*>& documents, Prompter& prompter, QWidget* parent);

} // namespace orbilunex
