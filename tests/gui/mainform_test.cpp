#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "document/projectfile.h"
#include "editortestkit.h"

namespace {

QStringList MenuEntries(QMenu* menu)
{
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else if (action->shortcut().isEmpty())
            entries << action->text();
        else
            entries << action->text() + QLatin1Char('\t') + action->shortcut().toString();
    }
    return entries;
}

QStringList ComboEntries(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

void Hover(QWidget* widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(widget, &enter);
}

void SelectTab(QTabWidget* tabs, int index)
{
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
    }

    void windowHasItsTabsMenuAndControls()
    {
        swtest::Editor editor;
        editor.form->show();
        QCOMPARE(editor.Find<QWidget>("clientArea")->minimumSize(), QSize(696, 464));
        QCOMPARE(editor.form->windowTitle(), swtest::UntitledWindowTitle());
        // The window grows from its smallest size.
        QVERIFY(editor.form->size().width() >= editor.form->minimumSize().width());
        QVERIFY(editor.form->maximumSize().width() > editor.form->minimumSize().width());

        auto* tabs = editor.Find<QTabWidget>("PageControl");
        QCOMPARE(tabs->count(), 4);
        QStringList captions;
        for (int i = 0; i < 4; ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, (QStringList{"Idée", "Continuité", "Découpage", "Rapport"}));

        QList<QMenu*> menus;
        for (QAction* entry : editor.form->menuBar()->actions())
            menus << entry->menu();
        QCOMPARE(menus.size(), 6);
        // Each caption reads as before, with Alt and its first letter to open it.
        QCOMPARE(menus[0]->title(), QStringLiteral("&Fichier"));
        QCOMPARE(MenuEntries(menus[0]), (QStringList{"&Nouveau\tCtrl+N", "&Ouvrir...\tCtrl+O", "Fichiers &récents", "&Enregistrer\tCtrl+S", "Enregistrer &sous...\tCtrl+Shift+S",
                                                     "-", "Exporter en P&DF...", "Exporter en &CSV...", "&Partager le plan…",
                                                     "Exporter l'&animatique (vidéo)…", "Exporter une &timeline…", "Importer un &montage…", "Importer &un scénario…", "&Imprimer...\tCtrl+P",
                                                     "-", "Pré&férences...", "-", "&Quitter\tCtrl+Q"}));
        QCOMPARE(menus[1]->title(), QStringLiteral("&Édition"));
        QCOMPARE(MenuEntries(menus[1]), (QStringList{"&Annuler\tCtrl+Z", "&Rétablir\tCtrl+Shift+Z"}));
        QCOMPARE(menus[2]->title(), QStringLiteral("&Plans"));
        QCOMPARE(MenuEntries(menus[2]),
                 (QStringList{"&Ajouter un plan...\tCtrl+Shift+A", "Insérer un plan a&vant...\tShift+Ins", "&Insérer un plan après...\tIns", "&Dupliquer le plan\tCtrl+D",
                              "&Renommer le plan...\tF2", "&Supprimer le plan\tDel", "-", "Plan su&ivant\tCtrl+PgDown",
                              "Plan &précédent\tCtrl+PgUp", "-", "&1 Onglet « Idée »\tAlt+1", "&2 Onglet « Continuité »\tAlt+2",
                              "&3 Onglet « Découpage »\tAlt+3", "&4 Onglet « Rapport »\tAlt+4", "-", "A&nimatique\tF9"}));
        QCOMPARE(menus[3]->title(), QStringLiteral("S&cènes"));
        QCOMPARE(MenuEntries(menus[3]),
                 (QStringList{"&Nouvelle scène à partir de ce plan...\tCtrl+Alt+N", "&Modifier la scène...\tCtrl+Alt+E",
                              "&Supprimer la scène (ses plans restent)", "Monter la scène\tCtrl+Alt+Up",
                              "Descendre la scène\tCtrl+Alt+Down", "-", "Mettre le &plan dans la scène...\tCtrl+Alt+S"}));
        menus.removeAt(3);
        QCOMPARE(menus[3]->title(), QStringLiteral("&HTML"));
        QCOMPARE(MenuEntries(menus[3]),
                 (QStringList{"&Style...", "&Mise en page...", "-", "&Publier\tF4", "&Navigateur\tF5"}));
        menus.removeAt(2);
        QCOMPARE(menus[3]->title(), QStringLiteral("&?"));
        QCOMPARE(MenuEntries(menus[3]), (QStringList{"À &propos...", "-", "&Aide..."}));

        QCOMPARE(ComboEntries(editor.Find<QComboBox>("CBCadre")),
                 (QStringList{"général", "pied", "cuisse", "ceinture", "buste", "épaule", "gros-plan", "très gros plan"}));
        QCOMPARE(ComboEntries(editor.Find<QComboBox>("CBAngles")),
                 (QStringList{"normal", "niveau", "légère plongée", "plongée", "légère contre-plongée", "contre-plongée"}));
        QCOMPARE(ComboEntries(editor.Find<QComboBox>("camComb0")), (QStringList{"latéral", "vertical", "circulaire"}));
        QCOMPARE(ComboEntries(editor.Find<QComboBox>("camComb1")),
                 (QStringList{"avant", "arrière", "latéral", "vertical", "circulaire"}));
        QCOMPARE(ComboEntries(editor.Find<QComboBox>("camComb2")), (QStringList{"avant", "arrière"}));
        QCOMPARE(swtest::ShownCaption(editor.Find<QCheckBox>("camCheckB0")->text()), QStringLiteral("panoramique"));
        QCOMPARE(swtest::ShownCaption(editor.Find<QCheckBox>("camCheckB1")->text()), QStringLiteral("travelling"));
        QCOMPARE(swtest::ShownCaption(editor.Find<QCheckBox>("CamCheckB2")->text()), QStringLiteral("zoom"));
        QCOMPARE(editor.Find<QPushButton>("getImgBtn1")->text(), QStringLiteral("..."));
        // Both pictures of a shot have their button.
        QCOMPARE(editor.Find<QPushButton>("getImgBtn2")->text(), QStringLiteral("..."));
        QVERIFY(!editor.Find<QPushButton>("getImgBtn2")->isHidden());

        QCOMPARE(editor.Find<QLabel>("RapLabel")->text(), QStringLiteral("Rapport de production:"));
        QCOMPARE(swtest::ShownCaption(editor.Find<QCheckBox>("extRapChck")->text()), QStringLiteral("Utiliser fichier distinct"));
        QCOMPARE(editor.Find<QLineEdit>("extRapNameEd")->text(), QStringLiteral("rapport.htm"));

        auto* publish = editor.Find<QToolButton>("publishSpeedBtn");
        auto* browse = editor.Find<QToolButton>("browseSpeedBtn");
        QCOMPARE(publish->toolTip(), QStringLiteral("Publier et Enregistrer"));
        QCOMPARE(browse->toolTip(), QStringLiteral("Publier et Afficher dans l'explorateur"));
        QVERIFY(!publish->icon().isNull());
        QVERIFY(!browse->icon().isNull());
    }

    void aNewWindowStartsWithOneShotAndTheFirstHint()
    {
        swtest::Editor editor;
        auto* list = editor.Find<QListWidget>("vListBox");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("1. plan 1 \u2014 0 s"));
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QVERIFY(editor.Find<QPushButton>("renamEvntBtn")->isEnabled());
        QVERIFY(editor.Find<QPushButton>("DelEvntBtn")->isEnabled());
        QCOMPARE(editor.Find<QLabel>("ENoLabel")->text(), QStringLiteral("1"));
        QCOMPARE(editor.form->InfoText(), sw::HintText(0));
        QVERIFY(editor.form->acceptDrops());
        QVERIFY(!editor.form->Document().IsModified());
    }

    void typingIntoTheGeneralInformationReachesTheModelAtOnce()
    {
        swtest::Editor editor;
        auto* title = editor.Find<QLineEdit>("titleEd");
        QTest::keyClicks(title, QStringLiteral("Un "));
        QCOMPARE(editor.Project().GenInfo.title, std::string("Un "));
        title->insert(QStringLiteral("Été")); // typed through an input method
        QCOMPARE(editor.Project().GenInfo.title, std::string("Un Été"));
        auto* creator = editor.Find<QPlainTextEdit>("CreatorMemo");
        QTest::keyClicks(creator, QStringLiteral("Ana"));
        QTest::keyClick(creator, Qt::Key_Return);
        creator->insertPlainText(QStringLiteral("Léo"));
        QCOMPARE(editor.Project().GenInfo.creator, std::string("Ana\r\nLéo"));
        QTest::keyClicks(editor.Find<QPlainTextEdit>("CommentMemo"), QStringLiteral("n"));
        QTest::keyClicks(editor.Find<QPlainTextEdit>("IdeaMemo"), QStringLiteral("i"));
        QTest::keyClicks(editor.Find<QPlainTextEdit>("SynopsMemo"), QStringLiteral("s"));
        QCOMPARE(editor.Project().GenInfo.comment, std::string("n"));
        QCOMPARE(editor.Project().GenInfo.idea, std::string("i"));
        QCOMPARE(editor.Project().GenInfo.synopsis, std::string("s"));
        QVERIFY(editor.form->Document().IsModified());
    }

    void aLineBreakPastedIntoAOneLineFieldBecomesABlank()
    {
        swtest::Editor editor;
        editor.Find<QLineEdit>("titleEd")->setText(QStringLiteral("Un\r\nDeux\nTrois"));
        QCOMPARE(editor.Project().GenInfo.title, std::string("Un Deux Trois"));
        editor.Find<QLineEdit>("extRapNameEd")->setText(QStringLiteral("notes\n.htm"));
        QCOMPARE(editor.Project().Report.fileName, std::string("notes .htm"));
    }

    void theReportTabEditsTheReport()
    {
        swtest::Editor editor;
        SelectTab(editor.Find<QTabWidget>("PageControl"), 3);
        auto* memo = editor.Find<QPlainTextEdit>("rapMemo");
        QTest::keyClicks(memo, QStringLiteral("Tournage"));
        const sw::TsRprt& report = editor.Project().Report;
        QCOMPARE(report.text, std::string("Tournage"));
        QCOMPARE(report.caption, std::string("Rapport de production:"));

        QTest::mouseClick(editor.Find<QCheckBox>("extRapChck"), Qt::LeftButton);
        QVERIFY(report.isExternal);
        QVERIFY(memo->isHidden());
        auto* name = editor.Find<QLineEdit>("extRapNameEd");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("notes.htm"));
        QCOMPARE(report.fileName, std::string("notes.htm"));
        QTest::mouseClick(editor.Find<QCheckBox>("extRapChck"), Qt::LeftButton);
        QVERIFY(!report.isExternal);
        QVERIFY(!memo->isHidden());
    }

    void aNewProjectEmptiesTheFieldsButKeepsTheReportFlagAndCaption()
    {
        swtest::Editor editor;
        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Titre"));
        QTest::keyClicks(editor.Find<QPlainTextEdit>("rapMemo"), QStringLiteral("texte"));
        QTest::mouseClick(editor.Find<QCheckBox>("extRapChck"), Qt::LeftButton);
        editor.Find<QLineEdit>("extRapNameEd")->setText(QStringLiteral("autre.htm"));
        swtest::Editor::ChooseNextEntry(editor.Find<QComboBox>("CBCadre"));
        QTest::keyClicks(editor.Find<QPlainTextEdit>("actionMemo"), QStringLiteral("action"));
        QCOMPARE(editor.Project().EventList.Event(0).cam.framing, 1);

        editor.prompts.saveAnswers = {sw::SaveAnswer::No};
        editor.Trigger("mNew");

        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QVERIFY(editor.Find<QLineEdit>("titleEd")->text().isEmpty());
        QCOMPARE(editor.Find<QLineEdit>("DEdit")->text(), QStringLiteral("00"));
        QVERIFY(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText().isEmpty());
        QVERIFY(editor.Find<QPlainTextEdit>("rapMemo")->toPlainText().isEmpty());
        QCOMPARE(editor.Find<QComboBox>("CBCadre")->currentIndex(), 0);
        QVERIFY(editor.Find<QCheckBox>("extRapChck")->isChecked());
        QVERIFY(!editor.form->isWindowModified());
        QCOMPARE(editor.Find<QLabel>("cumLab")->text(), QStringLiteral("0s."));
        QCOMPARE(editor.Find<QLineEdit>("extRapNameEd")->text(), QStringLiteral("rapport.htm"));
        QVERIFY(editor.Find<QCheckBox>("extRapChck")->isChecked());
        QCOMPARE(editor.Find<QListWidget>("vListBox")->count(), 1);

        const sw::ProjectDocument& project = editor.Project();
        QCOMPARE(project.GenInfo.ToText(), std::string(20, '|'));
        QVERIFY(project.Report.text.empty());
        QCOMPARE(project.Report.fileName, std::string("rapport.htm"));
        QVERIFY(project.Report.isExternal);
        QCOMPARE(project.Report.caption, std::string("Rapport de production:"));
    }

    void theInformationPanelFollowsTabsAndMouse()
    {
        swtest::Editor editor;
        editor.form->show();
        auto* tabs = editor.Find<QTabWidget>("PageControl");
        SelectTab(tabs, 2);
        QCOMPARE(editor.form->InfoText(), sw::HintText(2));
        QVERIFY(editor.form->InfoText().startsWith(QStringLiteral("Précisez pour chacun des plans")));
        swtest::Screenshot(editor.form.get(), QStringLiteral("mainform-tab2"));
        Hover(editor.Find<QLineEdit>("DEdit"));
        QCOMPARE(editor.form->InfoText(),
                 QStringLiteral("La durée du plan en secondes. (N'écrivez que les chiffres, sans ponctuation)."));
        Hover(editor.Find<QWidget>("PictPanel"));
        QCOMPARE(editor.form->InfoText(), sw::HintText(14));
        QVERIFY(sw::HintText(14).contains(QStringLiteral("dossier img  du travail")));
        SelectTab(tabs, 1);
        QCOMPARE(editor.form->InfoText(), sw::HintText(1));
        swtest::Screenshot(editor.form.get(), QStringLiteral("mainform-tab1"));
        // The shot panel travels with the shot tabs.
        QVERIFY(tabs->widget(1)->isAncestorOf(editor.Find<QWidget>("ActPanel")));
        Hover(editor.Find<QPlainTextEdit>("sonMemo"));
        QCOMPARE(editor.form->InfoText(), QStringLiteral("Décrivez le son prévu pour l'action en cours."));
        SelectTab(tabs, 0);
        QCOMPARE(editor.form->InfoText(),
                 QStringLiteral("Identifiez ici l'auteur, le titre du film... \nÉcrivez finalement un court résumé: le synopsis"));
        swtest::Screenshot(editor.form.get(), QStringLiteral("mainform-tab0"));
        Hover(editor.Find<QPlainTextEdit>("IdeaMemo"));
        QCOMPARE(editor.form->InfoText(),
                 QStringLiteral("Idée: de quoi parlera le film.\n Très bref, dans une seule phrase si possible."));
        SelectTab(tabs, 3);
        QCOMPARE(editor.form->InfoText(), QStringLiteral("Produire un rapport ou associer un rapport externe. (.htm)"));
        swtest::Screenshot(editor.form.get(), QStringLiteral("mainform-tab3"));
        Hover(editor.Find<QPlainTextEdit>("rapMemo"));
        QVERIFY(editor.form->InfoText().endsWith(QStringLiteral("en cochant \"Utiliser fichier distinct\". ")));
    }

    void theReportTabShowsTheReportCaptionOnlyWhenThereIsOne()
    {
        swtest::Editor editor;
        auto* tabs = editor.Find<QTabWidget>("PageControl");
        auto* label = editor.Find<QLabel>("RapLabel");
        SelectTab(tabs, 3);
        QCOMPARE(label->text(), QStringLiteral("Rapport de production:"));
        SelectTab(tabs, 0);
        sw::ProjectDocument journal;
        journal.Report.caption = "Journal de tournage";
        journal.EventList.AddEvent();
        const QString file = editor.Path(QStringLiteral("journal.vid"));
        sw::SaveProject(journal, file.toStdString());
        editor.prompts.fileToOpen = file;
        editor.Trigger("mOuvrir");
        SelectTab(tabs, 3);
        QCOMPARE(label->text(), QStringLiteral("Journal de tournage"));
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
