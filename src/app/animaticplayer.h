#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "animatic/animaticframes.h"

class QAudioOutput;
class QMediaPlayer;

namespace sw {

class TDocument;

// The animatic as it plays in the editor: the frames of the document's
// shots (AnimaticFrames), the frame shown, and the playing. The frame is
// read from a monotonic clock each time it is asked for, so the film keeps
// real time however slowly the frames are drawn: a late frame is dropped,
// the film never slowed. Every change of the document's shots or of its
// animatic settings is played at once, from the same frame. The project's
// soundtrack plays along through Qt Multimedia, moved with every seek.
class TAnimaticPlayer : public QObject {
    Q_OBJECT
public:
    // The milliseconds of a monotonic clock; tests give their own.
    using Clock = std::function<std::int64_t()>;

    TAnimaticPlayer(TDocument& document, std::function<std::filesystem::path()> imgDir, QObject* parent = nullptr);
    ~TAnimaticPlayer() override;

    animatic::AnimaticFrames& Frames() { return *frames_; }
    std::int64_t FrameCount() const { return frames_->FrameCount(); }
    int Fps() const { return frames_->Fps(); }
    // The frame to show now.
    std::int64_t Frame() const;
    bool IsPlaying() const { return playing_; }
    bool Loops() const { return loop_; }

    void Play();
    void Pause();
    void TogglePlay();
    // Shows frame (clamped to the film) and plays on from it when playing.
    void Seek(std::int64_t frame);
    // The start of the shot before the one shown (of the shown one when
    // more than a second of it has played), and of the next one.
    void PreviousShot();
    void NextShot();
    void SetLoop(bool loop);
    void SetLook(const animatic::AnimaticLook& look);
    void SetClock(Clock clock);
    // The soundtrack's player, for the view and the tests.
    QMediaPlayer* Soundtrack() const { return sound_; }

signals:
    // The frame shown changed (played on, sought, the film changed).
    void frameChanged(std::int64_t frame);
    // The shots' times changed: the time bar draws them again.
    void filmChanged();
    void playingChanged(bool playing);

private:
    void Rebuild();
    void Tick();
    void SyncSound();
    std::int64_t Now() const { return clock_(); }

    TDocument& document_;
    std::function<std::filesystem::path()> imgDir_;
    std::unique_ptr<animatic::AnimaticFrames> frames_;
    animatic::AnimaticLook look_;
    Clock clock_;
    QElapsedTimer monotonic_;
    QTimer ticker_;
    QTimer rebuild_;
    bool playing_ = false;
    bool loop_ = false;
    // While playing, the frame shown at the clock's startMs_; paused, the frame shown.
    std::int64_t startFrame_ = 0;
    std::int64_t startMs_ = 0;
    std::int64_t shown_ = -1;
    QMediaPlayer* sound_ = nullptr;
    QAudioOutput* audio_ = nullptr;
};

} // namespace sw
