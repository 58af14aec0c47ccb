#include "frmMain.h"

#include "Dialogs.h"
#include "PresenterKeys.h"
#include "ScreenPlacement.h"
#include "Twips.h"
#include "frmCountTitle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>

#include <cmath>
#include <utility>

frmMain::frmMain(CountingSession &session, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tallyvane"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyvane.svg")));
    setAutoFillBackground(true);
    resize(twipsSize(interiorWidth, interiorHeight));

    m_counter1 = new CounterLabel(QStringLiteral("lblCounter1"), this);
    m_counter2 = new CounterLabel(QStringLiteral("lblCounter2"), this);
    for (CounterLabel *label : {m_counter1, m_counter2}) {
        label->setBackgroundColour(backgroundColour());
        label->setTextColour(palette().color(QPalette::WindowText));
    }
    m_counter1->setText(QStringLiteral("0"));
    m_toolbar = new Toolbar(this);

    const auto onClick = [this](ToolbarCommand command, auto slot) {
        connect(button(command), &QPushButton::clicked, this, slot);
    };
    onClick(ToolbarCommand::Start, &frmMain::startRequested);
    onClick(ToolbarCommand::Pause, &frmMain::pauseRequested);
    onClick(ToolbarCommand::Faster, &frmMain::fasterRequested);
    onClick(ToolbarCommand::Slower, &frmMain::slowerRequested);
    onClick(ToolbarCommand::MaskCounter, &frmMain::cmdMaskCounter1_Click);
    onClick(ToolbarCommand::MaskTopCounter, &frmMain::cmdMaskCounter1_Click);
    onClick(ToolbarCommand::MaskBottomCounter, &frmMain::cmdMaskCounter2_Click);
    onClick(ToolbarCommand::MaskBoth, &frmMain::cmdMaskBoth_Click);
    onClick(ToolbarCommand::Settings, &frmMain::settingsRequested);
    onClick(ToolbarCommand::FontBigger, &frmMain::cmdFontInc_Click);
    onClick(ToolbarCommand::FontSmaller, &frmMain::cmdFontDec_Click);
    onClick(ToolbarCommand::FontColour, &frmMain::cmdFontCol_Click);
    onClick(ToolbarCommand::BackColour, &frmMain::cmdBackCol_Click);
    onClick(ToolbarCommand::MoveToolbar, &frmMain::cmdToolbar_Click);
    onClick(ToolbarCommand::Help, &frmMain::helpRequested);
    onClick(ToolbarCommand::Exit, &frmMain::cmdExit_Click);
    onClick(ToolbarCommand::FullScreen, &frmMain::cmdFullScreen_Click);
    bindKeys();

    layoutCounterDefaults();
    setDefaultButton(button(ToolbarCommand::Start));
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
    centreOnScreen(*this, QApplication::primaryScreen());
    show();
    repaint();
    setDefaultButton(button(ToolbarCommand::Start));
    focusStart();
}

void frmMain::layoutCounterDefaults()
{
    for (CounterLabel *label : {m_counter1, m_counter2}) {
        label->setHeightTwips(CounterLayout::height);
        label->setFontPoints(CounterLayout::fontSize);
    }
    m_counter1->setTopTwips(CounterLayout::top1);
    m_counter2->setTopTwips(CounterLayout::top2);
}

void frmMain::bindKeys()
{
    // Start when idle and Pause while counting, also after a run has left
    // Pause as the default button.
    bindPresenterKeys(*this, [this] { return button(m_running ? ToolbarCommand::Pause : ToolbarCommand::Start); },
                      [this] { return maskEveryCounterButton(); });
    const auto onKey = [this](Qt::Key key, auto action) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, action);
    };
    onKey(Qt::Key_F11, [this] { cmdFullScreen_Click(); });
    onKey(Qt::Key_F5, [this] { setFullScreen(true); });
    onKey(Qt::Key_Escape, [this] { setFullScreen(false); });
}

// The button that hides or shows every counter in use.
QPushButton *frmMain::maskEveryCounterButton() const
{
    QPushButton *both = button(ToolbarCommand::MaskBoth);
    return both->isVisible() ? both : button(ToolbarCommand::MaskCounter);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_toolbar->dock(m_toolbar->dockedEdge(), size());
    layoutCounters();
}

void frmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followWindowState();
}

void frmMain::setFullScreen(bool fullScreen)
{
    if (fullScreen == isFullScreen())
        return;
    if (fullScreen) {
        m_windowed = windowedLook(geometry());
        // Without a window manager nothing else makes the window cover its
        // screen; in full screen a new geometry would end it.
        setGeometry(screen()->geometry());
        showFullScreen();
    } else {
        showNormal();
    }
}

