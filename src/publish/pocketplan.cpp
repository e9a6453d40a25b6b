#include "publish/pocketplan.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

#include "document/projectdocument.h"
#include "export/shotrows.h"
#include "model/base64.h"
#include "model/error.h"
#include "model/filebytes.h"
#include "model/picturename.h"
#include "model/scene.h"
#include "model/systemtext.h"
#include "model/utf8.h"
#include "publish/pocketstyle.h"
#include "publish/uconvert.h"
#include "sanitize/htmlcleaner.h"
#include "sanitize/htmllines.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

// ---- Pictures ----

// One picture file of the project, as the plan holds it.
struct PlanPicture {
    std::string name;
    std::optional<fs::path> file;
    std::optional<PocketPictureSizes> sizes;
    std::string failure;  // why it could not be made
};

// The pictures the shots name, each once, in the order they first appear.
std::vector<PlanPicture> NamedPictures(const ProjectDocument& project, const fs::path& imgDir,
                                       std::map<std::string, std::size_t>& indexOfName)
{
    std::vector<PlanPicture> pictures;
    for (std::size_t index = 0; index < project.EventList.Count(); ++index) {
        const TEvent& shot = project.EventList.Event(index);
        for (const std::string* name : {&shot.cam.startImage, &shot.cam.endImage}) {
            if (name->empty() || indexOfName.contains(*name))
                continue;
            indexOfName.emplace(*name, pictures.size());
            PlanPicture& picture = pictures.emplace_back();
            picture.name = *name;
            if (!imgDir.empty())
                picture.file = PictureFile(imgDir, *name);
            if (!picture.file || !IsRegularFile(*picture.file)) {
                picture.file.reset();
                picture.failure = "le fichier n'est pas dans le dossier des images";
            }
        }
    }
    return pictures;
}

// Makes the pictures that have a file, on as many threads as the machine has
// cores; the progress is told on the calling thread. false when it stopped.
bool MakePictures(std::vector<PlanPicture>& pictures, const PocketPictureMaker& make, const PocketProgress& progress)
{
    std::vector<std::size_t> todo;
    for (std::size_t i = 0; i < pictures.size(); ++i)
        if (pictures[i].file)
            todo.push_back(i);
    if (!make) {
        for (const std::size_t i : todo)
            pictures[i].failure = "ce programme ne lit pas les images";
        return true;
    }
    const int total = static_cast<int>(todo.size());
    if (progress && !progress(0, total))
        return false;
    if (todo.empty())
        return true;

    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    std::size_t done = 0;
    const auto work = [&] {
        for (std::size_t k = next++; k < todo.size() && !stop; k = next++) {
            PlanPicture& picture = pictures[todo[k]];
            try {
                picture.sizes = make(*picture.file);
            } catch (const std::exception& error) {
                picture.failure = FrenchErrorMessage(error.what());
            } catch (...) {
                picture.failure = "l'image n'a pas pu être lue";
            }
            {
                const std::lock_guard lock(mutex);
                ++done;
            }
            finished.notify_one();
        }
    };
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, todo.size());
    bool stopped = false;
    {
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < workers; ++i)
            threads.emplace_back(work);
        std::size_t told = 0;
        std::unique_lock lock(mutex);
        while (told < todo.size() && !stopped) {
            finished.wait(lock, [&] { return done != told; });
            told = done;
            lock.unlock();
            if (progress && !progress(static_cast<int>(told), total)) {
                stop = true;
                stopped = true;
            }
            lock.lock();
        }
    }
    return !stopped;
}

// ---- Texts ----

std::string Plain(std::string_view text)
{
    return EscapeHtmlText(ValidUtf8(text));
}

// A field that is HTML by design, cleaned so that it can neither run nor
// load anything; its typed line breaks show unless its markup lays out lines.
std::string HtmlBlock(std::string_view text)
{
    std::string html = CleanUserHtml(ValidUtf8(text), HtmlReach::SelfContained);
    const std::size_t first = html.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    html = html.substr(first, html.find_last_not_of(" \t\r\n") - first + 1);
    return (LaysOutItsOwnLines(html) ? "<div class=\"html\">" : "<div class=\"html lines\">") + html + "</div>\n";
}

// "45 s", "1 min 5 s", "1 h 2 min".
std::string SpokenDuration(std::uint64_t seconds)
{
    const std::uint64_t hours = seconds / 3600;
    const std::uint64_t minutes = seconds / 60 % 60;
    const std::uint64_t rest = seconds % 60;
    std::string text;
    if (hours > 0)
        text = std::to_string(hours) + " h";
    if (minutes > 0)
        text += (text.empty() ? "" : " ") + std::to_string(minutes) + " min";
    if (rest > 0 || text.empty())
        text += (text.empty() ? "" : " ") + std::to_string(rest) + " s";
    return text;
}

