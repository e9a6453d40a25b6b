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
#include "model/systemtext.h"

namespace sw {

namespace {

constexpr const char* kUsage =
    "Utilisation : shotweave [PROJET.vid]\n"
    "              shotweave --publish PROJET.vid\n"
    "              shotweave --pdf PROJET.vid SORTIE.pdf [--grid 2x3] [--paper a4]\n"
    "              shotweave --csv PROJET.vid SORTIE.csv\n"
    "              shotweave --share PROJET.vid SORTIE.html\n"
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

struct ExportArguments {
    std::filesystem::path project;
    std::filesystem::path output;
    PlanOptions options;
};

// "--pdf FILE OUT [--grid CxR] [--paper P]" or "--csv FILE OUT"; the usage
// complaint when they are not that.
std::optional<ExportArguments> ParseExport(const std::vector<std::string>& args, bool takesPlanOptions,
                                           std::string& complaint)
{
    std::vector<std::string> files;
    ExportArguments parsed;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (takesPlanOptions && arg == "--grid" && hasValue) {
            const auto grid = ParsePanelGrid(args[++i]);
            if (!grid) {
                complaint = "--grid prend 1x1, 2x2, 2x3 ou 3x4";
                return std::nullopt;
            }
            parsed.options.grid = *grid;
        } else if (takesPlanOptions && arg == "--paper" && hasValue) {
            const auto paper = ParsePlanPaper(args[++i]);
            if (!paper) {
                complaint = "--paper prend a4 ou letter";
                return std::nullopt;
            }
            parsed.options.paper = *paper;
        } else if (arg.empty() || arg.starts_with("--")) {
            complaint = arg.empty() ? "un nom de fichier vide" : "option inconnue : " + arg;
            return std::nullopt;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        complaint = args.front() + " prend un fichier de projet et un fichier de sortie";
        return std::nullopt;
    }
    parsed.project = std::filesystem::absolute(files[0]);
    parsed.output = std::filesystem::absolute(files[1]);
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

int ReportFailure(std::ostream& err, const std::exception& error)
{
    err << "shotweave: " << FrenchErrorMessage(error.what()) << "\n";
    return 1;
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const PlanPdfWriter& writePdf, const PocketPlanWriter& writePocketPlan)
{
    const bool pdf = args.front() == "--pdf";
    std::string complaint;
    const auto arguments = ParseExport(args, pdf, complaint);
    if (!arguments || (pdf && !writePdf)) {
        err << "shotweave: " << (arguments ? "ce programme ne peut pas dessiner de PDF" : complaint) << "\n" << kUsage;
        return 2;
    }
    try {
        if (pdf)
            ExportPdf(*arguments, writePdf, err);
        else if (args.front() == "--share")
            ExportPocketPlan(*arguments, writePocketPlan, err);
        else
            ExportCsv(*arguments, err);
    } catch (const std::exception& error) {
        return ReportFailure(err, error);
    }
    out << arguments->output.string() << "\n";
    return 0;
}

} // namespace

std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                                  const PlanPdfWriter& writePdf, const PocketPlanWriter& writePocketPlan)
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
    if (first == "--pdf" || first == "--csv" || first == "--share")
        return RunExport(args, out, err, writePdf, writePocketPlan);
    if (first.starts_with("--")) {
        err << "shotweave: option inconnue : " << first << "\n" << kUsage;
        return 2;
    }
    return std::nullopt;
}

} // namespace sw
