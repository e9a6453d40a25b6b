#include "app/editorapp.h"

#include <utility>

#include "model/filetyperegistration.h"

namespace sw {

void TProjectPaths::ClearProject()
{
    CurrentFile.clear();
    SiteDir.clear();
    ImgDir.clear();
}

TEditorApp::TEditorApp(std::filesystem::path programFile, std::filesystem::path iniFile,
                       std::filesystem::path recoveryFolder)
    : programFile_(std::move(programFile)), iniFile_(std::move(iniFile)), recoveryFolder_(std::move(recoveryFolder))
{
    ProjectDocument start;
    start.StylePrefs.ApplyAppStyleTable();
    document_.Reset(std::move(start));
}

void TEditorApp::ReadSettings()
{
    settings_.ReadSettings(iniFile_);
}

void TEditorApp::WriteSettings()
{
    settings_.AuthorName = Project().GenInfo.creator;
    settings_.noJSPlan = Project().HTMPrefs.pageSpecs.noJSPlan;
    settings_.LastFileName = paths_.CurrentFile;
    settings_.WriteSettings(iniFile_);
}

void TEditorApp::RegisterFileTypeOnce()
{
    if (!settings_.registerFType)
        settings_.registerFType = RegisterFileType(programFile_, ".vid", "Shotweave file", "shotweave");
}

} // namespace sw
