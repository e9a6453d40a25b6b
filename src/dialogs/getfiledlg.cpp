#include "dialogs/getfiledlg.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/fixeddialog.h"

namespace sw {

TGetFileDlg::TGetFileDlg(const QString& imageFolder, QWidget* parent)
    : QDialog(parent), folder_(imageFolder)
{
    SetUpFixedDialog(*this, imageFolder, 343, 176);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    FileListBox = new QListWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setGeometry(6, 6, 139, 164);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(151, 6, 190, 121);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(153, 8, 186, 117);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(151, 129, 190, 15);
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label2->setPalette(blue);

    noImgBtn = new QPushButton(QStringLiteral("aucune"), this);
    noImgBtn->setObjectName(QStringLiteral("noImgBtn"));
    noImgBtn->setGeometry(151, 147, 75, 23);
    noImgBtn->setAutoDefault(false);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(266, 147, 75, 23);
    OKBtn->setDefault(true);

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
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<QString> TGetFileDlg::ChosenFileName() const
{
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
    // The mask matches whatever the letter case, as on the file systems the
    // pictures often come from.
    const QDir folder(folder_);
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    const QFileIconProvider icons;
    for (const QFileInfo& file : files)
        new QListWidgetItem(icons.icon(file), file.fileName(), FileListBox);
}

void TGetFileDlg::FileListBoxClick(QListWidgetItem* item)
{
    if (item == nullptr)
        return;
    const QFileInfo file(QDir(folder_), item->text());
    setWindowTitle(file.fileName());
    QString folder = file.absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    Label2->setText(folder);
    Label2->setToolTip(folder);

    // A file that is no readable picture shows an empty preview. A picture
    // larger than the preview is shown whole, reduced in its proportions;
    // a smaller one keeps its size.
    QImageReader reader(file.filePath());
    const QImage picture = reader.read();
    if (picture.isNull())
        Image1->clear();
    else if (picture.width() > Image1->width() || picture.height() > Image1->height())
        Image1->setPixmap(QPixmap::fromImage(
            picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    else
        Image1->setPixmap(QPixmap::fromImage(picture));
}

void TGetFileDlg::FileListBoxDblClick(QListWidgetItem* item)
{
    FileListBoxClick(item);
    accept();
}

void TGetFileDlg::noImgBtnClick()
{
    Label2->clear();
    Label2->setToolTip(QString());
    Image1->clear();
}

} // namespace sw
