#include "windows/main/MainWindow.h"

#include "platform/Dialogs.h"
#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"
#include "widgets/ActionButton.h"
#include "widgets/PresenterKeys.h"
#include "windows/main/TitleScreen.h"
#include "widgets/Icons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The counters' start-of-program layout.
struct CounterLayout {
    static constexpr int height = 2280;      // twips
    static constexpr int top1 = 800;         // twips
    static constexpr int top2 = 3080;        // twips: counter 2 starts where counter 1 ends
    static constexpr double fontSize = 104;  // points
};

} // namespace

MainWindow::MainWindow(CountingSession &session, WindowMemory &memory, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_session(session), m_memory(memory), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tallyvane"));
    setWindowIcon(programIcon());
    setAutoFillBackground(true);
    resize(twipsSize(interiorWidth, interiorHeight));

    m_counter1 = new CounterLabel(QStringLiteral("lblCounter1"), this);
    m_counter2 = new CounterLabel(QStringLiteral("lblCounter2"), this);
    for (CounterLabel *label : {m_counter1, m_counter2}) {
        label->setBackgroundColour(backgroundColour());
        label->setTextColour(palette().color(QPalette::WindowText));
    }
    connect(m_counter1, &CounterLabel::coloursChanged, this, [this] { tellCounterLook(1); });
    connect(m_counter2, &CounterLabel::coloursChanged, this, [this] { tellCounterLook(2); });
    m_counter1->setText(QStringLiteral("0"));
    m_counter1->installEventFilter(this);
    m_counter2->installEventFilter(this);
    m_toolbar = new Toolbar(this);

    const auto onClick = [this](ToolbarCommand command, auto slot) {
        connect(action(command), &QAction::triggered, this, slot);
    };
    onClick(ToolbarCommand::Start, &MainWindow::startRequested);
    onClick(ToolbarCommand::Pause, &MainWindow::pauseRequested);
    onClick(ToolbarCommand::Faster, &MainWindow::fasterRequested);
    onClick(ToolbarCommand::Slower, &MainWindow::slowerRequested);
    onClick(ToolbarCommand::MaskCounter, &MainWindow::toggleCounter1);
    onClick(ToolbarCommand::MaskTopCounter, &MainWindow::toggleCounter1);
    onClick(ToolbarCommand::MaskBottomCounter, &MainWindow::toggleCounter2);
    onClick(ToolbarCommand::MaskBoth, &MainWindow::toggleBothCounters);
    onClick(ToolbarCommand::Settings, &MainWindow::settingsRequested);
    onClick(ToolbarCommand::FontBigger, &MainWindow::enlargeFont);
    onClick(ToolbarCommand::FontSmaller, &MainWindow::shrinkFont);
    onClick(ToolbarCommand::FontColour, &MainWindow::chooseDigitColour);
    onClick(ToolbarCommand::BackColour, &MainWindow::chooseBackgroundColour);
    onClick(ToolbarCommand::MoveToolbar, &MainWindow::moveToolbar);
    onClick(ToolbarCommand::Help, &MainWindow::helpRequested);
    onClick(ToolbarCommand::Exit, &MainWindow::confirmExit);
    onClick(ToolbarCommand::FullScreen, &MainWindow::toggleFullScreen);
    bindKeys();

    layoutCounterDefaults();
    setDefaultButton(button(ToolbarCommand::Start));
}

void MainWindow::start(Clock &clock, EventPump &pump)
{
    {
        TitleScreen title;
        title.showFor(clock, pump);
        applyDefaults(m_session);
        m_memory.applyDefaults();
        layoutCounterDefaults();
    }
    centreOnScreen(*this, QApplication::primaryScreen());
    show();
    repaint();
    setDefaultButton(button(ToolbarCommand::Start));
    focusStart();
}

void MainWindow::layoutCounterDefaults()
{
    for (CounterLabel *label : {m_counter1, m_counter2}) {
        label->setHeightTwips(CounterLayout::height);
        label->setFontPoints(CounterLayout::fontSize);
    }
    m_counter1->setTopTwips(CounterLayout::top1);
    m_counter2->setTopTwips(CounterLayout::top2);
}

