// Annuler and Rétablir over every change of the project, driven as the user
// drives them: the steps' captions, the file after each undo and redo, the
// modified marker, Ctrl+Z in a field, the history of a new or opened
// project, Insérer, Dupliquer and the shot list's context menu.

#include <filesystem>
#include <functional>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "document/projectfile.h"
#include "model/eventlist.h"
#include "editortestkit.h"

namespace {

namespace fs = std::filesystem;
using swtest::ReadBytes;

void ClickButton(swtest::Editor& editor, const char* name)
{
    QTest::mouseClick(editor.Find<QPushButton>(name), Qt::LeftButton);
}

// The project as the editor writes it now, saved under a name of its own
// through the save-as answer.
std::string SavedBytes(swtest::Editor& editor)
{
    editor.prompts.fileToSave = editor.Path(QStringLiteral("etat%1.vid").arg(editor.prompts.saveDialogs + 1));
    editor.Trigger("mSaveAs");
    const std::string bytes = ReadBytes(editor.prompts.fileToSave.toStdString());
    editor.prompts.fileToSave.clear();
    return bytes;
}

QString UndoCaption(swtest::Editor& editor)
{
    return swtest::ShownCaption(editor.Find<QAction>("mUndo"));
}

QString RedoCaption(swtest::Editor& editor)
{
    return swtest::ShownCaption(editor.Find<QAction>("mRedo"));
}

// Types text into field with the focus in it, then leaves it for the list.
void TypeAndLeave(swtest::Editor& editor, const char* field, const QString& text)
{
    auto* widget = editor.Find<QWidget>(field);
    widget->setFocus();
    QTest::keyClicks(widget, text);
    editor.ShotList()->setFocus();
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

    // Does step, then checks its caption, and that undoing it gives the file
    // back byte for byte and redoing it the changed file.
    void CheckStep(swtest::Editor& editor, const QString& caption, const std::function<void()>& step)
    {
        const std::string before = SavedBytes(editor);
        step();
        QCOMPARE(UndoCaption(editor), QStringLiteral("Annuler ") + caption);
        const std::string after = SavedBytes(editor);
        QVERIFY(after != before);
        editor.Trigger("mUndo");
        QCOMPARE(RedoCaption(editor), QStringLiteral("Rétablir ") + caption);
        QCOMPARE(SavedBytes(editor), before);
        editor.Trigger("mRedo");
        QCOMPARE(UndoCaption(editor), QStringLiteral("Annuler ") + caption);
        QCOMPARE(SavedBytes(editor), after);
    }

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void theSameProjectSavedTwiceGivesTheSameBytes()
    {
        swtest::Editor editor;
        QCOMPARE(SavedBytes(editor), SavedBytes(editor));
        QCOMPARE(UndoCaption(editor), QStringLiteral("Annuler"));
        QVERIFY(!editor.Find<QAction>("mUndo")->isEnabled());
        QVERIFY(!editor.Find<QAction>("mRedo")->isEnabled());
        QCOMPARE(editor.Find<QAction>("mRedo")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    }

    void everyShotChangeIsAStepUndoneAndRedone()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        editor.prompts.nameAnswer = QStringLiteral("Café");
        CheckStep(editor, QStringLiteral("Ajouter le plan « Café »"), [&] { ClickButton(editor, "addEvntBtn"); });
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Café"}));

        editor.ClickShot(0);
        editor.prompts.nameAnswer = QStringLiteral("Thé");
        CheckStep(editor, QStringLiteral("Insérer le plan « Thé »"), [&] { ClickButton(editor, "insEvntBtn"); });
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Thé", "Café"}));
        QCOMPARE(editor.ShotList()->currentRow(), 1);

        editor.ClickShot(2);
        CheckStep(editor, QStringLiteral("Dupliquer le plan « Café »"), [&] { ClickButton(editor, "dupEvntBtn"); });
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Thé", "Café", "Café (copie)"}));

        editor.ClickShot(2);
        editor.prompts.nameAnswer = QStringLiteral("Bar");
        CheckStep(editor, QStringLiteral("Renommer le plan « Café »"), [&] { ClickButton(editor, "renamEvntBtn"); });
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Thé", "Bar", "Café (copie)"}));

        CheckStep(editor, QStringLiteral("Supprimer le plan « Bar »"), [&] { ClickButton(editor, "DelEvntBtn"); });
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Thé", "Café (copie)"}));

        CheckStep(editor, QStringLiteral("Déplacer le plan « plan 1 »"), [&] { editor.DragShot(0, 2); });
        QCOMPARE(editor.ShotNames(), (QStringList{"Thé", "Café (copie)", "plan 1"}));

        // A field typed is one step; another field typed, another step.
        editor.ClickShot(0);
        for (const char* memo : {"actionMemo", "dlgMemo"}) {
            CheckStep(editor, QStringLiteral("Modifier le plan « Thé »"), [&] {
                QTest::keyClicks(editor.Find<QPlainTextEdit>(memo), QStringLiteral("Zq") + QLatin1String(memo));
                editor.ClickShot(1);
            });
            editor.ClickShot(0);
        }
        // Undone from another shot, the shot shows its field as it was.
        editor.ClickShot(1);
        editor.Trigger("mUndo");
        QCOMPARE(editor.ShotList()->currentRow(), 0);
        QCOMPARE(editor.Find<QPlainTextEdit>("dlgMemo")->toPlainText(), QString());
        QCOMPARE(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText(), QStringLiteral("ZqactionMemo"));
        editor.Trigger("mRedo");
        QCOMPARE(editor.Find<QPlainTextEdit>("dlgMemo")->toPlainText(), QStringLiteral("ZqdlgMemo"));

        // The camera data on the breakdown tab: the duration typed, then a
        // movement ticked, each a step.
        editor.ClickTab(2);
        CheckStep(editor, QStringLiteral("Modifier le plan « Thé »"), [&] {
            auto* duration = editor.Find<QLineEdit>("DEdit");
            duration->selectAll();
            QTest::keyClicks(duration, QStringLiteral("47"));
        });
        CheckStep(editor, QStringLiteral("Modifier le plan « Thé »"), [&] {
            QTest::mouseClick(editor.Find<QCheckBox>("CamCheckB2"), Qt::LeftButton, Qt::NoModifier,
                              QPoint(8, editor.Find<QCheckBox>("CamCheckB2")->height() / 2));
        });
        QCOMPARE(editor.Project().EventList.Event(0).cam.duration, std::string("47"));
        QCOMPARE(editor.Project().EventList.Event(0).cam.zoom, 1);
    }

    void theGeneralInformationTheReportAndTheDialogsAreSteps_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::newRow("title") << QByteArray("titleEd") << 0 << QStringLiteral("Modifier le titre");
        QTest::newRow("authors") << QByteArray("CreatorMemo") << 0 << QStringLiteral("Modifier les auteurs");
        QTest::newRow("notes") << QByteArray("CommentMemo") << 0 << QStringLiteral("Modifier les notes");
        QTest::newRow("idea") << QByteArray("IdeaMemo") << 0 << QStringLiteral("Modifier l'idée");
        QTest::newRow("synopsis") << QByteArray("SynopsMemo") << 0 << QStringLiteral("Modifier le synopsis");
        QTest::newRow("report") << QByteArray("rapMemo") << 3 << QStringLiteral("Modifier le rapport");
        QTest::newRow("report file") << QByteArray("extRapNameEd") << 3 << QStringLiteral("Modifier le rapport");
    }

