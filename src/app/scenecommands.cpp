#include "app/scenecommands.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QStringList>

#include "app/userprompts.h"
#include "editing/document.h"
#include "model/sceneplan.h"
#include "qtshared/uitext.h"

namespace sw {

TSceneCommands::TSceneCommands(TDocument& document, TUserPrompts& prompts, QWidget* dialogParent,
                               std::function<int()> shownShot, QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts), dialogParent_(dialogParent),
      shownShot_(std::move(shownShot))
{
}

std::optional<std::size_t> TSceneCommands::ShownScene() const
{
    const int shot = shownShot_();
    if (shot < 0 || static_cast<std::size_t>(shot) >= document_.Shots().Count())
        return std::nullopt;
    const std::vector<TScene>& scenes = document_.Project().Scenes;
    const std::size_t scene = SceneIndex(scenes, document_.Shots().Event(static_cast<std::size_t>(shot)).scene);
    return scene < scenes.size() ? std::optional(scene) : std::nullopt;
}

void TSceneCommands::AddSceneActions(QMenu* menu)
{
    struct Entry {
        const char* name;
        QString caption;
        QKeySequence shortcut;
        std::function<void()> run;
        bool needsScene;
    };
    const auto onShownScene = [this](std::function<void(std::size_t)> command) {
        return [this, command] {
            if (const std::optional<std::size_t> scene = ShownScene())
                command(*scene);
        };
    };
    const Entry entries[] = {
        {"mSceneNew", QStringLiteral("&Nouvelle scène à partir de ce plan..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N),
         [this] { NewScene(); }, false},
        {"mSceneEdit", QStringLiteral("&Modifier la scène..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E),
         onShownScene([this](std::size_t scene) { EditScene(scene); }), true},
        {"mSceneDelete", QStringLiteral("&Supprimer la scène (ses plans restent)"), QKeySequence(),
         onShownScene([this](std::size_t scene) { document_.DeleteScene(scene); }), true},
        {"mSceneUp", QStringLiteral("Monter la scène"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Up),
         onShownScene([this](std::size_t scene) { document_.MoveScene(scene, -1); }), true},
        {"mSceneDown", QStringLiteral("Descendre la scène"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Down),
         onShownScene([this](std::size_t scene) { document_.MoveScene(scene, 1); }), true},
        {"mShotToScene", QStringLiteral("Mettre le &plan dans la scène..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
         [this] { PutShownShotInScene(); }, false},
    };
    QList<std::pair<QAction*, bool>> actions;
    for (const Entry& entry : entries) {
        if (entry.name == std::string_view("mShotToScene"))
            menu->addSeparator();
        QAction* action = menu->addAction(entry.caption);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(entry.shortcut);
        connect(action, &QAction::triggered, this, [this, run = entry.run] { Run(run); });
        actions.append({action, entry.needsScene});
    }
    // What the shown shot allows now.
    connect(menu, &QMenu::aboutToShow, this, [this, actions] {
        const bool shot = shownShot_() >= 0;
        const bool scene = ShownScene().has_value();
        for (const auto& [action, needsScene] : actions)
            action->setEnabled(needsScene ? scene : action->objectName() != QLatin1String("mShotToScene") || (shot && !document_.Project().Scenes.empty()));
    });
}

void TSceneCommands::ShowHeaderMenu(const ShotListRow& header, const QPoint& globalPos,
                                    const std::function<void()>& toggleFolded)
{
    const std::size_t scene = header.scene;
    const bool real = scene < document_.Project().Scenes.size();
    QMenu menu(dialogParent_);
    menu.setObjectName(QStringLiteral("sceneHeaderMenu"));
    const auto add = [&](const char* name, const QString& caption, bool enabled, std::function<void()> run) {
        QAction* action = menu.addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, run = std::move(run)] { Run(run); });
    };
    add("mHeaderFold", QStringLiteral("&Replier ou déplier"), true, toggleFolded);
    menu.addSeparator();
    add("mHeaderEdit", QStringLiteral("&Modifier la scène..."), real, [this, scene] { EditScene(scene); });
    add("mHeaderDelete", QStringLiteral("&Supprimer la scène (ses plans restent)"), real,
        [this, scene] { document_.DeleteScene(scene); });
    add("mHeaderUp", QStringLiteral("Mon&ter la scène"), real && scene > 0, [this, scene] { document_.MoveScene(scene, -1); });
    add("mHeaderDown", QStringLiteral("&Descendre la scène"), real && scene + 1 < document_.Project().Scenes.size(),
        [this, scene] { document_.MoveScene(scene, 1); });
    menu.exec(globalPos);
}

void TSceneCommands::NewScene()
{
    TScene scene;
    if (!prompts_.EditScene(dialogParent_, QStringLiteral("Nouvelle scène"), scene))
        return;
    const int shot = shownShot_();
    document_.AddScene(scene, shot >= 0 ? std::optional(static_cast<std::size_t>(shot)) : std::nullopt);
}

void TSceneCommands::EditScene(std::size_t scene)
{
    TScene edited = document_.Project().Scenes.at(scene);
    if (prompts_.EditScene(dialogParent_, QStringLiteral("Modifier la scène"), edited))
        document_.EditScene(scene, edited);
}

void TSceneCommands::PutShownShotInScene()
{
    const int shot = shownShot_();
    const std::vector<TScene>& scenes = document_.Project().Scenes;
    if (shot < 0 || scenes.empty())
        return;
    QStringList titles;
    for (const TScene& scene : scenes)
        titles << uitext::ToQString(SceneTitle(&scene));
    titles << uitext::ToQString(SceneTitle(nullptr));
    const std::optional<std::size_t> current = ShownScene();
    const std::optional<int> chosen =
        prompts_.ChooseScene(dialogParent_, QStringLiteral("Mettre le plan dans la scène :"), titles,
                             static_cast<int>(current.value_or(scenes.size())));
    if (chosen && *chosen >= 0 && *chosen < titles.size())
        document_.PutShotInScene(static_cast<std::size_t>(shot), static_cast<std::size_t>(*chosen));
}

} // namespace sw
