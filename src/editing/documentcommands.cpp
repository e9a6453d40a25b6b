#include "editing/documentcommands.h"

#include <algorithm>

#include "editing/document.h"
#include "qtshared/uitext.h"

namespace sw {

namespace {

constexpr int kShotFieldCommandId = 1;

} // namespace

QString ShotStepText(const char* verb, const std::string& name)
{
    return QString::fromUtf8(verb) + QStringLiteral(" le plan « ") + uitext::ToQString(name) + QStringLiteral(" »");
}

TShotFieldCommand::TShotFieldCommand(TDocument& document, const QString& text, std::size_t index, ShotField field,
                                     ShotFieldValue before, ShotFieldValue after, bool typing)
    : TDocumentCommand(document, text), index_(index), field_(field), before_(std::move(before)),
      after_(std::move(after)), typing_(typing), round_(document.TypingRound())
{
}

void TShotFieldCommand::undo()
{
    document_.ApplyField(index_, field_, before_);
}

void TShotFieldCommand::redo()
{
    document_.ApplyField(index_, field_, after_);
}

int TShotFieldCommand::id() const
{
    return typing_ ? kShotFieldCommandId : -1;
}

bool TShotFieldCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const TShotFieldCommand*>(other);
    if (next == nullptr || !next->typing_ || next->index_ != index_ || next->field_ != field_
        || next->round_ != round_)
        return false;
    after_ = next->after_;
    // Typed back to what it was: no step is left.
    setObsolete(after_ == before_);
    return true;
}

TPlaceShotCommand::TPlaceShotCommand(TDocument& document, const QString& text, std::size_t index, TEvent shot,
                                     bool removal)
    : TDocumentCommand(document, text), index_(index), shot_(std::move(shot)), removal_(removal)
{
}

void TPlaceShotCommand::undo()
{
    removal_ ? Put() : Take();
}

void TPlaceShotCommand::redo()
{
    removal_ ? Take() : Put();
}

void TPlaceShotCommand::Put()
{
    document_.ApplyPut(index_, shot_);
}

void TPlaceShotCommand::Take()
{
    document_.ApplyDelete(index_);
}

std::optional<std::size_t> TPlaceShotCommand::ShotToShow(bool undone) const
{
    // Where the shot is, or the one before the place it left.
    const bool present = undone == removal_;
    if (present || index_ == 0)
        return index_;
    return index_ - 1;
}

TMoveShotCommand::TMoveShotCommand(TDocument& document, const QString& text, std::size_t from, std::size_t to)
    : TDocumentCommand(document, text), from_(from), to_(to)
{
}

void TMoveShotCommand::undo()
{
    document_.ApplyMove(to_, from_);
}

void TMoveShotCommand::redo()
{
    document_.ApplyMove(from_, to_);
}

TSceneCommand::TSceneCommand(TDocument& document, const QString& text, std::vector<TScene> before,
                             std::vector<TScene> after, std::optional<ShotBlockMove> move,
                             std::vector<ShotSceneChange> changes, std::optional<std::size_t> shownBefore,
                             std::optional<std::size_t> shownAfter)
    : TDocumentCommand(document, text), before_(std::move(before)), after_(std::move(after)), move_(move),
      changes_(std::move(changes)), shownBefore_(shownBefore), shownAfter_(shownAfter)
{
}

void TSceneCommand::redo()
{
    if (move_)
        document_.ApplyBlockMove(move_->first, move_->count, move_->to);
    for (const ShotSceneChange& change : changes_)
        document_.MutableProject().EventList.Event(change.shot).scene = change.after;
    document_.ApplyScenes(after_);
}

void TSceneCommand::undo()
{
    for (const ShotSceneChange& change : changes_)
        document_.MutableProject().EventList.Event(change.shot).scene = change.before;
    if (move_)
        document_.ApplyBlockMove(move_->to, move_->count, move_->first);
    document_.ApplyScenes(before_);
}

} // namespace sw
