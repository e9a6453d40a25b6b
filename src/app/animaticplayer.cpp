#include "app/animaticplayer.h"

#include <algorithm>
#include <system_error>

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

#include "editing/document.h"
#include "qtshared/uitext.h"
#include "timeline/animaticsettings.h"

namespace sw {

TAnimaticPlayer::TAnimaticPlayer(TDocument& document, std::function<std::filesystem::path()> imgDir, QObject* parent)
    : QObject(parent), document_(document), imgDir_(std::move(imgDir))
{
    monotonic_.start();
    clock_ = [this] { return monotonic_.elapsed(); };
    sound_ = new QMediaPlayer(this);
    audio_ = new QAudioOutput(this);
    sound_->setAudioOutput(audio_);
    ticker_.setTimerType(Qt::PreciseTimer);
    connect(&ticker_, &QTimer::timeout, this, &TAnimaticPlayer::Tick);
    // Several changes at once (a cut applied, a step undone) rebuild once.
    rebuild_.setSingleShot(true);
    rebuild_.setInterval(0);
    connect(&rebuild_, &QTimer::timeout, this, &TAnimaticPlayer::Rebuild);
    const auto later = [this] { rebuild_.start(); };
    connect(&document_, &TDocument::shotChanged, this, later);
    connect(&document_, &TDocument::shotInserted, this, later);
    connect(&document_, &TDocument::shotRemoved, this, later);
    connect(&document_, &TDocument::shotMoved, this, later);
    connect(&document_, &TDocument::shotsReplaced, this, later);
    connect(&document_, &TDocument::projectReset, this, later);
    connect(&document_, &TDocument::animaticSettingsChanged, this, later);
    Rebuild();
}

TAnimaticPlayer::~TAnimaticPlayer() = default;

void TAnimaticPlayer::Rebuild()
{
    const std::int64_t frame = Frame();
    const ProjectDocument& project = document_.Project();
    const AnimaticSettings settings = ReadAnimaticSettings(project);
    frames_ = std::make_unique<animatic::AnimaticFrames>(project.EventList, imgDir_(), settings, settings.fps, look_);
    // The soundtrack follows the project's choice.
    const QUrl source = settings.soundtrack.empty()
                            ? QUrl()
                            : QUrl::fromLocalFile(uitext::PathToQString(std::filesystem::path(settings.soundtrack)));
    if (sound_->source() != source) {
        sound_->stop();
        sound_->setSource(source);
    }
    emit filmChanged();
    Seek(frame);
}

std::int64_t TAnimaticPlayer::Frame() const
{
    if (!frames_)
        return 0;
    const std::int64_t last = std::max<std::int64_t>(frames_->FrameCount() - 1, 0);
    if (!playing_)
        return std::clamp<std::int64_t>(startFrame_, 0, last);
    const std::int64_t played = (Now() - startMs_) * frames_->Fps() / 1000;
    const std::int64_t frame = startFrame_ + played;
    if (frame <= last)
        return frame;
    return loop_ && frames_->FrameCount() > 0 ? frame % frames_->FrameCount() : last;
}

void TAnimaticPlayer::Play()
{
    if (playing_ || frames_->FrameCount() == 0)
        return;
    // Played to its end, the film starts again.
    startFrame_ = Frame() >= frames_->FrameCount() - 1 ? 0 : Frame();
    startMs_ = Now();
    playing_ = true;
    ticker_.start(std::max(1000 / (2 * frames_->Fps()), 5));
    SyncSound();
    emit playingChanged(true);
    Tick();
}

void TAnimaticPlayer::Pause()
{
    if (!playing_)
        return;
    startFrame_ = Frame();
    playing_ = false;
    ticker_.stop();
    sound_->pause();
    emit playingChanged(false);
    Tick();
}

void TAnimaticPlayer::TogglePlay()
{
    if (playing_)
        Pause();
    else
        Play();
}

void TAnimaticPlayer::Seek(std::int64_t frame)
{
    startFrame_ = std::clamp<std::int64_t>(frame, 0, std::max<std::int64_t>(frames_->FrameCount() - 1, 0));
    startMs_ = Now();
    if (playing_)
        SyncSound();
    shown_ = -1;
    Tick();
}

void TAnimaticPlayer::PreviousShot()
{
    const auto& times = frames_->Times();
    if (times.empty())
        return;
    const std::int64_t frame = Frame();
    const std::size_t shot = ShotAtFrame(times, frame);
    const bool intoIt = frame - times[shot].firstFrame > frames_->Fps();
    Seek(times[intoIt || shot == 0 ? shot : shot - 1].firstFrame);
}

void TAnimaticPlayer::NextShot()
{
    const auto& times = frames_->Times();
    if (times.empty())
        return;
    const std::size_t shot = ShotAtFrame(times, Frame());
    if (shot + 1 < times.size())
        Seek(times[shot + 1].firstFrame);
}

void TAnimaticPlayer::SetLoop(bool loop)
{
    const std::int64_t frame = Frame();
    loop_ = loop;
    Seek(frame);
}

void TAnimaticPlayer::SetLook(const animatic::AnimaticLook& look)
{
    look_ = look;
    frames_->SetLook(look);
    shown_ = -1;
    Tick();
}

void TAnimaticPlayer::SetClock(Clock clock)
{
    const std::int64_t frame = Frame();
    clock_ = std::move(clock);
    Seek(frame);
}

void TAnimaticPlayer::Tick()
{
    const std::int64_t frame = Frame();
    if (playing_ && !loop_ && frame >= frames_->FrameCount() - 1) {
        // The end: the last frame stays.
        startFrame_ = frame;
        playing_ = false;
        ticker_.stop();
        sound_->pause();
        emit playingChanged(false);
    } else if (playing_ && loop_ && frame < shown_) {
        // Looped: the sound starts again with the film.
        SyncSound();
    }
    if (frame != shown_) {
        shown_ = frame;
        emit frameChanged(frame);
    }
}

void TAnimaticPlayer::SyncSound()
{
    if (sound_->source().isEmpty())
        return;
    sound_->setPosition(Frame() * 1000 / frames_->Fps());
    sound_->play();
}

} // namespace sw
