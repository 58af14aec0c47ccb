#include "frmMain.h"

#include "Dialogs.h"
#include "RunLoop.h"
#include "Twips.h"
#include "frmCountTitle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

#include <cstdlib>

frmMain::frmMain(CountingSession &session, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs),
      m_endProgram([] { std::exit(0); })
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tallyvane"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyvane.svg")));
    setAutoFillBackground(true);
    resize(twipsSize(interiorWidth, interiorHeight));

    lblCounter1 = new CounterLabel(QStringLiteral("lblCounter1"), this);
    lblCounter2 = new CounterLabel(QStringLiteral("lblCounter2"), this);
    for (CounterLabel *label : {lblCounter1, lblCounter2}) {
        label->setBackgroundColour(backgroundColour());
        label->setTextColour(palette().color(QPalette::WindowText));
    }
    lblCounter1->setText(QStringLiteral("0"));
    m_toolbar = new Toolbar(this);

    const Toolbar *t = m_toolbar;
    connect(t->cmdStart, &QPushButton::clicked, this, &frmMain::cmdStart_Click);
    connect(t->cmdStop, &QPushButton::clicked, this, &frmMain::cmdStop_Click);
    connect(t->cmdFaster, &QPushButton::clicked, this, &frmMain::cmdFaster_Click);
    connect(t->cmdSlower, &QPushButton::clicked, this, &frmMain::cmdSlower_Click);
    connect(t->cmdMaskC1, &QPushButton::clicked, this, &frmMain::cmdMaskC1_Click);
    connect(t->cmdMaskCounter1, &QPushButton::clicked, this, &frmMain::cmdMaskCounter1_Click);
    connect(t->cmdMaskCounter2, &QPushButton::clicked, this, &frmMain::cmdMaskCounter2_Click);
    connect(t->cmdMaskBoth, &QPushButton::clicked, this, &frmMain::cmdMaskBoth_Click);
    connect(t->cmdSettings, &QPushButton::clicked, this, &frmMain::settingsRequested);
    connect(t->cmdFontInc, &QPushButton::clicked, this, &frmMain::cmdFontInc_Click);
    connect(t->cmdFontDec, &QPushButton::clicked, this, &frmMain::cmdFontDec_Click);
    connect(t->cmdFontCol, &QPushButton::clicked, this, &frmMain::cmdFontCol_Click);
    connect(t->cmdBackCol, &QPushButton::clicked, this, &frmMain::cmdBackCol_Click);
    connect(t->cmdToolbar, &QPushButton::clicked, this, &frmMain::cmdToolbar_Click);
    connect(t->cmdHelp, &QPushButton::clicked, this, &frmMain::helpRequested);
    connect(t->cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    layoutCounterDefaults();
    setDefaultButton(t->cmdStart);
}

void frmMain::Form_Load(Clock &clock, EventPump &pump)
{
    {
        frmCountTitle title;
        title.showFor(clock, pump);
        applyDefaults(m_session);
        layoutCounterDefaults();
        m_session.listFileNumber = 1;
        m_session.graphFileNumber = 1;
    }
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    setDefaultButton(m_toolbar->cmdStart);
    focusStart();
}

