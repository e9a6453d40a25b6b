#pragma once

#include <QDialog>

#include "model/scene.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace sw {

// A scene's number, heading, synopsis and "omise" mark. The heading's
// parts (interior or exterior, place, time of day) show as they are typed.
// A scene needs a number or a heading.
class TSceneDlg : public QDialog {
    Q_OBJECT
public:
    TSceneDlg(const QString& title, const TScene& scene, QWidget* parent = nullptr);

    // The scene as the fields give it; its id stays.
    TScene Scene() const;

    QLineEdit* NumberEdit;
    QLineEdit* HeadingEdit;
    QLabel* PartsLabel;
    QPlainTextEdit* SynopsisEdit;
    QCheckBox* OmittedBox;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

private:
    void FollowFields();

    TScene scene_;
};

} // namespace sw
