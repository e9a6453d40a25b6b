#pragma once

#include <QFrame>
#include <QListWidget>
#include <QRect>
#include <QByteArray>
#include <QPoint>

class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class QStackedWidget;

namespace sw {

// The shot list box: shots are put in a new order by dragging one onto
// another. Only drags that start in the list itself are taken; anything else
// (files dropped from outside) is left to the window.
class TShotListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TShotListBox(QWidget* parent = nullptr);

    // The MIME type of a shot being dragged.
    static QString ShotMimeType();
    // The data of a drag of the shot at row out of this list.
    QMimeData* ShotMimeData(int row) const;

    // The row a shot dropped at pos (viewport coordinates) goes to: the item
    // under pos, the last row below the last item, -1 when the list is empty.
    int DropTargetAt(const QPoint& pos) const;

    // Whether shots may be dragged to a new place; off while a filter hides
    // some of them.
    void SetReorderAllowed(bool allowed) { reorderAllowed_ = allowed; }
    bool ReorderAllowed() const { return reorderAllowed_; }

signals:
    // A shot dragged from row from was dropped onto row to.
    void shotDropped(int from, int to);
    // A scene's header (a row no shot stands in) was clicked.
    void headerPressed(int row);
    // A mouse button was released over the list.
    void buttonReleased(Qt::MouseButton button);
    // Left (fold) or Right (unfold) was pressed in the list: for the shown
    // shot's scene.
    void foldPressed(bool fold);
    // The Delete key was pressed in the list.
    void deletePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The line between two entries where a shot dragged from row from and
    // dropped on row to would land; empty when it would not move.
    QRect DropLine(int from, int to) const;
    void ShowDropLine(const QRect& line);

    // The dragged row when the drag came out of this list, else -1.
    int DraggedRow(const QDropEvent* event) const;
    QByteArray ListToken() const;

    // Whether row is a scene's header rather than a shot.
    bool IsHeader(int row) const;

    QPoint pressPos_;
    int pressRow_ = -1;
    bool reorderAllowed_ = true;
    QRect dropLine_;
};

// The frame of the shot list: the shown shot's number, the filter, the list
// (or, while the filter matches no shot, a line that says so) and the
// buttons of the shot commands. Its width is the one the user gave it last,
// and a sensible share of the window before that.
class TShotPanel : public QFrame {
    Q_OBJECT
public:
    explicit TShotPanel(QWidget* parent = nullptr);

    // The width it asks for; 0 for its natural width.
    void SetPreferredWidth(int width);
    QSize sizeHint() const override;

    QLabel* ENoLabel = nullptr;
    QLineEdit* ShotFilter = nullptr;
    QStackedWidget* listPlace = nullptr;
    TShotListBox* vListBox = nullptr;
    QLabel* NoMatchLabel = nullptr;
    QPushButton* addEvntBtn = nullptr;
    QPushButton* insEvntBtn = nullptr;
    QPushButton* dupEvntBtn = nullptr;
    QPushButton* renamEvntBtn = nullptr;
    QPushButton* DelEvntBtn = nullptr;

private:
    int preferredWidth_ = 0;
};

} // namespace sw
