// What got in the way of a new user in the first hour, driven as that user
// drives the editor: controls by name, mouse and keys.

#include <algorithm>
#include <memory>

#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/frenchtranslations.h"
#include "app/shotlistbox.h"
#include "editortestkit.h"

namespace {

void Click(swtest::Editor& editor, const char* button)
{
    QTest::mouseClick(editor.Find<QPushButton>(button), Qt::LeftButton);
}

} // namespace

class FirstHourTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void duplicatingACopyNumbersIt()
    {
        swtest::Editor editor;
        Click(editor, "dupEvntBtn");
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "plan 1 (copie)"}));
        // The copy is shown; its copy, and another copy of the first.
        Click(editor, "dupEvntBtn");
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "plan 1 (copie)", "plan 1 (copie 2)"}));
        editor.ClickShot(0);
        Click(editor, "dupEvntBtn");
        QCOMPARE(editor.ShotNames(),
                 (QStringList{"plan 1", "plan 1 (copie 3)", "plan 1 (copie)", "plan 1 (copie 2)"}));
    }

    void theShotCommandsHaveKeysShownInFrenchInTheMenuAndTheTips()
    {
        QVERIFY(sw::InstallFrenchTranslations(*QCoreApplication::instance()));
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        auto* menu = editor.Find<QMenu>("menuPlans");
        QCOMPARE(menu->title(), QStringLiteral("&Plans"));
        QCOMPARE(editor.Find<QAction>("mShotAdd")->shortcut().toString(QKeySequence::NativeText),
                 QStringLiteral("Ctrl+Maj+A"));
        QCOMPARE(editor.Find<QPushButton>("addEvntBtn")->toolTip(), QStringLiteral("Ajouter un plan (Ctrl+Maj+A)"));
        QCOMPARE(editor.Find<QPushButton>("DelEvntBtn")->toolTip(), QStringLiteral("Supprimer le plan (Suppr)"));

        QWidget* list = editor.ShotList();
        list->setFocus();
        editor.prompts.nameAnswer = QStringLiteral("Deux");
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Deux"}));
        editor.ClickShot(0);
        editor.prompts.nameAnswer = QStringLiteral("Entre");
        QTest::keyClick(list, Qt::Key_Insert);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Entre", "Deux"}));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Entre", "Entre (copie)", "Deux"}));
        editor.prompts.nameAnswer = QStringLiteral("Copie");
        QTest::keyClick(list, Qt::Key_F2);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Entre", "Copie", "Deux"}));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Entre", "Deux"}));

        // Next and previous shot, from wherever the focus is.
        auto* action = editor.Find<QPlainTextEdit>("actionMemo");
        action->setFocus();
        const int shown = editor.form->Shots().CurIndex();
        QTest::keyClick(action, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(editor.form->Shots().CurIndex(), shown + 1);
        QTest::keyClick(action, Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(action, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(editor.form->Shots().CurIndex(), shown - 1);
        // A key typed in a text stays a key of the text.
        QTest::keyClick(action, Qt::Key_X);
        QTest::keyClick(action, Qt::Key_Delete);
        QTest::keyClick(action, Qt::Key_Left);
        QTest::keyClick(action, Qt::Key_Delete);
        QCOMPARE(editor.ShotNames().size(), 3);

        // One tab per key.
        QTest::keyClick(action, Qt::Key_3, Qt::AltModifier);
        QCOMPARE(editor.Find<QTabWidget>("PageControl")->currentIndex(), 2);
        QTest::keyClick(editor.form.get(), Qt::Key_1, Qt::AltModifier);
        QCOMPARE(editor.Find<QTabWidget>("PageControl")->currentIndex(), 0);
    }

    void theRecentFilesAreInTheFileMenuAndTheOpenDialogStartsInTheLastFolder()
    {
        QTemporaryDir dir;
        const QString films = QDir(dir.path()).filePath(QStringLiteral("films"));
        QVERIFY(QDir().mkpath(films));
        const QString first = QDir(films).filePath(QStringLiteral("un.vid"));
        const QString second = QDir(films).filePath(QStringLiteral("deux.vid"));
        {
            swtest::Editor editor;
            editor.prompts.fileToSave = first;
            editor.Trigger("mSave");
            editor.prompts.fileToSave = second;
            editor.Trigger("mSaveAs");
            editor.prompts.saveAnswers = {sw::SaveAnswer::No};
            editor.Trigger("mNew");
            // A new project: the open dialog starts where the last file is.
            editor.prompts.fileToOpen.clear();
            editor.Trigger("mOuvrir");
            QCOMPARE(editor.prompts.openFolders.last(), films);

            auto* recent = editor.Find<QMenu>("menuRecent");
            QMetaObject::invokeMethod(recent, "aboutToShow");
            QCOMPARE(recent->actions().size(), 2);
            QCOMPARE(recent->actions()[0]->text(), QStringLiteral("&1 deux.vid"));
            QCOMPARE(recent->actions()[1]->text(), QStringLiteral("&2 un.vid"));
            QCOMPARE(recent->actions()[1]->toolTip(), first);
            // A file gone since is greyed.
            QVERIFY(QFile::remove(second));
            QMetaObject::invokeMethod(recent, "aboutToShow");
            QVERIFY(!recent->actions()[0]->isEnabled());
            QVERIFY(recent->actions()[1]->isEnabled());
            recent->actions()[1]->trigger();
            QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(first));
            editor.form->close();
        }
    }

    void aShotGoesInBeforeOrAfterTheShownOne()
    {
        QVERIFY(sw::InstallFrenchTranslations(*QCoreApplication::instance()));
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        editor.ClickTab(1);
        editor.prompts.nameAnswer = QStringLiteral("Après");
        QWidget* list = editor.ShotList();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Insert);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Après"}));
        editor.prompts.nameAnswer = QStringLiteral("Pierre & Marie");
        QTest::keyClick(list, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Pierre & Marie", "Après"}));
        QCOMPARE(editor.form->Shots().CurIndex(), 1);
        QCOMPARE(editor.Find<QAction>("mShotInsertBefore")->shortcut().toString(QKeySequence::NativeText),
                 QStringLiteral("Maj+Inser"));
        // The Édition menu names the step with the name as typed, its "&"
        // shown rather than taken for a key.
        QCOMPARE(swtest::ShownCaption(editor.Find<QAction>("mUndo")), QStringLiteral("Annuler Insérer le plan « Pierre & Marie »"));
        editor.Trigger("mUndo");
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Après"}));
    }

    void aShotDraggedInTheListShowsWhereItWillLand()
    {
        swtest::Editor editor;
        for (const char* name : {"Deux", "Trois", "Quatre"}) {
            editor.prompts.nameAnswer = QString::fromUtf8(name);
            Click(editor, "addEvntBtn");
        }
        editor.ClickTab(1);
        // The first shot is pressed, then dragged.
        editor.ClickShot(0);
        auto* list = qobject_cast<sw::TShotListBox*>(editor.ShotList());
        QWidget* viewport = list->viewport();
        const QColor line = list->palette().color(QPalette::Highlight);
        // How many pixels of the line's colour cross the list at height y.
        const auto lineAt = [&](int y) {
            const QImage seen = viewport->grab().toImage();
            int count = 0;
            for (int x = 0; x < seen.width(); ++x)
                count += seen.pixelColor(x, std::clamp(y, 0, seen.height() - 1)) == line ? 1 : 0;
            return count > seen.width() / 2;
        };
        std::unique_ptr<QMimeData> mime(list->ShotMimeData(0));
        const QRect third = list->visualItemRect(list->item(2));
        QDragEnterEvent enter(third.center(), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(third.center(), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QVERIFY(move.isAccepted());
        // The first shot dropped on the third lands after it: the line is
        // under the third entry, not over it.
        QVERIFY(lineAt(third.bottom()));
        QVERIFY(!lineAt(third.top() - 1));
        swtest::Screenshot(editor.form.get(), QStringLiteral("drop-indicator"));
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(viewport, &leave);
        QVERIFY(!lineAt(third.bottom()));

        // The last one dragged up onto the second lands before it.
        editor.DragShot(3, 1);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Quatre", "Deux", "Trois"}));
        // The line is gone once dropped (the entry below it is the selected one).
        QVERIFY(!lineAt(list->visualItemRect(list->item(0)).bottom()));
    }

    void theFilterSearchesEveryTextAndSaysWhenNothingMatches()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        QTest::keyClicks(editor.Find<QPlainTextEdit>("sonMemo"), QStringLiteral("Orage au loin"));
        editor.prompts.nameAnswer = QStringLiteral("Cuisine");
        Click(editor, "addEvntBtn");
        QTest::keyClicks(editor.Find<QPlainTextEdit>("dlgMemo"), QStringLiteral("- Tu as faim ?"));
        auto* filter = editor.Find<QLineEdit>("ShotFilter");
        auto* noMatch = editor.Find<QLabel>("NoMatchLabel");
        QVERIFY(!noMatch->isVisible());

        QTest::keyClicks(filter, QStringLiteral("orage"));
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QVERIFY(editor.ShotList()->isRowHidden(1));
        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("FAIM"));
        QCOMPARE(editor.form->Shots().CurIndex(), 1);
        QVERIFY(editor.ShotList()->isRowHidden(0));

        // Nothing matches: the list's place says so, in the window's colours.
        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("neige"));
        QVERIFY(noMatch->isVisible());
        QVERIFY(!editor.ShotList()->isVisible());
        QCOMPARE(noMatch->text(), QStringLiteral("Aucun plan ne correspond"));
        QCOMPARE(noMatch->palette().color(QPalette::WindowText), editor.form->palette().color(QPalette::WindowText));
        QVERIFY(editor.Find<QLabel>("ENoLabel")->text().isEmpty());
        swtest::Screenshot(editor.form.get(), QStringLiteral("filter-no-match"));
        filter->clear();
        QVERIFY(editor.ShotList()->isVisible());
        QVERIFY(!noMatch->isVisible());
    }
};

QTEST_MAIN(FirstHourTest)
#include "firsthour_test.moc"
