#pragma once

#include "framework/Document.h"
#include "models/skyplot/MaskFile.h"

#include <memory>

namespace orbilunex {

class CSkyPlotWnd;

// The sky plot's document: the learned physical mask (held by the chart
// window it owns) and the comment printed with it, saved as a mask file.
// When "EnableAutoLoad" is on, the mask file named by "LastAzimuthMaskFile"
// is loaded each time the window opens.
class CAzimuthElevationDoc : public CDocument {
    Q_OBJECT

public:
    CAzimuthElevationDoc(const DocTemplate& docTemplate, AppContext& app);
    ~CAzimuthElevationDoc() override;

    CSkyPlotWnd* plotWindow() const { return plot.get(); }
    MaskCommentBlock& commentBlock() { return comment; }
    int autoLoadEnabled() const { return autoLoad; }
    void setAutoLoad(int value) { autoLoad = value; }

    // Shown as "Azimuth & Elevation Window - [title]".
    void setTitle(const QString& title) override;

    // Reads a mask file into the mask and comment (the mask is reset first).
    // A file shorter than a mask file is reported; what was read stays.
    // Anything but a plain file (a pipe, a device, a folder) is refused with
    // a message, here and in auto-load, and bytes past a whole mask file are
    // not read.
    bool onOpenDocument(const QString& path) override;
    bool onSaveDocument(const QString& path) override;
    void onFileOpen(Prompter& prompter, QWidget* parent) override;

    // The Clear Physical Mask Angle command: an empty mask, titled
    // "Untitled", with no file: Save then asks for one through Save As.
    void clearMask();

    // Takes the comment text into the block and the chart.
    void setComment(const QString& text);

private:
    bool loadFile(const QString& path, QWidget* parent);

    std::unique_ptr<CSkyPlotWnd> plot;
    MaskCommentBlock comment;
    int autoLoad = 1;
};

// The comment block's text: UTF-8, or single-byte text from older files.
QString maskCommentString(const MaskCommentBlock& block);

} // namespace orbilunex
