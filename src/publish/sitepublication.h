#pragma once

#include <filesystem>
#include <string>

namespace sw {

class Notifier;
struct ProjectDocument;

// The folders a project file's site is published into.
struct SiteFolders {
    std::filesystem::path SiteDir;  // SiteFolderOf(projectFile)
    std::filesystem::path ImgDir;   // ImageFolderOf(SiteDir)
};

// Makes sure the site folder of the project file and its "img" folder exist.
// Creating the site folder is announced through notifier (may be null) as
// "Le répertoire <path> vient d'être créé."; the "img" folder is not
// announced. Throws sw::Error, creating nothing, when the file's name leaves
// no site folder name; throws sw::Error when a folder cannot be created.
SiteFolders PrepareSiteFolders(const std::filesystem::path& projectFile, Notifier* notifier);

// The confirmation of a publication, UTF-8: "Le film <file name> est
// maintenant publié dans le dossier <siteDir with a trailing separator>."
std::string PublishedMessage(const std::filesystem::path& projectFile, const std::filesystem::path& siteDir);

// Prepares the project file's site folders, publishes the project into the
// site folder and returns the confirmation text. The project is only read;
// the project file is not touched. The warnings of the publication
// (THTMPublish::Warnings) go to the notifier. Throws sw::Error as
// PrepareSiteFolders and THTMPublish::Publish do, and when the site folder is
// a symbolic link: nothing is written through one.
std::string PublishProjectSite(const ProjectDocument& project, const std::filesystem::path& projectFile,
                               Notifier& notifier);


} // namespace sw
