#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>
#include <string>

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "document/projectdocument.h"
#include "model/shotfields.h"
#include "timeline/animaticsettings.h"

namespace sw {

struct ScreenplayPart;
struct ShotBlockMove;
struct ShotSceneChange;

// The general information's fields.
enum class InfoField { Title, Creator, Comment, Idea, Synopsis };
// The text of a general-information field of the project.
const std::string& InfoString(const ProjectDocument& project, InfoField field);
// The report's fields.
enum class ReportField { Text, FileName, External };

// The open project as the editor edits it: it owns the project, its undo
// stack and whether it differs from its file, and tells its views what each
// change touched. Every edit is a command on it, done and undone on the
// project itself; the views only show what it announces and send it edits.
//
// Typing in one field is one step until EndTyping (the user leaves the
// field) or another command comes. An edit that changes nothing pushes
// nothing. Reading the project (an autosave, a save, an export) changes
// nothing of the history.
class TDocument : public QObject {
    Q_OBJECT
public:
    TDocument();
    ~TDocument() override;

    const ProjectDocument& Project() const { return project_; }
    const TEventList& Shots() const { return project_.EventList; }

    // The project replaced by another (new, opened, recovered): a new
    // history, unmodified unless modified is set (a recovered copy).
    void Reset(ProjectDocument project, bool modified = false);
    bool IsModified() const { return modified_ || !stack_.isClean(); }
    // The project has just been written: this place of the history is the
    // file's, and the project is as a file of this version holds it.
    void MarkSaved();

    // --- the commands; shot indexes are 0-based and must lie in the list.

    // The user typing or choosing a value; text fields merge into one step.
    void SetShotField(std::size_t index, ShotField field, const ShotFieldValue& value);
    // A new name given through the name dialog: a step of its own.
    void RenameShot(std::size_t index, const std::string& name);
    // Puts shot at index (Count() appends); verb names the step: "Ajouter",
    // "Insérer", "Dupliquer". Throws sw::Error, changing nothing, when the
    // list is full.
    void PutShot(std::size_t index, const TEvent& shot, const char* verb);
    // A copy of the shot at index put after it, named by CopyName; throws
    // as PutShot does.
    void DuplicateShot(std::size_t index);
    void DeleteShot(std::size_t index);
    // Takes the shot out at from and puts it at to, counted after the removal.
    void MoveShot(std::size_t from, std::size_t to);
    void SetInfoField(InfoField field, const std::string& value);
    void SetReportText(const std::string& text);
    void SetReportFileName(const std::string& fileName);
    void SetReportExternal(bool external);
    // The whole shot list replaced by shots in one step named text (a cut
    // taken back); nothing when it is the same list.
    void ReplaceShots(const TEventList& shots, const QString& text);
    // Gives each shot without an id a new one, as the first timeline export
    // needs. Not a step of the history: an id a timeline carries must never
    // be taken back, so the project is marked modified instead. Returns how
    // many shots got one.
    std::size_t GiveShotIds();
    // The animatic's settings (default duration, motion, rate, soundtrack),
    // kept in the project: one step; nothing when they are the same.
    void SetAnimaticSettings(const AnimaticSettings& settings);
    // --- the scenes; a scene's index is its place in Project().Scenes,
    // Scenes.size() for none.

    // A new scene (its id given here) that takes the shot at fromShot and
    // the shots after it in its scene or run of shots without one; without
    // fromShot, a scene without shots after the others.
    void AddScene(TScene scene, std::optional<std::size_t> fromShot);
    // The scene's number, heading, synopsis and mark; its id stays.
    void EditScene(std::size_t index, const TScene& scene);
    // The scene goes; its shots stay where they are, in no scene.
    void DeleteScene(std::size_t index);
    // The scene and its shots change places with the scene before (step -1)
    // or after (step 1).
    void MoveScene(std::size_t index, int step);
    // The shot joins the scene (at the end of its shots), or leaves its own
    // for none (just after it).
    void PutShotInScene(std::size_t shot, std::size_t scene);
    // Takes the shot out at from and puts it at to in the scene with id
    // scene, or in the one its new neighbours give when that would split a
    // scene (SceneForPlace).
    void MoveShotToScene(std::size_t from, std::size_t to, const std::string& scene);

