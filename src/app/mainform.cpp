#include "app/mainform.h"

#include <filesystem>
#include <optional>
#include <utility>

#include <QBoxLayout>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

#include "app/autosaver.h"
#include "app/documentcontroller.h"
#include "app/documentoutputs.h"
#include "app/editorapp.h"
#include "app/fieldkeys.h"
#include "app/filedrops.h"
#include "app/hinttexts.h"
#include "app/infoview.h"
#include "app/mainmenus.h"
#include "app/shoteditor.h"
#include "app/shotpictures.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "app/windowplace.h"
#include "qtshared/accelerators.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

// How long a note stays in the status bar.
constexpr int kNoteMilliseconds = 20000;
// The smallest client area the window can be made.
constexpr int kClientWidth = 696;
constexpr int kClientHeight = 464;
// The information panel holds the longest hint at the smallest width.
constexpr int kInfoLines = 3;

QToolButton* AddSpeedButton(QWidget* parent, const char* name, const QString& tip, const QString& icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    return button;
}

} // namespace

using uitext::ToUtf8;
using uitext::ToQString;
using namespace widgets;

TmainForm::TmainForm(TEditorApp& app, TUserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), app_(app), prompts_(prompts),
      document_(std::make_unique<TDocumentController>(app, prompts, static_cast<TDocumentView&>(*this), this))
{
    setObjectName(QStringLiteral("mainForm"));
    setWindowIcon(QIcon(QStringLiteral(":/mainform/shotweave.png")));
    setFont(WindowFont());
    BuildControls();
    new TMainMenus(*this, app_, *document_, prompts_, *shots_, *PageControl, [this] { propos1Click(); },
                   [this] { aide1Click(); });
    ConnectEditors();
    ConnectShotEditor();
    WatchHintsAndDrops();
    GiveKeys();
    document_->ShowTitle();
    // The first start fills most of the screen; later ones the last place.
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(FirstWindowSize(screen ? screen->availableGeometry().size() : QSize(), minimumSizeHint()));
    if (const std::optional<TWindowPlace>& place = app_.Settings().Window) {
        RestoreWindowPlace(*this, *place);
        shots_->SetShotListWidth(place->ShotListWidth);
    }
    ShowAutoSaveProblems();
}

void TmainForm::ShowAutoSaveProblems()
{
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setSizeGripEnabled(false);  // the window keeps its size
    connect(&document_->AutoSaver(), &TAutoSaver::problemChanged, this, [this](const QString& message) {
        // The whole message also as the tip, since a long path does not fit
        // the window's width.
        statusBar()->setToolTip(message);
        if (message.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(message);
    });
}

TmainForm::~TmainForm() = default;

template <typename Command>
void TmainForm::RunCommand(Command&& command)
{
    RunUserCommand(prompts_, this, std::forward<Command>(command));
}

// ---------------------------------------------------------------- the controls

void TmainForm::BuildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    central->setMinimumSize(kClientWidth, kClientHeight);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 2, 2);
    column->setSpacing(2);

    PageControl = new QTabWidget(central);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    column->addWidget(PageControl, 1);
    const QString captions[4] = {QStringLiteral("Idée"), QStringLiteral("Continuité"), QStringLiteral("Découpage"),
                                 QStringLiteral("Rapport")};
    const char* names[4] = {"TabIdee", "TabContinuite", "TabDecoupage", "TabRapport"};
    for (int i = 0; i < 4; ++i) {
        tabPages[i] = new QWidget;
        tabPages[i]->setObjectName(QLatin1String(names[i]));
        PageControl->addTab(tabPages[i], captions[i]);
    }
    shots_ = new TShotEditor(app_.Document(), app_.Paths(), app_.Settings(), prompts_, tabPages[1], tabPages[2]);
    info_ = new TInfoView(app_.Document(), prompts_, tabPages[0], tabPages[3]);
    BuildInfoPanel(central, column);
}

void TmainForm::BuildInfoPanel(QWidget* central, QBoxLayout* column)
{
    auto* infoPanel = new QFrame(central);
    infoPanel->setObjectName(QStringLiteral("InfoPanel"));
    infoPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    infoPanel->setAutoFillBackground(true);
    QPalette panelPalette = infoPanel->palette();
    panelPalette.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    infoPanel->setPalette(panelPalette);
    infoLab = new QLabel(infoPanel);
    infoLab->setObjectName(QStringLiteral("infoLab"));
    infoLab->setWordWrap(true);
    infoLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette labelPalette = infoLab->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    infoLab->setPalette(labelPalette);
    infoLab->setFont(WindowFont());
    // The panel keeps one height whatever the hint, so that nothing above it
    // moves when the mouse goes from one control to another.
    infoLab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    auto* panelLayout = new QHBoxLayout(infoPanel);
    panelLayout->setContentsMargins(6, 3, 6, 3);
    panelLayout->addWidget(infoLab);
    infoPanel->setFixedHeight(kInfoLines * infoLab->fontMetrics().lineSpacing() + 6 + 2 * infoPanel->frameWidth()
                              + infoLab->fontMetrics().descent());

    publishSpeedBtn = AddSpeedButton(central, "publishSpeedBtn", QStringLiteral("Publier et Enregistrer"),
                                     QStringLiteral(":/mainform/publish.png"));
    browseSpeedBtn = AddSpeedButton(central, "browseSpeedBtn", QStringLiteral("Publier et Afficher dans l'explorateur"),
                                    QStringLiteral(":/mainform/browse.png"));
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(publishSpeedBtn);
    buttons->addWidget(browseSpeedBtn);
    buttons->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(2, 0, 4, 0);
    bottom->addWidget(infoPanel, 1);
    bottom->addLayout(buttons);
    column->addLayout(bottom);
    connect(publishSpeedBtn, &QToolButton::clicked, this,
            [this] { RunUserCommand(prompts_, this, [this] { document_->Outputs().publier1Click(); }); });
    connect(browseSpeedBtn, &QToolButton::clicked, this,
            [this] { RunUserCommand(prompts_, this, [this] { document_->Outputs().Navigateur1Click(); }); });
}

