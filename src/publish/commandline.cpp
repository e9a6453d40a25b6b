#include "publish/commandline.h"

#include <exception>
#include <filesystem>

#include "model/error.h"
#include "model/filebytes.h"
#include "model/filefailure.h"
#include "model/notifier.h"
#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "export/exporttarget.h"
#include "export/printlimits.h"
#include "export/shotlistcsv.h"
#include "publish/pocketplan.h"
#include "publish/sitepublication.h"
#include "publish/varutil.h"
#include "timeline/animaticsettings.h"
#include "model/shotids.h"
#include "timeline/timelineexport.h"
#include "timeline/timelineformats.h"
#include "document/projectlock.h"
#include "document/scriptimport.h"
#include "document/scriptupdate.h"
#include "screenplay/fountain.h"
#include "model/editoridentity.h"
#include "model/textconv.h"
#include "model/systemtext.h"

namespace sw {

namespace {

constexpr const char* kUsage =
    "Utilisation : shotweave [PROJET.vid]\n"
    "              shotweave --publish PROJET.vid\n"
    "              shotweave --pdf PROJET.vid SORTIE.pdf [--grid 2x3] [--paper a4]\n"
    "              shotweave --csv PROJET.vid SORTIE.csv\n"
    "              shotweave --share PROJET.vid SORTIE.html\n"
    "              shotweave --animatic PROJET.vid SORTIE.mp4 [--fps 25] [--size 1920x1080]\n"
    "                        [--audio SON] [--captions]\n"
    "              shotweave --timeline PROJET.vid SORTIE.otio|.edl|.fcpxml|.mlt [--fps 25]\n"
    "              shotweave --apply-cut PROJET.vid MONTAGE.otio|.edl|.fcpxml|.mlt [--reorder]\n"
    "              shotweave --import-script SCENARIO.fountain|.fdx PROJET.vid\n"
    "              shotweave --help | --version\n"
    "\n"
    "  PROJET.vid          ouvre le projet dans l'éditeur\n"
    "  --publish PROJET.vid\n"
    "                      publie le site du projet dans le dossier qui porte le\n"
    "                      nom du fichier, à côté de lui, puis s'arrête\n"
    "  --pdf PROJET.vid SORTIE.pdf\n"
    "                      écrit le plan (première page, continuité, découpage\n"
    "                      technique, storyboard) en PDF, puis s'arrête ;\n"
    "                      --grid 1x1, 2x2, 2x3 ou 3x4 cases par page de\n"
    "                      storyboard (2x3 par défaut), --paper a4 ou letter\n"
    "  --csv PROJET.vid SORTIE.csv\n"
    "                      écrit la liste des plans en CSV, puis s'arrête\n"
    "  --share PROJET.vid SORTIE.html\n"
    "                      écrit le plan de poche : un seul fichier HTML, images\n"
    "                      comprises, à lire hors ligne sur un téléphone ou un\n"
    "                      ordinateur, puis s'arrête\n"
    "  --animatic PROJET.vid SORTIE.mp4\n"
    "                      écrit l'animatique en vidéo H.264, chaque plan pendant\n"
    "                      sa durée, puis s'arrête ; --fps 24, 25 ou 30 images\n"
    "                      par seconde (celles du projet par défaut), --size\n"
    "                      LARGEURxHAUTEUR (1920x1080 par défaut), --audio une\n"
    "                      bande son WAV, MP3 ou OGG (celle du projet par\n"
    "                      défaut), --captions le numéro, le nom et le dialogue\n"
    "                      sur l'image\n"
    "  --timeline PROJET.vid SORTIE.otio|.edl|.fcpxml|.mlt\n"
    "                      écrit la timeline du film pour le logiciel de montage\n"
    "                      (OpenTimelineIO, EDL CMX 3600, Final Cut Pro XML ou\n"
    "                      MLT pour Shotcut et Kdenlive), un plan par clip, et\n"
    "                      les cartons des plans sans image dans le dossier\n"
    "                      SORTIE_media, puis s'arrête ; à la première\n"
    "                      exportation, les plans reçoivent un identifiant\n"
    "                      enregistré dans le projet ; --fps 24, 25 ou 30\n"
    "  --apply-cut PROJET.vid MONTAGE.otio|.edl|.fcpxml|.mlt\n"
    "                      reprend les durées du montage réexporté par le\n"
    "                      logiciel de montage : chaque plan reconnu (par son\n"
    "                      identifiant, sinon par « N. nom ») prend la durée de\n"
    "                      son clip, arrondie à la seconde ; affiche les clips\n"
    "                      et les plans sans correspondance, garde la version\n"
    "                      précédente dans PROJET.vid~, puis s'arrête ;\n"
    "                      --reorder donne aussi aux plans l'ordre du montage ;\n"
    "                      --fps la cadence d'une EDL (celle du projet par défaut)\n"
    "  --import-script SCENARIO PROJET.vid\n"
    "                      fait un nouveau projet du scénario (Fountain .fountain,\n"
    "                      .spmd, .txt ou Final Draft .fdx) : ses scènes, et leurs\n"
    "                      plans (une note [[plan: NOM]] commence un plan), avec\n"
    "                      l'action et les dialogues ; un projet qui existe est\n"
    "                      mis à jour (scènes retrouvées par numéro puis en-tête,\n"
    "                      les disparues marquées « omise », seuls les textes\n"
    "                      que vous n'avez pas changés depuis l'import remplacés),\n"
    "                      sa version précédente gardée dans PROJET.vid~ ; le\n"
    "                      scénario est seulement lu, puis s'arrête\n"
    "  --help              affiche cette aide, puis s'arrête\n"
    "  --version           affiche la version, puis s'arrête\n";

// Announcements of the core become lines on the error stream, so that the
// output holds the confirmation alone.
class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(std::ostream& stream) : stream_(stream) {}
    void Inform(const std::string& message) override { stream_ << message << "\n"; }

private:
    std::ostream& stream_;
};

// Reads a project file as the editor does at start-up: the application's
// style table and the layout defaults, which a file without layout or style
// block keeps.
ProjectDocument ReadProjectFile(const std::filesystem::path& file, Notifier& notifier)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        throw Error("Le fichier " + file.string() + " n'existe pas.");
    // A folder, a pipe or a device: the message says which, and nothing is read.
    if (!std::filesystem::is_regular_file(file, error))
        RunFileAction(FileAction::OpenProject, file, [&file] { ReadFileBytes(file); });
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    LoadProject(project, file);
    if (project.UnknownTrailingBytes > 0)
        notifier.Inform(UnknownDataMessage(file, project.UnknownTrailingBytes));
    return project;
}