bool IsWholeNumber(std::string_view text)
{
    return !text.empty() && text.size() < 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// ---- The page ----

class PlanWriter {
public:
    PlanWriter(const ProjectDocument& project, const std::vector<PlanPicture>& pictures,
               const std::map<std::string, std::size_t>& indexOfName)
        : project_(project), pictures_(pictures), indexOfName_(indexOfName), rows_(ShotRows(project)),
          title_(Plain(project.GenInfo.title.empty() ? std::string("Plan sans titre") : project.GenInfo.title)),
          report_(HtmlBlock(project.Report.text)), withScenes_(!project.Scenes.empty() && !rows_.empty())
    {
    }

    std::string Page()
    {
        std::size_t pictureBytes = 0;
        for (const PlanPicture& picture : pictures_)
            if (picture.sizes)
                pictureBytes += (picture.sizes->shot.jpeg.size() + picture.sizes->thumbnail.jpeg.size()) * 4 / 3;
        out_.reserve(pictureBytes + 4096 + 2048 * rows_.size());
        Head();
        Header();
        out_ += "<main>\n";
        Project();
        Shots();
        Storyboard();
        Report();
        out_ += "</main>\n<script>\n";
        out_ += PocketScript(withScenes_);
        out_ += "</script>\n</body>\n</html>\n";
        return std::move(out_);
    }

private:
    void Head()
    {
        out_ += "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                "<meta name=\"color-scheme\" content=\"light dark\">\n"
                "<meta name=\"generator\" content=\"Shotweave\">\n<title>";
        out_ += title_;
        out_ += " — plan de poche</title>\n<style>\n";
        out_ += PocketStyleSheet(project_.StylePrefs, withScenes_);
        out_ += "</style>\n</head>\n<body>\n";
    }

    void Header()
    {
        out_ += "<header class=\"bar\">\n<a class=\"home\" href=\"#projet\">" + title_ + "</a>\n<nav>"
                "<a href=\"#plans\">Plans</a><a href=\"#storyboard\">Storyboard</a>";
        if (!report_.empty())
            out_ += "<a href=\"#rapport\">Rapport</a>";
        out_ += "</nav>\n<input id=\"filtre\" type=\"search\" placeholder=\"Filtrer les plans\" "
                "aria-label=\"Filtrer les plans\" autocomplete=\"off\" hidden>\n</header>\n";
    }

    void Project()
    {
        const TGenInfo& info = project_.GenInfo;
        out_ += "<section id=\"projet\">\n<h1>" + title_ + "</h1>\n";
        if (!info.creator.empty())
            out_ += "<p class=\"author lines\">" + Plain(info.creator) + "</p>\n";
        for (const auto& [heading, text] : {std::pair{"Idée", &info.idea}, std::pair{"Synopsis", &info.synopsis}}) {
            const std::string block = HtmlBlock(*text);
            if (!block.empty())
                out_ += std::string("<h2>") + heading + "</h2>\n" + block;
        }
        out_ += "</section>\n";
    }

    void Shots()
    {
        const std::uint64_t total = rows_.empty() ? 0 : rows_.back().cumulatedSeconds;
        out_ += "<section id=\"plans\">\n<h2>Plans</h2>\n<p class=\"summary\">";
        out_ += rows_.size() == 1 ? std::string("1 plan") : std::to_string(rows_.size()) + " plans";
        out_ += " · durée totale " + SpokenDuration(total) + "</p>\n";
        out_ += "<p id=\"trouves\" class=\"none\" role=\"status\" hidden></p>\n";
        if (rows_.empty())
            out_ += "<p class=\"none\">Aucun plan.</p>\n";
        if (withScenes_)
            Scenes();
        else
            for (std::size_t index = 0; index < rows_.size(); ++index)
                Shot(rows_[index], project_.EventList.Event(index));
        out_ += "</section>\n";
    }

    static std::string ShotCount(std::size_t count)
    {
        return count == 1 ? std::string("1 plan") : std::to_string(count) + " plans";
    }

    // The list of scenes, then each scene's section: its heading ("12. INT.
    // CUISINE - JOUR"), its shots and running time, its synopsis, its shots
    // one heading level down. Each run of shots of no scene is a section of
    // its own, "Sans scène".
    void Scenes()
    {
        const std::vector<SceneGroup> groups = SceneGroups(project_.EventList, project_.Scenes);
        out_ += "<nav class=\"scenes\" aria-label=\"Scènes\">\n<ol>\n";
        for (std::size_t k = 0; k < groups.size(); ++k)
            out_ += "<li><a href=\"#scene-" + std::to_string(k + 1) + "\">" + Plain(SceneTitle(groups[k].scene))
                    + "</a> <span class=\"count\">· " + ShotCount(groups[k].count) + " · "
                    + SpokenDuration(groups[k].seconds) + "</span></li>\n";
        out_ += "</ol>\n</nav>\n";
        for (std::size_t k = 0; k < groups.size(); ++k) {
            const SceneGroup& group = groups[k];
            const std::string id = "scene-" + std::to_string(k + 1);
            out_ += "<section class=\"scene\" id=\"" + id + "\" aria-labelledby=\"" + id + "-titre\">\n<h3 id=\""
                    + id + "-titre\">" + Plain(SceneTitle(group.scene)) + "</h3>\n<p class=\"times\">"
                    + ShotCount(group.count) + " · durée " + SpokenDuration(group.seconds) + "</p>\n";
            if (group.scene && !group.scene->synopsis.empty())
                out_ += "<p class=\"synopsis lines\">" + Plain(group.scene->synopsis) + "</p>\n";
            for (std::size_t index = group.first; index < group.first + group.count; ++index)
                Shot(rows_[index], project_.EventList.Event(index));
            out_ += "</section>\n";
        }
    }

    void Shot(const ShotRow& row, const TEvent& shot)
    {
        // Under a scene's h3, the shot's name is an h4 and its fields h5.
        const char* const name = withScenes_ ? "h4 class=\"name\"" : "h3";
        const char* const nameEnd = withScenes_ ? "</h4>" : "</h3>";
        const std::string fieldTag = withScenes_ ? "h5" : "h4";
        const std::string number = std::to_string(row.number);
        out_ += "<article class=\"shot\" id=\"plan-" + number + "\">\n<" + name + "><span class=\"num\">" + number
                + "</span>" + Plain(row.Text(ShotField::Name)) + nameEnd + "\n<p class=\"times\">";
        const std::string& duration = row.Text(ShotField::Duration);
        if (duration.empty())
            out_ += "durée non indiquée";
        else
            out_ += "durée " + (IsWholeNumber(duration) ? SpokenDuration(row.durationSeconds) : Plain(duration));
        out_ += " · cumul " + SpokenDuration(row.cumulatedSeconds) + "</p>\n<div class=\"body\">\n";
        Pictures(row.number, shot);
        out_ += "<div class=\"text\">\n";
        Camera(row);
        for (const ShotField field : {ShotField::Action, ShotField::Sound, ShotField::Dialogue, ShotField::Effect}) {
            const std::string block = HtmlBlock(row.Text(field));
            if (!block.empty())
                out_ += "<" + fieldTag + ">" + std::string(FieldInfo(field).label) + "</" + fieldTag + ">\n" + block;
        }
        out_ += "</div>\n</div>\n</article>\n";
    }

    const PlanPicture* PictureNamed(const std::string& name) const
    {
        const auto found = indexOfName_.find(name);
        return found == indexOfName_.end() ? nullptr : &pictures_[found->second];
    }

    void Pictures(std::size_t number, const TEvent& shot)
    {
        const bool both = !shot.cam.startImage.empty() && !shot.cam.endImage.empty();
        if (shot.cam.startImage.empty() && shot.cam.endImage.empty())
            return;
        out_ += both ? "<div class=\"pics two\">\n" : "<div class=\"pics\">\n";
        struct Side {
            const std::string* name;
            const char* alt;
            const char* caption;
        };
        for (const Side& side : {Side{&shot.cam.startImage, ", image de début", "Début"},
                                 Side{&shot.cam.endImage, ", image de fin", "Fin"}}) {
            const PlanPicture* picture = PictureNamed(*side.name);
            if (picture == nullptr)
                continue;
            out_ += "<figure>";
            if (picture->sizes)
                Image(picture->sizes->shot, "Plan " + std::to_string(number) + side.alt);
            else
                out_ += "<p class=\"missing\">Image « " + Plain(picture->name)
                        + (picture->file ? " » illisible</p>" : " » introuvable</p>");
            if (both)
                out_ += std::string("<figcaption>") + side.caption + "</figcaption>";
            out_ += "</figure>\n";
        }
        out_ += "</div>\n";
    }

    void Image(const PocketPicture& picture, const std::string& alt)
    {
        out_ += "<img src=\"data:image/jpeg;base64,";
        AppendBase64(out_, picture.jpeg);
        out_ += "\" width=\"" + std::to_string(picture.width) + "\" height=\"" + std::to_string(picture.height)
                + "\" alt=\"" + EscapeHtmlAttribute(alt) + "\" decoding=\"async\">";
    }

    void Camera(const ShotRow& row)
    {
        std::string movements;
        for (const ShotField field : {ShotField::Pan, ShotField::Travel, ShotField::Zoom}) {
            if (row.Text(field).empty())
                continue;
            movements += (movements.empty() ? "" : ", ") + std::string(FieldInfo(field).printPrefix) + row.Text(field);
        }
        const std::pair<const char*, const std::string*> lines[] = {
            {"Cadrage", &row.Text(ShotField::Framing)}, {"Angle", &row.Text(ShotField::Angle)}, {"Mouvements", &movements}};
        std::string list;
        for (const auto& [label, value] : lines)
            if (!value->empty())
                list += std::string("<dt>") + label + "</dt><dd>" + Plain(*value) + "</dd>";
        if (!list.empty())
            out_ += "<dl>" + list + "</dl>\n";
    }

    void Storyboard()
    {
        out_ += "<section id=\"storyboard\">\n<h2>Storyboard</h2>\n";
        if (rows_.empty())
            out_ += "<p class=\"none\">Aucun plan.</p>\n";
        else
            out_ += "<ol class=\"board\">\n";
        for (std::size_t index = 0; index < rows_.size(); ++index) {
            const TEvent& shot = project_.EventList.Event(index);
            const std::string number = std::to_string(rows_[index].number);
            const std::string name = Plain(rows_[index].Text(ShotField::Name));
            out_ += "<li data-plan=\"plan-" + number + "\"><a href=\"#plan-" + number + "\">";
            const PlanPicture* picture = PictureNamed(shot.cam.startImage.empty() ? shot.cam.endImage
                                                                                    : shot.cam.startImage);
            if (picture != nullptr && picture->sizes)
                Image(picture->sizes->thumbnail, "Plan " + number);
            else
                out_ += "<span class=\"card\">" + (name.empty() ? "Plan " + number : name) + "</span>";
            out_ += "<span>" + number + ". " + name + "</span>";
            if (withScenes_ && !rows_[index].sceneNumber.empty())
                out_ += "<span class=\"scene-no\">Scène " + Plain(rows_[index].sceneNumber) + "</span>";
            out_ += "</a></li>\n";
        }
        if (!rows_.empty())
            out_ += "</ol>\n";
        out_ += "</section>\n";
    }

    void Report()
    {
        if (report_.empty())
            return;
        std::string caption = project_.Report.caption;
        while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
            caption.pop_back();
        out_ += "<section id=\"rapport\">\n<h2>" + Plain(caption.empty() ? std::string("Rapport") : caption)
                + "</h2>\n" + report_ + "</section>\n";
    }

    const ProjectDocument& project_;
    const std::vector<PlanPicture>& pictures_;
    const std::map<std::string, std::size_t>& indexOfName_;
    const std::vector<ShotRow> rows_;
    // The title as the page writes it, and the report's block, made once.
    const std::string title_;
    const std::string report_;
    // The shots grouped by scene, each group a section under its heading.
    const bool withScenes_;
    std::string out_;
};

} // namespace

