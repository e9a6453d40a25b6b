#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace sw {

class TEditorApp;
class TUserPrompts;

// Fichier > "Importer un scénario…": a Fountain or Final Draft screenplay
// brought into the project. A project still as new (no scenes, shots with
// nothing typed) becomes the screenplay's plan; any other is updated from
// it as a revision, after its summary, in one step. The screenplay's file
// is only read.
class TScriptImporting {
public:
    TScriptImporting(TEditorApp& app, TUserPrompts& prompts, QWidget* dialogParent, std::function<QString()> dialogFolder);

    void ImportScriptClick();

private:
    TEditorApp& app_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    std::function<QString()> dialogFolder_;
};

} // namespace sw