// Publishes the project file's site; returns the confirmation text.
std::string PublishProjectFile(const std::filesystem::path& argument, Notifier& notifier)
{
    const std::filesystem::path file = std::filesystem::absolute(argument);
    return PublishProjectSite(ReadProjectFile(file, notifier), file, notifier);
}

enum class Mode { Pdf, Csv, Share, Animatic, Timeline, ApplyCut, ImportScript };

std::optional<Mode> ModeOf(const std::string& argument)
{
    static const std::pair<const char*, Mode> kModes[] = {
        {"--pdf", Mode::Pdf}, {"--csv", Mode::Csv}, {"--share", Mode::Share}, {"--animatic", Mode::Animatic},
        {"--timeline", Mode::Timeline}, {"--apply-cut", Mode::ApplyCut},
        {"--import-script", Mode::ImportScript}};
    for (const auto& [name, mode] : kModes)
        if (argument == name)
            return mode;
    return std::nullopt;
}

struct ExportArguments {
    Mode mode = Mode::Csv;
    std::filesystem::path project;
    std::filesystem::path output;
    PlanOptions options;
    std::optional<int> fps;
    std::optional<VideoSize> size;
    std::filesystem::path audio;
    bool captions = false;
    bool reorder = false;
};

// Reads the value of an option the mode takes into parsed; false with the
// complaint when the value is not one the option takes.
bool TakeOption(const std::string& option, const std::string& value, ExportArguments& parsed, std::string& complaint)
{
    bool taken = false;
    if (option == "--grid") {
        const auto grid = ParsePanelGrid(value);
        if (!(taken = grid.has_value()))
            complaint = "--grid prend 1x1, 2x2, 2x3 ou 3x4";
        else
            parsed.options.grid = *grid;
    } else if (option == "--paper") {
        const auto paper = ParsePlanPaper(value);
        if (!(taken = paper.has_value()))
            complaint = "--paper prend a4 ou letter";
        else
            parsed.options.paper = *paper;
    } else if (option == "--fps") {
        int fps = 0;
        if (!(taken = TryStrToInt(value, fps) && IsAnimaticFps(fps)))
            complaint = "--fps prend 24, 25 ou 30";
        else
            parsed.fps = fps;
    } else if (option == "--size") {
        parsed.size = ParseVideoSize(value);
        if (!(taken = parsed.size.has_value()))
            complaint = "--size prend LARGEURxHAUTEUR, deux nombres pairs de 64 à 4096 (1280x720)";
    } else {
        if (!(taken = !value.empty()))
            complaint = "--audio prend un fichier de son";
        else
            parsed.audio = std::filesystem::absolute(value);
    }
    return taken;
}

