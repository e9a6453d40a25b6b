#include "dialogs/aboutfrm.h"

#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "dialogs/fixeddialog.h"
#include "qtshared/accelerators.h"

namespace sw {

namespace {

// The program's version, from CMake's project, as --version says it.
constexpr char kVersionText[] = "version " SHOTWEAVE_VERSION;
constexpr char kMailText[] = "courriel : shotweave@example.org";
constexpr char kWebSiteText[] = "site web : www.example.org/shotweave";

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QFont ArialFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

TAboutFrm::TAboutFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setFixedSize(256, 107);
    QPalette navy = palette();
    navy.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    setPalette(navy);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(4, 4, 248, 99);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(white);
    Panel1->setAutoFillBackground(true);

    Image1 = MakeLabel(Panel1, "Image1", QString(), QRect(8, 8, 32, 32));
    QImageReader picture(QStringLiteral(":/icons/shotweave.svg"));
    picture.setScaledSize(QSize(32, 32));
    Image1->setPixmap(QPixmap::fromImage(picture.read()));

    Label1 = MakeLabel(Panel1, "Label1", QStringLiteral("Shotweave"), QRect(50, 10, 190, 24));
    Label1->setFont(ArialFont(16, true));
    SetTextColour(Label1, QColor(0x00, 0x00, 0x80));

    VersionLbl = MakeLabel(Panel1, "VersionLbl", QString::fromLatin1(kVersionText), QRect(0, 40, 248, 15));
    VersionLbl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The line below the version, which told a revision date of its own.
    revLabel = MakeLabel(Panel1, "revLabel", QString(), QRect(0, 55, 248, 15));
    revLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const QColor green(0x00, 0x80, 0x00);
    Label3 = MakeLabel(Panel1, "Label3", QString::fromLatin1(kMailText), QRect(8, 72, 232, 13));
    Label3->setFont(ArialFont(11));
    SetTextColour(Label3, green);
    Label2 = MakeLabel(Panel1, "Label2", QString::fromLatin1(kWebSiteText), QRect(8, 84, 232, 13));
    Label2->setFont(ArialFont(11));
    SetTextColour(Label2, green);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TAboutFrm::Timer1Timer);
    Timer1->start();
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
}

void TAboutFrm::Timer1Timer()
{
    ++tick_;
    if (tick_ > 7) {
        Timer1->stop();
        close();
    }
}

void TAboutFrm::showEvent(QShowEvent* event)
{
    // Over the window it belongs to, wherever that window stands.
    if (const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr; window && window->isVisible())
        move(window->frameGeometry().center() - rect().center());
    else
        CenterOnPrimaryScreen(*this);
    QDialog::showEvent(event);
}

void TAboutFrm::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void TAboutFrm::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    close();
}

void TAboutFrm::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    close();
}

} // namespace sw
