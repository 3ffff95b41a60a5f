#include "views/survey/SurveyDoc.h"

#include "framework/AppContext.h"
#include "framework/Prompter.h"
#include "models/survey/stats/SurveyStatsText.h"
#include "settings/SurveySettings.h"
#include "survey/AccuracySettings.h"
#include "survey/PathFile.h"
#include "survey/SurveyTexts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>

#include <fstream>
#include <memory>

namespace orbilunex {

namespace {

constexpr const char* kKindTitle = "Survey Window";

// Path files are opened for reading and writing, as Save writes back to
// them; an existing file only.
constexpr QIODevice::OpenMode kPathOpenMode = QIODevice::ReadWrite | QIODevice::ExistingOnly;

// The read's questions through the prompter.
class PrompterReadPrompts : public PathReadPrompts {
public:
    PrompterReadPrompts(Prompter& prompter, QWidget* parent) : asker(prompter), parent(parent) {}
    bool disableAcquisition() override
    {
        return asker.askYesNo(parent, QString::fromUtf8(disableAcquisitionQuestion)) ==
               Prompter::Answer::Yes;
    }
    void oldFormatNotice() override { asker.warn(parent, QString::fromUtf8(oldFileFormatNotice)); }

private:
    Prompter& asker;
    QWidget* parent;
};

// A read whose progress promises to take longer than this shows a dialog.
constexpr int kProgressShowMs = 500;
constexpr int kProgressSteps = 1000;

// The progress of a read, told by the reader every few thousand records. Its
// dialog is made at the first report and appears only once the read looks
// long. Each report lets events run, so the windows keep painting; input
// waits until the dialog is up and then goes to the dialog alone, so no
// command can reach a half-read survey. Live samples are held off meanwhile:
// one taken now would land among the file's records.
class ReadProgress {
public:
    ReadProgress(QWidget* parent, const QString& fileName, SurveyModel& survey)
        : parent(parent), fileName(fileName), survey(survey)
    {
    }

    bool report(std::uint32_t read, std::uint32_t announced)
    {
        if (!dialog) start();
        const bool acquiring = survey.acquisitionEnabled;
        survey.acquisitionEnabled = false;
        // Per mille, as a record count may not fit the dialog's int.
        dialog->setValue(static_cast<int>(std::uint64_t{read} * kProgressSteps / announced));
        QCoreApplication::processEvents(dialog->isVisible()
                                            ? QEventLoop::AllEvents
                                            : QEventLoop::ExcludeUserInputEvents);
        survey.acquisitionEnabled = acquiring;
        return !dialog->wasCanceled();
    }

private:
    void start()
    {
        QWidget* over = parent ? parent->window() : QApplication::activeWindow();
        dialog = std::make_unique<QProgressDialog>(
            QStringLiteral("Reading %1...").arg(fileName), QStringLiteral("Cancel"), 0,
            kProgressSteps, over);
        dialog->setWindowTitle(QStringLiteral("Open"));
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->setMinimumDuration(kProgressShowMs);
        // Starts the dialog's clock: it shows itself when its estimate of
        // the whole read passes kProgressShowMs.
        dialog->setValue(0);
    }

    QWidget* parent;
    QString fileName;
    SurveyModel& survey;
    std::unique_ptr<QProgressDialog> dialog;
};

} // namespace

CSurveyDoc::CSurveyDoc(const DocTemplate& docTemplate, AppContext& app)
    : CDocument(docTemplate, app), model(std::make_unique<SurveyModel>(app.settings()))
{
}

CSurveyDoc::~CSurveyDoc() = default;

void CSurveyDoc::addSample(double latitude, double longitude, double altitude,
                           std::int16_t pdop10, std::int32_t fix3d, std::uint16_t hdop10,
                           std::uint16_t vdop10)
{
    // A sample arriving while a file is read would land among its records.
    if (reading) return;
    if (model->addSample(latitude, longitude, altitude, pdop10, fix3d, hdop10, vdop10) !=
        SurveyModel::AddResult::Stored)
        return;
    setModifiedFlag();
    if (!model->acceptsHorizontal(hdop10)) return;
    // The stored (quantised) position, as a rebuild after a load sees it.
    const SurveySample& stored = model->samples().at(model->sampleCount() - 1);
    spread.add(stored.latitude * kDegreesPerUnit, stored.longitude * kDegreesPerUnit);
    if (!model->acquisitionEnabled) return;
    const std::optional<StopRule> rule = storedStopRule(app().settings());
    if (!rule || !spread.met(*rule)) return;
    // What clearing "Enable Position Acquisition" on the settings page does:
    // the survey's flag alone, the stored samples and statistics as they are.
    model->acquisitionEnabled = false;
    complete = true;
    app().showStatusText(surveyCompleteStatus(spread.count(), spread.twoDrms().value_or(0.0)));
}

void CSurveyDoc::rebuildSpread()
{
    spread.reset();
    model->samples().forEach([this](const SurveySample& sample) {
        if (model->acceptsHorizontal(sample.hdop10))
            spread.add(sample.latitude * kDegreesPerUnit, sample.longitude * kDegreesPerUnit);
    });
}

void CSurveyDoc::setTitle(const QString& title)
{
    CDocument::setTitle(QString::fromUtf8(kKindTitle) + QStringLiteral(" - [") + title +
                        QStringLiteral("]"));
}

bool CSurveyDoc::readFile(const QString& path, QWidget* parent, bool framework)
{
    if (!QFileInfo(path).isFile()) return false;
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in) return false;
    PrompterReadPrompts prompts(app().prompter(), parent);
    const QString fileName = QFileInfo(path).fileName();
    PathReadResult result;
    {
        ReadProgress progress(parent, fileName, *model);
        reading = true;
        result = readPathFile(in, *model, prompts,
                              [&progress](std::uint32_t read, std::uint32_t announced) {
                                  return progress.report(read, announced);
                              });
        reading = false;
    }
    complete = false;
    rebuildSpread();
    // The framework's open leaves a document unmodified; the survey's own
    // open keeps what the read said (an old-layout file counts as a change).
    setModifiedFlag(framework ? false : model->modified);
    emit surveyLoaded();
    updateAllViews();
    if (result.status != PathReadResult::Status::Ok) {
        setModifiedFlag();
        const QString account =
            QString::fromStdString(describePathReadError(result, fileName.toStdString()));
        // A stop the user asked for is news, not a fault.
        if (result.status == PathReadResult::Status::Stopped)
            app().prompter().inform(parent, account);
        else
            app().prompter().warn(parent, account);
    }
    // The file stays as it is; the user hears what was left out of it.
    const std::string unread = describeUnannouncedRecords(result, fileName.toStdString());
    if (!unread.empty()) app().prompter().warn(parent, QString::fromStdString(unread));
    return true;
}