// "MODE FILE OUT" and the options the mode takes; the usage complaint when
// the arguments are not that.
std::optional<ExportArguments> ParseExport(const std::vector<std::string>& args, std::string& complaint)
{
    std::vector<std::string> files;
    ExportArguments parsed;
    parsed.mode = *ModeOf(args.front());
    const bool plan = parsed.mode == Mode::Pdf;
    const bool video = parsed.mode == Mode::Animatic;
    const bool timeline = parsed.mode == Mode::Timeline;
    const bool cut = parsed.mode == Mode::ApplyCut;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const bool takesValue = ((arg == "--grid" || arg == "--paper") && plan) ||
                                ((arg == "--fps" || arg == "--size" || arg == "--audio") && video) ||
                                (arg == "--fps" && (timeline || cut));
        if (takesValue && hasValue) {
            if (!TakeOption(arg, args[++i], parsed, complaint))
                return std::nullopt;
        } else if (video && arg == "--captions") {
            parsed.captions = true;
        } else if (cut && arg == "--reorder") {
            parsed.reorder = true;
        } else if (arg.empty() || arg.starts_with("--")) {
            complaint = arg.empty() ? "un nom de fichier vide" : "option inconnue : " + arg;
            return std::nullopt;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        complaint = args.front() + (cut ? " prend un fichier de projet et une timeline"
                                    : parsed.mode == Mode::ImportScript
                                        ? " prend un scénario et le fichier du nouveau projet"
                                        : " prend un fichier de projet et un fichier de sortie");
        return std::nullopt;
    }
    parsed.project = std::filesystem::absolute(files[0]);
    parsed.output = std::filesystem::absolute(files[1]);
    if ((timeline || cut) && !TimelineFormatOf(parsed.output)) {
        complaint = timeline ? "--timeline écrit un fichier .otio, .edl, .fcpxml ou .mlt"
                             : "--apply-cut lit un fichier .otio, .edl, .fcpxml ou .mlt";
        return std::nullopt;
    }
    if (parsed.mode == Mode::ImportScript && !ScriptFormatOf(parsed.project)) {
        complaint = "--import-script lit un scénario .fountain, .spmd, .txt ou .fdx";
        return std::nullopt;
    }
    return parsed;
}

void ExportPdf(const ExportArguments& arguments, const PlanPdfWriter& writePdf, std::ostream& err)
{
    CheckExportIsNotTheProject(arguments.project, arguments.output);
    StreamNotifier notifier(err);
    ProjectDocument project = ReadProjectFile(arguments.project, notifier);
    // What the plan cannot hold whole is cut, with a mark, and said here.
    for (const std::string& warning : CutLongTextsForPrint(project))
        err << "shotweave: attention : " << warning << "\n";
    // The pictures are those the editor shows: the image folder of the site
    // beside the file, which is only read.
    const std::filesystem::path imgDir = ImageFolderOf(SiteFolderOf(arguments.project));
    writePdf(arguments.output, project, imgDir, arguments.options);
}

