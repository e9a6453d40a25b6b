#include "app/shotpictures.h"

#include <filesystem>
#include <optional>

#include <QFrame>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/editorapp.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "model/picturename.h"
#include "model/error.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

namespace fs = std::filesystem;
using uitext::ToCp1252;
using uitext::ToQString;

namespace {

constexpr int kImageWidth = 152;
constexpr int kImageHeight = 113;

} // namespace

TShotPictures::TShotPictures(const TProjectPaths& paths, TUserPrompts& prompts, QWidget* page)
    : QObject(page), paths_(paths), prompts_(prompts), dialogParent_(page->window())
{
    PictPanel = new QFrame(page);
    PictPanel->setObjectName(QStringLiteral("PictPanel"));
    PictPanel->setFrameShape(QFrame::StyledPanel);
    PictPanel->setGeometry(508, 2, 178, 364);
    widgets::AddLabel(PictPanel, QStringLiteral("image"), 12, 8);
    finLabel = widgets::AddLabel(PictPanel, QStringLiteral("Fin"), 12, 156);
    finLabel->hide();
    const char* buttonNames[2] = {"getImgBtn1", "getImgBtn2"};
    for (int k = 0; k < 2; ++k) {
        imgButtons[k] = new QPushButton(PictPanel);
        imgButtons[k]->setObjectName(QLatin1String(buttonNames[k]));
        imgButtons[k]->setGeometry(134, k == 0 ? 4 : 152, 32, 24);
    }
    imgButtons[1]->hide();
    images[0] = new QLabel(PictPanel);
    images[0]->setObjectName(QStringLiteral("Image1"));
    images[0]->setGeometry(13, 32, kImageWidth, kImageHeight);
    images[0]->setAlignment(Qt::AlignCenter);
    images[1] = new QLabel(PictPanel);
    images[1]->setObjectName(QStringLiteral("Image2"));
    images[1]->setGeometry(13, 180, 0, 0);
    // The main window shows a hint when the mouse enters a control with a tag.
    PictPanel->setProperty("hintTag", 14);
    for (int k = 0; k < 2; ++k) {
        imgButtons[k]->setText(QStringLiteral("..."));
        connect(imgButtons[k], &QPushButton::clicked, this,
                [this, k] { RunUserCommand(prompts_, dialogParent_, [this, k] { getImgBtnClick(k); }); });
    }
}

void TShotPictures::ShowImage(int k, const std::string& fileName)
{
    QLabel* image = images[static_cast<std::size_t>(k)];
    image->clear();
    image->setToolTip(QString());
    if (k == 1)
        image->resize(0, 0);
    // Pictures are plain file names inside the image folder.
    const std::optional<fs::path> found = PictureFile(paths_.ImgDir, fileName);
    if (!found)
        return;
    const fs::path& file = *found;
    std::error_code ignored;
    if (!fs::is_regular_file(file, ignored))
        return;
    QImageReader reader(uitext::PathToQString(file));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        if (reader.error() == QImageReader::InvalidDataError || reader.error() == QImageReader::UnsupportedFormatError)
            return;
        throw Error(reader.errorString().toStdString());
    }
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (k == 0) {
        image->setPixmap(pixmap.scaled(kImageWidth, kImageHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    } else {
        const QSize room(kImageWidth, PictPanel->height() - image->y() - 4);
        if (pixmap.width() > room.width() || pixmap.height() > room.height())
            pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        image->setPixmap(pixmap);
        image->resize(pixmap.size());
    }
    image->setToolTip(ToQString(fileName));
}

std::string TShotPictures::ImageName(int k) const
{
    return ToCp1252(images[static_cast<std::size_t>(k)]->toolTip());
}

void TShotPictures::Clear()
{
    for (QLabel* image : images) {
        image->clear();
        image->setToolTip(QString());
    }
    images[1]->resize(0, 0);
}

void TShotPictures::getImgBtnClick(int k)
{
    if (paths_.CurrentFile.empty()) {
        prompts_.Inform(dialogParent_, QStringLiteral("Enregistrez d'abord votre scénario!"));
        return;
    }
    const QString current = images[static_cast<std::size_t>(k)]->toolTip();
    const std::optional<QString> chosen = prompts_.ChoosePicture(dialogParent_, uitext::PathToQString(paths_.ImgDir));
    const QString result = chosen ? *chosen : current;
    ShowImage(k, ToCp1252(result));
    if (result != current)
        emit changed();
}

} // namespace sw
