#include "document/projectfile.h"

#include <utility>

#include "model/filebytes.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"

namespace sw {

std::string ProjectFileBytes(const ProjectDocument& document)
{
    ValueWriter writer;
    writer.PutInteger(kProjectFileVersion);
    writer.PutString(document.GenInfo.ToText());
    document.EventList.SaveToWriter(writer);
    writer.PutString(document.Report.ToText());
    // The layout block comes before the style block.
    document.HTMPrefs.SaveToWriter(writer);
    document.StylePrefs.SaveToWriter(writer);
    return writer.Bytes();
}

void SaveProject(ProjectDocument& document, const std::filesystem::path& file)
{
    WriteFileAtomically(file, ProjectFileBytes(document));
    document.FileVersion = kProjectFileVersion;
}

void LoadProjectBytes(ProjectDocument& document, std::string_view bytes)
{
    ProjectDocument loaded = document;
    loaded.EventList.Clear();
    loaded.GenInfo.Clear();
    loaded.Report.text.clear();

    ValueReader reader(bytes);
    loaded.FileVersion = reader.GetInteger();
    loaded.GenInfo.FromText(reader.GetString());
    loaded.EventList.LoadFromReader(reader);
    if (loaded.FileVersion > 2)
        loaded.Report.FromText(reader.GetString());
    if (loaded.FileVersion > 1)
        loaded.HTMPrefs.LoadFromReader(reader);
    if (loaded.FileVersion > 0)
        loaded.StylePrefs.LoadFromReader(reader);

    document = std::move(loaded);
}

void LoadProject(ProjectDocument& document, const std::filesystem::path& file)
{
    LoadProjectBytes(document, ReadFileBytes(file));
}

} // namespace sw