void ExportCsv(const ExportArguments& arguments, std::ostream& err)
{
    CheckExportIsNotTheProject(arguments.project, arguments.output);
    StreamNotifier notifier(err);
    WriteShotListCsv(arguments.output, ReadProjectFile(arguments.project, notifier));
}

void ExportPocketPlan(const ExportArguments& arguments, const PocketPlanWriter& writePocketPlan, std::ostream& err)
{
    CheckExportIsNotTheProject(arguments.project, arguments.output);
    StreamNotifier notifier(err);
    const ProjectDocument project = ReadProjectFile(arguments.project, notifier);
    const std::filesystem::path imgDir = ImageFolderOf(SiteFolderOf(arguments.project));
    std::vector<std::string> warnings;
    if (writePocketPlan)
        warnings = writePocketPlan(arguments.output, project, imgDir);
    else
        WritePocketPlan(arguments.output, project, {imgDir, {}, {}}, &warnings);
    for (const std::string& warning : warnings)
        err << "shotweave: attention : " << warning << "\n";
}

void ExportAnimatic(const ExportArguments& arguments, const AnimaticWriter& writeAnimatic, std::ostream& err)
{
    CheckExportIsNotTheProject(arguments.project, arguments.output);
    StreamNotifier notifier(err);
    const ProjectDocument project = ReadProjectFile(arguments.project, notifier);
    const AnimaticSettings settings = ReadAnimaticSettings(project);
    VideoOptions options;
    options.fps = arguments.fps.value_or(settings.fps);
    if (arguments.size) {
        options.width = arguments.size->width;
        options.height = arguments.size->height;
    }
    options.captions = arguments.captions;
    options.audio = arguments.audio;
    // The project's soundtrack may name a file of another machine: without
    // it the video is silent, and that is said.
    if (options.audio.empty() && !settings.soundtrack.empty()) {
        std::error_code error;
        const std::filesystem::path soundtrack(settings.soundtrack);
        if (std::filesystem::is_regular_file(soundtrack, error))
            options.audio = soundtrack;
        else
            err << "shotweave: attention : la bande son du projet, " << settings.soundtrack
                << ", est introuvable : la vidéo sera muette\n";
    }
    writeAnimatic(arguments.output, project, ImageFolderOf(SiteFolderOf(arguments.project)), options);
}

// The clips carry the shots' ids, given at the first export and kept in the
// project file, so that the cut comes back to its shots. A project open in
// a running editor, or holding a later version's data, which a save would
// drop, is left as it is: its clips then go without ids.
void ExportTimeline(const ExportArguments& arguments, const TitleCardWriter& writeCard, std::ostream& err)
{
    CheckExportIsNotTheProject(arguments.project, arguments.output);
    StreamNotifier notifier(err);
    ProjectDocument project = ReadProjectFile(arguments.project, notifier);
    ProjectDocument withIds = project;
    if (const std::size_t given = AssignMissingShotIds(withIds.EventList); given > 0) {
        if (const auto holder = OtherRunningHolder(arguments.project, NewEditorIdentity())) {
            err << "shotweave: attention : le projet est ouvert dans un éditeur : les plans n'ont pas reçu "
                   "d'identifiant ; exportez la timeline depuis l'éditeur pour qu'ils en reçoivent\n";
        } else if (project.UnknownTrailingBytes > 0) {
            err << "shotweave: attention : le projet contient des données d'une version plus récente, qu'un "
                   "enregistrement perdrait : les plans n'ont pas reçu d'identifiant\n";
        } else {
            RunFileAction(FileAction::SaveProject, arguments.project,
                          [&] { SaveProjectWithBackup(withIds, arguments.project, true); });
            err << "shotweave: " << given << (given == 1 ? " plan a reçu son identifiant" : " plans ont reçu leur identifiant")
                << ", enregistré dans " << arguments.project.string() << "\n";
            project = std::move(withIds);
        }
    }
    const int fps = arguments.fps.value_or(ReadAnimaticSettings(project).fps);
    WriteTimelineFile(arguments.output, project, ImageFolderOf(SiteFolderOf(arguments.project)), fps, writeCard);
}

