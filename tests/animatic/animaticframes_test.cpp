#include <string>
#include <tuple>

#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

#include "animatic/animaticframes.h"
#include "animatic/titlecard.h"
#include "animatictestkit.h"
#include "model/error.h"

namespace sw::animatic::test {
namespace {

const QSize kFrame(320, 180);
constexpr int kFps = 25;

AnimaticSettings Settings(int motionPercent = AnimaticSettings::kDefaultMotionPercent)
{
    AnimaticSettings settings;
    settings.motionPercent = motionPercent;
    return settings;
}

bool Near(double value, double expected, double tolerance)
{
    return std::abs(value - expected) <= tolerance;
}

// How many pixels are much brighter than the card's dark background: drawn text.
int BrightPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 150)
                ++count;
    return count;
}

int WhitePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 240 && qGreen(image.pixel(x, y)) > 240 && qBlue(image.pixel(x, y)) > 240)
                ++count;
    return count;
}

TEST(AnimaticFramesTest, TheShotsTakeTheirFramesAndTheFilmItsLength)
{
    ProjectDocument project;
    AddShot(project, "3");
    AddShot(project, "");
    AnimaticFrames frames(project.EventList, {}, Settings(), kFps);
    EXPECT_EQ(frames.FrameCount(), (3 + 2) * kFps);
    EXPECT_TRUE(frames.Times()[1].defaulted);
}

TEST(AnimaticFramesTest, AStartAndAnEndPictureCrossfadeOverTheShot)
{
    ScratchFolder folder;
    WriteSolidPicture(folder.Path() / "rouge.png", QColor(255, 0, 0));
    WriteSolidPicture(folder.Path() / "bleu.png", QColor(0, 0, 255));
    ProjectDocument project;
    AddShot(project, "2", "rouge.png", "bleu.png");
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(), kFps);
    const MeanColour first = MeanOf(frames.Frame(0, kFrame));
    EXPECT_TRUE(Near(first.red, 255, 3) && Near(first.blue, 0, 3)) << first.red << " " << first.blue;
    const std::int64_t last = frames.FrameCount() - 1;
    const MeanColour end = MeanOf(frames.Frame(last, kFrame));
    EXPECT_TRUE(Near(end.red, 0, 3) && Near(end.blue, 255, 3)) << end.red << " " << end.blue;
    // Halfway, both pictures mix about evenly.
    const MeanColour middle = MeanOf(frames.Frame(last / 2, kFrame));
    EXPECT_TRUE(Near(middle.red, 128, 12)) << middle.red;
    EXPECT_TRUE(Near(middle.blue, 128, 12)) << middle.blue;
    EXPECT_LT(middle.green, 3);
}

TEST(AnimaticFramesTest, AZoomInEndsOnTheMagnifiedCentreOfItsFirstFrame)
{
    ScratchFolder folder;
    WriteQuadrantPicture(folder.Path() / "plan.png", 640, 360);
    ProjectDocument project;
    AddShot(project, "2", "plan.png").cam.zoom = 1;
    constexpr int kPercent = 20;
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(kPercent), kFps);
    const QImage first = frames.Frame(0, kFrame);
    const QImage last = frames.Frame(frames.FrameCount() - 1, kFrame);
    const QSize centre(static_cast<int>(kFrame.width() / 1.2), static_cast<int>(kFrame.height() / 1.2));
    const QImage magnified = first.copy(QRect(QPoint((kFrame.width() - centre.width()) / 2,
                                                     (kFrame.height() - centre.height()) / 2), centre))
                                 .scaled(kFrame, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(last, magnified), MeanDifference(last, first) / 3);
    // The white square in the middle has grown by the zoom, in area 1.2².
    const double grown = static_cast<double>(WhitePixels(last)) / WhitePixels(first);
    EXPECT_NEAR(grown, 1.44, 0.06);
}

