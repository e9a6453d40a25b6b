#include "document/projectfile.h"

#include <system_error>
#include <utility>

#include "document/projectextensions.h"
#include "model/error.h"
#include "model/filebytes.h"
#include "model/stablehash.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"
#include "model/systemtext.h"

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
    WriteExtensionBlock(writer, document);
    return writer.Bytes();
}

namespace {

void WriteProjectBytes(ProjectDocument& document, const std::filesystem::path& file, std::string_view bytes)
{
    WriteFileAtomically(file, bytes, LinkPolicy::WriteThroughLink);
    document.FileVersion = kProjectFileVersion;
    document.UnknownTrailingBytes = 0;
}

[[noreturn]] void ThrowBackupFailed(const std::filesystem::path& file, const std::error_code& reason)
{
    throw WordedError("La version précédente de « " + file.string() + " » ne peut pas être gardée dans « "
                + BackupFileOf(file).string() + " » : " + FrenchReason(reason));
}

// Copies the file's bytes and permissions to its backup; nothing when the file
// does not exist yet.
void KeepPreviousVersion(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return;
    std::string previous;
    if (!error)
        error = TryReadFileBytes(file, previous);
    const std::filesystem::path backup = BackupFileOf(file);
    if (!error)
        error = TryWriteFileAtomically(backup, previous, LinkPolicy::ReplaceLink);
    // A backup of a private project stays private.
    if (!error)
        std::filesystem::permissions(backup, status.permissions(), error);
    if (error)
        ThrowBackupFailed(file, error);
}

} // namespace

void SaveProject(ProjectDocument& document, const std::filesystem::path& file)
{
    WriteProjectBytes(document, file, ProjectFileBytes(document));
}

std::filesystem::path BackupFileOf(const std::filesystem::path& file)
{
    std::filesystem::path backup = file;
    backup += "~";
    return backup;
}

std::uint64_t SaveProjectWithBackup(const ProjectDocument& document, const std::filesystem::path& file,
                                    bool keepBackup)
{
    // A field that cannot be stored fails the save before the backup is touched.
    const std::string bytes = ProjectFileBytes(document);
    if (keepBackup)
        KeepPreviousVersion(file);
    WriteFileAtomically(file, bytes, LinkPolicy::WriteThroughLink);
    return StableHash(bytes);
}

std::uint64_t SaveProjectWithBackup(ProjectDocument& document, const std::filesystem::path& file, bool keepBackup)
{
    const std::uint64_t hash = SaveProjectWithBackup(std::as_const(document), file, keepBackup);
    document.FileVersion = kProjectFileVersion;
    document.UnknownTrailingBytes = 0;
    return hash;
}

void LoadProjectBytes(ProjectDocument& document, std::string_view bytes)
{
    ProjectDocument loaded = document;
    loaded.EventList.Clear();
    loaded.GenInfo.Clear();
    loaded.Report.text.clear();
    loaded.Extensions.clear();
    loaded.Scenes.clear();

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
    const std::size_t extensions = ReadExtensionBlock(reader.Rest(), loaded);
    loaded.UnknownTrailingBytes = reader.Remaining() - extensions;

    document = std::move(loaded);
}

std::string UnknownDataMessage(const std::filesystem::path& file, std::size_t bytes)
{
    return "Le fichier « " + file.filename().string() + " » se termine par " + std::to_string(bytes)
           + " octets que cette version de Shotweave ne connaît pas : ils sont ignorés, et un enregistrement les "
             "supprimera.";
}

std::uint64_t LoadProject(ProjectDocument& document, const std::filesystem::path& file)
{
    const std::string bytes = ReadFileBytes(file);
    LoadProjectBytes(document, bytes);
    return StableHash(bytes);
}

bool FileChangedSince(const std::filesystem::path& file, std::uint64_t knownHash)
{
    std::string bytes;
    if (TryReadFileBytes(file, bytes))
        return true;
    return StableHash(bytes) != knownHash;
}

} // namespace sw
