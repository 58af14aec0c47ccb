#include "output/board/CountBoardWindow.h"

#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"
#include "widgets/Icons.h"

#include <QCloseEvent>
#include <QIcon>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int gapBesideMain = 8;  // pixels
} // namespace

CountBoardWindow::CountBoardWindow(WindowMemory &memory, QWidget &mainWindow)
    : QWidget(&mainWindow, Qt::Window), m_memory(memory), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmCountBoard"));
    setWindowTitle(tr("Count Board"));
    setWindowIcon(programIcon());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void CountBoardWindow::takePanel(QWidget *panel)
{
    if (panel->parentWidget() != this)
        layout()->addWidget(panel);
    panel->show();
}

void CountBoardWindow::showBeside()
{
    WindowPlacement &placement = m_memory.boardPlacement;
    if (!placement.placed) {
        // As wide as the main window where the screen has room for that
        // beside it, as on a board; on a laptop, as the room allows.
        const QRect main = m_mainWindow.frameGeometry();
        const int room = m_mainWindow.screen()->availableGeometry().right() - main.right() - gapBesideMain;
        resize(std::max(minimumSizeHint().width(), std::min(main.width(), room)), main.height());
        rememberPlacement(placement, *this);
        placement.topLeft = QPointF(pixelsToTwips(main.right() + gapBesideMain), pixelsToTwips(main.top()));
        placement.placed = true;
    }
    restorePlacement(placement, *this, minimumSizeHint());
    moveOnScreen(*this, pos());
    show();
    raise();
}

// Grown for longer rows, the window stays wholly on its screen.
void CountBoardWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isVisible() && event->size().width() > event->oldSize().width())
        moveOnScreen(*this, pos());
}

void CountBoardWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

void CountBoardWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_memory.boardPlacement.placed)
        rememberPlacement(m_memory.boardPlacement, *this);
}
