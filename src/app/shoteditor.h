#pragma once

#include <array>

#include <QObject>
#include <QString>

class QMenu;
class QSplitter;
class QWidget;

namespace sw {

class TAppSettings;
class TDocument;
class TShotFieldsView;
class TShotListView;
class TShotPictures;
class TUserPrompts;
struct TProjectPaths;

// The shot editor: the shot list beside the shown shot's fields, on the
// continuity tab (the texts) and the breakdown tab (camera data, effect and
// pictures), each tab a row of panes the user can widen. The list says
// which shot the fields show; both are views of the document, which every
// edit goes to.
class TShotEditor : public QObject {
    Q_OBJECT
public:
    // Builds the controls into the two tab pages; pictures are looked up in
    // the image folder of paths, and imported as the settings say.
    TShotEditor(TDocument& document, const TProjectPaths& paths, const TAppSettings& settings, TUserPrompts& prompts,
                QWidget* continuityPage, QWidget* breakdownPage);
    ~TShotEditor() override;

    // The picture panel of the breakdown tab.
    TShotPictures& Pictures();
    // The shown shot; -1 for none.
    int CurIndex() const;

    // Shows the shot list panel on a tab page.
    void PlaceShotPanel(QWidget* page);
    // The shot list's width as the user dragged it; 0 until then.
    int ShotListWidth() const { return listWidth_; }
    // Gives the shot list the width a user dragged it to in an earlier run.
    void SetShotListWidth(int width);

    // The shot commands in menu, with their shortcuts.
    void AddShotActions(QMenu* menu);
    void AddSceneActions(QMenu* menu);

signals:
    // A click in the shot list has been handled; action is the shown shot's
    // action text.
    void shotClicked(const QString& action);

private:
    // The shot list width in splitter, the other panes sharing the rest.
    void FitShotPanel(QSplitter& splitter, int width);
    // The width the user drags the shot list to is kept.
    void KeepShotListWidth();

    TShotListView* list_ = nullptr;
    TShotFieldsView* fields_ = nullptr;
    // The rows of panes of the continuity and breakdown tabs.
    std::array<QSplitter*, 2> splitters_{};
    int listWidth_ = 0;
};

} // namespace sw