// Entered or left by the program or by the window manager alike.
void frmMain::followWindowState()
{
    const bool fullScreen = isFullScreen();
    m_toolbar->showFullScreenState(fullScreen);
    if (fullScreen && !m_windowed) {
        m_windowed = windowedLook(normalGeometry());
    } else if (!fullScreen && m_windowed) {
        const WindowedLook look = *std::exchange(m_windowed, std::nullopt);
        m_session.toolbarPosition = look.toolbar;
        m_toolbar->dock(look.toolbar, size());
        m_counter1->setFontPoints(look.fontPoints);
        m_counter2->setFontPoints(look.fontPoints);
        setGeometry(look.geometry);
    }
    layoutCounters();
}

frmMain::WindowedLook frmMain::windowedLook(const QRect &geometry) const
{
    return {geometry, m_session.toolbarPosition, m_counter1->fontPoints()};
}

// In a window the counters keep their described places; in full screen they
// share the area beside the toolbar, and take the largest size that fits
// whenever that area changes.
void frmMain::layoutCounters()
{
    const QRect area = uncoveredArea();
    if (isFullScreen()) {
        QRect top = area;
        QRect bottom(area.left(), area.bottom() + 1, area.width(), 0);
        if (m_session.counterCount == 2) {
            top.setHeight(area.height() / 2);
            bottom = QRect(area.left(), top.bottom() + 1, area.width(), area.height() - top.height());
        }
        const bool moved = m_counter1->geometry() != top || m_counter2->geometry() != bottom;
        m_counter1->placeAt(top);
        m_counter2->placeAt(bottom);
        if (moved)
            fitFontToScreen();
    } else {
        const double width = pixelsToTwips(this->width());
        m_counter1->setWidthTwips(width);
        m_counter2->setWidthTwips(width);
    }
    const QRect card = placeCornerCard(area);
    for (CounterLabel *label : {m_counter1, m_counter2}) {
        QRect visible = label->geometry().intersected(area);
        if (visible.intersects(card))
            visible.setRight(card.left() - 1);
        label->setVisibleArea(visible.translated(-label->pos()));
    }
}

void frmMain::setCornerCard(QWidget *card)
{
    m_cornerCard = card;
    card->installEventFilter(this);
    layoutCounters();
}

// Where the shown card now stands; nothing when it is hidden.
QRect frmMain::placeCornerCard(const QRect &area)
{
    constexpr int margin = 8;  // pixels
    if (!m_cornerCard || m_cornerCard->isHidden())
        return {};
    m_cornerCard->move(area.bottomRight() - QPoint(m_cornerCard->width() + margin - 1, m_cornerCard->height() + margin - 1));
    m_cornerCard->raise();
    return m_cornerCard->geometry();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (watched == m_cornerCard && (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide))
        layoutCounters();
    return QWidget::eventFilter(watched, event);
}

QRect frmMain::uncoveredArea() const
{
    QRect area = rect();
    const QRect panel = m_toolbar->geometry();
    switch (m_toolbar->dockedEdge()) {
    case ToolbarPosition::Top:
        area.setTop(panel.bottom() + 1);
        break;
    case ToolbarPosition::Right:
        area.setRight(panel.left() - 1);
        break;
    case ToolbarPosition::Left:
        area.setLeft(panel.right() + 1);
        break;
    }
    return area;
}

void frmMain::fitFontToScreen()
{
    m_fullScreenLargest = m_counter1->pointsFittingDigitHeight(m_counter1->height() * fullScreenDigitShare);
    double points = m_fullScreenLargest;
    for (CounterLabel *label : {m_counter1, m_counter2})
        if (!label->geometry().isEmpty())
            points = std::min(points, label->pointsFittingWidth(label->text(), label->width(), points));
    points = std::floor(points);
    m_counter1->setFontPoints(points);
    m_counter2->setFontPoints(points);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_dialogs.showMessage(Messages::confirmClose(), this) == MessageAnswer::Yes)
        emit quitRequested();
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
    button(ToolbarCommand::Start)->setFocus(Qt::OtherFocusReason);
}

void frmMain::showCounters(const QString &counter1, const QString *counter2)
{
    m_counter1->setText(counter1);
    if (counter2)
        m_counter2->setText(*counter2);
    repaint();
}

void frmMain::setRunning(bool running)
{
    m_running = running;
    using enum ToolbarCommand;
    for (ToolbarCommand command : {Start, Settings, FontBigger, FontSmaller, FontColour, BackColour, Help, Exit, MoveToolbar})
        button(command)->setEnabled(!running);
    if (running) {
        setDefaultButton(button(Pause));
    } else {
        focusStart();
    }
}

