#include "app/shotpictures.h"

#include <system_error>

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include "app/editorapp.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "model/error.h"
#include "model/picturename.h"
#include "pictures/picturefiles.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

namespace fs = std::filesystem;
using uitext::ToUtf8;
using uitext::ToQString;

namespace {

constexpr int kImageWidth = 152;
constexpr int kImageHeight = 113;
// Pictures kept decoded for going back to a shot: both boxes of a few shots.
constexpr std::size_t kRecentPictures = 12;

const QString kBoxStyle = QStringLiteral("QLabel { border: 1px solid #a0a0a0; color: #505050; }");

} // namespace

TShotPictures::TShotPictures(const TProjectPaths& paths, const TAppSettings& settings, TUserPrompts& prompts,
                             QWidget* page)
    : QObject(page), paths_(paths), settings_(settings), prompts_(prompts), dialogParent_(page->window())
{
    PictPanel = new QFrame(page);
    PictPanel->setObjectName(QStringLiteral("PictPanel"));
    PictPanel->setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(PictPanel);
    column->setContentsMargins(6, 6, 6, 6);
    const QString captions[2] = {QStringLiteral("image"), QStringLiteral("Fin")};
    const char* buttonNames[2] = {"getImgBtn1", "getImgBtn2"};
    const char* imageNames[2] = {"Image1", "Image2"};
    for (int k = 0; k < 2; ++k) {
        QLabel* caption = widgets::AddLabel(PictPanel, captions[k]);
        if (k == 1)
            finLabel = caption;
        imgButtons[k] = new QPushButton(QStringLiteral("..."), PictPanel);
        imgButtons[k]->setObjectName(QLatin1String(buttonNames[k]));
        // As wide as its three dots, not as a button with a word.
        imgButtons[k]->setFixedWidth(imgButtons[k]->fontMetrics().horizontalAdvance(imgButtons[k]->text())
                                     + 2 * imgButtons[k]->fontMetrics().height());
        images[k] = new QLabel(PictPanel);
        images[k]->setObjectName(QLatin1String(imageNames[k]));
        // The box takes the width the layout gives it, whatever its
        // picture's size, with a height in the proportions of the smallest
        // box (see eventFilter); the picture is decoded at the box's size.
        images[k]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        images[k]->setMinimumWidth(kImageWidth);
        images[k]->setFixedHeight(kImageHeight);
        images[k]->setAlignment(Qt::AlignCenter);
        images[k]->setWordWrap(true);
        images[k]->setStyleSheet(kBoxStyle);
        images[k]->installEventFilter(this);
        auto* heading = new QHBoxLayout;
        heading->addWidget(caption, 1);
        heading->addWidget(imgButtons[k]);
        column->addLayout(heading);
        column->addWidget(images[k]);
        connect(imgButtons[k], &QPushButton::clicked, this,
                [this, k] { RunUserCommand(prompts_, dialogParent_, [this, k] { getImgBtnClick(k); }); });
    }
    column->addStretch(1);
    // The main window shows a hint when the mouse enters a control with a tag.
    PictPanel->setProperty("hintTag", 14);
}

void TShotPictures::SetSaveCommand(std::function<void()> save)
{
    save_ = std::move(save);
}

bool TShotPictures::Shown::SameAs(const Shown& other) const
{
    return file == other.file && box == other.box && time == other.time && size == other.size;
}

void TShotPictures::ShowImage(int k, const std::string& fileName)
{
    const auto at = static_cast<std::size_t>(k);
    QLabel* image = images[at];
    names_[at] = fileName;
    image->setToolTip(ToQString(fileName));
    if (fileName.empty()) {
        decoding_[at] = Decoding{};
        image->clear();
        shown_[at] = Shown{};
        return;
    }
    const std::optional<fs::path> found = PictureFile(paths_.ImgDir, fileName);
    std::error_code error;
    if (!found || !fs::is_regular_file(*found, error)) {
        ShowPlaceholder(k, QStringLiteral("image introuvable : ") + ToQString(fileName));
        return;
    }
    const QSize box = image->contentsRect().size();
    const Shown now{*found, box, fs::last_write_time(*found, error), fs::file_size(*found, error), true};
    // The same version of the file, in the box or on its way there at that
    // size, is not decoded again.
    if (shown_[at].decoded && shown_[at].SameAs(now))
        return;
    if (decoding_[at].watcher && decoding_[at].wanted.SameAs(now))
        return;
    const QImage recent = Recent(now);
    if (!recent.isNull()) {
        ShowDecoded(k, now, Decoded{recent});
        return;
    }
    // Another picture leaves the box at once; the same one at another size
    // stays there until its new size is ready.
    if (shown_[at].file != now.file) {
        image->clear();
        shown_[at] = Shown{};
    }
    Decode(k, now);
}

void TShotPictures::Decode(int k, const Shown& wanted)
{
    const auto at = static_cast<std::size_t>(k);
    Decoding& decoding = decoding_[at];
    // A decoding that is no longer wanted runs to its end on its thread, its
    // watcher gone with its result.
    decoding.wanted = wanted;
    decoding.watcher = std::make_unique<QFutureWatcher<Decoded>>();
    QFutureWatcher<Decoded>* watcher = decoding.watcher.get();
    connect(watcher, &QFutureWatcher<Decoded>::finished, this, [this, k, watcher] {
        Decoding& done = decoding_[static_cast<std::size_t>(k)];
        if (done.watcher.get() != watcher)
            return;
        const Decoded decoded = watcher->result();
        const Shown wanted = done.wanted;
        // The watcher is deleted once its signal has been delivered.
        done.watcher.release()->deleteLater();
        done.wanted = Shown{};
        ShowDecoded(k, wanted, decoded);
    });
    watcher->setFuture(QtConcurrent::run([file = wanted.file, box = wanted.box] {
        Decoded decoded{LoadPictureForBox(file, box)};
        decoded.tooLarge = decoded.picture.isNull() && ClaimsTooManyPixels(file);
        return decoded;
    }));
}

