#include "document/projectextensions.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "document/projectdocument.h"
#include "model/error.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"

namespace sw {

namespace {

constexpr std::int32_t kBlockVersion = 1;

std::string ShotIdLines(const TEventList& shots)
{
    std::string lines;
    bool any = false;
    for (std::size_t index = 0; index < shots.Count(); ++index) {
        if (index > 0)
            lines += '\n';
        lines += shots.Event(index).id;
        any = any || !shots.Event(index).id.empty();
    }
    return any ? lines : std::string();
}

// The ids in list order; a malformed one or one given twice stays empty.
void TakeShotIds(std::string_view lines, TEventList& shots)
{
    std::set<std::string, std::less<>> seen;
    std::size_t index = 0;
    std::size_t start = 0;
    while (index < shots.Count() && start <= lines.size()) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        const std::string_view id = lines.substr(start, end - start);
        if (IsShotId(id) && seen.insert(std::string(id)).second)
            shots.Event(index).id = id;
        ++index;
        start = end + 1;
    }
}

} // namespace

bool IsShotId(std::string_view id)
{
    if (id.empty() || id.size() > 64)
        return false;
    for (const char c : id)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
    return true;
}

void WriteExtensionBlock(ValueWriter& writer, const ProjectDocument& project)
{
    std::map<std::string, std::string> entries = project.Extensions;
    entries.erase(std::string(kShotIdsKey));
    entries.erase(std::string(kScenesKey));
    entries.erase(std::string(kShotScenesKey));
    if (std::string ids = ShotIdLines(project.EventList); !ids.empty())
        entries.emplace(kShotIdsKey, std::move(ids));
    if (!project.Scenes.empty()) {
        entries.emplace(kScenesKey, ScenesText(project.Scenes));
        entries.emplace(kShotScenesKey, ShotScenesText(project.EventList));
    }
    if (entries.empty())
        return;
    writer.PutString(kExtensionMarker);
    writer.PutInteger(kBlockVersion);
    writer.PutListBegin();
    for (const auto& [key, value] : entries) {
        writer.PutString(key);
        writer.PutString(value);
    }
    writer.PutListEnd();
}

std::size_t ReadExtensionBlock(std::string_view bytes, ProjectDocument& project)
{
    std::map<std::string, std::string> entries;
    std::size_t used = 0;
    try {
        ValueReader reader(bytes);
        if (reader.GetString() != kExtensionMarker)
            return 0;
        // A later block version is read as this one: its entries are keys and
        // values all the same.
        reader.GetInteger();
        reader.GetListBegin();
        while (!reader.AtListEnd()) {
            std::string key = reader.GetString();
            std::string value = reader.GetString();
            entries.insert_or_assign(std::move(key), std::move(value));
        }
        reader.GetListEnd();
        used = bytes.size() - reader.Remaining();
    } catch (const Error&) {
        return 0;
    }
    if (const auto ids = entries.find(std::string(kShotIdsKey)); ids != entries.end()) {
        TakeShotIds(ids->second, project.EventList);
        entries.erase(ids);
    }
    project.Scenes.clear();
    if (const auto scenes = entries.find(std::string(kScenesKey)); scenes != entries.end()) {
        project.Scenes = ScenesFromText(scenes->second);
        entries.erase(scenes);
    }
    if (const auto shotScenes = entries.find(std::string(kShotScenesKey)); shotScenes != entries.end()) {
        TakeShotScenes(shotScenes->second, project.EventList, project.Scenes);
        entries.erase(shotScenes);
    }
    project.Extensions = std::move(entries);
    return used;
}

} // namespace sw