    // The project as a screenplay import made it (its title and authors,
    // shots, scenes and extension entries taken from updated, the rest
    // kept): one step named text; nothing when it changes nothing.
    void ApplyScreenplay(const ProjectDocument& updated, const QString& text);

    void SetStyles(const TStylePrefs& styles);
    void SetLayout(const THTMPrefs& layout);
    // The typing in progress ends: the next edit of that field is a new step.
    void EndTyping();

    // The history.
    void Undo();
    void Redo();
    bool CanUndo() const { return stack_.canUndo(); }
    bool CanRedo() const { return stack_.canRedo(); }
    QString UndoText() const { return stack_.undoText(); }
    QString RedoText() const { return stack_.redoText(); }
    int StepCount() const { return stack_.count(); }

    // --- for the commands: each change, made and announced.
    void ApplyField(std::size_t index, ShotField field, const ShotFieldValue& value);
    void ApplyPut(std::size_t index, const TEvent& shot);
    void ApplyDelete(std::size_t index);
    void ApplyMove(std::size_t from, std::size_t to);
    void ApplyBlockMove(std::size_t first, std::size_t count, std::size_t to);
    void ApplyScreenplayPart(const ScreenplayPart& part);
    // The scenes replaced (the shots' scenes already set): announced.
    void ApplyScenes(const std::vector<TScene>& scenes);
    ProjectDocument& MutableProject() { return project_; }
    void AnnounceInfo(InfoField field) { emit infoChanged(field); }
    void AnnounceReport() { emit reportChanged(); }
    void AnnounceStyles() { emit stylesChanged(); }
    void AnnounceLayout() { emit layoutChanged(); }
    // What a typing step may merge with: it grows with every EndTyping.
    int TypingRound() const { return typingRound_; }

signals:
    // A field of the shot at index changed.
    void shotChanged(std::size_t index, sw::ShotField field);
    // A shot was put at index, taken out of index, or moved.
    void shotInserted(std::size_t index);
    void shotRemoved(std::size_t index);
    void shotMoved(std::size_t from, std::size_t to);
    // The whole project was replaced.
    void projectReset();
    // The whole list changed at once (ReplaceShots, its undo and redo).
    void shotsReplaced();
    void animaticSettingsChanged();
    // The scenes, or which shots are in which, changed.
    void scenesChanged();
    void infoChanged(sw::InfoField field);
    void reportChanged();
    void stylesChanged();
    void layoutChanged();
    // A step over the shot at index was undone or redone: the views show it.
    void shotStepShown(std::size_t index);
    void modifiedChanged(bool modified);
    // The captions of the next undo and redo, or whether there are any, changed.
    void historyChanged();

private:
    void Push(QUndoCommand* command);
    // The step of a scene change: the shots' scenes as changes give them
    // after the block move, the scenes put in the order of their shots.
    void PushSceneStep(const QString& text, std::vector<TScene> after, std::optional<ShotBlockMove> move,
                       std::vector<ShotSceneChange> changes, std::optional<std::size_t> shownBefore,
                       std::optional<std::size_t> shownAfter);
    template <typename Value>
    void SetReportPart(Value TsRprt::*part, const Value& value, int mergeKey);
    // Tells the views the shot of a step just undone or redone.
    void ShowStepShot(const QUndoCommand* step, bool undone);
    void TellModified();

    ProjectDocument project_;
    QUndoStack stack_;
    bool modified_ = false;
    bool shownModified_ = false;
    int typingRound_ = 0;
};

} // namespace sw
