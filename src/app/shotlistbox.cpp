#include "app/shotlistbox.h"

#include <algorithm>

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QBoxLayout>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QStackedWidget>

#include "qtshared/widgetbuilders.h"

namespace sw {

namespace {

// The list's width until the user sets one, in average characters.
constexpr int kShotListCharacters = 28;

} // namespace

TShotListBox::TShotListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
}

QString TShotListBox::ShotMimeType()
{
    return QStringLiteral("application/x-shotweave-shot");
}

int TShotListBox::DropTargetAt(const QPoint& pos) const
{
    if (count() == 0)
        return -1;
    if (const QListWidgetItem* target = itemAt(pos))
        return row(target);
    // Below the last item the shot goes to the end.
    const QRect last = visualItemRect(item(count() - 1));
    if (pos.y() >= last.bottom())
        return count() - 1;
    return -1;
}

void TShotListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit deletePressed();
        return;
    }
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit foldPressed(event->key() == Qt::Key_Left);
        return;
    }
    QListWidget::keyPressEvent(event);
}

bool TShotListBox::IsHeader(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry && !(entry->flags() & Qt::ItemIsEnabled);
}

void TShotListBox::mousePressEvent(QMouseEvent* event)
{
    pressRow_ = -1;
    if (const QListWidgetItem* pressed = itemAt(event->position().toPoint()); pressed && IsHeader(row(pressed))) {
        if (event->button() == Qt::LeftButton)
            emit headerPressed(row(pressed));
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && count() > 1 && reorderAllowed_) {
        pressPos_ = event->position().toPoint();
        pressRow_ = currentRow();
    }
}