void MainWindow::bindKeys()
{
    // Start when idle and Pause while counting, also after a run has left
    // Pause as the default button.
    bindPresenterKeys(*this, [this] { return action(m_running ? ToolbarCommand::Pause : ToolbarCommand::Start); },
                      [this] { return maskEveryCounterAction(); });
    const auto onKey = [this](Qt::Key key, auto action) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, action);
    };
    onKey(Qt::Key_F11, [this] { toggleFullScreen(); });
    onKey(Qt::Key_F5, [this] { setFullScreen(true); });
    onKey(Qt::Key_Escape, [this] { setFullScreen(false); });
}

// The command that hides or shows every counter in use.
QAction *MainWindow::maskEveryCounterAction() const
{
    QAction *both = action(ToolbarCommand::MaskBoth);
    return both->isVisible() ? both : action(ToolbarCommand::MaskCounter);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_toolbar->dock(m_toolbar->dockedEdge(), size());
    layoutCounters();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followWindowState();
}

void MainWindow::setFullScreen(bool fullScreen)
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
void MainWindow::followWindowState()
{
    const bool fullScreen = isFullScreen();
    m_toolbar->showFullScreenState(fullScreen);
    if (fullScreen && !m_windowed) {
        m_windowed = windowedLook(normalGeometry());
    } else if (!fullScreen && m_windowed) {
        releaseFootDialog();
        const WindowedLook look = *std::exchange(m_windowed, std::nullopt);
        m_memory.toolbarPosition = look.toolbar;
        m_toolbar->dock(look.toolbar, size());
        m_counter1->setFontPoints(look.fontPoints);
        m_counter2->setFontPoints(look.fontPoints);
        setGeometry(look.geometry);
    }
    layoutCounters();
    emit fullScreenChanged(fullScreen);
}

MainWindow::WindowedLook MainWindow::windowedLook(const QRect &geometry) const
{
    return {geometry, m_memory.toolbarPosition, m_counter1->fontPoints()};
}

// In a window the counters keep their described places; in full screen they
// share the area beside the toolbar, and take the largest size that fits
// whenever that area changes.
void MainWindow::layoutCounters()
{
    QRect area = uncoveredArea();
    // Room is kept only for a board that is shown.
    if (isFullScreen() && m_fullScreenBoard && !m_fullScreenBoard->isHidden()) {
        const int countersHeight = area.height() / 3;
        m_fullScreenBoard->setGeometry(area.left(), area.top() + countersHeight, area.width(),
                                       area.height() - countersHeight);
        area.setHeight(countersHeight);
    }
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
    if (m_boardCover && !m_boardCover->isHidden()) {
        m_boardCover->setGeometry(uncoveredArea());
        m_boardCover->raise();
    }
    for (CounterLabel *label : {m_counter1, m_counter2}) {
        QRect visible = label->geometry().intersected(area);
        if (visible.intersects(card))
            visible.setRight(card.left() - 1);
        label->setVisibleArea(visible.translated(-label->pos()));
    }
}

void MainWindow::setCornerCard(QWidget *card)
{
    m_cornerCard = card;
    card->installEventFilter(this);
    layoutCounters();
}

void MainWindow::setBoardCover(QWidget *cover)
{
    m_boardCover = cover;
    cover->installEventFilter(this);
    layoutCounters();
}

void MainWindow::setFullScreenBoard(QWidget *board)
{
    if (board == m_fullScreenBoard)
        return;
    m_fullScreenBoard = board;
    if (board)
        board->installEventFilter(this);
    layoutCounters();
}

// Where the shown card now stands; nothing when it is hidden.
QRect MainWindow::placeCornerCard(const QRect &area)
{
    constexpr int margin = 8;  // pixels
    if (!m_cornerCard || m_cornerCard->isHidden())
        return {};
    m_cornerCard->move(area.bottomRight() - QPoint(m_cornerCard->width() + margin - 1, m_cornerCard->height() + margin - 1));
    m_cornerCard->raise();
    return m_cornerCard->geometry();
}

void MainWindow::standAtFoot(QWidget &dialog)
{
    if (!isFullScreen())
        return;
    releaseFootDialog();
    m_footDialog = &dialog;
    dialog.installEventFilter(this);
    placeFootDialog();
}