// The project as it stands on disk may be replaced only when no running
// editor holds it and a save keeps all it holds; throws why not otherwise.
void CheckProjectMayBeSaved(const std::filesystem::path& file, const ProjectDocument& project, std::string_view doing)
{
    if (OtherRunningHolder(file, NewEditorIdentity()))
        throw Error("Le projet « " + file.filename().string() + " » est ouvert dans un éditeur : " +
                    std::string(doing) + " depuis l'éditeur.");
    if (project.UnknownTrailingBytes > 0)
        throw Error("Le projet « " + file.filename().string() +
                    " » contient des données d'une version plus récente de Shotweave, qu'un enregistrement perdrait : "
                    "il reste tel quel.");
}

// The film editor's cut: each matched shot takes its clip's length in whole
// seconds; the summary says what changes and what matched nothing.
bool ApplyCutFile(const ExportArguments& arguments, const CommandLineTools& tools, std::ostream& out,
                  std::ostream& err)
{
    StreamNotifier notifier(err);
    ProjectDocument project = ReadProjectFile(arguments.project, notifier);
    const int fps = arguments.fps.value_or(ReadAnimaticSettings(project).fps);
    const std::vector<CutClip> clips = tools.readCut(arguments.output, fps);
    const CutPlan plan = PlanCut(project.EventList, clips);
    out << CutSummary(project.EventList, clips, plan, arguments.reorder);
    if (plan.matches.empty())
        throw Error("Aucun clip de « " + arguments.output.filename().string() +
                    " » ne correspond à un plan du projet : rien n'est changé.");
    if (plan.ChangesNothing(project.EventList, arguments.reorder)) {
        out << "Le projet est déjà à jour : rien n'est changé.\n";
        return false;
    }
    CheckProjectMayBeSaved(arguments.project, project, "importez le montage (Fichier > Importer un montage…)");
    project.EventList = ApplyCut(project.EventList, plan, arguments.reorder);
    RunFileAction(FileAction::SaveProject, arguments.project,
                  [&] { SaveProjectWithBackup(project, arguments.project, true); });
    out << "Le projet est enregistré ; sa version précédente est gardée dans « "
        << arguments.project.filename().string() << "~ ».\n";
    return true;
}

// A new project planned from a screenplay, which is only read; or, when the
// project is there already, the project updated from it as a revision, its
// summary written and its previous version kept as NAME.vid~. Returns
// whether it updated (or left as it was) a project that was there.
bool ImportScript(const ExportArguments& arguments, const CommandLineTools& tools, std::ostream& out,
                  std::ostream& err)
{
    const std::filesystem::path& script = arguments.project;
    const Screenplay screenplay =
        *ScriptFormatOf(script) == ScriptFormat::FinalDraft ? tools.readFinalDraft(script) : ReadFountainFile(script);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(arguments.output, error))) {
        StreamNotifier notifier(err);
        const ProjectDocument project = ReadProjectFile(arguments.output, notifier);
        const ScriptUpdate update = UpdateFromScreenplay(project, screenplay);
        out << update.summary.text << "\n";
        if (update.summary.changesNothing)
            return true;
        CheckProjectMayBeSaved(arguments.output, project, "importez le scénario (Fichier > Importer un scénario…)");
        RunFileAction(FileAction::SaveProject, arguments.output,
                      [&] { SaveProjectWithBackup(update.project, arguments.output, true); });
        out << "Le projet est enregistré ; sa version précédente est gardée dans « "
            << arguments.output.filename().string() << "~ ».\n";
        return true;
    }
    ProjectDocument base;
    base.StylePrefs.ApplyAppStyleTable();
    ProjectDocument project = ProjectFromScreenplay(screenplay, std::move(base));
    RunFileAction(FileAction::SaveProject, arguments.output, [&] { SaveProject(project, arguments.output); });
    err << "shotweave: " << project.Scenes.size() << (project.Scenes.size() == 1 ? " scène, " : " scènes, ")
        << project.EventList.Count() << (project.EventList.Count() == 1 ? " plan" : " plans") << "\n";
    return false;
}

