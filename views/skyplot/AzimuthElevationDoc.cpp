#include "views/skyplot/AzimuthElevationDoc.h"

#include "format/ReplaceFile.h"
#include "framework/DialogKit.h"
#include "framework/AppContext.h"
#include "framework/Prompter.h"
#include "settings/SkyPlotSettings.h"
#include "views/skyplot/SkyPlotWnd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <ostream>

namespace orbilunex {

namespace {

constexpr const char* kKindTitle = "Azimuth & Elevation Window";

// Mask files are opened for reading and writing, as Save will write back to
// them; an existing file only.
constexpr QIODevice::OpenMode kMaskOpenMode = QIODevice::ReadWrite | QIODevice::ExistingOnly;

// Only plain files are read: a pipe would hold the window (and the program's
// start, when it is the file loaded automatically) until someone writes to
// it, and a device such as /dev/zero never ends. Something missing is the
// caller's to report, as before.
bool isMaskFileRefused(const QString& path, Prompter& prompter, QWidget* parent)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) return false;
    prompter.warn(parent, QStringLiteral("%1 is not a regular file: it cannot be read as a "
                                         "mask file.")
                              .arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace

QString maskCommentString(const MaskCommentBlock& block)
{
    return storedText(maskCommentText(block));
}

CAzimuthElevationDoc::CAzimuthElevationDoc(const DocTemplate& docTemplate, AppContext& app)
    : CDocument(docTemplate, app), plot(std::make_unique<CSkyPlotWnd>())
{
    autoLoad = readSetting(app.settings(), settings::skyplot::kAutoLoad);
    if (autoLoad != 1) return;
    const QString last =
        QString::fromStdString(readSetting(app.settings(), settings::skyplot::kLastMaskFile));
    if (last.isEmpty() || isMaskFileRefused(last, app.prompter(), nullptr)) return;
    QFile probe(last);
    if (!probe.open(kMaskOpenMode)) return; // silently: the window opens with an empty mask
    probe.close();
    setPathName(last);
    loadFile(last, nullptr);
    setTitle(QFileInfo(last).fileName());
}

CAzimuthElevationDoc::~CAzimuthElevationDoc() = default;

void CAzimuthElevationDoc::setTitle(const QString& title)
{
    CDocument::setTitle(QString::fromUtf8(kKindTitle) + QStringLiteral(" - [") + title +
                        QStringLiteral("]"));
}

bool CAzimuthElevationDoc::loadFile(const QString& path, QWidget* parent)
{
    if (isMaskFileRefused(path, app().prompter(), parent)) return false;
    QFile file(path);
    if (!file.open(kMaskOpenMode)) return false;
    // Whatever follows a whole mask file is not read.
    const QByteArray bytes = file.read(static_cast<qint64>(kMaskFileBytes));
    SkyPlotModel& model = plot->model();
    model.resetMask();
    const bool whole = loadMaskFile(bytes.constData(), static_cast<std::size_t>(bytes.size()),
                                    comment, model.mask);
    plot->setComment(maskCommentString(comment));
    updateAllViews();
    plot->update();
    if (!whole)
        app().prompter().warn(parent, QStringLiteral("The mask file %1 ends early: only part of "
                                                     "the mask could be read.")
                                          .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool CAzimuthElevationDoc::onOpenDocument(const QString& path)
{
    return loadFile(path, nullptr);
}

bool CAzimuthElevationDoc::onSaveDocument(const QString& path)
{
    const std::string bytes = storeMaskFile(comment, plot->model().mask);
    std::string error;
    const bool saved = replaceFile(
        QFile::encodeName(path).toStdString(),
        [&bytes](std::ostream& out) {
            return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
        },
        error);
    if (!saved) setSaveFailure(QString::fromLocal8Bit(error.c_str()));
    return saved;
}

void CAzimuthElevationDoc::onFileOpen(Prompter& prompter, QWidget* parent)
{
    if (!saveModified(prompter, parent)) return;
    const QString file = prompter.chooseOpenFile(
        parent, QStringLiteral("Open"), QStringLiteral("Path Files (*.msk);;All Files (*)"),
        QStringLiteral("msk"));
    if (file.isEmpty() || isMaskFileRefused(file, prompter, parent)) return;
    QFile probe(file);
    if (!probe.open(kMaskOpenMode)) {
        prompter.warn(parent, QStringLiteral("Could Not Open File"));
        return;
    }
    probe.close();
    setPathName(file);
    setTitle(QFileInfo(file).fileName());
    loadFile(file, parent); // the modified mark stays as it was
}

void CAzimuthElevationDoc::clearMask()
{
    plot->model().resetMask();
    setTitle(QStringLiteral("Untitled"));
    // No file the user chose: the next Save asks for one through Save As.
    setPathName(QString());
    plot->update();
}

void CAzimuthElevationDoc::setComment(const QString& text)
{
    setMaskCommentText(comment, text.toStdString());
    plot->setComment(text);
}

} // namespace orbilunex
