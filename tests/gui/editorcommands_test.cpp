// The editor's keys, its file messages, a browser that does not open and the
// "Annuler" of the style and page-layout dialogs, as the user meets them.

#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/dialogprompts.h"
#include "dialogs/hpanfrm.h"
#include "dialogs/leditform.h"
#include "dialogs/styledlg.h"
#include "document/projectfile.h"
#include "editortestkit.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const QString& file, const std::string& bytes)
{
    std::ofstream out(file.toStdString(), std::ios::binary);
    out << bytes;
}

QString SavedProject(swtest::Editor& editor, const QString& name)
{
    const QString file = editor.Path(name);
    editor.prompts.fileToSave = file;
    editor.Trigger("mSave");
    editor.prompts.messages.clear();
    return file;
}

sw::TStylePrefs StartUpStyle()
{
    sw::TStylePrefs prefs;
    prefs.ApplyAppStyleTable();
    return prefs;
}

} // namespace

class EditorCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static QTemporaryDir home;
        swtest::UseTemporaryHome(home);
    }

    // ------------------------------------------------------------ keys

    void tabGoesFromFieldToFieldOfTheGeneralInformation()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        auto* title = editor.Find<QLineEdit>("titleEd");
        title->setFocus();
        const char* order[] = {"CreatorMemo", "CommentMemo", "IdeaMemo", "SynopsMemo"};
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), editor.Find<QWidget>(name));
        }
        // Shift+Tab goes back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), editor.Find<QWidget>("IdeaMemo"));
        // Tab typed nothing; Ctrl+Tab types a tab character.
        auto* idea = editor.Find<QPlainTextEdit>("IdeaMemo");
        QVERIFY(idea->toPlainText().isEmpty());
        QTest::keyClicks(idea, QStringLiteral("un"));
        QTest::keyClick(idea, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClicks(idea, QStringLiteral("deux"));
        QCOMPARE(idea->toPlainText(), QStringLiteral("un\tdeux"));
        QCOMPARE(editor.Project().GenInfo.idea, std::string("un\tdeux"));
        QCOMPARE(QApplication::focusWidget(), idea);
        QCOMPARE(editor.Find<QTabWidget>("PageControl")->currentIndex(), 0);
    }

    void altAndTheFirstLetterOpenTheMenus()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        auto* file = editor.Find<QMenu>("menuFichier");
        // The captions read as before.
        QCOMPARE(file->title(), QStringLiteral("&Fichier"));
        QCOMPARE(editor.Find<QMenu>("menuHTML")->title(), QStringLiteral("&HTML"));
        QCOMPARE(editor.Find<QMenu>("menu?")->title(), QStringLiteral("&?"));
        QTest::keyClick(editor.form->windowHandle(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), file);
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(!file->isVisible());
        QTest::keyClick(editor.form->windowHandle(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(editor.Find<QMenu>("menuHTML")->isVisible());
        QTest::keyClick(editor.Find<QMenu>("menuHTML"), Qt::Key_Escape);
    }

    void theNameDialogRefusesABlankName()
    {
        sw::TLEditForm dialog(QStringLiteral("nom du plan"), QStringLiteral("plan 2"));
        dialog.show();
        QVERIFY(dialog.OkBtn->isEnabled());
        dialog.Edit1->selectAll();
        QTest::keyClick(dialog.Edit1, Qt::Key_Delete);
        QVERIFY(!dialog.OkBtn->isEnabled());
        QTest::keyClicks(dialog.Edit1, QStringLiteral("   "));
        QVERIFY(!dialog.OkBtn->isEnabled());
        QTest::keyClick(dialog.Edit1, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.result() != QDialog::Accepted);
        QTest::keyClicks(dialog.Edit1, QStringLiteral("Cour"));
        QVERIFY(dialog.OkBtn->isEnabled());
        QTest::keyClick(dialog.Edit1, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Text(), QStringLiteral("   Cour"));
        // A dialog that opens on an empty name starts refused.
        sw::TLEditForm empty{QString(), QString()};
        QVERIFY(!empty.OkBtn->isEnabled());
    }

    // ------------------------------------------------------------ file messages

    void aTruncatedProjectIsNamedAndTheSystemTextKept()
    {
        swtest::Editor editor;
        const QString good = SavedProject(editor, QStringLiteral("bon.vid"));
        const std::string bytes = swtest::ReadBytes(good.toStdString());
        const QString truncated = editor.Path(QStringLiteral("court.vid"));
        WriteFile(truncated, bytes.substr(0, bytes.size() - 7));
        editor.prompts.fileToOpen = truncated;
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.prompts.messages,
                 QStringList{QStringLiteral("Le fichier « court.vid » ne peut pas être ouvert : il est abîmé ou n'est pas "
                                            "un projet Shotweave. (le fichier se termine avant la fin de ses données)")});
    }

    void aTextFileNamedVidIsNoProject()
    {
        swtest::Editor editor;
        const QString text = editor.Path(QStringLiteral("notes.vid"));
        WriteFile(text, "Liste des courses\nPain\nLait\n");
        editor.prompts.fileToOpen = text;
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.prompts.messages.size(), 1);
        const QString message = editor.prompts.messages.first();
        QVERIFY2(message.startsWith(QStringLiteral("Le fichier « notes.vid » ne peut pas être ouvert : il est abîmé ou "
                                                   "n'est pas un projet Shotweave. (")),
                 qPrintable(message));
        QVERIFY2(message.endsWith(QStringLiteral("(une valeur n'est pas du type attendu)"))
                     || message.endsWith(QStringLiteral("(le fichier se termine avant la fin de ses données)")),
                 qPrintable(message));
    }

    void aSaveIntoAFolderThatCannotBeWrittenSaysWhereAndWhy()
    {
        swtest::Editor editor;
        // A regular file where the folder should be: no one, root included,
        // can write into it.
        const QString blocked = editor.Path(QStringLiteral("tournage"));
        WriteFile(blocked, "pas un dossier");
        const QString file = blocked + QStringLiteral("/film.vid");
        editor.prompts.fileToSave = file;
        editor.Trigger("mSave");
        QCOMPARE(editor.prompts.messages.size(), 1);
        const QString message = editor.prompts.messages.first();
        QVERIFY2(message.startsWith(QStringLiteral("Le fichier « film.vid » ne peut pas être enregistré dans le dossier « ")
                                    + blocked + QStringLiteral(" » : vérifiez que ce dossier existe et que vous pouvez y "
                                                               "écrire. (impossible de créer « ")),
                 qPrintable(message));
        QVERIFY(message.contains(file));
        QVERIFY(message.endsWith(QLatin1Char(')')));
        QVERIFY(editor.app->Paths().CurrentFile.empty());
    }

    void aPublicationThatCannotWriteItsPagesSaysWhere()
    {
        swtest::Editor editor;
        SavedProject(editor, QStringLiteral("film.vid"));
        // A folder where the first page should be written.
        QVERIFY(QDir().mkpath(editor.Path(QStringLiteral("film/index.html/occupé"))));
        editor.Trigger("publier1");
        QCOMPARE(editor.prompts.messages.size(), 1);
        const QString message = editor.prompts.messages.first();
        QVERIFY2(message.startsWith(QStringLiteral("Le film ne peut pas être publié dans le dossier « ")
                                    + editor.Path(QStringLiteral("film"))
                                    + QStringLiteral(" » : vérifiez que vous pouvez y écrire et que ses pages ne sont pas "
                                                     "des dossiers. (")),
                 qPrintable(message));
        QVERIFY(message.endsWith(QLatin1Char(')')));
    }

    // ------------------------------------------------------------ the browser

    void aBrowserThatDoesNotOpenIsToldWithThePageToOpenByHand()
    {
        swtest::Editor editor;
        const QString file = SavedProject(editor, QStringLiteral("film.vid"));
        editor.prompts.browserOpens = false;
        editor.Trigger("Navigateur1");
        QCOMPARE(editor.prompts.opened.size(), 1);
        const QString page = QDir::toNativeSeparators(editor.Path(QStringLiteral("film/index.html")));
        QCOMPARE(editor.prompts.opened.first().toLocalFile(), editor.Path(QStringLiteral("film/index.html")));
        QCOMPARE(editor.prompts.messages,
                 QStringList{QStringLiteral("Le navigateur n'a pas pu afficher la page. Ouvrez-la à la main : ") + page});

        editor.prompts.messages.clear();
        editor.Trigger("aide1");
        QCOMPARE(editor.prompts.messages.size(), 1);
        QVERIFY2(editor.prompts.messages.first().startsWith(QStringLiteral("Le navigateur n'a pas pu afficher la page. "
                                                                           "Ouvrez-la à la main : /")),
                 qPrintable(editor.prompts.messages.first()));
        QVERIFY(editor.prompts.messages.first().endsWith(QStringLiteral("guide.html")));
        QVERIFY(QFileInfo::exists(editor.prompts.messages.first().section(QStringLiteral(" : "), 1)));

        // A browser that opens says nothing.
        editor.prompts.messages.clear();
        editor.prompts.browserOpens = true;
        editor.Trigger("Navigateur1");
        QVERIFY(editor.prompts.messages.isEmpty());
        Q_UNUSED(file);
    }

    void theRealPromptsReportTheOpenerThatFails()
    {
        QList<QUrl> asked;
        sw::TDialogPrompts failing([&asked](const QUrl& address) {
            asked << address;
            return false;
        });
        const QUrl page = QUrl::fromLocalFile(QStringLiteral("/tmp/site/index.html"));
        QVERIFY(!failing.OpenInBrowser(page));
        QCOMPARE(asked, QList<QUrl>{page});
        sw::TDialogPrompts opening([](const QUrl&) { return true; });
        QVERIFY(opening.OpenInBrowser(page));
        sw::TDialogPrompts none(nullptr);
        QVERIFY(!none.OpenInBrowser(page));
    }

    // ------------------------------------------------------------ Annuler

    void annulerInTheLayoutDialogBringsTheSetBack()
    {
        sw::THTMPrefs prefs(false);
        prefs.frameSpecs.menuHeight = "50";
        prefs.pageSpecs.tableWidth = "70%";
        const sw::THTMPrefs before = prefs;
        {
            sw::THPanFrm dialog(prefs, true);
            dialog.show();
            QCOMPARE(swtest::ShownCaption(dialog.cancelBtn->text()), QStringLiteral("Annuler"));
            dialog.btnDefVal->click();
            QVERIFY(!(prefs == before));
            dialog.FMWidth->setText(QStringLiteral("99"));
            QTest::mouseClick(dialog.cancelBtn, Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(prefs == before);
            swtest::Screenshot(&dialog, QStringLiteral("hpanfrm-annuler"));
        }
        {
            // Escape does the same.
            sw::THPanFrm dialog(prefs, true);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.btnDefVal->click();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
            QVERIFY(prefs == before);
        }
        {
            // "Accepter" keeps what was edited.
            sw::THPanFrm dialog(prefs, true);
            dialog.show();
            dialog.pTableWidth->setText(QStringLiteral("55%"));
            QTest::mouseClick(dialog.okBtn, Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            dialog.ReadDialog();
            QCOMPARE(prefs.pageSpecs.tableWidth, std::string("55%"));
        }
    }

    void annulerInTheStyleDialogBringsTheSetBack()
    {
        sw::TStylePrefs prefs = StartUpStyle();
        prefs.elements[3].margin = "4px";
        const sw::TStylePrefs opened = prefs;
        {
            sw::TStyleDlg dialog(prefs);
            dialog.show();
            QCOMPARE(swtest::ShownCaption(dialog.cancelBtn->text()), QStringLiteral("Annuler"));
            dialog.FontGBox->btnDefVal->click();
            dialog.FontGBox->sMargin->setText(QStringLiteral("9%"));
            dialog.FontGBox->ElemListBox->setCurrentRow(2);
            QVERIFY(!(prefs == opened));
            swtest::Screenshot(&dialog, QStringLiteral("styledlg-annuler"));
            QTest::mouseClick(dialog.cancelBtn, Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(prefs == opened);
            QCOMPARE(prefs.elements[3].margin, std::string("4px"));
        }
        const sw::TStylePrefs before = prefs;
        {
            sw::TStyleDlg dialog(prefs);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.FontGBox->btnDefVal->click();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
            QVERIFY(prefs == before);
        }
        {
            sw::TStyleDlg dialog(prefs);
            dialog.show();
            dialog.FontGBox->btnDefVal->click();
            QTest::mouseClick(dialog.okBtn, Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(prefs.elements[3].margin != "4px");
        }
    }
};

QTEST_MAIN(EditorCommandsTest)
#include "editorcommands_test.moc"
