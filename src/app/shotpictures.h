#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QFutureWatcher>
#include <QImage>
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
    // decoded at the size of its box on a worker thread, so that a large
    // picture never holds the window; the box is filled when it is done. A
    // version of the file decoded lately at that size is shown at once.
    void ShowImage(int k, const std::string& fileName);
    // Whether a picture is still being decoded for one of the boxes.
    bool IsDecoding() const;
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
    // The user chose another picture for box k.
    void changed(int k);
    // Box k shows the picture it was asked for, or why it cannot.
    void shown(int k);

protected:
    // A box that changes size shows its picture again at the new size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A version of a picture file at a box size: what box k shows or waits
    // for, so that showing the same file again decodes nothing.
    struct Shown {
        std::filesystem::path file;
        QSize box;
        std::filesystem::file_time_type time{};
        std::uintmax_t size = 0;
        bool decoded = false;

        bool SameAs(const Shown& other) const;
    };
    // A decoding on its way to box k: what it decodes and the watcher that
    // brings the image back to the window's thread.
    struct Decoded {
        QImage picture;
        // A null picture whose header claims more pixels than are decoded.
        bool tooLarge = false;
    };
    struct Decoding {
        Shown wanted;
        std::unique_ptr<QFutureWatcher<Decoded>> watcher;
    };

    void getImgBtnClick(int k);
    // Whether the project has its image folder, after offering to save it.
    bool HasImageFolder();
    // Makes name picture k and tells a change.
    void TakeImage(int k, const std::string& name);
    void ShowPlaceholder(int k, const QString& text);
    // Puts the decoded picture (or why there is none) in box k.
    void ShowDecoded(int k, const Shown& wanted, const Decoded& decoded);
    void Decode(int k, const Shown& wanted);
    // A picture decoded lately at that size, or a null image.
    QImage Recent(const Shown& wanted) const;
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
    std::array<Decoding, 2> decoding_;
    // The pictures decoded last, newest first, so that going back and forth
    // between shots shows them at once.
    std::deque<std::pair<Shown, QImage>> recent_;
    QString importFolder_;
    QFrame* PictPanel = nullptr;
    std::array<QLabel*, 2> images{};
    std::array<QPushButton*, 2> imgButtons{};
    QLabel* finLabel = nullptr;
};

} // namespace sw
