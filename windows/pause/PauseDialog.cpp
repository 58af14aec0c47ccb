#include "windows/pause/PauseDialog.h"

#include "platform/ScreenPlacement.h"
#include "platform/TabOrder.h"
#include "platform/Twips.h"
#include "platform/WindowManagerHints.h"
#include "widgets/ActionButton.h"
#include "widgets/IconButton.h"
#include "widgets/PresenterKeys.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>

namespace {
constexpr double buttonSize = 600;      // twips
constexpr double continueWidth = 610;   // twips

// Where a button stands in the window's strip.
QRect windowGeometry(const PauseDialog::ButtonPlace &place)
{
    const bool isContinue = place.command == PauseDialog::Command::Continue;
    return QRect(twipsPoint(place.left, 0), twipsSize(isContinue ? continueWidth : buttonSize, buttonSize));
}
} // namespace

PauseDialog::PauseDialog(const char *name, double clientWidth, CountingSession &session, WindowPlacement &placement,
                         const QList<ButtonPlace> &buttons, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_session(session),
      m_placement(placement), m_windowSize(twipsSize(clientWidth, clientHeight))
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("Paused Counting"));
    setFixedSize(m_windowSize);
    setModal(true);

    QList<QWidget *> tabOrder;
    for (const ButtonPlace &place : buttons) {
        const bool isContinue = place.command == Command::Continue;
        QPushButton *b = makeIconButton(this, QString::fromLatin1(place.name), QString::fromLatin1(place.tooltip),
                                        QString::fromLatin1(place.icon), windowGeometry(place));
        b->setAutoDefault(isContinue);
        b->setDefault(isContinue);
        auto *action = new QAction(b->toolTip(), this);
        bindToAction(*b, *action);
        m_buttons.append({place, b, action});
        tabOrder << b;
    }
    setTabOrderOf(tabOrder);
    // Left to right as they stand in the window.
    std::sort(m_buttons.begin(), m_buttons.end(),
              [](const Button &a, const Button &b) { return a.place.left < b.place.left; });

    const auto onTrigger = [this](Command command, auto slot) {
        if (QAction *a = action(command))
            connect(a, &QAction::triggered, this, slot);
    };
    onTrigger(Command::Stop, [this] { choose(PauseChoice::Stop); });
    onTrigger(Command::Continue, [this] { choose(PauseChoice::Continue); });
    onTrigger(Command::Predict, [this] { choose(PauseChoice::Predict); });
    onTrigger(Command::List, [this] { choose(PauseChoice::List); });
    onTrigger(Command::Graph, [this] { choose(PauseChoice::Graph); });
    onTrigger(Command::MaskCounter, [this] { emit maskCounter1(); });
    onTrigger(Command::MaskTopCounter, [this] { emit maskCounter1(); });
    onTrigger(Command::MaskBottomCounter, [this] { emit maskCounter2(); });

    bindPresenterKeys(*this, [this] { return action(Command::Continue); },
                      [this] { return action(Command::MaskBoth) ? action(Command::MaskBoth) : action(Command::MaskCounter); });
}

QAction *PauseDialog::action(Command command) const
{
    for (const Button &b : m_buttons)
        if (b.place.command == command)
            return b.action;
    return nullptr;
}

void PauseDialog::fitBoard(std::optional<double> scale)
{
    m_onBoard = scale.has_value();
    int side = m_onBoard ? qRound(boardButtonSide * *scale) : 0;
    // A narrow board keeps the whole strip on it, frame and margins too.
    constexpr int frameAllowance = 32;  // pixels
    if (m_onBoard && parentWidget() && !m_buttons.isEmpty())
        side = std::min(side, (parentWidget()->width() - frameAllowance) / (2 * int(m_buttons.size())));
    int left = 0;
    int height = m_windowSize.height();
    for (const Button &button : std::as_const(m_buttons)) {
        const ButtonPlace &place = button.place;
        auto *b = static_cast<IconButton *>(button.button);
        b->setCaptionShown(m_onBoard);
        if (!m_onBoard) {
            b->setIconSize(QSize(iconButtonIconPixels, iconButtonIconPixels));
            b->setGeometry(windowGeometry(place));
            continue;
        }
        QFont captionFont = font();
        captionFont.setPixelSize(std::max(1, side / 5));
        b->setFont(captionFont);
        b->setIconSize(QSize(side * 3 / 5, side * 3 / 5));
        height = side + b->captionHeight() + side / 8;
        b->setGeometry(left, 0, 2 * side, height);
        left += 2 * side;
    }
    setFixedSize(m_onBoard ? QSize(left, height) : m_windowSize);
}

void PauseDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_onBoard && event->modifiers() == Qt::NoModifier) {
        emit leaveFullScreenRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PauseDialog::choose(PauseChoice choice)
{
    m_session.pauseChoice = choice;
    // Where it stood on the board is no place for the window to remember.
    if (!m_onBoard)
        rememberPlacement(m_placement, *this);
    hide();
    emit choiceMade();
}

// The dialog has no close box: only its buttons end a pause.
void PauseDialog::reject()
{
}

void PauseDialog::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        event->ignore();
}

// Minimising a modal strip would hide the whole program with no way back.
void PauseDialog::showEvent(QShowEvent *event)
{
    offerOnlyMoving(*this);
    QDialog::showEvent(event);
}

OneCounterPauseDialog::OneCounterPauseDialog(CountingSession &session, WindowPlacement &placement, QWidget *parent)
    : PauseDialog("frmPaused", 3615, session, placement,
                  {{Command::Continue, "cmdContinue", 598, QT_TRANSLATE_NOOP("IconButton", "Continue Counting"), "continue"},
                   {Command::Stop, "cmdStopit", 0, QT_TRANSLATE_NOOP("IconButton", "Stop Counting"), "stop"},
                   {Command::Predict, "cmdPredict", 1830, QT_TRANSLATE_NOOP("IconButton", "Predict Next Number"), "predict"},
                   {Command::List, "cmdList", 3050, QT_TRANSLATE_NOOP("IconButton", "Number List"), "list"},
                   {Command::Graph, "cmdGraph", 2440, QT_TRANSLATE_NOOP("IconButton", "Graph"), "graph"},
                   {Command::MaskCounter, "cmdMaskC1", 1220, QT_TRANSLATE_NOOP("IconButton", "Hide/Show Counter"), "pause_mask_one"}},
                  parent)
{
}

TwoCounterPauseDialog::TwoCounterPauseDialog(CountingSession &session, WindowPlacement &placement, QWidget *parent)
    : PauseDialog("frmPaused2", 4785, session, placement,
                  {{Command::Continue, "cmdContinue", 598, QT_TRANSLATE_NOOP("IconButton", "Continue Counting"), "continue"},
                   {Command::Stop, "cmdStopit", 0, QT_TRANSLATE_NOOP("IconButton", "Stop Counting"), "stop"},
                   {Command::Predict, "cmdPredict", 3000, QT_TRANSLATE_NOOP("IconButton", "Predict Next Number"), "predict"},
                   {Command::List, "cmdList", 4200, QT_TRANSLATE_NOOP("IconButton", "Number List"), "list"},
                   {Command::Graph, "cmdGraph", 3600, QT_TRANSLATE_NOOP("IconButton", "Graph"), "graph"},
                   {Command::MaskTopCounter, "cmdMaskCounter1", 1200, QT_TRANSLATE_NOOP("IconButton", "Hide/Show Top Counter"), "pause_mask_top"},
                   {Command::MaskBottomCounter, "cmdMaskCounter2", 1800, QT_TRANSLATE_NOOP("IconButton", "Hide/Show Bottom Counter"), "pause_mask_bottom"},
                   {Command::MaskBoth, "cmdMaskBoth", 2400, QT_TRANSLATE_NOOP("IconButton", "Hide/Show Both Counters"), "pause_mask_both"}},
                  parent)
{
    connect(action(Command::MaskBoth), &QAction::triggered, this, &TwoCounterPauseDialog::maskBoth);
}
