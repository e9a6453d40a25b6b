#pragma once
// Use: sw::TAboutFrm about(this); about.exec();  (it closes itself after about seven seconds)

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

namespace sw {

// The About box: program name, version and author, without title bar; it
// closes at the seventh tick of its one-second timer, at the first click or
// at the first key.
class TAboutFrm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutFrm(QWidget* parent = nullptr);

    // One tick of Timer1; the window closes when the count passes 7.
    void Timer1Timer();
    int TickCount() const { return tick_; }

    QFrame* Panel1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* VersionLbl;
    QLabel* revLabel;
    QLabel* Label3;
    QLabel* Label2;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    // Clicks on the window and on everything in it end up here.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int tick_ = 1;
};

} // namespace sw
