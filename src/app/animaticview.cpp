#include "app/animaticview.h"

#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/animaticplayer.h"
#include "app/animatictimebar.h"
#include "app/editorapp.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "editing/document.h"
#include "qtshared/accelerators.h"
#include "qtshared/uitext.h"
#include "timeline/animaticsettings.h"
#include "timeline/shottiming.h"

namespace sw {

namespace {

// The film's frame, 16:9 as the video, as large as the widget holds it, on
// black.
class TAnimaticCanvas : public QWidget {
public:
    TAnimaticCanvas(TAnimaticPlayer& player, QWidget* parent) : QWidget(parent), player_(player)
    {
        setObjectName(QStringLiteral("AnimaticCanvas"));
        setMinimumSize(320, 180);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QSize sizeHint() const override { return {960, 540}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        QSize frame(16, 9);
        frame.scale(size(), Qt::KeepAspectRatio);
        painter.translate((width() - frame.width()) / 2, (height() - frame.height()) / 2);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        player_.Frames().Paint(painter, frame, player_.Frame());
    }

private:
    TAnimaticPlayer& player_;
};

QPushButton* Button(const QString& text, const char* name, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    return button;
}

QCheckBox* Check(const QString& text, const char* name, QWidget* parent)
{
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(QLatin1String(name));
    return check;
}

} // namespace

TAnimaticView::TAnimaticView(TEditorApp& app, TUserPrompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), prompts_(prompts)
{
    setObjectName(QStringLiteral("AnimaticView"));
    player_ = new TAnimaticPlayer(app.Document(), [&app] { return app.Paths().ImgDir; }, this);
    auto* layout = new QVBoxLayout(this);
    Canvas = new TAnimaticCanvas(*player_, this);
    layout->addWidget(Canvas, 1);
    TimeBar = new TAnimaticTimeBar(*player_, this);
    layout->addWidget(TimeBar);
    layout->addWidget(BuildControls());
    layout->addWidget(BuildSettings());
    widgets::GiveAccelerators(this);

    connect(player_, &TAnimaticPlayer::frameChanged, this, &TAnimaticView::ShowFrame);
    connect(player_, &TAnimaticPlayer::filmChanged, this, &TAnimaticView::ShowFrame);
    connect(player_, &TAnimaticPlayer::playingChanged, this, [this](bool playing) {
        PlayBtn->setText(playing ? QStringLiteral("Pause") : QStringLiteral("Lecture"));
    });
    TDocument& document = app.Document();
    connect(&document, &TDocument::animaticSettingsChanged, this, &TAnimaticView::ShowSettings);
    connect(&document, &TDocument::projectReset, this, &TAnimaticView::ShowSettings);
    connect(&document, &TDocument::infoChanged, this, &TAnimaticView::ShowTitle);
    connect(&document, &TDocument::projectReset, this, &TAnimaticView::ShowTitle);

    const auto key = [this](QKeySequence sequence, auto&& command) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, command);
    };
    key(QKeySequence(Qt::Key_Space), [this] { player_->TogglePlay(); });
    key(QKeySequence(Qt::Key_PageUp), [this] { player_->PreviousShot(); });
    key(QKeySequence(Qt::Key_PageDown), [this] { player_->NextShot(); });
    key(QKeySequence(Qt::Key_F11), [this] { ToggleFullScreen(); });
    key(QKeySequence(Qt::Key_Escape), [this] {
        if (isFullScreen())
            ToggleFullScreen();
    });
    ShowSettings();
    ShowTitle();
    ShowFrame();
}

TAnimaticView::~TAnimaticView() = default;

