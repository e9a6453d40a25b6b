// The "Animatique" window as a user drives it: F9 opens it over the shown
// project; Space plays and pauses in real time from the clock, with no
// drift over ten minutes of looping; the shot buttons, Page Up and Page
// Down and the time bar seek; an edit of a shot plays at once; the default
// duration, the motion and the soundtrack are steps of the document.

#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QSpinBox>

#include "app/animaticplayer.h"
#include "app/animatictimebar.h"
#include "app/animaticview.h"
#include "document/projectfile.h"
#include "editortestkit.h"
#include "qtshared/uitext.h"
#include "timeline/animaticsettings.h"

namespace {

constexpr int kFps = 25;

// Three shots of 2 s, no duration (the default, 2 s) and 3 s; the first red,
// the third blue, the second without a picture.
void OpenFilm(swtest::Editor& editor)
{
    const QString file = editor.Path(QStringLiteral("film.vid"));
    const QString imgDir = editor.Path(QStringLiteral("film/img"));
    QDir().mkpath(imgDir);
    sw::ProjectDocument document;
    document.GenInfo.title = "Le parapluie";
    const char* durations[] = {"2", "", "3"};
    const Qt::GlobalColor colours[] = {Qt::red, Qt::black, Qt::blue};
    for (int index = 0; index < 3; ++index) {
        sw::TEvent& shot = document.EventList.AddEvent();
        shot.name = "plan " + std::to_string(index + 1);
        shot.cam.duration = durations[index];
        if (index != 1) {
            shot.cam.startImage = "debut" + std::to_string(index) + ".png";
            QImage picture(320, 180, QImage::Format_RGB32);
            picture.fill(colours[index]);
            picture.save(QDir(imgDir).filePath(sw::uitext::ToQString(shot.cam.startImage)), "PNG");
        }
    }
    sw::SaveProject(document, file.toStdString());
    editor.prompts.fileToOpen = file;
    editor.Trigger("mOuvrir");
}

sw::TAnimaticView* OpenAnimatic(swtest::Editor& editor)
{
    editor.Trigger("mAnimatic");
    auto* view = editor.form->findChild<sw::TAnimaticView*>(QStringLiteral("AnimaticView"));
    if (view != nullptr && !QTest::qWaitForWindowExposed(view))
        qWarning("the animatic's window was not shown");
    return view;
}

// The colour at the middle of the canvas as it shows now.
QColor MiddleColour(sw::TAnimaticView* view)
{
    const QImage shown = view->Canvas->grab().toImage();
    return shown.pixelColor(shown.width() / 2, shown.height() / 2);
}

} // namespace

class AnimaticViewTest : public QObject {
    Q_OBJECT

private slots:
    void playsInRealTimeFromTheClockAndStopsAtTheEnd()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        sw::TAnimaticView* view = OpenAnimatic(editor);
        QVERIFY(view != nullptr && view->isVisible());
        QCOMPARE(view->windowTitle(), QStringLiteral("Animatique — Le parapluie"));
        sw::TAnimaticPlayer& player = view->Player();
        QCOMPARE(player.FrameCount(), (2 + 2 + 3) * kFps);
        std::int64_t now = 1000;
        player.SetClock([&now] { return now; });

        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(player.IsPlaying());
        QCOMPARE(view->PlayBtn->text(), QStringLiteral("Pause"));
        now += 1000;
        QCOMPARE(player.Frame(), kFps);
        QVERIFY(MiddleColour(view).red() > 200);
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(!player.IsPlaying());
        now += 5000;
        QCOMPARE(player.Frame(), kFps);  // paused, the film waits
        QVERIFY(view->TimeLabel->text().startsWith(QStringLiteral("00:00:01:00 / 00:00:07:00 — plan 1 sur 3")));

