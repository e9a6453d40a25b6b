#include "app/mainform.h"

#include <filesystem>
#include <utility>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

#include "app/editorapp.h"
#include "app/shotlistbox.h"
#include "app/uitext.h"
#include "app/userprompts.h"
#include "model/camerawords.h"
#include "model/error.h"
#include "model/notifier.h"
#include "document/projectfile.h"
#include "model/valuewriter.h"
#include "publish/htmpublish.h"
#include "publish/varutil.h"

namespace sw {

namespace fs = std::filesystem;
using uitext::ToCp1252;
using uitext::ToQString;

namespace {

constexpr int kClientWidth = 696;
constexpr int kClientHeight = 464;
constexpr int kImageWidth = 152;
constexpr int kImageHeight = 113;


// Tells the user what the folder helpers report, in a message box.
class MessageBoxNotifier : public Notifier {
public:
    MessageBoxNotifier(TUserPrompts& prompts, QWidget* parent) : prompts_(prompts), parent_(parent) {}
    void Inform(const std::string& message) override { prompts_.Inform(parent_, uitext::FromUtf8(message)); }

private:
    TUserPrompts& prompts_;
    QWidget* parent_;
};

QFont WindowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

QFont FieldFont(int pixelSize = 13)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPlainTextEdit* AddMemo(QWidget* parent, const char* name, const QRect& geometry, bool verticalScrollBar = false)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setGeometry(geometry);
    memo->setFont(FieldFont());
    memo->setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    edit->setFont(FieldFont());
    return edit;
}

template <std::size_t N>
QComboBox* AddCombo(QWidget* parent, const char* name, const std::array<std::string_view, N>& entries, const QRect& geometry)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    for (std::string_view entry : entries)
        combo->addItem(ToQString(entry));
    combo->setGeometry(geometry);
    combo->setCurrentIndex(0);
    return combo;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

QToolButton* AddSpeedButton(QWidget* parent, const char* name, const QString& tip, const QString& icon, int y)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setGeometry(650, y, 40, 28);
    return button;
}

// Dropped files are opened when the first one is a local file.
bool StartsWithLocalFile(const QList<QUrl>& urls)
{
    return !urls.isEmpty() && urls.first().isLocalFile();
}

std::uint8_t ComboValue(const QComboBox* combo)
{
    return static_cast<std::uint8_t>(combo->currentIndex() < 0 ? 0 : combo->currentIndex());
}

// The bytes of a block of the project file, to tell whether a dialog that
// works on the block in place changed it.
template <typename Block>
std::string BlockBytes(const Block& block)
{
    ValueWriter writer;
    block.SaveToWriter(writer);
    return writer.Bytes();
}

// The texts of the idea and report tabs as a new project has them.
void ClearProjectTexts(ProjectDocument& project)
{
    project.GenInfo.Clear();
    project.Report.text.clear();
    project.Report.fileName = "rapport.htm";
}

} // namespace

// Marks a programmatic filling of the controls: their change handlers then
// neither write the model nor count as a modification.
class TmainForm::FillGuard {
public:
    explicit FillGuard(TmainForm& form) : form_(form) { ++form_.filling_; }
    ~FillGuard() { --form_.filling_; }
    FillGuard(const FillGuard&) = delete;
    FillGuard& operator=(const FillGuard&) = delete;

private:
    TmainForm& form_;
};

