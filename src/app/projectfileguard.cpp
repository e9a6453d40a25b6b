#include "app/projectfileguard.h"

#include <chrono>
#include <system_error>
#include <utility>

#include "app/recoveryoffer.h"
#include "app/userprompts.h"
#include "document/projectfile.h"
#include "model/isotime.h"
#include "qtshared/uitext.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

QString Quoted(const fs::path& file)
{
    return QStringLiteral("« ") + uitext::PathToQString(file.filename()) + QStringLiteral(" »");
}

} // namespace

TProjectFileGuard::TProjectFileGuard(EditorIdentity self, TUserPrompts& prompts, QWidget* dialogParent)
    : self_(std::move(self)), prompts_(prompts), dialogParent_(dialogParent)
{
}

TProjectFileGuard::~TProjectFileGuard()
{
    Release();
}

QString TProjectFileGuard::HeldText(const fs::path& file, const LockHolder& holder)
{
    QString who = uitext::FromUtf8(holder.user);
    if (!holder.editor.host.empty())
        who += QStringLiteral(" (") + uitext::FromUtf8(holder.editor.host) + QStringLiteral(")");
    QString text = Quoted(file) + QStringLiteral(" est déjà ouvert dans Shotweave par ") + who;
    if (!holder.since.empty())
        text += QStringLiteral(" depuis le ") + TRecoveryOffer::FrenchDateTime(holder.since);
    return text + QStringLiteral(".");
}

std::optional<HoldMode> TProjectFileGuard::AskBeforeOpen(const fs::path& file)
{
    const std::optional<LockHolder> holder = OtherRunningHolder(file, self_);
    if (!holder)
        return HoldMode::Normal;
    switch (prompts_.AskOpenLocked(dialogParent_, HeldText(file, *holder))) {
    case LockedAnswer::ReadOnly:
        return HoldMode::ReadOnly;
    case LockedAnswer::OpenAnyway:
        return HoldMode::Unlocked;
    case LockedAnswer::Cancel:
        break;
    }
    return std::nullopt;
}

QString TProjectFileGuard::Hold(const fs::path& file, std::optional<std::uint64_t> hash, HoldMode mode,
                                const std::string& user)
{
    if (file != file_ || mode != HoldMode::Normal)
        Release();
    file_ = file;
    hash_ = hash;
    mode_ = mode;
    if (mode == HoldMode::ReadOnly)
        return Quoted(file) + QStringLiteral(" ouvert en lecture seule : l'enregistrer demandera un autre nom.");
    if (mode != HoldMode::Normal || locked_)
        return {};
    const LockAttempt attempt = TakeProjectLock(file, {user, self_, IsoLocalTime(std::chrono::system_clock::now())});
    switch (attempt.result) {
    case LockResult::Taken:
        locked_ = true;
        return {};
    case LockResult::HeldByOther:
        // Written under another name onto a file open elsewhere, as the user
        // confirmed: that editor keeps its lock and will be asked at its save.
        mode_ = HoldMode::Unlocked;
        return {};
    case LockResult::NotWritable:
        break;
    }
    return Quoted(file) + QStringLiteral(" ouvert sans verrou (") + uitext::FromUtf8(attempt.problem)
           + QStringLiteral(") : les autres éditeurs ne seront pas prévenus.");
}

void TProjectFileGuard::Forget()
{
    Release();
    file_.clear();
    hash_.reset();
    mode_ = HoldMode::Normal;
}

void TProjectFileGuard::Release()
{
    if (locked_)
        ReleaseProjectLock(file_, self_);
    locked_ = false;
}

bool TProjectFileGuard::IsReadOnly(const fs::path& file) const
{
    return file == file_ && mode_ == HoldMode::ReadOnly;
}

std::optional<std::uint64_t> TProjectFileGuard::KnownHash(const fs::path& file) const
{
    return file == file_ ? hash_ : std::nullopt;
}

SaveCheck TProjectFileGuard::CheckBeforeSave(const fs::path& file, const fs::path& backup)
{
    std::error_code ignored;
    if (file != file_) {
        const std::optional<LockHolder> holder = OtherRunningHolder(file, self_);
        if (!holder || prompts_.AskYesNo(dialogParent_, HeldText(file, *holder),
                                         QStringLiteral("Le remplacer quand même ?")))
            return SaveCheck::Save;
        return SaveCheck::Cancel;
    }
    const bool exists = fs::exists(fs::symlink_status(file, ignored));
    const bool changed = hash_ ? FileChangedSince(file, *hash_) && exists : exists;
    if (!changed)
        return SaveCheck::Save;
    const QString text = QStringLiteral("Le fichier ") + Quoted(file)
                         + QStringLiteral(" a changé sur le disque depuis que vous l'avez ouvert ou enregistré : "
                                          "un autre éditeur ou un autre programme l'a remplacé.");
    const QString choices = QStringLiteral("« Enregistrer quand même » garde l'autre version dans ") + Quoted(backup)
                            + QStringLiteral(". « Recharger » ouvre la version du disque et abandonne vos "
                                             "modifications.");
    switch (prompts_.AskChangedOnDisk(dialogParent_, text, choices)) {
    case DiskChangeAnswer::SaveAnyway:
        return SaveCheck::SaveKeepingOther;
    case DiskChangeAnswer::Reload:
        return SaveCheck::Reload;
    case DiskChangeAnswer::Cancel:
        break;
    }
    return SaveCheck::Cancel;
}

} // namespace sw