int ReportFailure(std::ostream& err, const std::exception& error)
{
    err << "shotweave: " << FrenchErrorMessage(error.what()) << "\n";
    return 1;
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const CommandLineTools& tools)
{
    std::string complaint;
    const auto arguments = ParseExport(args, complaint);
    if (arguments && arguments->mode == Mode::Pdf && !tools.writePdf)
        complaint = "ce programme ne peut pas dessiner de PDF";
    if (arguments && arguments->mode == Mode::Animatic && !tools.writeAnimatic)
        complaint = "ce programme ne peut pas écrire de vidéo";
    if (arguments && arguments->mode == Mode::ApplyCut && !tools.readCut)
        complaint = "ce programme ne peut pas lire de timeline";
    if (arguments && arguments->mode == Mode::ImportScript && !tools.readFinalDraft &&
        *ScriptFormatOf(arguments->project) == ScriptFormat::FinalDraft)
        complaint = "ce programme ne peut pas lire de scénario Final Draft";
    if (arguments && arguments->mode == Mode::Timeline && !tools.writeTitleCard)
        complaint = "ce programme ne peut pas dessiner les cartons des plans";
    if (!arguments || !complaint.empty()) {
        err << "shotweave: " << complaint << "\n" << kUsage;
        return 2;
    }
    try {
        switch (arguments->mode) {
        case Mode::Pdf:
            ExportPdf(*arguments, tools.writePdf, err);
            break;
        case Mode::Csv:
            ExportCsv(*arguments, err);
            break;
        case Mode::Share:
            ExportPocketPlan(*arguments, tools.writePocketPlan, err);
            break;
        case Mode::Animatic:
            ExportAnimatic(*arguments, tools.writeAnimatic, err);
            break;
        case Mode::Timeline:
            ExportTimeline(*arguments, tools.writeTitleCard, err);
            break;
        case Mode::ApplyCut:
            ApplyCutFile(*arguments, tools, out, err);
            return 0;
        case Mode::ImportScript:
            if (ImportScript(*arguments, tools, out, err))
                return 0;
            break;
        }
    } catch (const std::exception& error) {
        return ReportFailure(err, error);
    }
    out << arguments->output.string() << "\n";
    return 0;
}

} // namespace

std::optional<ScriptFormat> ScriptFormatOf(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    for (char& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (extension == ".fountain" || extension == ".spmd" || extension == ".txt")
        return ScriptFormat::Fountain;
    if (extension == ".fdx")
        return ScriptFormat::FinalDraft;
    return std::nullopt;
}

std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                                  const CommandLineTools& tools)
{
    if (args.empty())
        return std::nullopt;
    const std::string& first = args.front();
    if (first == "--help" || first == "-h") {
        out << kUsage;
        return 0;
    }
    if (first == "--version") {
        out << "shotweave " << SHOTWEAVE_VERSION << "\n";
        return 0;
    }
    if (first == "--publish") {
        if (args.size() != 2 || args[1].empty()) {
            err << "shotweave: --publish prend un fichier de projet\n" << kUsage;
            return 2;
        }
        StreamNotifier notifier(err);
        try {
            out << PublishProjectFile(args[1], notifier) << "\n";
            return 0;
        } catch (const std::exception& error) {
            return ReportFailure(err, error);
        }
    }
    if (ModeOf(first))
        return RunExport(args, out, err, tools);
    if (first.starts_with("--")) {
        err << "shotweave: option inconnue : " << first << "\n" << kUsage;
        return 2;
    }
    return std::nullopt;
}

} // namespace sw
