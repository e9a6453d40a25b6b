#include "publish/sitepublication.h"

#include "document/projectdocument.h"
#include "model/error.h"
#include "model/notifier.h"
#include "publish/htmpublish.h"
#include "publish/varutil.h"

namespace sw {

SiteFolders PrepareSiteFolders(const std::filesystem::path& projectFile, Notifier* notifier)
{
    SiteFolders folders;
    folders.SiteDir = SiteFolderOf(projectFile);
    EnsureDirectory(folders.SiteDir, true, notifier);
    folders.ImgDir = ImageFolderOf(folders.SiteDir);
    EnsureDirectory(folders.ImgDir, false, nullptr);
    return folders;
}

std::string PublishedMessage(const std::filesystem::path& projectFile, const std::filesystem::path& siteDir)
{
    return "Le film " + projectFile.filename().string() + " est maintenant publié dans le dossier "
           + (siteDir / "").string() + ".";
}

std::string PublishProjectSite(const ProjectDocument& project, const std::filesystem::path& projectFile,
                               Notifier& notifier)
{
    // A site folder that is a link (perhaps come with a project from
    // elsewhere) would have the pages written wherever it leads.
    const std::filesystem::path siteDir = SiteFolderOf(projectFile);
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(siteDir, error)))
        throw Error("Le dossier du site « " + siteDir.string()
                    + " » est un lien symbolique : Shotweave ne publie pas à travers un lien, pour n'écrire que dans "
                      "le dossier du projet. Remplacez le lien par un dossier, puis publiez de nouveau.");
    const SiteFolders folders = PrepareSiteFolders(projectFile, &notifier);
    THTMPublish publisher(project, folders.SiteDir);
    publisher.Publish();
    for (const std::string& warning : publisher.Warnings())
        notifier.Inform(warning);
    return PublishedMessage(projectFile, folders.SiteDir);
}

} // namespace sw