void TShotListBox::mouseMoveEvent(QMouseEvent* event)
{
    if (pressRow_ < 0 || !(event->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance())
        return;
    const int row = pressRow_;
    pressRow_ = -1;
    auto* drag = new QDrag(this);
    drag->setMimeData(ShotMimeData(row));
    drag->exec(Qt::MoveAction);
}

void TShotListBox::mouseReleaseEvent(QMouseEvent* event)
{
    pressRow_ = -1;
    QListWidget::mouseReleaseEvent(event);
    emit buttonReleased(event->button());
}

QByteArray TShotListBox::ListToken() const
{
    return QByteArray::number(reinterpret_cast<quintptr>(this), 16);
}

QMimeData* TShotListBox::ShotMimeData(int row) const
{
    auto* mime = new QMimeData;
    mime->setData(ShotMimeType(), ListToken() + ':' + QByteArray::number(row));
    return mime;
}

int TShotListBox::DraggedRow(const QDropEvent* event) const
{
    // Another window's list (even of another editor) carries another token.
    const QList<QByteArray> parts = event->mimeData()->data(ShotMimeType()).split(':');
    if (parts.size() != 2 || parts[0] != ListToken())
        return -1;
    bool ok = false;
    const int row = parts[1].toInt(&ok);
    return ok && row >= 0 && row < count() ? row : -1;
}

void TShotListBox::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void TShotListBox::dragMoveEvent(QDragMoveEvent* event)
{
    const int from = reorderAllowed_ ? DraggedRow(event) : -1;
    if (from < 0) {
        ShowDropLine(QRect());
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    ShowDropLine(DropLine(from, DropTargetAt(event->position().toPoint())));
}

void TShotListBox::dragLeaveEvent(QDragLeaveEvent* event)
{
    ShowDropLine(QRect());
    QListWidget::dragLeaveEvent(event);
}

QRect TShotListBox::DropLine(int from, int to) const
{
    if (to < 0 || to == from)
        return {};
    // A shot moved down lands after the entry it is dropped on, one moved up
    // before it.
    // Onto a scene's header, it lands first in the scene.
    const QRect entry = visualItemRect(item(to));
    const int y = to > from || IsHeader(to) ? entry.bottom() : entry.top();
    return {0, y - 1, viewport()->width(), 3};
}

void TShotListBox::ShowDropLine(const QRect& line)
{
    if (line == dropLine_)
        return;
    viewport()->update(dropLine_);
    dropLine_ = line;
    viewport()->update(dropLine_);
}

void TShotListBox::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (dropLine_.isEmpty())
        return;
    QPainter painter(viewport());
    painter.fillRect(dropLine_, palette().color(QPalette::Highlight));
}

void TShotListBox::dropEvent(QDropEvent* event)
{
    ShowDropLine(QRect());
    const int from = reorderAllowed_ ? DraggedRow(event) : -1;
    if (from < 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const int to = DropTargetAt(event->position().toPoint());
    if (to >= 0)
        emit shotDropped(from, to);
}

TShotPanel::TShotPanel(QWidget* parent) : QFrame(parent)
{
    using namespace widgets;
    setObjectName(QStringLiteral("ActPanel"));
    ENoLabel = new QLabel(QStringLiteral("No"), this);
    ENoLabel->setObjectName(QStringLiteral("ENoLabel"));
    QFont numberFont = WindowFont();
    numberFont.setPixelSize(24);
    numberFont.setBold(true);
    ENoLabel->setFont(numberFont);
    ENoLabel->setStyleSheet(QStringLiteral("color: green;"));
    ShotFilter = new QLineEdit(this);
    ShotFilter->setObjectName(QStringLiteral("ShotFilter"));
    ShotFilter->setPlaceholderText(QStringLiteral("Filtrer les plans"));
    ShotFilter->setClearButtonEnabled(true);
    listPlace = new QStackedWidget(this);
    vListBox = new TShotListBox(listPlace);
    vListBox->setObjectName(QStringLiteral("vListBox"));
    NoMatchLabel = new QLabel(QStringLiteral("Aucun plan ne correspond"), listPlace);
    NoMatchLabel->setObjectName(QStringLiteral("NoMatchLabel"));
    NoMatchLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    NoMatchLabel->setWordWrap(true);
    listPlace->addWidget(vListBox);
    listPlace->addWidget(NoMatchLabel);
    addEvntBtn = AddButton(this, "addEvntBtn", QStringLiteral("Ajouter"));
    insEvntBtn = AddButton(this, "insEvntBtn", QStringLiteral("Insérer"));
    dupEvntBtn = AddButton(this, "dupEvntBtn", QStringLiteral("Dupliquer"));
    renamEvntBtn = AddButton(this, "renamEvntBtn", QStringLiteral("Renommer"));
    DelEvntBtn = AddButton(this, "DelEvntBtn", QStringLiteral("Supprimer"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(ENoLabel);
    column->addWidget(ShotFilter);
    column->addWidget(listPlace, 1);
    for (QPushButton* button : {addEvntBtn, insEvntBtn, dupEvntBtn, renamEvntBtn, DelEvntBtn})
        column->addWidget(button);
    // At its narrowest, its buttons and the filter's hint still show whole.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    int narrowest = ShotFilter->fontMetrics().horizontalAdvance(ShotFilter->placeholderText()) + 2 * ShotFilter->sizeHint().height();
    for (QPushButton* button : {addEvntBtn, insEvntBtn, dupEvntBtn, renamEvntBtn, DelEvntBtn})
        narrowest = std::max(narrowest, button->sizeHint().width());
    setMinimumWidth(narrowest);
    SetPreferredWidth(std::max(narrowest, fontMetrics().averageCharWidth() * kShotListCharacters));
}

void TShotPanel::SetPreferredWidth(int width)
{
    if (width == preferredWidth_)
        return;
    preferredWidth_ = width;
    updateGeometry();
}

QSize TShotPanel::sizeHint() const
{
    QSize size = QFrame::sizeHint();
    if (preferredWidth_ > 0)
        size.setWidth(std::max(preferredWidth_, minimumWidth()));
    return size;
}

} // namespace sw
