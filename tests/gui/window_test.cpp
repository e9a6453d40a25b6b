// The main window at any size: its layouts, its place kept between runs, its
// title, the About box at start-up, and pictures of it for a person to look
// at (run a second time with QT_SCALE_FACTOR=2).
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/editorstart.h"
#include "app/windowplace.h"
#include "dialogs/aboutfrm.h"
#include "dialogs/getfiledlg.h"
#include "dialogs/leditform.h"
#include "dialogs/pdfexportdlg.h"
#include "dialogs/hpanfrm.h"
#include "dialogs/netcform.h"
#include "dialogs/preffrm.h"
#include "dialogs/styledlg.h"
#include "editortestkit.h"
#include "layout/htmprefs.h"
#include "model/appsettings.h"
#include "model/inifile.h"
#include "qtshared/accelerators.h"
#include "style/styleprefs.h"

namespace {

namespace fs = std::filesystem;

const QSize kLargeWindow(1280, 900);

// A window over an application that reads its settings from iniFile, as the
// editor does at start-up.
struct StartedEditor {
    swtest::FakePrompts prompts;
    sw::TEditorApp app;
    std::unique_ptr<sw::TmainForm> form;

    explicit StartedEditor(const fs::path& iniFile, bool start = true)
        : app(iniFile.parent_path() / "shotweave", iniFile, iniFile.parent_path() / "recovery")
    {
        app.ReadSettings();
        form = std::make_unique<sw::TmainForm>(app, prompts);
        if (start) {
            form->show();
            form->FormShow({});
        }
    }
};

// What a user calls a control: the widgets that show or take something,
// not the parts they are made of.
bool IsControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QListWidget*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLabel*>(widget)
        || qobject_cast<const QTabBar*>(widget);
}

bool IsPartOfAControl(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (IsControl(up))
            return true;
    return false;
}

QList<QWidget*> VisibleControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisible() && IsControl(widget) && !IsPartOfAControl(widget, window))
            controls << widget;
    return controls;
}

QRect InWindow(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

QString RectText(const QRect& rect)
{
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

QString NameOf(const QWidget* widget)
{
    QString name = widget->objectName();
    if (name.isEmpty())
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            name = QStringLiteral("label \"") + label->text() + QLatin1Char('"');
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && name.isEmpty())
        name = QStringLiteral("button \"") + button->text() + QLatin1Char('"');
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + name;
}

// Whether a control is smaller than its text needs: a one-line label, a
// button or a check box narrower or lower than its size hint.
bool IsClipped(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return false;
        return label->width() < label->sizeHint().width() || label->height() < label->sizeHint().height();
    }
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (!button || button->text().isEmpty())
        return false;
    if (widget->height() < widget->fontMetrics().height())
        return true;
    // A push button's size hint has a width of its style's own that its text
    // may not need.
    if (const auto* push = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        const QRect contents = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
        // The "&" of its key is not drawn.
        return contents.width() < push->fontMetrics().horizontalAdvance(QString(push->text()).remove(QLatin1Char('&')));
    }
    return widget->width() < widget->sizeHint().width();
}

// Every visible control lies inside window, no two overlap, and none cuts
// its text.
void CheckControlsFit(QWidget* window, const QString& where)
{
    const QList<QWidget*> controls = VisibleControls(window);
    QVERIFY2(controls.size() > 3, qPrintable(where));
    for (int i = 0; i < controls.size(); ++i) {
        const QRect rect = InWindow(controls[i], window);
        QVERIFY2(window->rect().contains(rect),
                 qPrintable(where + QStringLiteral(": %1 lies outside the window").arg(NameOf(controls[i]))));
        QVERIFY2(!IsClipped(controls[i]), qPrintable(where + QStringLiteral(": %1 cuts its text").arg(NameOf(controls[i]))));
        for (int j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!rect.intersects(InWindow(controls[j], window)),
                     qPrintable(where + QStringLiteral(": %1 overlaps %2 (%3)")
                                          .arg(NameOf(controls[i]), NameOf(controls[j]))
                                          .arg(RectText(rect.intersected(InWindow(controls[j], window))))));
    }
}

