#include "animatic/animaticframes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImageReader>
#include <QImageIOHandler>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <QtMath>

#include "animatic/titlecard.h"
#include "model/eventlist.h"
#include "model/filebytes.h"
#include "model/picturename.h"
#include "pictures/picturefiles.h"
#include "qtshared/uitext.h"

namespace sw::animatic {

namespace {

// A circular movement turns this many degrees over the shot for each
// percent of motion: 8 % turns 3.2 degrees, slow enough to read as a drift.
constexpr double kDegreesPerPercent = 0.4;

const QColor kEmptyFrame(0x22, 0x25, 0x2b);
const QColor kBackdrop(0, 0, 0, 165);

// How a shot with one picture moves from its first frame to its last.
struct Motion {
    double zoomFrom = 1;
    double zoomTo = 1;
    // How far the view travels to the right, in frame widths.
    double slideX = 0;
    // How far the view travels upwards, in frame heights.
    double slideY = 0;
    // How far the view turns around the centre, in degrees.
    double turn = 0;
    // A constant enlargement, so that the moving picture always covers the
    // frame: no edge ever shows.
    double margin = 1;

    bool Still() const { return zoomFrom == 1 && zoomTo == 1 && slideX == 0 && slideY == 0 && turn == 0; }
};

// The camera's plan as a motion: a zoom or a travelling forwards pushes in,
// backwards pulls out; a lateral pan or travelling slides the view from left
// to right, a vertical one tilts it upwards; a circular one turns it.
Motion PlannedMotion(const TCam& cam, int motionPercent, QSizeF frame)
{
    Motion motion;
    const double amount = std::clamp(motionPercent, 0, AnimaticSettings::kMaxMotionPercent) / 100.0;
    if (amount <= 0)
        return motion;
    if (cam.zoom == 1 || cam.travel == 1)
        motion.zoomTo = 1 + amount;
    else if (cam.zoom == 2 || cam.travel == 2)
        motion.zoomFrom = 1 + amount;
    if (cam.pan == 1 || cam.travel == 3)
        motion.slideX = amount;
    if (cam.pan == 2 || cam.travel == 4)
        motion.slideY = amount;
    if (cam.pan == 3 || cam.travel == 5)
        motion.turn = motionPercent * kDegreesPerPercent;
    // The frame turned by half the turn must fit inside the picture, and the
    // slides need their travel on top.
    const double half = qDegreesToRadians(motion.turn / 2);
    const double cosine = std::cos(half);
    const double sine = std::sin(half);
    const double turned = std::max(cosine + frame.height() / frame.width() * sine,
                                   cosine + frame.width() / frame.height() * sine);
    motion.margin = turned + motion.slideX + motion.slideY;
    return motion;
}

// The picture's size once upright, from its header; empty when it is no
// picture Qt reads.
QSize UprightSize(const std::filesystem::path& file)
{
    if (!IsRegularFile(file))
        return {};
    QImageReader reader(uitext::PathToQString(file));
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return {};
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
}

enum class PictureState { Read, Missing, Unreadable };

struct LoadedPicture {
    QImage image;
    PictureState state = PictureState::Missing;
};

// The picture decoded at the size that covers the frame, enlarged by scale.
LoadedPicture LoadCovering(const std::filesystem::path& imgDir, const std::string& name, QSize frame, double scale)
{
    LoadedPicture loaded;
    const std::optional<std::filesystem::path> file = PictureFile(imgDir, name);
    std::error_code error;
    if (!file || !std::filesystem::exists(*file, error))
        return loaded;
    loaded.state = PictureState::Unreadable;
    const QSize upright = UprightSize(*file);
    if (upright.isEmpty())
        return loaded;
    const QSizeF cover = QSizeF(upright).scaled(QSizeF(frame) * scale, Qt::KeepAspectRatioByExpanding);
    // Two pixels more, so that rounding never leaves a still picture short.
    const QSize box(static_cast<int>(std::ceil(cover.width())) + 2, static_cast<int>(std::ceil(cover.height())) + 2);
    QImage image = LoadPictureForBox(*file, box);
    if (image.isNull())
        return loaded;
    // The opaque format draws fastest; a transparent picture keeps its alpha.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    loaded.image = std::move(image);
    loaded.state = PictureState::Read;
    return loaded;
}

QString PictureNote(PictureState state, const std::string& name)
{
    if (state == PictureState::Missing)
        return QStringLiteral("image introuvable : ") + uitext::ToQString(name);
    return QStringLiteral("image illisible : ") + uitext::ToQString(name);
}

// The picture drawn covering the frame, centred, without motion.
void DrawStill(QPainter& painter, QSize frame, const QImage& image)
{
    if (image.width() >= frame.width() && image.height() >= frame.height()) {
        // The picture was decoded at the frame's size: a plain copy.
        painter.drawImage(QPoint((frame.width() - image.width()) / 2, (frame.height() - image.height()) / 2), image);
        return;
    }
    const QSizeF cover = QSizeF(image.size()).scaled(QSizeF(frame), Qt::KeepAspectRatioByExpanding);
    painter.drawImage(QRectF(QPointF((frame.width() - cover.width()) / 2, (frame.height() - cover.height()) / 2), cover),
                      image);
}

QFont OverlayFont(double pixelSize, bool bold, bool fixedPitch)
{
    QFont font(fixedPitch ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(fixedPitch ? QFont::Monospace : QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
    font.setBold(bold);
    return font;
}

// Text on a dark rounded backdrop, so that it reads over any picture; box is
// where the text may go, flags place it there. Returns the backdrop.
QRectF DrawOnBackdrop(QPainter& painter, const QRectF& box, int flags, const QString& text, const QFont& font)
{
    painter.setFont(font);
    const QRectF used = painter.boundingRect(box, flags, text).intersected(box);
    const double pad = font.pixelSize() * 0.35;
    const QRectF backdrop = used.adjusted(-pad, -pad * 0.6, pad, pad * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackdrop);
    painter.drawRoundedRect(backdrop, pad, pad);
    painter.setPen(Qt::white);
    painter.drawText(box, flags, text);
    return backdrop;
}

} // namespace

struct AnimaticFrames::PreparedShot {
    std::size_t shot = 0;
    QSize size;
    // The start picture, the only picture, or the card.
    QImage first;
    // The end picture, when the shot crossfades into it.
    QImage second;
    Motion motion;
    // The dialogue as the subtitle shows it.
    QString dialogue;
};

AnimaticFrames::AnimaticFrames(const TEventList& shots, std::filesystem::path imgDir, const AnimaticSettings& settings,
                               int fps, AnimaticLook look)
    : imgDir_(std::move(imgDir)), settings_(settings), fps_(fps), look_(look)
{
    shots_.reserve(shots.Count());
    for (std::size_t i = 0; i < shots.Count(); ++i)
        shots_.push_back(shots.Event(i));
    times_ = TimeShots(shots, fps_, settings_.defaultShotSeconds);
    frameCount_ = FilmFrames(times_);
}

AnimaticFrames::~AnimaticFrames() = default;

std::size_t AnimaticFrames::HeldShots() const
{
    return prepared_.size();
}

AnimaticFrames::PreparedShot AnimaticFrames::PrepareShot(std::size_t shot, QSize size) const
{
    PreparedShot prepared;
    prepared.shot = shot;
    prepared.size = size;
    const TEvent& event = shots_[shot];
    prepared.dialogue = VisibleText(event.dialogue);
    const bool hasStart = !event.cam.startImage.empty();
    const bool hasEnd = !event.cam.endImage.empty();
    const Motion motion = PlannedMotion(event.cam, settings_.motionPercent, QSizeF(size));
    QStringList notes;
    if (hasStart && hasEnd) {
        LoadedPicture start = LoadCovering(imgDir_, event.cam.startImage, size, 1);
        LoadedPicture end = LoadCovering(imgDir_, event.cam.endImage, size, 1);
        if (start.state == PictureState::Read && end.state == PictureState::Read) {
            prepared.first = std::move(start.image);
            prepared.second = std::move(end.image);
            return prepared;
        }
        if (start.state != PictureState::Read)
            notes << PictureNote(start.state, event.cam.startImage);
        if (end.state != PictureState::Read)
            notes << PictureNote(end.state, event.cam.endImage);
    }
    // One picture moves; of two, the one that can be read does.
    for (const std::string* name : {&event.cam.startImage, &event.cam.endImage}) {
        if (name->empty())
            continue;
        const double scale = motion.margin * std::max(motion.zoomFrom, motion.zoomTo);
        LoadedPicture picture = LoadCovering(imgDir_, *name, size, scale);
        if (picture.state == PictureState::Read) {
            prepared.first = std::move(picture.image);
            prepared.motion = motion;
            return prepared;
        }
        if (!(hasStart && hasEnd))
            notes << PictureNote(picture.state, *name);
    }
    // No picture to show: the shot's card.
    TitleCardText card = MakeTitleCardText(event, shot + 1, times_[shot], settings_.defaultShotSeconds);
    notes.prepend(card.notes);
    notes.removeAll(QString());
    card.notes = notes.join(QLatin1Char('\n'));
    prepared.first = QImage(size, QImage::Format_RGB32);
    {
        QPainter painter(&prepared.first);
        DrawTitleCard(painter, size, card);
    }
    return prepared;
}

AnimaticFrames::PreparedShot& AnimaticFrames::Prepared(std::size_t shot, QSize size, std::size_t alsoKept)
{
    std::erase_if(prepared_, [&](const PreparedShot& held) {
        return held.size != size || (held.shot != shot && held.shot != alsoKept);
    });
    for (PreparedShot& held : prepared_)
        if (held.shot == shot)
            return held;
    prepared_.push_back(PrepareShot(shot, size));
    return prepared_.back();
}

void AnimaticFrames::Prepare(std::int64_t frame, QSize size)
{
    if (times_.empty() || size.isEmpty())
        return;
    // The shot that plays until then stays.
    const std::size_t shot = ShotAtFrame(times_, std::clamp<std::int64_t>(frame, 0, frameCount_ - 1));
    Prepared(shot, size, shot == 0 ? shot : shot - 1);
}

bool AnimaticFrames::SameAsPrevious(std::int64_t frame, QSize size) const
{
    if (look_.timecode || frame <= 0 || frame >= frameCount_)
        return false;
    const std::size_t shot = ShotAtFrame(times_, frame);
    if (times_[shot].firstFrame == frame)
        return false;
    for (const PreparedShot& held : prepared_)
        if (held.shot == shot && held.size == size)
            return held.second.isNull() && held.motion.Still();
    return false;
}

void AnimaticFrames::Paint(QPainter& painter, QSize size, std::int64_t frame)
{
    if (size.isEmpty())
        return;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    painter.fillRect(QRect(QPoint(0, 0), size), kEmptyFrame);
    if (times_.empty()) {
        painter.restore();
        return;
    }
    frame = std::clamp<std::int64_t>(frame, 0, frameCount_ - 1);
    const std::size_t shot = ShotAtFrame(times_, frame);
    // The next shot stays, should it have been prepared ahead.
    const PreparedShot& prepared = Prepared(shot, size, shot + 1);
    const ShotTime& time = times_[shot];
    const double progress =
        time.frameCount > 1 ? static_cast<double>(frame - time.firstFrame) / static_cast<double>(time.frameCount - 1) : 0;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!prepared.second.isNull()) {
        DrawStill(painter, size, prepared.first);
        painter.setOpacity(progress);
        DrawStill(painter, size, prepared.second);
        painter.setOpacity(1);
    } else if (prepared.motion.Still()) {
        DrawStill(painter, size, prepared.first);
    } else {
        const Motion& motion = prepared.motion;
        const double zoom = motion.zoomFrom + (motion.zoomTo - motion.zoomFrom) * progress;
        const QSizeF cover = QSizeF(prepared.first.size()).scaled(QSizeF(size), Qt::KeepAspectRatioByExpanding);
        painter.save();
        // The view travels right and up: the picture goes left and down.
        painter.translate(size.width() * (0.5 + motion.slideX * (0.5 - progress)),
                          size.height() * (0.5 + motion.slideY * (progress - 0.5)));
        painter.rotate(motion.turn * (progress - 0.5));
        painter.scale(motion.margin * zoom, motion.margin * zoom);
        painter.drawImage(QRectF(QPointF(-cover.width() / 2, -cover.height() / 2), cover), prepared.first);
        painter.restore();
    }
    painter.restore();
    painter.save();
    DrawOverlays(painter, size, shot, frame);
    painter.restore();
}

void AnimaticFrames::DrawOverlays(QPainter& painter, QSize size, std::size_t shot, std::int64_t frame) const
{
    if (!look_.captions && !look_.timecode && !look_.runningTime)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double height = size.height();
    const double margin = height * 0.035;
    const QRectF inside(margin, margin, size.width() - 2 * margin, height - 2 * margin);
    if (look_.timecode || look_.runningTime) {
        QStringList lines;
        if (look_.timecode)
            lines << QString::fromStdString(Timecode(frame, fps_));
        if (look_.runningTime)
            lines << QStringLiteral("durée ") + QString::fromStdString(Timecode(frameCount_, fps_));
        const QRectF box(inside.left() + inside.width() / 2, inside.top(), inside.width() / 2, inside.height() / 3);
        DrawOnBackdrop(painter, box, Qt::AlignRight | Qt::AlignTop, lines.join(QLatin1Char('\n')),
                       OverlayFont(height / 30, false, true));
    }
    if (!look_.captions)
        return;
    const TEvent& event = shots_[shot];
    const double captionWidth = look_.timecode || look_.runningTime ? inside.width() * 0.6 : inside.width();
    const QString heading = QString::number(shot + 1) + QStringLiteral(". ") + uitext::ToQString(event.name).trimmed();
    DrawOnBackdrop(painter, QRectF(inside.left(), inside.top(), captionWidth, inside.height() / 4),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, heading, OverlayFont(height / 24, true, false));
    // The dialogue as a subtitle: at most three lines, centred at the bottom.
    for (const PreparedShot& held : prepared_) {
        if (held.shot != shot || held.dialogue.isEmpty())
            continue;
        const QFont font = OverlayFont(height / 20, false, false);
        const double lineHeight = QFontMetricsF(font).lineSpacing();
        const double boxHeight = lineHeight * 3;
        const QRectF box(inside.left() + inside.width() * 0.08, inside.bottom() - boxHeight, inside.width() * 0.84,
                         boxHeight);
        QString text = held.dialogue;
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        DrawOnBackdrop(painter, box, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, text, font);
    }
}

void AnimaticFrames::PaintInto(QImage& image, std::int64_t frame)
{
    QPainter painter(&image);
    Paint(painter, image.size(), frame);
}

QImage AnimaticFrames::Frame(std::int64_t frame, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    PaintInto(image, frame);
    return image;
}

} // namespace sw::animatic
