#include "app/scriptimporting.h"

#include <algorithm>
#include <filesystem>

#include "app/editorapp.h"
#include "app/userprompts.h"
#include "document/scriptupdate.h"
#include "editing/document.h"
#include "interchange/finaldraft.h"
#include "publish/commandline.h"
#include "qtshared/uitext.h"
#include "screenplay/fountain.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

// Whether the project is still as a new one: no scenes, and nothing typed
// in its shots but their names.
bool StillNew(const ProjectDocument& project)
{
    if (!project.Scenes.empty())
        return false;
    for (std::size_t i = 0; i < project.EventList.Count(); ++i) {
        TEvent blank;
        blank.name = project.EventList.Event(i).name;
        if (!(project.EventList.Event(i) == blank))
            return false;
    }
    return true;
}

} // namespace

TScriptImporting::TScriptImporting(TEditorApp& app, TUserPrompts& prompts, QWidget* dialogParent,
                                   std::function<QString()> dialogFolder)
    : app_(app), prompts_(prompts), dialogParent_(dialogParent), dialogFolder_(std::move(dialogFolder))
{
}

void TScriptImporting::ImportScriptClick()
{
    const QString chosen = prompts_.ChooseScriptToImport(dialogParent_, dialogFolder_());
    if (chosen.isEmpty())
        return;
    const fs::path file = fs::absolute(uitext::QStringToPath(chosen));
    const Screenplay screenplay =
        ScriptFormatOf(file) == ScriptFormat::FinalDraft ? ReadFinalDraftFile(file) : ReadFountainFile(file);
    const QString name = uitext::PathToQString(file.filename());
    const QString step = QStringLiteral("Importer le scénario « %1 »").arg(name);
    ProjectDocument base = app_.Project();
    if (StillNew(base)) {
        base.EventList.Clear();
        const ScriptUpdate update = UpdateFromScreenplay(base, screenplay);
        app_.Document().ApplyScreenplay(update.project, step);
        return;
    }
    const ScriptUpdate update = UpdateFromScreenplay(base, screenplay);
    const QString summary = uitext::FromUtf8(update.summary.text);
    if (update.summary.changesNothing) {
        prompts_.Inform(dialogParent_, QStringLiteral("« %1 » : %2").arg(name, summary));
        return;
    }
    if (prompts_.AskYesNo(dialogParent_,
                          QStringLiteral("« %1 » met à jour le projet : %2\n\nAucun plan, aucune image ni aucun texte "
                                         "que vous avez modifié ne sera perdu.")
                              .arg(name, summary),
                          QStringLiteral("Appliquer ces changements ?")))
        app_.Document().ApplyScreenplay(update.project, step);
}

} // namespace sw
