// A revised screenplay brought into a project whose record of the last
// import is any text: the input is that record, a NUL, then the revision
// in Fountain. Whatever both hold, no shot is lost, every shot keeps its
// id, the scenes' shots stand together and the result saves and reads back.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "document/projectfile.h"
#include "document/scriptimport.h"
#include "document/scriptupdate.h"
#include "model/error.h"
#include "screenplay/fountain.h"
#include "screenplay/scripttext.h"

namespace {

// The project a first draft made, its shots' ids "s1", "s2"… rather than
// drawn at random, so that the inputs can name them.
sw::ProjectDocument MakeImported()
{
    sw::ProjectDocument project = sw::ProjectFromScreenplay(sw::ParseFountain(
        "Title: Le Quai\n\nINT. CUISINE - JOUR #1#\n\n[[plan: Réveil]]\nLéa se lève.\n\n[[plan: Café]]\n"
        "LÉA\nPas aujourd'hui.\n\nEXT. QUAI - NUIT #2#\n\nLe train part.\n"));
    sw::ScriptImportBaseline baseline = *sw::ScriptImportOf(project);
    for (std::size_t i = 0; i < project.EventList.Count(); ++i) {
        const std::string id = "s" + std::to_string(i + 1);
        for (sw::ImportedShot& shot : baseline.shots)
            if (shot.shot == project.EventList.Event(i).id)
                shot.shot = id;
        project.EventList.Event(i).id = id;
    }
    sw::SetScriptImport(project, baseline);
    return project;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "script_update: %s\n", what);
    std::abort();
}

const sw::ProjectDocument& Imported()
{
    static const sw::ProjectDocument project = MakeImported();
    return project;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    sw::ProjectDocument project = Imported();
    project.Extensions[std::string(sw::kScriptImportKey)] = std::string(bytes.substr(0, split));
    const std::string_view script = split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
    sw::ScriptUpdate update;
    try {
        update = sw::UpdateFromScreenplay(project, sw::ParseFountain(sw::ScriptTextAsUtf8(script)));
    } catch (const sw::Error&) {
        // Too many shots for a project: refused whole.
        return 0;
    }
    const sw::TEventList& before = project.EventList;
    const sw::TEventList& after = update.project.EventList;
    if (after.Count() < before.Count())
        Fail("a shot was lost");
    if (!sw::ScenesStayTogether(after))
        Fail("a scene's shots stand apart");
    std::multiset<std::string> ids;
    for (std::size_t i = 0; i < after.Count(); ++i)
        ids.insert(after.Event(i).id);
    for (std::size_t i = 0; i < before.Count(); ++i)
        if (ids.count(before.Event(i).id) == 0)
            Fail("a shot lost its id");
    sw::ProjectDocument read;
    sw::LoadProjectBytes(read, sw::ProjectFileBytes(update.project));
    if (read.EventList.Count() != after.Count() || read.Scenes != update.project.Scenes)
        Fail("the project file does not read back");
    return 0;
}