TEST(AnimaticFramesTest, AZoomOutStartsOnTheMagnifiedCentreOfItsLastFrame)
{
    ScratchFolder folder;
    WriteQuadrantPicture(folder.Path() / "plan.png", 640, 360);
    ProjectDocument project;
    AddShot(project, "2", "plan.png").cam.travel = 2;
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(20), kFps);
    const QImage first = frames.Frame(0, kFrame);
    const QImage last = frames.Frame(frames.FrameCount() - 1, kFrame);
    const QSize centre(static_cast<int>(kFrame.width() / 1.2), static_cast<int>(kFrame.height() / 1.2));
    const QImage magnified = last.copy(QRect(QPoint((kFrame.width() - centre.width()) / 2,
                                                    (kFrame.height() - centre.height()) / 2), centre))
                                 .scaled(kFrame, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(first, magnified), MeanDifference(last, first) / 3);
    EXPECT_NEAR(static_cast<double>(WhitePixels(first)) / WhitePixels(last), 1.44, 0.06);
}

TEST(AnimaticFramesTest, ALateralPanSlidesTheViewFromLeftToRight)
{
    ScratchFolder folder;
    WriteGradientPicture(folder.Path() / "plan.png", true);
    ProjectDocument project;
    AddShot(project, "2", "plan.png").cam.pan = 1;
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(20), kFps);
    const double first = MeanOf(frames.Frame(0, kFrame)).Brightness();
    const double middle = MeanOf(frames.Frame(frames.FrameCount() / 2, kFrame)).Brightness();
    const double last = MeanOf(frames.Frame(frames.FrameCount() - 1, kFrame)).Brightness();
    // The bright side is on the right: the view brightens as it goes there.
    EXPECT_GT(middle, first + 8);
    EXPECT_GT(last, middle + 8);
}

TEST(AnimaticFramesTest, AVerticalTravellingTiltsTheViewUpwards)
{
    ScratchFolder folder;
    WriteGradientPicture(folder.Path() / "plan.png", false);
    ProjectDocument project;
    AddShot(project, "2", "plan.png").cam.travel = 4;
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(20), kFps);
    const double first = MeanOf(frames.Frame(0, kFrame)).Brightness();
    const double last = MeanOf(frames.Frame(frames.FrameCount() - 1, kFrame)).Brightness();
    // The bright side is at the top.
    EXPECT_GT(last, first + 15);
}

TEST(AnimaticFramesTest, NoMovementEvenAtItsWidestShowsAnEdgeOfThePicture)
{
    ScratchFolder folder;
    // A tall picture in a wide frame, the case that leaves the least room.
    WriteSolidPicture(folder.Path() / "vert.png", QColor(0, 200, 0), 300, 500);
    for (const auto& [pan, travel, zoom] :
         {std::tuple{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {0, 5, 0}, {1, 4, 2}, {3, 3, 1}, {0, 2, 0}}) {
        ProjectDocument project;
        TEvent& shot = AddShot(project, "1", "vert.png");
        shot.cam.pan = static_cast<std::uint8_t>(pan);
        shot.cam.travel = static_cast<std::uint8_t>(travel);
        shot.cam.zoom = static_cast<std::uint8_t>(zoom);
        AnimaticFrames frames(project.EventList, folder.Path(), Settings(AnimaticSettings::kMaxMotionPercent), kFps);
        for (const std::int64_t frame : {std::int64_t{0}, frames.FrameCount() / 2, frames.FrameCount() - 1}) {
            const QImage image = frames.Frame(frame, kFrame);
            for (const QPoint corner : {QPoint(0, 0), QPoint(319, 0), QPoint(0, 179), QPoint(319, 179)})
                EXPECT_GT(qGreen(image.pixel(corner)), 150)
                    << "pan " << pan << " travel " << travel << " zoom " << zoom << " frame " << frame;
        }
    }
}

TEST(AnimaticFramesTest, ACircularMovementTurnsThePictureAroundItsCentre)
{
    ScratchFolder folder;
    WriteQuadrantPicture(folder.Path() / "plan.png", 640, 360);
    ProjectDocument project;
    AddShot(project, "2", "plan.png").cam.pan = 3;
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(20), kFps);
    const QImage first = frames.Frame(0, kFrame);
    const QImage last = frames.Frame(frames.FrameCount() - 1, kFrame);
    EXPECT_GT(MeanDifference(first, last), 3);
    // The centre stays where it is: white in both.
    EXPECT_GT(MeanOf(first, QRect(150, 80, 20, 20)).Brightness(), 240);
    EXPECT_GT(MeanOf(last, QRect(150, 80, 20, 20)).Brightness(), 240);
}