        // Played past its end, the film stops on its last frame.
        view->PlayBtn->click();
        now += 60'000;
        QCOMPARE(player.Frame(), player.FrameCount() - 1);
        QTRY_VERIFY(!player.IsPlaying());
        QVERIFY(MiddleColour(view).blue() > 200);
        swtest::Screenshot(view, QStringLiteral("animatic-end"));
    }

    void loopsTenMinutesWithoutDrift()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        sw::TAnimaticView* view = OpenAnimatic(editor);
        sw::TAnimaticPlayer& player = view->Player();
        std::int64_t now = 0;
        player.SetClock([&now] { return now; });
        view->LoopBox->click();
        view->PlayBtn->click();
        // However the frames were drawn on the way, ten minutes on the film is
        // where the clock says.
        for (int step = 0; step < 600; ++step) {
            now += 1000;
            QCoreApplication::processEvents();
        }
        QCOMPARE(player.Frame(), std::int64_t{600 * kFps} % player.FrameCount());
        QVERIFY(player.IsPlaying());
        now += 33;
        QCOMPARE(player.Frame(), (std::int64_t{600'033} * kFps / 1000) % player.FrameCount());
    }

    void shotButtonsKeysAndTheTimeBarSeek()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        sw::TAnimaticView* view = OpenAnimatic(editor);
        sw::TAnimaticPlayer& player = view->Player();
        view->NextBtn->click();
        QCOMPARE(player.Frame(), 2 * kFps);
        // The shot without a picture shows its card, not a colour of the film.
        const QColor card = MiddleColour(view);
        QVERIFY(card.red() < 100 && card.blue() < 100);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(player.Frame(), 4 * kFps);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(player.Frame(), 4 * kFps);  // no shot after the last
        QTest::keyClick(view, Qt::Key_PageUp);
        QCOMPARE(player.Frame(), 2 * kFps);
        view->PreviousBtn->click();
        QCOMPARE(player.Frame(), 0);

        sw::TAnimaticTimeBar* bar = view->TimeBar;
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->XOf(5 * kFps) + 1, bar->height() / 2));
        QVERIFY(std::abs(player.Frame() - 5 * kFps) <= 1);
        QVERIFY(view->TimeLabel->text().contains(QStringLiteral("plan 3 sur 3")));
    }

    void editsAndSettingsPlayAtOnceAsStepsOfTheDocument()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        sw::TAnimaticView* view = OpenAnimatic(editor);
        sw::TAnimaticPlayer& player = view->Player();
        editor.app->Document().SetShotField(0, sw::ShotField::Duration, std::string("6"));
        QTRY_COMPARE(player.FrameCount(), (6 + 2 + 3) * kFps);

        view->DefaultSecondsEdit->setValue(5);
        emit view->DefaultSecondsEdit->editingFinished();
        QCOMPARE(sw::ReadAnimaticSettings(editor.Project()).defaultShotSeconds, 5);
        QTRY_COMPARE(player.FrameCount(), (6 + 5 + 3) * kFps);
        QCOMPARE(swtest::ShownCaption(editor.Find<QAction>("mUndo")), QStringLiteral("Annuler Modifier l'animatique"));
        editor.Trigger("mUndo");
        QTRY_COMPARE(player.FrameCount(), (6 + 2 + 3) * kFps);
        QCOMPARE(view->DefaultSecondsEdit->value(), 2);

        // At 30 frames a second, the film has 30 frames a second of its time.
        view->FpsBox->setFocus();
        QTest::keyClick(view->FpsBox, Qt::Key_End);
        QCOMPARE(sw::ReadAnimaticSettings(editor.Project()).fps, 30);
        QTRY_COMPARE(player.FrameCount(), (6 + 2 + 3) * 30);
        QVERIFY(view->TimeLabel->text().endsWith(QStringLiteral("00:00:11:00 — plan 1 sur 3")));

        view->MotionEdit->setValue(20);
        emit view->MotionEdit->editingFinished();
        QCOMPARE(sw::ReadAnimaticSettings(editor.Project()).motionPercent, 20);

        const QString sound = editor.Path(QStringLiteral("musique témoin.wav"));
        QFile(sound).open(QIODevice::WriteOnly);
        editor.prompts.soundtrack = sound;
        view->ChooseSoundtrackBtn->click();
        QCOMPARE(sw::ReadAnimaticSettings(editor.Project()).soundtrack, sound.toStdString());
        QCOMPARE(view->SoundtrackLabel->text(), QStringLiteral("musique témoin.wav"));
        QTRY_COMPARE(player.Soundtrack()->source(), QUrl::fromLocalFile(sound));
        QVERIFY(view->RemoveSoundtrackBtn->isEnabled());
        view->RemoveSoundtrackBtn->click();
        QCOMPARE(sw::ReadAnimaticSettings(editor.Project()).soundtrack, std::string());
        QTRY_VERIFY(player.Soundtrack()->source().isEmpty());
        QVERIFY(!view->RemoveSoundtrackBtn->isEnabled());
        QVERIFY(editor.form->isWindowModified());
    }

    void fullScreenComesAndGoes()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        sw::TAnimaticView* view = OpenAnimatic(editor);
        QTest::keyClick(view, Qt::Key_F11);
        QTRY_VERIFY(view->windowState() & Qt::WindowFullScreen);
        QTest::keyClick(view, Qt::Key_Escape);
        QTRY_VERIFY(!(view->windowState() & Qt::WindowFullScreen));
        // Closed while playing, the film stops.
        view->PlayBtn->click();
        view->close();
        QVERIFY(!view->Player().IsPlaying());
    }
};

QTEST_MAIN(AnimaticViewTest)
#include "animaticview_test.moc"