TmainForm::TmainForm(TEditorApp& app, TUserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), app_(app), prompts_(prompts)
{
    setObjectName(QStringLiteral("mainForm"));
    setWindowTitle(QStringLiteral("Scenarisation"));
    setWindowIcon(QIcon(QStringLiteral(":/mainform/shotweave.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    BuildControls();
    BuildMenu();
    ConnectEditors();
    BindCameraControls();
    ClearControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Files dropped anywhere on the window open, text fields included.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    for (QPlainTextEdit* memo : findChildren<QPlainTextEdit*>())
        memo->viewport()->installEventFilter(this);
}

TmainForm::~TmainForm() = default;

// ---------------------------------------------------------------- controls

void TmainForm::BuildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    central->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(central);

    PageControl = new QTabWidget(central);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(0, 0, kClientWidth, 400);
    const QString captions[4] = {QStringLiteral("Idée"), QStringLiteral("Continuité"), QStringLiteral("Découpage"),
                                 QStringLiteral("Rapport")};
    const char* names[4] = {"TabIdee", "TabContinuite", "TabDecoupage", "TabRapport"};
    for (int i = 0; i < 4; ++i) {
        tabPages[i] = new QWidget;
        tabPages[i]->setObjectName(QLatin1String(names[i]));
        PageControl->addTab(tabPages[i], captions[i]);
    }
    BuildIdeaTab(tabPages[0]);
    BuildContinuityTab(tabPages[1]);
    BuildBreakdownTab(tabPages[2]);
    BuildReportTab(tabPages[3]);
    BuildInfoPanel(central);
}

void TmainForm::BuildIdeaTab(QWidget* page)
{
    AddLabel(page, QStringLiteral("Titre:"), 8, 10);
    titleEd = AddEdit(page, "titleEd", QRect(92, 6, 592, 24));
    AddLabel(page, QStringLiteral("Réalisé par:"), 8, 38);
    CreatorMemo = AddMemo(page, "CreatorMemo", QRect(92, 36, 592, 42));
    AddLabel(page, QStringLiteral("Notes:"), 8, 86);
    CommentMemo = AddMemo(page, "CommentMemo", QRect(92, 84, 592, 52));
    AddLabel(page, QStringLiteral("Idée:"), 8, 144);
    IdeaMemo = AddMemo(page, "IdeaMemo", QRect(92, 142, 592, 42));
    AddLabel(page, QStringLiteral("Synopsis:"), 8, 192);
    SynopsMemo = AddMemo(page, "SynopsMemo", QRect(92, 190, 592, 176), true);
    SetHintTag(titleEd, 4);
    SetHintTag(CreatorMemo, 5);
    SetHintTag(CommentMemo, 6);
    SetHintTag(IdeaMemo, 7);
    SetHintTag(SynopsMemo, 8);
}

void TmainForm::BuildContinuityTab(QWidget* page)
{
    ActPanel = new QFrame(page);
    ActPanel->setObjectName(QStringLiteral("ActPanel"));
    ActPanel->setGeometry(0, 0, 150, 372);
    ENoLabel = new QLabel(QStringLiteral("No"), ActPanel);
    ENoLabel->setObjectName(QStringLiteral("ENoLabel"));
    QFont numberFont = WindowFont();
    numberFont.setPixelSize(24);
    numberFont.setBold(true);
    ENoLabel->setFont(numberFont);
    ENoLabel->setStyleSheet(QStringLiteral("color: green;"));
    ENoLabel->setGeometry(8, 2, 134, 32);
    vListBox = new TShotListBox(ActPanel);
    vListBox->setObjectName(QStringLiteral("vListBox"));
    vListBox->setGeometry(8, 36, 134, 232);
    addEvntBtn = AddButton(ActPanel, "addEvntBtn", QStringLiteral("Ajouter"), QRect(8, 274, 134, 28));
    renamEvntBtn = AddButton(ActPanel, "renamEvntBtn", QStringLiteral("Renommer"), QRect(8, 306, 134, 28));
    renamEvntBtn->setEnabled(false);
    DelEvntBtn = AddButton(ActPanel, "DelEvntBtn", QStringLiteral("Supprimer"), QRect(8, 338, 134, 28));
    DelEvntBtn->setEnabled(false);

    AddLabel(page, QStringLiteral("Action:"), 160, 6);
    actionMemo = AddMemo(page, "actionMemo", QRect(160, 24, 524, 146));
    AddLabel(page, QStringLiteral("Son:"), 160, 176);
    sonMemo = AddMemo(page, "sonMemo", QRect(160, 194, 524, 78));
    AddLabel(page, QStringLiteral("Dialogue:"), 160, 278);
    dlgMemo = AddMemo(page, "dlgMemo", QRect(160, 296, 524, 70));
    SetHintTag(actionMemo, 9);
    SetHintTag(sonMemo, 10);
    SetHintTag(dlgMemo, 11);
}

void TmainForm::BuildBreakdownTab(QWidget* page)
{
    CamGroup = new QGroupBox(QStringLiteral("CAM "), page);
    CamGroup->setObjectName(QStringLiteral("CamGroup"));
    CamGroup->setGeometry(160, 2, 340, 236);
    AddLabel(CamGroup, QStringLiteral("Durée:"), 10, 26);
    DEdit = AddEdit(CamGroup, "DEdit", QRect(58, 22, 48, 24));
    AddLabel(CamGroup, QStringLiteral("s."), 110, 26);
    AddLabel(CamGroup, QStringLiteral("Cumul:"), 170, 26);
    cumLab = new QLabel(CamGroup);
    cumLab->setObjectName(QStringLiteral("cumLab"));
    cumLab->setGeometry(220, 24, 110, 20);
    QFont cumulFont = WindowFont();
    cumulFont.setBold(true);
    cumLab->setFont(cumulFont);
    cumLab->setStyleSheet(QStringLiteral("color: red;"));
    AddLabel(CamGroup, QStringLiteral("Cadrage"), 10, 56);
    CBCadre = AddCombo(CamGroup, "CBCadre", FramingEntries, QRect(10, 74, 150, 24));
    AddLabel(CamGroup, QStringLiteral("Angle de prise de vue"), 170, 56);
    CBAngles = AddCombo(CamGroup, "CBAngles", AngleEntries, QRect(170, 74, 160, 24));
    AddLabel(CamGroup, QStringLiteral("Mouvements de caméra"), 10, 108);
    const QString checkCaptions[3] = {QStringLiteral("panoramique"), QStringLiteral("travelling"), QStringLiteral("zoom")};
    const char* checkNames[3] = {"camCheckB0", "camCheckB1", "CamCheckB2"};
    for (int k = 0; k < 3; ++k) {
        camChecks[k] = new QCheckBox(checkCaptions[k], CamGroup);
        camChecks[k]->setObjectName(QLatin1String(checkNames[k]));
        camChecks[k]->setGeometry(10, 130 + 32 * k, 110, 24);
    }
    camCombos[0] = AddCombo(CamGroup, "camComb0", PanEntries, QRect(126, 130, 150, 24));
    camCombos[1] = AddCombo(CamGroup, "camComb1", TravelEntries, QRect(126, 162, 150, 24));
    camCombos[2] = AddCombo(CamGroup, "camComb2", ZoomEntries, QRect(126, 194, 150, 24));

    AddLabel(page, QStringLiteral("Précisions:"), 160, 244);
    effetMemo = AddMemo(page, "effetMemo", QRect(160, 262, 340, 104), true);
    effetMemo->setFont(FieldFont(12));
    SetHintTag(DEdit, 12);
    SetHintTag(effetMemo, 13);

    PictPanel = new QFrame(page);
    PictPanel->setObjectName(QStringLiteral("PictPanel"));
    PictPanel->setFrameShape(QFrame::StyledPanel);
    PictPanel->setGeometry(508, 2, 178, 364);
    AddLabel(PictPanel, QStringLiteral("image"), 12, 8);
    finLabel = AddLabel(PictPanel, QStringLiteral("Fin"), 12, 156);
    finLabel->hide();
    const char* buttonNames[2] = {"getImgBtn1", "getImgBtn2"};
    for (int k = 0; k < 2; ++k) {
        imgButtons[k] = new QPushButton(PictPanel);
        imgButtons[k]->setObjectName(QLatin1String(buttonNames[k]));
        imgButtons[k]->setGeometry(134, k == 0 ? 4 : 152, 32, 24);
    }
    imgButtons[1]->hide();
    images[0] = new QLabel(PictPanel);
    images[0]->setObjectName(QStringLiteral("Image1"));
    images[0]->setGeometry(13, 32, kImageWidth, kImageHeight);
    images[0]->setAlignment(Qt::AlignCenter);
    images[1] = new QLabel(PictPanel);
    images[1]->setObjectName(QStringLiteral("Image2"));
    images[1]->setGeometry(13, 180, 0, 0);
    SetHintTag(PictPanel, 14);
}

void TmainForm::BuildReportTab(QWidget* page)
{
    RapLabel = new QLabel(QStringLiteral("Rapport de production:"), page);
    RapLabel->setObjectName(QStringLiteral("RapLabel"));
    RapLabel->setGeometry(8, 8, 440, 20);
    extRapChck = new QCheckBox(QStringLiteral("Utiliser fichier distinct"), page);
    extRapChck->setObjectName(QStringLiteral("extRapChck"));
    extRapChck->setGeometry(484, 6, 200, 24);
    rapMemo = AddMemo(page, "rapMemo", QRect(8, 32, 676, 296), true);
    AddLabel(page, QStringLiteral("Nom du fichier (.htm):"), 8, 340);
    extRapNameEd = AddEdit(page, "extRapNameEd", QRect(160, 336, 220, 24));
    extRapNameEd->setText(QStringLiteral("rapport.htm"));
    SetHintTag(rapMemo, 16);
}

void TmainForm::BuildInfoPanel(QWidget* central)
{
    auto* infoPanel = new QFrame(central);
    infoPanel->setObjectName(QStringLiteral("InfoPanel"));
    infoPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    infoPanel->setAutoFillBackground(true);
    QPalette panelPalette = infoPanel->palette();
    panelPalette.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    infoPanel->setPalette(panelPalette);
    infoPanel->setGeometry(2, 402, 640, 60);
    infoLab = new QLabel(infoPanel);
    infoLab->setObjectName(QStringLiteral("infoLab"));
    infoLab->setGeometry(6, 3, 628, 54);
    infoLab->setWordWrap(true);
    infoLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette labelPalette = infoLab->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    infoLab->setPalette(labelPalette);
    infoLab->setFont(WindowFont());

    publishSpeedBtn = AddSpeedButton(central, "publishSpeedBtn", QStringLiteral("Publier et Enregistrer"),
                                     QStringLiteral(":/mainform/publish.png"), 403);
    browseSpeedBtn = AddSpeedButton(central, "browseSpeedBtn", QStringLiteral("Publier et Afficher dans l'explorateur"),
                                    QStringLiteral(":/mainform/browse.png"), 433);
    connect(publishSpeedBtn, &QToolButton::clicked, this, [this] { RunCommand([this] { publier1Click(); }); });
    connect(browseSpeedBtn, &QToolButton::clicked, this, [this] { RunCommand([this] { Navigateur1Click(); }); });
}

void TmainForm::BuildMenu()
{
    struct Item {
        const char* menu;
        const char* name;
        QString caption;
        QKeySequence shortcut;
        void (TmainForm::*command)();
    };
    const Item items[] = {
        {"Fichier", "mNew", QStringLiteral("Nouveau"), QKeySequence(Qt::CTRL | Qt::Key_N), &TmainForm::mNewClick},
        {"Fichier", "mOuvrir", QStringLiteral("Ouvrir"), QKeySequence(Qt::CTRL | Qt::Key_O), &TmainForm::mOuvrirClick},
        {"Fichier", "mRename", QStringLiteral("Renommer"), QKeySequence(), &TmainForm::mRenameClick},
        {"Fichier", "mSave", QStringLiteral("Enregistrer"), QKeySequence(Qt::CTRL | Qt::Key_S), &TmainForm::mSaveClick},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mPrefs", QStringLiteral("Préférences..."), QKeySequence(), &TmainForm::mPrefsClick},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mQuit", QStringLiteral("Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q), &TmainForm::mQuitClick},
        {"HTML", "Style1", QStringLiteral("Style..."), QKeySequence(), &TmainForm::Style1Click},
        {"HTML", "miseenpage1", QStringLiteral("mise en page..."), QKeySequence(), &TmainForm::miseenpage1Click},
        {"HTML", nullptr, QString(), QKeySequence(), nullptr},
        {"HTML", "publier1", QStringLiteral("Publier"), QKeySequence(Qt::Key_F4), &TmainForm::publier1Click},
        {"HTML", "Navigateur1", QStringLiteral("Navigateur"), QKeySequence(Qt::Key_F5), &TmainForm::Navigateur1Click},
        {"?", "propos1", QStringLiteral("à propos..."), QKeySequence(), &TmainForm::propos1Click},
        {"?", nullptr, QString(), QKeySequence(), nullptr},
        {"?", "aide1", QStringLiteral("aide ..."), QKeySequence(), &TmainForm::aide1Click},
    };
    QMenu* menu = nullptr;
    QString menuTitle;
    for (const Item& item : items) {
        if (menuTitle != QLatin1String(item.menu)) {
            menuTitle = QLatin1String(item.menu);
            menu = menuBar()->addMenu(menuTitle);
            menu->setObjectName(QStringLiteral("menu") + menuTitle);
        }
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(item.shortcut);
        const auto command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { RunCommand([this, command] { (this->*command)(); }); });
    }
    if (QAction* style = findChild<QAction*>(QStringLiteral("Style1")))
        style->setEnabled(prompts_.HasStyleDialog());
    if (QAction* layoutAction = findChild<QAction*>(QStringLiteral("miseenpage1")))
        layoutAction->setEnabled(prompts_.HasLayoutDialog());
}

void TmainForm::ConnectEditors()
{
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (!filling_)
            RunCommand([this, index] { PageControlChange(index); });
    });

    const auto connectGenInfo = [this](QPlainTextEdit* memo, std::string TGenInfo::*field) {
        connect(memo, &QPlainTextEdit::textChanged, this, [this, memo, field] {
            if (filling_)
                return;
            app_.Project().GenInfo.*field = uitext::FromEditorText(memo->toPlainText());
            MarkModified();
        });
    };
    // A one-line edit's text goes to its field on one line.
    const auto connectLine = [this](QLineEdit* edit, std::string& field) {
        connect(edit, &QLineEdit::textChanged, this, [this, &field](const QString& text) {
            if (filling_)
                return;
            field = uitext::FromLineText(text);
            MarkModified();
        });
    };
    connectLine(titleEd, app_.Project().GenInfo.title);
    connectGenInfo(CreatorMemo, &TGenInfo::creator);
    connectGenInfo(CommentMemo, &TGenInfo::comment);
    connectGenInfo(IdeaMemo, &TGenInfo::idea);
    connectGenInfo(SynopsMemo, &TGenInfo::synopsis);

    // Shot controls reach the shot only when it is stored.
    for (QPlainTextEdit* memo : {actionMemo, sonMemo, dlgMemo, effetMemo})
        connect(memo, &QPlainTextEdit::textChanged, this, [this] { MarkModified(); });
    connect(DEdit, &QLineEdit::textChanged, this, [this] { MarkModified(); });
    for (QComboBox* combo : {CBCadre, CBAngles})
        connect(combo, &QComboBox::activated, this, [this] { MarkModified(); });

    connect(extRapChck, &QCheckBox::clicked, this, [this](bool checked) { extRapChckClick(checked); });
    connect(rapMemo, &QPlainTextEdit::textChanged, this, [this] {
        if (filling_)
            return;
        app_.Project().Report.text = uitext::FromEditorText(rapMemo->toPlainText());
        app_.Project().Report.caption = ToCp1252(RapLabel->text());
        MarkModified();
    });
    connectLine(extRapNameEd, app_.Project().Report.fileName);

    connect(vListBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_)
            RunCommand([this, row] { ShotSelected(row); });
    });
    connect(vListBox, &TShotListBox::buttonReleased, this, [this](Qt::MouseButton button) {
        RunCommand([this, button] { ShotListReleased(button); });
    });
    connect(vListBox, &TShotListBox::shotDropped, this, [this](int from, int to) {
        RunCommand([this, from, to] { MoveShot(from, to); });
    });
    connect(addEvntBtn, &QPushButton::clicked, this, [this] { RunCommand([this] { addEvntBtnClick(); }); });
    connect(renamEvntBtn, &QPushButton::clicked, this, [this] { RunCommand([this] { renamEvntBtnClick(); }); });
    connect(DelEvntBtn, &QPushButton::clicked, this, [this] { RunCommand([this] { DelEvntBtnClick(); }); });
    for (int k = 0; k < 3; ++k)
        connect(camChecks[k], &QCheckBox::clicked, this, [this, k](bool checked) {
            RunCommand([this, k, checked] { camCheckClick(k, checked); });
        });
    for (int k = 0; k < 3; ++k)
        connect(camCombos[k], &QComboBox::activated, this, [this] { MarkModified(); });
    for (int k = 0; k < 2; ++k)
        connect(imgButtons[k], &QPushButton::clicked, this, [this, k] { RunCommand([this, k] { getImgBtnClick(k); }); });
}