void frmMain::layoutCounterDefaults()
{
    for (CounterLabel *label : {lblCounter1, lblCounter2}) {
        label->setHeightTwips(CounterLayout::height);
        label->setFontPoints(CounterLayout::fontSize);
    }
    lblCounter1->setTopTwips(CounterLayout::top1);
    lblCounter2->setTopTwips(CounterLayout::top2);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const double width = pixelsToTwips(this->width());
    lblCounter1->setWidthTwips(width);
    lblCounter2->setWidthTwips(width);
    m_toolbar->dock(m_toolbar->dockedEdge(), size());
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_dialogs.showMessage(Messages::confirmClose()) == MessageAnswer::Yes)
        m_endProgram();
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_defaultButton && m_defaultButton->isEnabled()) {
        m_defaultButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMain::setDefaultButton(QPushButton *button)
{
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    button->setDefault(true);
}

QColor frmMain::backgroundColour() const
{
    return palette().color(QPalette::Window);
}

void frmMain::focusStart()
{
    m_toolbar->cmdStart->setFocus(Qt::OtherFocusReason);
}

void frmMain::setRunSetEnabled(bool enabled)
{
    const Toolbar *t = m_toolbar;
    for (QPushButton *button : {t->cmdStart, t->cmdSettings, t->cmdFontInc, t->cmdFontDec, t->cmdFontCol,
                                t->cmdBackCol, t->cmdHelp, t->cmdExit, t->cmdToolbar})
        button->setEnabled(enabled);
}

void frmMain::setTwoCounterMode(bool twoCounters)
{
    const Toolbar *t = m_toolbar;
    for (QPushButton *button : {t->cmdMaskBoth, t->cmdMaskCounter1, t->cmdMaskCounter2}) {
        button->setVisible(twoCounters);
        button->setEnabled(twoCounters);
    }
    t->cmdMaskC1->setVisible(!twoCounters);
    t->cmdMaskC1->setEnabled(!twoCounters);
}

void frmMain::setCounterCaptions(const QString &counter1, const QString &counter2)
{
    lblCounter1->setText(counter1);
    lblCounter2->setText(counter2);
}

void frmMain::toggleCounterMask(CounterLabel *label)
{
    ::toggleCounterMask(label, backgroundColour());
}

void frmMain::cmdStart_Click()
{
    if (m_runLoop)
        m_runLoop->startRun();
}

void frmMain::cmdStop_Click()
{
    if (m_runLoop)
        m_runLoop->requestPause();
}

void frmMain::cmdFaster_Click()
{
    if (m_runLoop)
        m_runLoop->faster();
}

void frmMain::cmdSlower_Click()
{
    if (m_runLoop)
        m_runLoop->slower();
}

void frmMain::cmdMaskC1_Click()
{
    toggleCounterMask(lblCounter1);
}

void frmMain::cmdMaskCounter1_Click()
{
    toggleCounterMask(lblCounter1);
}

void frmMain::cmdMaskCounter2_Click()
{
    toggleCounterMask(lblCounter2);
}

void frmMain::cmdMaskBoth_Click()
{
    toggleCounterMask(lblCounter1);
    toggleCounterMask(lblCounter2);
}

void frmMain::stepCounterFont(double points, double twips)
{
    lblCounter1->setFontPoints(lblCounter1->fontPoints() + points);
    lblCounter2->setFontPoints(lblCounter2->fontPoints() + points);
    lblCounter1->setHeightTwips(lblCounter1->heightTwips() + twips);
    lblCounter2->setHeightTwips(lblCounter2->heightTwips() + twips);
    lblCounter2->setTopTwips(lblCounter1->heightTwips() + counterGap);
}

void frmMain::cmdFontInc_Click()
{
    focusStart();
    if (lblCounter1->fontPoints() <= largestGrowable)
        stepCounterFont(fontStep, heightStep);
    focusStart();
}

void frmMain::cmdFontDec_Click()
{
    focusStart();
    if (lblCounter1->fontPoints() >= smallestShrinkable)
        stepCounterFont(-fontStep, -heightStep);
    focusStart();
}

void frmMain::cmdFontCol_Click()
{
    m_dialogs.setParentWindow(this);
    if (const auto colour = m_dialogs.pickColour()) {
        lblCounter1->setTextColour(*colour);
        lblCounter2->setTextColour(*colour);
    }
    focusStart();
}

void frmMain::cmdBackCol_Click()
{
    m_dialogs.setParentWindow(this);
    if (const auto colour = m_dialogs.pickColour()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, *colour);
        setPalette(p);
        lblCounter1->setBackgroundColour(*colour);
        lblCounter2->setBackgroundColour(*colour);
    }
    focusStart();
}

void frmMain::placeToolbar(ToolbarPosition position)
{
    m_toolbar->dock(position, size());
    m_toolbar->placeButtons(position);
}

void frmMain::toolbartop()
{
    placeToolbar(ToolbarPosition::Top);
}

void frmMain::toolbarright()
{
    placeToolbar(ToolbarPosition::Right);
}

void frmMain::toolbarleft()
{
    placeToolbar(ToolbarPosition::Left);
}

void frmMain::cmdToolbar_Click()
{
    auto &position = m_session.toolbarPosition;
    position = position == ToolbarPosition::Left ? ToolbarPosition::Top
                                                 : ToolbarPosition(std::int16_t(position) + 1);
    switch (position) {
    case ToolbarPosition::Top: toolbartop(); break;
    case ToolbarPosition::Right: toolbarright(); break;
    case ToolbarPosition::Left: toolbarleft(); break;
    }
    focusStart();
}

void frmMain::cmdExit_Click()
{
    m_dialogs.setParentWindow(this);
    if (m_dialogs.showMessage(Messages::confirmExit()) == MessageAnswer::Yes)
        m_endProgram();
    else
        focusStart();
}