// The dialog's frame stands centred on the bottom edge of the board, a
// margin above it. Before the window manager has framed it, its title bar
// is taken to be the style's.
void MainWindow::placeFootDialog()
{
    constexpr int margin = 8;  // pixels
    QWidget &dialog = *m_footDialog;
    QSize frame = dialog.frameGeometry().size();
    if (!dialog.isVisible() || frame == dialog.size())
        frame = dialog.size() + QSize(0, dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QRect board = geometry();
    dialog.move(board.center().x() - frame.width() / 2, board.bottom() + 1 - margin - frame.height());
    m_footReserve = frame.height() + 2 * margin;
    layoutCounters();
}

void MainWindow::releaseFootDialog()
{
    if (m_footDialog)
        m_footDialog->removeEventFilter(this);
    m_footDialog = nullptr;
    m_footReserve = 0;
    layoutCounters();
}

void MainWindow::pressWhileBlocked(QPoint pos)
{
    if (!isFullScreen() || !m_footDialog || !m_footDialog->isVisible())
        return;
    QWidget *under = childAt(pos);
    if (under && (under == m_counter1 || under == m_counter2 || m_counter1->isAncestorOf(under)
                  || m_counter2->isAncestorOf(under)))
        emit countersTappedUnderDialog();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (watched == m_footDialog && (type == QEvent::Show || type == QEvent::Resize))
        placeFootDialog();
    else if (watched == m_footDialog && type == QEvent::Hide)
        releaseFootDialog();
    // In full screen the whole board is the remote's next button. A double
    // tap reports its second tap as a double-click, which does nothing.
    const bool onCounter = watched == m_counter1 || watched == m_counter2;
    if (onCounter && type == QEvent::MouseButtonPress && isFullScreen()
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        triggerIfAvailable(action(m_running ? ToolbarCommand::Pause : ToolbarCommand::Start));
        return true;
    }
    if ((watched == m_cornerCard && (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide))
        || (watched == m_boardCover && type == QEvent::Show)
        || (watched == m_fullScreenBoard && (type == QEvent::Show || type == QEvent::Hide)))
        layoutCounters();
    return QWidget::eventFilter(watched, event);
}

QRect MainWindow::uncoveredArea() const
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
    if (isFullScreen())
        area.setBottom(std::min(area.bottom(), height() - 1 - m_footReserve));
    return area;
}