QString ScaleSuffix()
{
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    return QStringLiteral("-scale") + scale;
}

void ClickTab(QTabWidget* tabs, int index)
{
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
    QCOMPARE(tabs->currentIndex(), index);
}

// A picture of size, for the picture boxes.
fs::path WritePicture(const fs::path& folder, const char* name, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(0x30, 0x80, 0xc0));
    const fs::path file = folder / name;
    picture.save(QString::fromStdString(file.string()));
    return file;
}


// Every button and every field's label that shows in window has a key of
// its own (Alt and a letter), none the same as another's or a menu's.
void CheckKeys(QWidget* window, const QString& where)
{
    QMap<QChar, QString> owners;
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (const QAction* menu : main->menuBar()->actions())
            owners.insert(sw::widgets::AcceleratorOf(menu->text()), QStringLiteral("menu ") + menu->text());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        QString text;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
            text = label->text();
        if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
            continue;
        const QChar key = sw::widgets::AcceleratorOf(text);
        QVERIFY2(!key.isNull(), qPrintable(where + QStringLiteral(": « %1 » has no key").arg(text)));
        QVERIFY2(!owners.contains(key),
                 qPrintable(where + QStringLiteral(": « %1 » and « %2 » share Alt+%3").arg(text, owners.value(key)).arg(key)));
        owners.insert(key, text);
    }
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
    }

    // ------------------------------------------------------------ layouts

    void everyControlOfEveryTabFitsAtAnySize_data()
    {
        QTest::addColumn<bool>("large");
        QTest::newRow("1280 x 900") << true;
        QTest::newRow("smallest") << false;
    }

    void everyControlOfEveryTabFitsAtAnySize()
    {
        QFETCH(bool, large);
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
        editor.form->resize(large ? kLargeWindow : editor.form->minimumSize());
        QTRY_COMPARE(editor.form->size(), large ? kLargeWindow : editor.form->minimumSize());
        auto* tabs = editor.Find<QTabWidget>("PageControl");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            ClickTab(tabs, tab);
            CheckControlsFit(editor.form.get(), QStringLiteral("tab %1").arg(tab));
            if (QTest::currentTestFailed())
                return;
        }
        // The report's own file name stays where it was when the text hides.
        ClickTab(tabs, 3);
        auto* name = editor.Find<QLineEdit>("extRapNameEd");
        const QRect before = InWindow(name, editor.form.get());
        QTest::mouseClick(editor.Find<QCheckBox>("extRapChck"), Qt::LeftButton);
        QVERIFY(!editor.Find<QPlainTextEdit>("rapMemo")->isVisible());
        QCOMPARE(InWindow(name, editor.form.get()), before);
    }

    void theFieldsGrowFromTheSmallestWindow()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
        editor.form->resize(editor.form->minimumSize());
        QWidget* client = editor.Find<QWidget>("clientArea");
        QTRY_COMPARE(client->size(), QSize(696, 464));
        QVERIFY(editor.form->maximumWidth() > 4000 && editor.form->maximumHeight() > 4000);

        const char* growing[] = {"SynopsMemo", "CreatorMemo", "actionMemo", "dlgMemo", "vListBox",
                                 "effetMemo", "Image1", "Image2", "rapMemo"};
        auto* tabs = editor.Find<QTabWidget>("PageControl");
        const auto sizesOnTheirTabs = [&] {
            QList<std::pair<QString, QSize>> sizes;
            for (int tab = 0; tab < tabs->count(); ++tab) {
                ClickTab(tabs, tab);
                for (const char* name : growing)
                    if (QWidget* widget = editor.Find<QWidget>(name); widget->isVisible())
                        sizes.append({QLatin1String(name), widget->size()});
            }
            return sizes;
        };
        const auto small = sizesOnTheirTabs();
        editor.form->resize(kLargeWindow);
        QTRY_COMPARE(editor.form->size(), kLargeWindow);
        const auto large = sizesOnTheirTabs();
        QCOMPARE(large.size(), small.size());
        for (int i = 0; i < small.size(); ++i) {
            const auto& [name, before] = small[i];
            const QSize after = large[i].second;
            // The shot list grows in height only, up to the width it was given.
            const bool wider = name == QLatin1String("vListBox") ? after.width() >= before.width() : after.width() > before.width();
            QVERIFY2(after.height() > before.height() && wider,
                     qPrintable(QStringLiteral("%1: %2x%3 then %4x%5")
                                    .arg(name)
                                    .arg(before.width())
                                    .arg(before.height())
                                    .arg(after.width())
                                    .arg(after.height())));
        }
    }

    void thePicturesAreDrawnAtTheSizeOfTheirBoxes()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
        const fs::path film = editor.Path(QStringLiteral("film.vid")).toStdString();
        editor.prompts.fileToSave = QString::fromStdString(film.string());
        editor.Trigger("mSave");
        const fs::path imgDir = editor.app->Paths().ImgDir;
        QVERIFY(!imgDir.empty());
        WritePicture(imgDir, "large.png", QSize(1600, 1200));
        editor.ClickTab(2);
        editor.prompts.pictureAnswer = QStringLiteral("large.png");
        QTest::mouseClick(editor.Find<QPushButton>("getImgBtn1"), Qt::LeftButton);
        auto* box = editor.Find<QLabel>("Image1");
        const auto fits = [box] {
            const QSize picture = box->pixmap().size();
            const QSize inside = box->contentsRect().size();
            // The picture fills the box one way and keeps its proportions.
            return picture.width() <= inside.width() && picture.height() <= inside.height()
                && (picture.width() >= inside.width() - 1 || picture.height() >= inside.height() - 1)
                && qAbs(picture.width() * 3 - picture.height() * 4) <= 4;
        };
        QVERIFY(editor.PicturesShown());
        QVERIFY(fits());
        const QSize before = box->pixmap().size();
        editor.form->resize(kLargeWindow);
        QTRY_VERIFY(box->pixmap().size() != before);
        QVERIFY(fits());
        QVERIFY(box->pixmap().width() > before.width());
    }

    // ------------------------------------------------------------ the place kept between runs

    void theWindowComesBackWhereItWas()
    {
        QTemporaryDir dir;
        const fs::path ini = fs::path(dir.path().toStdString()) / "shotweave.ini";
        {
            StartedEditor first(ini);
            QVERIFY(QTest::qWaitForWindowExposed(first.form.get()));
            first.form->setGeometry(QRect(QPoint(30, 40), QSize(900, 640)));
            ClickTab(first.form->findChild<QTabWidget*>(QStringLiteral("PageControl")), 2);
            QVERIFY(first.form->close());
        }
        const sw::IniFile written = sw::IniFile::Load(ini);
        QCOMPARE(written.ReadInteger("WINDOW", "Width", 0), 900);
        {
            StartedEditor second(ini);
            QVERIFY(QTest::qWaitForWindowExposed(second.form.get()));
            QCOMPARE(second.form->geometry(), QRect(QPoint(30, 40), QSize(900, 640)));
            QCOMPARE(second.form->findChild<QTabWidget*>(QStringLiteral("PageControl"))->currentIndex(), 2);
            QVERIFY(second.form->findChild<QWidget*>(QStringLiteral("effetMemo"))->isVisible());
            QVERIFY(second.form->findChild<QWidget*>(QStringLiteral("vListBox"))->isVisible());
            QVERIFY(!second.form->isMaximized());
            second.form->showMaximized();
            QTRY_VERIFY(second.form->isMaximized());
            QVERIFY(second.form->close());
        }
        StartedEditor third(ini, false);
        third.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(third.form.get()));
        QVERIFY(third.form->isMaximized());
        third.form->showNormal();
        QTRY_COMPARE(third.form->geometry(), QRect(QPoint(30, 40), QSize(900, 640)));
    }

    void theFirstWindowFillsMostOfTheScreen()
    {
        QCOMPARE(sw::FirstWindowSize(QSize(1920, 1050), QSize(700, 520)), QSize(1536, 840));
        QCOMPARE(sw::FirstWindowSize(QSize(3840, 2100), QSize(700, 520)), QSize(3072, 1680));
        // A small screen still gets the smallest window that holds every control.
        QCOMPARE(sw::FirstWindowSize(QSize(800, 600), QSize(700, 520)), QSize(700, 520));

        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(editor.form->size(), sw::FirstWindowSize(screen, editor.form->minimumSizeHint()));
    }

    void theShotListIsAsWideAsTheUserDragsIt()
    {
        QTemporaryDir dir;
        const fs::path ini = fs::path(dir.path().toStdString()) / "shotweave.ini";
        int dragged = 0;
        {
            StartedEditor first(ini);
            QVERIFY(QTest::qWaitForWindowExposed(first.form.get()));
            first.form->resize(kLargeWindow);
            QTRY_COMPARE(first.form->size(), kLargeWindow);
            auto* tabs = first.form->findChild<QTabWidget*>(QStringLiteral("PageControl"));
            ClickTab(tabs, 1);
            auto* panel = first.form->findChild<QWidget*>(QStringLiteral("ActPanel"));
            auto* splitter = first.form->findChild<QSplitter*>(QStringLiteral("continuitySplitter"));
            const int before = panel->width();
            // The handle dragged 120 pixels to the right.
            QSplitterHandle* handle = splitter->handle(1);
            const QPoint grip = handle->rect().center();
            QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
            QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(120, 0)), handle->mapToGlobal(QPointF(grip + QPoint(120, 0))),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(handle, &move);
            QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(120, 0));
            dragged = panel->width();
            QCOMPARE(dragged, before + 120);
            // The list keeps its width on the other tab and as the window grows.
            ClickTab(tabs, 2);
            QCOMPARE(panel->width(), dragged);
            first.form->resize(kLargeWindow + QSize(200, 0));
            QTRY_COMPARE(first.form->width(), kLargeWindow.width() + 200);
            QCOMPARE(panel->width(), dragged);
            QVERIFY(first.form->close());
        }
        QCOMPARE(sw::IniFile::Load(ini).ReadInteger("WINDOW", "ShotList", 0), dragged);
        StartedEditor second(ini);
        QVERIFY(QTest::qWaitForWindowExposed(second.form.get()));
        ClickTab(second.form->findChild<QTabWidget*>(QStringLiteral("PageControl")), 1);
        QCOMPARE(second.form->findChild<QWidget*>(QStringLiteral("ActPanel"))->width(), dragged);
    }

    void aWindowThatWouldLieOutsideEveryScreenComesBackOnThePrimaryOne()
    {
        QTemporaryDir dir;
        const fs::path ini = fs::path(dir.path().toStdString()) / "shotweave.ini";
        std::ofstream(ini) << "[WINDOW]\r\nLeft=40000\r\nTop=-30000\r\nWidth=800\r\nHeight=600\r\nTab=9\r\n";
        StartedEditor editor(ini);
        QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(editor.form->geometry().center()),
                 qPrintable(QStringLiteral("%1,%2").arg(editor.form->x()).arg(editor.form->y())));
        QCOMPARE(editor.form->findChild<QTabWidget*>(QStringLiteral("PageControl"))->currentIndex(), 0);
    }

    void aWindowNeverShownKeepsTheSettingsFileAsItWas()
    {
        QTemporaryDir dir;
        const fs::path ini = fs::path(dir.path().toStdString()) / "shotweave.ini";
        {
            StartedEditor editor(ini, false);
            QVERIFY(editor.form->close());
        }
        QVERIFY(fs::exists(ini));
        QVERIFY(swtest::ReadBytes(ini).find("[WINDOW]") == std::string::npos);
    }

    // ------------------------------------------------------------ the title

    void theTitleNamesTheFileAndMarksTheChanges()
    {
        swtest::Editor editor;
        QCOMPARE(editor.form->windowTitle(), QStringLiteral("Sans titre[*] — Shotweave"));
        QVERIFY(!editor.form->isWindowModified());
        QVERIFY(editor.form->statusTip().isEmpty());

        auto* title = editor.Find<QLineEdit>("titleEd");
        QTest::keyClicks(title, QStringLiteral("Court"));
        QVERIFY(editor.form->isWindowModified());

        const QString file = editor.Path(QStringLiteral("court.vid"));
        editor.prompts.fileToSave = file;
        editor.Trigger("mSave");
        QCOMPARE(editor.form->windowTitle(), QStringLiteral("court.vid[*] — Shotweave"));
        QVERIFY(!editor.form->isWindowModified());
        QCOMPARE(editor.form->statusTip(), file);

        QTest::keyClicks(editor.Find<QPlainTextEdit>("SynopsMemo"), QStringLiteral("Un jour"));
        QVERIFY(editor.form->isWindowModified());
        editor.Trigger("mSave");
        QVERIFY(!editor.form->isWindowModified());

        editor.prompts.nameAnswer = QStringLiteral("neuf");
        editor.Trigger("mNew");
        QCOMPARE(editor.form->windowTitle(), QStringLiteral("Sans titre[*] — Shotweave"));
        QVERIFY(!editor.form->isWindowModified());
        QVERIFY(editor.form->statusTip().isEmpty());

        editor.prompts.fileToOpen = file;
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.form->windowTitle(), QStringLiteral("court.vid[*] — Shotweave"));
        QVERIFY(!editor.form->isWindowModified());
    }

    // ------------------------------------------------------------ the About box at start-up

    void noAboutBoxCoversTheStart()
    {
        QTemporaryDir dir;
        const fs::path ini = fs::path(dir.path().toStdString()) / "shotweave.ini";
        // An earlier version's switch asking for the box changes nothing.
        std::ofstream(ini) << "[PREFS]\r\nShowAbout=1\r\n";
        StartedEditor editor(ini, false);
        sw::StartEditorWindow(*editor.form, {});
        QVERIFY(editor.form->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!editor.form->findChild<sw::TAboutFrm*>());
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<sw::TAboutFrm*>(top) || !top->isVisible());
        QCOMPARE(editor.form->findChild<QListWidget*>(QStringLiteral("vListBox"))->count(), 1);
    }

    void thePreferencesFitTheirDialog()
    {
        sw::TPrefFrm dialog(false, true);
        QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("ShowAboutCheck")));
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        CheckControlsFit(&dialog, QStringLiteral("preferences"));
        dialog.OkBtn->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.AutoLoad());
        QVERIFY(dialog.SaveID());
        swtest::Screenshot(&dialog, QStringLiteral("preferences") + ScaleSuffix());
    }

    // ------------------------------------------------------------ dialogs

    void theStyleDialogGrowsItsListAndOptions()
    {
        sw::TStylePrefs style;
        style.ApplyAppStyleTable();
        sw::TStyleDlg dialog(style);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // At its smallest, everything still fits.
        dialog.resize(dialog.minimumSize());
        QTRY_COMPARE(dialog.size(), dialog.minimumSize());
        CheckControlsFit(&dialog, QStringLiteral("smallest style dialog"));
        auto* list = dialog.findChild<QListWidget*>();
        auto* options = dialog.findChild<QPlainTextEdit*>();
        QVERIFY(list && options);
        // The list shows its longest line whole.
        QVERIFY(list->viewport()->width() >= list->sizeHintForColumn(0));
        const QSize listBefore = list->size();
        const QSize optionsBefore = options->size();
        dialog.resize(dialog.size() + QSize(300, 200));
        QTRY_VERIFY(list->height() > listBefore.height());
        QVERIFY(list->width() > listBefore.width());
        QVERIFY(options->height() > optionsBefore.height());
        CheckControlsFit(&dialog, QStringLiteral("larger style dialog"));
    }

    void thePageLayoutDialogTakesTheSizeItsTextsNeed()
    {
        sw::THTMPrefs layout;
        layout.SetDefaults(false);
        sw::THPanFrm dialog(layout, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), dialog.sizeHint());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        CheckControlsFit(&dialog, QStringLiteral("page-layout dialog"));
    }

    // ------------------------------------------------------------ pictures for a person to look at

    void everyButtonAndFieldHasAKeyOfItsOwn()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
        auto* tabs = editor.Find<QTabWidget>("PageControl");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            ClickTab(tabs, tab);
            CheckKeys(editor.form.get(), QStringLiteral("tab %1").arg(tab));
        }
        // Alt and a key does what a click does.
        editor.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        ClickTab(tabs, 1);
        const int before = editor.ShotNames().size();
        auto* add = editor.Find<QPushButton>("addEvntBtn");
        editor.prompts.nameAnswer = QStringLiteral("Par la clef");
        QTest::keyClick(editor.form.get(), sw::widgets::AcceleratorOf(add->text()).toLatin1(), Qt::AltModifier);
        // A button pressed by its key shows itself pressed for a moment first.
        QTRY_COMPARE(editor.ShotNames().size(), before + 1);

        QTemporaryDir pictures;
        sw::TAppSettings settings;
        sw::TStylePrefs style;
        style.ApplyAppStyleTable();
        sw::THTMPrefs layout;
        layout.SetDefaults(false);
        const std::vector<std::pair<QString, std::function<std::unique_ptr<QDialog>()>>> dialogs = {
            {QStringLiteral("name entry"), [] { return std::make_unique<sw::TLEditForm>(QStringLiteral("nom du plan"), QString()); }},
            {QStringLiteral("preferences"), [&settings] { return std::make_unique<sw::TPrefFrm>(settings); }},
            {QStringLiteral("page layout"), [&layout] { return std::make_unique<sw::THPanFrm>(layout, false); }},
            {QStringLiteral("style"), [&style] { return std::make_unique<sw::TStyleDlg>(style); }},
            {QStringLiteral("colours"), [] { return std::make_unique<sw::TNetCForm>(0, false); }},
            {QStringLiteral("PDF export"), [] { return std::make_unique<sw::TPdfExportDlg>(sw::PlanOptions{}); }},
            {QStringLiteral("picture chooser"), [&pictures] { return std::make_unique<sw::TGetFileDlg>(pictures.path()); }},
            {QStringLiteral("about"), [] { return std::make_unique<sw::TAboutFrm>(); }},
        };
        for (const auto& [name, make] : dialogs) {
            std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            CheckKeys(dialog.get(), name);
        }
    }

    void screenshotsOfEveryTabAndOfTheDialogs()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
        // A copy of the example film: opening a file puts its lock beside it,
        // which is no business of the source tree nor of the other tests.
        const fs::path example = fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage";
        const fs::path copy = fs::path(editor.folder.path().toStdString()) / "exemple";
        fs::copy(example, copy, fs::copy_options::recursive);
        editor.prompts.fileToOpen = QString::fromStdString((copy / "court.vid").string());
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(editor.prompts.fileToOpen));
        auto* tabs = editor.Find<QTabWidget>("PageControl");
        for (const QSize size : {kLargeWindow, editor.form->minimumSize()}) {
            editor.form->resize(size);
            QTRY_COMPARE(editor.form->size(), size);
            for (int tab = 0; tab < tabs->count(); ++tab) {
                ClickTab(tabs, tab);
                if (tab >= 2)
                    editor.ClickShot(0);
                swtest::Screenshot(editor.form.get(), QStringLiteral("window-tab%1-%2x%3").arg(tab).arg(size.width()).arg(size.height())
                                                          + ScaleSuffix());
            }
        }

        sw::TStylePrefs style;
        style.ApplyAppStyleTable();
        sw::TStyleDlg styleDialog(style);
        styleDialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&styleDialog));
        CheckControlsFit(&styleDialog, QStringLiteral("style dialog"));
        swtest::Screenshot(&styleDialog, QStringLiteral("style-dialog") + ScaleSuffix());

        sw::THTMPrefs layout;
        layout.SetDefaults(false);
        sw::THPanFrm layoutDialog(layout, false);
        layoutDialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&layoutDialog));
        CheckControlsFit(&layoutDialog, QStringLiteral("page-layout dialog"));
        swtest::Screenshot(&layoutDialog, QStringLiteral("layout-dialog") + ScaleSuffix());

        sw::TNetCForm colours(0, false);
        colours.show();
        QVERIFY(QTest::qWaitForWindowExposed(&colours));
        QCOMPARE(colours.minimumSize(), colours.maximumSize());
        CheckControlsFit(&colours, QStringLiteral("colour dialog"));
        swtest::Screenshot(&colours, QStringLiteral("colour-dialog") + ScaleSuffix());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