bool CSurveyDoc::onOpenDocument(const QString& path)
{
    return readFile(path, nullptr, true);
}

bool CSurveyDoc::onSaveDocument(const QString& path)
{
    std::string error;
    if (!savePathFile(QFile::encodeName(path).toStdString(), *model, error)) {
        setSaveFailure(QString::fromLocal8Bit(error.c_str()));
        return false;
    }
    model->modified = false;
    return true;
}

void CSurveyDoc::onFileOpen(Prompter& prompter, QWidget* parent)
{
    if (!saveModified(prompter, parent)) return;
    const QString file = prompter.chooseOpenFile(
        parent, QStringLiteral("Open"),
        QString::fromUtf8(pathFileFilter) + QStringLiteral(";;All Files (*)"),
        QStringLiteral("pth"));
    if (file.isEmpty()) return;
    // A pipe would hold the window until someone writes to it, and a device
    // may never end: only plain files are read.
    const QFileInfo info(file);
    if (info.exists() && !info.isFile()) {
        prompter.warn(parent, QStringLiteral("%1 is not a regular file: it cannot be read as a "
                                             "path file.")
                                  .arg(QDir::toNativeSeparators(file)));
        return;
    }
    QFile probe(file);
    if (!probe.open(kPathOpenMode)) {
        prompter.warn(parent, QString::fromUtf8(couldNotOpenFileMessage));
        return;
    }
    probe.close();
    setPathName(file);
    setTitle(QFileInfo(file).fileName());
    readFile(file, parent, false);
    // The statistics rest on the stored, quantised values.
    model->recomputeStatistics();
    updateAllViews();
}

void CSurveyDoc::eraseCommand(QWidget* parent)
{
    if (app().prompter().askYesNo(parent, QString::fromUtf8(clearSurveyQuestion)) !=
        Prompter::Answer::Yes)
        return;
    model->clearSurvey();
    spread.reset();
    complete = false;
    emit surveyCleared();
    updateAllViews();
    setTitle(QStringLiteral("Untitled"));
    // No file the user chose: the next Save asks for one through Save As.
    setPathName(QString());
}

void CSurveyDoc::toggleLsfIndicator()
{
    model->toggleLsfIndicator(app().settings());
    updateAllViews();
}

void CSurveyDoc::toggleMeanIndicator()
{
    model->toggleMeanIndicator(app().settings());
    updateAllViews();
}

void CSurveyDoc::propertiesConfirmed()
{
    model->recomputeStatistics();
    rebuildSpread();
    if (model->acquisitionEnabled) complete = false;
    setModifiedFlag();
    updateAllViews();
}

void fillSurveyMenu(QMenu& menu, CSurveyDoc& document, QWidget* parent,
                    std::function<void()> properties, bool withOpen)
{
    const SurveyModel& survey = document.survey();
    auto add = [&menu, parent](const QString& text, auto run) {
        QAction* action = menu.addAction(text);
        QObject::connect(action, &QAction::triggered, parent, run);
        return action;
    };
    CSurveyDoc* doc = &document;
    if (withOpen)
        add(QStringLiteral("&Open..."),
            [doc, parent] { doc->onFileOpen(doc->app().prompter(), parent); });
    add(QStringLiteral("&Erase and Clear Screen"), [doc, parent] { doc->eraseCommand(parent); });
    menu.addSeparator();
    QAction* lsf = add(QStringLiteral("E&nable Least Squares Fit Average Indicator"),
                       [doc] { doc->toggleLsfIndicator(); });
    lsf->setCheckable(true);
    lsf->setChecked(survey.enablePalsfsd == 1);
    QAction* mean = add(QStringLiteral("Enable Position &Average Indicator"),
                        [doc] { doc->toggleMeanIndicator(); });
    mean->setCheckable(true);
    mean->setChecked(survey.enablePositionAvgIndicator == 1);
    // Kept in the settings alone: every view reads it as it redraws.
    namespace keys = settings::survey;
    QAction* circles = add(QStringLiteral("Accuracy &Circles"), [doc] {
        toggleSetting(doc->app().settings(), keys::kAccuracyCircles);
        doc->updateAllViews();
    });
    circles->setCheckable(true);
    circles->setChecked(readSetting(doc->app().settings(), keys::kAccuracyCircles) != 0);
    menu.addSeparator();
    add(QStringLiteral("&Properties"), [properties = std::move(properties)] { properties(); });
}

} // namespace orbilunex
