#pragma once

#include <array>
#include <string>

#include <QObject>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace sw {

class TUserPrompts;
struct TProjectPaths;

// The picture panel of the breakdown tab: the shot's start picture and its
// end picture, each with the button that opens the picture chooser. A
// picture is known by its file name inside the project's image folder.
class TShotPictures : public QObject {
    Q_OBJECT
public:
    TShotPictures(const TProjectPaths& paths, TUserPrompts& prompts, QWidget* page);

    // Shows picture k (0 start, 1 end) from its file name; an empty name, or
    // one that is not a plain file of the image folder, shows nothing.
    void ShowImage(int k, const std::string& fileName);
    // The file name of the picture shown as k.
    std::string ImageName(int k) const;
    void Clear();

signals:
    // The user chose another picture.
    void changed();

private:
    void getImgBtnClick(int k);

    const TProjectPaths& paths_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    QFrame* PictPanel = nullptr;
    std::array<QLabel*, 2> images{};
    std::array<QPushButton*, 2> imgButtons{};
    QLabel* finLabel = nullptr;
};

} // namespace sw
