#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/error.h"

namespace sw {

// What the user asked to do with a file when it failed. For PublishProject
// the file is the site folder the pages go to.
enum class FileAction { OpenProject, SaveProject, PublishProject, ImportStyle, ExportStyle };

// The message shown when action failed on file: a French sentence naming the
// file and what went wrong, then the system's own text in parentheses, in
// French, so that nothing it said is lost. For instance
// « Le fichier « court.vid » ne peut pas être ouvert : il est abîmé ou n'est
// pas un projet Shotweave. (le fichier se termine avant la fin de ses
// données) ». UTF-8, as sw::Error.
std::string FileFailureMessage(FileAction action, const std::filesystem::path& file, std::string_view reason);

// Runs operation; an error it throws comes out as an sw::Error with the
// FileFailureMessage of action on file, except a WordedError, which says it
// already.
template <typename Operation>
void RunFileAction(FileAction action, const std::filesystem::path& file, Operation&& operation)
{
    try {
        operation();
    } catch (const WordedError&) {
        throw;
    } catch (const std::exception& error) {
        throw Error(FileFailureMessage(action, file, error.what()));
    }
}

} // namespace sw