bool frmMain::actsDuringHeldWait(const QEvent &event, bool longWait) const
{
    QPointF at;
    switch (event.type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const int key = static_cast<const QKeyEvent &>(event).key();
        return key == Qt::Key_PageDown || key == Qt::Key_Right;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        const auto &pointer = static_cast<const QPointerEvent &>(event);
        if (pointer.points().isEmpty())
            return false;
        at = pointer.points().first().globalPosition();
        break;
    }
    default:
        return false;
    }
    QWidget *under = QApplication::widgetAt(at.toPoint());
    if (!under)
        return false;
    using enum ToolbarCommand;
    if (under == button(Pause))
        return true;
    if (!longWait)
        return false;
    return under == button(Exit) || (isFullScreen() && (under == m_counter1 || under == m_counter2));
}

void frmMain::setPauseTaken(bool taken)
{
    if (taken == m_pauseTaken)
        return;
    m_pauseTaken = taken;
    QPushButton *pause = button(ToolbarCommand::Pause);
    pause->setDown(taken);
    pause->setEnabled(!taken);
}

void frmMain::setTwoCounterMode(bool twoCounters)
{
    using enum ToolbarCommand;
    for (ToolbarCommand command : {MaskBoth, MaskTopCounter, MaskBottomCounter}) {
        button(command)->setVisible(twoCounters);
        button(command)->setEnabled(twoCounters);
    }
    button(MaskCounter)->setVisible(!twoCounters);
    button(MaskCounter)->setEnabled(!twoCounters);
    layoutCounters();
}

void frmMain::setCounterCaptions(const QString &counter1, const QString &counter2)
{
    m_counter1->setText(counter1);
    m_counter2->setText(counter2);
}

void frmMain::toggleCounterMask(CounterLabel *label)
{
    ::toggleCounterMask(label, backgroundColour());
}

void frmMain::cmdMaskCounter1_Click()
{
    toggleCounterMask(m_counter1);
}

void frmMain::cmdMaskCounter2_Click()
{
    toggleCounterMask(m_counter2);
}

void frmMain::cmdMaskBoth_Click()
{
    toggleCounterMask(m_counter1);
    toggleCounterMask(m_counter2);
}

void frmMain::stepCounterFont(double points, double twips)
{
    m_counter1->setFontPoints(m_counter1->fontPoints() + points);
    m_counter2->setFontPoints(m_counter2->fontPoints() + points);
    // In full screen the counters fill their areas whatever the size.
    if (isFullScreen())
        return;
    m_counter1->setHeightTwips(m_counter1->heightTwips() + twips);
    m_counter2->setHeightTwips(m_counter2->heightTwips() + twips);
    m_counter2->setTopTwips(m_counter1->heightTwips() + counterGap);
}

void frmMain::cmdFontInc_Click()
{
    const double size = m_counter1->fontPoints();
    if (isFullScreen() ? size + fontStep <= m_fullScreenLargest : size <= largestGrowable)
        stepCounterFont(fontStep, heightStep);
    focusStart();
}

void frmMain::cmdFontDec_Click()
{
    if (m_counter1->fontPoints() >= smallestShrinkable)
        stepCounterFont(-fontStep, -heightStep);
    focusStart();
}

void frmMain::cmdFontCol_Click()
{
    if (const auto colour = m_dialogs.pickColour(this)) {
        m_counter1->setTextColour(*colour);
        m_counter2->setTextColour(*colour);
    }
    focusStart();
}

void frmMain::cmdBackCol_Click()
{
    if (const auto colour = m_dialogs.pickColour(this)) {
        QPalette p = palette();
        p.setColor(QPalette::Window, *colour);
        setPalette(p);
        m_counter1->setBackgroundColour(*colour);
        m_counter2->setBackgroundColour(*colour);
    }
    focusStart();
}

void frmMain::cmdToolbar_Click()
{
    auto &position = m_session.toolbarPosition;
    position = position == ToolbarPosition::Left ? ToolbarPosition::Top
                                                 : ToolbarPosition(std::int16_t(position) + 1);
    m_toolbar->dock(position, size());
    layoutCounters();
    focusStart();
}

void frmMain::cmdExit_Click()
{
    if (m_dialogs.showMessage(Messages::confirmExit(), this) == MessageAnswer::Yes)
        emit quitRequested();
    else
        focusStart();
}

void frmMain::cmdFullScreen_Click()
{
    setFullScreen(!isFullScreen());
    // Enter goes on acting on Start, or on Pause while counting.
    if (m_running)
        button(ToolbarCommand::Pause)->setFocus(Qt::OtherFocusReason);
    else
        focusStart();
}