// ---------------------------------------------------------------- wiring

void TmainForm::ConnectEditors()
{
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (!filling_)
            RunCommand([this, index] { PageControlChange(index); });
    });
    // Ctrl+Z and Ctrl+Y in a field go to the document; leaving a field ends
    // its typing step.
    auto* keys = new TFieldKeys(app_.Document(), this);
    keys->WatchFieldsOf(this);
}

void TmainForm::ConnectShotEditor()
{
    shots_->Pictures().SetSaveCommand([this] { document_->mSaveAsClick(); });
    connect(shots_, &TShotEditor::shotClicked, this, [this](const QString& action) {
        const int tab = PageControl->currentIndex();
        if (tab == 2 || tab == 3)
            infoLab->setText(action);
    });
}

void TmainForm::WatchHintsAndDrops()
{
    // Hints show when the mouse enters a tagged control; files dropped
    // anywhere on the window open, text fields included, and pictures
    // dropped on a picture box go to that picture.
    TShotPictures& pictures = shots_->Pictures();
    auto* drops = new TFileDrops(
        this, [this](const QList<QUrl>& urls) { FilesDropped(urls); },
        [this, &pictures](int box, const std::vector<fs::path>& files) {
            RunCommand([&pictures, box, &files] { pictures.DropPictures(box, files); });
        });
    for (QWidget* widget : findChildren<QWidget*>())
        if (widget->property("hintTag").isValid()) {
            widget->installEventFilter(this);
            drops->Watch(widget);
        }
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        drops->Watch(edit);
    for (QPlainTextEdit* memo : findChildren<QPlainTextEdit*>())
        drops->Watch(memo->viewport());
    for (int k = 0; k < 2; ++k)
        drops->WatchPictureBox(pictures.Box(k), k);
}

bool TmainForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter: {
        const QVariant tag = watched->property("hintTag");
        if (tag.isValid())
            ShowInfo(tag.toInt());
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TmainForm::GiveKeys()
{
    // The menus' keys first, then the shot list's, which shows on two tabs,
    // then each tab's; the tabs themselves have Alt and their number.
    QString taken;
    for (const QAction* menu : menuBar()->actions())
        taken += widgets::AcceleratorOf(menu->text());
    taken = widgets::GiveAccelerators(findChild<QWidget*>(QStringLiteral("ActPanel")), taken);
    for (QWidget* page : tabPages)
        widgets::GiveAccelerators(page, taken);
}

// ---------------------------------------------------------------- hints

void TmainForm::ShowInfo(int n)
{
    infoLab->setText(HintText(n));
}

QString TmainForm::InfoText() const
{
    return infoLab->text();
}

// ---------------------------------------------------------------- the project on display

void TmainForm::ResetDocument()
{
    TFillGuard guard(filling_);
    PageControl->setCurrentIndex(0);
    shots_->PlaceShotPanel(tabPages[1]);
}

void TmainForm::ShowTitle(const QString& title, const QString& fullPath)
{
    setWindowTitle(title);
    setStatusTip(fullPath);
}

void TmainForm::ShowModified(bool modified)
{
    setWindowModified(modified);
}

void TmainForm::ShowNote(const QString& note)
{
    statusBar()->showMessage(note, kNoteMilliseconds);
    statusBar()->setToolTip(note);
}

void TmainForm::PageControlChange(int index)
{
    ShowInfo(index);
    if (index == 1 || index == 2)
        shots_->PlaceShotPanel(tabPages[static_cast<std::size_t>(index)]);
    if (index == 3)
        info_->ShowReportCaption();
}

// ---------------------------------------------------------------- life cycle

void TmainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        if (!app_.Settings().Window)
            CenterOnScreen(*this);
    }
}

void TmainForm::FormShow(const QStringList& arguments)
{
    {
        TFillGuard guard(filling_);
        PageControl->setCurrentIndex(0);
    }
    ShowInfo(0);
    setAcceptDrops(true);
    document_->StartUp(arguments);
    // The tab of the last run comes back once the project is on display.
    if (const std::optional<TWindowPlace>& place = app_.Settings().Window)
        if (place->Tab > 0 && place->Tab < PageControl->count())
            PageControl->setCurrentIndex(place->Tab);
}

void TmainForm::closeEvent(QCloseEvent* event)
{
    // Only a window that was shown has a place worth keeping.
    if (shown_) {
        app_.Settings().Window = CurrentWindowPlace(*this, PageControl->currentIndex());
        app_.Settings().Window->ShotListWidth = shots_->ShotListWidth();
    }
    if (document_->MayClose())
        event->accept();
    else
        event->ignore();
}

void TmainForm::propos1Click()
{
    prompts_.ShowAbout(this);
}

void TmainForm::aide1Click()
{
    const std::string address = app_.Settings().HelpAddressFor(app_.ProgramFile());
    document_->Outputs().ShowPage(QUrl::fromUserInput(QString::fromStdString(address)));
}

// ---------------------------------------------------------------- dropped files

void TmainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TmainForm::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!TFileDrops::StartsWithLocalFile(urls)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    FilesDropped(urls);
}

void TmainForm::FilesDropped(const QList<QUrl>& urls)
{
    if (!TFileDrops::StartsWithLocalFile(urls))
        return;
    const fs::path file = uitext::QStringToPath(urls.first().toLocalFile());
    RunCommand([this, &file] { document_->OpenDroppedFile(file); });
}

} // namespace sw
