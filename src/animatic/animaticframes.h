#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include <QImage>
#include <QSize>

#include "model/event.h"
#include "timeline/animaticsettings.h"
#include "timeline/shottiming.h"

class QPainter;

namespace sw {
class TEventList;
}

namespace sw::animatic {

// What is written over the pictures, each switchable.
struct AnimaticLook {
    // The shot's number and name at the top, its dialogue as a subtitle.
    bool captions = false;
    // The frame's timecode "HH:MM:SS:FF".
    bool timecode = false;
    // The film's total running time.
    bool runningTime = false;
};

// The animatic's frames, drawn the same way for the editor's playback and
// for the video: each shot for its frames, its start picture crossfading
// into its end picture when it has both, a single picture moving as its
// camera does (subtly: the project's motion percent of the frame over the
// shot), a title card when it has no picture that can be read. Pictures are
// decoded once per shot at the frame's size; only the current shot's and
// the next one's are kept, so memory does not grow with the film. Not
// thread-safe: one thread draws.
class AnimaticFrames {
public:
    AnimaticFrames(const TEventList& shots, std::filesystem::path imgDir, const AnimaticSettings& settings, int fps,
                   AnimaticLook look = {});
    ~AnimaticFrames();
    AnimaticFrames(const AnimaticFrames&) = delete;
    AnimaticFrames& operator=(const AnimaticFrames&) = delete;

    int Fps() const { return fps_; }
    std::int64_t FrameCount() const { return frameCount_; }
    const std::vector<ShotTime>& Times() const { return times_; }
    const AnimaticLook& Look() const { return look_; }
    void SetLook(const AnimaticLook& look) { look_ = look; }

    // Draws frame (clamped to the film) over a size-sized area at the
    // painter's origin. A film without shots draws a dark frame.
    void Paint(QPainter& painter, QSize size, std::int64_t frame);
    // Draws frame over the whole image.
    void PaintInto(QImage& image, std::int64_t frame);
    // The frame as a new image of that size (Format_RGB32).
    QImage Frame(std::int64_t frame, QSize size);

    // Whether frame, drawn at size, would look exactly like the frame before
    // it: the same shot, standing still (no crossfade, no motion), and no
    // timecode counting. The video then encodes the previous frame again
    // instead of drawing it. False when that shot's pictures are not held.
    bool SameAsPrevious(std::int64_t frame, QSize size) const;

    // Decodes the pictures of the shot that plays at frame now, so that
    // drawing it later does not wait: for a player about to reach it.
    void Prepare(std::int64_t frame, QSize size);

    // How many shots' pictures are held: at most the current and the next.
    std::size_t HeldShots() const;

private:
    struct PreparedShot;
    // The shot's pictures at that size; of those held before, only alsoKept's stay.
    PreparedShot& Prepared(std::size_t shot, QSize size, std::size_t alsoKept);
    PreparedShot PrepareShot(std::size_t shot, QSize size) const;
    void DrawOverlays(QPainter& painter, QSize size, std::size_t shot, std::int64_t frame) const;

    std::vector<TEvent> shots_;
    std::filesystem::path imgDir_;
    AnimaticSettings settings_;
    int fps_;
    AnimaticLook look_;
    std::vector<ShotTime> times_;
    std::int64_t frameCount_ = 0;
    std::vector<PreparedShot> prepared_;
};

} // namespace sw::animatic
