#include "app/timelineexchange.h"

#include <filesystem>
#include <utility>

#include "app/editorapp.h"
#include "app/userprompts.h"
#include "export/exporttarget.h"
#include "interchange/cutfile.h"
#include "model/error.h"
#include "qtshared/uitext.h"
#include "timeline/animaticsettings.h"
#include "timeline/applycut.h"
#include "timeline/timeline.h"
#include "timeline/timelineformats.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

// Thrown through the core's card loop when the user stops the export.
struct ExportStopped {};

} // namespace

TTimelineExchange::TTimelineExchange(TEditorApp& app, TUserPrompts& prompts, QWidget* dialogParent,
                                     std::function<QString(const char*)> suggestedFile,
                                     std::function<QString()> dialogFolder, TitleCardWriter writeCard)
    : app_(app), prompts_(prompts), dialogParent_(dialogParent), suggestedFile_(std::move(suggestedFile)),
      dialogFolder_(std::move(dialogFolder)), writeCard_(std::move(writeCard))
{
}

void TTimelineExchange::ExportTimelineClick()
{
    const QString chosen = prompts_.ChooseExportFile(dialogParent_, ExportFormat::Timeline, suggestedFile_(".otio"));
    if (chosen.isEmpty())
        return;
    const fs::path file = fs::absolute(uitext::QStringToPath(chosen));
    CheckExportIsNotTheProject(app_.Paths().CurrentFile, file);
    if (!TimelineFormatOf(file))
        throw Error("Le fichier « " + file.filename().string() +
                    " » n'a pas l'extension d'une timeline : .otio, .edl, .fcpxml ou .mlt.");
    const std::size_t given = app_.Document().GiveShotIds();
    const ProjectDocument& project = app_.Project();
    const int fps = ReadAnimaticSettings(project).fps;
    int cards = 0;
    for (const TimelineClip& clip : MakeTimeline(project, fps, app_.Paths().ImgDir, TimelineMediaFolder(file)).clips)
        cards += clip.card ? 1 : 0;
    const bool written = prompts_.RunWithProgress(
        dialogParent_, QStringLiteral("Exportation de la timeline..."), [&](const ProgressStep& step) {
            int done = 0;
            const TitleCardWriter counted = [&](const fs::path& png, const ProjectDocument& of,
                                                const TimelineClip& clip, int width, int height) {
                writeCard_(png, of, clip, width, height);
                if (!step(++done, cards))
                    throw ExportStopped{};
            };
            try {
                WriteTimelineFile(file, project, app_.Paths().ImgDir, fps, counted);
            } catch (const ExportStopped&) {
                return false;
            }
            return true;
        });
    if (!written)
        return;
    QString message = QStringLiteral("La timeline est exportée dans « %1 ».").arg(uitext::PathToQString(file));
    if (cards > 0)
        message += QStringLiteral("\nLes cartons des plans sans image sont dans le dossier « %1 ».")
                       .arg(uitext::PathToQString(TimelineMediaFolder(file)));
    if (given > 0)
        message += QStringLiteral("\n%1 plan(s) ont reçu un identifiant, qui relie chaque clip à son plan quand le "
                                  "montage revient : enregistrez le projet pour le garder.")
                       .arg(given);
    prompts_.Inform(dialogParent_, message);
}

void TTimelineExchange::ImportCutClick()
{
    const QString chosen = prompts_.ChooseCutToImport(dialogParent_, dialogFolder_());
    if (chosen.isEmpty())
        return;
    const fs::path file = fs::absolute(uitext::QStringToPath(chosen));
    const TEventList& shots = app_.Project().EventList;
    const std::vector<CutClip> clips = ReadCutFile(file, ReadAnimaticSettings(app_.Project()).fps);
    const CutPlan plan = PlanCut(shots, clips);
    const QString name = uitext::PathToQString(file.filename());
    if (plan.matches.empty()) {
        prompts_.Inform(dialogParent_, QStringLiteral("Aucun clip de « %1 » ne correspond à un plan du projet : rien "
                                                      "n'est changé.\n\n%2")
                                           .arg(name, uitext::FromUtf8(CutSummary(shots, clips, plan, false))));
        return;
    }
    bool reorder = false;
    if (!prompts_.AskApplyCut(dialogParent_, name, uitext::FromUtf8(CutSummary(shots, clips, plan, false)), reorder))
        return;
    if (plan.ChangesNothing(shots, reorder)) {
        prompts_.Inform(dialogParent_, QStringLiteral("Le projet est déjà à jour : rien n'est changé."));
        return;
    }
    app_.Document().ReplaceShots(ApplyCut(shots, plan, reorder), QStringLiteral("Importer le montage"));
}

} // namespace sw
