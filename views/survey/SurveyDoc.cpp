#include "views/survey/SurveyDoc.h"

#include "framework/AppContext.h"
#include "framework/Prompter.h"
#include "survey/PathFile.h"
#include "survey/SurveyTexts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <fstream>

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
    if (model->addSample(latitude, longitude, altitude, pdop10, fix3d, hdop10, vdop10) ==
        SurveyModel::AddResult::Stored)
        setModifiedFlag();
}

void CSurveyDoc::setTitle(const QString& title)
{
    CDocument::setTitle(QString::fromUtf8(kKindTitle) + QStringLiteral(" - [") + title +
                        QStringLiteral("]"));
}

bool CSurveyDoc::readFile(const QString& path, QWidget* parent, bool framework)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in) return false;
    PrompterReadPrompts prompts(app().prompter(), parent);
    const PathReadResult result = readPathFile(in, *model, prompts);
    // The framework's open leaves a document unmodified; the survey's own
    // open keeps what the read said (an old-layout file counts as a change).
    setModifiedFlag(framework ? false : model->modified);
    emit surveyLoaded();
    updateAllViews();
    if (result.status != PathReadResult::Status::Ok) {
        setModifiedFlag();
        app().prompter().warn(
            parent, QString::fromStdString(describePathReadError(
                        result, QFileInfo(path).fileName().toStdString())));
    }
    return true;
}

bool CSurveyDoc::onOpenDocument(const QString& path)
{
    return readFile(path, nullptr, true);
}

bool CSurveyDoc::onSaveDocument(const QString& path)
{
    std::string error;
    if (!savePathFile(QFile::encodeName(path).toStdString(), *model, error)) return false;
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
    emit surveyCleared();
    updateAllViews();
    setTitle(QStringLiteral("Untitled"));
    setPathName(QDir::current().filePath(QStringLiteral("Untitled") +
                                         QString::fromUtf8(pathFileExtension)));
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
    setModifiedFlag();
    updateAllViews();
}

void fillSurveyMenu(QMenu& menu, CSurveyDoc& document, QWidget* parent,
                    std::function<void()> properties)
{
    const SurveyModel& survey = document.survey();
    auto add = [&menu, parent](const QString& text, auto run) {
        QAction* action = menu.addAction(text);
        QObject::connect(action, &QAction::triggered, parent, run);
        return action;
    };
    CSurveyDoc* doc = &document;
    add(QStringLiteral("&Open..."), [doc, parent] { doc->onFileOpen(doc->app().prompter(), parent); });
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
    menu.addSeparator();
    add(QStringLiteral("&Properties"), [properties = std::move(properties)] { properties(); });
}

} // namespace orbilunex