TEST(AnimaticFramesTest, AShotWithoutPictureShowsItsTitleCard)
{
    ProjectDocument project;
    TEvent& shot = AddShot(project, "3");
    shot.name = "Escalier";
    shot.action = "<p>Il <b>monte</b> l'escalier &amp; s'arrête.</p><p>Puis redescend.</p>";
    AnimaticFrames frames(project.EventList, {}, Settings(), kFps);
    const QImage card = frames.Frame(10, kFrame);
    // Dark on the whole, with light text on it.
    EXPECT_LT(MeanOf(card).Brightness(), 80);
    EXPECT_GT(BrightPixels(card), 200);
}

TEST(AnimaticFramesTest, ADefaultedShotsCardSaysSo)
{
    ProjectDocument project;
    AddShot(project, "3");
    AddShot(project, "");
    AnimaticFrames frames(project.EventList, {}, Settings(), kFps);
    const QImage timed = frames.Frame(0, kFrame);
    const QImage defaulted = frames.Frame(frames.Times()[1].firstFrame, kFrame);
    // Same heading length ("1. plan 1", "2. plan 2"): only the defaulted note adds light below.
    const QRect below(0, 140, 320, 40);
    EXPECT_GT(BrightPixels(defaulted.copy(below)) + 5, BrightPixels(timed.copy(below)));
    EXPECT_GT(MeanDifference(defaulted.copy(below), timed.copy(below)), 0.5);
    const TitleCardText text = MakeTitleCardText(project.EventList.Event(1), 2, frames.Times()[1], 2);
    EXPECT_EQ(text.notes, QStringLiteral("durée par défaut : 2 s"));
    EXPECT_EQ(text.heading, QStringLiteral("2. plan 2"));
}

TEST(AnimaticFramesTest, AMissingOrUnreadablePictureGivesACardNotACrash)
{
    ScratchFolder folder;
    {
        std::ofstream broken(folder.Path() / "abime.jpg", std::ios::binary);
        broken << "pas une image du tout";
    }
    ProjectDocument project;
    AddShot(project, "1", "absente.jpg");
    AddShot(project, "1", "abime.jpg");
    AddShot(project, "1", "../dehors.jpg");
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(), kFps);
    for (const ShotTime& time : frames.Times()) {
        const QImage card = frames.Frame(time.firstFrame, kFrame);
        EXPECT_LT(MeanOf(card).Brightness(), 80);
        EXPECT_GT(BrightPixels(card), 100);
    }
}

TEST(AnimaticFramesTest, CaptionsTimecodeAndRunningTimeAreEachSwitchable)
{
    ScratchFolder folder;
    WriteSolidPicture(folder.Path() / "gris.png", QColor(90, 90, 90));
    ProjectDocument project;
    TEvent& shot = AddShot(project, "2", "gris.png");
    shot.dialogue = "Bonjour, dit-elle.";
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(), kFps);
    const QImage plain = frames.Frame(3, kFrame);
    EXPECT_EQ(BrightPixels(plain), 0);

    frames.SetLook({true, false, false});
    const QImage captioned = frames.Frame(3, kFrame);
    // The name at the top left, the dialogue at the bottom.
    EXPECT_GT(BrightPixels(captioned.copy(0, 0, 160, 40)), 20);
    EXPECT_GT(BrightPixels(captioned.copy(0, 130, 320, 50)), 20);
    EXPECT_EQ(BrightPixels(captioned.copy(200, 0, 120, 30)), 0);

    frames.SetLook({false, true, false});
    const QImage early = frames.Frame(3, kFrame);
    const QImage later = frames.Frame(40, kFrame);
    EXPECT_GT(BrightPixels(early.copy(200, 0, 120, 30)), 20);
    EXPECT_GT(MeanDifference(early, later), 0.01);

    frames.SetLook({false, false, true});
    // The running time is the same on every frame.
    EXPECT_EQ(frames.Frame(3, kFrame), frames.Frame(40, kFrame));
    EXPECT_GT(BrightPixels(frames.Frame(3, kFrame)), 20);
}