    void theGeneralInformationTheReportAndTheDialogsAreSteps()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, tab);
        QFETCH(QString, caption);
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        editor.ClickTab(tab);
        CheckStep(editor, caption, [&] { TypeAndLeave(editor, field.constData(), QStringLiteral("Zqtexte")); });
        editor.Trigger("mUndo");
        auto* widget = editor.Find<QWidget>(field.constData());
        const QString shown = qobject_cast<QLineEdit*>(widget) ? qobject_cast<QLineEdit*>(widget)->text()
                                                               : qobject_cast<QPlainTextEdit*>(widget)->toPlainText();
        QVERIFY(!shown.contains(QStringLiteral("Zqtexte")));
        // Leaving the field without a change makes no step.
        TypeAndLeave(editor, field.constData(), QString());
        QCOMPARE(RedoCaption(editor), QStringLiteral("Rétablir ") + caption);
    }

    void theReportBoxStylesAndLayoutAreSteps()
    {
        swtest::Editor editor(true, [](swtest::FakePrompts& prompts) { prompts.styleDialog = true; });
        editor.ClickTab(3);
        CheckStep(editor, QStringLiteral("Modifier le rapport"), [&] {
            auto* box = editor.Find<QCheckBox>("extRapChck");
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        });
        QVERIFY(editor.Find<QCheckBox>("extRapChck")->isChecked());
        editor.prompts.styleEdit = [](sw::TStylePrefs& style) { style.PMargin = "3%,9%"; };
        CheckStep(editor, QStringLiteral("Modifier les styles"), [&] { editor.Trigger("Style1"); });
        editor.prompts.layoutEdit = [](sw::THTMPrefs& prefs) { prefs.pageSpecs.tableWidth = "50%"; };
        CheckStep(editor, QStringLiteral("Modifier la mise en page"), [&] { editor.Trigger("miseenpage1"); });
        // A dialog that changes nothing makes no step.
        editor.Trigger("Style1");
        QCOMPARE(UndoCaption(editor), QStringLiteral("Annuler Modifier la mise en page"));
    }

    void undoingBackToTheSavedProjectClearsTheModifiedMarker()
    {
        swtest::Editor editor;
        SavedBytes(editor);
        QVERIFY(!editor.form->isWindowModified());
        editor.prompts.nameAnswer = QStringLiteral("A");
        ClickButton(editor, "addEvntBtn");
        QVERIFY(editor.form->isWindowModified());
        editor.Trigger("mUndo");
        QVERIFY(!editor.form->isWindowModified());
        QVERIFY(!editor.OffersToSave());
        editor.Trigger("mRedo");
        QVERIFY(editor.form->isWindowModified());
        QVERIFY(editor.OffersToSave());

        // Saved with A; A undone and B added: the saved project cannot come
        // back any more, every place of the history is modified.
        editor.Trigger("mSave");
        QVERIFY(!editor.form->isWindowModified());
        editor.Trigger("mUndo");
        QVERIFY(editor.form->isWindowModified());
        editor.prompts.nameAnswer = QStringLiteral("B");
        ClickButton(editor, "addEvntBtn");
        editor.Trigger("mUndo");
        QVERIFY(editor.form->isWindowModified());
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mRedo");
        QVERIFY(editor.form->isWindowModified());
    }

    void ctrlZInAFieldUndoesItsTypingFirst()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        editor.prompts.nameAnswer = QStringLiteral("Café");
        ClickButton(editor, "addEvntBtn");
        auto* title = editor.Find<QLineEdit>("titleEd");
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral("abc"));
        int presses = 0;
        while (!title->text().isEmpty() && presses++ < 5) {
            QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(editor.ShotList()->count(), 2);
        }
        QCOMPARE(title->text(), QString());
        // The field redoes its own typing too, with either key.
        QTest::keyClick(title, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!title->text().isEmpty());
        QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(title->text(), QStringLiteral("abc"));
        while (!title->text().isEmpty() && presses++ < 10)
            QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
        // Nothing left to undo in the field: Ctrl+Z undoes the added shot.
        QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.ShotList()->count(), 1);
        QCOMPARE(title->text(), QString());
        editor.Trigger("mRedo");
        QCOMPARE(editor.ShotList()->count(), 2);

        // In a memo of the shot: its typing first, then the shot's steps.
        editor.ClickTab(1);
        auto* action = editor.Find<QPlainTextEdit>("actionMemo");
        action->setFocus();
        QTest::keyClicks(action, QStringLiteral("xyz"));
        QTest::keyClick(action, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(action->toPlainText(), QString());
        QCOMPARE(editor.ShotList()->count(), 2);
        QTest::keyClick(action, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.ShotList()->count(), 1);
    }

    void aNewOrOpenedProjectStartsANewHistory()
    {
        swtest::Editor editor;
        const std::string saved = SavedBytes(editor);
        const QString file = editor.prompts.fileToSave.isEmpty() ? QString() : editor.prompts.fileToSave;
        editor.prompts.nameAnswer = QStringLiteral("A");
        ClickButton(editor, "addEvntBtn");
        QVERIFY(editor.Find<QAction>("mUndo")->isEnabled());
        editor.prompts.saveAnswers = {sw::SaveAnswer::No};
        editor.Trigger("mNew");
        QVERIFY(!editor.Find<QAction>("mUndo")->isEnabled());
        QVERIFY(!editor.form->isWindowModified());

        // A file that cannot be read leaves the shown project and its history.
        ClickButton(editor, "addEvntBtn");
        QVERIFY(editor.Find<QAction>("mUndo")->isEnabled());
        const QString broken = editor.Path(QStringLiteral("casse.vid"));
        {
            std::ofstream out(broken.toStdString(), std::ios::binary);
            out << "not a project";
        }
        editor.prompts.saveAnswers = {sw::SaveAnswer::No};
        editor.prompts.fileToOpen = broken;
        editor.Trigger("mOuvrir");
        QVERIFY(!editor.prompts.messages.isEmpty());
        QVERIFY(editor.Find<QAction>("mUndo")->isEnabled());

        const QString good = editor.Path(QStringLiteral("bon.vid"));
        editor.prompts.fileToSave = good;
        editor.Trigger("mSaveAs");
        editor.prompts.fileToSave.clear();
        ClickButton(editor, "addEvntBtn");
        editor.prompts.saveAnswers = {sw::SaveAnswer::No};
        editor.prompts.fileToOpen = good;
        editor.Trigger("mOuvrir");
        QVERIFY(!editor.Find<QAction>("mUndo")->isEnabled());
        QVERIFY(!editor.Find<QAction>("mRedo")->isEnabled());
        QCOMPARE(editor.ShotNames(), (QStringList{"A", "A"}));
    }

    void insertAndDuplicateFollowTheShotsAndTheFilter()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        for (const char* name : {"Café", "Thé"}) {
            editor.prompts.nameAnswer = QString::fromUtf8(name);
            ClickButton(editor, "addEvntBtn");
        }
        // Filtered, the inserted shot clears the filter: rows are shots again.
        QTest::keyClicks(editor.Find<QLineEdit>("ShotFilter"), QStringLiteral("Th"));
        QCOMPARE(editor.ShotList()->currentRow(), 2);
        editor.prompts.nameAnswer = QStringLiteral("Lait");
        ClickButton(editor, "insEvntBtn");
        QCOMPARE(editor.Find<QLineEdit>("ShotFilter")->text(), QString());
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Café", "Thé", "Lait"}));
        for (int row = 0; row < editor.ShotList()->count(); ++row)
            QVERIFY(!editor.ShotList()->isRowHidden(row));
        QCOMPARE(editor.ShotList()->currentRow(), 3);
        QVERIFY(editor.ShotList()->item(3)->text().startsWith(QStringLiteral("4. ")));

        // Without a shot, Insérer and Dupliquer are off as Renommer is.
        for (int i = 0; i < 4; ++i)
            ClickButton(editor, "DelEvntBtn");
        QCOMPARE(editor.ShotList()->count(), 0);
        for (const char* name : {"insEvntBtn", "dupEvntBtn", "renamEvntBtn", "DelEvntBtn"})
            QVERIFY(!editor.Find<QPushButton>(name)->isEnabled());
        QVERIFY(editor.Find<QPushButton>("addEvntBtn")->isEnabled());
        editor.Trigger("mUndo");
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1"}));
        for (const char* name : {"insEvntBtn", "dupEvntBtn", "renamEvntBtn", "DelEvntBtn"})
            QVERIFY(editor.Find<QPushButton>(name)->isEnabled());
    }

    void theShotListsContextMenuRunsTheShotCommands()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        editor.ClickTab(1);
        editor.prompts.nameAnswer = QStringLiteral("Café");
        ClickButton(editor, "addEvntBtn");
        QStringList entries;
        const auto chooseInMenu = [&](const char* actionName) {
            QTimer::singleShot(0, [&, actionName] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                entries.clear();
                for (QAction* action : menu->actions())
                    entries << swtest::ShownCaption(action);
                swtest::Screenshot(menu, QStringLiteral("undo-shot-list-menu"));
                menu->findChild<QAction*>(QLatin1String(actionName))->trigger();
                menu->close();
            });
            QListWidget* list = editor.ShotList();
            const QPoint at = list->visualItemRect(list->item(0)).center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(list->viewport(), &event);
        };
        swtest::Screenshot(editor.form.get(), QStringLiteral("undo-shot-panel"));
        chooseInMenu("mShotDuplicate");
        QCOMPARE(entries, (QStringList{"Insérer avant", "Insérer après", "Dupliquer", "Renommer", "Supprimer"}));
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "plan 1 (copie)", "Café"}));
        editor.prompts.nameAnswer = QStringLiteral("Thé");
        chooseInMenu("mShotInsert");
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Thé", "plan 1 (copie)", "Café"}));
        editor.prompts.nameAnswer = QStringLiteral("Avant");
        chooseInMenu("mShotInsertBefore");
        QCOMPARE(editor.ShotNames(), (QStringList{"Avant", "plan 1", "Thé", "plan 1 (copie)", "Café"}));
        QVERIFY(editor.form->findChild<QAction*>(QStringLiteral("mUndo"))->isEnabled());
        editor.Trigger("mUndo");
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Thé", "plan 1 (copie)", "Café"}));
        editor.prompts.nameAnswer = QStringLiteral("Thé");
        chooseInMenu("mShotRename");
        QCOMPARE(editor.ShotNames(), (QStringList{"Thé", "Thé", "plan 1 (copie)", "Café"}));
        chooseInMenu("mShotDelete");
        QCOMPARE(editor.ShotNames(), (QStringList{"Thé", "plan 1 (copie)", "Café"}));
        QCOMPARE(UndoCaption(editor), QStringLiteral("Annuler Supprimer le plan « Thé »"));
        editor.Trigger("mUndo");
        QCOMPARE(editor.ShotNames(), (QStringList{"Thé", "Thé", "plan 1 (copie)", "Café"}));
    }

    void theEditMenuNamesTheStep()
    {
        swtest::Editor editor;
        editor.prompts.nameAnswer = QStringLiteral("Café");
        ClickButton(editor, "addEvntBtn");
        ClickButton(editor, "DelEvntBtn");
        editor.Trigger("mUndo");
        auto* menu = editor.Find<QMenu>("menuEdition");
        QCOMPARE(menu->title(), QStringLiteral("&Édition"));
        QMenuBar* bar = editor.form->menuBar();
        bar->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(UndoCaption(editor), QStringLiteral("Annuler Ajouter le plan « Café »"));
        QCOMPARE(RedoCaption(editor), QStringLiteral("Rétablir Supprimer le plan « Café »"));
        swtest::Screenshot(editor.form.get(), QStringLiteral("undo-edit-menu-window"));
        swtest::Screenshot(menu, QStringLiteral("undo-edit-menu"));
        menu->close();
    }

    void goingThroughShotsMakesNoStep()
    {
        QTemporaryDir dir;
        sw::ProjectDocument project;
        for (const char* action : {"ligne\nsuite", "une\r\nautre\n"})
            project.EventList.AddEvent().action = action;
        const fs::path file = fs::path(dir.path().toStdString()) / "lignes.vid";
        sw::SaveProject(project, file);
        swtest::Editor editor;
        editor.prompts.fileToOpen = QString::fromStdString(file.string());
        editor.prompts.saveAnswers = {sw::SaveAnswer::No};
        editor.Trigger("mOuvrir");
        editor.ClickTab(1);
        for (int row : {1, 0, 1})
            editor.ClickShot(row);
        editor.ClickTab(2);
        editor.ClickTab(0);
        QVERIFY(!editor.Find<QAction>("mUndo")->isEnabled());
        QVERIFY(!editor.form->isWindowModified());
    }

    void aFullProjectRefusesInsertedAndDuplicatedShots()
    {
        QTemporaryDir dir;
        sw::ProjectDocument full;
        for (std::size_t i = 0; i < sw::MaxShots; ++i)
            full.EventList.AddEvent();
        const fs::path file = fs::path(dir.path().toStdString()) / "plein.vid";
        sw::SaveProject(full, file);
        swtest::Editor editor;
        editor.prompts.fileToOpen = QString::fromStdString(file.string());
        editor.prompts.saveAnswers = {sw::SaveAnswer::No};
        editor.Trigger("mOuvrir");
        QTest::keyClicks(editor.Find<QLineEdit>("ShotFilter"), QStringLiteral("plan 1"));
        for (const char* button : {"insEvntBtn", "dupEvntBtn"}) {
            editor.prompts.messages.clear();
            ClickButton(editor, button);
            QCOMPARE(editor.prompts.messages, QStringList{QStringLiteral("Un projet ne peut pas compter plus de 65535 plans.")});
        }
        QCOMPARE(editor.ShotList()->count(), static_cast<int>(sw::MaxShots));
        QCOMPARE(editor.Find<QLineEdit>("ShotFilter")->text(), QStringLiteral("plan 1"));
        QVERIFY(!editor.Find<QAction>("mUndo")->isEnabled());
        QVERIFY(editor.prompts.namePrompts.isEmpty());
    }

    void aStepInTenThousandShotsHoldsOneShot()
    {
        QTemporaryDir dir;
        sw::ProjectDocument big;
        for (int i = 0; i < 10000; ++i)
            big.EventList.AddEvent().action = "action " + std::to_string(i);
        const fs::path file = fs::path(dir.path().toStdString()) / "grand.vid";
        sw::SaveProject(big, file);
        swtest::Editor editor;
        editor.prompts.fileToOpen = QString::fromStdString(file.string());
        editor.prompts.saveAnswers = {sw::SaveAnswer::No};
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.ShotList()->count(), 10000);
        editor.ShotList()->setCurrentRow(5000);
        QElapsedTimer timer;
        timer.start();
        ClickButton(editor, "DelEvntBtn");
        editor.Trigger("mUndo");
        editor.Trigger("mRedo");
        editor.Trigger("mUndo");
        // A loose bound: a copy of the whole list per step would not fail it,
        // but a refill of the list per step on a slow machine would show.
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(editor.ShotList()->count(), 10000);
        QCOMPARE(editor.ShotList()->currentRow(), 5000);
        QCOMPARE(editor.Project().EventList.EventAction(5000), std::string("action 5000"));
        QVERIFY(editor.ShotList()->item(9999)->text().startsWith(QStringLiteral("10000. ")));
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