QWidget* TAnimaticView::BuildControls()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    PreviousBtn = Button(QStringLiteral("Plan précédent"), "PreviousBtn", QStringLiteral("Page précédente"), row);
    PlayBtn = Button(QStringLiteral("Lecture"), "PlayBtn", QStringLiteral("Espace"), row);
    NextBtn = Button(QStringLiteral("Plan suivant"), "NextBtn", QStringLiteral("Page suivante"), row);
    TimeLabel = new QLabel(row);
    TimeLabel->setObjectName(QStringLiteral("TimeLabel"));
    TimeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LoopBox = Check(QStringLiteral("Boucle"), "LoopBox", row);
    CaptionsBox = Check(QStringLiteral("Sous-titres"), "CaptionsBox", row);
    CaptionsBox->setChecked(true);
    TimecodeBox = Check(QStringLiteral("Code temporel"), "TimecodeBox", row);
    RunningTimeBox = Check(QStringLiteral("Durée totale"), "RunningTimeBox", row);
    FullScreenBtn = Button(QStringLiteral("Plein écran"), "FullScreenBtn", QStringLiteral("F11"), row);
    for (QWidget* control : {static_cast<QWidget*>(PreviousBtn), static_cast<QWidget*>(PlayBtn),
                             static_cast<QWidget*>(NextBtn), static_cast<QWidget*>(TimeLabel)})
        layout->addWidget(control);
    layout->addStretch(1);
    for (QWidget* control : {static_cast<QWidget*>(LoopBox), static_cast<QWidget*>(CaptionsBox),
                             static_cast<QWidget*>(TimecodeBox), static_cast<QWidget*>(RunningTimeBox),
                             static_cast<QWidget*>(FullScreenBtn)})
        layout->addWidget(control);

    connect(PreviousBtn, &QPushButton::clicked, player_, &TAnimaticPlayer::PreviousShot);
    connect(PlayBtn, &QPushButton::clicked, player_, &TAnimaticPlayer::TogglePlay);
    connect(NextBtn, &QPushButton::clicked, player_, &TAnimaticPlayer::NextShot);
    connect(LoopBox, &QCheckBox::toggled, player_, &TAnimaticPlayer::SetLoop);
    for (QCheckBox* look : {CaptionsBox, TimecodeBox, RunningTimeBox})
        connect(look, &QCheckBox::toggled, this, &TAnimaticView::ApplyLook);
    connect(FullScreenBtn, &QPushButton::clicked, this, &TAnimaticView::ToggleFullScreen);
    ApplyLook();
    return row;
}

QWidget* TAnimaticView::BuildSettings()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    DefaultSecondsEdit = new QSpinBox(row);
    DefaultSecondsEdit->setObjectName(QStringLiteral("DefaultSecondsEdit"));
    DefaultSecondsEdit->setRange(1, AnimaticSettings::kMaxShotSeconds);
    DefaultSecondsEdit->setSuffix(QStringLiteral(" s"));
    DefaultSecondsEdit->setToolTip(QStringLiteral("Le temps d'un plan dont la durée est vide ou n'est pas un nombre, "
                                                  "dans l'animatique, la vidéo et les timelines"));
    auto* defaultLabel = new QLabel(QStringLiteral("Durée par défaut :"), row);
    defaultLabel->setBuddy(DefaultSecondsEdit);
    MotionEdit = new QSpinBox(row);
    MotionEdit->setObjectName(QStringLiteral("MotionEdit"));
    MotionEdit->setRange(0, AnimaticSettings::kMaxMotionPercent);
    MotionEdit->setSuffix(QStringLiteral(" %"));
    MotionEdit->setToolTip(QStringLiteral("Combien l'image d'un plan bouge selon les mouvements de sa caméra"));
    auto* motionLabel = new QLabel(QStringLiteral("Mouvement :"), row);
    motionLabel->setBuddy(MotionEdit);
    FpsBox = new QComboBox(row);
    FpsBox->setObjectName(QStringLiteral("FpsBox"));
    for (const int fps : {24, 25, 30})
        FpsBox->addItem(QStringLiteral("%1 images/s").arg(fps), fps);
    FpsBox->setToolTip(QStringLiteral("La cadence de la vidéo et des timelines"));
    auto* fpsLabel = new QLabel(QStringLiteral("Cadence :"), row);
    fpsLabel->setBuddy(FpsBox);
    SoundtrackLabel = new QLabel(row);
    SoundtrackLabel->setObjectName(QStringLiteral("SoundtrackLabel"));
    ChooseSoundtrackBtn = Button(QStringLiteral("Bande son…"), "ChooseSoundtrackBtn",
                                 QStringLiteral("Une musique témoin (WAV, MP3, OGG) jouée avec l'animatique"), row);
    RemoveSoundtrackBtn = Button(QStringLiteral("Retirer"), "RemoveSoundtrackBtn",
                                 QStringLiteral("L'animatique sans bande son"), row);
    for (QWidget* control : {static_cast<QWidget*>(defaultLabel), static_cast<QWidget*>(DefaultSecondsEdit),
                             static_cast<QWidget*>(motionLabel), static_cast<QWidget*>(MotionEdit),
                             static_cast<QWidget*>(fpsLabel), static_cast<QWidget*>(FpsBox),
                             static_cast<QWidget*>(ChooseSoundtrackBtn), static_cast<QWidget*>(SoundtrackLabel),
                             static_cast<QWidget*>(RemoveSoundtrackBtn)})
        layout->addWidget(control);
    layout->addStretch(1);
    connect(DefaultSecondsEdit, &QSpinBox::editingFinished, this, &TAnimaticView::SetDefaultSeconds);
    connect(MotionEdit, &QSpinBox::editingFinished, this, &TAnimaticView::SetMotion);
    connect(FpsBox, &QComboBox::activated, this, &TAnimaticView::SetFps);
    connect(ChooseSoundtrackBtn, &QPushButton::clicked, this, &TAnimaticView::ChooseSoundtrack);
    connect(RemoveSoundtrackBtn, &QPushButton::clicked, this, &TAnimaticView::RemoveSoundtrack);
    return row;
}