void TShotPictures::ShowDecoded(int k, const Shown& wanted, const Decoded& decoded)
{
    const auto at = static_cast<std::size_t>(k);
    decoding_[at] = Decoding{};
    const QImage& picture = decoded.picture;
    if (decoded.tooLarge) {
        ShowPlaceholder(k, QStringLiteral("image trop grande : ") + ToQString(names_[at]));
    } else if (picture.isNull()) {
        ShowPlaceholder(k, QStringLiteral("image illisible : ") + ToQString(names_[at]));
    } else {
        images[at]->setPixmap(QPixmap::fromImage(picture));
        shown_[at] = wanted;
        std::erase_if(recent_, [&](const auto& entry) { return entry.first.SameAs(wanted); });
        recent_.emplace_front(wanted, picture);
        if (recent_.size() > kRecentPictures)
            recent_.pop_back();
    }
    emit shown(k);
}

QImage TShotPictures::Recent(const Shown& wanted) const
{
    for (const auto& [version, picture] : recent_)
        if (version.SameAs(wanted))
            return picture;
    return {};
}

bool TShotPictures::IsDecoding() const
{
    return decoding_[0].watcher || decoding_[1].watcher;
}

bool TShotPictures::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Resize)
        return QObject::eventFilter(watched, event);
    for (int k = 0; k < 2; ++k) {
        QLabel* box = images[static_cast<std::size_t>(k)];
        if (watched != box)
            continue;
        // The height follows the width; the new height comes as one more
        // resize, where the picture is drawn.
        const int height = box->width() * kImageHeight / kImageWidth;
        if (box->height() != height)
            box->setFixedHeight(height);
        else if (shown_[static_cast<std::size_t>(k)].decoded || decoding_[static_cast<std::size_t>(k)].watcher)
            ShowImage(k, names_[static_cast<std::size_t>(k)]);
    }
    return QObject::eventFilter(watched, event);
}

void TShotPictures::ShowPlaceholder(int k, const QString& text)
{
    const auto at = static_cast<std::size_t>(k);
    decoding_[at] = Decoding{};
    images[at]->setText(text);
    shown_[at] = Shown{};
}

std::string TShotPictures::ImageName(int k) const
{
    return names_[static_cast<std::size_t>(k)];
}

void TShotPictures::Clear()
{
    for (int k = 0; k < 2; ++k)
        ShowImage(k, std::string());
}

void TShotPictures::TakeImage(int k, const std::string& name)
{
    const bool other = name != names_[static_cast<std::size_t>(k)];
    ShowImage(k, name);
    if (other)
        emit changed(k);
}

bool TShotPictures::HasImageFolder()
{
    if (!paths_.CurrentFile.empty())
        return true;
    const QString text = QStringLiteral("Enregistrez d'abord votre projet : ses images se rangent dans un dossier à côté de lui.");
    if (!save_) {
        prompts_.Inform(dialogParent_, text);
        return false;
    }
    if (!prompts_.AskYesNo(dialogParent_, text, QStringLiteral("Voulez-vous l'enregistrer maintenant ?")))
        return false;
    save_();
    return !paths_.CurrentFile.empty() && !paths_.ImgDir.empty();
}

void TShotPictures::getImgBtnClick(int k)
{
    if (!HasImageFolder())
        return;
    const std::optional<QString> chosen =
        prompts_.ChoosePicture(dialogParent_, uitext::PathToQString(paths_.ImgDir),
                               [this](QWidget* chooser) { return ImportChosenFile(chooser); });
    // Shown again also without a choice: the file may have changed meanwhile.
    TakeImage(k, chosen ? ToUtf8(*chosen) : names_[static_cast<std::size_t>(k)]);
}

std::optional<std::string> TShotPictures::Import(QWidget* parent, const fs::path& source)
{
    importFolder_ = uitext::PathToQString(source.parent_path());
    try {
        return ImportPicture(source, paths_.ImgDir, settings_.MaxPictureSide);
    } catch (const std::exception& error) {
        prompts_.Inform(parent, uitext::FromUtf8(error.what()));
        return std::nullopt;
    }
}

std::optional<QString> TShotPictures::ImportChosenFile(QWidget* chooser)
{
    QString start = importFolder_;
    if (start.isEmpty())
        start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString source = prompts_.ChoosePictureToImport(chooser, start);
    if (source.isEmpty())
        return std::nullopt;
    const std::optional<std::string> name = Import(chooser, uitext::QStringToPath(source));
    if (!name)
        return std::nullopt;
    return ToQString(*name);
}

void TShotPictures::SetEnabled(bool enabled)
{
    PictPanel->setEnabled(enabled);
}

void TShotPictures::DropPictures(int k, const std::vector<fs::path>& files)
{
    if (files.empty() || !PictPanel->isEnabled() || !HasImageFolder())
        return;
    std::optional<std::string> first;
    for (const fs::path& file : files) {
        std::optional<std::string> name = Import(dialogParent_, file);
        if (name && !first)
            first = std::move(name);
    }
    if (first)
        TakeImage(k, *first);
}

} // namespace sw
