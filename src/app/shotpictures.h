#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QSize>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace sw {

class TAppSettings;
class TUserPrompts;
struct TProjectPaths;

// The picture panel of the breakdown tab: the shot's start picture and its
// end picture, each in a box of its own with the button that opens the
// picture chooser. A picture is known by its file name inside the project's
// image folder, as in the model; the panel keeps that name
// whatever becomes of the file, and a picture whose file cannot be shown
// shows its name in the box instead.
class TShotPictures : public QObject {
    Q_OBJECT
public:
    // Imported pictures are reduced to the settings' largest picture side.
    TShotPictures(const TProjectPaths& paths, const TAppSettings& settings, TUserPrompts& prompts, QWidget* page);

    // Shows picture k (0 start, 1 end) from its file name. The file is
    // decoded once, at the size of its box, until another name or another
    // version of the file is shown there.
    void ShowImage(int k, const std::string& fileName);
    // The file name of picture k, as last shown or chosen.
    std::string ImageName(int k) const;
    void Clear();
    // Off while no shot is shown: the buttons and dropped pictures do nothing.
    void SetEnabled(bool enabled);

    // The command that saves a project that has no file yet under a name the
    // user chooses; a picture button offers it, since pictures need the
    // project's image folder.
    void SetSaveCommand(std::function<void()> save);
    // The panel, for the tab's layout.
    QFrame* Panel() const { return PictPanel; }
    // The box of picture k, where pictures can be dropped.
    QLabel* Box(int k) const { return images[static_cast<std::size_t>(k)]; }
    // Picture files dropped on box k: each is imported into the image
    // folder, and the first one imported becomes picture k.
    void DropPictures(int k, const std::vector<std::filesystem::path>& files);

signals:
    // The user chose another picture.
    void changed();

protected:
    // A box that changes size shows its picture again at the new size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What box k shows, so that showing the same file again decodes nothing.
    struct Shown {
        std::filesystem::path file;
        QSize box;
        std::filesystem::file_time_type time{};
        std::uintmax_t size = 0;
        bool decoded = false;
    };

    void getImgBtnClick(int k);
    // Whether the project has its image folder, after offering to save it.
    bool HasImageFolder();
    // Makes name picture k and tells a change.
    void TakeImage(int k, const std::string& name);
    void ShowPlaceholder(int k, const QString& text);
    // Imports source into the image folder: its name there, or nothing after
    // telling the user, over parent, why not.
    std::optional<std::string> Import(QWidget* parent, const std::filesystem::path& source);
    // The chooser's "Importer...": the file the user picks, imported.
    std::optional<QString> ImportChosenFile(QWidget* chooser);

    const TProjectPaths& paths_;
    const TAppSettings& settings_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    std::function<void()> save_;
    std::array<std::string, 2> names_;
    std::array<Shown, 2> shown_;
    QString importFolder_;
    QFrame* PictPanel = nullptr;
    std::array<QLabel*, 2> images{};
    std::array<QPushButton*, 2> imgButtons{};
    QLabel* finLabel = nullptr;
};

} // namespace sw