void TmainForm::SetHintTag(QWidget* widget, int tag)
{
    widget->setProperty("hintTag", tag);
    widget->installEventFilter(this);
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
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drag = static_cast<QDropEvent*>(event);
        const QList<QUrl> urls = drag->mimeData()->urls();
        if (!acceptDrops() || !StartsWithLocalFile(urls))
            break;
        drag->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            FilesDropped(urls);
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- hints

QString TmainForm::HintText(int n)
{
    switch (n) {
    case 0:
        return QStringLiteral("Identifiez ici l'auteur, le titre du film... \nÉcrivez finalement un court résumé: le synopsis");
    case 1:
        return QStringLiteral(
            "La continuité demande une nouvelle position: vous prenez maintenant la chaise du spectateur. Décrivez "
            "l'action du film dans ces moindres détails, plan par plan en séparant action, son, dialogue.");
    case 2:
        return QStringLiteral(
            "Précisez pour chacun des plans, les détails relatifs à la caméra. Ajoutez au besoin, des images pour le "
            "début et la fin de chaque plan. CAM signifie: Cadrage, Angle, Mouvement.");
    case 3:
        return QStringLiteral("Produire un rapport ou associer un rapport externe. (.htm)");
    case 4:
        return QStringLiteral("Le titre du film... ");
    case 5:
        return QStringLiteral("Le ou les auteurs du scénario.");
    case 6:
        return QStringLiteral(
            "Un commentaire supplémentaire à ajouter à la réalisation. Ex: Ce film est réalisé dans le cadre d'un cours "
            "de... ");
    case 7:
        return QStringLiteral("Idée: de quoi parlera le film.\n Très bref, dans une seule phrase si possible.");
    case 8:
        return QStringLiteral(
            "Synopsis ou résumé: Décrivez le film comme si vous le racontiez à  quelqu'un que vous croisez rapidement "
            "dans un corridor.");
    case 9:
        return QStringLiteral(
            "Décrivez avec précision l'action qui se passe à l'écran pour chacun des plans. Ajoutez une image en format "
            ".jpg au besoin.");
    case 10:
        return QStringLiteral("Décrivez le son prévu pour l'action en cours.");
    case 11:
        return QStringLiteral("Rapportez ici les éléments sonores vocaux, dialogues ou monologues.  ");
    case 12:
        return QStringLiteral("La durée du plan en secondes. (N'écrivez que les chiffres, sans ponctuation).");
    case 13:
        return QStringLiteral(
            "Utilisez au besoin le champ \"Précisions\", pour préciser l'effet que vous tentez d'obtenir.");
    case 14:
        return QStringLiteral(
            "Des images, en format .jpg, peuvent être déposées dans le dossier img  du travail en cours et associées à "
            "chacun des plans. Elles seront  affichées, dans le StoryBoard et dans les Plans.  La taille suggérée est "
            "de 400 x 300 pixels. ");
    case 16:
        return QStringLiteral(
            "Écrivez ici un rapport de production, de tournage, des notes... \nou ajoutez un lien vers un rapport "
            "externe (.htm) en cochant \"Utiliser fichier distinct\". ");
    default:
        return QString();
    }
}

void TmainForm::ShowInfo(int n)
{
    infoLab->setText(HintText(n));
}

QString TmainForm::InfoText() const
{
    return infoLab->text();
}

// ---------------------------------------------------------------- general state

void TmainForm::MarkModified()
{
    if (!filling_)
        modified_ = true;
}

void TmainForm::ShowError(const char* utf8Message)
{
    prompts_.Inform(this, uitext::FromUtf8(utf8Message));
}

void TmainForm::SetEditorText(QPlainTextEdit* memo, const std::string& text)
{
    memo->setPlainText(uitext::ToEditorText(text));
}

void TmainForm::ClearControls()
{
    FillGuard guard(*this);
    CurIndex_ = -1;
    for (QLineEdit* edit : {titleEd, DEdit, extRapNameEd})
        edit->clear();
    for (QPlainTextEdit* memo :
         {CreatorMemo, CommentMemo, IdeaMemo, SynopsMemo, actionMemo, sonMemo, dlgMemo, effetMemo, rapMemo})
        memo->clear();
    for (QComboBox* combo : {CBCadre, CBAngles, camCombos[0], camCombos[1], camCombos[2]})
        combo->setCurrentIndex(0);
    for (QLabel* image : images) {
        image->clear();
        image->setToolTip(QString());
    }
    images[1]->resize(0, 0);
    cumLab->clear();
    extRapNameEd->setText(QStringLiteral("rapport.htm"));
    ClearProjectTexts(app_.Project());
}

void TmainForm::ResetDocument()
{
    {
        FillGuard guard(*this);
        PageControl->setCurrentIndex(0);
        PlaceShotPanel(1);
        vListBox->clear();
    }
    ClearControls();
    app_.Project().EventList.Clear();
    CurIndex_ = -1;
}

void TmainForm::PlaceShotPanel(int tab)
{
    ActPanel->setParent(tabPages[static_cast<std::size_t>(tab)]);
    ActPanel->move(0, 0);
    ActPanel->show();
}

void TmainForm::PageControlChange(int index)
{
    ShowInfo(index);
    if (CurIndex_ >= 0)
        StoreEvent(CurIndex_);
    if (index == 1 || index == 2)
        PlaceShotPanel(index);
    if (index == 3 && !app_.Project().Report.caption.empty())
        RapLabel->setText(ToQString(app_.Project().Report.caption));
}

void TmainForm::extRapChckClick(bool checked)
{
    rapMemo->setVisible(!checked);
    app_.Project().Report.isExternal = checked;
    MarkModified();
}

void TmainForm::ShowLoadedProject()
{
    ProjectDocument& project = app_.Project();
    {
        FillGuard guard(*this);
        titleEd->setText(ToQString(project.GenInfo.title));
        SetEditorText(CreatorMemo, project.GenInfo.creator);
        SetEditorText(CommentMemo, project.GenInfo.comment);
        SetEditorText(IdeaMemo, project.GenInfo.idea);
        SetEditorText(SynopsMemo, project.GenInfo.synopsis);

        const TsRprt& report = project.Report;
        extRapChck->setChecked(report.isExternal);
        rapMemo->setVisible(!report.isExternal);
        if (report.fileName != "sRp.htm")
            extRapNameEd->setText(ToQString(report.fileName));
        RapLabel->setText(ToQString(report.caption));
        SetEditorText(rapMemo, report.text);
    }
    ENoLabel->setText(QString::number(project.EventList.Count()));
    RefillShotList();
}

// ---------------------------------------------------------------- shots

void TmainForm::BindCameraControls()
{
    FillGuard guard(*this);
    for (int k = 0; k < 3; ++k) {
        camCombos[k]->setVisible(camChecks[k]->isChecked());
        camCombos[k]->setCurrentIndex(0);
    }
    for (QLabel* image : images) {
        image->setToolTip(QString());
        image->clear();
    }
    for (QPushButton* button : imgButtons)
        button->setText(QStringLiteral("..."));
}

void TmainForm::StoreEvent(int i)
{
    TEventList& events = app_.Project().EventList;
    if (i < 0 || static_cast<std::size_t>(i) >= events.Count())
        return;
    TEvent& shot = events.Event(static_cast<std::size_t>(i));
    if (QListWidgetItem* item = vListBox->item(i))
        shot.name = uitext::FromLineText(item->text());
    shot.action = uitext::FromEditorText(actionMemo->toPlainText());
    shot.sound = uitext::FromEditorText(sonMemo->toPlainText());
    shot.dialogue = uitext::FromEditorText(dlgMemo->toPlainText());
    shot.cam.duration = uitext::FromLineText(DEdit->text());
    shot.cam.framing = ComboValue(CBCadre);
    shot.cam.angle = ComboValue(CBAngles);
    for (int k = 0; k < 3; ++k)
        if (camChecks[k]->isChecked())
            events.SetMovement(static_cast<std::size_t>(i), k, static_cast<std::uint8_t>(ComboValue(camCombos[k]) + 1));
    shot.cam.effect = uitext::FromEditorText(effetMemo->toPlainText());
    shot.cam.startImage = ToCp1252(images[0]->toolTip());
    shot.cam.endImage = ToCp1252(images[1]->toolTip());
}

void TmainForm::ShowEvent(int i)
{
    const TEventList& events = app_.Project().EventList;
    if (i < 0 || static_cast<std::size_t>(i) >= events.Count())
        return;
    const TEvent& shot = events.Event(static_cast<std::size_t>(i));
    {
        FillGuard guard(*this);
        SetEditorText(actionMemo, shot.action);
        SetEditorText(sonMemo, shot.sound);
        SetEditorText(dlgMemo, shot.dialogue);
        DEdit->setText(ToQString(shot.cam.duration));
        cumLab->setText(ToQString(events.CumulText(static_cast<std::size_t>(i))));
        CBCadre->setCurrentIndex(shot.cam.framing);
        CBAngles->setCurrentIndex(shot.cam.angle);
        const std::uint8_t movements[3] = {shot.cam.pan, shot.cam.travel, shot.cam.zoom};
        for (int k = 0; k < 3; ++k) {
            camChecks[k]->setChecked(movements[k] > 0);
            camCombos[k]->setVisible(movements[k] > 0);
            camCombos[k]->setCurrentIndex(movements[k] > 0 ? movements[k] - 1 : 0);
        }
        SetEditorText(effetMemo, shot.cam.effect);
    }
    ShowImage(0, shot.cam.startImage);
    ShowImage(1, shot.cam.endImage);
}

void TmainForm::ShowImage(int k, const std::string& fileName)
{
    QLabel* image = images[static_cast<std::size_t>(k)];
    image->clear();
    image->setToolTip(QString());
    if (k == 1)
        image->resize(0, 0);
    const fs::path& imgDir = app_.Paths().ImgDir;
    const fs::path name(Cp1252ToUtf8(fileName));
    // Pictures are plain file names inside the image folder.
    if (fileName.empty() || imgDir.empty() || name != name.filename() || name == ".." || name == ".")
        return;
    const fs::path file = imgDir / name;
    std::error_code ignored;
    if (!fs::is_regular_file(file, ignored))
        return;
    QImageReader reader(uitext::PathToQString(file));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        if (reader.error() == QImageReader::InvalidDataError || reader.error() == QImageReader::UnsupportedFormatError)
            return;
        throw Error(reader.errorString().toStdString());
    }
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (k == 0) {
        image->setPixmap(pixmap.scaled(kImageWidth, kImageHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    } else {
        const QSize room(kImageWidth, PictPanel->height() - image->y() - 4);
        if (pixmap.width() > room.width() || pixmap.height() > room.height())
            pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        image->setPixmap(pixmap);
        image->resize(pixmap.size());
    }
    image->setToolTip(ToQString(fileName));
}

void TmainForm::ShotSelected(int row)
{
    if (CurIndex_ >= 0)
        StoreEvent(CurIndex_);
    CurIndex_ = row;
    if (CurIndex_ < 0)
        return;
    ENoLabel->setText(QString::number(CurIndex_ + 1));
    ShowEvent(CurIndex_);
}

void TmainForm::ShotListReleased(Qt::MouseButton button)
{
    // A click on the shot already current stores it and shows it again, which
    // brings its number and its cumulated time up to date.
    if (button != Qt::RightButton && CurIndex_ >= 0 && vListBox->currentRow() == CurIndex_) {
        StoreEvent(CurIndex_);
        ENoLabel->setText(QString::number(CurIndex_ + 1));
        ShowEvent(CurIndex_);
    }
    const int tab = PageControl->currentIndex();
    if (CurIndex_ >= 0 && (tab == 2 || tab == 3))
        infoLab->setText(uitext::ToEditorText(app_.Project().EventList.EventAction(static_cast<std::size_t>(CurIndex_))));
}

void TmainForm::camCheckClick(int k, bool checked)
{
    QComboBox* combo = camCombos[static_cast<std::size_t>(k)];
    combo->setVisible(checked);
    if (checked)
        combo->setCurrentIndex(0);
    else if (CurIndex_ >= 0)
        app_.Project().EventList.SetMovement(static_cast<std::size_t>(CurIndex_), k, 0);
    MarkModified();
}

void TmainForm::AddShot()
{
    TEventList& events = app_.Project().EventList;
    events.AddEvent();
    CurIndex_ = static_cast<int>(events.Count()) - 1;
    {
        FillGuard guard(*this);
        vListBox->addItem(ToQString(events.EventName(static_cast<std::size_t>(CurIndex_))));
    }
    ShowEvent(CurIndex_);
    {
        FillGuard guard(*this);
        vListBox->setCurrentRow(CurIndex_);
    }
    DelEvntBtn->setEnabled(true);
    renamEvntBtn->setEnabled(true);
    MarkModified();
    EditShotName(QStringLiteral("nom du plan"));
}

void TmainForm::AddFirstShot()
{
    TEventList& events = app_.Project().EventList;
    events.AddEvent();
    CurIndex_ = static_cast<int>(events.Count()) - 1;
    FillGuard guard(*this);
    vListBox->addItem(QStringLiteral("plan 1"));
    ShowEvent(CurIndex_);
    vListBox->setCurrentRow(CurIndex_);
    renamEvntBtn->setEnabled(true);
}

void TmainForm::addEvntBtnClick()
{
    if (CurIndex_ >= 0)
        StoreEvent(CurIndex_);
    AddShot();
}

void TmainForm::renamEvntBtnClick()
{
    EditShotName(QStringLiteral("Renommer le plan..."));
}

void TmainForm::EditShotName(const QString& prompt)
{
    if (CurIndex_ < 0)
        return;
    const QString current = ToQString(app_.Project().EventList.EventName(static_cast<std::size_t>(CurIndex_)));
    const std::optional<QString> edited = prompts_.EditName(this, prompt, current);
    if (edited) {
        vListBox->item(CurIndex_)->setText(*edited);
        StoreEvent(CurIndex_);
        if (*edited != current)
            MarkModified();
    }
    if (PageControl->currentIndex() == 1)
        actionMemo->setFocus();
}

void TmainForm::DelEvntBtnClick()
{
    if (CurIndex_ < 0)
        return;
    TEventList& events = app_.Project().EventList;
    events.DeleteEvent(static_cast<std::size_t>(CurIndex_));
    MarkModified();
    FillShotNames();
    if (events.Count() == 0) {
        CurIndex_ = -1;
        DelEvntBtn->setEnabled(false);
        return;
    }
    CurIndex_ = CurIndex_ > 0 ? CurIndex_ - 1 : 0;
    ShowEvent(CurIndex_);
    FillGuard guard(*this);
    vListBox->setCurrentRow(CurIndex_);
}

void TmainForm::FillShotNames()
{
    const TEventList& events = app_.Project().EventList;
    FillGuard guard(*this);
    vListBox->clear();
    for (std::size_t i = 0; i < events.Count(); ++i)
        vListBox->addItem(ToQString(events.EventName(i)));
}

void TmainForm::RefillShotList()
{
    FillShotNames();
    const bool any = app_.Project().EventList.Count() > 0;
    if (any) {
        {
            FillGuard guard(*this);
            vListBox->setCurrentRow(0);
        }
        CurIndex_ = 0;
        ShowEvent(0);
    } else {
        CurIndex_ = -1;
    }
    DelEvntBtn->setEnabled(any);
    renamEvntBtn->setEnabled(any);
}

void TmainForm::MoveShot(int from, int to)
{
    const int count = vListBox->count();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    if (from != CurIndex_ && CurIndex_ >= 0)
        StoreEvent(CurIndex_);
    {
        FillGuard guard(*this);
        QListWidgetItem* item = vListBox->takeItem(from);
        vListBox->insertItem(to, item);
        vListBox->setCurrentRow(to);
    }
    app_.Project().EventList.MoveEvent(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    if (from != CurIndex_)
        ShowEvent(to);
    CurIndex_ = to;
    MarkModified();
}

void TmainForm::getImgBtnClick(int k)
{
    const TProjectPaths& paths = app_.Paths();
    if (paths.CurrentFile.empty()) {
        prompts_.Inform(this, QStringLiteral("Enregistrez d'abord votre scénario!"));
        return;
    }
    const QString current = images[static_cast<std::size_t>(k)]->toolTip();
    const std::optional<QString> chosen = prompts_.ChoosePicture(this, uitext::PathToQString(paths.ImgDir));
    const QString result = chosen ? *chosen : current;
    ShowImage(k, ToCp1252(result));
    if (result != current)
        MarkModified();
}

// ---------------------------------------------------------------- life cycle

void TmainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CenterOnScreen();
    }
}

void TmainForm::CenterOnScreen()
{
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TmainForm::FormShow(const QStringList& arguments)
{
    {
        FillGuard guard(*this);
        PageControl->setCurrentIndex(0);
    }
    ShowInfo(0);
    TAppSettings& settings = app_.Settings();
    app_.Project().HTMPrefs.pageSpecs.SetDefaults(settings.noJSPlan);
    setAcceptDrops(true);

    TProjectPaths& paths = app_.Paths();
    if (!arguments.isEmpty()) {
        const fs::path first = uitext::QStringToPath(arguments.first());
        std::error_code ignored;
        if (fs::is_regular_file(first, ignored)) {
            RunCommand([this, &first] { OpenCurrentFile(fs::absolute(first)); });
            modified_ = false;
            return;
        }
    }
    if (!settings.AutoLoad) {
        paths.ClearProject();
        AddFirstShot();
    } else if (!settings.LastFileName.empty()) {
        const fs::path last = settings.LastFileName;
        RunCommand([this, &last] {
            OpenCurrentFile(last);
            setWindowTitle(QStringLiteral("Fichier courant: ") + uitext::PathToQString(last));
        });
    }
    modified_ = false;
}

TProjectFolders TmainForm::PrepareProjectFolders(const fs::path& file)
{
    TProjectFolders folders;
    folders.ProjectDir = SiteFolderOf(file);
    MessageBoxNotifier notifier(prompts_, this);
    EnsureDirectory(folders.ProjectDir, true, &notifier);
    folders.SiteDir = folders.ProjectDir;
    folders.ImgDir = ImageFolderOf(folders.SiteDir);
    EnsureDirectory(folders.ImgDir, false, nullptr);
    return folders;
}

void TmainForm::SetProjectFolders(const TProjectFolders& folders)
{
    TProjectPaths& paths = app_.Paths();
    paths.ProjectDir = folders.ProjectDir;
    paths.SiteDir = folders.SiteDir;
    paths.ImgDir = folders.ImgDir;
}

void TmainForm::OpenCurrentFile(const fs::path& file)
{
    // Read into a copy that starts as the reset project would, so that a file
    // that cannot be read leaves the open project, its file and its folders.
    ProjectDocument loaded = app_.Project();
    ClearProjectTexts(loaded);
    loaded.EventList.Clear();
    LoadProject(loaded, file);
    const TProjectFolders folders = PrepareProjectFolders(file);

    ResetDocument();
    app_.Project() = std::move(loaded);
    app_.Paths().CurrentFile = file;
    SetProjectFolders(folders);
    ShowLoadedProject();
    setWindowTitle(QStringLiteral("Fichier courant: ") + uitext::PathToQString(file)
                   + QStringLiteral(" fVersion: ") + QString::number(app_.Project().FileVersion));
    modified_ = false;
}

bool TmainForm::MaySaveChanges()
{
    if (!modified_)
        return true;
    switch (prompts_.AskSaveChanges(this)) {
    case SaveAnswer::Yes:
        return SaveProjectFile();
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TmainForm::OpenDroppedFile(const fs::path& file)
{
    if (!MaySaveChanges())
        return;
    OpenCurrentFile(fs::absolute(file));
}

QString TmainForm::DialogFolder() const
{
    const fs::path& current = app_.Paths().CurrentFile;
    if (!current.empty())
        return uitext::PathToQString(current.parent_path());
    return QDir::homePath();
}

void TmainForm::mNewClick()
{
    if (!MaySaveChanges())
        return;
    app_.Paths().ClearProject();
    setWindowTitle(QStringLiteral("Scenarisation"));
    ResetDocument();
    // The number label would still count the shots of the previous project.
    ENoLabel->setText(QStringLiteral("No"));
    AddShot();
    const TAppSettings& settings = app_.Settings();
    if (settings.SaveID) {
        FillGuard guard(*this);
        SetEditorText(CreatorMemo, settings.AuthorName);
        app_.Project().GenInfo.creator = settings.AuthorName;
    }
    modified_ = false;
}

void TmainForm::mOuvrirClick()
{
    if (!MaySaveChanges())
        return;
    const QString chosen = prompts_.ChooseProjectToOpen(this, DialogFolder());
    if (!chosen.isEmpty())
        OpenCurrentFile(fs::absolute(uitext::QStringToPath(chosen)));
}

void TmainForm::mRenameClick()
{
    SaveProjectAs();
}

void TmainForm::mSaveClick()
{
    SaveProjectFile();
}

bool TmainForm::SaveProjectAs()
{
    const QString chosen = prompts_.ChooseProjectToSave(this, DialogFolder());
    if (chosen.isEmpty())
        return false;
    TProjectPaths& paths = app_.Paths();
    const fs::path previous = paths.CurrentFile;
    paths.CurrentFile = fs::absolute(uitext::QStringToPath(chosen));
    try {
        return SaveProjectFile();
    } catch (...) {
        paths.CurrentFile = previous;
        throw;
    }
}

bool TmainForm::SaveProjectFile()
{
    TProjectPaths& paths = app_.Paths();
    if (paths.CurrentFile.empty())
        return SaveProjectAs();
    if (CurIndex_ >= 0)
        StoreEvent(CurIndex_);
    SiteFolderOf(paths.CurrentFile); // a name without a site folder is refused before writing
    SaveProject(app_.Project(), paths.CurrentFile);
    SetProjectFolders(PrepareProjectFolders(paths.CurrentFile));
    setWindowTitle(QStringLiteral("Enregistrement de: ") + uitext::PathToQString(paths.CurrentFile));
    modified_ = false;
    return true;
}

void TmainForm::mPrefsClick()
{
    TAppSettings& settings = app_.Settings();
    prompts_.EditPreferences(this, settings.AutoLoad, settings.SaveID);
}

void TmainForm::mQuitClick()
{
    close();
}

void TmainForm::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    RunCommand([this, &mayClose] { mayClose = MaySaveChanges(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    RunCommand([this] { app_.WriteSettings(); });
    event->accept();
}

void TmainForm::Style1Click()
{
    // The dialog changes the style set in place, however it is closed.
    TStylePrefs& stylePrefs = app_.Project().StylePrefs;
    const std::string before = BlockBytes(stylePrefs);
    prompts_.EditStyle(this, stylePrefs);
    if (BlockBytes(stylePrefs) != before)
        MarkModified();
}

void TmainForm::miseenpage1Click()
{
    // "valeurs par défaut" resets the layout in place, also when the dialog is
    // then closed without accepting.
    THTMPrefs& prefs = app_.Project().HTMPrefs;
    const std::string before = BlockBytes(prefs);
    const bool accepted = prompts_.EditLayout(this, prefs, app_.Settings().noJSPlan);
    if (accepted || BlockBytes(prefs) != before)
        MarkModified();
}

void TmainForm::publier1Click()
{
    struct ResetBrowse {
        bool& flag;
        ~ResetBrowse() { flag = false; }
    } resetBrowse{browseAfterPublish};

    TProjectPaths& paths = app_.Paths();
    if (paths.CurrentFile.empty()) {
        prompts_.Inform(this, QStringLiteral("Assurez-vous d'avoir d'abord enregistré votre travail."));
        return;
    }
    if (!SaveProjectFile())
        return;
    THTMPublish publisher(app_.Project(), paths.SiteDir);
    publisher.Publish();
    if (!browseAfterPublish) {
        const QString siteDir = uitext::PathToQString(paths.SiteDir / "");
        prompts_.Inform(this, QStringLiteral("Le film ") + uitext::PathToQString(paths.CurrentFile.filename())
                                  + QStringLiteral(" est maintenant publié dans le dossier ") + siteDir
                                  + QStringLiteral("."));
    }
}

void TmainForm::Navigateur1Click()
{
    browseAfterPublish = true;
    publier1Click();
    const fs::path& siteDir = app_.Paths().SiteDir;
    std::error_code ignored;
    if (!siteDir.empty() && fs::is_regular_file(siteDir / "index.html", ignored))
        prompts_.OpenInBrowser(QUrl::fromLocalFile(uitext::PathToQString(siteDir / "index.html")));
    else
        prompts_.Inform(this, QStringLiteral("Il faut d'abord publier le film pour l'afficher..."));
}

void TmainForm::propos1Click()
{
    prompts_.ShowAbout(this);
}

void TmainForm::aide1Click()
{
    const std::string address = app_.Settings().HelpAddressFor(app_.ProgramFile());
    prompts_.OpenInBrowser(QUrl::fromUserInput(QString::fromStdString(address)));
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
    if (!StartsWithLocalFile(urls)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    FilesDropped(urls);
}

void TmainForm::FilesDropped(const QList<QUrl>& urls)
{
    if (!StartsWithLocalFile(urls))
        return;
    const fs::path file = uitext::QStringToPath(urls.first().toLocalFile());
    RunCommand([this, &file] { OpenDroppedFile(file); });
}

} // namespace sw
