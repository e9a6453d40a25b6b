#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QString>
#include <QUndoCommand>

#include "editing/document.h"
#include "model/event.h"
#include "model/eventlist.h"
#include "model/scene.h"
#include "model/shotfields.h"

namespace sw {

// A step's text over the shot named name: "Modifier le plan « Café »".
QString ShotStepText(const char* verb, const std::string& name);

// A command on the document. Each one holds only what it changes, so that a
// step costs the same in a project of ten thousand shots as in one of ten;
// redo does the change (the push runs it), undo takes it back.
class TDocumentCommand : public QUndoCommand {
public:
    TDocumentCommand(TDocument& document, const QString& text) : QUndoCommand(text), document_(document) {}
    // The shot the views show once the step is undone (undone set) or
    // redone; nothing for a step over no shot.
    virtual std::optional<std::size_t> ShotToShow(bool undone) const = 0;

protected:
    TDocument& document_;
};

// One field of one shot, before and after. Typing steps of the same field of
// the same shot in the same typing round merge into one; a merged step
// that ends where it began goes.
class TShotFieldCommand : public TDocumentCommand {
public:
    TShotFieldCommand(TDocument& document, const QString& text, std::size_t index, ShotField field,
                      ShotFieldValue before, ShotFieldValue after, bool typing);
    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;
    std::optional<std::size_t> ShotToShow(bool) const override { return index_; }

private:
    std::size_t index_;
    ShotField field_;
    ShotFieldValue before_;
    ShotFieldValue after_;
    bool typing_;
    int round_;
};

// A shot put at index (added, inserted, duplicated), or taken out of it
// (deleted) when removal is set.
class TPlaceShotCommand : public TDocumentCommand {
public:
    TPlaceShotCommand(TDocument& document, const QString& text, std::size_t index, TEvent shot, bool removal);
    void undo() override;
    void redo() override;
    std::optional<std::size_t> ShotToShow(bool undone) const override;

private:
    void Put();
    void Take();

    std::size_t index_;
    TEvent shot_;
    bool removal_;
};

// A shot taken out at from and put at to, counted after the removal.
class TMoveShotCommand : public TDocumentCommand {
public:
    TMoveShotCommand(TDocument& document, const QString& text, std::size_t from, std::size_t to);
    void undo() override;
    void redo() override;
    std::optional<std::size_t> ShotToShow(bool undone) const override { return undone ? from_ : to_; }

private:
    std::size_t from_;
    std::size_t to_;
};

// Shots first to first + count - 1 taken out and put back so that the
// first of them stands at to.
struct ShotBlockMove {
    std::size_t first = 0;
    std::size_t count = 0;
    std::size_t to = 0;
};

// The scene of the shot at shot (after the block move), before and after.
struct ShotSceneChange {
    std::size_t shot = 0;
    std::string before;
    std::string after;
};

// A change of the film's scenes: the scenes before and after, a block of
// shots moved and the shots' new scenes. It holds the scenes (a few hundred
// lines at most) and only the shots it changes.
class TSceneCommand : public TDocumentCommand {
public:
    TSceneCommand(TDocument& document, const QString& text, std::vector<TScene> before, std::vector<TScene> after,
                  std::optional<ShotBlockMove> move, std::vector<ShotSceneChange> changes,
                  std::optional<std::size_t> shownBefore, std::optional<std::size_t> shownAfter);
    void undo() override;
    void redo() override;
    std::optional<std::size_t> ShotToShow(bool undone) const override { return undone ? shownBefore_ : shownAfter_; }

private:
    std::vector<TScene> before_;
    std::vector<TScene> after_;
    std::optional<ShotBlockMove> move_;
    std::vector<ShotSceneChange> changes_;
    std::optional<std::size_t> shownBefore_;
    std::optional<std::size_t> shownAfter_;
};

// What a screenplay brought into the project changes: the title and the
// authors, the shots, the scenes and the extension block's entries (where
// the import keeps what it gave), before and after.
struct ScreenplayPart {
    std::string title;
    std::string creator;
    TEventList shots;
    std::vector<TScene> scenes;
    std::map<std::string, std::string> extensions;

    static ScreenplayPart Of(const ProjectDocument& project);
    bool operator==(const ScreenplayPart&) const = default;
};

class TScreenplayCommand : public TDocumentCommand {
public:
    TScreenplayCommand(TDocument& document, const QString& text, ScreenplayPart before, ScreenplayPart after)
        : TDocumentCommand(document, text), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { document_.ApplyScreenplayPart(before_); }
    void redo() override { document_.ApplyScreenplayPart(after_); }
    std::optional<std::size_t> ShotToShow(bool) const override { return std::nullopt; }

private:
    ScreenplayPart before_;
    ScreenplayPart after_;
};

// One value of the project outside the shots (a general-information field,
// the report, the style set, the page layout), before and after. A step with
// a merge key merges with the next one of the same key in the same typing
// round; -1 merges with nothing.
template <typename Value>
class TValueCommand : public TDocumentCommand {
public:
    using Access = std::function<Value&(ProjectDocument&)>;
    TValueCommand(TDocument& document, const QString& text, Access access, std::function<void()> announce,
                  Value before, Value after, int mergeKey, int round)
        : TDocumentCommand(document, text), access_(std::move(access)), announce_(std::move(announce)),
          before_(std::move(before)), after_(std::move(after)), mergeKey_(mergeKey), round_(round)
    {
    }
    void undo() override { Put(before_); }
    void redo() override { Put(after_); }
    int id() const override { return mergeKey_ < 0 ? -1 : kValueCommandId + mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = dynamic_cast<const TValueCommand*>(other);
        if (next == nullptr || next->mergeKey_ != mergeKey_ || next->round_ != round_)
            return false;
        after_ = next->after_;
        setObsolete(after_ == before_);
        return true;
    }
    std::optional<std::size_t> ShotToShow(bool) const override { return std::nullopt; }

    static constexpr int kValueCommandId = 1000;

private:
    void Put(const Value& value)
    {
        access_(document_.MutableProject()) = value;
        announce_();
    }

    Access access_;
    std::function<void()> announce_;
    Value before_;
    Value after_;
    int mergeKey_;
    int round_;
};

} // namespace sw