TEST(AnimaticFramesTest, OnlyTheCurrentAndTheNextShotsPicturesAreHeld)
{
    ScratchFolder folder;
    WriteSolidPicture(folder.Path() / "a.png", QColor(10, 120, 200));
    ProjectDocument project;
    for (int i = 0; i < 8; ++i)
        AddShot(project, "1", "a.png");
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(), kFps);
    QImage image(kFrame, QImage::Format_RGB32);
    for (std::int64_t frame = 0; frame < frames.FrameCount(); frame += 5) {
        frames.PaintInto(image, frame);
        EXPECT_LE(frames.HeldShots(), 2u);
        frames.Prepare(frame + kFps, kFrame);
        EXPECT_LE(frames.HeldShots(), 2u);
    }
}

TEST(AnimaticFramesTest, OnlyAStillShotsFramesAreTheSameAsTheOnesBefore)
{
    ScratchFolder folder;
    WriteQuadrantPicture(folder.Path() / "a.png");
    WriteSolidPicture(folder.Path() / "b.png", QColor(0, 0, 255));
    ProjectDocument project;
    AddShot(project, "1", "a.png");
    AddShot(project, "1", "a.png").cam.zoom = 1;
    AddShot(project, "1", "a.png", "b.png");
    AddShot(project, "1");
    AnimaticFrames frames(project.EventList, folder.Path(), Settings(), kFps);
    const auto sameAsBefore = [&](std::int64_t frame) {
        frames.Frame(frame - 1, kFrame);
        const bool same = frames.SameAsPrevious(frame, kFrame);
        if (same) {
            EXPECT_EQ(frames.Frame(frame, kFrame), frames.Frame(frame - 1, kFrame)) << frame;
        }
        return same;
    };
    EXPECT_TRUE(sameAsBefore(10));                 // the still picture
    EXPECT_FALSE(sameAsBefore(kFps));              // the first frame of the zoom
    EXPECT_FALSE(sameAsBefore(kFps + 10));         // the zoom
    EXPECT_FALSE(sameAsBefore(2 * kFps + 10));     // the crossfade
    EXPECT_TRUE(sameAsBefore(3 * kFps + 10));      // the card
    frames.SetLook({true, false, true});
    EXPECT_TRUE(sameAsBefore(10));
    frames.SetLook({false, true, false});
    EXPECT_FALSE(sameAsBefore(10));                // the timecode counts
}

TEST(AnimaticFramesTest, AFieldsVisibleTextHasNoMarkup)
{
    EXPECT_EQ(VisibleText("<b>Il</b> entre &amp; sort"), QStringLiteral("Il entre & sort"));
    EXPECT_EQ(VisibleText("une ligne\r\nune autre"), QStringLiteral("une ligne\nune autre"));
    EXPECT_TRUE(VisibleText("<img src=\"file:///etc/passwd\">vu").endsWith(QStringLiteral("vu")));
}

TEST(AnimaticFramesTest, ATitleCardIsWrittenAsAPngOfTheSizeAsked)
{
    ScratchFolder folder;
    TEvent shot;
    shot.name = "Porte";
    ShotTime time;
    time.defaulted = true;
    const fs::path png = folder.Path() / "carte.png";
    WriteTitleCardPng(png, shot, 4, time, 3, QSize(640, 360));
    QImageReader reader(ToQ(png));
    EXPECT_EQ(reader.format(), QByteArray("png"));
    const QImage card = reader.read();
    EXPECT_EQ(card.size(), QSize(640, 360));
    EXPECT_GT(BrightPixels(card), 200);
}

TEST(AnimaticFramesTest, ATitleCardInAFolderThatTakesNoFileIsAFrenchErrorAndNoFile)
{
    ScratchFolder folder;
    const fs::path png = folder.Path() / "absent" / "carte.png";
    try {
        WriteTitleCardPng(png, TEvent{}, 1, ShotTime{}, 2, QSize(64, 36));
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("Le fichier « carte.png » ne peut pas être écrit"), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(fs::exists(png));
}

} // namespace
} // namespace sw::animatic::test