void MainWindow::fitFontToScreen()
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

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_dialogs.showMessage(Messages::confirmClose(), this) == MessageAnswer::Yes)
        emit quitRequested();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_defaultButton && m_defaultButton->isEnabled()) {
        m_defaultButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::setDefaultButton(QPushButton *button)
{
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    button->setDefault(true);
}

QColor MainWindow::backgroundColour() const
{
    return palette().color(QPalette::Window);
}

void MainWindow::focusStart()
{
    button(ToolbarCommand::Start)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showCounters(const QString &counter1, const QString *counter2)
{
    m_counter1->setText(counter1);
    if (counter2)
        m_counter2->setText(*counter2);
    // Only the counters: the toolbar and the card have not changed.
    m_counter1->repaint();
    if (counter2)
        m_counter2->repaint();
}

void MainWindow::setRunning(bool running)
{
    m_running = running;
    using enum ToolbarCommand;
    for (ToolbarCommand command : {Start, Settings, FontBigger, FontSmaller, FontColour, BackColour, Help, Exit, MoveToolbar})
        action(command)->setEnabled(!running);
    if (running) {
        setDefaultButton(button(Pause));
    } else {
        focusStart();
    }
}

bool MainWindow::actsDuringHeldWait(const QEvent &event, bool longWait) const
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

void MainWindow::setPauseTaken(bool taken)
{
    if (taken == m_pauseTaken)
        return;
    m_pauseTaken = taken;
    action(ToolbarCommand::Pause)->setEnabled(!taken);
    button(ToolbarCommand::Pause)->setDown(taken);
}

void MainWindow::setTwoCounterMode(bool twoCounters)
{
    using enum ToolbarCommand;
    for (ToolbarCommand command : {MaskBoth, MaskTopCounter, MaskBottomCounter}) {
        action(command)->setVisible(twoCounters);
        action(command)->setEnabled(twoCounters);
    }
    action(MaskCounter)->setVisible(!twoCounters);
    action(MaskCounter)->setEnabled(!twoCounters);
    layoutCounters();
}

void MainWindow::setCounterCaptions(const QString &counter1, const QString &counter2)
{
    m_counter1->setText(counter1);
    m_counter2->setText(counter2);
}

void MainWindow::toggleCounterMask(CounterLabel *label)
{
    ::toggleCounterMask(label, backgroundColour());
}

void MainWindow::toggleCounter1()
{
    toggleCounterMask(m_counter1);
}

void MainWindow::toggleCounter2()
{
    toggleCounterMask(m_counter2);
}

void MainWindow::toggleBothCounters()
{
    toggleCounterMask(m_counter1);
    toggleCounterMask(m_counter2);
}

void MainWindow::stepCounterFont(double points, double twips)
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

void MainWindow::tellCounterLooks()
{
    tellCounterLook(1);
    tellCounterLook(2);
}

void MainWindow::tellCounterLook(int counter)
{
    const CounterLabel *label = counter == 1 ? m_counter1 : m_counter2;
    emit counterLookChanged(counter, label->textColour(), backgroundColour(), label->isMasked());
}

LessonLook MainWindow::look() const
{
    const double points = m_windowed ? m_windowed->fontPoints : m_counter1->fontPoints();
    return {points, m_counter1->textColour().rgb() & 0xFFFFFF, backgroundColour().rgb() & 0xFFFFFF, isFullScreen()};
}

// The font size within the reach of the font buttons, the counters as tall
// as those steps would have made them.
void MainWindow::applyLook(const LessonLook &look)
{
    const double points = std::clamp(look.fontPoints, smallestShrinkable - fontStep, largestGrowable + fontStep);
    const double twips = (points - (m_windowed ? m_windowed->fontPoints : m_counter1->fontPoints())) * heightStep / fontStep;
    if (m_windowed)
        m_windowed->fontPoints = points;
    m_counter1->setFontPoints(points);
    m_counter2->setFontPoints(points);
    m_counter1->setHeightTwips(m_counter1->heightTwips() + twips);
    m_counter2->setHeightTwips(m_counter2->heightTwips() + twips);
    m_counter2->setTopTwips(m_counter1->heightTwips() + counterGap);

    const QColor background = QColor::fromRgb(QRgb(look.backgroundRgb));
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    for (CounterLabel *label : {m_counter1, m_counter2}) {
        label->setTextColour(QColor::fromRgb(QRgb(look.digitRgb)));
        label->setBackgroundColour(background);
    }
    setFullScreen(look.fullScreen);
    layoutCounters();
    // In full screen the size that fits comes back with the new heights.
    if (isFullScreen())
        fitFontToScreen();
}

void MainWindow::enlargeFont()
{
    const double size = m_counter1->fontPoints();
    if (isFullScreen() ? size + fontStep <= m_fullScreenLargest : size <= largestGrowable)
        stepCounterFont(fontStep, heightStep);
    focusStart();
}

void MainWindow::shrinkFont()
{
    if (m_counter1->fontPoints() >= smallestShrinkable)
        stepCounterFont(-fontStep, -heightStep);
    focusStart();
}

void MainWindow::chooseDigitColour()
{
    if (const auto colour = m_dialogs.pickColour(this)) {
        m_counter1->setTextColour(*colour);
        m_counter2->setTextColour(*colour);
    }
    focusStart();
}

void MainWindow::chooseBackgroundColour()
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

void MainWindow::moveToolbar()
{
    auto &position = m_memory.toolbarPosition;
    position = position == ToolbarPosition::Left ? ToolbarPosition::Top
                                                 : ToolbarPosition(std::int16_t(position) + 1);
    m_toolbar->dock(position, size());
    layoutCounters();
    focusStart();
}

void MainWindow::confirmExit()
{
    if (m_dialogs.showMessage(Messages::confirmExit(), this) == MessageAnswer::Yes)
        emit quitRequested();
    else
        focusStart();
}

void MainWindow::toggleFullScreen()
{
    setFullScreen(!isFullScreen());
    // Enter goes on acting on Start, or on Pause while counting.
    if (m_running)
        button(ToolbarCommand::Pause)->setFocus(Qt::OtherFocusReason);
    else
        focusStart();
}
