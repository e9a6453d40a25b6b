#pragma once
// Use: sw::TGetFileDlg dlg(imgDir, this);
//      if (dlg.exec() == QDialog::Accepted) if (auto name = dlg.ChosenFileName()) picture = *name;

#include <optional>

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace sw {

// The picture chooser: the JPEG files of the project's image folder, with a
// preview of the clicked one.
class TGetFileDlg : public QDialog {
    Q_OBJECT
public:
    explicit TGetFileDlg(const QString& imageFolder, QWidget* parent = nullptr);

    // The bare name of the file selected in the list, when a click chose it
    // and "aucune" did not clear the choice afterwards; nothing otherwise.
    std::optional<QString> ChosenFileName() const;

    QFrame* Bevel1;
    QLabel* Image1;
    QListWidget* FileListBox;
    QLabel* Label2;
    QPushButton* OKBtn;
    QPushButton* noImgBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillFileList();
    void FileListBoxClick(QListWidgetItem* item);
    void FileListBoxDblClick(QListWidgetItem* item);
    void noImgBtnClick();

    QString folder_;
};

} // namespace sw
