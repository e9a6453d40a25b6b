#include "editing/document.h"

#include <utility>

#include "document/projectfile.h"
#include "editing/documentcommands.h"
#include "model/sceneplan.h"
#include "model/shotentry.h"
#include "model/shotids.h"

namespace sw {

namespace {

// The step texts of the values outside the shots.
QString InfoStepText(InfoField field)
{
    switch (field) {
    case InfoField::Title: return QStringLiteral("Modifier le titre");
    case InfoField::Creator: return QStringLiteral("Modifier les auteurs");
    case InfoField::Comment: return QStringLiteral("Modifier les notes");
    case InfoField::Idea: return QStringLiteral("Modifier l'idée");
    case InfoField::Synopsis: return QStringLiteral("Modifier le synopsis");
    }
    return {};
}

std::string& InfoString(ProjectDocument& project, InfoField field)
{
    TGenInfo& info = project.GenInfo;
    switch (field) {
    case InfoField::Title: return info.title;
    case InfoField::Creator: return info.creator;
    case InfoField::Comment: return info.comment;
    case InfoField::Idea: return info.idea;
    case InfoField::Synopsis: return info.synopsis;
    }
    return info.title;
}

const QString kReportStep = QStringLiteral("Modifier le rapport");

// The merge keys of the values typed outside the shots.
constexpr int kInfoMergeKey = 0;    // + the field
constexpr int kReportMergeKey = 10; // + the report field

} // namespace

const std::string& InfoString(const ProjectDocument& project, InfoField field)
{
    return InfoString(const_cast<ProjectDocument&>(project), field);
}

TDocument::TDocument()
{
    // No limit: the whole session can be undone.
    stack_.setUndoLimit(0);
    connect(&stack_, &QUndoStack::cleanChanged, this, [this] { TellModified(); });
    connect(&stack_, &QUndoStack::indexChanged, this, [this] {
        TellModified();
        emit historyChanged();
    });
}

TDocument::~TDocument() = default;

void TDocument::Reset(ProjectDocument project, bool modified)
{
    stack_.clear();
    project_ = std::move(project);
    modified_ = modified;
    ++typingRound_;
    emit projectReset();
    TellModified();
    emit historyChanged();
}

void TDocument::MarkSaved()
{
    project_.FileVersion = kProjectFileVersion;
    project_.UnknownTrailingBytes = 0;
    modified_ = false;
    stack_.setClean();
    TellModified();
}

void TDocument::Push(QUndoCommand* command)
{
    // The stack runs the command's redo, which makes the change.
    stack_.push(command);
    TellModified();
}

void TDocument::SetShotField(std::size_t index, ShotField field, const ShotFieldValue& value)
{
    const TEvent& shot = project_.EventList.Event(index);
    ShotFieldValue before = GetField(shot, field);
    ShotFieldValue after = StoredValue(shot, field, value);
    if (after == before)
        return;
    const FieldKind kind = FieldInfo(field).kind;
    const bool typing = kind == FieldKind::Text || kind == FieldKind::HtmlText || kind == FieldKind::Number;
    Push(new TShotFieldCommand(*this, ShotStepText("Modifier", shot.name), index, field, std::move(before),
                               std::move(after), typing));
}

void TDocument::RenameShot(std::size_t index, const std::string& name)
{
    const TEvent& shot = project_.EventList.Event(index);
    if (name == shot.name)
        return;
    Push(new TShotFieldCommand(*this, ShotStepText("Renommer", shot.name), index, ShotField::Name, shot.name, name,
                               false));
}

void TDocument::PutShot(std::size_t index, const TEvent& shot, const char* verb)
{
    // A full list refuses the shot before a step is made.
    project_.EventList.CheckInsert(index);
    TEvent put = shot;
    // Among the scenes, it takes one that its place leaves together.
    put.scene = project_.Scenes.empty() ? std::string() : SceneForPlace(project_.EventList, index, shot.scene);
    Push(new TPlaceShotCommand(*this, ShotStepText(verb, shot.name), index, std::move(put), false));
}

void TDocument::DuplicateShot(std::size_t index)
{
    TEvent copy = project_.EventList.Event(index);
    const std::string original = copy.name;
    copy.name = CopyName(project_.EventList, original);
    // A copy is a shot of its own: it gets its own id when a timeline needs one.
    copy.id.clear();
    project_.EventList.CheckInsert(index + 1);
    Push(new TPlaceShotCommand(*this, ShotStepText("Dupliquer", original), index + 1, std::move(copy), false));
}

void TDocument::DeleteShot(std::size_t index)
{
    const TEvent& shot = project_.EventList.Event(index);
    Push(new TPlaceShotCommand(*this, ShotStepText("Supprimer", shot.name), index, shot, true));
}

void TDocument::MoveShot(std::size_t from, std::size_t to)
{
    const std::size_t count = project_.EventList.Count();
    if (from == to || from >= count || to >= count)
        return;
    if (!project_.Scenes.empty()) {
        MoveShotToScene(from, to, project_.EventList.Event(from).scene);
        return;
    }
    Push(new TMoveShotCommand(*this, ShotStepText("Déplacer", project_.EventList.EventName(from)), from, to));
}

void TDocument::SetInfoField(InfoField field, const std::string& value)
{
    std::string& current = InfoString(project_, field);
    if (current == value)
        return;
    Push(new TValueCommand<std::string>(
        *this, InfoStepText(field), [field](ProjectDocument& project) -> std::string& { return InfoString(project, field); },
        [this, field] { AnnounceInfo(field); }, current, value, kInfoMergeKey + static_cast<int>(field), typingRound_));
}

template <typename Value>
void TDocument::SetReportPart(Value TsRprt::*part, const Value& value, int mergeKey)
{
    const TsRprt& report = project_.Report;
    if (report.*part == value)
        return;
    TsRprt after = report;
    after.*part = value;
    // A report typed keeps the caption the editor shows it with.
    if (after.caption.empty() && !after.text.empty())
        after.caption = kEditorReportCaption;
    Push(new TValueCommand<TsRprt>(
        *this, kReportStep, [](ProjectDocument& project) -> TsRprt& { return project.Report; },
        [this] { AnnounceReport(); }, report, after, mergeKey, typingRound_));
}

void TDocument::SetReportText(const std::string& text)
{
    SetReportPart(&TsRprt::text, text, kReportMergeKey + static_cast<int>(ReportField::Text));
}

void TDocument::SetReportFileName(const std::string& fileName)
{
    SetReportPart(&TsRprt::fileName, fileName, kReportMergeKey + static_cast<int>(ReportField::FileName));
}

void TDocument::SetReportExternal(bool external)
{
    SetReportPart(&TsRprt::isExternal, external, -1);
}

void TDocument::SetStyles(const TStylePrefs& styles)
{
    if (styles == project_.StylePrefs)
        return;
    Push(new TValueCommand<TStylePrefs>(
        *this, QStringLiteral("Modifier les styles"),
        [](ProjectDocument& project) -> TStylePrefs& { return project.StylePrefs; }, [this] { AnnounceStyles(); },
        project_.StylePrefs, styles, -1, typingRound_));
}

void TDocument::ReplaceShots(const TEventList& shots, const QString& text)
{
    if (shots == project_.EventList)
        return;
    Push(new TValueCommand<TEventList>(
        *this, text, [](ProjectDocument& project) -> TEventList& { return project.EventList; },
        [this] { emit shotsReplaced(); }, project_.EventList, shots, -1, typingRound_));
}

void TDocument::SetAnimaticSettings(const AnimaticSettings& settings)
{
    ProjectDocument changed;
    changed.Extensions = project_.Extensions;
    StoreAnimaticSettings(changed, settings);
    if (changed.Extensions == project_.Extensions)
        return;
    using Entries = std::map<std::string, std::string>;
    Push(new TValueCommand<Entries>(
        *this, QStringLiteral("Modifier l'animatique"), [](ProjectDocument& project) -> Entries& { return project.Extensions; },
        [this] { emit animaticSettingsChanged(); }, project_.Extensions, changed.Extensions, -1, typingRound_));
}

std::size_t TDocument::GiveShotIds()
{
    const std::size_t given = AssignMissingShotIds(project_.EventList);
    if (given > 0) {
        modified_ = true;
        TellModified();
    }
    return given;
}

void TDocument::SetLayout(const THTMPrefs& layout)
{
    if (layout == project_.HTMPrefs)
        return;
    Push(new TValueCommand<THTMPrefs>(
        *this, QStringLiteral("Modifier la mise en page"),
        [](ProjectDocument& project) -> THTMPrefs& { return project.HTMPrefs; }, [this] { AnnounceLayout(); },
        project_.HTMPrefs, layout, -1, typingRound_));
}

void TDocument::EndTyping()
{
    ++typingRound_;
}

void TDocument::Undo()
{
    if (!stack_.canUndo())
        return;
    ++typingRound_;
    const QUndoCommand* step = stack_.command(stack_.index() - 1);
    stack_.undo();
    ShowStepShot(step, true);
}

void TDocument::Redo()
{
    if (!stack_.canRedo())
        return;
    ++typingRound_;
    const QUndoCommand* step = stack_.command(stack_.index());
    stack_.redo();
    ShowStepShot(step, false);
}

void TDocument::ShowStepShot(const QUndoCommand* step, bool undone)
{
    const auto* command = dynamic_cast<const TDocumentCommand*>(step);
    const std::size_t count = project_.EventList.Count();
    if (command == nullptr || count == 0)
        return;
    if (const std::optional<std::size_t> shot = command->ShotToShow(undone))
        emit shotStepShown(std::min(*shot, count - 1));
}

void TDocument::ApplyField(std::size_t index, ShotField field, const ShotFieldValue& value)
{
    SetField(project_.EventList.Event(index), field, value);
    emit shotChanged(index, field);
}

void TDocument::ApplyPut(std::size_t index, const TEvent& shot)
{
    project_.EventList.InsertEvent(index, shot);
    emit shotInserted(index);
}

void TDocument::ApplyDelete(std::size_t index)
{
    project_.EventList.DeleteEvent(index);
    emit shotRemoved(index);
}

void TDocument::ApplyMove(std::size_t from, std::size_t to)
{
    project_.EventList.MoveEvent(from, to);
    emit shotMoved(from, to);
}

void TDocument::TellModified()
{
    const bool modified = IsModified();
    if (modified == shownModified_)
        return;
    shownModified_ = modified;
    emit modifiedChanged(modified);
}

} // namespace sw
