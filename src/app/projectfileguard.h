#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include <QString>

#include "document/projectlock.h"
#include "model/editoridentity.h"

class QWidget;

namespace sw {

class TUserPrompts;

// How a project file is held by this editor.
enum class HoldMode {
    Normal,    // locked when possible; saved to its own file
    ReadOnly,  // opened while another editor holds it: saved only under another name
    Unlocked,  // opened anyway while another editor holds it: its lock stays the other's
};

// What a save does once the file on disk has been compared.
enum class SaveCheck {
    Save,              // as usual
    SaveKeepingOther,  // the file changed on disk: its bytes are kept as the backup first
    Reload,            // the user wants the file on disk instead of the project
    Cancel,
};

// The project file as one editor holds it: its lock beside the file, so that
// another editor opening it is told, and StableHash of its bytes as this
// editor last read or wrote them, so that no save replaces without a word a
// file that another editor or program changed since. Questions go through
// TUserPrompts over dialogParent.
class TProjectFileGuard {
public:
    TProjectFileGuard(EditorIdentity self, TUserPrompts& prompts, QWidget* dialogParent);
    // Releases the lock held.
    ~TProjectFileGuard();
    TProjectFileGuard(const TProjectFileGuard&) = delete;
    TProjectFileGuard& operator=(const TProjectFileGuard&) = delete;

    const EditorIdentity& Self() const { return self_; }

    // Before file is opened as the project: when another running editor
    // holds it, the user is told who and since when and chooses read-only,
    // open anyway, or cancel (nothing). Normal when no one else holds it.
    std::optional<HoldMode> AskBeforeOpen(const std::filesystem::path& file);

    // The file is now the project's, read or written with the bytes of hash
    // (nothing when unknown): the previous file's lock is released and this
    // one's taken, unless mode says otherwise. The note for the status bar
    // when the file is read-only or no lock could be written there; empty
    // otherwise.
    QString Hold(const std::filesystem::path& file, std::optional<std::uint64_t> hash, HoldMode mode,
                 const std::string& user);
    // A project without a file: the lock held is released.
    void Forget();

    // Whether file is held read-only, to be saved only under another name.
    bool IsReadOnly(const std::filesystem::path& file) const;
    // The hash of file's bytes as last read or written; nothing for another
    // file or when unknown.
    std::optional<std::uint64_t> KnownHash(const std::filesystem::path& file) const;

    // Before the project is written to file. The held file whose bytes are
    // no longer those last read or written (or unknown while the file
    // exists) asks: save anyway (keeping the other version), reload, or
    // cancel. Another file, open in another running editor, asks whether to
    // replace it.
    SaveCheck CheckBeforeSave(const std::filesystem::path& file, const std::filesystem::path& backup);

    // « « court.vid » est déjà ouvert dans Shotweave par Anne (atelier)
    // depuis le 9 décembre 2026 à 10:03. »
    static QString HeldText(const std::filesystem::path& file, const LockHolder& holder);

private:
    void Release();

    EditorIdentity self_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    std::filesystem::path file_;  // the file held; empty for none
    std::optional<std::uint64_t> hash_;
    HoldMode mode_ = HoldMode::Normal;
    bool locked_ = false;  // whether this editor wrote file_'s lock
};

} // namespace sw
