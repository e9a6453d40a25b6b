#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/frenchtranslations.h"
#include "dialogs/aboutfrm.h"
#include "dialogs/getfiledlg.h"
#include "dialogs/leditform.h"
#include "dialogs/preffrm.h"

namespace {

// The picture list of a folder holding two pictures, a file named like a
// picture that holds text, and a file of another type.
struct PictureFolder {
    QTemporaryDir dir;

    PictureFolder()
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(dir.filePath(QStringLiteral("b.jpg")), "JPEG");
        picture.save(dir.filePath(QStringLiteral("A.JPG")), "JPEG");
        QFile broken(dir.filePath(QStringLiteral("broken.jpg")));
        broken.open(QIODevice::WriteOnly);
        broken.write("no picture here");
        broken.close();
        QFile other(dir.filePath(QStringLiteral("notes.txt")));
        other.open(QIODevice::WriteOnly);
        other.close();
    }
    QString path() const { return dir.path(); }
};

void ClickItem(QListWidget* list, const QString& name, bool twice = false)
{
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(found.size() == 1);
    const QPoint centre = list->visualItemRect(found.front()).center();
    // A double click reaches the list as a click followed by a double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

QStringList Names(const QListWidget* list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(dialogs); }

    void chooserListsThePicturesOfTheFolder()
    {
        PictureFolder folder;
        sw::TGetFileDlg dlg(folder.path());
        // A file named as a picture that is none is not listed.
        QCOMPARE(Names(dlg.FileListBox), (QStringList{"A.JPG", "b.jpg"}));
        QCOMPARE(dlg.windowTitle(), folder.path());
        QVERIFY(dlg.Label2->text().isEmpty());
        // A preview large enough to judge a picture by, and more in a larger
        // dialog.
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(dlg.Image1->width() >= 320 && dlg.Image1->height() >= 240);
        const QSize before = dlg.Image1->size();
        dlg.resize(dlg.size() + QSize(200, 150));
        QTRY_VERIFY(dlg.Image1->width() > before.width() && dlg.Image1->height() > before.height());
    }

    void chooserClickShowsThePictureAndOkReturnsItsBareName()
    {
        PictureFolder folder;
        sw::TGetFileDlg dlg(folder.path());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        ClickItem(dlg.FileListBox, QStringLiteral("b.jpg"));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("b.jpg"));
        QCOMPARE(dlg.Label2->text(), QDir(folder.path()).absolutePath() + QLatin1Char('/'));
        QCOMPARE(dlg.Image1->pixmap().size(), QSize(40, 30));

        dlg.OKBtn->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.ChosenFileName(), std::optional<QString>(QStringLiteral("b.jpg")));
    }

    void chooserReducesALargePictureToThePreview()
    {
        QTemporaryDir dir;
        QImage large(1600, 1200, QImage::Format_RGB32);
        large.fill(Qt::blue);
        QVERIFY(large.save(dir.filePath(QStringLiteral("grand.jpg")), "JPEG"));
        sw::TGetFileDlg dlg(dir.path());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        ClickItem(dlg.FileListBox, QStringLiteral("grand.jpg"));
        const QSize shown = dlg.Image1->pixmap().size();
        const QSize room = dlg.Image1->contentsRect().size();
        QVERIFY(shown.width() <= room.width() && shown.height() <= room.height());
        QVERIFY(shown.width() == room.width() || shown.height() == room.height());
        QVERIFY(qAbs(shown.width() * 3 - shown.height() * 4) <= 4);
    }

    void chooserKeepsTheCurrentPictureWithoutAChoice()
    {
        PictureFolder folder;
        {
            // Accepted without a click, even though the list has the focus.
            sw::TGetFileDlg dlg(folder.path());
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            dlg.FileListBox->setFocus();
            dlg.OKBtn->click();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.ChosenFileName(), std::nullopt);
        }
        {
            // A click, then "aucune", then OK: no picture.
            sw::TGetFileDlg dlg(folder.path());
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            ClickItem(dlg.FileListBox, QStringLiteral("A.JPG"));
            dlg.noImgBtn->click();
            QVERIFY(dlg.Label2->text().isEmpty());
            QVERIFY(dlg.Image1->pixmap().isNull());
            QCOMPARE(dlg.FileListBox->currentItem()->text(), QStringLiteral("A.JPG"));
            dlg.OKBtn->click();
            QCOMPARE(dlg.ChosenFileName(), std::optional<QString>(QString()));
        }
        {
            // "aucune", then a click: that picture.
            sw::TGetFileDlg dlg(folder.path());
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            dlg.noImgBtn->click();
            ClickItem(dlg.FileListBox, QStringLiteral("A.JPG"));
            dlg.OKBtn->click();
            QCOMPARE(dlg.ChosenFileName(), std::optional<QString>(QStringLiteral("A.JPG")));
        }
        {
            // Annuler and Escape choose nothing.
            for (const bool escape : {false, true}) {
                sw::TGetFileDlg dlg(folder.path());
                dlg.show();
                QVERIFY(QTest::qWaitForWindowExposed(&dlg));
                ClickItem(dlg.FileListBox, QStringLiteral("A.JPG"));
                if (escape)
                    QTest::keyClick(dlg.FileListBox, Qt::Key_Escape);
                else
                    dlg.CancelBtn->click();
                QCOMPARE(dlg.result(), int(QDialog::Rejected));
                QVERIFY(!dlg.isVisible());
            }
        }
    }

    void chooserDoubleClickAcceptsInOneGesture()
    {
        PictureFolder folder;
        sw::TGetFileDlg dlg(folder.path());
        dlg.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        ClickItem(dlg.FileListBox, QStringLiteral("A.JPG"), true);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.ChosenFileName(), std::optional<QString>(QStringLiteral("A.JPG")));
    }

    void chooserListsNoFileThatIsNoPicture()
    {
        PictureFolder folder;
        sw::TGetFileDlg dlg(folder.path());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(dlg.FileListBox->findItems(QStringLiteral("broken.jpg"), Qt::MatchExactly).isEmpty());
        ClickItem(dlg.FileListBox, QStringLiteral("b.jpg"));
        QVERIFY(!dlg.Image1->pixmap().isNull());
        dlg.OKBtn->click();
        QCOMPARE(dlg.ChosenFileName(), std::optional<QString>(QStringLiteral("b.jpg")));
    }

    // The name entry and the preferences close without a change by their
    // "Annuler" and by Escape.
    void theNameEntryAndThePreferencesHaveAnnulerAndAnswerEscape()
    {
        for (const bool byKey : {false, true}) {
            sw::TLEditForm name(QStringLiteral("nom du plan"), QStringLiteral("plan 2"));
            name.open();
            QVERIFY(QTest::qWaitForWindowExposed(&name));
            QCOMPARE(name.CancelBtn->text().remove(QLatin1Char('&')), QStringLiteral("Annuler"));
            QVERIFY(name.CancelBtn->geometry().right() < name.OkBtn->geometry().left());
            if (byKey)
                QTest::keyClick(&name, Qt::Key_Escape);
            else
                name.CancelBtn->click();
            QCOMPARE(name.result(), int(QDialog::Rejected));

            sw::TPrefFrm prefs(true, false);
            prefs.open();
            QVERIFY(QTest::qWaitForWindowExposed(&prefs));
            QCOMPARE(prefs.CancelBtn->text().remove(QLatin1Char('&')), QStringLiteral("Annuler"));
            QTest::mouseClick(prefs.AutoLoadCheck, Qt::LeftButton, Qt::NoModifier, QPoint(8, prefs.AutoLoadCheck->height() / 2));
            if (byKey)
                QTest::keyClick(&prefs, Qt::Key_Escape);
            else
                prefs.CancelBtn->click();
            QCOMPARE(prefs.result(), int(QDialog::Rejected));
        }
    }

    void nameEntryShowsThePromptAndReturnsTheTypedName()
    {
        QCOMPARE(sw::TLEditForm(QString(), QString()).windowTitle(), QStringLiteral("Ajouter un élément"));

        sw::TLEditForm dlg(QStringLiteral("nom du plan"), QStringLiteral("plan 2"));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("nom du plan"));
        QCOMPARE(dlg.OkBtn->text().remove(QLatin1Char('&')), QStringLiteral("Accepter"));
        dlg.open();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QVERIFY(dlg.Edit1->hasFocus());
        // The name is selected: typing replaces it, Enter accepts.
        QTest::keyClicks(dlg.Edit1, QStringLiteral("Le heros arrive"));
        QTest::keyClick(dlg.Edit1, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.Text(), QStringLiteral("Le heros arrive"));
    }

    void nameEntryClosedByItsWindowIsRefused()
    {
        sw::TLEditForm dlg(QStringLiteral("Renommer le plan..."), QStringLiteral("plan 1"));
        dlg.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.close();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    void aboutBoxClosesAtTheSeventhTick()
    {
        sw::TAboutFrm about;
        // The version --version gives, from one place.
        QCOMPARE(about.VersionLbl->text(), QStringLiteral("version ") + QStringLiteral(SHOTWEAVE_VERSION));
        QVERIFY(about.revLabel->text().isEmpty());
        QCOMPARE(about.Label1->text(), QStringLiteral("Shotweave"));
        QVERIFY(about.Timer1->isActive());
        QCOMPARE(about.Timer1->interval(), 1000);
        QVERIFY(!about.Image1->pixmap().isNull());

        about.open();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.TickCount(), 1);
        for (int tick = 1; tick <= 6; ++tick)
            about.Timer1Timer();
        QVERIFY(about.isVisible());
        about.Timer1Timer();
        QVERIFY(!about.isVisible());
    }

    void aboutBoxClosesOnAClick()
    {
        sw::TAboutFrm about;
        about.open();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.Label3, Qt::LeftButton);
        QVERIFY(!about.isVisible());

        sw::TAboutFrm again;
        again.open();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTest::mouseClick(&again, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QVERIFY(!again.isVisible());
    }

    void preferencesShowAndReturnTheTwoSettings()
    {
        sw::TPrefFrm dlg(true, false);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Préférences"));
        QCOMPARE(dlg.AutoLoadCheck->text().remove(QLatin1Char('&')), QStringLiteral("Chargement auto du dernier fichier"));
        QCOMPARE(dlg.SaveIDCheck->text().remove(QLatin1Char('&')), QStringLiteral("Conserver les paramètres d'identité"));
        QVERIFY(dlg.AutoLoadCheck->isChecked());
        QVERIFY(!dlg.SaveIDCheck->isChecked());

        dlg.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::mouseClick(dlg.AutoLoadCheck, Qt::LeftButton);
        QTest::mouseClick(dlg.SaveIDCheck, Qt::LeftButton);
        dlg.OkBtn->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.AutoLoad());
        QVERIFY(dlg.SaveID());
    }

    void preferencesClosedByTheirWindowAreRefused()
    {
        sw::TPrefFrm dlg(false, true);
        dlg.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.AutoLoadCheck->setChecked(true);
        dlg.close();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    void qtTextsAreInFrench()
    {
        const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm";
        if (!QFile::exists(catalogue))
            QSKIP("qtbase_fr is not installed");
        QVERIFY(sw::InstallFrenchTranslations(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