void TAnimaticView::ShowFrame()
{
    const std::int64_t frame = player_->Frame();
    const int fps = player_->Fps();
    const auto& times = player_->Frames().Times();
    QString text = uitext::FromUtf8(Timecode(frame, fps)) + QStringLiteral(" / ") +
                   uitext::FromUtf8(Timecode(player_->FrameCount(), fps));
    if (!times.empty())
        text += QStringLiteral(" — plan %1 sur %2").arg(ShotAtFrame(times, frame) + 1).arg(times.size());
    TimeLabel->setText(text);
    Canvas->update();
}

void TAnimaticView::ShowSettings()
{
    const AnimaticSettings settings = ReadAnimaticSettings(app_.Project());
    DefaultSecondsEdit->setValue(settings.defaultShotSeconds);
    MotionEdit->setValue(settings.motionPercent);
    FpsBox->setCurrentIndex(FpsBox->findData(settings.fps));
    const std::filesystem::path soundtrack(settings.soundtrack);
    SoundtrackLabel->setText(settings.soundtrack.empty() ? QStringLiteral("(aucune bande son)")
                                                         : uitext::PathToQString(soundtrack.filename()));
    SoundtrackLabel->setToolTip(uitext::FromUtf8(settings.soundtrack));
    RemoveSoundtrackBtn->setEnabled(!settings.soundtrack.empty());
}

void TAnimaticView::ShowTitle()
{
    const std::string& title = app_.Project().GenInfo.title;
    setWindowTitle(title.empty() ? QStringLiteral("Animatique")
                                 : QStringLiteral("Animatique — ") + uitext::FromUtf8(title));
}

void TAnimaticView::ApplyLook()
{
    player_->SetLook({CaptionsBox->isChecked(), TimecodeBox->isChecked(), RunningTimeBox->isChecked()});
}

void TAnimaticView::ToggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void TAnimaticView::SetDefaultSeconds()
{
    AnimaticSettings settings = ReadAnimaticSettings(app_.Project());
    settings.defaultShotSeconds = DefaultSecondsEdit->value();
    app_.Document().SetAnimaticSettings(settings);
}

void TAnimaticView::SetMotion()
{
    AnimaticSettings settings = ReadAnimaticSettings(app_.Project());
    settings.motionPercent = MotionEdit->value();
    app_.Document().SetAnimaticSettings(settings);
}

void TAnimaticView::SetFps()
{
    AnimaticSettings settings = ReadAnimaticSettings(app_.Project());
    settings.fps = FpsBox->currentData().toInt();
    app_.Document().SetAnimaticSettings(settings);
}

void TAnimaticView::ChooseSoundtrack()
{
    const QString chosen = prompts_.ChooseSoundtrack(this, uitext::PathToQString(app_.Paths().CurrentFile.parent_path()));
    if (chosen.isEmpty())
        return;
    AnimaticSettings settings = ReadAnimaticSettings(app_.Project());
    settings.soundtrack = uitext::QStringToPath(chosen).string();
    app_.Document().SetAnimaticSettings(settings);
}

void TAnimaticView::RemoveSoundtrack()
{
    AnimaticSettings settings = ReadAnimaticSettings(app_.Project());
    settings.soundtrack.clear();
    app_.Document().SetAnimaticSettings(settings);
}

void TAnimaticView::hideEvent(QHideEvent* event)
{
    // Closed, the film and its sound stop.
    player_->Pause();
    QWidget::hideEvent(event);
}

} // namespace sw