std::optional<PocketPlan> MakePocketPlan(const ProjectDocument& project, const PocketPlanOptions& options)
{
    std::map<std::string, std::size_t> indexOfName;
    std::vector<PlanPicture> pictures = NamedPictures(project, options.imgDir, indexOfName);
    if (!MakePictures(pictures, options.makePicture, options.progress))
        return std::nullopt;
    PocketPlan plan;
    for (const PlanPicture& picture : pictures)
        if (!picture.sizes)
            plan.warnings.push_back("L'image « " + ValidUtf8(picture.name) + " » n'est pas dans le plan de poche : "
                                    + picture.failure + ".");
    plan.html = PlanWriter(project, pictures, indexOfName).Page();
    return plan;
}

bool WritePocketPlan(const fs::path& file, const ProjectDocument& project, const PocketPlanOptions& options,
                     std::vector<std::string>* warnings)
{
    std::optional<PocketPlan> plan = MakePocketPlan(project, options);
    if (!plan)
        return false;
    if (const std::error_code error = TryWriteFileAtomically(file, plan->html, LinkPolicy::WriteThroughLink))
        throw Error("Le fichier « " + file.filename().string() + " » ne peut pas être écrit : " + FrenchReason(error));
    if (warnings != nullptr)
        *warnings = std::move(plan->warnings);
    return true;
}

} // namespace sw
