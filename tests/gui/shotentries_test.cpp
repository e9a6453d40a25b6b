// The shot list as the user reads and moves through it: its entries, its
// filter, the shot number and cumulated time of the shot on display, the
// duration field, the state without any shot and the list's keys.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "document/projectfile.h"
#include "qtshared/uitext.h"
#include "editortestkit.h"

namespace {

const QString kDash = QString(QChar(0x2014));

QString Entry(int number, const QString& name, int seconds)
{
    return QString::number(number) + QStringLiteral(". ") + name + QLatin1Char(' ') + kDash + QLatin1Char(' ')
           + QString::number(seconds) + QStringLiteral(" s");
}

QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    return entries;
}

// The entries the user still sees.
QStringList SeenEntries(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        if (!list->isRowHidden(row))
            entries << list->item(row)->text();
    return entries;
}

void AddShot(swtest::Editor& editor, const QString& name)
{
    editor.prompts.nameAnswer = name;
    QTest::mouseClick(editor.Find<QPushButton>("addEvntBtn"), Qt::LeftButton);
    editor.prompts.nameAnswer.reset();
}

// Types text key by key; a letter beyond ASCII comes as the text of a key
// event, as a keyboard layout gives it.
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(widget, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void TypeDuration(swtest::Editor& editor, const QString& seconds)
{
    auto* duration = editor.Find<QLineEdit>("DEdit");
    duration->selectAll();
    QTest::keyClick(duration, Qt::Key_Delete);
    QTest::keyClicks(duration, seconds);
}

void TypeAction(swtest::Editor& editor, const QString& text)
{
    auto* memo = editor.Find<QPlainTextEdit>("actionMemo");
    memo->setFocus();
    TypeText(memo, text);
}

// Four shots: "plan 1" (2 s), "Escalier" (4 s), "Éclair" (7 s) whose action
// mentions the staircase, "Rue" (1 s); "Rue" is shown.
void AddFourShots(swtest::Editor& editor)
{
    TypeDuration(editor, QStringLiteral("2"));
    AddShot(editor, QStringLiteral("Escalier"));
    TypeDuration(editor, QStringLiteral("4"));
    AddShot(editor, QStringLiteral("Éclair"));
    TypeDuration(editor, QStringLiteral("7"));
    TypeAction(editor, QStringLiteral("La lumière de l'ESCALIER"));
    AddShot(editor, QStringLiteral("Rue"));
    TypeDuration(editor, QStringLiteral("1"));
}

QString WriteExampleCopy(const QString& folder)
{
    const QString file = QDir(folder).filePath(QStringLiteral("court.vid"));
    QFile::copy(QStringLiteral(SHOTWEAVE_SOURCE_DIR "/examples/court-metrage/court.vid"), file);
    QFile(file).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file;
}

} // namespace

class ShotEntriesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static QTemporaryDir home;
        swtest::UseTemporaryHome(home);
    }

    // ------------------------------------------------------------ entries

    void eachEntryShowsTheNumberTheNameAndTheDuration()
    {
        swtest::Editor editor;
        auto* list = editor.ShotList();
        QCOMPARE(Entries(list), QStringList{Entry(1, QStringLiteral("plan 1"), 0)});
        AddFourShots(editor);
        // The shown shot's entry follows once the shot is stored.
        editor.ClickShot(0);
        QCOMPARE(Entries(list), (QStringList{Entry(1, QStringLiteral("plan 1"), 2), Entry(2, QStringLiteral("Escalier"), 4),
                                             Entry(3, QStringLiteral("Éclair"), 7), Entry(4, QStringLiteral("Rue"), 1)}));
        // The model keeps the bare names.
        QCOMPARE(editor.Project().EventList.EventName(2), std::string("Éclair"));

        // Renaming and moving bring the entries up to date.
        editor.prompts.nameAnswer = QStringLiteral("Ouverture");
        QTest::mouseClick(editor.Find<QPushButton>("renamEvntBtn"), Qt::LeftButton);
        QCOMPARE(list->item(0)->text(), Entry(1, QStringLiteral("Ouverture"), 2));
        editor.DragShot(3, 0);
        QCOMPARE(Entries(list), (QStringList{Entry(1, QStringLiteral("Rue"), 1), Entry(2, QStringLiteral("Ouverture"), 2),
                                             Entry(3, QStringLiteral("Escalier"), 4), Entry(4, QStringLiteral("Éclair"), 7)}));
        editor.form->resize(editor.form->sizeHint());
        editor.ClickTab(1);
        swtest::Screenshot(editor.form.get(), QStringLiteral("shotlist-entries"));

        // The saved project holds the names only.
        const QString file = editor.Path(QStringLiteral("film.vid"));
        editor.prompts.fileToSave = file;
        editor.Trigger("mSave");
        sw::ProjectDocument saved;
        sw::LoadProject(saved, file.toStdString());
        QCOMPARE(saved.EventList.EventName(0), std::string("Rue"));
        QCOMPARE(saved.EventList.EventName(1), std::string("Ouverture"));
    }

    // ------------------------------------------------------------ the filter

    void typingInTheFilterNarrowsTheListAndClearingItRestoresIt()
    {
        swtest::Editor editor;
        AddFourShots(editor);
        auto* list = editor.ShotList();
        auto* filter = editor.Find<QLineEdit>("ShotFilter");
        QVERIFY(filter);
        QCOMPARE(filter->placeholderText(), QStringLiteral("Filtrer les plans"));
        const QStringList all = Entries(list);

        // By name or action text, whatever the case and the accents.
        QTest::keyClicks(filter, QStringLiteral("esc"));
        QCOMPARE(SeenEntries(list), (QStringList{all[1], all[2]}));
        filter->clear();
        TypeText(filter, QStringLiteral("ÉCL"));
        QCOMPARE(SeenEntries(list), QStringList{all[2]});
        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("lumiere"));
        QCOMPARE(SeenEntries(list), QStringList{all[2]});
        // The shown shot is the one selected, and one that is seen.
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(editor.form->Shots().CurIndex(), 2);
        QCOMPARE(editor.Find<QLabel>("ENoLabel")->text(), QStringLiteral("3"));
        QCOMPARE(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText(), QStringLiteral("La lumière de l'ESCALIER"));
        // "Rue", shown before the filter, had its duration stored on the way.
        QCOMPARE(editor.Project().EventList.Event(3).cam.duration, std::string("1"));

        filter->clear();
        QCOMPARE(SeenEntries(list).size(), 4);
        QCOMPARE(SeenEntries(list), Entries(list));
        QCOMPARE(list->item(3)->text(), Entry(4, QStringLiteral("Rue"), 1));
        QCOMPARE(list->currentRow(), 2);
    }

    void noMatchShowsNoShotAndAddingClearsTheFilter()
    {
        swtest::Editor editor;
        AddFourShots(editor);
        auto* list = editor.ShotList();
        auto* filter = editor.Find<QLineEdit>("ShotFilter");
        QTest::keyClicks(filter, QStringLiteral("zzz"));
        QVERIFY(SeenEntries(list).isEmpty());
        QCOMPARE(editor.form->Shots().CurIndex(), -1);
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(!editor.Find<QPlainTextEdit>("actionMemo")->isEnabled());
        QVERIFY(!editor.Find<QPushButton>("renamEvntBtn")->isEnabled());
        QVERIFY(!editor.Find<QPushButton>("DelEvntBtn")->isEnabled());
        QCOMPARE(editor.Find<QPlainTextEdit>("actionMemo")->placeholderText(),
                 QStringLiteral("Aucun plan ne correspond au filtre"));

        // Back to a shot once the filter finds one again.
        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("rue"));
        QCOMPARE(editor.form->Shots().CurIndex(), 3);
        QVERIFY(editor.Find<QPlainTextEdit>("actionMemo")->isEnabled());
        QVERIFY(editor.Find<QPushButton>("DelEvntBtn")->isEnabled());

        // A new shot is seen at once: the filter goes.
        AddShot(editor, QStringLiteral("Toit"));
        QVERIFY(filter->text().isEmpty());
        QCOMPARE(SeenEntries(list).size(), 5);
        QCOMPARE(list->currentRow(), 4);
    }

    void draggingIsOffWhileFiltered()
    {
        swtest::Editor editor;
        AddFourShots(editor);
        auto* list = qobject_cast<sw::TShotListBox*>(editor.ShotList());
        auto* filter = editor.Find<QLineEdit>("ShotFilter");
        QTest::keyClicks(filter, QStringLiteral("e"));
        QVERIFY(!list->ReorderAllowed());
        const QStringList before = Entries(list);
        std::unique_ptr<QMimeData> mime(list->ShotMimeData(1));
        const QPoint target = list->visualItemRect(list->item(2)).center();
        QDragEnterEvent enter(target, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &enter);
        QDropEvent drop(QPointF(target), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &drop);
        QCOMPARE(Entries(list), before);
        QCOMPARE(editor.Project().EventList.EventName(1), std::string("Escalier"));

        filter->clear();
        QVERIFY(list->ReorderAllowed());
        editor.DragShot(1, 2);
        QCOMPARE(editor.Project().EventList.EventName(2), std::string("Escalier"));
    }

    // ------------------------------------------------------------ number and cumulated time

    void theNumberLabelFollowsTheShotAfterOpenAddDeleteAndKeys()
    {
        QTemporaryDir dir;
        swtest::Editor editor;
        auto* number = editor.Find<QLabel>("ENoLabel");
        QCOMPARE(number->text(), QStringLiteral("1"));
        editor.prompts.fileToOpen = WriteExampleCopy(dir.path());
        editor.Trigger("mOuvrir");
        QVERIFY(editor.ShotList()->count() > 3);
        QCOMPARE(editor.ShotList()->currentRow(), 0);
        QCOMPARE(number->text(), QStringLiteral("1"));

        AddShot(editor, QStringLiteral("fin"));
        QCOMPARE(number->text(), QString::number(editor.ShotList()->count()));

        auto* list = editor.ShotList();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentRow(), list->count() - 2);
        QCOMPARE(number->text(), QString::number(list->count() - 1));
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(number->text(), QStringLiteral("1"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(number->text(), QStringLiteral("2"));
        QTest::keyClick(list, Qt::Key_PageDown);
        QCOMPARE(number->text(), QString::number(list->currentRow() + 1));
        const int afterPageDown = list->currentRow();
        QVERIFY(afterPageDown > 1);
        // A page is as many rows as the list shows, which grows with the window.
        QTest::keyClick(list, Qt::Key_PageUp);
        QVERIFY(list->currentRow() < afterPageDown);
        QCOMPARE(number->text(), QString::number(list->currentRow() + 1));

        editor.ClickShot(2);
        QTest::mouseClick(editor.Find<QPushButton>("DelEvntBtn"), Qt::LeftButton);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(number->text(), QStringLiteral("2"));
    }

    void theArrowKeysStoreTheEditedShotAsAClickDoes()
    {
        swtest::Editor editor;
        AddShot(editor, QStringLiteral("deux"));
        auto* list = editor.ShotList();
        TypeAction(editor, QStringLiteral("tapé"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QCOMPARE(editor.Project().EventList.EventAction(1), std::string("tapé"));
        QVERIFY(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText().isEmpty());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText(), QStringLiteral("tapé"));
    }

    void theCumulatedTimeFollowsTheDurationAsTypedAndDoesNotWrap()
    {
        swtest::Editor editor;
        auto* cumul = editor.Find<QLabel>("cumLab");
        TypeDuration(editor, QStringLiteral("40000"));
        QCOMPARE(cumul->text(), QStringLiteral("666m. 40s."));
        AddShot(editor, QStringLiteral("long"));
        QCOMPARE(cumul->text(), QStringLiteral("666m. 40s."));
        TypeDuration(editor, QStringLiteral("3"));
        QCOMPARE(cumul->text(), QStringLiteral("666m. 43s."));
        TypeDuration(editor, QStringLiteral("30000"));
        // 70,000 seconds, past the 65,535 of the published pages' counter.
        QCOMPARE(cumul->text(), QStringLiteral("1166m. 40s."));
        editor.ClickShot(0);
        editor.ClickShot(1);
        QCOMPARE(cumul->text(), QStringLiteral("1166m. 40s."));
        QCOMPARE(editor.ShotList()->item(1)->text(), Entry(2, QStringLiteral("long"), 30000));
    }

    void theDurationTakesWholeSecondsOnly()
    {
        swtest::Editor editor;
        auto* duration = editor.Find<QLineEdit>("DEdit");
        QVERIFY(duration->validator());
        QVERIFY(duration->toolTip().contains(QStringLiteral("secondes entières")));
        TypeDuration(editor, QStringLiteral("1a2,5-"));
        QCOMPARE(duration->text(), QStringLiteral("125"));

        // A pasted text that is no number is refused whole.
        QApplication::clipboard()->setText(QStringLiteral("dix"));
        duration->selectAll();
        QTest::keyClick(duration, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(duration->text(), QStringLiteral("125"));
        QApplication::clipboard()->setText(QStringLiteral("42"));
        duration->selectAll();
        QTest::keyClick(duration, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(duration->text(), QStringLiteral("42"));
        QCOMPARE(editor.Project().EventList.Event(0).cam.duration, std::string("42"));
    }

    // ------------------------------------------------------------ no shot

    void withoutShotsNothingCanBeTypedAndTheEditorSaysToAddOne()
    {
        swtest::Editor editor;
        AddShot(editor, QStringLiteral("deux"));
        auto* list = editor.ShotList();
        list->setFocus();
        // Delete in the list deletes the shot, as the button does.
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 1);
        QCOMPARE(editor.Project().EventList.Count(), std::size_t{1});
        QVERIFY(editor.form->Document().IsModified());
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 0);
        QCOMPARE(editor.Project().EventList.Count(), std::size_t{0});

        for (const char* name : {"actionMemo", "sonMemo", "dlgMemo", "effetMemo"}) {
            auto* memo = editor.Find<QPlainTextEdit>(name);
            QVERIFY2(!memo->isEnabled(), name);
            QVERIFY2(memo->toPlainText().isEmpty(), name);
            QCOMPARE(memo->placeholderText(), QStringLiteral("Ajoutez un plan"));
        }
        QVERIFY(!editor.Find<QGroupBox>("CamGroup")->isEnabled());
        QVERIFY(!editor.Find<QWidget>("PictPanel")->isEnabled());
        QVERIFY(!editor.Find<QPushButton>("renamEvntBtn")->isEnabled());
        QVERIFY(!editor.Find<QPushButton>("DelEvntBtn")->isEnabled());
        QVERIFY(editor.Find<QPushButton>("addEvntBtn")->isEnabled());
        QCOMPARE(editor.Find<QLabel>("ENoLabel")->toolTip(), QStringLiteral("Ajoutez un plan"));
        editor.ClickTab(1);
        swtest::Screenshot(editor.form.get(), QStringLiteral("shotlist-zero-shots"));

        // Typing goes nowhere, and changing tab stores nothing.
        QTest::keyClicks(editor.Find<QPlainTextEdit>("actionMemo"), QStringLiteral("perdu"));
        editor.ClickTab(2);
        QCOMPARE(editor.Project().EventList.Count(), std::size_t{0});

        AddShot(editor, QStringLiteral("neuf"));
        QVERIFY(editor.Find<QPlainTextEdit>("actionMemo")->isEnabled());
        QVERIFY(editor.Find<QPlainTextEdit>("actionMemo")->placeholderText().isEmpty());
        QVERIFY(editor.Find<QPushButton>("renamEvntBtn")->isEnabled());
        QCOMPARE(editor.Find<QLabel>("ENoLabel")->text(), QStringLiteral("1"));
    }

    void aBlankNameIsRefused()
    {
        swtest::Editor editor;
        // A new shot given a blank name is not added, as with Annuler.
        AddShot(editor, QStringLiteral("   "));
        QCOMPARE(editor.Project().EventList.Count(), std::size_t{1});
        AddShot(editor, QStringLiteral("deux"));
        editor.prompts.nameAnswer = QString();
        QTest::mouseClick(editor.Find<QPushButton>("renamEvntBtn"), Qt::LeftButton);
        QCOMPARE(editor.Project().EventList.EventName(1), std::string("deux"));
        QCOMPARE(editor.ShotList()->item(1)->text(), Entry(2, QStringLiteral("deux"), 0));
    }
};

QTEST_MAIN(ShotEntriesTest)
#include "shotentries_test.moc"
