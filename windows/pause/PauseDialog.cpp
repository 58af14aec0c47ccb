#include "windows/pause/PauseDialog.h"

#include "platform/ScreenPlacement.h"
#include "platform/TabOrder.h"
#include "platform/Twips.h"
#include "platform/WindowManagerHints.h"
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
    const bool isContinue = qstrcmp(place.name, "cmdContinue") == 0;
    return QRect(twipsPoint(place.left, 0), twipsSize(isContinue ? continueWidth : buttonSize, buttonSize));
}
} // namespace

PauseDialog::PauseDialog(const char *name, double clientWidth, CountingSession &session, WindowPlacement &placement,
                         const QList<ButtonPlace> &buttons, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_session(session),
      m_placement(placement), m_buttons(buttons), m_windowSize(twipsSize(clientWidth, clientHeight))
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("Paused Counting"));
    setFixedSize(m_windowSize);
    // Left to right as they stand in the window.
    std::sort(m_buttons.begin(), m_buttons.end(),
              [](const ButtonPlace &a, const ButtonPlace &b) { return a.left < b.left; });
    setModal(true);

    QList<QWidget *> tabOrder;
    for (const ButtonPlace &place : buttons) {
        const bool isContinue = qstrcmp(place.name, "cmdContinue") == 0;
        QPushButton *b = makeIconButton(this, QString::fromLatin1(place.name), QString::fromLatin1(place.tooltip),
                                        QString::fromLatin1(place.icon),
                                        windowGeometry(place));
        b->setAutoDefault(isContinue);
        b->setDefault(isContinue);
        tabOrder << b;
    }
    setTabOrderOf(tabOrder);

    const auto onClick = [this](const char *name, auto slot) {
        if (QPushButton *b = button(name))
            connect(b, &QPushButton::clicked, this, slot);
    };
    onClick("cmdStopit", [this] { choose(PauseChoice::Stop); });
    onClick("cmdContinue", [this] { choose(PauseChoice::Continue); });
    onClick("cmdPredict", [this] { choose(PauseChoice::Predict); });
    onClick("cmdList", [this] { choose(PauseChoice::List); });
    onClick("cmdGraph", [this] { choose(PauseChoice::Graph); });
    onClick("cmdMaskC1", [this] { emit maskCounter1(); });
    onClick("cmdMaskCounter1", [this] { emit maskCounter1(); });
    onClick("cmdMaskCounter2", [this] { emit maskCounter2(); });

    bindPresenterKeys(*this, [this] { return button("cmdContinue"); },
                      [this] { return button("cmdMaskBoth") ? button("cmdMaskBoth") : button("cmdMaskC1"); });
}

QPushButton *PauseDialog::button(const char *name) const
{
    return findChild<QPushButton *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
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
    for (const ButtonPlace &place : std::as_const(m_buttons)) {
        auto *b = static_cast<IconButton *>(button(place.name));
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
                  {{"cmdContinue", 598, QT_TRANSLATE_NOOP("IconButton", "Continue Counting"), "continue"},
                   {"cmdStopit", 0, QT_TRANSLATE_NOOP("IconButton", "Stop Counting"), "stop"},
                   {"cmdPredict", 1830, QT_TRANSLATE_NOOP("IconButton", "Predict Next Number"), "predict"},
                   {"cmdList", 3050, QT_TRANSLATE_NOOP("IconButton", "Number List"), "list"},
                   {"cmdGraph", 2440, QT_TRANSLATE_NOOP("IconButton", "Graph"), "graph"},
                   {"cmdMaskC1", 1220, QT_TRANSLATE_NOOP("IconButton", "Hide/Show Counter"), "pause_mask_one"}},
                  parent)
{
}

TwoCounterPauseDialog::TwoCounterPauseDialog(CountingSession &session, WindowPlacement &placement, QWidget *parent)
    : PauseDialog("frmPaused2", 4785, session, placement,
                  {{"cmdContinue", 598, QT_TRANSLATE_NOOP("IconButton", "Continue Counting"), "continue"},
                   {"cmdStopit", 0, QT_TRANSLATE_NOOP("IconButton", "Stop Counting"), "stop"},
                   {"cmdPredict", 3000, QT_TRANSLATE_NOOP("IconButton", "Predict Next Number"), "predict"},
                   {"cmdList", 4200, QT_TRANSLATE_NOOP("IconButton", "Number List"), "list"},
                   {"cmdGraph", 3600, QT_TRANSLATE_NOOP("IconButton", "Graph"), "graph"},
                   {"cmdMaskCounter1", 1200, QT_TRANSLATE_NOOP("IconButton", "Hide/Show Top Counter"), "pause_mask_top"},
                   {"cmdMaskCounter2", 1800, QT_TRANSLATE_NOOP("IconButton", "Hide/Show Bottom Counter"), "pause_mask_bottom"},
                   {"cmdMaskBoth", 2400, QT_TRANSLATE_NOOP("IconButton", "Hide/Show Both Counters"), "pause_mask_both"}},
                  parent)
{
    connect(button("cmdMaskBoth"), &QPushButton::clicked, this, &TwoCounterPauseDialog::maskBoth);
}
