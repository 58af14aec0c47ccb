#include "windows/main/TitleScreen.h"

#include "engine/Clock.h"
#include "engine/Version.h"
#include "platform/EventPump.h"
#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSvgWidget>

namespace {

QLabel *titleLabel(QWidget *parent, const char *name, const QString &text, double points, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(points);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(255, 255, 128));
    label->setPalette(p);
    label->setGeometry(geometry);
    return label;
}

void addPicture(QWidget *parent, const char *name, const QString &file, QRect geometry)
{
    auto *picture = new QSvgWidget(file, parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(geometry);
}

} // namespace

TitleScreen::TitleScreen() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmCountTitle"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(128, 0, 128));
    setPalette(p);
    setFixedSize(twipsSize(interiorWidth, interiorHeight));

    titleLabel(this, "Label1", QStringLiteral("Tallyvane"), 30, twipsRect(120, 120, 6615, 1455));
    titleLabel(this, "Label6", tr("version %1d").arg(QString::fromLatin1(programVersion)), 8.25, twipsRect(2520, 1800, 1815, 300));
    addPicture(this, "Image1", QStringLiteral(":/title/collage.svg"), twipsRect(240, 1560, 2265, 1815));
    addPicture(this, "Image2", QStringLiteral(":/title/classroom.svg"), twipsRect(4440, 1560, 2295, 1935));
}

void TitleScreen::showFor(Clock &clock, EventPump &pump)
{
    centreOnScreen(*this, QApplication::primaryScreen());
    show();
    const double deadline = clock.now() + shownSeconds;
    while (clock.now() <= deadline)
        pump.holdInputFor(deadline - clock.now());
}
