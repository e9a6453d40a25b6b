#include "app/shoteditor.h"

#include <algorithm>

#include <QBoxLayout>
#include <QSplitter>

#include "app/shotfieldsview.h"
#include "app/shotlistbox.h"
#include "app/shotlistview.h"
#include "app/shotpictures.h"

namespace sw {

namespace {

// The shares of a tab's width the camera data and the pictures take as the
// window grows; the shot list keeps its width.
constexpr int kCameraStretch = 7;
constexpr int kPicturesStretch = 3;

// A tab's row of panes, each as wide as the user drags it.
QSplitter* AddSplitter(QWidget* page, const char* name)
{
    auto* splitter = new QSplitter(Qt::Horizontal, page);
    splitter->setObjectName(QLatin1String(name));
    splitter->setChildrenCollapsible(false);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(splitter);
    return splitter;
}

// A pane's share of the width the window gains.
void AddPane(QSplitter* splitter, QWidget* pane, int stretch)
{
    QSizePolicy policy = pane->sizePolicy();
    policy.setHorizontalStretch(stretch);
    pane->setSizePolicy(policy);
    splitter->addWidget(pane);
}

} // namespace

TShotEditor::TShotEditor(TDocument& document, const TProjectPaths& paths, const TAppSettings& settings,
                         TUserPrompts& prompts, QWidget* continuityPage, QWidget* breakdownPage)
    : QObject(continuityPage)
{
    list_ = new TShotListView(document, prompts, continuityPage);
    fields_ = new TShotFieldsView(document, paths, settings, prompts, continuityPage, breakdownPage);
    splitters_[0] = AddSplitter(continuityPage, "continuitySplitter");
    AddPane(splitters_[0], list_->Panel(), 0);
    AddPane(splitters_[0], fields_->Texts(), 1);
    // The shot panel comes first on the breakdown tab when it is shown there.
    splitters_[1] = AddSplitter(breakdownPage, "breakdownSplitter");
    AddPane(splitters_[1], fields_->Camera(), kCameraStretch);
    AddPane(splitters_[1], fields_->Pictures().Panel(), kPicturesStretch);

    connect(list_, &TShotListView::shotShown, fields_, &TShotFieldsView::ShowShot);
    connect(list_, &TShotListView::shotFollowed, fields_, &TShotFieldsView::FollowShot);
    connect(list_, &TShotListView::noShotShown, fields_, &TShotFieldsView::ShowNoShot);
    connect(list_, &TShotListView::shotClicked, this, &TShotEditor::shotClicked);
    list_->SetAfterNaming([this] { fields_->FocusAction(); });
    KeepShotListWidth();
    // The document's shots as the project has them now.
    list_->ShowShots();
}

TShotEditor::~TShotEditor() = default;

TShotPictures& TShotEditor::Pictures()
{
    return fields_->Pictures();
}

int TShotEditor::CurIndex() const
{
    return list_->CurIndex();
}

void TShotEditor::AddShotActions(QMenu* menu) { list_->AddShotActions(menu); }
void TShotEditor::AddSceneActions(QMenu* menu) { list_->AddSceneActions(menu); }

// ---------------------------------------------------------------- the shot list's place and width

void TShotEditor::PlaceShotPanel(QWidget* page)
{
    const auto splitter = std::find_if(splitters_.begin(), splitters_.end(),
                                       [page](const QSplitter* s) { return s->parentWidget() == page; });
    QWidget* panel = list_->Panel();
    if (splitter == splitters_.end() || panel->parentWidget() == *splitter)
        return;
    // The panel leaves the other tab's row for the first place in this one,
    // as wide as it was there.
    const int width = panel->isVisible() ? panel->width() : 0;
    (*splitter)->insertWidget(0, panel);
    panel->show();
    if (width > 0)
        FitShotPanel(**splitter, width);
}

void TShotEditor::FitShotPanel(QSplitter& splitter, int width)
{
    QWidget* panel = list_->Panel();
    QList<int> sizes = splitter.sizes();
    int total = 0;
    for (const int size : sizes)
        total += size;
    if (sizes.size() < 2 || total <= 0 || splitter.widget(0) != panel)
        return;
    // The other panes share what is left as they shared their room before.
    width = std::clamp(width, panel->minimumWidth(), std::max(panel->minimumWidth(), total / 2));
    const int othersBefore = total - sizes[0];
    int left = total - width;
    sizes[0] = width;
    for (qsizetype k = 1; k < sizes.size(); ++k) {
        const int share = k + 1 == sizes.size() || othersBefore <= 0 ? left : sizes[k] * (total - width) / othersBefore;
        sizes[k] = share;
        left -= share;
    }
    splitter.setSizes(sizes);
}

void TShotEditor::SetShotListWidth(int width)
{
    listWidth_ = std::max(0, width);
    if (listWidth_ > 0)
        list_->Panel()->SetPreferredWidth(listWidth_);
    if (auto* splitter = qobject_cast<QSplitter*>(list_->Panel()->parentWidget()); splitter && listWidth_ > 0)
        FitShotPanel(*splitter, listWidth_);
}

void TShotEditor::KeepShotListWidth()
{
    for (QSplitter* splitter : splitters_)
        connect(splitter, &QSplitter::splitterMoved, this, [this, splitter] {
            if (splitter->widget(0) == list_->Panel())
                listWidth_ = list_->Panel()->width();
        });
}

} // namespace sw
