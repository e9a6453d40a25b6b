#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace sw {

class TAnimaticPlayer;
class TAnimaticTimeBar;
class TEditorApp;
class TUserPrompts;

// The "Animatique" window: the shots played in order, each for its time,
// with its pictures and its planned movement, over a time bar that shows
// the shots and seeks; play and pause (Space), the shot before and after
// (Page Up, Page Down), loop, the captions, the timecode and the running
// time, full screen (F11, Escape to leave). Below, the project's animatic
// settings, each change a step of the document: the default duration of a
// shot without one, how far the pictures move, the frames per second of the
// video and the timelines, the temporary soundtrack.
class TAnimaticView : public QWidget {
    Q_OBJECT
public:
    TAnimaticView(TEditorApp& app, TUserPrompts& prompts, QWidget* parent = nullptr);
    ~TAnimaticView() override;

    TAnimaticPlayer& Player() { return *player_; }

    QWidget* Canvas;
    TAnimaticTimeBar* TimeBar;
    QPushButton* PreviousBtn;
    QPushButton* PlayBtn;
    QPushButton* NextBtn;
    QLabel* TimeLabel;
    QCheckBox* LoopBox;
    QCheckBox* CaptionsBox;
    QCheckBox* TimecodeBox;
    QCheckBox* RunningTimeBox;
    QPushButton* FullScreenBtn;
    QSpinBox* DefaultSecondsEdit;
    QSpinBox* MotionEdit;
    QComboBox* FpsBox;
    QLabel* SoundtrackLabel;
    QPushButton* ChooseSoundtrackBtn;
    QPushButton* RemoveSoundtrackBtn;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* BuildControls();
    QWidget* BuildSettings();
    void ShowFrame();
    void ShowSettings();
    void ShowTitle();
    void ApplyLook();
    void ToggleFullScreen();
    void SetDefaultSeconds();
    void SetMotion();
    void SetFps();
    void ChooseSoundtrack();
    void RemoveSoundtrack();

    TEditorApp& app_;
    TUserPrompts& prompts_;
    TAnimaticPlayer* player_;
};

} // namespace sw
