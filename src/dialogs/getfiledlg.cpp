#include "dialogs/getfiledlg.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/fixeddialog.h"
#include "model/filebytes.h"
#include "pictures/picturefiles.h"
#include "qtshared/uitext.h"
#include "qtshared/accelerators.h"

namespace sw {

namespace {

// The preview's smallest size; it grows with the dialog.
constexpr int kPreviewWidth = 320;
constexpr int kPreviewHeight = 240;

// The picture's size once upright, as the preview shows it; invalid when the
// file is no picture.
QSize UprightSize(const QString& file)
{
    if (!IsRegularFile(uitext::QStringToPath(file)))
        return {};
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    const QImageIOHandler::Transformations turn = reader.transformation();
    return turn.testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
}

} // namespace

TGetFileDlg::TGetFileDlg(const QString& imageFolder, QWidget* parent, TPictureImport import)
    : QDialog(parent), folder_(imageFolder), import_(std::move(import))
{
    SetUpDialog(*this, imageFolder);

    FileListBox = new QListWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));

    importBtn = new QPushButton(QStringLiteral("Importer..."), this);
    importBtn->setObjectName(QStringLiteral("importBtn"));
    importBtn->setAutoDefault(false);
    importBtn->setVisible(static_cast<bool>(import_));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Image1 = new QLabel(Bevel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumSize(kPreviewWidth, kPreviewHeight);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* inside = new QVBoxLayout(Bevel1);
    inside->setContentsMargins(2, 2, 2, 2);
    inside->addWidget(Image1);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label2->setPalette(blue);

    SizeLabel = new QLabel(this);
    SizeLabel->setObjectName(QStringLiteral("SizeLabel"));

    noImgBtn = new QPushButton(QStringLiteral("aucune"), this);
    noImgBtn->setObjectName(QStringLiteral("noImgBtn"));
    noImgBtn->setToolTip(QStringLiteral("Le plan n'aura plus d'image"));
    noImgBtn->setAutoDefault(false);

    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);

    // The list on the left, the preview growing with the dialog on the
    // right, the buttons below.
    auto* grid = new QGridLayout(this);
    grid->addWidget(FileListBox, 0, 0, 3, 1);
    grid->addWidget(importBtn, 3, 0);
    grid->addWidget(Bevel1, 0, 1);
    grid->addWidget(Label2, 1, 1);
    grid->addWidget(SizeLabel, 2, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(noImgBtn);
    buttons->addStretch(1);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(OKBtn);
    grid->addLayout(buttons, 3, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(0, 1);

    FillFileList();

    connect(FileListBox, &QListWidget::itemClicked, this, &TGetFileDlg::FileListBoxClick);
    // Selecting with the keyboard chooses too; the current item that the list
    // sets on getting the focus is no choice, as it selects nothing.
    connect(FileListBox, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = FileListBox->selectedItems();
        if (!selected.isEmpty())
            FileListBoxClick(selected.front());
    });
    connect(FileListBox, &QListWidget::itemDoubleClicked, this, &TGetFileDlg::FileListBoxDblClick);
    connect(noImgBtn, &QPushButton::clicked, this, &TGetFileDlg::noImgBtnClick);
    connect(importBtn, &QPushButton::clicked, this, &TGetFileDlg::importBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
}

std::optional<QString> TGetFileDlg::ChosenFileName() const
{
    if (noPicture_)
        return QString();
    const QListWidgetItem* selected = FileListBox->currentItem();
    if (Label2->text().isEmpty() || selected == nullptr)
        return std::nullopt;
    return selected->text();
}

void TGetFileDlg::showEvent(QShowEvent* event)
{
    CenterOnPrimaryScreen(*this);
    QDialog::showEvent(event);
}

void TGetFileDlg::FillFileList()
{
    // Every picture of the folder, whatever the letter case of its extension,
    // as on the file systems the pictures often come from.
    FileListBox->clear();
    const QDir folder(folder_);
    const QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    const QFileIconProvider icons;
    // A link to a file outside the folder is no picture of the project, and
    // a file whose header no reader knows is no picture at all.
    const std::filesystem::path imgDir = uitext::QStringToPath(folder_);
    for (const QFileInfo& file : files) {
        const std::string name = uitext::ToUtf8(file.fileName());
        if (!IsPictureFileName(name))
            continue;
        if (const std::optional<std::filesystem::path> picture = PictureFile(imgDir, name);
            picture && IsReadablePicture(*picture))
            new QListWidgetItem(icons.icon(file), file.fileName(), FileListBox);
    }
}

void TGetFileDlg::FileListBoxClick(QListWidgetItem* item)
{
    if (item == nullptr)
        return;
    const QFileInfo file(QDir(folder_), item->text());
    noPicture_ = false;
    setWindowTitle(file.fileName());
    QString folder = file.absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    Label2->setText(folder);
    Label2->setToolTip(folder);

    // A file that is no readable picture shows an empty preview. A picture
    // larger than the preview is shown whole, reduced in its proportions;
    // a smaller one keeps its size.
    const QSize size = UprightSize(file.filePath());
    const QImage picture = size.isValid()
        ? LoadPictureForBox(uitext::QStringToPath(file.filePath()), size.boundedTo(Image1->size()))
        : QImage();
    if (picture.isNull()) {
        Image1->clear();
        SizeLabel->clear();
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(picture));
    SizeLabel->setText(QStringLiteral("%1 × %2").arg(size.width()).arg(size.height()));
}

void TGetFileDlg::FileListBoxDblClick(QListWidgetItem* item)
{
    FileListBoxClick(item);
    accept();
}

void TGetFileDlg::noImgBtnClick()
{
    noPicture_ = true;
    Label2->clear();
    Label2->setToolTip(QString());
    Image1->clear();
    SizeLabel->clear();
}

void TGetFileDlg::importBtnClick()
{
    if (!import_)
        return;
    const std::optional<QString> imported = import_(this);
    if (!imported)
        return;
    FillFileList();
    const QList<QListWidgetItem*> found = FileListBox->findItems(*imported, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    FileListBox->setCurrentItem(found.front());
    FileListBox->scrollToItem(found.front());
    FileListBoxClick(found.front());
}

} // namespace sw
