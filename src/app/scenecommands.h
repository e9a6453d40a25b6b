#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include <QObject>

#include "app/usercommand.h"

class QMenu;
class QPoint;
class QWidget;

namespace sw {

class TDocument;
class TUserPrompts;
struct ShotListRow;

// The scene commands of the shot list: a new scene from the shown shot, the
// shown shot's scene edited, deleted (its shots kept) or moved with its
// shots, the shown shot put in another scene; in the "Scènes" menu and in
// a scene header's context menu. Each one is a step of the document.
class TSceneCommands : public QObject {
    Q_OBJECT
public:
    // shownShot gives the shown shot, -1 for none.
    TSceneCommands(TDocument& document, TUserPrompts& prompts, QWidget* dialogParent, std::function<int()> shownShot,
                   QObject* parent);

    void AddSceneActions(QMenu* menu);
    // The header's menu at globalPos: its scene's commands, and folding.
    void ShowHeaderMenu(const ShotListRow& header, const QPoint& globalPos, const std::function<void()>& toggleFolded);

private:
    template <typename Command>
    void Run(Command&& command)
    {
        RunUserCommand(prompts_, dialogParent_, std::forward<Command>(command));
    }
    // The shown shot's scene, if it has one.
    std::optional<std::size_t> ShownScene() const;
    void NewScene();
    void EditScene(std::size_t scene);
    void PutShownShotInScene();

    TDocument& document_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    std::function<int()> shownShot_;
};

} // namespace sw
