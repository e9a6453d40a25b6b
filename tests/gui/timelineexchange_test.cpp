// The hand-off to the film editor as a user drives it: Fichier > "Exporter
// une timeline…" writes the timeline and the cards of the shots without a
// picture, and gives the shots their ids, which the next save keeps;
// Fichier > "Importer un montage…" shows what the cut changes, applies it as
// one step that Édition > Annuler takes back, and changes nothing when the
// user cancels, when the file is broken or when no clip matches.

#include <string>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPushButton>

#include "document/projectfile.h"
#include "document/projectextensions.h"
#include "editortestkit.h"
#include "qtshared/uitext.h"

namespace {

// Three shots; the second has no picture, so its clip shows a card.
QString OpenFilm(swtest::Editor& editor)
{
    const QString file = editor.Path(QStringLiteral("film.vid"));
    const QString imgDir = editor.Path(QStringLiteral("film/img"));
    QDir().mkpath(imgDir);
    sw::ProjectDocument document;
    const char* durations[] = {"4", "", "6"};
    for (int index = 0; index < 3; ++index) {
        sw::TEvent& shot = document.EventList.AddEvent();
        shot.name = "plan " + std::to_string(index + 1);
        shot.action = "Action " + std::to_string(index + 1);
        shot.cam.duration = durations[index];
        if (index != 1) {
            shot.cam.startImage = "debut" + std::to_string(index) + ".jpg";
            QImage picture(320, 180, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(index * 90, 160, 220));
            picture.save(QDir(imgDir).filePath(sw::uitext::ToQString(shot.cam.startImage)), "JPEG");
        }
    }
    sw::SaveProject(document, file.toStdString());
    editor.prompts.fileToOpen = file;
    editor.Trigger("mOuvrir");
    editor.prompts.messages.clear();
    return file;
}

// The timeline with its clips in another order and other lengths, as an
// editing program would send it back: clip 3 first at 2.6 s, then clip 1
// at 7 s; clip 2 cut out.
QString EditedCut(const QString& otio, const QString& cut)
{
    QFile in(otio);
    in.open(QIODevice::ReadOnly);
    QJsonObject timeline = QJsonDocument::fromJson(in.readAll()).object();
    QJsonObject stack = timeline[QStringLiteral("tracks")].toObject();
    QJsonArray tracks = stack[QStringLiteral("children")].toArray();
    QJsonObject track = tracks[0].toObject();
    const QJsonArray clips = track[QStringLiteral("children")].toArray();
    const auto withFrames = [](QJsonObject clip, double frames) {
        QJsonObject range = clip[QStringLiteral("source_range")].toObject();
        QJsonObject duration = range[QStringLiteral("duration")].toObject();
        duration[QStringLiteral("value")] = frames;
        range[QStringLiteral("duration")] = duration;
        clip[QStringLiteral("source_range")] = range;
        return clip;
    };
    track[QStringLiteral("children")] = QJsonArray{withFrames(clips[2].toObject(), 65), withFrames(clips[0].toObject(), 175)};
    tracks[0] = track;
    stack[QStringLiteral("children")] = tracks;
    timeline[QStringLiteral("tracks")] = stack;
    QFile out(cut);
    out.open(QIODevice::WriteOnly);
    out.write(QJsonDocument(timeline).toJson());
    return cut;
}

QStringList Durations(const swtest::Editor& editor)
{
    QStringList durations;
    for (std::size_t i = 0; i < editor.Project().EventList.Count(); ++i)
        durations << QString::fromStdString(editor.Project().EventList.Event(i).name + "=" +
                                            editor.Project().EventList.Event(i).cam.duration);
    return durations;
}

} // namespace

class TimelineExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void theTimelineGivesIdsThatTheNextSaveKeeps()
    {
        swtest::Editor editor;
        const QString film = OpenFilm(editor);
        const QString otio = editor.Path(QStringLiteral("montage.otio"));
        editor.prompts.exportFile = otio;
        editor.Trigger("mExportTimeline");
        QCOMPARE(editor.prompts.exportFormats, QList<sw::ExportFormat>{sw::ExportFormat::Timeline});
        QCOMPARE(editor.prompts.exportSuggestions, QStringList{editor.Path(QStringLiteral("film.otio"))});
        QCOMPARE(editor.prompts.progressTexts, QStringList{QStringLiteral("Exportation de la timeline...")});
        QCOMPARE(editor.prompts.messages.size(), 1);
        QVERIFY2(editor.prompts.messages.first().startsWith(QStringLiteral("La timeline est exportée dans « ") + otio),
                 qPrintable(editor.prompts.messages.first()));
        QVERIFY(editor.prompts.messages.first().contains(QStringLiteral("3 plan(s) ont reçu un identifiant")));

        const QImage card(editor.Path(QStringLiteral("montage_media/carton-002.png")));
        QCOMPARE(card.size(), QSize(1920, 1080));
        QVERIFY(!QFileInfo::exists(editor.Path(QStringLiteral("montage_media/carton-001.png"))));
        QVERIFY(editor.form->isWindowModified());
        std::string ids;
        for (std::size_t i = 0; i < 3; ++i) {
            QVERIFY(sw::IsShotId(editor.Project().EventList.Event(i).id));
            ids += editor.Project().EventList.Event(i).id;
        }
        QVERIFY2(!editor.Find<QAction>("mUndo")->isEnabled(), "ids are no step to take back");

        editor.Trigger("mSave");
        sw::ProjectDocument saved;
        sw::LoadProject(saved, film.toStdString());
        std::string savedIds;
        for (std::size_t i = 0; i < 3; ++i)
            savedIds += saved.EventList.Event(i).id;
        QCOMPARE(savedIds, ids);

        // Exported again, the shots keep their ids and the project stays saved.
        editor.prompts.messages.clear();
        editor.Trigger("mExportTimeline");
        QVERIFY(!editor.prompts.messages.first().contains(QStringLiteral("identifiant")));
        QVERIFY(!editor.form->isWindowModified());
    }

    void theCutComesBackAfterItsSummaryAsOneStep()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        const QString otio = editor.Path(QStringLiteral("montage.otio"));
        editor.prompts.exportFile = otio;
        editor.Trigger("mExportTimeline");
        editor.prompts.cutToImport = EditedCut(otio, editor.Path(QStringLiteral("retour.otio")));
        editor.prompts.cutSteps = [](sw::TCutSummaryDlg& dialog) {
            swtest::Screenshot(&dialog, QStringLiteral("cut-summary"));
            const QString summary = dialog.SummaryMemo->toPlainText();
            return summary.contains(QStringLiteral("• 3. plan 3 : 6 s → 3 s")) &&
                   summary.contains(QStringLiteral("• 1. plan 1 : 4 s → 7 s")) &&
                   summary.contains(QStringLiteral("Plans absents du montage (inchangés) :\n• 2. plan 2")) &&
                   (dialog.ReorderBox->click(), dialog.ReorderBox->isChecked());
        };
        editor.Trigger("mImportCut");
        QCOMPARE(editor.prompts.cutSummaries.size(), 1);
        QCOMPARE(Durations(editor), (QStringList{"plan 3=3", "plan 1=7", "plan 2="}));
        QCOMPARE(editor.ShotNames().size(), 3);
        QVERIFY(editor.ShotNames().first().contains(QStringLiteral("plan 3")));
        QCOMPARE(swtest::ShownCaption(editor.Find<QAction>("mUndo")), QStringLiteral("Annuler Importer le montage"));

        editor.Trigger("mUndo");
        QCOMPARE(Durations(editor), (QStringList{"plan 1=4", "plan 2=", "plan 3=6"}));
        QVERIFY(editor.ShotNames().first().contains(QStringLiteral("plan 1")));
    }

    void aCancelledBrokenOrForeignCutChangesNothing()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        const QStringList before = Durations(editor);
        const QString otio = editor.Path(QStringLiteral("montage.otio"));
        editor.prompts.exportFile = otio;
        editor.Trigger("mExportTimeline");
        editor.prompts.messages.clear();

        editor.prompts.cutToImport = EditedCut(otio, editor.Path(QStringLiteral("retour.otio")));
        editor.Trigger("mImportCut");  // no steps: the summary is cancelled
        QCOMPARE(editor.prompts.cutSummaries.size(), 1);
        QCOMPARE(Durations(editor), before);

        QFile broken(editor.Path(QStringLiteral("cassé.fcpxml")));
        broken.open(QIODevice::WriteOnly);
        broken.write("<fcpxml version=\"1.10\"><spine>");
        broken.close();
        editor.prompts.cutToImport = broken.fileName();
        editor.Trigger("mImportCut");
        QCOMPARE(editor.prompts.messages.size(), 1);
        QVERIFY2(editor.prompts.messages.first().startsWith(
                     QStringLiteral("Le fichier « cassé.fcpxml » ne peut pas être lu comme une timeline")),
                 qPrintable(editor.prompts.messages.first()));

        QFile foreign(editor.Path(QStringLiteral("autre.edl")));
        foreign.open(QIODevice::WriteOnly);
        foreign.write("TITLE: Autre\n\n001  AX  V  C  00:00:00:00 00:00:05:00 01:00:00:00 01:00:05:00\n"
                      "* FROM CLIP NAME: Plan d'un autre film\n");
        foreign.close();
        editor.prompts.cutToImport = foreign.fileName();
        editor.Trigger("mImportCut");
        QCOMPARE(editor.prompts.messages.size(), 2);
        QVERIFY(editor.prompts.messages.last().startsWith(QStringLiteral("Aucun clip de « autre.edl » ne correspond")));
        QVERIFY(editor.prompts.messages.last().contains(QStringLiteral("• Plan d'un autre film")));
        QCOMPARE(editor.prompts.cutSummaries.size(), 1);
        QCOMPARE(Durations(editor), before);
        QVERIFY(!editor.Find<QAction>("mUndo")->isEnabled());
    }
};

QTEST_MAIN(TimelineExchangeTest)
#include "timelineexchange_test.moc"
