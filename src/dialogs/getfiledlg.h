#pragma once
// Use: sw::TGetFileDlg dlg(imgDir, this, import);
//      if (dlg.exec() == QDialog::Accepted) if (auto name = dlg.ChosenFileName()) picture = *name;
//      (an empty name: no picture)

#include <functional>
#include <optional>

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace sw {

// Brings a picture from elsewhere into the image folder, asking the user for
// it over the chooser given: the bare name of the picture now in the folder,
// or nothing when the user cancelled or the import failed (it tells the user
// why itself).
using TPictureImport = std::function<std::optional<QString>(QWidget* chooser)>;

// The picture chooser: the pictures of the project's image folder, with a
// preview and the pixel size of the clicked one. "Importer..." (shown when an
// import is given) brings another picture into the folder and selects it;
// "aucune" chooses no picture; "Annuler" and Escape choose nothing.
class TGetFileDlg : public QDialog {
    Q_OBJECT
public:
    explicit TGetFileDlg(const QString& imageFolder, QWidget* parent = nullptr, TPictureImport import = {});

    // The bare name of the file a click (or an import) chose last; an empty
    // name when "aucune" came after it; nothing when neither was done.
    std::optional<QString> ChosenFileName() const;

    QFrame* Bevel1;
    QLabel* Image1;
    QListWidget* FileListBox;
    QLabel* Label2;
    QLabel* SizeLabel;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* noImgBtn;
    QPushButton* importBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillFileList();
    void FileListBoxClick(QListWidgetItem* item);
    void FileListBoxDblClick(QListWidgetItem* item);
    void noImgBtnClick();
    void importBtnClick();

    QString folder_;
    TPictureImport import_;
    bool noPicture_ = false;
};

} // namespace sw
