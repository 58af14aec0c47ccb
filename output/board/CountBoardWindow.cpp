#include "output/board/CountBoardWindow.h"

#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QIcon>
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
    setWindowIcon(QIcon(QStringLiteral(":/tallyvane.svg")));
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
        const QRect main = m_mainWindow.frameGeometry();
        resize(std::max(minimumSizeHint().width(), main.width()), main.height());
        rememberPlacement(placement, *this);
        placement.topLeft = QPointF(pixelsToTwips(main.right() + gapBesideMain), pixelsToTwips(main.top()));
        placement.placed = true;
    }
    restorePlacement(placement, *this, minimumSizeHint());
    moveOnScreen(*this, pos());
    show();
    raise();
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
