// What got in the way of a new user in the first hour, driven as that user
// drives the editor: controls by name, mouse and keys.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

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
        Q_INIT_RESOURCE(editor);
        Q_INIT_RESOURCE(dialogs);
        swtest::UseTemporaryHome(home_);
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
